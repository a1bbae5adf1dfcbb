#include "com/simword/DispatchObjet.hpp"

#include <cxxabi.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <new>
#include <optional>
#include <string>
#include <typeindex>
#include <typeinfo>
#include <unordered_set>
#include <vector>

#include "com/client/CacheDispids.hpp"
#include "com/simword/BibliothequeWord.hpp"
#include "com/client/Conversions.hpp"
#include "com/commun/Erreurs.hpp"
#include "word/Erreur.hpp"
#include "word/Texte.hpp"

namespace k58204::com {

namespace {

// The live DispatchObjet of each identity (entries removed by the destructor).
std::map<const void*, DispatchObjet*>& servis() {
    static std::map<const void*, DispatchObjet*> s;
    return s;
}

// Every live DispatchObjet, by address: objetServi recognises the process's
// own objects by it, never by asking the object (a caller's object may answer
// anything to QueryInterface).
struct Vivants {
    std::mutex verrou;
    std::unordered_set<const IDispatch*> adresses;
};

Vivants& vivants() {
    static Vivants v;
    return v;
}

std::function<void()>& apres() {
    static std::function<void()> f;
    return f;
}

std::shared_ptr<CacheDispids> cacheArguments() {
    // Objects of other servers passed as arguments are called through it.
    static auto c = std::make_shared<CacheDispids>();
    return c;
}

// The implementation class of an object, as the compiler names it.
std::string nomClasseDe(const Objet& o) {
    const char* brut = typeid(o).name();
    int statut = 0;
    char* clair = abi::__cxa_demangle(brut, nullptr, nullptr, &statut);
    std::string nom = statut == 0 && clair ? clair : brut;
    std::free(clair);
    return nom;
}

// The type information of the interface serving o's class, looked up once
// per class for the life of the process (null when the class has none, or
// the libraries could not be loaded).
ITypeInfo* infoTypeDe(const Objet& o) {
    static auto* infos = new std::map<std::type_index, Ptr<ITypeInfo>>();
    const std::type_index classe(typeid(o));
    auto it = infos->find(classe);
    if (it == infos->end()) {
        Ptr<ITypeInfo> info =
            simword::BibliothequeWord::instance().typeNomme(simword::interfaceDeClasse(nomClasseDe(o)));
        it = infos->emplace(classe, std::move(info)).first;
    }
    return it->second.get();
}

// The arguments of an Invoke as the seam takes them. Throws Erreur (13 for a
// value of a type the seam has no place for) and the HRESULTs of malformed
// parameters as `HRESULT`.
Arguments argumentsDe(const DISPPARAMS& p, bool put, UINT* argErreur, ITypeInfo* info, DISPID membre) {
    if (p.cArgs > 0 && !p.rgvarg) throw E_INVALIDARG;
    if (p.cNamedArgs > p.cArgs || (p.cNamedArgs > 0 && !p.rgdispidNamedArgs)) throw E_INVALIDARG;
    const auto cache = cacheArguments();
    auto lit = [&](UINT i) {
        try {
            return depuisVariant(p.rgvarg[i], cache);
        } catch (const Erreur&) {
            if (argErreur) *argErreur = i;
            throw DISP_E_TYPEMISMATCH;
        }
    };
    Arguments args;
    // rgvarg holds the named arguments first, then the positional ones from
    // the last to the first.
    for (UINT i = p.cArgs; i > p.cNamedArgs; --i) args.emplace_back(lit(i - 1));
    std::optional<Variant> valeur;
    for (UINT i = 0; i < p.cNamedArgs; ++i) {
        const DISPID id = p.rgdispidNamedArgs[i];
        if (id == DISPID_PROPERTYPUT && put) {
            valeur = lit(i);
            continue;
        }
        std::u16string nom;
        if (!simword::nomArgument(info, membre, id, nom)) {
            if (argErreur) *argErreur = i;
            throw DISP_E_PARAMNOTFOUND;
        }
        args.emplace_back(std::move(nom), lit(i));
    }
    if (put) {
        // The value of a put comes last; a caller that did not name it passes
        // it as the first element (the last positional argument) already.
        if (valeur) args.emplace_back(std::move(*valeur));
        else if (args.empty() || !args.back().nom.empty()) throw DISP_E_PARAMNOTOPTIONAL;
    }
    return args;
}

}  // namespace

AppelsRecus& appelsRecus() {
    static AppelsRecus a;
    return a;
}

// ---------------------------------------------------------------- DispatchObjet

Ptr<IDispatch> DispatchObjet::pour(const ObjetPtr& o) {
    if (!o) return {};
    if (auto it = servis().find(o->identite()); it != servis().end()) return Ptr<IDispatch>(it->second);
    return Ptr<IDispatch>::adopte(new DispatchObjet(o));
}

ObjetPtr DispatchObjet::objetServi(IDispatch* d) {
    if (!d) return {};
    Vivants& v = vivants();
    std::lock_guard<std::mutex> garde(v.verrou);
    if (!v.adresses.contains(d)) return {};
    return static_cast<DispatchObjet*>(d)->objet_;
}

void DispatchObjet::apresChaqueAppel(std::function<void()> f) { apres() = std::move(f); }

namespace {

std::function<void()>& dernierClient() {
    static std::function<void()> f;
    return f;
}

std::atomic<long>& connexionsFortes() {
    static std::atomic<long> n{0};
    return n;
}

}  // namespace

void DispatchObjet::apresDernierClient(std::function<void()> f) { dernierClient() = std::move(f); }

long DispatchObjet::connexions() { return connexionsFortes().load(); }

void DispatchObjet::deconnecteTout() {
    // A copy: disconnecting releases the stubs' references, which may end objects.
    std::vector<Ptr<IDispatch>> tous;
    for (const auto& [identite, d] : servis()) tous.emplace_back(static_cast<IDispatch*>(d));
    for (const Ptr<IDispatch>& d : tous) CoDisconnectObject(d.get(), 0);
}

DWORD DispatchObjet::AddConnection(DWORD sorte, DWORD) {
    return sorte & EXTCONN_STRONG ? static_cast<DWORD>(++connexionsFortes()) : 0;
}

DWORD DispatchObjet::ReleaseConnection(DWORD sorte, DWORD, BOOL) {
    if (!(sorte & EXTCONN_STRONG)) return 0;
    const long n = --connexionsFortes();
    if (n == 0 && dernierClient()) dernierClient()();
    return static_cast<DWORD>(n < 0 ? 0 : n);
}

DispatchObjet::DispatchObjet(ObjetPtr o) : objet_(std::move(o)), identite_(objet_->identite()) {
    servis()[identite_] = this;
    Vivants& v = vivants();
    std::lock_guard<std::mutex> garde(v.verrou);
    v.adresses.insert(this);
}

DispatchObjet::~DispatchObjet() {
    if (auto it = servis().find(identite_); it != servis().end() && it->second == this) servis().erase(it);
    Vivants& v = vivants();
    std::lock_guard<std::mutex> garde(v.verrou);
    v.adresses.erase(this);
}

HRESULT DispatchObjet::QueryInterface(REFIID iid, void** objet) {
    if (!objet) return E_POINTER;
    *objet = nullptr;
    if (IsEqualGUID(iid, IID_IUnknown) || IsEqualGUID(iid, IID_IDispatch)) {
        *objet = static_cast<IDispatch*>(this);
    } else if (IsEqualGUID(iid, IID_IExternalConnection)) {
        *objet = static_cast<IExternalConnection*>(this);
    } else {
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG DispatchObjet::AddRef() { return ++references_; }

ULONG DispatchObjet::Release() {
    const ULONG n = --references_;
    if (n == 0) delete this;
    return n;
}

HRESULT DispatchObjet::GetTypeInfoCount(UINT* n) {
    if (!n) return E_POINTER;
    *n = infoTypeDe(*objet_) ? 1 : 0;
    return S_OK;
}

HRESULT DispatchObjet::GetTypeInfo(UINT rang, LCID, ITypeInfo** info) {
    ++appelsRecus().getTypeInfo;
    if (!info) return E_POINTER;
    *info = nullptr;
    if (rang != 0) return DISP_E_BADINDEX;
    try {
        ITypeInfo* type = infoTypeDe(*objet_);
        if (!type) return DISP_E_BADINDEX;
        type->AddRef();
        *info = type;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    return S_OK;
}

HRESULT DispatchObjet::GetIDsOfNames(REFIID iid, LPOLESTR* noms, UINT n, LCID, DISPID* ids) {
    ++appelsRecus().getIDsOfNames;
    if (!IsEqualGUID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    if (!noms || !ids) return E_INVALIDARG;
    try {
        std::vector<std::u16string_view> textes;
        for (UINT i = 0; i < n; ++i) {
            if (!noms[i]) return DISP_E_UNKNOWNNAME;
            textes.emplace_back(reinterpret_cast<const char16_t*>(noms[i]));
        }
        const std::vector<DISPID> trouves = simword::idsMembre(infoTypeDe(*objet_), textes);
        for (UINT i = 0; i < n; ++i) ids[i] = trouves[i];
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    return S_OK;
}

HRESULT DispatchObjet::Invoke(DISPID membre, REFIID iid, LCID, WORD drapeaux, DISPPARAMS* appel, VARIANT* resultat,
                              EXCEPINFO* exception, UINT* argErreur) {
    ++appelsRecus().invoke;
    if (!IsEqualGUID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    ITypeInfo* type = nullptr;
    std::u16string membreNom;
    try {
        type = infoTypeDe(*objet_);
        if (!simword::nomMembre(type, membre, membreNom)) return DISP_E_MEMBERNOTFOUND;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    static DISPPARAMS aucun{nullptr, nullptr, 0, 0};
    if (!appel) appel = &aucun;
    const bool put = (drapeaux & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
    Appel sorte = Appel::Call;
    if (put) sorte = Appel::Put;
    else if (drapeaux & DISPATCH_PROPERTYGET) sorte = Appel::Get;
    else if (!(drapeaux & DISPATCH_METHOD)) return E_INVALIDARG;

    // The object stays alive through the call, even if the call releases the
    // last client reference.
    Ptr<IDispatch> moi(this);
    HRESULT hr = S_OK;
    try {
        const Arguments args = argumentsDe(*appel, put, argErreur, type, membre);
        Variant v = objet_->invoke(membreNom, sorte, args);
        if (resultat && !put) {
            VariantInit(resultat);
            versVariant(v, resultat);
        }
    } catch (HRESULT h) {
        hr = h;
    } catch (const Erreur& e) {
        if (e.numero() == static_cast<int32_t>(RPC_E_CALL_REJECTED)) {
            hr = RPC_E_CALL_REJECTED;
        } else if (!exception) {
            hr = hresultVb(e.numero());
        } else {
            hr = DISP_E_EXCEPTION;
            std::memset(exception, 0, sizeof *exception);
            exception->scode = hresultVb(e.numero());
            try {
                exception->bstrSource = bstr(e.source()).detache();
                exception->bstrDescription = bstr(e.description()).detache();
            } catch (const std::bad_alloc&) {
            }
        }
    } catch (const std::bad_alloc&) {
        hr = E_OUTOFMEMORY;
    } catch (...) {
        hr = E_UNEXPECTED;
    }
    if (apres()) {
        try {
            apres()();
        } catch (...) {
            // Keeping the windows in line never fails the call that was made.
        }
    }
    return hr;
}

}  // namespace k58204::com

namespace k58204::com {
namespace {

// Wherever DispatchObjet is linked in, the process's own objects reach COM through it.
[[maybe_unused]] const bool serviceInstalle = (serviceObjetsLocaux({&DispatchObjet::pour, &DispatchObjet::objetServi}), true);

}  // namespace
}  // namespace k58204::com
