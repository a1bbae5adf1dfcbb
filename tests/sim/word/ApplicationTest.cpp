// Application, command bars, add-ins and protection
// of the simulated Word.
#include <gtest/gtest.h>

#include "sim/core/ErreursWord.hpp"
#include "sim/word/PosteWord.hpp"

namespace k58204::test {
namespace {

using namespace sim::wderr;

class ApplicationTest : public ::testing::Test, public PosteWord {
protected:
    ObjetPtr barre(const std::u16string& nom) { return app->get(u"CommandBars").objet()->call(u"Item", {nom}).objet(); }
    int32_t entier(const std::u16string& barreNom, std::u16string_view membre) { return barre(barreNom)->get(membre).CLng(); }
};

TEST_F(ApplicationTest, SansDocumentLesMembresActifsEchouent) {
    for (const char16_t* membre : {u"ActiveDocument", u"ActiveWindow", u"Selection", u"PrintPreview"})
        EXPECT_EQ(numeroErreur([&] { app->get(membre); }), AucunDocument) << versUtf8(membre);
    EXPECT_EQ(numeroErreur([&] { app->get(u"Inexistant"); }), err::MembreInconnu);
    EXPECT_EQ(numeroErreur([&] { app->put(u"Name", u"x"); }), err::MembreInconnu);  // read-only
    ObjetPtr options = app->get(u"Options").objet();
    EXPECT_EQ(numeroErreur([&] { options->get(u"DefaultFilePath", {99}); }), ArgumentIncorrect);
    EXPECT_EQ(numeroErreur([&] { options->put(u"MeasurementUnit", 7); }), ValeurHorsLimites);
}

TEST_F(ApplicationTest, BarresDeCommandesParDefautEtNoms) {
    // Asked by their English name in any case (as exercise 102 does: the
    // lesson); NameLocal is the French one.
    EXPECT_EQ(texte(barre(u"FORMATTING"), u"NameLocal"), u"Mise en forme");
    EXPECT_EQ(entier(u"Print Preview", u"RowIndex"), 3);
    EXPECT_EQ(numeroErreur([&] { barre(u"Absente"); }), ArgumentIncorrect);
}

TEST_F(ApplicationTest, VisibleDemandeEnabled) {
    ObjetPtr dessin = barre(u"Drawing");
    dessin->put(u"Enabled", false);
    EXPECT_EQ(numeroErreur([&] { dessin->put(u"Visible", true); }), ArgumentIncorrect);
    dessin->put(u"Enabled", true);
    dessin->put(u"Visible", true);
    EXPECT_TRUE(dessin->get(u"Visible").CBool());
    barre(u"Task Pane")->put(u"Enabled", false);  // disabling hides
    EXPECT_FALSE(barre(u"Task Pane")->get(u"Visible").CBool());
}

TEST_F(ApplicationTest, RangsDesBarresAmarrees) {
    // A change, then the rows of Standard and Formatting.
    const std::tuple<std::u16string, std::u16string, int32_t, int32_t, int32_t> etapes[] = {
        {u"formatting", u"RowIndex", 2, 1, 2},   // own row below
        {u"standard", u"RowIndex", 2, 1, 1},     // joins Formatting's row; the empty row closes up
        {u"standard", u"RowIndex", 0, 1, 2},     // a new first row
        {u"standard", u"RowIndex", -1, 2, 1},    // a new last row
        {u"standard", u"Position", 3, 1, 1},     // docked at the bottom: alone there, Formatting alone on top
        {u"standard", u"Position", 1, 2, 1},     // back on top, in a new last row
    };
    for (const auto& [nom, membre, valeur, rangStandard, rangFormatting] : etapes) {
        barre(nom)->put(membre, membre == u"Visible" ? Variant(valeur != 0) : Variant(valeur));
        EXPECT_EQ(std::pair(entier(u"Standard", u"RowIndex"), entier(u"Formatting", u"RowIndex")),
                  std::pair(rangStandard, rangFormatting)) << versUtf8(nom + u"." + membre) << " = " << valeur;
    }
    EXPECT_EQ(numeroErreur([&] { barre(u"Standard")->put(u"Position", 5); }), ArgumentIncorrect);
    EXPECT_EQ(numeroErreur([&] { barre(u"Standard")->put(u"RowIndex", -2); }), ArgumentIncorrect);
}

TEST_F(ApplicationTest, ComplementsEtModeleAttache) {
    racine.ecrit("Documents and Settings/Stagiaire/Application Data/Microsoft/Modèles/Talvor Modèles/Modèle.dot",
                 documentWordML(u"Modèle"));
    ObjetPtr addins = app->get(u"AddIns").objet();
    ObjetPtr a = addins->call(u"Add", {u"Talvor Modèles\\Modèle.dot"}).objet();  // relative to the templates
    EXPECT_EQ(texte(a, u"Path"),
              u"C:\\Documents and Settings\\Stagiaire\\Application Data\\Microsoft\\Modèles\\Talvor Modèles");
    EXPECT_EQ(numeroErreur([&] { addins->call(u"Item", {2}); }), MembreInexistant);
    EXPECT_EQ(numeroErreur([&] { addins->call(u"Add", {u"C:\\Absent.dot"}); }), FichierIntrouvable);
    // A document made on the template names it; "" puts Normal back.
    ObjetPtr d = ajoute({u"Talvor Modèles\\Modèle.dot"});
    EXPECT_EQ(texte(d, u"AttachedTemplate"), u"Modèle.dot");
    d->put(u"AttachedTemplate", u"");
    EXPECT_EQ(texte(d, u"AttachedTemplate"), u"Normal.dot");
}

TEST_F(ApplicationTest, ProtectionEtMotDePasse) {
    ObjetPtr d = ouvre(Voyage);
    EXPECT_EQ(numeroErreur([&] { d->call(u"Unprotect"); }), NonDisponible);
    d->call(u"Protect", {2, false, u"secret"});
    EXPECT_FALSE(d->get(u"HasPassword").CBool());  // not a password to open
    EXPECT_EQ(numeroErreur([&] { d->call(u"Protect", {2}); }), NonDisponible);
    for (const char16_t* faux : {u"", u"Secret", u"secret "})
        EXPECT_EQ(numeroErreur([&] { d->call(u"Unprotect", {faux}); }), MotDePasseIncorrect) << versUtf8(faux);
    d->call(u"Unprotect", {nomme(u"Password", u"secret")});
    EXPECT_EQ(d->get(u"ProtectionType").CLng(), -1);
}

TEST_F(ApplicationTest, QuitRetireLInstance) {
    ObjetPtr d = ouvre(Voyage);
    d->put(u"Saved", false);
    word().reponseInvite(sim::ReponseInvite::Annuler);
    EXPECT_EQ(numeroErreur([&] { app->call(u"Quit"); }), EchecCommande);
    EXPECT_EQ(poste.nombreInstances(), 1);
    app->call(u"Quit", {nomme(u"SaveChanges", 0)});
    EXPECT_EQ(poste.nombreInstances(), 0);
    EXPECT_EQ(numeroErreur([&] { d->get(u"Name"); }), err::ServeurIndisponible);
    EXPECT_EQ(numeroErreur([&] { poste.serveur().GetObject(platform::ClasseWord); }), err::CreationImpossible);
}

}  // namespace
}  // namespace k58204::test
