// Bookmarks of the document model.
#include <algorithm>

#include "sim/doc/ModeleDocument.hpp"

namespace k58204::sim {

bool ModeleDocument::ajouterSignet(std::u16string_view nom, int32_t debut, int32_t fin) {
    if (!nomSignetAcceptable(nom)) return false;
    auto [a, b] = borne(debut, fin);
    Signet s{std::u16string(nom), {a, b}};
    auto it = std::find_if(signets_.begin(), signets_.end(), [&](const Signet& x) { return memeNomSignet(x.nom, nom); });
    if (it != signets_.end()) *it = std::move(s);
    else signets_.push_back(std::move(s));
    ++version_;
    return true;
}

bool ModeleDocument::supprimerSignet(std::u16string_view nom) {
    auto it = std::find_if(signets_.begin(), signets_.end(), [&](const Signet& x) { return memeNomSignet(x.nom, nom); });
    if (it == signets_.end()) return false;
    signets_.erase(it);
    ++version_;
    return true;
}

bool ModeleDocument::signetExiste(std::u16string_view nom) const {
    return std::any_of(signets_.begin(), signets_.end(), [&](const Signet& x) { return memeNomSignet(x.nom, nom); });
}

std::optional<Signet> ModeleDocument::signet(std::u16string_view nom) const {
    auto it = std::find_if(signets_.begin(), signets_.end(), [&](const Signet& x) { return memeNomSignet(x.nom, nom); });
    if (it == signets_.end()) return std::nullopt;
    return *it;
}

std::vector<Signet> ModeleDocument::signets() const {
    std::vector<Signet> tous = signets_;
    std::sort(tous.begin(), tous.end(), [](const Signet& x, const Signet& y) { return avantNomSignet(x.nom, y.nom); });
    return tous;
}

}  // namespace k58204::sim
