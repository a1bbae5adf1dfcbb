// The error-reporting convention, the end of a host call, and SupprimeBlancs.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>

#include "support/NumeroErreur.hpp"
#include "word/GereErreur.hpp"

using namespace k58204;

namespace {

// The context goes before the source, "\n\r" between; nested contexts stay
// inside; number and description are kept.
TEST(GereErreur, ContextesImbriques) {
    const std::optional<Erreur> e = test::erreurDe([] {
        try {
            try {
                leveErreurExecution(err::IndiceHorsLimites);
            } catch (const Erreur& interne) {
                GereErreur(u"Question0115", u"TestePoint", interne);
            }
        } catch (const Erreur& milieu) {
            GereErreur(u"Module", u"InitQuestion", milieu);
        }
    });
    ASSERT_TRUE(e);
    const std::u16string interne = u"DLL K58204 - CLASSE Question0115\n\r - SERVICE TestePoint - OBJET K58204";
    EXPECT_EQ(e->source(), u"DLL K58204 - CLASSE Module\n\r - SERVICE InitQuestion - OBJET " + interne);
    EXPECT_EQ(e->numero(), err::IndiceHorsLimites);
    EXPECT_EQ(e->description(), erreurExecution(err::IndiceHorsLimites).description());
    EXPECT_EQ(test::erreurDe([] { GereErreur(u"Module", u"ChangeDir", u"X", Erreur(5941, u"Microsoft Word", u"absent")); })
                  .value().source(),
              u"DLL K58204 - CLASSE Module\n\r - SERVICE ChangeDir - OBJET X");
}

// The end of a host call: past it, a call to Word raises the timeout error
// without reaching Word, and a region of ignored errors raises it again;
// before it, or outside any host call, Word is called and errors are
// ignored. A host call made during another keeps the earlier end, and the
// end of the outer call comes back when the inner one returns.
TEST(EcheanceAppel, BorneLesAppelsAWord) {
    struct Word : Objet {
        int appels = 0;
        Variant invoke(std::u16string_view, Appel, const Arguments&) override {
            ++appels;
            leveErreurExecution(err::AppelIncorrect);
        }
    } word;
    using std::chrono::hours, std::chrono::milliseconds;
    const milliseconds zero{0};
    struct Cas {
        const char* nom;
        std::vector<milliseconds> bornes;  // host calls in progress, outermost first
        bool depassee;
    } cas[] = {
        {"outside a host call", {}, false},
        {"within the bound", {hours(1)}, false},
        {"past the bound", {zero}, true},
        {"an inner call keeps the earlier end", {zero, hours(1)}, true},
        {"an inner call's earlier end", {hours(1), zero}, true},
    };
    for (const Cas& c : cas) {
        std::vector<std::unique_ptr<EcheanceAppel>> appels;
        for (milliseconds b : c.bornes) appels.push_back(std::make_unique<EcheanceAppel>(b));
        const int avant = word.appels;
        EXPECT_EQ(test::numeroErreur([&] { word.get(u"Documents"); }), c.depassee ? err::DelaiDepasse : err::AppelIncorrect)
            << c.nom;
        EXPECT_EQ(word.appels - avant, c.depassee ? 0 : 1) << c.nom;
        EXPECT_EQ(test::numeroErreur([&] { EXPECT_FALSE(sansErreur([&] { word.call(u"Quit"); })); }),
                  c.depassee ? err::DelaiDepasse : 0)
            << c.nom;
        EXPECT_EQ(EcheanceAppel::reste(milliseconds(100)), c.depassee ? zero : milliseconds(100)) << c.nom;
        while (!appels.empty()) appels.pop_back();  // the innermost call returns first
    }
    {
        EcheanceAppel externe(hours(1));
        { EcheanceAppel interne(zero); }
        EXPECT_FALSE(EcheanceAppel::depassee()) << "the outer call's end comes back";
    }
}

// Only spaces go: tabs, carriage returns and no-break spaces stay.
TEST(SupprimeBlancs, NeRetireQueLesEspaces) {
    for (const auto& [entree, sortie] : std::vector<std::pair<std::u16string, std::u16string>>{
             {u" a b  c ", u"abc"}, {u"", u""}, {u"a\tb\r c\u00A0d", u"a\tb\rc\u00A0d"}, {u".\r \r", u".\r\r"}})
        EXPECT_EQ(SupprimeBlancs(entree), sortie);
}

}  // namespace
