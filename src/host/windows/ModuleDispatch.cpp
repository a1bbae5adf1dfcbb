#include "host/windows/ModuleDispatch.hpp"

#include <algorithm>

#include "com/client/Conversions.hpp"
#include "com/commun/Erreurs.hpp"
#include "com/client/ObjetDispatch.hpp"
#include "com/commun/ValeursCom.hpp"
#include "word/Erreur.hpp"

namespace k58204::lecon::windows {

using com::entier;
using com::parReference;

namespace {

constexpr WORD Lecture = DISPATCH_PROPERTYGET | DISPATCH_METHOD;

// The by-reference pair of InitQuestion and Quitter: what the host holds
// goes in, what the module leaves comes back.
class Reference {
public:
    Reference(ObjetPtr& application, int32_t& handle, const std::shared_ptr<com::CacheDispids>& cache)
        : application_(application), handle_(handle), cache_(cache) {
        if (application_) {
            V_VT(app_.get()) = VT_DISPATCH;
            V_DISPATCH(app_.get()) = com::dispatchDe(application_).detache();
        }
        V_VT(handleCom_.get()) = VT_I4;
        V_I4(handleCom_.get()) = handle_;
    }
    VARIANT application() { return parReference(app_.get()); }
    VARIANT handle() { return parReference(handleCom_.get()); }
    // What the module left in the variables.
    void relit() {
        const Variant a = com::depuisVariant(*app_.get(), cache_);
        const ObjetPtr* o = a.si<ObjetPtr>();
        application_ = o ? *o : nullptr;
        const Variant h = com::depuisVariant(*handleCom_.get(), cache_);
        if (h.estNombre()) handle_ = h.CLng();
    }

private:
    ObjetPtr& application_;
    int32_t& handle_;
    const std::shared_ptr<com::CacheDispids>& cache_;
    com::VariantCom app_;
    com::VariantCom handleCom_;
};

bool booleen(com::VariantCom v) {
    com::VariantCom b;
    com::verifie(VariantChangeType(b.get(), v.get(), 0, VT_BOOL));
    return V_BOOL(b.get()) != VARIANT_FALSE;
}

std::u16string texte(com::VariantCom v) {
    com::VariantCom t;
    com::verifie(VariantChangeType(t.get(), v.get(), 0, VT_BSTR));
    return com::texte(V_BSTR(t.get()));
}

int32_t entierDe(com::VariantCom v) {
    com::VariantCom n;
    com::verifie(VariantChangeType(n.get(), v.get(), 0, VT_I4));
    return V_I4(n.get());
}

}  // namespace

com::VariantCom appelleParNom(IDispatch* objet, const wchar_t* membre, WORD drapeaux, std::vector<VARIANT> arguments) {
    LPOLESTR nom = const_cast<LPOLESTR>(membre);
    DISPID id = DISPID_UNKNOWN;
    com::verifie(objet->GetIDsOfNames(IID_NULL, &nom, 1, LOCALE_USER_DEFAULT, &id));
    std::reverse(arguments.begin(), arguments.end());
    DISPPARAMS p{arguments.data(), nullptr, static_cast<UINT>(arguments.size()), 0};
    com::VariantCom resultat;
    EXCEPINFO ei{};
    UINT argErreur = 0;
    const HRESULT hr = objet->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, drapeaux, &p, resultat.get(), &ei, &argErreur);
    if (FAILED(hr)) com::leveErreurDispatch(hr, ei);
    return resultat;
}

ModuleDispatch::ModuleDispatch(std::shared_ptr<com::CacheDispids> cacheWord) : cacheWord_(std::move(cacheWord)) {
    // As VB's CreateObject: the class of the ProgID, then its IDispatch.
    CLSID classe{};
    if (FAILED(CLSIDFromProgID(L"K58204.Module", &classe)) ||
        FAILED(CoCreateInstance(classe, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch,
                                module_.putVoid())) ||
        !module_)
        leveErreurExecution(err::CreationImpossible);
}

bool ModuleDispatch::BravoNuance() { return booleen(appelleParNom(module_.get(), L"BravoNuance", Lecture)); }

std::u16string ModuleDispatch::CauseErreur() { return texte(appelleParNom(module_.get(), L"CauseErreur", Lecture)); }

bool ModuleDispatch::ErreurGenerale() { return booleen(appelleParNom(module_.get(), L"ErreurGenerale", Lecture)); }

// The strings are read through the returned object's count and item.
std::shared_ptr<ComplementInfo> ModuleDispatch::Complement() {
    com::VariantCom c = appelleParNom(module_.get(), L"Complement", Lecture);
    if (V_VT(c.get()) != VT_DISPATCH && V_VT(c.get()) != VT_UNKNOWN) {
        if (V_VT(c.get()) == VT_EMPTY || V_VT(c.get()) == VT_NULL) return nullptr;
        leveErreurExecution(err::TypeIncompatible);
    }
    com::Ptr<IDispatch> d;
    if (V_VT(c.get()) == VT_DISPATCH)
        d = V_DISPATCH(c.get());
    else if (IUnknown* u = V_UNKNOWN(c.get()))
        u->QueryInterface(IID_IDispatch, d.putVoid());
    if (!d) return nullptr;
    auto complement = std::make_shared<ComplementInfo>();
    const int32_t n = entierDe(appelleParNom(d.get(), L"count", Lecture));
    for (int32_t i = 1; i <= n; ++i) {
        VARIANT rang = entier(i);
        complement->add(texte(appelleParNom(d.get(), L"item", Lecture, {rang})));
    }
    return complement;
}

void ModuleDispatch::Fermer() { appelleParNom(module_.get(), L"Fermer", DISPATCH_METHOD); }

void ModuleDispatch::TestePoint() { appelleParNom(module_.get(), L"TestePoint", DISPATCH_METHOD); }

void ModuleDispatch::InitQuestion(int32_t ilQuestion, std::u16string isPathDossier, ObjetPtr& ioApplication,
                                  int32_t& ioHandleLogiciel, std::optional<std::u16string> isPathModele) {
    Reference ref(ioApplication, ioHandleLogiciel, cacheWord_);
    com::VariantCom dossier, modele;
    V_VT(dossier.get()) = VT_BSTR;
    V_BSTR(dossier.get()) = com::bstr(isPathDossier).detache();
    std::vector<VARIANT> arguments{entier(ilQuestion), *dossier.get(), ref.application(), ref.handle()};
    if (isPathModele) {
        V_VT(modele.get()) = VT_BSTR;
        V_BSTR(modele.get()) = com::bstr(*isPathModele).detache();
        arguments.push_back(*modele.get());
    }
    try {
        appelleParNom(module_.get(), L"InitQuestion", DISPATCH_METHOD, std::move(arguments));
    } catch (const Erreur&) {
        ref.relit();
        throw;
    }
    ref.relit();
}

void ModuleDispatch::Quitter(ObjetPtr& ioApplication, int32_t& ioHandleLogiciel) {
    Reference ref(ioApplication, ioHandleLogiciel, cacheWord_);
    try {
        appelleParNom(module_.get(), L"Quitter", DISPATCH_METHOD, {ref.application(), ref.handle()});
    } catch (const Erreur&) {
        ref.relit();
        throw;
    }
    ref.relit();
}

}  // namespace k58204::lecon::windows
