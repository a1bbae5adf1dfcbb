// The exercises when Word fails under them or a mark a check needs is gone:
// the error is raised again with the class name and the procedure
// ("Prepare" or "TestePoint"), and only what was done before the failure
// stays.
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"
#include "word/Erreur.hpp"
#include "word/Texte.hpp"

namespace k58204::test {
namespace {

std::string nomQuestion(int32_t n) { return "Question0" + std::to_string(n); }

// Runs f, which must raise an error wrapped with the exercise's class and
// the procedure; `numero` 0 accepts any error number.
void attendErreur(const std::function<void()>& f, int32_t n, const std::u16string& service, int32_t numero = 0) {
    try {
        f();
    } catch (const Erreur& e) {
        const std::string source = versUtf8(e.source());
        EXPECT_NE(source.find("CLASSE " + nomQuestion(n)), std::string::npos) << source;
        EXPECT_NE(source.find("SERVICE " + versUtf8(service)), std::string::npos) << source;
        EXPECT_TRUE(numero == 0 || e.numero() == numero) << e.numero();
        return;
    }
    ADD_FAILURE() << "no error from " << nomQuestion(n) << " " << versUtf8(service);
}

// ---------------------------------------------------------------- TestePoint

struct Echec {
    std::string nom;
    int32_t question;
    Actions actions;
    int32_t erreur;  // 0: any
    std::u16string code;
    ExerciceSimule::Options options = {};
};
std::ostream& operator<<(std::ostream& os, const Echec& c) { return os << c.nom; }

void disparait(ExerciceSimule& e) { e.instance().disparait(); }
std::function<void(Auto)> sans(std::u16string nom) {
    return [nom](Auto app) { signet(app, nom).fait(u"Delete"); };
}
// The form unprotected and its fourth box deleted: reading that box fails.
void formulaireATroisCases(const Auto& app) {
    document(app).fait(u"Unprotect");
    document(app)(u"FormFields", {4})[u"Range"].fait(u"Delete");
}
// A selection starting beyond 32767 does not fit the 16-bit position.
void auDelaDe32767(const Auto& app) {
    app[u"Selection"].fait(u"EndKey", {6});  // wdStory
    tape(app, std::u16string(33000, u'a'));
}
// "s02" justified, "s01" split in two paragraphs aligned differently: its
// alignment, 9999999, names no alignment. The code is written, no remark.
void alignementsMelanges(const Auto& app) {
    selectionneSignet(app, u"s02");
    app[u"Selection"][u"ParagraphFormat"].ecrit(u"Alignment", 3);
    selectionneDebut(app, u"s01", 10);
    app[u"Selection"].fait(u"Collapse", {nomme(u"Direction", 0)});  // wdCollapseEnd
    app[u"Selection"].fait(u"TypeParagraph");
    app[u"Selection"][u"ParagraphFormat"].ecrit(u"Alignment", 1);
}
void fermeLeDocument(const Auto& app) {
    document(app).fait(u"ClosePrintPreview");
    document(app).fait(u"Close", {nomme(u"SaveChanges", 0)});
}

std::vector<Echec> echecs() {
    std::vector<Echec> v = {
        {"Q0101FormulaireATroisCases", 101, formulaireATroisCases, 5941, u""},
        {"Q0104PositionAuDelaDe32767", 104, auDelaDe32767, 6, u""},
        {"Q0115AlignementsMelanges", 115, alignementsMelanges, 9, u"A"},
        // Both ranges are fetched before any comparison.
        {"Q0117SansS02", 117, sans(u"s02"), 0, u""},
        {"Q0118SansS01", 118, sans(u"s01"), 0, u""},
        {"Q0119SansE01", 119, sans(u"e01"), 0, u""},
        {"Q0119SansS03", 119, sans(u"s03"), 0, u""},
        {"Q0121SansDocument", 121, fermeLeDocument, 0, u""},
        // Without Prepare, Question0123 holds no Word.
        {"Q0123SansPreparation", 123, [](Auto) {}, 91, u"", {.prepare = false}},
    };
    // Word gone after Prepare; Question0124's check asks only the file system.
    for (int32_t n = 101; n <= 123; ++n) v.push_back({nomQuestion(n) + "WordDisparu", n, disparait, 462, u""});
    return v;
}

class EchecVerification : public ::testing::TestWithParam<Echec> {};

TEST_P(EchecVerification, ErreurSignaleeSansCodeNiRemarque) {
    const Echec& c = GetParam();
    ExerciceSimule e(c.question, c.options);
    c.actions(e);
    attendErreur([&] { e.teste(); }, c.question, u"TestePoint", c.erreur);
    EXPECT_EQ(versUtf8(e.code()), versUtf8(c.code));
    EXPECT_FALSE(e.bravo());
    EXPECT_EQ(e.complement(), std::vector<std::u16string>{});
}

INSTANTIATE_TEST_SUITE_P(Questions, EchecVerification, ::testing::ValuesIn(echecs()),
                         [](const auto& info) { return info.param.nom; });

// Any failure of Question0124's check means "no folder".
TEST(EchecVerification, Question0124SansWordDonneB) {
    ExerciceSimule e(124);
    e.instance().disparait();
    e.teste();
    EXPECT_EQ(e.code(), u"B");
}

// ---------------------------------------------------------------- Prepare

// Word gone, or the course document missing, before Prepare. Question0104's
// and Question0105's remarks are created before Word is reached, and stay.
class EchecPreparation : public ::testing::TestWithParam<std::pair<int32_t, bool>> {};

TEST_P(EchecPreparation, ErreurSignalee) {
    const auto [n, sansDocument] = GetParam();
    ExerciceSimule e(n, {.prepare = false});
    if (sansDocument) e.poste().fichiers().Kill(std::u16string(DossierCours) + u"Voyage à CANGO.doc");
    else e.instance().disparait();
    attendErreur([&] { e.prepare(); }, n, u"Prepare");
    EXPECT_EQ(e.complement().has_value(), n == 104 || n == 105);
}

std::vector<std::pair<int32_t, bool>> preparations() {
    std::vector<std::pair<int32_t, bool>> v = {{104, true}, {105, true}, {109, true}, {119, true}};
    for (int32_t n = 101; n <= 124; ++n)
        if (n != 103) v.emplace_back(n, false);
    return v;
}

INSTANTIATE_TEST_SUITE_P(Questions, EchecPreparation, ::testing::ValuesIn(preparations()), [](const auto& info) {
    return nomQuestion(info.param.first) + (info.param.second ? "SansDocument" : "SansWord");
});

// Question0103's Prepare makes no Word call.
TEST(EchecPreparation, Question0103SansWordReussit) {
    ExerciceSimule e(103, {.prepare = false});
    e.instance().disparait();
    EXPECT_NO_THROW(e.prepare());
}

}  // namespace
}  // namespace k58204::test
