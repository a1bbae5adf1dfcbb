// Question0119: the learner moves the passage marked "s01" (a whole paragraph)
// so that it follows the text marked "s02" and begins the text marked "s03",
// by cutting and pasting: "Le nouveau monde", which the passage holds, must
// still occur only once in "e01". The best outcome is "C" with BravoNuance.
//
// Word is reached by member name throughout, Prepare included.
#include <limits>

#include "exercises/Questions.hpp"
#include "word/Texte.hpp"

namespace k58204 {
namespace {

constexpr char16_t NomDocument[] = u"Voyage à CANGO.doc";
constexpr char16_t Passage[] = u"Le nouveau monde";

// n + 1 on a 32-bit counter, with VB's overflow error.
int32_t suivant(int32_t n) {
    if (n == std::numeric_limits<int32_t>::max()) leveErreurExecution(err::Depassement);
    return n + 1;
}

class Question0119 final : public Question {
public:
    explicit Question0119(platform::SystemeFichiers& fichiers) : Question(u"Question0119", fichiers) {
        enregistre(u"05820419.doc", NomDocument, false);
    }

    void Prepare(word::Application& iApplication, const std::u16string& isPathDossier,
                 const std::optional<std::u16string>& isPathModele) override {
        try {
            PrepareDebut(iApplication, isPathDossier, isPathModele);
            application()->get(u"Documents").objet()->call(u"Open", {msPathDossier + NomDocument});
            application()->get(u"Documents", {NomDocument}).objet()->call(u"Activate");
        } catch (const Erreur& e) {
            signale(u"Prepare", e);
        }
    }

private:
    Objet* application() const {
        if (!moApplication.objet()) leveErreurExecution(err::ObjetNonDefini);
        return moApplication.objet().get();
    }
    ObjetPtr documentActif() const { return application()->get(u"ActiveDocument").objet(); }
    // ActiveDocument.Bookmarks(name).Range, evaluated anew.
    ObjetPtr plage(const std::u16string& signet) const {
        return documentActif()->get(u"Bookmarks", {signet}).objet()->get(u"Range").objet();
    }
    // A range's default member: its text.
    static std::u16string texte(const ObjetPtr& plage) { return plage->get(u"").CStr(); }
    static int32_t debut(const ObjetPtr& plage) { return plage->get(u"Start").CLng(); }
    static int32_t fin(const ObjetPtr& plage) { return plage->get(u"End").CLng(); }

    void Verifie() override {
        // The passage's bookmark is gone: it was deleted with the passage
        // ("A") or retyped or copied elsewhere ("E").
        if (!documentActif()->get(u"Bookmarks").objet()->call(u"Exists", {u"s01"}).CBool()) {
            msCauseErreur = InStr(1, texte(plage(u"e01")), Passage) == 0 ? u"A" : u"E";
            return;
        }

        // Copied instead of moved: the text occurs more than once. The
        // search position, counted within the range's text, is compared with
        // the range's End, a position in the document; End is never less
        // than the text's length, so no occurrence is missed.
        int32_t depart = 1;
        int32_t nombre = 0;
        for (;;) {
            const int32_t pos = InStr(depart, texte(plage(u"e01")), Passage);
            depart = suivant(pos);
            if (pos == 0 || depart >= fin(plage(u"e01"))) break;
            nombre = suivant(nombre);
        }
        if (nombre > 1) {
            msCauseErreur = u"E";
            return;
        }

        const ObjetPtr r1 = plage(u"s01");
        const ObjetPtr r2 = plage(u"s02");
        const ObjetPtr r3 = plage(u"s03");

        if (debut(r1) < fin(r2)) {
            msCauseErreur = u"B";
            return;
        }
        // The passage with its paragraph mark must be inside "s03"...
        if (InStr(1, texte(plage(u"s03")), texte(plage(u"s01")) + u"\r") == 0) {
            msCauseErreur = u"D";
            return;
        }
        // ... at its very start.
        const std::u16string passage = texte(r1);
        if (passage == Left(texte(r3), static_cast<int32_t>(passage.size()))) {
            msCauseErreur = u"C";
            mbBravoNuance = true;
        } else {
            msCauseErreur = u"D";
        }
    }
};

}  // namespace

std::unique_ptr<Question> creeQuestion0119(platform::SystemeFichiers& fichiers) {
    return std::make_unique<Question0119>(fichiers);
}

}  // namespace k58204
