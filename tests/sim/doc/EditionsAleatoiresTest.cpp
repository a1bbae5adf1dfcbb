// Long random edit sequences checked against a naive per-character model:
// text, bold per character, bookmarks as [start, end) pairs.
#include <gtest/gtest.h>

#include <random>

#include "sim/doc/ModeleDocument.hpp"
#include "sim/doc/Outils.hpp"
#include "sim/doc/WordML.hpp"

namespace k58204::sim {
namespace {

struct Naif {
    std::u16string texte = u"\r";
    std::vector<bool> gras{false};

    bool grasInsertion(int32_t p) const {
        if (p > 0 && texte[static_cast<size_t>(p) - 1] != u'\r') --p;
        return gras[static_cast<size_t>(p)];
    }
    void inserer(int32_t p, const std::u16string& s, bool g) {
        texte.insert(static_cast<size_t>(p), s);
        gras.insert(gras.begin() + p, s.size(), g);
    }
    void supprimer(int32_t a, int32_t b) {
        texte.erase(static_cast<size_t>(a), static_cast<size_t>(b - a));
        gras.erase(gras.begin() + a, gras.begin() + b);
    }
};

TEST(EditionsAleatoires, ConformesAuModeleNaif) {
    std::mt19937 alea(58204);
    ModeleDocument d;
    Naif n;
    auto tire = [&](int32_t max) { return static_cast<int32_t>(alea() % static_cast<uint32_t>(max + 1)); };
    const std::u16string morceaux[] = {u"a", u"mot ", u"\r", u"x\ry", u"l'", u"\u00e9t\u00e9."};
    for (int etape = 0; etape < 3000; ++etape) {
        const int32_t len = d.longueur();
        int32_t a = tire(len - 1), b = std::min(len - 1, a + tire(6));
        switch (alea() % 6) {
        case 0: {
            const auto& s = morceaux[alea() % 6];
            n.inserer(a, s, n.grasInsertion(a));
            d.inserer(a, s);
            break;
        }
        case 1:
            n.supprimer(a, b);
            d.supprimer(a, b);
            break;
        case 2: {
            FormatCaractere f;
            f.gras = alea() % 2 == 0;
            if (a < b) std::fill(n.gras.begin() + a, n.gras.begin() + b, *f.gras);
            d.appliquerCaracteres(a, b, f);
            break;
        }
        case 3: {
            bool g = a < b ? n.gras[static_cast<size_t>(a)] : n.grasInsertion(a);
            n.supprimer(a, b);
            n.inserer(a, u"zz", g);
            d.remplacer(a, b, u"zz", alea() % 2 ? Remplacement::Frappe : Remplacement::Texte);
            break;
        }
        case 4: {
            // Move [a, b) to the start of the document.
            Fragment f = d.couper(a, b);
            std::u16string s = n.texte.substr(static_cast<size_t>(a), static_cast<size_t>(b - a));
            std::vector<bool> g(n.gras.begin() + a, n.gras.begin() + b);
            n.supprimer(a, b);
            n.texte.insert(0, s);
            n.gras.insert(n.gras.begin(), g.begin(), g.end());
            d.coller(0, f);
            break;
        }
        default:
            d.ajouterSignet(u"s" + std::u16string(1, static_cast<char16_t>(u'0' + alea() % 5)), a, b);
            break;
        }
        ASSERT_NO_THROW(d.verifierInvariants()) << "step " << etape;
        ASSERT_EQ(d.texte(), n.texte) << "step " << etape;
        ASSERT_EQ(d.nombreParagraphes(), std::count(n.texte.begin(), n.texte.end(), u'\r'));
        if (etape % 50 == 0) {
            for (int32_t p = 0; p < d.longueur(); ++p)
                ASSERT_EQ(d.formatCaractere(p).gras, n.gras[static_cast<size_t>(p)]) << "step " << etape << " pos " << p;
            ModeleDocument relu = lireWordML(ecrireWordML(d));
            ASSERT_TRUE(relu.memeContenu(d)) << "step " << etape;
        }
    }
}

TEST(EditionsAleatoires, OctetsTronquesOuAlteresLusOuRefuses) {
    ModeleDocument d = test::document(u"Il l'avait\rfinalement trouv\u00e9.");
    d.ajouterSignet(u"s01", 3, 12);
    d.insererCaseACocher(2, test::avec<CaseACocher>([](auto& c) { c.nom = u"Case"; }));
    d.activerBordures(0, 0, true, 6);
    const std::string xml = ecrireWordML(d);
    std::mt19937 alea(7);
    const char remplacants[] = {'<', '>', '/', '"', '&', '\0', 'x', ' ', '\xC3', '='};
    for (size_t i = 0; i < 2000; ++i) {
        // Every prefix of a real document, and copies with three bytes changed.
        std::string altere = xml.substr(0, i * xml.size() / 2000);
        if (i % 2) {
            altere = xml;
            for (int k = 0; k < 3; ++k) altere[alea() % altere.size()] = remplacants[alea() % sizeof(remplacants)];
        }
        try {
            lireWordML(altere).verifierInvariants();
        } catch (const ErreurWordML&) {
        }
    }
}

}  // namespace
}  // namespace k58204::sim
