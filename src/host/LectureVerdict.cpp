#include "host/LectureVerdict.hpp"

#include "word/Texte.hpp"

namespace k58204::lecon {

namespace {

std::string surUneLigne(const std::u16string& s) {
    std::string r = versUtf8(s);
    for (char& c : r)
        if (c == '\n' || c == '\r') c = ' ';
    return r;
}

template <class Lecture>
void lit(Verdict& v, const char* nom, Lecture lecture) {
    try {
        lecture();
    } catch (const Erreur& e) {
        v.erreurs.push_back(std::string(nom) + " : " + decrit(e));
    }
}

}  // namespace

std::string decrit(const Erreur& erreur) {
    return "erreur " + std::to_string(erreur.numero()) + " : " + surUneLigne(erreur.description()) + " (source : " +
           surUneLigne(erreur.source()) + ")";
}

Verdict litVerdict(AbstractModule& module) {
    Verdict v;
    lit(v, "ErreurGenerale", [&] { v.erreurGenerale = module.ErreurGenerale(); });
    lit(v, "CauseErreur", [&] { v.causeErreur = module.CauseErreur(); });
    lit(v, "BravoNuance", [&] { v.bravoNuance = module.BravoNuance(); });
    lit(v, "Complement", [&] {
        std::vector<std::u16string> textes;
        if (auto c = module.Complement())
            for (int32_t i = 1; i <= c->count(); ++i) textes.push_back(c->item(i));
        v.complement = std::move(textes);
    });
    return v;
}

std::optional<std::string> ecart(const etape::Attendu& attendu, const Verdict& verdict) {
    std::string raison;
    auto note = [&](const std::string& s) { raison += (raison.empty() ? "" : ", ") + s; };
    auto compare = [&](const char* nom, const auto& voulu, const auto& lu) {
        if (!voulu) return;
        if (!lu)
            note(std::string(nom) + " illisible");
        else if (*voulu != *lu)
            note(std::string(nom) + " lu " + enScript(*lu));
    };
    compare("ErreurGenerale", attendu.erreurGenerale, verdict.erreurGenerale);
    compare("CauseErreur", attendu.causeErreur, verdict.causeErreur);
    compare("BravoNuance", attendu.bravoNuance, verdict.bravoNuance);
    compare("Complement", attendu.complement, verdict.complement);
    if (raison.empty()) return std::nullopt;
    for (const std::string& e : verdict.erreurs) raison += " [" + e + "]";
    return raison;
}

std::optional<std::string> ecart(const etape::AttenduErreur& attendu, const Erreur& erreur) {
    std::string raison;
    if (attendu.numero && *attendu.numero != erreur.numero())
        raison = "numéro " + std::to_string(erreur.numero()) + " au lieu de " + std::to_string(*attendu.numero);
    if (erreur.source().find(attendu.fragment) == std::u16string::npos)
        raison += (raison.empty() ? "" : ", ") + std::string("source sans « ") + versUtf8(attendu.fragment) + " »";
    if (raison.empty()) return std::nullopt;
    return raison + " ; levée : " + decrit(erreur);
}

}  // namespace k58204::lecon
