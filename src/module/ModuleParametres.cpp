// Module: the learner's Word settings saved and restored around each
// exercise, the toolbars and Word's open folder set up for it.
#include "word/GereErreur.hpp"
#include "module/Module.hpp"
#include "word/Composant.hpp"

namespace k58204 {

using word::wd::CurrentFolderPath;
using word::wd::DocumentsPath;
using word::wd::UserTemplatesPath;

void Module::SaveParamUser() {
    mbParamUserSauves = false;  // until every value is read
    try {
        word::Options options = moApplication.Options();
        msDossierCourant = options.DefaultFilePath(CurrentFolderPath);
        msDossierModeles = options.DefaultFilePath(UserTemplatesPath);
        msDossierDocuments = options.DefaultFilePath(DocumentsPath);
        glUniteMesure = options.MeasurementUnit();
        mlRangStandard = moApplication.CommandBars().Item(u"Standard").RowIndex();
        mlRangFormatting = moApplication.CommandBars().Item(u"Formatting").RowIndex();
        mbInfobulles = moApplication.CommandBars().DisplayTooltips();
        mbParamUserSauves = true;
    } catch (const Erreur& e) {
        GereErreur(u"Module", u"SaveParamUser", e);
    }
}

void Module::RestaureParamUser() {
    try {
        ChangeDir(msDossierCourant);
        moApplication.Options().DefaultFilePath(DocumentsPath, msDossierDocuments);
        moApplication.Options().DefaultFilePath(UserTemplatesPath, msDossierModeles);
        // Exercise 102 has the learner rearrange the toolbars: it keeps the arrangement.
        if (mlQuestion != 102) {
            moApplication.CommandBars().Item(u"Standard").RowIndex(mlRangStandard);
            moApplication.CommandBars().Item(u"Formatting").RowIndex(mlRangFormatting);
        }
        moApplication.CommandBars().DisplayTooltips(mbInfobulles);
    } catch (const Erreur& e) {
        GereErreur(u"Module", u"RestaureParamUser", e);
    }
}

void Module::ChangeDir(const std::u16string& dossier) {
    try {
        moApplication.ChangeFileOpenDirectory(dossier);
    } catch (const Erreur& e) {
        GereErreur(u"Module", u"ChangeDir", e);
    }
}

void Module::InitCommandBar() {
    try {
        auto barre = [&](const char16_t* nom) { return moApplication.CommandBars().Item(nom); };
        barre(u"standard").Enabled(true);
        barre(u"standard").Visible(true);
        barre(u"formatting").Enabled(true);
        barre(u"formatting").Visible(true);
        // A visible Drawing toolbar is docked at the bottom; a hidden one stays hidden.
        barre(u"Drawing").Enabled(true);
        bool dessinVisible = barre(u"Drawing").Visible();
        int32_t dessinPosition = barre(u"Drawing").Position();
        if (dessinVisible && dessinPosition != word::mso::BarBottom) {
            barre(u"Drawing").Visible(false);
            barre(u"Drawing").Position(word::mso::BarBottom);
            barre(u"Drawing").Visible(true);
        }
        if (mlQuestion == 121) {
            barre(u"Print Preview").Enabled(true);
            barre(u"Print Preview").Visible(false);
            barre(u"Print Preview").Position(word::mso::BarTop);
            barre(u"Print Preview").Visible(true);
        }
        // The task pane is docked on the right and shown as the learner last left it.
        if (barre(u"Task Pane").Enabled()) {
            barre(u"Task Pane").Position(word::mso::BarRight);
            barre(u"Task Pane").Visible(mbVoletTaches);
        }
    } catch (const Erreur& e) {
        GereErreur(u"Module", u"InitCommandBar", e);
    }
}

}  // namespace k58204
