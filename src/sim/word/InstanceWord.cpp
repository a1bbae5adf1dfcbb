#include "sim/word/InstanceWord.hpp"

#include <algorithm>

#include "sim/core/ErreursWord.hpp"
#include "sim/word/Chemins.hpp"
#include "sim/word/ObjetsWord.hpp"
#include "word/Texte.hpp"

namespace k58204::sim {

std::u16string ProfilWord::dossierDocuments() const {
    return u"C:\\Documents and Settings\\" + utilisateur + u"\\Mes documents";
}

std::u16string ProfilWord::dossierModeles() const {
    return u"C:\\Documents and Settings\\" + utilisateur + u"\\Application Data\\Microsoft\\Modèles";
}

InstanceWord::InstanceWord(std::shared_ptr<Bureau> bureau, std::shared_ptr<FichiersWord> fichiers,
                           ProfilWord profil)
    : bureau_(std::move(bureau)), fichiers_(std::move(fichiers)), profil_(std::move(profil)) {
    dossierDocuments = profil_.dossierDocuments();
    dossierModeles = profil_.dossierModeles();
    dossierCourant_ = dossierDocuments;
    for (const char16_t* o : {u"checkspellingasyoutype", u"checkgrammarasyoutype", u"replaceselection",
                              u"smartcutpaste", u"autowordselection", u"backgroundsave", u"savenormalprompt"})
        optionsBooleennes[o] = true;
}

InstanceWord::~InstanceWord() = default;

std::shared_ptr<InstanceWord> InstanceWord::cree(std::shared_ptr<Bureau> bureau,
                                                 std::shared_ptr<FichiersWord> fichiers, ProfilWord profil,
                                                 bool visible) {
    std::shared_ptr<InstanceWord> i(new InstanceWord(std::move(bureau), std::move(fichiers), std::move(profil)));
    i->ouvreFenetrePrincipale(visible);
    i->fichiers_->ajouteDetenteur(i);
    return i;
}

std::vector<std::u16string> InstanceWord::fichiersTenus() const {
    std::vector<std::u16string> tenus;
    if (partie_) return tenus;
    for (const DocumentPtr& d : documents_)
        if (!d->dossier.empty()) tenus.push_back(d->nomComplet());
    return tenus;
}

void InstanceWord::ouvreFenetrePrincipale(bool visible) {
    fenetre_ = bureau_->cree({ClasseFenetreWord, TitreWord, 0, 0, visible, 0});
    // Word comes up maximised (the usual classroom set-up).
    bureau_->changeEtat(fenetre_, false, true);
    std::weak_ptr<InstanceWord> moi = weak_from_this();
    bureau_->titreCalcule(fenetre_, [moi] {
        auto i = moi.lock();
        return i ? i->titreFenetre() : std::u16string(TitreWord);
    });
    bureau_->surFermeture(fenetre_, [moi] {
        if (auto i = moi.lock()) i->fermeParFenetre();
    });
    // Escape in the main window with no dialog box open leaves a menu.
    bureau_->surEchap(fenetre_, [moi] {
        if (auto i = moi.lock()) i->occupeJusquEchap_ = false;
    });
    if (visible) bureau_->metAuPremierPlan(fenetre_);
}

// ---------------------------------------------------------------- ContexteWord

ObjetPtr InstanceWord::application() {
    if (auto a = application_.lock()) return a;
    ObjetPtr a = creeApplication(shared_from_this());
    application_ = a;
    return a;
}

ObjetPtr InstanceWord::objetDocument(const DocumentPtr& doc) { return creeDocument(shared_from_this(), doc); }

std::shared_ptr<Garde> InstanceWord::garde() { return shared_from_this(); }

void InstanceWord::remplitPressePapiers(Fragment f) {
    pressePapiers_ = std::move(f);
    pressePapiersPlein_ = true;
}

// ---------------------------------------------------------------- guard

void InstanceWord::avantAppel() {
    if (partie_) leveServeurIndisponible();
    if (appelsRejetes_ > 0) {
        --appelsRejetes_;
        leveAppelRejete();
    }
    if (occupeJusquEchap_ || bureau_->dialogueModal(fenetre_) != 0) leveAppelRejete();
    ++appels_;
}

// ---------------------------------------------------------------- faults

void InstanceWord::occupe(int32_t appels) { appelsRejetes_ = std::max(0, appels); }

void InstanceWord::occupeJusquEchap() { occupeJusquEchap_ = true; }

bool InstanceWord::occupe() const {
    return !partie_ && (appelsRejetes_ > 0 || occupeJusquEchap_ || bureau_->dialogueModal(fenetre_) != 0);
}

void InstanceWord::disparait() { termine(); }

void InstanceWord::fermeParApprenant() {
    if (partie_) return;
    for (const DocumentPtr& d : std::vector<DocumentPtr>(documents_)) retireDocument(d);
    termine();
}

void InstanceWord::cacheFenetre() { bureau_->montre(fenetre_, false); }

void InstanceWord::minimiseFenetre() { bureau_->changeEtat(fenetre_, true, bureau_->maximise(fenetre_)); }

DialoguesOuverts InstanceWord::ouvreDialogue(std::u16string titre, std::optional<std::u16string> sousDialogue) {
    // WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CONTROLPARENT, as Word's dialog boxes have.
    constexpr int32_t styleDialogue = platform::WS_EX_DLGMODALFRAME | 0x100 | 0x10000;
    DialoguesOuverts d;
    d.dialogue = bureau_->cree({ClasseDialogueWord, std::move(titre), fenetre_, 0, true, styleDialogue});
    bureau_->cree({u"Button", u"OK", 0, d.dialogue, true, 0});
    bureau_->cree({u"Button", u"Annuler", 0, d.dialogue, true, 0});
    Hwnd dessus = d.dialogue;
    if (sousDialogue) {
        d.sousDialogue = bureau_->cree({ClasseDialogueWord, std::move(*sousDialogue), d.dialogue, 0, true, styleDialogue});
        bureau_->cree({u"Button", u"OK", 0, d.sousDialogue, true, 0});
        dessus = d.sousDialogue;
    }
    bureau_->metAuPremierPlan(dessus);
    return d;
}

Hwnd InstanceWord::ouvreBulle() {
    constexpr int32_t WS_EX_TOOLWINDOW = 0x80;
    Hwnd b = bureau_->cree({ClasseBulle, u"", fenetre_, 0, true, WS_EX_TOOLWINDOW});
    bureau_->cree({u"Button", u"OK", 0, b, true, 0});
    return b;
}

void InstanceWord::refuseFermeture(bool refuse) { bureau_->refuseFermeture(fenetre_, refuse); }

void InstanceWord::termine() {
    if (partie_) return;
    partie_ = true;
    for (const DocumentPtr& d : documents_) d->ouvert = false;
    documents_.clear();
    fenetresWord_.clear();
    activations_.clear();
    lecturesSeules_.clear();
    bureau_->revoqueActif(this);
    bureau_->detruit(fenetre_);
}

void InstanceWord::fermeParFenetre() {
    try {
        quitte(-2);
    } catch (const Erreur&) {
        // The learner cancelled the prompt: Word stays.
    }
}

// ---------------------------------------------------------------- windows

std::u16string InstanceWord::titreFenetre() const {
    const FenetreWord* f = fenetreActive();
    if (!f) return TitreWord;
    return legende(*f, bureau_->masqueExtensions()) + u" - " + TitreWord;
}

const FenetreWord* InstanceWord::fenetreActive() const {
    if (activations_.empty()) return nullptr;
    return fenetre(activations_.back());
}

DocumentPtr InstanceWord::documentActif() const {
    const FenetreWord* f = fenetreActive();
    return f ? f->doc : nullptr;
}

DocumentPtr InstanceWord::documentActifRequis() const {
    DocumentPtr d = documentActif();
    if (!d) leveErreurWord(wderr::AucunDocument);
    return d;
}

const FenetreWord* InstanceWord::fenetre(uint64_t id) const {
    for (const FenetreWord& f : fenetresWord_)
        if (f.id == id) return &f;
    return nullptr;
}

std::vector<const FenetreWord*> InstanceWord::fenetresDe(const DocumentOuvert* doc) const {
    std::vector<const FenetreWord*> r;
    for (const FenetreWord& f : fenetresWord_)
        if (f.doc.get() == doc) r.push_back(&f);
    return r;
}

std::u16string InstanceWord::legende(const FenetreWord& f, bool masqueExtension) const {
    if (f.legende) return *f.legende;
    std::u16string s = masqueExtension ? sansExtension(f.doc->nom) : f.doc->nom;
    std::vector<const FenetreWord*> memes = fenetresDe(f.doc.get());
    if (memes.size() > 1) {
        size_t rang = static_cast<size_t>(std::find(memes.begin(), memes.end(), &f) - memes.begin()) + 1;
        s += u":" + depuisUtf8(std::to_string(rang));
    }
    if (lectureSeule(f.doc.get())) s += u" (Lecture seule)";
    return s;
}

void InstanceWord::changeLegende(uint64_t id, std::u16string legende) {
    for (FenetreWord& f : fenetresWord_)
        if (f.id == id) f.legende = std::move(legende);
}

void InstanceWord::activeFenetre(uint64_t id) {
    if (!fenetre(id)) return;
    activations_.erase(std::remove(activations_.begin(), activations_.end(), id), activations_.end());
    activations_.push_back(id);
    montreBarreApercu();
}

void InstanceWord::active(const DocumentPtr& doc) {
    for (auto it = activations_.rbegin(); it != activations_.rend(); ++it) {
        const FenetreWord* f = fenetre(*it);
        if (f && f->doc == doc) {
            activeFenetre(f->id);
            return;
        }
    }
}

uint64_t InstanceWord::nouvelleFenetre(const DocumentPtr& doc) {
    uint64_t id = ++dernierId_;
    fenetresWord_.push_back({id, doc, std::nullopt});
    activeFenetre(id);
    return id;
}

void InstanceWord::fermeFenetre(uint64_t id, int32_t enregistrer) {
    const FenetreWord* f = fenetre(id);
    if (!f) return;
    DocumentPtr doc = f->doc;
    if (fenetresDe(doc.get()).size() <= 1) {
        fermeDocument(doc, enregistrer);
        return;
    }
    fenetresWord_.erase(std::remove_if(fenetresWord_.begin(), fenetresWord_.end(),
                                       [&](const FenetreWord& w) { return w.id == id; }),
                        fenetresWord_.end());
    activations_.erase(std::remove(activations_.begin(), activations_.end(), id), activations_.end());
    montreBarreApercu();
}

// ---------------------------------------------------------------- print preview

bool InstanceWord::apercu() const { return documentActifRequis()->fenetre.typeVue == 4; }

void InstanceWord::apercu(bool actif) {
    DocumentPtr doc = documentActifRequis();
    changeTypeVue(*doc, actif ? 4 : doc->fenetre.typeVueAvantApercu);
}

void InstanceWord::changeTypeVue(DocumentOuvert& doc, int32_t type) {
    if (type < 1 || type > 7) leveErreurWord(wderr::ValeurHorsLimites);
    if (type == 4 && doc.fenetre.typeVue != 4) doc.fenetre.typeVueAvantApercu = doc.fenetre.typeVue;
    doc.fenetre.typeVue = type;
    montreBarreApercu();
}

// The "Print Preview" bar shows while the active window is in print preview.
void InstanceWord::montreBarreApercu() {
    int32_t i = barres_.cherche(u"Print Preview");
    if (i < 0) return;
    DocumentPtr doc = documentActif();
    bool voulu = doc && doc->fenetre.typeVue == 4;
    const BarreOutils& b = barres_.barre(static_cast<size_t>(i));
    if (b.visible != voulu && b.active) barres_.changeVisible(static_cast<size_t>(i), voulu);
}

// ---------------------------------------------------------------- folders

void InstanceWord::changeDossierCourant(const std::u16string& dossier) {
    if (!cheminValide(dossier)) leveErreurWord(wderr::CheminInvalide, dossier);
    std::u16string d = normaliseChemin(joindre(dossierCourant_, dossier));
    bool existe = false;
    try {
        existe = fichiers_->Existe(d) && (fichiers_->GetAttr(d) & platform::attr::Dossier);
    } catch (const Erreur&) {
        existe = false;
    }
    if (!existe) leveErreurWord(wderr::CheminInvalide, dossier);
    dossierCourant_ = d;
}

std::u16string InstanceWord::cheminComplet(const std::u16string& fichier) const {
    return normaliseChemin(joindre(dossierCourant_, fichier));
}

}  // namespace k58204::sim
