#include "sim/word/BarresOutils.hpp"

#include <algorithm>
#include <map>
#include <set>

#include "sim/core/ErreursWord.hpp"
#include "word/Texte.hpp"

namespace k58204::sim {

namespace {

bool amarree(int32_t position) { return position >= mso::BarLeft && position <= mso::BarBottom; }

// Captions of Word 2003 (French). The first control of "Standard" is the
// one the new-document check relies on; the others are the most likely wording.
BarreOutils nouvelle(std::u16string nom, std::u16string nomLocal, bool visible, int32_t position, int32_t rang,
                     std::vector<std::u16string> controles) {
    BarreOutils b;
    b.nom = std::move(nom);
    b.nomLocal = std::move(nomLocal);
    b.visible = visible;
    b.position = position;
    b.rang = rang;
    b.controles = std::move(controles);
    return b;
}

}  // namespace

BarresOutils::BarresOutils() {
    barres_.push_back(nouvelle(u"Menu Bar", u"Barre de menus", true, mso::BarMenuBar, 1,
                            {u"&Fichier", u"&Edition", u"&Affichage", u"&Insertion", u"F&ormat", u"Ou&tils",
                             u"T&ableau", u"Fe&nêtre", u"&?"}));
    barres_.push_back(nouvelle(u"Standard", u"Standard", true, mso::BarTop, 1,
                            {u"Nouveau &document", u"&Ouvrir...", u"&Enregistrer", u"&Autorisation",
                             u"Courrier élec&tronique", u"&Imprimer", u"Aperçu a&vant impression",
                             u"&Grammaire et orthographe...", u"&Rechercher...", u"Co&uper", u"Co&pier",
                             u"C&oller", u"Reproduire la mise en forme", u"&Annuler", u"&Répéter",
                             u"Insérer un lien &hypertexte...", u"Tableaux et bordures", u"Insérer un tableau",
                             u"Colonnes", u"&Dessin", u"Explorateur de &documents", u"Afficher/Masquer ¶",
                             u"Zoom :", u"&Aide sur Microsoft Office Word", u"&Lire"}));
    barres_.push_back(nouvelle(u"Formatting", u"Mise en forme", true, mso::BarTop, 2,
                            {u"&Style", u"&Police", u"&Taille de police", u"&Gras", u"&Italique", u"&Souligné",
                             u"Aligné à &gauche", u"&Centré", u"Aligné à &droite", u"&Justifié", u"&Interligne",
                             u"&Numérotation", u"&Puces", u"&Diminuer le retrait", u"&Augmenter le retrait",
                             u"&Bordure extérieure", u"&Surlignage", u"&Couleur de police"}));
    barres_.push_back(nouvelle(u"Task Pane", u"Volet Office", true, mso::BarRight, 1, {}));
    barres_.push_back(nouvelle(u"Drawing", u"Dessin", false, mso::BarBottom, 1,
                            {u"&Dessiner", u"Sélectionner les objets", u"&Formes automatiques", u"Trait",
                             u"Flèche", u"Rectangle", u"Ellipse", u"Zone de texte", u"Insérer un objet WordArt",
                             u"Couleur de remplissage", u"Couleur du trait", u"Couleur de police"}));
    barres_.push_back(nouvelle(u"Print Preview", u"Aperçu avant impression", false, mso::BarTop, 3,
                            {u"&Imprimer...", u"Loupe", u"Une page", u"Plusieurs pages", u"Zoom :",
                             u"Afficher la règle", u"Ajuster", u"Plein écran", u"&Fermer l'aperçu"}));
    barres_.push_back(nouvelle(u"Tables and Borders", u"Tableaux et bordures", false, mso::BarFloating, 1,
                            {u"Dessiner un tableau", u"Gomme", u"Style de trait", u"Épaisseur du trait",
                             u"Couleur de la bordure", u"Bordure extérieure", u"Couleur de la trame de fond"}));
    barres_.push_back(nouvelle(u"Reviewing", u"Révision", false, mso::BarFloating, 1,
                            {u"Afficher", u"Élément précédent", u"Élément suivant", u"Accepter la modification",
                             u"Refuser la modification", u"Nouveau commentaire", u"Suivi des modifications"}));
    barres_.push_back(nouvelle(u"Forms", u"Formulaires", false, mso::BarFloating, 1,
                            {u"Champ texte", u"Case à cocher", u"Liste déroulante", u"Options de champ de formulaire",
                             u"Dessiner un tableau", u"Trame des champs", u"Protéger le formulaire"}));
    barres_.push_back(nouvelle(u"Picture", u"Image", false, mso::BarFloating, 1,
                            {u"Insérer une image", u"Couleur", u"Plus de contraste", u"Moins de contraste",
                             u"Rogner", u"Rotation gauche", u"Habillage du texte", u"Format de l'image"}));
    barres_.push_back(nouvelle(u"Clipboard", u"Presse-papiers", false, mso::BarFloating, 1,
                            {u"Coller tout", u"Effacer tout"}));
    barres_.push_back(nouvelle(u"Outlining", u"Mode Plan", false, mso::BarFloating, 1,
                            {u"Hausser au titre 1", u"Hausser", u"Abaisser", u"Abaisser au corps de texte",
                             u"Monter", u"Descendre", u"Développer", u"Réduire"}));
    barres_.push_back(nouvelle(u"Header and Footer", u"En-tête et pied de page", false, mso::BarFloating, 1,
                            {u"Insérer automatiquement", u"Insérer le numéro de page", u"Insérer le nombre de pages",
                             u"Format des numéros de page", u"Insérer la date", u"Insérer l'heure",
                             u"&Fermer"}));
    barres_.push_back(nouvelle(u"Mail Merge", u"Publipostage", false, mso::BarFloating, 1,
                            {u"Type de document principal", u"Ouvrir la source de données",
                             u"Destinataires de la fusion et publipostage", u"Insérer des champs de fusion"}));
    barres_.push_back(nouvelle(u"Web", u"Web", false, mso::BarFloating, 1,
                            {u"Précédente", u"Suivante", u"Arrêter", u"Actualiser", u"Page de démarrage",
                             u"Rechercher sur le Web"}));
}

int32_t BarresOutils::cherche(std::u16string_view nom) const {
    std::u16string cle = LCase(nom);
    for (size_t i = 0; i < barres_.size(); ++i)
        if (LCase(barres_[i].nom) == cle || LCase(barres_[i].nomLocal) == cle) return static_cast<int32_t>(i);
    return -1;
}

void BarresOutils::tasse(int32_t position) {
    if (!amarree(position)) return;
    std::set<int32_t> rangs;
    for (const BarreOutils& b : barres_)
        if (b.visible && b.position == position) rangs.insert(b.rang);
    int32_t numero = 0;
    std::map<int32_t, int32_t> nouveaux;
    for (int32_t r : rangs) nouveaux[r] = ++numero;
    for (BarreOutils& b : barres_)
        if (b.visible && b.position == position) b.rang = nouveaux[b.rang];
}

void BarresOutils::changeVisible(size_t i, bool visible) {
    BarreOutils& b = barres_.at(i);
    // A disabled bar cannot be shown, and the menu bar cannot be hidden.
    if (visible && !b.active) leveErreurWord(wderr::ArgumentIncorrect);
    if (!visible && b.position == mso::BarMenuBar) leveErreurWord(wderr::ArgumentIncorrect);
    if (b.visible == visible) return;
    b.visible = visible;
    if (visible) b.affectation = ++affectations_;
    tasse(b.position);
}

void BarresOutils::changeActive(size_t i, bool active) {
    BarreOutils& b = barres_.at(i);
    if (!active && b.position == mso::BarMenuBar) leveErreurWord(wderr::ArgumentIncorrect);
    b.active = active;
    if (!active && b.visible) {
        b.visible = false;
        tasse(b.position);
    }
}

void BarresOutils::changePosition(size_t i, int32_t position) {
    BarreOutils& b = barres_.at(i);
    bool menu = b.position == mso::BarMenuBar;
    if (position < mso::BarLeft || position > mso::BarMenuBar || position == mso::BarPopup ||
        (position == mso::BarMenuBar) != menu)
        leveErreurWord(wderr::ArgumentIncorrect);
    if (position == b.position) return;
    int32_t ancienne = b.position;
    // A bar docked in another area takes a new last row there.
    int32_t dernier = 0;
    for (const BarreOutils& autre : barres_)
        if (&autre != &b && autre.visible && autre.position == position) dernier = std::max(dernier, autre.rang);
    b.position = position;
    if (amarree(position)) b.rang = dernier + 1;
    b.affectation = ++affectations_;
    tasse(ancienne);
    tasse(position);
}

void BarresOutils::changeRang(size_t i, int32_t rang) {
    BarreOutils& b = barres_.at(i);
    if (rang < mso::BarRowLast) leveErreurWord(wderr::ArgumentIncorrect);
    int32_t dernier = 0;
    for (const BarreOutils& autre : barres_)
        if (&autre != &b && autre.visible && autre.position == b.position) dernier = std::max(dernier, autre.rang);
    if (rang == mso::BarRowLast || rang > dernier) {
        b.rang = dernier + 1;
    } else if (rang == mso::BarRowFirst) {
        // A new first row: every other row moves down.
        for (BarreOutils& autre : barres_)
            if (&autre != &b && autre.visible && autre.position == b.position) ++autre.rang;
        b.rang = 1;
    } else {
        b.rang = rang;
    }
    b.affectation = ++affectations_;
    if (b.visible) tasse(b.position);
}

}  // namespace k58204::sim
