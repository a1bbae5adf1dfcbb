#pragma once
// Which open Word document is an exercise's working document. It is the open
// document whose file is the working file, whoever opened it (the start or
// the learner, again after closing it). Saved by the learner into another
// folder under the same name, it is still that document. A document already
// open when the exercise started is the learner's own, whatever its name or
// folder, and never the working document.
#include <optional>
#include <string>
#include <vector>

#include "word/Modele.hpp"

namespace k58204 {

// The open document that is the file `chemin` (its full path as Windows
// compares it: case aside, either slash, a doubled separator counting once;
// the one with the highest index), or none.
std::optional<word::Document> DocumentDuFichier(const word::Application& application, const std::u16string& chemin);

class DocumentDeTravail {
public:
    // No working file: no open document is the working document.
    DocumentDeTravail() = default;
    // `chemin`: the working file, folder + name.
    explicit DocumentDeTravail(std::u16string chemin);
    // Names the working file (empty: none); the documents noted stay noted.
    void Fichier(std::u16string chemin);

    // The documents open now, before the exercise opens any, are the
    // learner's: none of them will ever be the working document.
    void NoteOuverts(const word::Application& application);
    // True when `document` was open when NoteOuverts ran.
    bool EtaitOuvert(const word::Document& document) const;

    // The open working document, or none. The document found is followed, so
    // that it is found again once saved into another folder under its name.
    std::optional<word::Document> Trouve(const word::Application& application);
    // True when `document` is the open working document.
    bool Est(const word::Application& application, const word::Document& document);

private:
    std::u16string chemin_;
    std::vector<ObjetPtr> ouverts_;
    ObjetPtr suivi_;
};

}  // namespace k58204
