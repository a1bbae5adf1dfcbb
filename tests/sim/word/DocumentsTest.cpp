// Documents, Document and Window of the simulated Word: names, captions,
// open / close / save states, Documents.Item and Open errors.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "sim/core/ErreursWord.hpp"
#include "sim/word/PosteWord.hpp"

namespace k58204::test {
namespace {

using namespace sim::wderr;

class DocumentsTest : public ::testing::Test, public PosteWord {
protected:
    std::u16string legende() { return texte(app->get(u"ActiveWindow").objet(), u"Caption"); }
    std::u16string contenu(const ObjetPtr& d) { return texte(d->get(u"Content").objet(), u"Text"); }
};

// Numbers are not reused once a document closes; templates have their own.
TEST_F(DocumentsTest, NumerotesSansReutilisation) {
    for (int i = 0; i < 3; ++i) ajoute();
    EXPECT_EQ(texte(ajoute({Variant(), true}), u"Name"), u"Modèle1");
    documents()->call(u"Item", {u"document3"}).objet()->call(u"Close");
    documents()->call(u"Item", {2}).objet()->call(u"Close");
    EXPECT_EQ(texte(ajoute(), u"Name"), u"Document4");
    EXPECT_EQ(texte(ajoute({nomme(u"NewTemplate", true)}), u"Name"), u"Modèle2");
}

TEST_F(DocumentsTest, OuvrirEnregistrerFermerEtatsDuDocument) {
    ObjetPtr d = ouvre(u"c:\\cours\\k58204\\VOYAGE À CANGO.DOC");
    // The name as on disk, the folder as given.
    EXPECT_EQ(texte(d, u"Name"), u"Voyage à CANGO.doc");
    EXPECT_EQ(texte(d, u"FullName"), u"C:\\cours\\k58204\\Voyage à CANGO.doc");
    // Already open: activated and returned, not loaded again.
    ObjetPtr nouveau = ajoute();
    EXPECT_TRUE(estLeMeme(ouvre(Voyage), d));
    EXPECT_TRUE(estLeMeme(app->get(u"ActiveDocument").objet(), d));
    EXPECT_EQ(documents()->get(u"Count").CLng(), 2);

    d->put(u"Saved", false);
    d->call(u"SaveAs", {u"C:\\Cours\\Copie"});
    EXPECT_EQ(texte(d, u"FullName"), u"C:\\Cours\\Copie.doc");
    nouveau->call(u"SaveAs", {nomme(u"FileName", u"C:\\Racine.doc")});
    EXPECT_EQ(texte(nouveau, u"Path"), u"C:\\");  // at the root, Path keeps its backslash

    // Close: False discards the changes, -1 writes them.
    d->get(u"Content").objet()->call(u"InsertAfter", {u"Ajout"});
    EXPECT_FALSE(d->get(u"Saved").CBool());
    d->call(u"Close", {nomme(u"SaveChanges", false)});
    EXPECT_EQ(numeroErreur([&] { d->get(u"Name"); }), ObjetSupprime);
    d = ouvre(u"C:\\Cours\\Copie.doc");
    d->get(u"Content").objet()->call(u"InsertAfter", {u"Ajout"});
    d->call(u"Close", {-1});
    EXPECT_EQ(contenu(ouvre(u"C:\\Cours\\Copie.doc")), u"Voyage au pays des autruches.Ajout\r");
}

TEST_F(DocumentsTest, ItemParPositionOuParNom) {
    ouvre(Voyage);
    ajoute();
    const std::pair<Variant, std::u16string> trouves[] = {
        {2.0, u"Document1"}, {u"c:\\cours\\k58204\\voyage à cango.doc", u"Voyage à CANGO.doc"}};
    for (const auto& [index, nom] : trouves)
        EXPECT_EQ(texte(app->get(u"Documents", {index}).objet(), u"Name"), nom);  // Documents(x) is Item
    const std::pair<Variant, int32_t> absents[] = {
        {0, MembreInexistant}, {3, MembreInexistant}, {u"Absent.doc", NomFichierIncorrect},
        {u"Voyage à CANGO", NomFichierIncorrect}};
    for (const auto& [index, erreur] : absents)
        EXPECT_EQ(numeroErreur([&] { documents()->call(u"Item", {index}); }), erreur) << versUtf8(representation(index));
}

TEST_F(DocumentsTest, ErreursDOuverture) {
    racine.ecrit("Cours/texte.doc", "Ceci n'est pas du XML");
    const std::pair<std::u16string, int32_t> cas[] = {
        {u"C:\\Cours\\Absent.doc", FichierIntrouvable},
        {u"C:\\Cours\\K58204", FichierIntrouvable},
        {u"D:\\Cours\\Voyage à CANGO.doc", CheminInvalide},
        {u"", CheminInvalide},
        {u"C:\\Cours\\mauvais|nom.doc", CaracteresInvalides},
        {u"C:\\Cours\\texte.doc", FormatIllisible},
    };
    for (const auto& [fichier, erreur] : cas) {
        SCOPED_TRACE(versUtf8(fichier));
        try {
            ouvre(fichier);
            ADD_FAILURE() << "opened";
        } catch (const Erreur& e) {
            EXPECT_EQ(e.numero(), erreur);
            EXPECT_EQ(e.source(), u"Microsoft Word");
            if (erreur == FichierIntrouvable) {
                EXPECT_NE(e.description().find(fichier), std::u16string::npos);
            }
        }
    }
    EXPECT_EQ(documents()->get(u"Count").CLng(), 0);
}

// Word holds the file of each open document: Windows refuses to delete or
// rename it (70) until the document is closed or Word's process ends.
TEST_F(DocumentsTest, LeFichierDUnDocumentOuvertEstTenuJusquASaFermeture) {
    using Action = std::function<void(PosteWord&, const ObjetPtr& word, const ObjetPtr& doc)>;
    auto instance = [](PosteWord& p, const ObjetPtr& w) -> sim::InstanceWord& { return p.poste.instance(w); };
    struct Cas {
        const char* quoi;
        Action action;
        bool libere;
    } cas[] = {
        {"nothing", [](PosteWord&, const ObjetPtr&, const ObjetPtr&) {}, false},
        {"Word busy", [&](PosteWord& p, const ObjetPtr& w, const ObjetPtr&) { instance(p, w).occupeJusquEchap(); },
         false},
        {"Close", [](PosteWord&, const ObjetPtr&, const ObjetPtr& d) { d->call(u"Close", {0}); }, true},
        {"SaveAs elsewhere",
         [](PosteWord&, const ObjetPtr&, const ObjetPtr& d) { d->call(u"SaveAs", {u"C:\\Cours\\Copie.doc"}); }, true},
        {"Quit", [](PosteWord&, const ObjetPtr& w, const ObjetPtr&) { w->call(u"Quit", {0}); }, true},
        {"process gone", [&](PosteWord& p, const ObjetPtr& w, const ObjetPtr&) { instance(p, w).disparait(); }, true},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        racine.ecrit("Cours/K58204/Voyage à CANGO.doc", documentWordML(u"Voyage"));
        ObjetPtr w = poste.demarreWord(false);
        ObjetPtr d = w->get(u"Documents").objet()->call(u"Open", {Voyage}).objet();
        const std::u16string autreCasse = u"c:\\cours\\k58204\\VOYAGE À CANGO.DOC";
        EXPECT_EQ(numeroErreur([&] { poste.fichiers().Kill(autreCasse); }), err::PermissionRefusee);
        c.action(*this, w, d);
        EXPECT_EQ(numeroErreur([&] { poste.fichiers().Kill(Voyage); }), c.libere ? 0 : err::PermissionRefusee);
        EXPECT_EQ(poste.fichiers().Existe(Voyage), !c.libere);
        poste.instance(w).disparait();  // lets its files go before the next row
    }
}

TEST_F(DocumentsTest, UnFichierTenuParUnAutreWordNEstPasEcrase) {
    ObjetPtr autre = poste.demarreWord(false);
    autre->get(u"Documents").objet()->call(u"Open", {Voyage});
    ObjetPtr d = ajoute();
    d->get(u"Content").objet()->put(u"Text", u"Écrasé ?");
    EXPECT_EQ(numeroErreur([&] { d->call(u"SaveAs", {Voyage}); }), EchecCommande);
    EXPECT_EQ(sim::lireWordML(poste.fichiers().Lit(Voyage)).texte(), u"Voyage au pays des autruches.\r");
    // Its own holder saves it.
    ObjetPtr sien = autre->get(u"ActiveDocument").objet();
    sien->get(u"Content").objet()->call(u"InsertAfter", {u" Fin"});
    sien->call(u"Save");
    EXPECT_EQ(sim::lireWordML(poste.fichiers().Lit(Voyage)).texte(), u"Voyage au pays des autruches. Fin\r");
}

// HasPassword is the password to open (SaveAs Password:=, Document.Password),
// kept in the file; the protection's password is another one.
TEST_F(DocumentsTest, MotDePasseALOuvertureDistinctDeLaProtection) {
    const std::u16string secret = u"C:\\Cours\\Secret.doc";
    ObjetPtr d = ouvre(Voyage);
    d->call(u"Protect", {nomme(u"Type", 2), nomme(u"Password", u"protection")});
    EXPECT_FALSE(d->get(u"HasPassword").CBool());
    d->call(u"SaveAs", {nomme(u"FileName", secret), nomme(u"Password", u"mdp")});
    EXPECT_TRUE(d->get(u"HasPassword").CBool());
    d->call(u"Close");
    EXPECT_EQ(poste.fichiers().Lit(secret).find("mdp"), std::string::npos);  // a key, not the password
    const std::tuple<const char*, std::optional<std::u16string>, std::optional<std::u16string>, int32_t> cas[] = {
        // PasswordDocument, what the learner types at the prompt, error
        {"prompt cancelled", std::nullopt, std::nullopt, EchecCommande},
        {"wrong case at the prompt", std::nullopt, u"MDP", MotDePasseOuverture},
        {"empty at the prompt", std::nullopt, u"", MotDePasseOuverture},
        {"wrong argument, no prompt", u"faux", u"mdp", MotDePasseOuverture},
        {"right at the prompt", std::nullopt, u"mdp", 0},
        {"right argument", u"mdp", std::nullopt, 0},
    };
    for (const auto& [quoi, argument, invite, erreur] : cas) {
        SCOPED_TRACE(quoi);
        word().reponseMotDePasse(invite);
        Arguments args{secret};
        if (argument) args.push_back(nomme(u"PasswordDocument", *argument));
        EXPECT_EQ(numeroErreur([&] { documents()->call(u"Open", args); }), erreur);
        EXPECT_EQ(documents()->get(u"Count").CLng(), erreur == 0 ? 1 : 0);
        if (erreur == 0) app->get(u"ActiveDocument").objet()->call(u"Close");
    }
    // Password "" removes it: the file opens without one.
    word().reponseMotDePasse(std::nullopt);
    d = documents()->call(u"Open", {secret, nomme(u"PasswordDocument", u"mdp")}).objet();
    d->put(u"Password", u"");
    d->call(u"Close", {-1});
    EXPECT_FALSE(ouvre(secret)->get(u"HasPassword").CBool());
}

}  // namespace
}  // namespace k58204::test
