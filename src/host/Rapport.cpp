#include "host/Rapport.hpp"

#include "host/Catalogue.hpp"
#include "host/Surcharge.hpp"
#include "word/Texte.hpp"

namespace k58204::lecon {

std::string abrege(const std::string& texte, size_t maximum) {
    if (texte.size() <= maximum) return texte;
    size_t n = maximum;
    // Not inside a UTF-8 sequence.
    while (n > 0 && (static_cast<unsigned char>(texte[n]) & 0xC0) == 0x80) --n;
    return texte.substr(0, n) + "… (" + std::to_string(texte.size()) + " octets)";
}

std::string enScript(bool b) { return b ? "True" : "False"; }

std::string enScript(const std::u16string& s) {
    std::string r = "\"";
    for (char c : versUtf8(s)) r += c == '"' ? std::string("\"\"") : std::string(1, c);
    return r + "\"";
}

std::string enScript(const std::vector<std::u16string>& liste) {
    std::string r;
    for (const std::u16string& c : liste) r += (r.empty() ? "" : ", ") + enScript(c);
    return "(" + r + ")";
}

std::string texte(const Verdict& v) {
    std::string s;
    auto ajoute = [&](const std::string& morceau) { s += (s.empty() ? "" : " ") + morceau; };
    if (v.erreurGenerale) ajoute("ErreurGenerale=" + enScript(*v.erreurGenerale));
    if (v.causeErreur) ajoute("CauseErreur=" + abrege(enScript(*v.causeErreur)));
    if (v.bravoNuance) ajoute("BravoNuance=" + enScript(*v.bravoNuance));
    if (v.complement) ajoute("Complement=" + abrege(enScript(*v.complement)));
    for (const std::string& e : v.erreurs) ajoute("[" + e + "]");
    return s;
}

int32_t Rapport::reussis() const {
    int32_t n = 0;
    for (const RapportScript& s : scripts) n += s.reussis;
    return n;
}

int32_t Rapport::echoues() const {
    int32_t n = 0;
    for (const RapportScript& s : scripts) n += s.echoues;
    return n;
}

void ecritTexte(std::ostream& os, const Rapport& rapport) {
    for (const RapportScript& script : rapport.scripts) {
        os << "== " << script.fichier << "\n";
        for (const Evenement& e : script.evenements) {
            std::visit(Surcharge{
                           [&](const evenement::Teste& t) {
                               os << t.position << "  exercice " << t.exercice << " : " << texte(t.verdict) << "\n";
                               const Lecture l = lis(t.exercice, t.verdict);
                               os << "      " << (l.reussi ? "réussi" : "non réussi") << " : " << abrege(l.message) << "\n";
                               if (!l.reussi && !l.indice.empty()) os << "      conseil : " << l.indice << "\n";
                           },
                           [&](const evenement::Controle& c) {
                               os << (c.tenu ? "  ok     " : "  ÉCHEC  ") << c.position << "  " << abrege(c.ligne);
                               if (!c.tenu) os << "  --  " << abrege(c.raison);
                               os << "\n";
                           },
                           [&](const evenement::Echec& e) {
                               os << "ÉCHEC  " << e.position << "  " << abrege(e.ligne) << "  --  " << abrege(e.raison) << "\n";
                           },
                           [&](const evenement::Appels& a) {
                               os << "  " << a.position << "  " << abrege(a.etape) << " : " << a.appels.size()
                                  << (a.appels.size() > 1 ? " appels" : " appel") << "\n";
                               for (const std::string& l : a.appels) os << "      " << abrege(l) << "\n";
                           },
                       },
                       e);
        }
        if (script.nonJoues > 0) os << "  (" << script.nonJoues << " vérification(s) non jouée(s), comptée(s) en échec)\n";
        os << "-- " << script.fichier << " : " << script.reussis << " passed, " << script.echoues << " failed\n";
    }
    os << rapport.reussis() << " passed, " << rapport.echoues() << " failed\n";
}

nlohmann::json enJson(const Verdict& v) {
    nlohmann::json j = nlohmann::json::object();
    if (v.erreurGenerale) j["ErreurGenerale"] = *v.erreurGenerale;
    if (v.causeErreur) j["CauseErreur"] = abrege(versUtf8(*v.causeErreur));
    if (v.bravoNuance) j["BravoNuance"] = *v.bravoNuance;
    if (v.complement) {
        nlohmann::json liste = nlohmann::json::array();
        for (const std::u16string& c : *v.complement) liste.push_back(abrege(versUtf8(c)));
        j["Complement"] = liste;
    }
    if (!v.erreurs.empty()) j["erreurs"] = v.erreurs;
    return j;
}

void ajouteLecture(nlohmann::json& j, const Lecture& l) {
    j["code"] = abrege(l.code);
    j["general"] = l.general;
    j["message"] = l.message;
    if (!l.indice.empty()) j["conseil"] = l.indice;
    j["passed"] = l.reussi;
}

namespace {
std::vector<std::string> abreges(const std::vector<std::string>& lignes) {
    std::vector<std::string> r;
    r.reserve(lignes.size());
    for (const std::string& l : lignes) r.push_back(abrege(l));
    return r;
}
}  // namespace

nlohmann::json enJson(const Rapport& rapport) {
    nlohmann::json scripts = nlohmann::json::array();
    for (const RapportScript& script : rapport.scripts) {
        nlohmann::json evenements = nlohmann::json::array();
        for (const Evenement& e : script.evenements) {
            evenements.push_back(std::visit(
                Surcharge{
                    [](const evenement::Teste& t) {
                        nlohmann::json j{{"type", "teste"},
                                         {"position", t.position},
                                         {"exercice", t.exercice},
                                         {"verdict", enJson(t.verdict)}};
                        ajouteLecture(j, lis(t.exercice, t.verdict));
                        return j;
                    },
                    [](const evenement::Controle& c) {
                        return nlohmann::json{{"type", "controle"},
                                              {"position", c.position},
                                              {"ligne", abrege(c.ligne)},
                                              {"tenu", c.tenu},
                                              {"raison", abrege(c.raison)}};
                    },
                    [](const evenement::Echec& e) {
                        return nlohmann::json{
                            {"type", "echec"}, {"position", e.position}, {"ligne", abrege(e.ligne)}, {"raison", abrege(e.raison)}};
                    },
                    [](const evenement::Appels& a) {
                        return nlohmann::json{{"type", "appels"},
                                              {"position", a.position},
                                              {"etape", abrege(a.etape)},
                                              {"nombre", a.appels.size()},
                                              {"appels", abreges(a.appels)}};
                    },
                },
                e));
        }
        scripts.push_back({{"fichier", script.fichier},
                           {"reussis", script.reussis},
                           {"echoues", script.echoues},
                           {"nonJoues", script.nonJoues},
                           {"evenements", evenements}});
    }
    nlohmann::json j{{"scripts", scripts}, {"reussis", rapport.reussis()}, {"echoues", rapport.echoues()}};
    if (!rapport.erreursScript.empty()) j["erreursScript"] = abreges(rapport.erreursScript);
    return j;
}

}  // namespace k58204::lecon
