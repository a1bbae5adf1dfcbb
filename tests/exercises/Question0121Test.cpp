// Question0121: the document starts in print preview; the learner closes it,
// turns the page to landscape and sets a top margin of 5 cm (2 inches when
// Word measured in inches when the exercise began).
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"
#include "word/Composant.hpp"
#include "word/Texte.hpp"

namespace k58204::test {
namespace {

constexpr int32_t Pouces = 0, Centimetres = 1, Points = 3;
constexpr int32_t Portrait = 0, Paysage = 1;

struct MiseEnPage {
    bool fermeApercu = true;
    int32_t orientation = Paysage;
    float margeHaut = 141.75f;
};

void metEnPage(const Auto& app, const MiseEnPage& m) {
    if (m.fermeApercu) document(app).fait(u"ClosePrintPreview");
    document(app)[u"PageSetup"].ecrit(u"Orientation", m.orientation);
    document(app)[u"PageSetup"].ecrit(u"TopMargin", m.margeHaut);
}

// The unit recorded with the learner's settings when the exercise began.
struct Cas {
    std::string nom;
    int32_t uniteEnregistree;
    MiseEnPage miseEnPage;
    std::u16string code;
    // Word's own unit changed meanwhile (not what the check reads).
    std::optional<int32_t> uniteActuelle = std::nullopt;
};
std::ostream& operator<<(std::ostream& os, const Cas& c) { return os << c.nom; }

class Question0121 : public ::testing::TestWithParam<Cas> {
protected:
    void TearDown() override { glUniteMesure = uniteAvant_; }

private:
    int32_t uniteAvant_ = glUniteMesure;
};

TEST_P(Question0121, Verdict) {
    const Cas& c = GetParam();
    glUniteMesure = c.uniteEnregistree;
    ExerciceSimule e(121);
    if (c.uniteActuelle) e.appli()[u"Options"].ecrit(u"MeasurementUnit", *c.uniteActuelle);
    metEnPage(e.appli(), c.miseEnPage);
    e.teste();
    EXPECT_EQ(versUtf8(e.code()), versUtf8(c.code));
    EXPECT_FALSE(e.bravo());
    EXPECT_EQ(e.complement(), std::vector<std::u16string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Apprenant, Question0121,
    ::testing::Values(Cas{"CinqCentimetres", Centimetres, {}, u""},
                      Cas{"CinqCentimetresMotWordPasseEnPouces", Centimetres, {}, u"", Pouces},
                      Cas{"DeuxPoucesEnCentimetres", Centimetres, {.margeHaut = 144}, u"C"},
                      Cas{"CentQuaranteDeuxPoints", Centimetres, {.margeHaut = 142}, u"C"},
                      Cas{"DeuxPouces", Pouces, {.margeHaut = 144}, u""},
                      Cas{"CinqCentimetresEnPouces", Pouces, {.margeHaut = 141.75f}, u"C"},
                      Cas{"DeuxPoucesEnPoints", Points, {.margeHaut = 144}, u""},
                      Cas{"ApercuNonFerme", Centimetres, {.fermeApercu = false}, u"A"},
                      Cas{"Portrait", Centimetres, {.orientation = Portrait}, u"B"},
                      Cas{"PortraitMargeNonModifiee", Pouces, {.orientation = Portrait, .margeHaut = 70.85f}, u"B"}),
    [](const ::testing::TestParamInfo<Cas>& info) { return info.param.nom; });

TEST(Question0121, CommenceEnApercuAvantImpression) {
    ExerciceSimule e(121);
    EXPECT_TRUE(e.appli().lit(u"PrintPreview").CBool());
    e.teste();
    EXPECT_EQ(e.code(), u"A");
}

}  // namespace
}  // namespace k58204::test
