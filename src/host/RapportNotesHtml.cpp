// A class's results as one page a teacher reads at a glance: the summary,
// how many documents got each code (the mistake most of the class made comes
// first), every document in a table sortable by column and filterable by
// status, and the documents that could not be graded with what to tell their
// authors.
#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#include "host/PageHtml.hpp"
#include "host/RapportNotes.hpp"
#include "word/Texte.hpp"

namespace k58204::lecon {

namespace {

using Statut = ResultatDocument::Statut;

struct Presentation {
    const char* valeur;  // data-statut, and the filter's box
    const char* signe;
    const char* mot;
    const char* pluriel;
};

Presentation presentation(Statut s) {
    switch (s) {
        case Statut::Reussi: return {"reussi", SigneReussi, "réussi", "Réussis"};
        case Statut::Echoue: return {"echoue", SigneEchoue, "non réussi", "Non réussis"};
        case Statut::AVerifier: return {"a-verifier", SigneAVerifier, "à vérifier dans Word", "À vérifier dans Word"};
        case Statut::NonNotable: break;
    }
    return {"non-notable", SigneNonNotable, "non notable", "Non notables"};
}

// A code of the chart: the same letter means one thing as a general code and
// another for each exercise.
struct CleCode {
    int32_t exercice;
    bool general;
    std::string code;
    auto operator<=>(const CleCode&) const = default;
};

struct Barre {
    CleCode cle;
    std::string message;
    int32_t documents = 0;
};

std::string messageDuCode(const CleCode& c, const std::string& luDansLeDocument) {
    const std::vector<MessageCode>* codes = nullptr;
    if (c.general)
        codes = &codesGeneraux();
    else if (const FicheExercice* f = fiche(c.exercice))
        codes = &f->codes;
    const MessageCode* m = codes ? trouve(*codes, depuisUtf8(c.code)) : nullptr;
    return m ? std::string(m->message) : luDansLeDocument;
}

// Most frequent first; equal counts in code order.
std::vector<Barre> barres(const std::vector<ResultatDocument>& resultats) {
    std::map<CleCode, Barre> parCode;
    for (const ResultatDocument& r : resultats) {
        if (r.statut == Statut::NonNotable || r.statut == Statut::AVerifier || r.lecture.code.empty()) continue;
        const CleCode cle{r.exercice, r.lecture.general, abrege(r.lecture.code)};
        Barre& b = parCode.try_emplace(cle, Barre{cle, messageDuCode(cle, r.lecture.message), 0}).first->second;
        ++b.documents;
    }
    std::vector<Barre> liste;
    for (auto& [cle, b] : parCode) liste.push_back(std::move(b));
    std::stable_sort(liste.begin(), liste.end(), [](const Barre& a, const Barre& b) { return a.documents > b.documents; });
    return liste;
}

std::string etiquette(const CleCode& c, bool plusieursExercices) {
    return (plusieursExercices ? std::to_string(c.exercice) + " " : std::string()) + c.code +
           (c.general ? " (général)" : "");
}

void ecritBilan(std::ostream& os, const Bilan& b) {
    os << "<ul class=\"bilan\">";
    const std::pair<Statut, int32_t> comptes[] = {{Statut::Reussi, b.reussis},
                                                  {Statut::Echoue, b.echoues},
                                                  {Statut::NonNotable, b.nonNotables},
                                                  {Statut::AVerifier, b.aVerifier}};
    for (const auto& [statut, n] : comptes) {
        if (statut == Statut::AVerifier && n == 0) continue;
        const Presentation p = presentation(statut);
        os << "<li class=\"" << p.valeur << "\"><strong>" << n << "</strong>" << p.signe << " " << p.pluriel << "</li>";
    }
    os << "</ul>\n";
}

void ecritBilanParExercice(std::ostream& os, const std::vector<ResultatDocument>& resultats,
                           const std::set<int32_t>& exercices) {
    os << "<table><caption>Par exercice</caption><thead><tr><th scope=\"col\">Exercice</th>"
          "<th scope=\"col\">Réussis</th><th scope=\"col\">Non réussis</th><th scope=\"col\">Non notables</th>"
          "<th scope=\"col\">À vérifier</th></tr>"
          "</thead><tbody>\n";
    for (int32_t e : exercices) {
        std::vector<ResultatDocument> siens;
        std::copy_if(resultats.begin(), resultats.end(), std::back_inserter(siens),
                     [e](const ResultatDocument& r) { return r.exercice == e; });
        const Bilan b = bilan(siens);
        os << "<tr><th scope=\"row\">" << e << "</th><td>" << b.reussis << "</td><td>" << b.echoues << "</td><td>"
           << b.nonNotables << "</td><td>" << b.aVerifier << "</td></tr>\n";
    }
    os << "</tbody></table>\n";
}

// Horizontal bars, the longest for the most frequent code, each with its
// count written beside it; under the chart, each code with its message.
void ecritGraphique(std::ostream& os, const std::vector<Barre>& liste, bool plusieursExercices) {
    os << "<h2 id=\"t-codes\">Codes obtenus</h2>\n";
    if (liste.empty()) {
        os << "<p>Aucun document noté n'a reçu de code.</p>\n";
        return;
    }
    constexpr int Etiquette = 130, Longueur = 440, Hauteur = 22, Pas = 30;
    const int32_t maximum = liste.front().documents;
    const int hauteur = static_cast<int>(liste.size()) * Pas;
    os << "<figure>\n<svg class=\"graphique\" role=\"img\" aria-labelledby=\"t-codes\" width=\"640\" height=\"" << hauteur
       << "\" viewBox=\"0 0 640 " << hauteur << "\">\n";
    for (size_t i = 0; i < liste.size(); ++i) {
        const Barre& b = liste[i];
        const int y = static_cast<int>(i) * Pas, largeur = std::max(2, b.documents * Longueur / maximum);
        const std::string nom = echappeHtml(etiquette(b.cle, plusieursExercices));
        os << "<g class=\"barre\"><title>" << nom << " : " << echappeHtml(b.message) << "</title>"
           << "<text x=\"0\" y=\"" << y + 16 << "\">" << nom << "</text>"
           << "<rect x=\"" << Etiquette << "\" y=\"" << y << "\" width=\"" << largeur << "\" height=\"" << Hauteur << "\"/>"
           << "<text x=\"" << Etiquette + largeur + 6 << "\" y=\"" << y + 16 << "\">" << b.documents << "</text></g>\n";
    }
    os << "</svg>\n<figcaption><ul class=\"lignes\">\n";
    for (const Barre& b : liste)
        os << "<li><strong>" << echappeHtml(etiquette(b.cle, plusieursExercices)) << "</strong> (" << b.documents
           << (b.documents > 1 ? " documents" : " document") << ") : " << echappeHtml(b.message) << "</li>\n";
    os << "</ul></figcaption>\n</figure>\n";
}

void ecritLignes(std::ostream& os, const std::vector<std::string>& lignes) {
    if (lignes.empty()) return;
    os << "<ul class=\"lignes\">";
    for (const std::string& l : lignes) os << "<li>" << echappeHtml(abrege(l)) << "</li>";
    os << "</ul>";
}

// Why it was not graded, without the path the message starts with (the row
// names the document already).
std::string raison(const ResultatDocument& r) {
    const std::string prefixe = r.chemin + " : ";
    return abrege(r.erreur.starts_with(prefixe) ? r.erreur.substr(prefixe.size()) : r.erreur);
}

// The document's name; a converted one says so beside it, and the cell's
// title tells the reader and the path.
void ecritNom(std::ostream& os, const ResultatDocument& r) {
    const std::string lecteur = r.lecteur == "docx" ? "lu comme .docx" : r.lecteur.empty() ? "non lu" : "lu comme XML 2003";
    os << "<td title=\"" << echappeHtml(r.chemin + " (" + lecteur + ")") << "\">" << echappeHtml(r.nom.empty() ? r.chemin : r.nom);
    if (r.converti) os << "<span class=\"converti\" title=\"document Word binaire converti en .docx par LibreOffice\">converti</span>";
    os << "</td>";
}

void ecritDocument(std::ostream& os, const ResultatDocument& r, bool plusieursExercices) {
    const Presentation p = presentation(r.statut);
    const bool note = r.statut == Statut::Reussi || r.statut == Statut::Echoue;
    os << "<tr data-statut=\"" << p.valeur << "\">";
    ecritNom(os, r);
    if (plusieursExercices) os << "<td>" << r.exercice << "</td>";
    os << "<td class=\"statut\" data-cle=\"" << static_cast<int>(r.statut) << "\">" << p.signe << " " << p.mot << "</td><td>";
    if (note) os << echappeHtml(abrege(r.lecture.code)) << (r.lecture.general ? " <small>(général)</small>" : "");
    os << "</td><td>"
       << echappeHtml(note ? r.lecture.message
                           : r.statut == Statut::AVerifier ? "À vérifier dans Word : " + r.aVerifier : raison(r));
    if (!r.note.empty()) os << "<br><small>" << echappeHtml(r.note) << "</small>";
    os << "</td><td>" << (note && !r.lecture.reussi ? echappeHtml(r.lecture.indice) : "") << "</td><td>";
    ecritLignes(os, r.avertissements);
    os << "</td><td>";
    if (!r.empreinte.empty())
        os << "<code title=\"" << echappeHtml(r.empreinte) << "\">" << echappeHtml(r.empreinte.substr(0, 12)) << "</code>";
    os << "</td></tr>\n";
}

void ecritDocuments(std::ostream& os, const std::vector<ResultatDocument>& resultats, bool plusieursExercices) {
    os << "<h2 id=\"t-documents\">Documents</h2>\n<fieldset id=\"filtres\" hidden><legend>Afficher</legend>";
    for (Statut s : {Statut::Reussi, Statut::Echoue, Statut::NonNotable, Statut::AVerifier}) {
        const Presentation p = presentation(s);
        os << "<label><input type=\"checkbox\" value=\"" << p.valeur << "\" checked> " << p.signe << " " << p.pluriel
           << "</label>";
    }
    os << "</fieldset>\n<table id=\"documents\" class=\"triable\" aria-labelledby=\"t-documents\"><thead><tr>";
    std::vector<const char*> colonnes{"Document", "Statut", "Code", "Message", "Conseil", "Avertissements", "SHA-256"};
    if (plusieursExercices) colonnes.insert(colonnes.begin() + 1, "Exercice");
    for (const char* c : colonnes) os << "<th scope=\"col\"><button type=\"button\">" << c << "</button></th>";
    os << "</tr></thead>\n<tbody>\n";
    for (const ResultatDocument& r : resultats) ecritDocument(os, r, plusieursExercices);
    os << "</tbody></table>\n";
}

void ecritNonNotables(std::ostream& os, const std::vector<ResultatDocument>& resultats) {
    std::vector<const ResultatDocument*> liste;
    for (const ResultatDocument& r : resultats)
        if (r.statut == Statut::NonNotable) liste.push_back(&r);
    if (liste.empty()) return;
    os << "<h2>Documents non notables</h2>\n<p>Ces documents n'ont pas pu être notés ; ce qu'il faut dire à leurs "
          "auteurs :</p>\n<ul>\n";
    for (const ResultatDocument* r : liste)
        os << "<li><strong>" << echappeHtml(r->nom.empty() ? r->chemin : r->nom) << "</strong> : "
           << echappeHtml(raison(*r)) << "</li>\n";
    os << "</ul>\n";
}

}  // namespace

void ecritHtml(std::ostream& os, const std::vector<ResultatDocument>& resultats, const std::string& version) {
    std::set<int32_t> exercices;
    for (const ResultatDocument& r : resultats) exercices.insert(r.exercice);
    const bool plusieurs = exercices.size() > 1;
    std::string titre = "Notes de la classe";
    if (exercices.size() == 1) titre += " : exercice " + std::to_string(*exercices.begin());
    ouvrePage(os, titre);
    os << "<h1>" << echappeHtml(titre) << "</h1>\n<p class=\"discret\">" << resultats.size()
       << (resultats.size() > 1 ? " documents" : " document") << ", notés par k58204 " << echappeHtml(version)
       << "</p>\n<h2>Bilan</h2>\n";
    ecritBilan(os, bilan(resultats));
    if (plusieurs) ecritBilanParExercice(os, resultats, exercices);
    ecritGraphique(os, barres(resultats), plusieurs);
    ecritDocuments(os, resultats, plusieurs);
    ecritNonNotables(os, resultats);
    fermePage(os);
}

}  // namespace k58204::lecon
