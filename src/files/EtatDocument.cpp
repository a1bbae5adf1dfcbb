#include "files/EtatDocument.hpp"

#include <initializer_list>
#include <optional>

#include "word/Erreur.hpp"
#include "word/Texte.hpp"

namespace k58204 {

namespace {

EtatDocument echec(const char16_t* code) { return EtatDocument{false, code}; }

bool existent(const word::Bookmarks& signets, std::initializer_list<const char16_t*> noms) {
    for (const char16_t* nom : noms)
        if (!signets.Exists(nom)) return false;
    return true;
}

bool entre(int32_t n, int32_t a, int32_t b) { return n >= a && n <= b; }

bool parmi(int32_t n, std::initializer_list<int32_t> liste) {
    for (int32_t x : liste)
        if (x == n) return true;
    return false;
}

// The checks specific to each exercise, on the active document, in order.
EtatDocument verifieMarques(int32_t q, const word::Application& app, int32_t mlNbParagraphes) {
    word::Document doc = app.ActiveDocument();
    auto paragraphesIntacts = [&] { return doc.Paragraphs().Count() == mlNbParagraphes; };
    word::Bookmarks signets = doc.Bookmarks();

    if (q == 104) {
        if (!paragraphesIntacts()) return echec(u"B");
        if (!signets.Exists(u"s01")) return echec(u"D");
        if (signets.Item(u"s01").Start() != 33) return echec(u"D");
        if (signets.Item(u"s01").Range().Characters().Count() != 106) return echec(u"D");
    }
    if (parmi(q, {106, 108, 109, 110, 111, 112, 113, 114, 115, 117, 118}) && !paragraphesIntacts()) return echec(u"B");
    if (q == 107) {
        if (!existent(signets, {u"s01", u"s02"})) return echec(u"D");
        signets.Item(u"s01").Select();
        word::Selection selection = doc.Application().Selection();
        if (selection.Words().Count() < 96) {
            selection.HomeKey(word::wd::Line);
            return echec(u"D");
        }
    }
    if (parmi(q, {110, 111, 113, 116, 118}) && !signets.Exists(u"s01")) return echec(u"D");
    if (q == 114 && !existent(signets, {u"s01", u"s02", u"s03", u"s04", u"s05"})) return echec(u"D");
    if (parmi(q, {115, 117}) && !existent(signets, {u"s01", u"s02"})) return echec(u"D");
    if (q == 119 && !existent(signets, {u"s02", u"s03"})) return echec(u"D");
    return {};
}

}  // namespace

EtatDocument VerifieEtatDocument(int32_t q, const word::Application& app, DocumentDeTravail* document,
                                 int32_t mlNbParagraphes) {
    if (parmi(q, {102, 122, 123})) return {};
    word::Documents documents = app.Documents();
    if (documents.Count() > 0 && !document) leveErreurExecution(err::ObjetNonDefini);
    if (q != 101 && !entre(q, 104, 121)) return {};

    // The working document by its identity: a document of the same name from
    // another folder, or one the learner had open before the start, is not it.
    const std::optional<word::Document> travail = document ? document->Trouve(app) : std::nullopt;
    if (!travail) return echec(u"C");
    if (!estLeMeme(app.ActiveDocument().objet(), travail->objet())) return echec(u"A");

    word::Document actif = app.ActiveDocument();
    if (q == 101) {
        if (actif.ProtectionType() != word::wd::AllowOnlyFormFields) return echec(u"D");
        if (actif.FormFields().Count() != 4) return echec(u"D");
    } else if (!actif.Bookmarks().Exists(u"e01")) {
        return echec(u"D");
    }
    return verifieMarques(q, app, mlNbParagraphes);
}

}  // namespace k58204
