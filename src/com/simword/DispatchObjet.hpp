#pragma once
// Any object of the automation seam served as IDispatch, as an out-of-process
// automation server serves its objects (simword.exe serves the simulated Word
// this way):
// - GetTypeInfo gives the type information of the object's interface in the
//   simulated Word's type libraries, and names get the ids those libraries
//   give them (the names they do not list get ids of this process's own):
//   see BibliothequeWord.hpp;
// - Invoke turns DISPPARAMS back into Arguments (positional ones reversed,
//   named ones by the names their ids stand for, the value of a put last) and
//   DISPATCH_PROPERTYPUT into Appel::Put, a flag set with DISPATCH_PROPERTYGET
//   into Appel::Get, a bare DISPATCH_METHOD into Appel::Call;
// - an Erreur leaves as DISP_E_EXCEPTION with EXCEPINFO (scode hresultVb of
//   its number, source, description); the busy error (number
//   RPC_E_CALL_REJECTED) is returned by Invoke itself, as a client without a
//   message filter gets it from a server in a modal loop;
// - one IDispatch per underlying object (Objet::identite) while any client
//   holds it, so that IUnknown identity, and VB's Is, hold across processes;
// - the strong connections clients hold on the served objects are counted
//   (IExternalConnection), so that a server can end when its last client
//   lets go, and deconnecteTout() cuts every connection at the server's end,
//   so that no client reference keeps the apartment from closing.
#include <windows.h>
#include <oaidl.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "com/commun/Possession.hpp"
#include "word/Objet.hpp"

namespace k58204::com {

// Calls received by the objects served here, for the whole process.
struct AppelsRecus {
    std::atomic<int64_t> getIDsOfNames{0};
    std::atomic<int64_t> invoke{0};
    std::atomic<int64_t> getTypeInfo{0};
};
AppelsRecus& appelsRecus();

class DispatchObjet final : public IDispatch, public IExternalConnection {
public:
    // The IDispatch serving o (null for Nothing): the one already serving an
    // object of the same identity, else a new one.
    static Ptr<IDispatch> pour(const ObjetPtr& o);
    // The seam object behind d when d is served by this process; else null.
    static ObjetPtr objetServi(IDispatch* d);
    // Runs after every Invoke that reached an object, successful or not (the
    // server brings its windows and files in line with the model there).
    static void apresChaqueAppel(std::function<void()> f);
    // Runs when the last strong connection of a client to any served object
    // goes (from within the client's release: the callee should only post).
    static void apresDernierClient(std::function<void()> f);
    // The strong connections clients hold, over every served object.
    static long connexions();
    // Disconnects every served object from its clients (CoDisconnectObject).
    static void deconnecteTout();

    DispatchObjet(const DispatchObjet&) = delete;
    DispatchObjet& operator=(const DispatchObjet&) = delete;

    // ---- IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** objet) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // ---- IExternalConnection
    DWORD STDMETHODCALLTYPE AddConnection(DWORD sorte, DWORD) override;
    DWORD STDMETHODCALLTYPE ReleaseConnection(DWORD sorte, DWORD, BOOL) override;
    // ---- IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT rang, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* noms, UINT n, LCID, DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID membre, REFIID iid, LCID, WORD drapeaux, DISPPARAMS* appel,
                                     VARIANT* resultat, EXCEPINFO* exception, UINT* argErreur) override;

private:
    explicit DispatchObjet(ObjetPtr o);
    ~DispatchObjet();

    ObjetPtr objet_;
    const void* identite_;
    std::atomic<ULONG> references_{1};
};

}  // namespace k58204::com
