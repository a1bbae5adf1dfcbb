#include "host/RapportNotes.hpp"

namespace k58204::lecon {

namespace {

const char* statut(ResultatDocument::Statut s) {
    switch (s) {
        case ResultatDocument::Statut::Reussi: return "passed";
        case ResultatDocument::Statut::Echoue: return "failed";
        case ResultatDocument::Statut::NonNotable: break;
    }
    return "not-gradable";
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
        }
    }
    return b;
}

int codeDeSortie(const std::vector<ResultatDocument>& resultats) {
    const Bilan b = bilan(resultats);
    if (b.reussis + b.echoues == 0) return 2;
    return b.echoues + b.nonNotables == 0 ? 0 : 1;
}

void ecritTexte(std::ostream& os, const std::vector<ResultatDocument>& resultats) {
    for (const ResultatDocument& r : resultats) {
        if (r.statut == ResultatDocument::Statut::NonNotable) {
            os << r.chemin << " : non notable : " << abrege(r.erreur) << "\n";
            continue;
        }
        os << r.chemin << " : exercice " << r.exercice << " : " << texte(*r.verdict) << "\n";
        os << "    " << (r.lecture.reussi ? "réussi" : "non réussi") << " : " << r.lecture.message << "\n";
        if (!r.lecture.reussi && !r.lecture.indice.empty()) os << "    conseil : " << r.lecture.indice << "\n";
        if (!r.note.empty()) os << "    note : " << r.note << "\n";
        for (const std::string& a : r.avertissements) os << "    avertissement : " << abrege(a) << "\n";
    }
    const Bilan b = bilan(resultats);
    os << b.reussis << " passed, " << b.echoues << " failed, " << b.nonNotables << " not gradable\n";
}

nlohmann::json enJson(const std::vector<ResultatDocument>& resultats, const std::string& version) {
    nlohmann::json documents = nlohmann::json::array();
    for (const ResultatDocument& r : resultats) {
        nlohmann::json d{{"path", r.chemin},
                         {"sha256", r.empreinte.empty() ? nlohmann::json(nullptr) : nlohmann::json(r.empreinte)},
                         {"exercise", r.exercice},
                         {"status", statut(r.statut)},
                         {"warnings", nlohmann::json::array()}};
        for (const std::string& a : r.avertissements) d["warnings"].push_back(abrege(a));
        if (r.statut == ResultatDocument::Statut::NonNotable) {
            d["error"] = abrege(r.erreur);
            d["message"] = abrege(r.erreur);
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
            {"summary", {{"passed", b.reussis}, {"failed", b.echoues}, {"notGradable", b.nonNotables}}}};
}

void ecritCsv(std::ostream& os, const std::vector<ResultatDocument>& resultats) {
    os << "path,sha256,exercise,status,code,general,passed,message,warnings\r\n";
    for (const ResultatDocument& r : resultats) {
        const bool note = r.statut != ResultatDocument::Statut::NonNotable;
        os << champCsv(r.chemin) << "," << r.empreinte << "," << r.exercice << "," << statut(r.statut) << ","
           << champCsv(note ? abrege(r.lecture.code) : "") << "," << (note && r.lecture.general ? "true" : "false") << ","
           << (note && r.lecture.reussi ? "true" : "false") << ","
           << champCsv(note ? r.lecture.message : abrege(r.erreur)) << "," << champCsv(joint(r.avertissements, "; "))
           << "\r\n";
    }
}

}  // namespace k58204::lecon
