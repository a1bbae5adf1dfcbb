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

class DocumentsTest : public ::testing::Test, public PosteWord {};

// Numbers are not reused once a document closes; templates have their own.
TEST_F(DocumentsTest, NumerotesSansReutilisation) {
    for (int i = 0; i < 3; ++i) ajoute();
    EXPECT_EQ(texte(ajoute({Variant(), true}), u"Name"), u"Modèle1");
    documents()->call(u"Item", {u"document3"}).objet()->call(u"Close");
    documents()->call(u"Item", {2}).objet()->call(u"Close");
    EXPECT_EQ(texte(ajoute(), u"Name"), u"Document4");
    EXPECT_EQ(texte(ajoute({nomme(u"NewTemplate", true)}), u"Name"), u"Modèle2");
}

TEST_F(DocumentsTest, NomsDeFichierEtFermetureSansEnregistrer) {
    ObjetPtr d = ouvre(u"c:\\cours\\k58204\\VOYAGE À CANGO.DOC");
    EXPECT_EQ(texte(d, u"FullName"), u"C:\\cours\\k58204\\Voyage à CANGO.doc");  // the name as on disk, the folder as given
    d->call(u"SaveAs", {u"C:\\Racine"});
    EXPECT_EQ(texte(d, u"FullName"), u"C:\\Racine.doc");
    EXPECT_EQ(texte(d, u"Path"), u"C:\\");  // at the root, Path keeps its backslash
    d->get(u"Content").objet()->call(u"InsertAfter", {u"Ajout"});
    d->call(u"Close", {nomme(u"SaveChanges", false)});
    EXPECT_EQ(numeroErreur([&] { d->get(u"Name"); }), ObjetSupprime);
    EXPECT_EQ(texte(ouvre(u"C:\\Racine.doc")->get(u"Content").objet(), u"Text"), u"Voyage au pays des autruches.\r");
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
    for (const auto& [fichier, erreur] : cas) EXPECT_EQ(numeroErreur([&] { ouvre(fichier); }), erreur) << versUtf8(fichier);
    const auto e = erreurDe([&] { ouvre(u"C:\\Cours\\Absent.doc"); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->source(), u"Microsoft Word");
    EXPECT_NE(e->description().find(u"C:\\Cours\\Absent.doc"), std::u16string::npos);
    EXPECT_EQ(documents()->get(u"Count").CLng(), 0);
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
// kept in the file as a key. (The protection's password: ApplicationTest.)
TEST_F(DocumentsTest, MotDePasseALOuverture) {
    const std::u16string secret = u"C:\\Cours\\Secret.doc";
    ObjetPtr d = ouvre(Voyage);
    d->call(u"SaveAs", {nomme(u"FileName", secret), nomme(u"Password", u"mdp")});
    d->call(u"Close");
    EXPECT_EQ(poste.fichiers().Lit(secret).find("mdp"), std::string::npos);  // a key, not the password
    const std::tuple<const char*, std::optional<std::u16string>, std::optional<std::u16string>, int32_t> cas[] = {
        // PasswordDocument, what the learner types at the prompt, error (the
        // prompt cancelled and the right argument: the lesson)
        {"wrong case at the prompt", std::nullopt, u"MDP", MotDePasseOuverture},
        {"wrong argument, no prompt", u"faux", u"mdp", MotDePasseOuverture},
        {"right at the prompt", std::nullopt, u"mdp", 0},
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
