// Long random edit sequences checked against a naive per-character model of
// the text and its bold; the bookmarks added on the way must keep the invariants.
#include <gtest/gtest.h>

#include <random>

#include "sim/doc/ModeleDocument.hpp"
#include "sim/doc/Outils.hpp"
#include "sim/doc/WordML.hpp"

namespace k58204::sim {
namespace {

// The text and, per character, u'1' when bold, u'0' when not.
struct Naif {
    std::u16string texte = u"\r", gras = u"0";
    char16_t grasInsertion(size_t p) const { return gras[p > 0 && texte[p - 1] != u'\r' ? p - 1 : p]; }
    void inserer(size_t p, const std::u16string& s, const std::u16string& g) {
        texte.insert(p, s);
        gras.insert(p, g);
    }
    void supprimer(size_t a, size_t b) {
        texte.erase(a, b - a);
        gras.erase(a, b - a);
    }
};

TEST(EditionsAleatoires, ConformesAuModeleNaif) {
    std::mt19937 alea(58204);
    ModeleDocument d;
    Naif n;
    const std::u16string morceaux[] = {u"a", u"mot ", u"\r", u"x\ry", u"l'", u"\u00e9t\u00e9."};
    for (int etape = 0; etape < 3000; ++etape) {
        SCOPED_TRACE(etape);
        const size_t a = alea() % (n.texte.size()), b = std::min(n.texte.size() - 1, a + alea() % 7);
        const auto ia = static_cast<int32_t>(a), ib = static_cast<int32_t>(b);
        switch (alea() % 6) {
        case 0: {
            const auto& s = morceaux[alea() % 6];
            n.inserer(a, s, std::u16string(s.size(), n.grasInsertion(a)));
            d.inserer(ia, s);
            break;
        }
        case 1:
            n.supprimer(a, b);
            d.supprimer(ia, ib);
            break;
        case 2: {
            FormatCaractere f;
            f.gras = alea() % 2 == 0;
            n.gras.replace(a, b - a, b - a, *f.gras ? u'1' : u'0');
            d.appliquerCaracteres(ia, ib, f);
            break;
        }
        case 3: {  // replaced text takes the format of the first character replaced
            const char16_t g = a < b ? n.gras[a] : n.grasInsertion(a);
            n.supprimer(a, b);
            n.inserer(a, u"zz", std::u16string(2, g));
            d.remplacer(ia, ib, u"zz", alea() % 2 ? Remplacement::Frappe : Remplacement::Texte);
            break;
        }
        case 4: {  // [a, b) moved to the start of the document
            const std::u16string s = n.texte.substr(a, b - a), g = n.gras.substr(a, b - a);
            n.supprimer(a, b);
            n.inserer(0, s, g);
            d.coller(0, d.couper(ia, ib));
            break;
        }
        default:
            d.ajouterSignet(u"s" + std::u16string(1, static_cast<char16_t>(u'0' + alea() % 5)), ia, ib);
            break;
        }
        ASSERT_NO_THROW(d.verifierInvariants());
        ASSERT_EQ(d.texte(), n.texte);
        ASSERT_EQ(d.nombreParagraphes(), std::count(n.texte.begin(), n.texte.end(), u'\r'));
        if (etape % 50 == 0) {
            for (size_t p = 0; p < n.texte.size(); ++p)
                ASSERT_EQ(d.formatCaractere(static_cast<int32_t>(p)).gras, n.gras[p] == u'1') << "pos " << p;
            ASSERT_TRUE(lireWordML(ecrireWordML(d)).memeContenu(d));
        }
    }
}

}  // namespace
}  // namespace k58204::sim
