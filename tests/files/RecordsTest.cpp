// The working-file and supplementary-information records.
#include <gtest/gtest.h>

#include "support/NumeroErreur.hpp"
#include "files/ComplementInfo.hpp"
#include "files/FichiersDeTravail.hpp"

using namespace k58204;

namespace {

using test::numeroErreur;

TEST(FichiersDeTravail, OrdreDInsertionCopiesEtBornes) {
    FichiersDeTravail f;
    // Empty, it refuses every index, 0 included.
    for (int32_t i : {-1, 0, 1}) EXPECT_EQ(numeroErreur([&] { (void)f.Item(i); }), err::IndiceHorsLimites) << i;
    f.add(u"05820403.doc", u"Voyage à CANGO.doc", false);
    Fichier premier = f.Item(1);
    EXPECT_EQ(premier, (Fichier{u"05820403.doc", u"Voyage à CANGO.doc", false}));
    f.add(u"", u"Modèle.dot", true);
    EXPECT_EQ(f.count(), 2);
    EXPECT_EQ(f.Item(1), premier);
    EXPECT_EQ(f.Item(2), (Fichier{u"", u"Modèle.dot", true}));
    EXPECT_EQ(f.Item(0), Fichier{});

    Fichier copie = f.Item(1);
    copie.NomDest = u"autre.doc";
    EXPECT_EQ(f.Item(1).NomDest, u"Voyage à CANGO.doc");

    for (int32_t i : {-1, 3, 100}) EXPECT_EQ(numeroErreur([&] { (void)f.Item(i); }), err::IndiceHorsLimites) << i;
}

TEST(ComplementInfo, MemesRegles) {
    ComplementInfo c;
    EXPECT_EQ(c.count(), 0);
    EXPECT_EQ(numeroErreur([&] { (void)c.item(0); }), err::IndiceHorsLimites);
    c.add(u" à Gauche", 0);
    c.add(u" Centré", 7);
    EXPECT_EQ(c.count(), 2);
    EXPECT_EQ(c.item(0), u"");
    EXPECT_EQ(c.item(1), u" à Gauche");
    EXPECT_EQ(c.item(2), u" Centré");
    EXPECT_EQ(numeroErreur([&] { (void)c.item(3); }), err::IndiceHorsLimites);
}

}  // namespace
