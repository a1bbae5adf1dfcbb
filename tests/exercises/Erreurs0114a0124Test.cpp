// Exercises 114 to 124 when Word fails under them or a mark the check needs
// is gone: the error is raised again with the class name and the procedure,
// and only what the check had written before the failure stays.
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"
#include "word/Texte.hpp"

namespace k58204::test {
namespace {

void attendContexte(const std::optional<ErreurLevee>& erreur, int32_t numero, const std::u16string& service) {
    ASSERT_TRUE(erreur.has_value());
    const std::u16string classe = u"CLASSE Question0" + depuisUtf8(std::to_string(numero));
    EXPECT_NE(erreur->source.find(classe), std::u16string::npos) << versUtf8(erreur->source);
    EXPECT_NE(erreur->source.find(u"SERVICE " + service), std::u16string::npos) << versUtf8(erreur->source);
}

class ErreursQuestions : public ::testing::TestWithParam<int32_t> {};

// Word gone after preparation. Question0124's check asks only the file
// system, and any failure there means "no folder": "B".
TEST_P(ErreursQuestions, TestePointQuandWordADisparu) {
    ExerciceSimule e(GetParam());
    e.instance().disparait();
    auto erreur = erreurDe([&] { e.teste(); });
    if (GetParam() == 124) {
        EXPECT_FALSE(erreur.has_value());
        EXPECT_EQ(e.code(), u"B");
        return;
    }
    attendContexte(erreur, GetParam(), u"TestePoint");
    EXPECT_EQ(erreur->numero, 462);
    EXPECT_EQ(e.code(), u"");
    EXPECT_FALSE(e.bravo());
}

// Word gone before preparation: every Prepare asks Word something first.
TEST_P(ErreursQuestions, PrepareQuandWordADisparu) {
    ExerciceSimule e(GetParam(), {.prepare = false});
    e.instance().disparait();
    attendContexte(erreurDe([&] { e.prepare(); }), GetParam(), u"Prepare");
}

INSTANTIATE_TEST_SUITE_P(Questions, ErreursQuestions, ::testing::Range(114, 125));

void supprimeSignet(const Auto& app, const std::u16string& nom) { signet(app, nom).fait(u"Delete"); }

// "s01" split in two paragraphs aligned differently: its alignment is
// undefined, which names no alignment. The code is written, no remark.
TEST(ErreursQuestions, Question0115AlignementsMelanges) {
    ExerciceSimule e(115);
    const Auto app = e.appli();
    selectionneSignet(app, u"s02");
    app[u"Selection"][u"ParagraphFormat"].ecrit(u"Alignment", 3);
    const int32_t debut = debutSignet(app, u"s01");
    selectionne(app, debut + 10, debut + 10);
    app[u"Selection"].fait(u"TypeParagraph");
    app[u"Selection"][u"ParagraphFormat"].ecrit(u"Alignment", 1);

    auto erreur = erreurDe([&] { e.teste(); });
    attendContexte(erreur, 115, u"TestePoint");
    EXPECT_EQ(erreur->numero, 9);
    EXPECT_EQ(e.code(), u"A");
    EXPECT_EQ(e.complement(), std::vector<std::u16string>{});
}

// Both ranges are fetched before any comparison: a missing "s02" fails the
// check even when "s01" is right.
TEST(ErreursQuestions, Question0117SansS02) {
    ExerciceSimule e(117);
    selectionneSignet(e.appli(), u"s01");
    e.appli()[u"Selection"][u"ParagraphFormat"].ecrit(u"LineSpacingRule", 1);
    supprimeSignet(e.appli(), u"s02");
    attendContexte(erreurDe([&] { e.teste(); }), 117, u"TestePoint");
    EXPECT_EQ(e.code(), u"");
}

// The bookmark cannot be selected: the check fails and leaves the
// learner's selection as it was.
TEST(ErreursQuestions, Question0118SansS01) {
    ExerciceSimule e(118);
    supprimeSignet(e.appli(), u"s01");
    selectionne(e.appli(), 3, 9);
    attendContexte(erreurDe([&] { e.teste(); }), 118, u"TestePoint");
    EXPECT_EQ(e.code(), u"");
    EXPECT_EQ(e.appli()[u"Selection"].lit(u"Start").CLng(), 3);
    EXPECT_EQ(e.appli()[u"Selection"].lit(u"End").CLng(), 9);
}

TEST(ErreursQuestions, Question0119SansE01NiS03) {
    for (const char16_t* nom : {u"e01", u"s03"}) {
        ExerciceSimule e(119);
        supprimeSignet(e.appli(), nom);
        attendContexte(erreurDe([&] { e.teste(); }), 119, u"TestePoint");
        EXPECT_EQ(e.code(), u"");
        EXPECT_FALSE(e.bravo());
    }
}

// Prepare reaches Word by member name: a missing document fails there.
TEST(ErreursQuestions, Question0119DocumentAbsentALaPreparation) {
    ExerciceSimule e(119, {.prepare = false});
    e.poste().fichiers().Kill(std::u16string(DossierCours) + u"Voyage à CANGO.doc");
    attendContexte(erreurDe([&] { e.prepare(); }), 119, u"Prepare");
}

TEST(ErreursQuestions, Question0121SansDocument) {
    ExerciceSimule e(121);
    document(e.appli()).fait(u"ClosePrintPreview");
    document(e.appli()).fait(u"Close", {nomme(u"SaveChanges", 0)});
    attendContexte(erreurDe([&] { e.teste(); }), 121, u"TestePoint");
    EXPECT_EQ(e.code(), u"");
}

// Without Prepare the exercise holds neither Word nor the names of the open
// documents: the check fails through its handler and writes no code.
TEST(ErreursQuestions, Question0123SansPreparation) {
    ExerciceSimule e(123, {.prepare = false, .documentVierge = true});
    auto erreur = erreurDe([&] { e.teste(); });
    attendContexte(erreur, 123, u"TestePoint");
    EXPECT_EQ(erreur->numero, 91);
    EXPECT_EQ(e.code(), u"");
}

}  // namespace
}  // namespace k58204::test
