#include "host/RapportNotes.hpp"

namespace k58204::lecon {

namespace {

const char* statut(ResultatDocument::Statut s) {
    switch (s) {
        case ResultatDocument::Statut::Reussi: return "passed";
        case ResultatDocument::Statut::Echoue: return "failed";
        case ResultatDocument::Statut::AVerifier: return "to-check";
        case ResultatDocument::Statut::NonNotable: break;
    }
    return "not-gradable";
}

bool note(const ResultatDocument& r) {
    return r.statut == ResultatDocument::Statut::Reussi || r.statut == ResultatDocument::Statut::Echoue;
}

// How the document was read, for a person.
std::string lecture(const ResultatDocument& r) {
    std::string l = r.lecteur == "docx" ? "lecteur .docx" : "lecteur WordprocessingML 2003";
    if (r.converti) l += ", après conversion par LibreOffice d'un document Word binaire";
    return l;
}

std::string champCsv(const std::string& s) {
    if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
    std::string r = "\"";
    for (char c : s) r += c == '"' ? std::string("\"\"") : std::string(1, c);
    return r + "\"";
}

std::string joint(const std::vector<std::string>& textes, const char* separateur) {
    std::string r;
    for (const std::string& t : textes) r += (r.empty() ? "" : separateur) + abrege(t);
    return r;
}

}  // namespace

Bilan bilan(const std::vector<ResultatDocument>& resultats) {
    Bilan b;
    for (const ResultatDocument& r : resultats) {
        switch (r.statut) {
            case ResultatDocument::Statut::Reussi: ++b.reussis; break;
            case ResultatDocument::Statut::Echoue: ++b.echoues; break;
            case ResultatDocument::Statut::NonNotable: ++b.nonNotables; break;
            case ResultatDocument::Statut::AVerifier: ++b.aVerifier; break;
        }
    }
    return b;
}

int codeDeSortie(const std::vector<ResultatDocument>& resultats) {
    const Bilan b = bilan(resultats);
    if (b.reussis + b.echoues + b.aVerifier == 0) return 2;
    return b.echoues + b.nonNotables + b.aVerifier == 0 ? 0 : 1;
}

void ecritTexte(std::ostream& os, const std::vector<ResultatDocument>& resultats) {
    for (const ResultatDocument& r : resultats) {
        if (r.statut == ResultatDocument::Statut::NonNotable) {
            os << r.chemin << " : non notable : " << abrege(r.erreur) << "\n";
            continue;
        }
        if (r.statut == ResultatDocument::Statut::AVerifier) {
            os << r.chemin << " : exercice " << r.exercice << " : à vérifier dans Word : " << r.aVerifier << "\n";
            os << "    lu par : " << lecture(r) << "\n";
            for (const std::string& a : r.avertissements) os << "    avertissement : " << abrege(a) << "\n";
            continue;
        }
        os << r.chemin << " : exercice " << r.exercice << " : " << texte(*r.verdict) << "\n";
        os << "    " << (r.lecture.reussi ? "réussi" : "non réussi") << " : " << r.lecture.message << "\n";
        if (!r.lecture.reussi && !r.lecture.indice.empty()) os << "    conseil : " << r.lecture.indice << "\n";
        if (!r.note.empty()) os << "    note : " << r.note << "\n";
        if (r.lecteur == "docx") os << "    lu par : " << lecture(r) << "\n";
        for (const std::string& a : r.avertissements) os << "    avertissement : " << abrege(a) << "\n";
    }
    const Bilan b = bilan(resultats);
    os << b.reussis << " passed, " << b.echoues << " failed, " << b.nonNotables << " not gradable";
    if (b.aVerifier) os << ", " << b.aVerifier << " to check in Word";
    os << "\n";
}

nlohmann::json enJson(const std::vector<ResultatDocument>& resultats, const std::string& version) {
    nlohmann::json documents = nlohmann::json::array();
    for (const ResultatDocument& r : resultats) {
        nlohmann::json d{{"path", r.chemin},
                         {"name", r.nom.empty() ? r.chemin : r.nom},
                         {"sha256", r.empreinte.empty() ? nlohmann::json(nullptr) : nlohmann::json(r.empreinte)},
                         {"exercise", r.exercice},
                         {"status", statut(r.statut)},
                         {"reader", r.lecteur.empty() ? nlohmann::json(nullptr) : nlohmann::json(r.lecteur)},
                         {"converted", r.converti},
                         {"warnings", nlohmann::json::array()}};
        for (const std::string& a : r.avertissements) d["warnings"].push_back(abrege(a));
        if (r.statut == ResultatDocument::Statut::NonNotable) {
            d["error"] = abrege(r.erreur);
            d["message"] = abrege(r.erreur);
            d["passed"] = false;
        } else if (r.statut == ResultatDocument::Statut::AVerifier) {
            d["toCheck"] = r.aVerifier;
            d["message"] = "à vérifier dans Word : " + r.aVerifier;
            d["passed"] = false;
        } else {
            d["verdict"] = enJson(*r.verdict);
            ajouteLecture(d, r.lecture);
            if (!r.note.empty()) d["note"] = r.note;
        }
        documents.push_back(std::move(d));
    }
    const Bilan b = bilan(resultats);
    return {{"tool", "k58204"},
            {"version", version},
            {"schemaVersion", VersionSchemaNotes},
            {"documents", documents},
            {"summary",
             {{"passed", b.reussis}, {"failed", b.echoues}, {"notGradable", b.nonNotables}, {"toCheck", b.aVerifier}}}};
}

void ecritCsv(std::ostream& os, const std::vector<ResultatDocument>& resultats) {
    os << "path,sha256,exercise,status,code,general,passed,message,warnings,reader,converted\r\n";
    for (const ResultatDocument& r : resultats) {
        const bool n = note(r);
        const std::string message = n ? r.lecture.message
                                    : r.statut == ResultatDocument::Statut::AVerifier ? "à vérifier dans Word : " + r.aVerifier
                                                                                      : abrege(r.erreur);
        os << champCsv(r.chemin) << "," << r.empreinte << "," << r.exercice << "," << statut(r.statut) << ","
           << champCsv(n ? abrege(r.lecture.code) : "") << "," << (n && r.lecture.general ? "true" : "false") << ","
           << (n && r.lecture.reussi ? "true" : "false") << "," << champCsv(message) << ","
           << champCsv(joint(r.avertissements, "; ")) << "," << r.lecteur << "," << (r.converti ? "true" : "false")
           << "\r\n";
    }
}

}  // namespace k58204::lecon
