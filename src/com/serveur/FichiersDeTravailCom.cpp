#include "com/serveur/FichiersDeTravailCom.hpp"

#include "com/client/Conversions.hpp"
#include "com/commun/Erreurs.hpp"
#include "com/serveur/Identifiants.hpp"
#include "com/serveur/ObjetServeur.hpp"
#include "k58204.h"

namespace k58204::com {

namespace {

class FichiersDeTravailCom final : public ObjetServeur<::_FichiersDeTravail> {
public:
    explicit FichiersDeTravailCom(std::shared_ptr<k58204::FichiersDeTravail> fichiers)
        : ObjetServeur(IID__FichiersDeTravail, {}), fichiers_(std::move(fichiers)) {}

    HRESULT STDMETHODCALLTYPE add(BSTR siNomSource, BSTR siNomDest, VARIANT_BOOL biModele) override {
        return protege(IID__FichiersDeTravail,
                       [&] { fichiers_->add(texte(siNomSource), texte(siNomDest), biModele != VARIANT_FALSE); });
    }
    HRESULT STDMETHODCALLTYPE count(LONG* plNombre) override {
        if (!plNombre) return E_POINTER;
        return protege(IID__FichiersDeTravail, [&] { *plNombre = fichiers_->count(); });
    }
    HRESULT STDMETHODCALLTYPE get_Item(LONG noItem, ::Fichier* poFichier) override {
        if (!poFichier) return E_POINTER;
        *poFichier = {};
        return protege(IID__FichiersDeTravail, [&] {
            const k58204::Fichier f = fichiers_->Item(noItem);
            Bstr source = bstr(f.NomSource), destination = bstr(f.NomDest);
            poFichier->NomSource = source.detache();
            poFichier->NomDest = destination.detache();
            poFichier->Modele = f.Modele ? VARIANT_TRUE : VARIANT_FALSE;
        });
    }

private:
    std::shared_ptr<k58204::FichiersDeTravail> fichiers_;
};

}  // namespace

Ptr<IDispatch> creeFichiersDeTravailCom(std::shared_ptr<k58204::FichiersDeTravail> fichiers) {
    return Ptr<IDispatch>::adopte(new FichiersDeTravailCom(std::move(fichiers)));
}

}  // namespace k58204::com
