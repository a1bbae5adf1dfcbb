// Word's Options object.
#include "sim/core/ErreursWord.hpp"
#include "sim/word/InstanceWord.hpp"
#include "sim/word/Membres.hpp"
#include "sim/word/ObjetsWord.hpp"
#include "word/Texte.hpp"
#include "word/Enumerations.hpp"

namespace k58204::sim {

namespace {

// WdDefaultFilePath values the component uses.

class OptionsSim : public ObjetWord {
public:
    using ObjetWord::ObjetWord;

protected:
    std::optional<Variant> membre(std::u16string_view nom, Appel appel, const ArgumentsSim& args) override {
        InstanceWord& w = *instance_;
        if (est(nom, u"Application") || est(nom, u"Parent")) return lecture(appel, [&] { return w.application(); });
        if (est(nom, u"DefaultFilePath")) {
            int32_t quel = args.requis(0, u"Path").CLng();
            if (quel < 0 || quel > word::wd::BorderArtPath) leveErreurWord(wderr::ArgumentIncorrect);
            return propriete(appel, args, [&] { return dossier(quel); },
                             [&](const Variant& v) { changeDossier(quel, v.CStr()); });
        }
        // WdMeasurementUnits: 0 inches, 1 centimetres, 2 millimetres, 3 points, 4 picas.
        if (est(nom, u"MeasurementUnit"))
            return propriete(appel, args, [&] { return w.uniteMesure; }, [&](const Variant& v) {
                int32_t u = v.CLng();
                if (u < 0 || u > 4) leveErreurWord(wderr::ValeurHorsLimites);
                w.uniteMesure = u;
            });
        if (est(nom, u"DefaultBorderLineWidth"))
            return propriete(appel, args, [&] { return w.largeurBordureParDefaut; },
                             [&](const Variant& v) { w.largeurBordureParDefaut = v.CLng(); });
        auto it = w.optionsBooleennes.find(LCase(nom));
        if (it != w.optionsBooleennes.end()) return booleen(appel, args, it->second);
        return std::nullopt;
    }

private:
    // French Windows XP defaults; the documents and templates folders follow the profile.
    std::u16string dossier(int32_t quel) const {
        InstanceWord& w = *instance_;
        switch (quel) {
            case word::wd::DocumentsPath: return w.dossierDocuments;
            case word::wd::UserTemplatesPath: return w.dossierModeles;
            case word::wd::CurrentFolderPath: return w.dossierCourant();
            default: break;
        }
        auto it = w.autresDossiers.find(quel);
        if (it != w.autresDossiers.end()) return it->second;
        const std::u16string profil = u"C:\\Documents and Settings\\" + w.profil().utilisateur;
        const std::u16string office = u"C:\\Program Files\\Microsoft Office\\OFFICE11";
        const std::u16string partage = u"C:\\Program Files\\Fichiers communs\\Microsoft Shared";
        switch (quel) {
            case 1: return w.dossierDocuments + u"\\Mes images";                          // pictures
            case 5: return profil + u"\\Application Data\\Microsoft\\Word";               // AutoRecover
            case 6: case 7: case 9: return office;                                        // tools, tutorial, program
            case 8: return profil + u"\\Application Data\\Microsoft\\Word\\STARTUP";      // startup
            case 10: return partage + u"\\Grphflt";                                       // graphics filters
            case 11: return partage + u"\\TextConv";                                      // text converters
            case 12: return partage + u"\\Proof";                                         // proofing tools
            case 13: return profil + u"\\Local Settings\\Temp";                           // temporary files
            case 15: return office;                                                       // style gallery
            case 19: return office + u"\\BORDERS";                                        // border art
            default: return u"";                                                          // workgroup templates...
        }
    }

    void changeDossier(int32_t quel, const std::u16string& valeur) {
        InstanceWord& w = *instance_;
        switch (quel) {
            case word::wd::DocumentsPath: w.dossierDocuments = valeur; break;
            case word::wd::UserTemplatesPath: w.dossierModeles = valeur; break;
            case word::wd::CurrentFolderPath: w.changeDossierCourant(valeur); break;
            default: w.autresDossiers[quel] = valeur; break;
        }
    }
};

}  // namespace

ObjetPtr creeOptions(const InstancePtr& i) { return std::make_shared<OptionsSim>(i); }

}  // namespace k58204::sim
