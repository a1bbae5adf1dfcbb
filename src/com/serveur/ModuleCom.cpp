// The platform seam names user32's constants as user32 does (SW_MAXIMIZE…):
// its headers come before any Windows header defines them as macros.
#include "module/Module.hpp"
#include "platform/win32/Clavier32.hpp"
#include "platform/win32/Fenetres32.hpp"
#include "platform/win32/SystemeFichiers32.hpp"

#include "com/serveur/ModuleCom.hpp"

#include <memory>
#include <optional>

#include "com/serveur/ComplementInfoCom.hpp"
#include "com/client/Conversions.hpp"
#include "com/commun/Erreurs.hpp"
#include "com/serveur/Identifiants.hpp"
#include "com/serveur/ObjetServeur.hpp"
#include "com/client/ServeurCom.hpp"

namespace k58204::com {

namespace {

// The host's by-reference pair (application, window handle) as the module
// takes it, written back to the host's variables when the call ends, whether
// it succeeded or not: the module's own by-reference writes happen as it goes.
class ParametresWord {
public:
    ParametresWord(IDispatch** application, LONG* handle, const std::shared_ptr<CacheDispids>& cache)
        : application_(application), handle_(handle), objet_(objetDe(*application, cache)), valeur_(*handle) {}
    ~ParametresWord() {
        Ptr<IDispatch> nouveau;
        try {
            nouveau = dispatchDe(objet_);
        } catch (...) {
            // Only objects that came through COM ever reach here.
        }
        if (nouveau.get() != *application_) {
            if (*application_) (*application_)->Release();
            *application_ = nouveau.detache();
        }
        *handle_ = valeur_;
    }
    ParametresWord(const ParametresWord&) = delete;
    ParametresWord& operator=(const ParametresWord&) = delete;

    ObjetPtr& application() { return objet_; }
    int32_t& handle() { return valeur_; }

private:
    IDispatch** application_;
    LONG* handle_;
    ObjetPtr objet_;
    int32_t valeur_;
};

class ModuleCom final : public ObjetServeur<::AbstractModule> {
public:
    ModuleCom()
        : ObjetServeur(IID_AbstractModule, {IID__Module}),
          module_(platform::Plateforme{fenetres_, clavier_, serveur_, fichiers_}) {}

    HRESULT STDMETHODCALLTYPE get_BravoNuance(VARIANT_BOOL* p) override {
        if (!p) return E_POINTER;
        return appel([&] { *p = module_.BravoNuance() ? VARIANT_TRUE : VARIANT_FALSE; });
    }
    HRESULT STDMETHODCALLTYPE get_Complement(::ComplementInfo** p) override {
        if (!p) return E_POINTER;
        *p = nullptr;
        return appel([&] {
            std::shared_ptr<k58204::ComplementInfo> textes = module_.Complement();
            if (!textes) return;
            // The same collection is handed out as the same COM object.
            if (textes != complement_) {
                complementCom_ = creeComplementInfoCom(textes);
                complement_ = std::move(textes);
            }
            *p = Ptr<::ComplementInfo>(complementCom_).detache();
        });
    }
    HRESULT STDMETHODCALLTYPE get_CauseErreur(BSTR* p) override {
        if (!p) return E_POINTER;
        *p = nullptr;
        return appel([&] { *p = bstr(module_.CauseErreur()).detache(); });
    }
    HRESULT STDMETHODCALLTYPE get_ErreurGenerale(VARIANT_BOOL* p) override {
        if (!p) return E_POINTER;
        return appel([&] { *p = module_.ErreurGenerale() ? VARIANT_TRUE : VARIANT_FALSE; });
    }
    HRESULT STDMETHODCALLTYPE Fermer() override {
        return appel([&] { module_.Fermer(); });
    }
    HRESULT STDMETHODCALLTYPE InitQuestion(LONG ilQuestion, BSTR isPathDossier, IDispatch** ioApplication,
                                           LONG* ioHandleLogiciel, BSTR isPathModele) override {
        if (!ioApplication || !ioHandleLogiciel) return E_POINTER;
        return appel([&] {
            ParametresWord word(ioApplication, ioHandleLogiciel, serveur_.cache());
            std::optional<std::u16string> modele;
            if (isPathModele) modele = texte(isPathModele);
            module_.InitQuestion(ilQuestion, texte(isPathDossier), word.application(), word.handle(), modele);
        });
    }
    HRESULT STDMETHODCALLTYPE Quitter(IDispatch** ioApplication, LONG* ioHandleLogiciel) override {
        if (!ioApplication || !ioHandleLogiciel) return E_POINTER;
        return appel([&] {
            ParametresWord word(ioApplication, ioHandleLogiciel, serveur_.cache());
            module_.Quitter(word.application(), word.handle());
        });
    }
    HRESULT STDMETHODCALLTYPE TestePoint() override {
        return appel([&] { module_.TestePoint(); });
    }

private:
    template <class F>
    HRESULT appel(F&& corps) {
        return protege(IID_AbstractModule, std::forward<F>(corps));
    }

    platform::win32::Fenetres32 fenetres_;
    platform::win32::Clavier32 clavier_;
    ServeurCom serveur_;
    platform::win32::SystemeFichiers32 fichiers_;
    Module module_;
    std::shared_ptr<k58204::ComplementInfo> complement_;
    Ptr<::ComplementInfo> complementCom_;
};

}  // namespace

Ptr<::AbstractModule> creeModuleCom() { return Ptr<::AbstractModule>::adopte(new ModuleCom()); }

}  // namespace k58204::com
