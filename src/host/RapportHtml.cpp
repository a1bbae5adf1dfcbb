// A lesson run as one page for a course author: the summary, every failure
// (the failed check lines and what stopped a script), then each script step
// by step, those that failed first.
#include <algorithm>
#include <numeric>

#include "host/Catalogue.hpp"
#include "host/PageHtml.hpp"
#include "host/Rapport.hpp"
#include "host/Surcharge.hpp"

namespace k58204::lecon {

namespace {

struct Ligne {
    const char* statut;  // data-statut: ok, echec, verdict, appels
    std::string position, etape, resultat, detail;  // detail: HTML
};

Ligne ligne(const Evenement& e) {
    return std::visit(
        Surcharge{
            [](const evenement::Teste& t) {
                const Lecture l = lis(t.exercice, t.verdict);
                std::string detail = "<code>" + echappeHtml(texte(t.verdict)) + "</code><br>" + echappeHtml(abrege(l.message));
                if (!l.reussi && !l.indice.empty()) detail += "<br><small>conseil : " + echappeHtml(l.indice) + "</small>";
                return Ligne{"verdict", t.position, "teste (exercice " + std::to_string(t.exercice) + ")",
                             l.reussi ? "réussi" : "non réussi", detail};
            },
            [](const evenement::Controle& c) {
                return Ligne{c.tenu ? "ok" : "echec", c.position, abrege(c.ligne),
                             c.tenu ? std::string(SigneReussi) + " ok" : std::string(SigneEchoue) + " échec",
                             echappeHtml(abrege(c.raison))};
            },
            [](const evenement::Echec& e) {
                return Ligne{"echec", e.position, abrege(e.ligne), std::string(SigneEchoue) + " arrêt",
                             echappeHtml(abrege(e.raison))};
            },
            [](const evenement::Appels& a) {
                std::string detail = "<details><summary>appels</summary><ul class=\"lignes\">";
                for (const std::string& l : a.appels) detail += "<li><code>" + echappeHtml(abrege(l)) + "</code></li>";
                return Ligne{"appels", a.position, abrege(a.etape),
                             std::to_string(a.appels.size()) + (a.appels.size() > 1 ? " appels" : " appel"),
                             detail + "</ul></details>"};
            },
        },
        e);
}

bool estEchec(const Evenement& e) {
    if (const auto* c = std::get_if<evenement::Controle>(&e)) return !c->tenu;
    return std::holds_alternative<evenement::Echec>(e);
}

// "fichier:ligne" -> "ligne", for a table under the script's own heading; a
// position without a line number is kept whole.
std::string numeroDeLigne(const std::string& position) {
    const size_t deuxPoints = position.rfind(':');
    if (deuxPoints == std::string::npos || deuxPoints + 1 == position.size()) return position;
    const std::string numero = position.substr(deuxPoints + 1);
    return numero.find_first_not_of("0123456789") == std::string::npos ? numero : position;
}

// `dansLeScript`: the table sits under the script's heading, so the
// position is the line number alone (the whole position in its title).
void ecritLigne(std::ostream& os, const Ligne& l, bool dansLeScript) {
    os << "<tr data-statut=\"" << l.statut << "\">";
    if (dansLeScript)
        os << "<td title=\"" << echappeHtml(l.position) << "\">" << echappeHtml(numeroDeLigne(l.position)) << "</td>";
    else
        os << "<td>" << echappeHtml(l.position) << "</td>";
    os << "<td><code>"
       << echappeHtml(l.etape) << "</code></td><td class=\"statut\">" << echappeHtml(l.resultat) << "</td><td>"
       << l.detail << "</td></tr>\n";
}

void ouvreTable(std::ostream& os, const std::string& legende, const char* position) {
    os << "<table><caption>" << legende << "</caption><thead><tr><th scope=\"col\">" << position << "</th>"
          "<th scope=\"col\">Étape</th><th scope=\"col\">Résultat</th><th scope=\"col\">Détail</th></tr></thead>"
          "<tbody>\n";
}

void ecritEchecs(std::ostream& os, const Rapport& rapport) {
    bool ouverte = false;
    for (const RapportScript& s : rapport.scripts) {
        for (const Evenement& e : s.evenements) {
            if (!estEchec(e)) continue;
            if (!ouverte) {
                os << "<h2>Échecs</h2>\n";
                ouvreTable(os, "Vérifications non tenues et arrêts, dans l'ordre des scripts", "Position");
                ouverte = true;
            }
            ecritLigne(os, ligne(e), false);
        }
    }
    if (ouverte) os << "</tbody></table>\n";
}

void ecritScript(std::ostream& os, const RapportScript& s) {
    os << "<section>\n<h2>" << echappeHtml(s.fichier) << "</h2>\n<p>" << SigneReussi << " " << s.reussis
       << " réussie(s), " << SigneEchoue << " " << s.echoues << " échouée(s)";
    if (s.nonJoues > 0) os << ", dont " << s.nonJoues << " vérification(s) non jouée(s)";
    os << "</p>\n";
    ouvreTable(os, "Étapes dans l'ordre du script", "Ligne");
    for (const Evenement& e : s.evenements) ecritLigne(os, ligne(e), true);
    os << "</tbody></table>\n</section>\n";
}

}  // namespace

void ecritHtml(std::ostream& os, const Rapport& rapport) {
    ouvrePage(os, "Rapport de leçon");
    os << "<h1>Rapport de leçon</h1>\n<p class=\"discret\">" << rapport.scripts.size() << " script(s)</p>\n"
       << "<h2>Bilan</h2>\n<ul class=\"bilan\"><li class=\"reussi\"><strong>" << rapport.reussis() << "</strong>"
       << SigneReussi << " Vérifications tenues</li><li class=\"echoue\"><strong>" << rapport.echoues() << "</strong>"
       << SigneEchoue << " Échecs</li></ul>\n";
    if (!rapport.erreursScript.empty()) {
        os << "<h2>Erreurs dans les scripts</h2>\n<p>Aucun script n'a été joué.</p>\n<ul>\n";
        for (const std::string& f : rapport.erreursScript) os << "<li><code>" << echappeHtml(abrege(f)) << "</code></li>\n";
        os << "</ul>\n";
    }
    ecritEchecs(os, rapport);
    // The scripts that failed first, each group in the run's order.
    std::vector<size_t> ordre(rapport.scripts.size());
    std::iota(ordre.begin(), ordre.end(), size_t{0});
    std::stable_partition(ordre.begin(), ordre.end(), [&](size_t i) { return rapport.scripts[i].echoues > 0; });
    for (size_t i : ordre) ecritScript(os, rapport.scripts[i]);
    fermePage(os);
}

}  // namespace k58204::lecon
