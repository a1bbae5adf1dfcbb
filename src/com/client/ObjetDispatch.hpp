#pragma once
// The automation seam over IDispatch: a member named at the seam becomes
// GetIDsOfNames (once per interface type, see CacheDispids) and Invoke, with
// the arguments as VB passes them (reversed, named ones first, the value of a
// property put named DISPID_PROPERTYPUT), and a failure becomes an Erreur.
#include <memory>

#include "com/client/CacheDispids.hpp"
#include "com/commun/Possession.hpp"
#include "word/Objet.hpp"

namespace k58204::com {

class ObjetDispatch final : public Objet {
public:
    // `type`: d's type when the caller knows it (the result of a member of a
    // type declaring server-wide ids); else it is learnt when first needed.
    ObjetDispatch(Ptr<IDispatch> d, std::shared_ptr<CacheDispids> cache, TypeDispatch* type = nullptr);
    ~ObjetDispatch() override;
    ObjetDispatch(const ObjetDispatch&) = delete;
    ObjetDispatch& operator=(const ObjetDispatch&) = delete;

    Variant invoke(std::u16string_view membre, Appel appel, const Arguments& args) override;
    // COM identity: the object's IUnknown, held so that it stays unique.
    const void* identite() const override { return inconnu_.get(); }

    IDispatch* dispatch() const { return d_.get(); }

private:
    const Dispids& dispids(std::u16string_view membre, const Arguments& args);
    void prendType(TypeDispatch* type);

    Ptr<IDispatch> d_;
    Ptr<IUnknown> inconnu_;
    std::shared_ptr<CacheDispids> cache_;
    TypeDispatch* type_ = nullptr;  // the type's ids, or propres_
    bool inscrit_ = false;          // among the cache's live objects
    TypeDispatch propres_;
};

}  // namespace k58204::com
