#include "host/Catalogue.hpp"

#include "word/Texte.hpp"

namespace k58204::lecon {

namespace {

using M = MessageCode;

std::vector<FicheExercice> construitFiches() {
    return {
        {101, "Cocher les bonnes réponses du formulaire",
         {M{"A", "Aucune case n'est cochée.", "Cochez les cases des bonnes réponses, puis validez."},
          M{"B", "Les cases cochées ne sont pas les bonnes réponses.", "Relisez la question : deux réponses sont justes, la première et la dernière."}}},
        {102, "Placer la barre d'outils Mise en forme sous la barre Standard",
         {M{"A", "Les barres d'outils Standard et Mise en forme sont toujours sur la même ligne.", "Faites glisser la barre Mise en forme par sa poignée sous la barre Standard."}}},
        {103, "Ouvrir le document « Voyage à CANGO.doc » du dossier de travail",
         {M{"A", "Le document « Voyage à CANGO.doc » n'est pas ouvert.", "Menu Fichier, Ouvrir : descendez dans le dossier de travail et ouvrez « Voyage à CANGO.doc »."},
          M{"B", "Le document « Voyage à CANGO.doc » ouvert ne vient pas du dossier de travail.", "Fermez-le, puis ouvrez celui du dossier de travail."},
          M{"C", "Le document « Voyage à CANGO.doc » est ouvert, mais ce n'est pas le document actif.", "Affichez-le par le menu Fenêtre."}}},
        {104, "Placer le point d'insertion à l'endroit indiqué",
         {M{"A", "Le point d'insertion n'est pas à la fin du passage « s01 ».", "Cliquez juste après le dernier caractère du passage, sans rien sélectionner."}}},
        {105, "Afficher les marques de mise en forme",
         {M{"A", "Les marques de mise en forme ne sont pas affichées.", "Cliquez sur le bouton Afficher/Masquer ¶ de la barre Standard."}}},
        {106, "Taper « extrait n°10 » en dernier paragraphe du document",
         {M{"A", "Le dernier paragraphe ne contient pas « extrait n°10 ».", "Placez-vous à la fin du document (Ctrl+Fin) et tapez la ligne."},
          M{"B", "Le dernier paragraphe commence ou finit par des espaces.", "Effacez les espaces avant la ligne."},
          M{"C", "Le dernier paragraphe est décalé par une tabulation ou un retrait de première ligne.", "Supprimez la tabulation ou le retrait."},
          M{"D", "Le dernier paragraphe contient autre chose que « extrait n°10 ».", "La ligne doit être seule sur son paragraphe, sans espace à la fin."}}},
        {107, "Couper le paragraphe entre les passages « s01 » et « s02 »",
         {M{"A", "La coupure est tombée à l'intérieur du passage « s01 ».", "Annulez, puis placez le point d'insertion juste avant le début du passage « s02 »."},
          M{"B", "Un paragraphe vide sépare les deux passages.", "Supprimez le paragraphe vide : une seule marque de paragraphe suffit."},
          M{"C", "Le nouveau paragraphe commence par une espace.", "Coupez le paragraphe après l'espace qui suit le point, ou effacez cette espace."},
          M{"D", "Le paragraphe n'est pas coupé entre les deux passages.", "Placez le point d'insertion avant le passage « s02 » et appuyez sur Entrée."},
          M{"E", "Une phrase du passage « s01 » a perdu l'espace qui suit son point.", "Rétablissez l'espace après le point."}}},
        {108, "Supprimer deux passages d'une phrase",
         {M{"A", "Trop de texte a été supprimé : une partie de la phrase à garder a disparu.", "Annulez et ne sélectionnez que les passages à supprimer."},
          M{"B", "Les passages à supprimer ne le sont pas tous, ou les espaces entre les mots ne sont plus justes.", "Il doit rester une seule espace entre les morceaux de la phrase."},
          M{"C", "Le texte à garder a été modifié.", "Annulez vos modifications et supprimez seulement les deux passages."}}},
        {109, "Enregistrer le document sous son propre nom",
         {M{"A", "Le document n'est pas enregistré sous le nom « Voyage à CANGO.doc ».", "Menu Fichier, Enregistrer (Ctrl+S)."}}},
        {110, "Mettre le passage « s01 » en gras et en italique",
         {M{"A", "Le passage « s01 » n'est ni en gras ni en italique.", "Sélectionnez tout le passage, puis cliquez sur G et sur I."},
          M{"B", "Le passage « s01 » est en gras mais pas en italique.", "Sélectionnez tout le passage et cliquez sur I."},
          M{"C", "Le passage « s01 » est en italique mais pas en gras.", "Sélectionnez tout le passage et cliquez sur G."},
          M{"D", "Une partie seulement du passage « s01 » a reçu la mise en forme.", "Sélectionnez le passage entier avant d'appliquer le gras et l'italique."}}},
        {111, "Donner une couleur au passage « s01 »",
         {M{"A", "Le passage « s01 » est toujours en bleu.", "Choisissez une autre couleur de police que le bleu."},
          M{"B", "Le passage « s01 » a plusieurs couleurs.", "Sélectionnez tout le passage et donnez-lui une seule couleur."}}},
        {112, "Remplacer le nom par « Jean-Pierre »",
         {M{"A", "Le nom « Jean-Pierre » n'est pas à la place indiquée.", "Sélectionnez le nom à remplacer et tapez « Jean-Pierre »."},
          M{"B", "« Jean-Pierre » est dans le texte, mais pas exactement à la place du nom à remplacer.", "Vérifiez que le nom a été remplacé en entier."},
          M{"C", "Bravo ! « Jean-Pierre » est à sa place.", "", true}}},
        {113, "Mettre le passage « s01 » en gras, dans une autre police et une autre taille",
         {M{"A", "La taille du passage « s01 » est toujours 12.", "Choisissez une autre taille de police."},
          M{"B", "La police du passage « s01 » est toujours Arial.", "Choisissez une autre police."},
          M{"C", "Le passage « s01 » n'est pas entièrement en gras.", "Sélectionnez tout le passage et cliquez sur G."},
          M{"D", "Le passage « s01 » mélange plusieurs polices ou plusieurs tailles.", "Sélectionnez tout le passage avant de choisir la police et la taille."},
          M{"E", "Le passage « s01 » est toujours en Arial, taille 12.", "Changez la police et la taille."}}},
        {114, "Mettre en retrait les paragraphes indiqués",
         {M{"A", "Les paragraphes « s01 » et « s02 » n'ont pas de retrait à gauche.", "Format, Paragraphe : donnez-leur un retrait à gauche."},
          M{"B", "Les paragraphes « s04 » et « s05 » n'ont pas de retrait de première ligne.", "Format, Paragraphe, De 1re ligne : Positif."},
          M{"C", "Un paragraphe qui ne devait avoir qu'un retrait à gauche, ou aucun, a un retrait de première ligne.", "Remettez le retrait de première ligne à 0 pour « s01 », « s02 » et « s03 »."},
          M{"D", "La première ligne est décalée par une tabulation.", "Supprimez la tabulation et utilisez le retrait de première ligne."},
          M{"E", "Un paragraphe qui ne devait pas en avoir a un retrait à gauche.", "Remettez le retrait à gauche à 0 pour « s03 », « s04 » et « s05 »."},
          M{"F", "Les paragraphes « s01 » et « s02 » ont un retrait négatif.", "Utilisez un retrait à gauche positif, sans retrait négatif de première ligne."}}},
        {115, "Justifier les deux paragraphes indiqués",
         {M{"A", "Le premier paragraphe indiqué n'est pas justifié.", "Cliquez dans le paragraphe, puis sur le bouton Justifier."},
          M{"B", "Le second paragraphe indiqué n'est pas justifié.", "Cliquez dans le paragraphe, puis sur le bouton Justifier."},
          M{"C", "Aucun des deux paragraphes indiqués n'est justifié.", "Justifiez chacun d'eux avec le bouton Justifier."},
          M{"D", "Tout le passage est justifié, et pas seulement les deux paragraphes indiqués.", "Ne justifiez que les deux paragraphes demandés."}}},
        {116, "Espacer le paragraphe « s01 » de 12 points avant et après",
         {M{"A", "Le paragraphe « s01 » n'a d'espacement ni avant ni après.", "Format, Paragraphe : Espacement Avant 12 pt et Après 12 pt."},
          M{"B", "Le paragraphe « s01 » n'a pas d'espacement avant.", "Format, Paragraphe : Espacement Avant 12 pt."},
          M{"C", "Le paragraphe « s01 » n'a pas d'espacement après.", "Format, Paragraphe : Espacement Après 12 pt."},
          M{"D", "L'espacement du paragraphe « s01 » n'est pas de 12 points avant et après.", "Réglez les deux espacements sur 12 pt."}}},
        {117, "Mettre un interligne de 1,5 ligne aux paragraphes indiqués",
         {M{"A", "Le premier paragraphe indiqué n'a pas l'interligne demandé.", "Format, Paragraphe, Interligne : 1,5 ligne."},
          M{"B", "Le second paragraphe indiqué n'a pas l'interligne demandé.", "Format, Paragraphe, Interligne : 1,5 ligne."},
          M{"C", "Aucun des deux paragraphes n'a l'interligne demandé.", "Format, Paragraphe, Interligne : 1,5 ligne."},
          M{"D", "L'interligne choisi est « Exactement » et non « 1,5 ligne ».", "Choisissez 1,5 ligne dans la liste Interligne."}}},
        {118, "Encadrer et ombrer le paragraphe « s01 »",
         {M{"A", "Le paragraphe « s01 » n'a pas de bordure.", "Format, Bordure et trame : choisissez Encadrement."},
          M{"B", "La bordure n'a pas une épaisseur de 3/4 pt sur les quatre côtés.", "Choisissez l'épaisseur 3/4 pt pour tout l'encadrement."},
          M{"C", "Le paragraphe « s01 » n'a pas de trame de fond.", "Format, Bordure et trame, onglet Trame de fond : choisissez une couleur."},
          M{"E", "Le texte est surligné au lieu d'avoir une trame de fond.", "Retirez le surlignage et utilisez la trame de fond du paragraphe."}}},
        {119, "Déplacer le passage « s01 » au début du passage « s03 »",
         {M{"A", "Le passage à déplacer a disparu du document.", "Annulez, puis coupez et collez le passage sans le supprimer."},
          M{"B", "Le passage n'a pas été déplacé après le passage « s02 ».", "Coupez le passage et collez-le au début du passage « s03 »."},
          M{"C", "Bravo ! Le passage est déplacé au bon endroit.", "", true},
          M{"D", "Le passage n'est pas exactement au début du passage « s03 ».", "Collez-le juste avant le premier mot du passage « s03 »."},
          M{"E", "Le passage a été copié au lieu d'être déplacé : il apparaît plusieurs fois.", "Utilisez Couper, et non Copier, avant de coller."}}},
        {120, "Afficher l'aperçu avant impression",
         {M{"A", "L'aperçu avant impression n'est pas affiché.", "Menu Fichier, Aperçu avant impression."}}},
        {121, "Fermer l'aperçu, mettre la page en paysage et la marge du haut à 5 cm",
         {M{"A", "L'aperçu avant impression est toujours affiché.", "Cliquez sur Fermer dans la barre de l'aperçu."},
          M{"B", "La page n'est pas en orientation paysage.", "Fichier, Mise en page : orientation Paysage."},
          M{"C", "La marge du haut n'est pas de 5 cm.", "Fichier, Mise en page : marge Haut 5 cm."}}},
        {122, "Fermer le document « Voyage à CANGO.doc »",
         {M{"A", "Le document « Voyage à CANGO.doc » est toujours ouvert.", "Menu Fichier, Fermer."}}},
        {123, "Créer un nouveau document vierge",
         {M{"A", "Aucun document n'est ouvert.", "Cliquez sur le bouton Nouveau document vierge."},
          M{"B", "Le document actif n'est pas un nouveau document.", "Créez un nouveau document et ne l'enregistrez pas."},
          M{"C", "Le nouveau document n'est pas un document vierge (c'est un modèle).", "Créez un document vierge, pas un modèle."}}},
        {124, "Enregistrer le document dans un nouveau dossier « essai » sous le nom « Application.doc »",
         {M{"A", "Le dossier « essai » existe, mais « Application.doc » n'y est pas.", "Enregistrez le document dans « essai » sous le nom « Application.doc »."},
          M{"B", "Le dossier « essai » n'a pas été créé dans le dossier de travail.", "Dans la boîte Enregistrer sous, créez le dossier « essai » avec le bouton Créer un dossier."}}},
    };
}

std::vector<MessageCode> construitGeneraux() {
    return {
        M{"AM", "Word n'est plus ouvert : votre travail ne peut pas être vérifié.", "Relancez l'exercice."},
        M{"%AL", "Une boîte de dialogue est ouverte dans Word, ou Word est occupé : votre travail ne peut pas être vérifié.", "Fermez la boîte de dialogue, puis demandez à nouveau la vérification."},
        M{"AN", "Le document de travail n'a pas pu être examiné.", "Relancez l'exercice."},
        M{"A", "Le document de travail n'est pas le document actif.", "Affichez-le par le menu Fenêtre."},
        M{"B", "Le nombre de paragraphes du document de travail a changé.", "Annulez les paragraphes ajoutés ou supprimés (Ctrl+Z)."},
        M{"C", "Le document de travail n'est plus ouvert.", "Relancez l'exercice."},
        M{"D", "Le document de travail a été trop modifié pour être vérifié.", "Annulez vos dernières modifications ou relancez l'exercice."},
    };
}

// 115's remark: " à Gauche", " Centré", " à Droite" (" à " alone for an
// alignment without a name).
std::string remarque(const std::vector<std::u16string>& complement) {
    std::string r;
    for (const std::u16string& c : complement) {
        std::string t = versUtf8(c);
        while (!t.empty() && t.front() == ' ') t.erase(0, 1);
        while (!t.empty() && t.back() == ' ') t.pop_back();
        if (t.empty() || t == "à") continue;
        r += (r.empty() ? "" : ", ") + t;
    }
    return r;
}

}  // namespace

const std::vector<FicheExercice>& fichesExercices() {
    static const std::vector<FicheExercice> fiches = construitFiches();
    return fiches;
}

const FicheExercice* fiche(int32_t exercice) {
    for (const FicheExercice& f : fichesExercices())
        if (f.numero == exercice) return &f;
    return nullptr;
}

const std::vector<MessageCode>& codesGeneraux() {
    static const std::vector<MessageCode> codes = construitGeneraux();
    return codes;
}

const MessageCode* trouve(const std::vector<MessageCode>& codes, std::u16string_view code) {
    const std::string c = versUtf8(code);
    for (const MessageCode& m : codes)
        if (m.code == c) return &m;
    return nullptr;
}

Lecture lis(int32_t exercice, const Verdict& v) {
    Lecture l;
    l.code = v.causeErreur ? versUtf8(*v.causeErreur) : "";
    l.general = v.erreurGenerale.value_or(false);
    if (!v.erreurs.empty() || !v.erreurGenerale || !v.causeErreur) {
        l.message = "Le verdict n'a pas pu être lu : votre travail n'a pas été vérifié.";
        return l;
    }
    if (l.general) {
        const MessageCode* m = trouve(codesGeneraux(), *v.causeErreur);
        l.message = m ? std::string(m->message) : "Votre travail ne peut pas être vérifié (code « " + l.code + " »).";
        if (m) l.indice = m->indice;
        return l;
    }
    if (v.causeErreur->empty()) {
        l.reussi = true;
        l.message = "Bravo ! L'exercice est réussi.";
        return l;
    }
    const FicheExercice* f = fiche(exercice);
    const MessageCode* m = f ? trouve(f->codes, *v.causeErreur) : nullptr;
    if (!m) {
        l.message = "Le travail n'est pas celui attendu (code « " + l.code + " »).";
        return l;
    }
    const bool nuance = v.bravoNuance.value_or(false);
    l.reussi = m->bravo && nuance;
    l.message = m->message;
    l.indice = m->indice;
    if (m->bravo && !nuance) l.message = "Le travail n'est pas celui attendu (code « " + l.code + " »).";
    if (!m->bravo && nuance) l.message += " (Un essai précédent était réussi.)";
    if (v.complement) {
        const std::string r = remarque(*v.complement);
        if (!r.empty()) l.message += " Alignement laissé : " + r + ".";
    }
    return l;
}

}  // namespace k58204::lecon
