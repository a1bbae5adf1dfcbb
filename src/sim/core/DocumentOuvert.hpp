#pragma once
// A document open in a simulated Word instance: its content model and the
// state Word keeps beside it (name, folder, saved state, the selection and
// view of its window). The application side (Documents, Document, Window,
// View) and the text side (Range, Selection, Paragraphs, Bookmarks...) are
// both views onto it.
#include <cstdint>
#include <limits>
#include <memory>
#include <string>

#include "sim/core/ObjetSim.hpp"
#include "sim/doc/Etendue.hpp"
#include "sim/doc/Fragment.hpp"
#include "sim/doc/ModeleDocument.hpp"

namespace k58204::sim {

struct DocumentOuvert;

// What the text-side objects need from the application they live in.
class ContexteWord {
public:
    virtual ~ContexteWord() = default;
    // Word's Application object (Range.Application, Document.Application).
    virtual ObjetPtr application() = 0;
    // The Document object of an open document (Selection.Document, Range.Document).
    virtual ObjetPtr objetDocument(const std::shared_ptr<DocumentOuvert>& doc) = 0;
    // The guard every object of the instance calls before answering.
    virtual std::shared_ptr<Garde> garde() = 0;
    // The clipboard, shared by every document of the instance.
    virtual Fragment& pressePapiers() = 0;
    virtual bool pressePapiersPlein() const = 0;
    virtual void remplitPressePapiers(Fragment f) = 0;
};

// The view settings of a document's window.
struct EtatFenetre {
    bool afficheTout = false;          // View.ShowAll
    bool afficheCodesChamps = false;   // View.ShowFieldCodes
    int32_t typeVue = 3;               // View.Type: 1 normal, 3 print layout, 4 print preview ...
    int32_t typeVueAvantApercu = 3;    // the view print preview returns to
    int32_t etat = 1;                  // Window.WindowState: 0 normal, 1 maximised, 2 minimised
    bool barreDefilementVerticale = true;
    bool infobulles = true;            // Window.DisplayScreenTips
    float largeurZoneStyle = 0;        // Window.StyleAreaWidth
};

struct DocumentOuvert {
    ModeleDocument modele;
    std::u16string nom;       // Name: "Document1" for a new one, else the file name
    std::u16string dossier;   // Path, without final backslash; "" while never saved
    // modele.version() when the document was last opened or saved: Saved is
    // true while the model has not changed since.
    uint64_t versionEnregistree = 0;
    Etendue selection{0, 0};  // the selection in the document's window
    bool selectionVersDebut = false;  // the active end is the start (extending leftwards)
    EtatFenetre fenetre;
    bool marquesOrthographe = true;   // ShowSpellingErrors
    bool marquesGrammaire = true;     // ShowGrammaticalErrors
    int32_t typeFusion = -1;          // MailMerge.MainDocumentType: -1 not a merge document
    bool ouvert = true;               // false once closed: its objects then raise 5825
    ContexteWord* contexte = nullptr;

    bool saved() const { return modele.version() == versionEnregistree; }
    void marqueEnregistre() { versionEnregistree = modele.version(); }
    void marqueModifie() { versionEnregistree = std::numeric_limits<uint64_t>::max(); }
    std::u16string nomComplet() const { return dossier.empty() ? nom : dossier + u"\\" + nom; }
};

using DocumentPtr = std::shared_ptr<DocumentOuvert>;

// Text-side objects, built by the text part of the simulator. Each keeps the
// document alive and raises 5825 once the document is closed. Ranges are
// fixed spans taken when the object is made (not adjusted by later edits),
// except those reached through a bookmark, which follow it.
ObjetPtr creeRange(const DocumentPtr& doc, Etendue e);
ObjetPtr creeSelection(const DocumentPtr& doc);
ObjetPtr creeParagraphs(const DocumentPtr& doc, Etendue e);
ObjetPtr creeCharacters(const DocumentPtr& doc, Etendue e);
ObjetPtr creeWords(const DocumentPtr& doc, Etendue e);
ObjetPtr creeBookmarks(const DocumentPtr& doc);
ObjetPtr creeFormFields(const DocumentPtr& doc);
ObjetPtr creeSections(const DocumentPtr& doc);
// The page setup of section i (0-based), or of the whole document when i < 0.
ObjetPtr creePageSetup(const DocumentPtr& doc, int32_t section);

}  // namespace k58204::sim
