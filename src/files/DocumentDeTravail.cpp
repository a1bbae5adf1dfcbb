#include "files/DocumentDeTravail.hpp"

#include <algorithm>

#include "word/Texte.hpp"

namespace k58204 {

namespace {

// A path as Windows compares it: without regard to case, either slash, a
// doubled separator (a folder given with its final backslash, then joined)
// counting once. A leading double backslash (a network share) is kept.
std::u16string cleChemin(const std::u16string& chemin) {
    std::u16string cle;
    for (char16_t c : LCase(chemin)) {
        if (c == u'/') c = u'\\';
        if (c == u'\\' && cle.size() > 1 && cle.back() == u'\\') continue;
        cle.push_back(c);
    }
    return cle;
}

std::u16string nomDuFichier(const std::u16string& chemin) {
    const size_t barre = chemin.find_last_of(u"\\/");
    return LCase(barre == std::u16string::npos ? chemin : chemin.substr(barre + 1));
}

// The open document that is the file `chemin`, skipping the ones `ecarte` refuses.
template <typename Ecarte>
std::optional<word::Document> chercheFichier(const word::Application& application, const std::u16string& chemin,
                                             Ecarte ecarte) {
    if (chemin.empty()) return std::nullopt;
    word::Documents documents = application.Documents();
    const std::u16string cible = cleChemin(chemin);
    for (int32_t i = documents.Count(); i >= 1; --i) {
        word::Document d = documents.Item(i);
        if (!ecarte(d) && cleChemin(d.FullName()) == cible) return d;
    }
    return std::nullopt;
}

}  // namespace

std::optional<word::Document> DocumentDuFichier(const word::Application& application, const std::u16string& chemin) {
    return chercheFichier(application, chemin, [](const word::Document&) { return false; });
}

DocumentDeTravail::DocumentDeTravail(std::u16string chemin) : chemin_(std::move(chemin)) {}

void DocumentDeTravail::Fichier(std::u16string chemin) {
    chemin_ = std::move(chemin);
    suivi_.reset();
}

void DocumentDeTravail::NoteOuverts(const word::Application& application) {
    ouverts_.clear();
    word::Documents documents = application.Documents();
    const int32_t n = documents.Count();
    for (int32_t i = 1; i <= n; ++i) ouverts_.push_back(documents.Item(i).objet());
}

bool DocumentDeTravail::EtaitOuvert(const word::Document& document) const {
    return std::any_of(ouverts_.begin(), ouverts_.end(),
                       [&](const ObjetPtr& o) { return estLeMeme(o, document.objet()); });
}

std::optional<word::Document> DocumentDeTravail::Trouve(const word::Application& application) {
    auto ecarte = [this](const word::Document& d) { return EtaitOuvert(d); };
    if (std::optional<word::Document> d = chercheFichier(application, chemin_, ecarte)) {
        suivi_ = d->objet();
        return d;
    }
    // Not in its file any more: the document followed, if still open and
    // still bearing the working file's name (saved into another folder).
    // Saved under another name, it is a document of the learner's.
    if (!suivi_) return std::nullopt;
    word::Documents documents = application.Documents();
    for (int32_t i = documents.Count(); i >= 1; --i) {
        word::Document d = documents.Item(i);
        if (estLeMeme(d.objet(), suivi_)) {
            if (LCase(d.Name()) == nomDuFichier(chemin_)) return d;
            break;
        }
    }
    return std::nullopt;
}

bool DocumentDeTravail::Est(const word::Application& application, const word::Document& document) {
    std::optional<word::Document> d = Trouve(application);
    return d && estLeMeme(d->objet(), document.objet());
}

}  // namespace k58204
