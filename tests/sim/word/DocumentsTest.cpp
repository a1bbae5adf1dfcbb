// Documents, Document and Window of the simulated Word: names, captions,
// open / close / save states, Documents.Item and Open errors.
#include <gtest/gtest.h>

#include "sim/core/ErreursWord.hpp"
#include "sim/word/PosteWord.hpp"

namespace k58204::test {
namespace {

using namespace sim::wderr;

class DocumentsTest : public ::testing::Test, public PosteWord {};

TEST_F(DocumentsTest, NouveauxDocumentsEtModelesNumerotesSansReutilisation) {
    struct Cas {
        Arguments args;
        std::u16string nom;
        int32_t type;
    };
    const Cas cas[] = {
        {{}, u"Document1", 0},
        {{}, u"Document2", 0},
        {{nomme(u"NewTemplate", true)}, u"Modèle1", 1},
        {{Variant(), true}, u"Modèle2", 1},
        {{u"Normal", false}, u"Document3", 0},
    };
    for (const Cas& c : cas) {
        ObjetPtr d = ajoute(c.args);
        EXPECT_EQ(texte(d, u"Name"), c.nom);
        EXPECT_EQ(texte(d, u"FullName"), c.nom);
        EXPECT_EQ(texte(d, u"Path"), u"");
        EXPECT_EQ(d->get(u"Type").CLng(), c.type);
        EXPECT_TRUE(d->get(u"Saved").CBool());
        EXPECT_EQ(texte(d, u"AttachedTemplate"), u"Normal.dot");
        // The new document is the active one, in its own window.
        EXPECT_EQ(texte(app->get(u"ActiveWindow").objet(), u"Caption"), c.nom);
        EXPECT_TRUE(estLeMeme(app->get(u"ActiveDocument").objet(), d));
    }
    documents()->call(u"Item", {u"document3"}).objet()->call(u"Close");
    documents()->call(u"Item", {2}).objet()->call(u"Close");
    EXPECT_EQ(texte(ajoute(), u"Name"), u"Document4");
    EXPECT_EQ(texte(ajoute({Variant(), true}), u"Name"), u"Modèle3");
    EXPECT_EQ(documents()->get(u"Count").CLng(), 5);
}

TEST_F(DocumentsTest, OuvrirEnregistrerFermerEtatsDuDocument) {
    ObjetPtr d = ouvre(u"c:\\cours\\k58204\\VOYAGE À CANGO.DOC");
    // The name as on disk, the folder as given.
    EXPECT_EQ(texte(d, u"Name"), u"Voyage à CANGO.doc");
    EXPECT_EQ(texte(d, u"Path"), u"C:\\cours\\k58204");
    EXPECT_EQ(texte(d, u"FullName"), u"C:\\cours\\k58204\\Voyage à CANGO.doc");
    EXPECT_TRUE(d->get(u"Saved").CBool());
    EXPECT_EQ(texte(d->get(u"Content").objet(), u"Text"), u"Voyage au pays des autruches.\r");

    // Already open: activated and returned, not loaded again.
    ObjetPtr nouveau = ajoute();
    ObjetPtr encore = ouvre(Voyage);
    EXPECT_TRUE(estLeMeme(encore, d));
    EXPECT_TRUE(estLeMeme(app->get(u"ActiveDocument").objet(), d));
    EXPECT_EQ(documents()->get(u"Count").CLng(), 2);

    d->put(u"Saved", false);
    EXPECT_FALSE(d->get(u"Saved").CBool());
    d->call(u"SaveAs", {u"C:\\Cours\\Copie"});
    EXPECT_EQ(texte(d, u"Name"), u"Copie.doc");
    EXPECT_EQ(texte(d, u"FullName"), u"C:\\Cours\\Copie.doc");
    EXPECT_TRUE(d->get(u"Saved").CBool());
    EXPECT_TRUE(sim::ressembleWordML(poste.fichiers().Lit(u"C:\\Cours\\Copie.doc")));
    EXPECT_EQ(texte(app->get(u"ActiveWindow").objet(), u"Caption"), u"Copie.doc");

    // A document saved at the root: Path keeps its backslash.
    nouveau->call(u"SaveAs", {nomme(u"FileName", u"C:\\Racine.doc")});
    EXPECT_EQ(texte(nouveau, u"Path"), u"C:\\");
    EXPECT_EQ(texte(nouveau, u"FullName"), u"C:\\Racine.doc");

    // Close: 0 discards the changes, -1 writes them.
    d->get(u"Content").objet()->call(u"InsertAfter", {u"Ajout"});
    EXPECT_FALSE(d->get(u"Saved").CBool());
    d->call(u"Close", {nomme(u"SaveChanges", false)});
    EXPECT_EQ(numeroErreur([&] { d->get(u"Name"); }), ObjetSupprime);
    d = ouvre(u"C:\\Cours\\Copie.doc");
    EXPECT_EQ(texte(d->get(u"Content").objet(), u"Text"), u"Voyage au pays des autruches.\r");
    d->get(u"Content").objet()->call(u"InsertAfter", {u"Ajout"});
    d->call(u"Close", {-1});
    d = ouvre(u"C:\\Cours\\Copie.doc");
    EXPECT_EQ(texte(d->get(u"Content").objet(), u"Text"), u"Voyage au pays des autruches.Ajout\r");
}

TEST_F(DocumentsTest, ItemParPositionOuParNom) {
    ouvre(Voyage);
    ajoute();
    struct Cas {
        Variant index;
        int32_t erreur;
        std::u16string nom;
    };
    const Cas cas[] = {
        {1, 0, u"Voyage à CANGO.doc"},
        {2.0, 0, u"Document1"},
        {u"VOYAGE À CANGO.DOC", 0, u"Voyage à CANGO.doc"},
        {u"c:\\cours\\k58204\\voyage à cango.doc", 0, u"Voyage à CANGO.doc"},
        {u"document1", 0, u"Document1"},
        {0, MembreInexistant, u""},
        {3, MembreInexistant, u""},
        {u"Absent.doc", NomFichierIncorrect, u""},
        {u"Voyage à CANGO", NomFichierIncorrect, u""},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(versUtf8(representation(c.index)));
        std::u16string nom;
        EXPECT_EQ(numeroErreur([&] { nom = texte(documents()->call(u"Item", {c.index}).objet(), u"Name"); }), c.erreur);
        EXPECT_EQ(nom, c.nom);
        // Documents(x) answers Item.
        if (c.erreur == 0) {
            EXPECT_EQ(texte(app->get(u"Documents", {c.index}).objet(), u"Name"), c.nom);
        }
    }
}

TEST_F(DocumentsTest, ErreursDOuverture) {
    racine.ecrit("Cours/texte.doc", "Ceci n'est pas du XML");
    racine.ecrit("Cours/autre.xml", "<?xml version=\"1.0\"?><racine/>");
    struct Cas {
        std::u16string fichier;
        int32_t erreur;
    };
    const Cas cas[] = {
        {u"C:\\Cours\\Absent.doc", FichierIntrouvable},
        {u"C:\\Absent\\Voyage à CANGO.doc", FichierIntrouvable},
        {u"C:\\Cours\\K58204", FichierIntrouvable},
        {u"D:\\Cours\\Voyage à CANGO.doc", CheminInvalide},
        {u"", CheminInvalide},
        {u"C:\\Cours\\mauvais|nom.doc", CaracteresInvalides},
        {u"C:\\Cours\\texte.doc", FormatIllisible},
        {u"C:\\Cours\\autre.xml", FormatIllisible},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(versUtf8(c.fichier));
        try {
            ouvre(c.fichier);
            ADD_FAILURE() << "opened";
        } catch (const Erreur& e) {
            EXPECT_EQ(e.numero(), c.erreur);
            EXPECT_EQ(e.source(), u"Microsoft Word");
            if (c.erreur == FichierIntrouvable) {
                EXPECT_NE(e.description().find(c.fichier), std::u16string::npos);
            }
        }
    }
    EXPECT_EQ(documents()->get(u"Count").CLng(), 0);
}

TEST_F(DocumentsTest, OuvertureRelativeApresChangeFileOpenDirectory) {
    ObjetPtr options = app->get(u"Options").objet();
    EXPECT_EQ(numeroErreur([&] { ouvre(u"Voyage à CANGO.doc"); }), FichierIntrouvable);  // from Mes documents
    app->call(u"ChangeFileOpenDirectory", {u"C:\\Cours\\K58204\\"});
    EXPECT_EQ(texte(options, u"DefaultFilePath", {14}), u"C:\\Cours\\K58204");
    EXPECT_EQ(texte(ouvre(u"voyage à cango.doc"), u"FullName"), u"C:\\Cours\\K58204\\Voyage à CANGO.doc");
    EXPECT_EQ(texte(ouvre(u"..\\K58204\\Réponses.doc"), u"FullName"), u"C:\\Cours\\K58204\\Réponses.doc");
    // Save As with a bare name goes to the same folder.
    ajoute()->call(u"SaveAs", {u"Application"});
    EXPECT_TRUE(poste.fichiers().Existe(u"C:\\Cours\\K58204\\Application.doc"));
    EXPECT_EQ(numeroErreur([&] { app->call(u"ChangeFileOpenDirectory", {u"C:\\Absent"}); }), CheminInvalide);
    EXPECT_EQ(texte(options, u"DefaultFilePath", {14}), u"C:\\Cours\\K58204");
    options->put(u"DefaultFilePath", u"C:\\Cours", {14});
    EXPECT_EQ(texte(ouvre(u"K58204\\Voyage à CANGO.doc"), u"Name"), u"Voyage à CANGO.doc");
}

TEST_F(DocumentsTest, LegendesDesFenetres) {
    ObjetPtr d = ouvre(Voyage);
    ObjetPtr fenetres = app->get(u"Windows").objet();
    EXPECT_EQ(texte(fenetres->call(u"Item", {1}).objet(), u"Caption"), u"Voyage à CANGO.doc");
    ObjetPtr seconde = d->call(u"NewWindow").objet();
    EXPECT_EQ(fenetres->get(u"Count").CLng(), 2);
    EXPECT_EQ(texte(fenetres->call(u"Item", {1}).objet(), u"Caption"), u"Voyage à CANGO.doc:1");
    EXPECT_EQ(texte(seconde, u"Caption"), u"Voyage à CANGO.doc:2");
    EXPECT_EQ(d->get(u"Windows").objet()->get(u"Count").CLng(), 2);
    seconde->call(u"Close");
    EXPECT_EQ(texte(app->get(u"ActiveWindow").objet(), u"Caption"), u"Voyage à CANGO.doc");
    EXPECT_EQ(numeroErreur([&] { seconde->get(u"Caption"); }), ObjetSupprime);
    EXPECT_EQ(numeroErreur([&] { fenetres->call(u"Item", {2}); }), MembreInexistant);
    d->call(u"Close");
    // A read-only file opens read-only, and Word says so in the caption.
    poste.fichiers().SetAttr(Voyage, platform::attr::LectureSeule);
    d = ouvre(Voyage);
    EXPECT_EQ(texte(app->get(u"ActiveWindow").objet(), u"Caption"), u"Voyage à CANGO.doc (Lecture seule)");
    EXPECT_TRUE(d->get(u"ReadOnly").CBool());
    d->put(u"Saved", false);
    EXPECT_EQ(numeroErreur([&] { d->call(u"Save"); }), NonDisponible);
    // Or when asked to.
    ObjetPtr r = documents()->call(u"Open", {u"C:\\Cours\\K58204\\Réponses.doc", nomme(u"ReadOnly", true)}).objet();
    EXPECT_TRUE(r->get(u"ReadOnly").CBool());
    EXPECT_EQ(texte(app->get(u"ActiveWindow").objet(), u"Caption"), u"Réponses.doc (Lecture seule)");
}

TEST_F(DocumentsTest, InviteAEnregistrerALaFermeture) {
    ObjetPtr d = ouvre(Voyage);
    ObjetPtr nouveau = ajoute();
    d->get(u"Content").objet()->call(u"InsertAfter", {u" Fin"});
    nouveau->get(u"Content").objet()->call(u"InsertAfter", {u"Texte"});
    struct Cas {
        sim::ReponseInvite reponse;
        int32_t erreur;
        int32_t restants;
    };
    // Cancel stops at the first changed document; "save" saves the one with a
    // folder and puts the new one in Mes documents.
    const Cas cas[] = {{sim::ReponseInvite::Annuler, EchecCommande, 2}, {sim::ReponseInvite::Enregistrer, 0, 0}};
    for (const Cas& c : cas) {
        word().reponseInvite(c.reponse);
        EXPECT_EQ(numeroErreur([&] { documents()->call(u"Close"); }), c.erreur);
        EXPECT_EQ(documents()->get(u"Count").CLng(), c.restants);
    }
    EXPECT_EQ(sim::lireWordML(poste.fichiers().Lit(Voyage)).texte(), u"Voyage au pays des autruches. Fin\r");
    EXPECT_TRUE(poste.fichiers().Existe(poste.profil().dossierDocuments() + u"\\Document1.doc"));
}

}  // namespace
}  // namespace k58204::test
