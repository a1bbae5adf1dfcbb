#pragma once
// One running simulated Word 2003: its documents and windows, its settings
// (options, command bars, add-ins), its main window on the simulated desktop
// and the faults a test or a lesson script injects into it.
//
// Every automation object of the instance holds it and asks it, before each
// call, whether Word answers (Garde): a gone instance raises 462, a busy one
// rejects the call (RPC_E_CALL_REJECTED). Word is busy while a modal dialog
// box owned by its main window is open, during the n calls given to occupe(n),
// and after occupeJusquEchap() until Escape reaches its main window.
//
// Choices where Word's behaviour is not documented (kept consistent here):
// - Documents(1) is the first document opened or created; new ones are added
//   at the end of the collection. Windows are in the same order.
// - An instance started by CreateObject registers itself in the running-object
//   table at once (so that the component finds again the Word it started);
//   GetObject finds the first registered instance that still runs.
// - A learner who starts Word gets a visible instance with "Document1" open
//   (demarreWord in Poste); CreateObject gives a hidden one without document.
// - Prompts to save (Close or Quit with wdPromptToSaveChanges, Save of a
//   document never saved) are answered by reponseInvite(): "do not save" by
//   default; "cancel" raises 4198; "save" saves documents that have a folder
//   and saves never-saved ones as Name + ".doc" (".dot" for a template) in the
//   documents folder (Options.DefaultFilePath(0)).
// - WM_CLOSE on the main window quits the instance as a learner would,
//   answering prompts with reponseInvite().
// - Opening a document that has a password to open without PasswordDocument
//   asks for it: the prompt is answered with reponseMotDePasse(), and with no
//   answer set it is cancelled (4198). A wrong password, given or typed,
//   raises 5408. The password to open is kept apart from the protection's.
// - A document's windows share one view state (the document's EtatFenetre);
//   each window has its own number and caption.
// - Word holds the file of each open document (DetenteurFichiers): while the
//   document is open nobody else can delete, rename or overwrite it. Closing
//   the document, or the instance's end (quit, or its process gone), lets it go.
//   A Word that stops answering keeps holding its files.
#include <chrono>
#include <map>
#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/SystemeFichiers.hpp"
#include "sim/fichiers/FichiersWord.hpp"
#include "sim/bureau/Bureau.hpp"
#include "sim/core/DocumentOuvert.hpp"
#include "sim/core/ObjetSim.hpp"
#include "sim/word/BarresOutils.hpp"

namespace k58204::sim {

// The window class of Word's main window and of Word 2003's dialog boxes.
inline constexpr char16_t ClasseFenetreWord[] = u"OpusApp";
inline constexpr char16_t ClasseDialogueWord[] = u"bosa_sdm_Microsoft Office Word 11.0";
inline constexpr char16_t ClasseBulle[] = u"MSOBALLOON";
inline constexpr char16_t TitreWord[] = u"Microsoft Word";

// Where Word's profile folders are (French Windows XP layout).
struct ProfilWord {
    std::u16string utilisateur = u"Stagiaire";
    std::u16string dossierDocuments() const;  // C:\Documents and Settings\<user>\Mes documents
    std::u16string dossierModeles() const;    // ...\Application Data\Microsoft\Modèles
};

enum class ReponseInvite { NePasEnregistrer, Enregistrer, Annuler };

// A window of a document (Application.Windows).
struct FenetreWord {
    uint64_t id = 0;
    DocumentPtr doc;
    std::optional<std::u16string> legende;  // a Caption set through automation
};

struct ComplementWord {
    std::u16string nom;        // AddIn.Name: the file name
    std::u16string dossier;    // AddIn.Path
    bool installe = true;
    uint64_t id = 0;
};

// The dialog boxes opened by ouvreDialogue.
struct DialoguesOuverts {
    Hwnd dialogue = 0;
    Hwnd sousDialogue = 0;  // 0 when none was asked for
};

class InstanceWord : public ContexteWord,
                     public Garde,
                     public ObjetActif,
                     public DetenteurFichiers,
                     public std::enable_shared_from_this<InstanceWord> {
public:
    // A new instance with its main window (hidden unless `visible`), no
    // document; it holds the files of the documents it opens in `fichiers`.
    static std::shared_ptr<InstanceWord> cree(std::shared_ptr<Bureau> bureau,
                                              std::shared_ptr<FichiersWord> fichiers,
                                              ProfilWord profil, bool visible);
    ~InstanceWord() override;

    // ------------------------------------------------------------ ContexteWord
    ObjetPtr application() override;
    ObjetPtr objetDocument(const DocumentPtr& doc) override;
    std::shared_ptr<Garde> garde() override;
    Fragment& pressePapiers() override { return pressePapiers_; }
    bool pressePapiersPlein() const override { return pressePapiersPlein_; }
    void remplitPressePapiers(Fragment f) override;

    // ------------------------------------------------------------ Garde / ObjetActif
    void avantAppel() override;
    bool actif() const override { return !partie_; }
    ObjetPtr objetActif() override { return application(); }

    // ------------------------------------------------------------ DetenteurFichiers
    // The full names of the open documents that have a file; none once gone.
    std::vector<std::u16string> fichiersTenus() const override;

    // ------------------------------------------------------------ fault injection
    // The next n automation calls are rejected.
    void occupe(int32_t appels);
    // Every call is rejected until Escape reaches the main window (an open menu).
    void occupeJusquEchap();
    bool occupe() const;
    // The process is gone: its windows vanish, it leaves the running-object
    // table, and every call through an object already held fails with 462.
    void disparait();
    // The learner closes Word from its window: documents closed without
    // saving, then as disparait().
    void fermeParApprenant();
    void cacheFenetre();
    void minimiseFenetre();
    // A modal dialog box (Word's dialog class, WS_EX_DLGMODALFRAME) owned by
    // the main window, optionally with a second one owned by the first.
    DialoguesOuverts ouvreDialogue(std::u16string titre = u"Police",
                                   std::optional<std::u16string> sousDialogue = std::nullopt);
    // The Office assistant's balloon ("MSOBALLOON", one child button), owned
    // by the main window, not modal.
    Hwnd ouvreBulle();
    // The main window ignores WM_CLOSE.
    void refuseFermeture(bool refuse = true);
    void reponseInvite(ReponseInvite r) { reponseInvite_ = r; }
    // What the learner types when Word asks for a password to open; nullopt cancels.
    void reponseMotDePasse(std::optional<std::u16string> m) { reponseMotDePasse_ = std::move(m); }
    ReponseInvite reponseInvite() const { return reponseInvite_; }

    // ------------------------------------------------------------ observation
    bool partie() const { return partie_; }
    Hwnd fenetrePrincipale() const { return fenetre_; }
    // Automation calls that reached Word (rejected ones and calls to a gone instance not counted).
    int64_t nombreAppels() const { return appels_; }
    // The main window's title by Word's rule.
    std::u16string titreFenetre() const;

    // ------------------------------------------------------------ state used by the automation objects
    Bureau& bureau() { return *bureau_; }
    platform::SystemeFichiers& fichiers() { return *fichiers_; }
    const ProfilWord& profil() const { return profil_; }
    const std::vector<DocumentPtr>& documents() const { return documents_; }
    const std::vector<FenetreWord>& fenetres() const { return fenetresWord_; }
    // The active window and document; nullptr with no document.
    const FenetreWord* fenetreActive() const;
    DocumentPtr documentActif() const;
    // The same, raising 4248 when no document is open.
    DocumentPtr documentActifRequis() const;
    const FenetreWord* fenetre(uint64_t id) const;
    std::vector<const FenetreWord*> fenetresDe(const DocumentOuvert* doc) const;
    // Window.Caption: "Name", "Name:2" with several windows, " (Lecture seule)" added.
    std::u16string legende(const FenetreWord& f, bool masqueExtension = false) const;
    bool lectureSeule(const DocumentOuvert* doc) const { return lecturesSeules_.count(doc) != 0; }

    // Documents.Add: a new document (or template) from Normal or from a template file.
    DocumentPtr ajouteDocument(const std::optional<std::u16string>& modele, bool nouveauModele);
    // Documents.Open; a read-only file, or lectureSeule, opens the document
    // read-only. `motDePasse` is PasswordDocument (else the prompt's answer).
    DocumentPtr ouvreDocument(const std::u16string& fichier, bool lectureSeule = false,
                              const std::optional<std::u16string>& motDePasse = std::nullopt);
    // Document.Close; SaveChanges 0, -1 or -2 (prompt).
    void fermeDocument(const DocumentPtr& doc, int32_t enregistrer);
    // Documents.Close / Quit: every document, in collection order.
    void fermeTout(int32_t enregistrer);
    void enregistre(const DocumentPtr& doc);
    // SaveAs; `motDePasse` sets (or, when empty, removes) the password to open.
    void enregistreSous(const DocumentPtr& doc, const std::u16string& fichier, std::optional<int32_t> format,
                        const std::optional<std::u16string>& motDePasse = std::nullopt);
    void active(const DocumentPtr& doc);
    void activeFenetre(uint64_t id);
    uint64_t nouvelleFenetre(const DocumentPtr& doc);
    void fermeFenetre(uint64_t id, int32_t enregistrer);
    // Application.Quit.
    void quitte(int32_t enregistrer);

    // Print preview of the active window.
    bool apercu() const;
    void apercu(bool actif);
    void changeTypeVue(DocumentOuvert& doc, int32_t type);

    // ChangeFileOpenDirectory / DefaultFilePath(14), without final backslash.
    const std::u16string& dossierCourant() const { return dossierCourant_; }
    void changeDossierCourant(const std::u16string& dossier);
    // A file name as Word resolves it: relative names against dossierCourant().
    std::u16string cheminComplet(const std::u16string& fichier) const;

    // Settings.
    BarresOutils& barres() { return barres_; }
    std::vector<ComplementWord>& complements() { return complements_; }
    uint64_t nouvelIdComplement() { return ++dernierId_; }
    int32_t uniteMesure = 1;               // Options.MeasurementUnit: centimetres
    std::u16string dossierDocuments;       // Options.DefaultFilePath(0)
    std::u16string dossierModeles;         // Options.DefaultFilePath(2)
    std::map<int32_t, std::u16string> autresDossiers;  // other DefaultFilePath entries
    bool barreEtat = true;                 // DisplayStatusBar
    bool fenetresDansBarreTaches = true;   // ShowWindowsInTaskbar
    bool fichiersRecents = true;           // DisplayRecentFiles
    bool infobulles = true;                // DisplayScreenTips
    bool barresDefilement = true;          // DisplayScrollBars
    bool miseAJourEcran = true;            // ScreenUpdating
    // Other Boolean options (Options.CheckSpellingAsYouType...), by lower-cased name.
    std::map<std::u16string, bool> optionsBooleennes;
    int32_t largeurBordureParDefaut = 4;   // Options.DefaultBorderLineWidth: wdLineWidth050pt
    // Window.Caption set by automation (Word keeps it until the document is renamed).
    void changeLegende(uint64_t id, std::u16string legende);

private:
    InstanceWord(std::shared_ptr<Bureau> bureau, std::shared_ptr<FichiersWord> fichiers, ProfilWord profil);
    void ouvreFenetrePrincipale(bool visible);
    void retireDocument(const DocumentPtr& doc);
    void ecrit(const DocumentPtr& doc, const std::u16string& chemin);
    // What the prompt to save gives for one document: true to go on.
    void invite(const DocumentPtr& doc);
    void termine();
    void fermeParFenetre();
    void montreBarreApercu();

    std::shared_ptr<Bureau> bureau_;
    std::shared_ptr<FichiersWord> fichiers_;
    ProfilWord profil_;
    Hwnd fenetre_ = 0;
    bool partie_ = false;
    int32_t appelsRejetes_ = 0;
    bool occupeJusquEchap_ = false;
    int64_t appels_ = 0;
    ReponseInvite reponseInvite_ = ReponseInvite::NePasEnregistrer;
    std::optional<std::u16string> reponseMotDePasse_;

    std::vector<DocumentPtr> documents_;
    std::vector<FenetreWord> fenetresWord_;
    std::vector<uint64_t> activations_;   // window ids, the most recently active last
    std::set<const DocumentOuvert*> lecturesSeules_;
    int32_t numeroDocument_ = 0;
    int32_t numeroModele_ = 0;
    uint64_t dernierId_ = 0;
    std::u16string dossierCourant_;

    BarresOutils barres_;
    std::vector<ComplementWord> complements_;
    std::weak_ptr<Objet> application_;
    Fragment pressePapiers_;
    bool pressePapiersPlein_ = false;
};

}  // namespace k58204::sim
