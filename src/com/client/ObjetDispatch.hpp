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
    // `declare`: the type the member that returned d declares (d is of that
    // type or of one derived from it); without it, d's type is asked of d
    // when first needed, unless a live object of the same identity has it.
    ObjetDispatch(Ptr<IDispatch> d, std::shared_ptr<CacheDispids> cache, TypeDispatch* declare = nullptr);
    ~ObjetDispatch() override;
    ObjetDispatch(const ObjetDispatch&) = delete;
    ObjetDispatch& operator=(const ObjetDispatch&) = delete;

    Variant invoke(std::u16string_view membre, Appel appel, const Arguments& args) override;
    // COM identity: the object's IUnknown, held so that it stays unique.
    const void* identite() const override { return inconnu_.get(); }

    IDispatch* dispatch() const { return d_.get(); }

private:
    // The ids of an access, and what d's type declares of it (null when d's
    // type is not known).
    const Dispids& dispids(std::u16string_view membre, Appel appel, const Arguments& args, const Declaration*& declaration);

    Ptr<IDispatch> d_;
    Ptr<IUnknown> inconnu_;
    std::shared_ptr<CacheDispids> cache_;
    TypeDispatch* type_ = nullptr;  // d's type, or propres_
    bool confirme_ = false;         // type_ is the one d gave (not only declared)
    bool inscrit_ = false;          // among the cache's live objects
    TypeDispatch propres_;          // the ids d gave for names its declared type lacks
};

}  // namespace k58204::com
