#include "com/serveur/ComplementInfoCom.hpp"

#include "com/client/Conversions.hpp"
#include "com/commun/Erreurs.hpp"
#include "com/serveur/Identifiants.hpp"
#include "com/serveur/ObjetServeur.hpp"

namespace k58204::com {

namespace {

class ComplementInfoCom final : public ObjetServeur<::ComplementInfo> {
public:
    explicit ComplementInfoCom(std::shared_ptr<k58204::ComplementInfo> textes)
        : ObjetServeur(IID_ComplementInfo, {IID__ComplementInfo}), textes_(std::move(textes)) {}

    HRESULT STDMETHODCALLTYPE add(BSTR siTexte, LONG liReserve) override {
        return protege(IID_ComplementInfo, [&] { textes_->add(texte(siTexte), liReserve); });
    }
    HRESULT STDMETHODCALLTYPE count(LONG* plNombre) override {
        if (!plNombre) return E_POINTER;
        return protege(IID_ComplementInfo, [&] { *plNombre = textes_->count(); });
    }
    HRESULT STDMETHODCALLTYPE item(LONG noItem, BSTR* psTexte) override {
        if (!psTexte) return E_POINTER;
        *psTexte = nullptr;
        return protege(IID_ComplementInfo, [&] { *psTexte = bstr(textes_->item(noItem)).detache(); });
    }

private:
    std::shared_ptr<k58204::ComplementInfo> textes_;
};

}  // namespace

Ptr<::ComplementInfo> creeComplementInfoCom(std::shared_ptr<k58204::ComplementInfo> textes) {
    return Ptr<::ComplementInfo>::adopte(new ComplementInfoCom(std::move(textes)));
}

}  // namespace k58204::com
