#include "sim/doc/ConstructeurDocument.hpp"

#include <algorithm>
#include <utility>

namespace k58204::sim {

ConstructeurDocument::ConstructeurDocument() {
    doc_.runs_.clear();
    doc_.paragraphes_.clear();
    doc_.pages_.clear();
}

void ConstructeurDocument::ajouterRun(const FormatCaractere& format) {
    int32_t f = doc_.interneCaractere(format);
    if (!doc_.runs_.empty()) {
        auto& dernier = doc_.runs_.back();
        if (dernier.format == f) return;
        if (dernier.debut == position()) {  // an empty run: replace it
            dernier.format = f;
            if (doc_.runs_.size() > 1 && doc_.runs_[doc_.runs_.size() - 2].format == f) doc_.runs_.pop_back();
            return;
        }
    }
    doc_.runs_.push_back({position(), f});
}

void ConstructeurDocument::ajouterTexte(std::u16string_view texte, const FormatCaractere& format) {
    // The form-field character stands only for a form field (ajouterCase):
    // written as text, it is dropped.
    if (texte.find_first_not_of(CaractereChamp) == std::u16string_view::npos) return;
    ajouterRun(format);
    // A line feed or carriage return written inside w:t is white space, not a
    // paragraph mark.
    for (char16_t c : texte)
        if (c != CaractereChamp) texte_ += (c == MarqueParagraphe || c == u'\n') ? u' ' : c;
}

void ConstructeurDocument::ajouterCase(CaseACocher c, const FormatCaractere& format) {
    c.position = position();
    ajouterRun(format);
    texte_ += CaractereChamp;
    doc_.cases_.push_back(std::move(c));
}

void ConstructeurDocument::finirParagraphe(const FormatParagraphe& format, const FormatCaractere& marque,
                                           std::optional<MiseEnPage> section) {
    ajouterRun(marque);
    texte_ += MarqueParagraphe;
    int32_t s = -1;
    if (section) {
        doc_.pages_.push_back(*section);
        s = static_cast<int32_t>(doc_.pages_.size() - 1);
    }
    doc_.paragraphes_.push_back({position(), doc_.interneParagraphe(format), s});
}

void ConstructeurDocument::ajouterSignet(std::u16string_view nom, int32_t debut, int32_t fin) {
    if (!nomSignetAcceptable(nom) || debut < 0 || fin < debut) return;
    auto [it, nouveau] = indexSignets_.try_emplace(cleNomSignet(nom), doc_.signets_.size());
    if (nouveau) doc_.signets_.push_back({std::u16string(nom), {debut, fin}});
    else doc_.signets_[it->second] = {std::u16string(nom), {debut, fin}};
}

ModeleDocument ConstructeurDocument::construire(const MiseEnPage& derniere) {
    // The last section needs a paragraph of its own when the last paragraph
    // read already ends an earlier section.
    if (texte_.empty() || texte_.back() != MarqueParagraphe || doc_.paragraphes_.empty() ||
        doc_.paragraphes_.back().section >= 0)
        finirParagraphe(FormatParagraphe{}, FormatCaractere{}, std::nullopt);
    doc_.pages_.push_back(derniere);
    doc_.paragraphes_.back().section = static_cast<int32_t>(doc_.pages_.size() - 1);
    const auto n = static_cast<int32_t>(texte_.size());
    for (auto& s : doc_.signets_) {
        s.etendue.debut = std::min(s.etendue.debut, n);
        s.etendue.fin = std::min(s.etendue.fin, n);
    }
    doc_.texte_ = std::move(texte_);
    doc_.fusionneRuns();
    doc_.version_ = 0;
    doc_.proprietesVues_ = doc_.proprietes_;
    ModeleDocument d = std::move(doc_);
    doc_ = ModeleDocument{};
    texte_.clear();
    indexSignets_.clear();
    return d;
}

}  // namespace k58204::sim
