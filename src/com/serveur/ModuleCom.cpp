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
#include "com/serveur/TraceSupport.hpp"

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
          trace_(traceDemandee(serveur_)),
          module_(platform::Plateforme{fenetres_, clavier_, trace_ ? trace_->serveur() : serveur_, fichiers_}) {}

    HRESULT STDMETHODCALLTYPE get_BravoNuance(VARIANT_BOOL* p) override {
        if (!p) return E_POINTER;
        return appel(u"BravoNuance", [&](std::u16string& r) {
            *p = module_.BravoNuance() ? VARIANT_TRUE : VARIANT_FALSE;
            r = representation(Variant(*p != VARIANT_FALSE));
        });
    }
    HRESULT STDMETHODCALLTYPE get_Complement(::ComplementInfo** p) override {
        if (!p) return E_POINTER;
        *p = nullptr;
        return appel(u"Complement", [&](std::u16string& r) {
            std::shared_ptr<k58204::ComplementInfo> textes = module_.Complement();
            r = textes ? u"[ComplementInfo]" : u"Nothing";
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
        return appel(u"CauseErreur", [&](std::u16string& r) {
            const std::u16string cause = module_.CauseErreur();
            *p = bstr(cause).detache();
            r = representation(Variant(cause));
        });
    }
    HRESULT STDMETHODCALLTYPE get_ErreurGenerale(VARIANT_BOOL* p) override {
        if (!p) return E_POINTER;
        return appel(u"ErreurGenerale", [&](std::u16string& r) {
            *p = module_.ErreurGenerale() ? VARIANT_TRUE : VARIANT_FALSE;
            r = representation(Variant(*p != VARIANT_FALSE));
        });
    }
    HRESULT STDMETHODCALLTYPE Fermer() override {
        return appel(u"Fermer", [&](std::u16string&) { module_.Fermer(); });
    }
    HRESULT STDMETHODCALLTYPE InitQuestion(LONG ilQuestion, BSTR isPathDossier, IDispatch** ioApplication,
                                           LONG* ioHandleLogiciel, BSTR isPathModele) override {
        if (!ioApplication || !ioHandleLogiciel) return E_POINTER;
        return appel(u"InitQuestion", [&](std::u16string& r) {
            ParametresWord word(ioApplication, ioHandleLogiciel, serveur_.cache());
            std::optional<std::u16string> modele;
            if (isPathModele) modele = texte(isPathModele);
            if (trace_) {
                word.application() = trace_->trace(word.application());
                trace_->debut(u"InitQuestion(" + representation(Variant(static_cast<int32_t>(ilQuestion))) + u", " +
                              representation(Variant(texte(isPathDossier))) + u", " + parametresWord(word) + u")");
            }
            module_.InitQuestion(ilQuestion, texte(isPathDossier), word.application(), word.handle(), modele);
            r = parametresWord(word);
        });
    }
    HRESULT STDMETHODCALLTYPE Quitter(IDispatch** ioApplication, LONG* ioHandleLogiciel) override {
        if (!ioApplication || !ioHandleLogiciel) return E_POINTER;
        return appel(u"Quitter", [&](std::u16string& r) {
            ParametresWord word(ioApplication, ioHandleLogiciel, serveur_.cache());
            if (trace_) {
                word.application() = trace_->trace(word.application());
                trace_->debut(u"Quitter(" + parametresWord(word) + u")");
            }
            module_.Quitter(word.application(), word.handle());
            r = parametresWord(word);
        });
    }
    HRESULT STDMETHODCALLTYPE TestePoint() override {
        return appel(u"TestePoint", [&](std::u16string&) { module_.TestePoint(); });
    }

private:
    static std::unique_ptr<TraceSupport> traceDemandee(platform::ServeurWord& serveur) {
        std::wstring fichier = TraceSupport::fichierDemande();
        if (fichier.empty()) return nullptr;
        return std::make_unique<TraceSupport>(std::move(fichier), serveur);
    }

    // The by-reference pair as the trace shows it.
    static std::u16string parametresWord(ParametresWord& word) {
        const ObjetPtr& application = word.application();
        std::u16string chemin = application ? cheminDe(Variant(application)) : u"Nothing";
        if (chemin.empty()) chemin = u"[objet]";
        return chemin + u", " + representation(Variant(word.handle()));
    }

    // One host call: corps gives the result's text for the trace. Traced, the
    // call's block is written before it returns, whatever its outcome; the
    // calls taking Word's parameters start the block themselves, once their
    // arguments are read.
    template <class F>
    HRESULT appel(const char16_t* membre, F&& corps) {
        std::u16string resultat;
        if (!trace_) return protege(IID_AbstractModule, [&] { corps(resultat); });
        trace_->debut(membre);
        std::optional<Erreur> erreur;
        const HRESULT hr = protege(IID_AbstractModule, [&] {
            try {
                corps(resultat);
            } catch (const Erreur& e) {
                erreur = e;
                throw;
            }
        });
        trace_->ecrit(resultat, hr, erreur ? &*erreur : nullptr);
        return hr;
    }

    platform::win32::Fenetres32 fenetres_;
    platform::win32::Clavier32 clavier_;
    ServeurCom serveur_;
    platform::win32::SystemeFichiers32 fichiers_;
    std::unique_ptr<TraceSupport> trace_;  // the support trace, when asked for
    Module module_;
    std::shared_ptr<k58204::ComplementInfo> complement_;
    Ptr<::ComplementInfo> complementCom_;
};

}  // namespace

Ptr<::AbstractModule> creeModuleCom() { return Ptr<::AbstractModule>::adopte(new ModuleCom()); }

}  // namespace k58204::com
