#pragma once
// The class object of Word.Application in simword.exe: CreateInstance starts
// the process's one instance (hidden, no document) and hands out its
// Application object. One Word per process, as Word does: a second request
// is refused, and the class object is revoked once used, so that the next
// CreateObject starts a new process.
#include "com/simword/ServeurSimWord.hpp"

#include <windows.h>
#include <unknwn.h>

#include <atomic>
#include <functional>

namespace k58204::simword {

class Fabrique final : public IClassFactory {
public:
    // `apresCreation` runs once an instance was handed out (the caller revokes the class object then).
    Fabrique(ServeurSimWord& serveur, std::function<void()> apresCreation);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** objet) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* externe, REFIID iid, void** objet) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

private:
    ~Fabrique() = default;

    ServeurSimWord& serveur_;
    std::function<void()> apresCreation_;
    std::atomic<ULONG> references_{1};
};

}  // namespace k58204::simword
