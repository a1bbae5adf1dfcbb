#include "host/ConversionLibreOffice.hpp"

#include <algorithm>
#include <cstdlib>
#include <system_error>

#include "host/ProcessusEnfant.hpp"

namespace k58204::lecon {

namespace {

// Each input is copied under a name of its rank, so that two documents of the
// same name in different folders, or names LibreOffice would misread, do not
// matter; the output keeps the stem.
std::string nomDeRang(size_t i) {
    std::string n = std::to_string(i);
    return std::string(n.size() < 4 ? 4 - n.size() : 0, '0') + n;
}

std::string messageSans(const std::string& programme) {
    return programme.empty() ? "LibreOffice (soffice) introuvable : installez le paquet " + std::string(PaquetLibreOffice) +
                                   " pour que noter convertisse les documents Word binaires"
                             : "";
}

}  // namespace

ConversionLibreOffice::ConversionLibreOffice(std::string programme) {
    if (programme.empty()) {
        const char* env = std::getenv("K58204_SOFFICE");
        programme = env && *env ? env : "soffice";
    }
    programme_ = trouveDansPath(programme);
}

std::chrono::seconds ConversionLibreOffice::delai(size_t n) {
    if (const char* env = std::getenv("K58204_DELAI_LIBREOFFICE"); env && *env) {
        char* fin = nullptr;
        const long s = std::strtol(env, &fin, 10);
        if (fin && *fin == '\0' && s > 0) return std::chrono::seconds(s);
    }
    return std::chrono::seconds(60 + 20 * static_cast<long long>(n));
}

std::vector<Conversion> ConversionLibreOffice::convertit(const std::vector<std::filesystem::path>& documents,
                                                         const std::function<void()>& parDocument) {
    namespace fs = std::filesystem;
    std::vector<Conversion> resultats(documents.size());
    auto toutEchoue = [&](const std::string& erreur) {
        for (Conversion& c : resultats) c.erreur = erreur;
        if (parDocument)
            for (size_t i = 0; i < documents.size(); ++i) parDocument();
        return resultats;
    };
    if (documents.empty()) return resultats;
    if (!disponible()) return toutEchoue(messageSans(programme_));

    dossier_.emplace("k58204-conversion");
    const fs::path entree = dossier_->chemin() / "entree", sortie = dossier_->chemin() / "sortie";
    fs::create_directories(entree);
    fs::create_directories(sortie);
    std::vector<std::string> arguments{programme_,
                                       "--headless",
                                       "--norestore",
                                       "--nologo",
                                       "--nolockcheck",
                                       // Without it, a file the Word filter cannot read is
                                       // imported as plain text and "converted".
                                       "--infilter=MS Word 97",
                                       "-env:UserInstallation=file://" + (dossier_->chemin() / "profil").string(),
                                       "--convert-to",
                                       "docx:MS Word 2007 XML",
                                       "--outdir",
                                       sortie.string()};
    std::vector<bool> copie(documents.size(), false);
    for (size_t i = 0; i < documents.size(); ++i) {
        std::error_code ec;
        const fs::path cible = entree / (nomDeRang(i) + ".doc");
        fs::copy_file(documents[i], cible, ec);
        if (ec) {
            resultats[i].erreur = "copie pour la conversion impossible : " + ec.message();
            continue;
        }
        copie[i] = true;
        arguments.push_back(cible.string());
    }
    // LibreOffice writes one line a document it has done: "convert A -> B
    // using filter : …" once converted, "Error: …" when it could not load it.
    size_t faits = 0;
    const size_t aFaire = static_cast<size_t>(std::count(copie.begin(), copie.end(), true));
    std::string issue;
    try {
        ProcessusEnfant soffice(arguments);
        int code = 0;
        const ProcessusEnfant::Fin fin = soffice.attend(
            delai(aFaire),
            [&](const std::string& ligne) {
                if ((ligne.starts_with("convert ") || ligne.starts_with("Error")) && faits < aFaire) {
                    ++faits;
                    if (parDocument) parDocument();
                }
            },
            code);
        if (fin == ProcessusEnfant::Fin::Echeance)
            issue = "LibreOffice n'a pas terminé la conversion en " + std::to_string(delai(aFaire).count()) + " s";
    } catch (const std::exception& e) {
        issue = std::string("LibreOffice n'a pas pu être lancé : ") + e.what();
    }
    for (size_t i = 0; i < documents.size(); ++i) {
        if (!copie[i]) {
            if (parDocument) parDocument();
            continue;
        }
        const fs::path docx = sortie / (nomDeRang(i) + ".docx");
        std::error_code ec;
        if (fs::is_regular_file(docx, ec) && fs::file_size(docx, ec) > 0)
            resultats[i].docx = docx;
        else
            resultats[i].erreur = issue.empty() ? "LibreOffice n'a pas pu le convertir (document protégé par un mot de "
                                                  "passe, endommagé ou d'un autre format)"
                                                : issue;
    }
    for (; faits < aFaire; ++faits)
        if (parDocument) parDocument();
    return resultats;
}

}  // namespace k58204::lecon
