// Hostile and damaged archives: each refused with its cause, before the limit
// is passed; an archive exactly at a limit still reads.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "sim/docx/ArchiveZip.hpp"
#include "sim/docx/Docx.hpp"
#include "sim/docx/Paquets.hpp"

namespace k58204::sim {
namespace {

using Cause = ErreurDocx::Cause;
using test::EntreeZip;

constexpr uint32_t Mio = 1024 * 1024;
constexpr size_t Cap = ArchiveZip::TaillePartieMax;

std::vector<EntreeZip> simple() { return test::entreesDocx({.corps = "<w:p><w:r><w:t>a</w:t></w:r></w:p>"}); }

EntreeZip* entree(std::vector<EntreeZip>& e, std::string_view nom) {
    for (auto& x : e)
        if (x.nom == nom) return &x;
    throw std::runtime_error("no entry");
}

// A main part of exactly `taille` bytes (whitespace pads it).
std::vector<EntreeZip> documentDeTaille(size_t taille) {
    auto e = simple();
    std::string& d = entree(e, "word/document.xml")->octets;
    const std::string fin = "</w:document>";
    d.resize(d.size() - fin.size());
    d += std::string(taille - d.size() - fin.size(), ' ') + fin;
    return e;
}

// A package of `n` entries in all (the parts of a document, then empty files).
std::vector<EntreeZip> entrees(size_t n) {
    auto e = simple();
    for (size_t i = e.size(); i < n; ++i) e.push_back({"media/vide" + std::to_string(i) + ".bin", ""});
    return e;
}

// A package whose entries declare `total` bytes in all: two unread entries
// carry what the document's own parts do not.
std::string totalDeclare(uint64_t total) {
    auto e = simple();
    uint64_t reels = 0;
    for (const auto& x : e) reels += x.octets.size();
    e.push_back({"media/a.bin", "x"});
    e.push_back({"media/b.bin", "y"});
    std::string zip = test::archiveZip(e);
    const uint64_t reste = total - reels;
    test::declareTaille(zip, "media/a.bin", static_cast<uint32_t>(reste / 2));
    test::declareTaille(zip, "media/b.bin", static_cast<uint32_t>(reste - reste / 2));
    return zip;
}

std::string remplace(std::string s, std::string_view de, std::string_view par) {
    size_t i = s.find(de);
    if (i == std::string::npos) throw std::runtime_error("not found");
    return s.replace(i, de.size(), par);
}

struct CasHostile {
    const char* nom;
    std::function<std::string()> archive;
    std::optional<Cause> cause;  // nullopt: reads
};

// clang-format off
const CasHostile Hostiles[] = {
    {"pas_un_zip", [] { return std::string("<w:document/>"); }, Cause::PasZip},
    {"vide", [] { return std::string(); }, Cause::PasZip},
    {"tronquee_d_un_octet", [] { std::string z = test::archiveZip(simple()); z.pop_back(); return z; }, Cause::PasZip},
    {"crc_faux", [] {
         auto e = simple();
         entree(e, "word/document.xml")->methode = ZIP_CM_STORE;
         return remplace(test::archiveZip(e), "<w:t>a<", "<w:t>b<"); }, Cause::PasZip},
    {"partie_chiffree", [] { auto e = simple(); entree(e, "word/document.xml")->chiffree = true; return test::archiveZip(e); }, Cause::Chiffree},
    {"media_chiffre", [] { auto e = simple(); e.push_back({"media/x.png", "png", ZIP_CM_STORE, true}); return test::archiveZip(e); }, Cause::Chiffree},
    {"sans_partie_principale", [] {
         auto e = simple();
         e.erase(e.begin());
         return test::archiveZip(e); }, Cause::PartieManquante},
    // The main part found where the package usually has it when the relationships do not name it.
    {"sans_relations", [] { auto e = simple(); e.erase(e.end() - 2); return test::archiveZip(e); }, std::nullopt},
    {"relation_vers_une_partie_absente", [] {
         auto e = simple();
         entree(e, "_rels/.rels")->octets = test::relations(test::relation("rId1", "officeDocument", "word/absent.xml"));
         return test::archiveZip(e); }, std::nullopt},
    {"document_mal_forme", [] {
         auto e = simple();
         entree(e, "word/document.xml")->octets = test::documentXml2006("<w:p><w:r>");
         return test::archiveZip(e); }, Cause::PartieInvalide},
    {"document_2003_dans_un_zip", [] {
         auto e = simple();
         entree(e, "word/document.xml")->octets = R"(<w:wordDocument xmlns:w="http://schemas.microsoft.com/office/word/2003/wordml"><w:body/></w:wordDocument>)";
         return test::archiveZip(e); }, Cause::PartieInvalide},
    {"document_trop_profond", [] {
         auto e = simple();
         std::string s; for (int i = 0; i < 100000; ++i) s += "<w:sdt>";
         entree(e, "word/document.xml")->octets = test::documentXml2006(s);
         return test::archiveZip(e); }, Cause::PartieInvalide},
    {"relations_trop_profondes", [] {
         auto e = simple();
         std::string s; for (int i = 0; i < 100000; ++i) s += "<a>";
         entree(e, "_rels/.rels")->octets = s;
         return test::archiveZip(e); }, Cause::PartieInvalide},
    {"styles_mal_formes", [] {
         auto e = test::entreesDocx({.corps = "<w:p/>", .styles = "<w:style>"});
         return test::archiveZip(e); }, Cause::PartieInvalide},
    {"entrees_1000", [] { return test::archiveZip(entrees(1000)); }, std::nullopt},
    {"entrees_1001", [] { return test::archiveZip(entrees(1001)); }, Cause::Refusee},
    {"total_declare_256_Mio", [] { return totalDeclare(256ull * Mio); }, std::nullopt},
    {"total_declare_256_Mio_plus_1", [] { return totalDeclare(256ull * Mio + 1); }, Cause::Refusee},
    {"document_declare_16_Mio_plus_1", [] {
         std::string z = test::archiveZip(simple());
         test::declareTaille(z, "word/document.xml", Cap + 1);
         return z; }, Cause::Refusee},
    {"document_16_Mio", [] { return test::archiveZip(documentDeTaille(Cap)); }, std::nullopt},
    {"document_16_Mio_plus_1", [] { return test::archiveZip(documentDeTaille(Cap + 1)); }, Cause::Refusee},
    // It declares a size under the limit, and inflates past it.
    {"document_dont_la_taille_declaree_ment", [] {
         std::string z = test::archiveZip(documentDeTaille(Cap + 1));
         test::declareTaille(z, "word/document.xml", 1000);
         return z; }, Cause::Refusee},
};
// clang-format on

class ArchiveHostile : public ::testing::TestWithParam<CasHostile> {};

TEST_P(ArchiveHostile, RefuseeAvecSaCause) {
    const CasHostile& c = GetParam();
    const std::string octets = c.archive();
    std::vector<std::string> avertissements;
    try {
        lireDocx(octets, avertissements);
        EXPECT_FALSE(c.cause) << "read";
    } catch (const ErreurDocx& e) {
        ASSERT_TRUE(c.cause) << e.what();
        EXPECT_EQ(e.cause(), *c.cause) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Docx, ArchiveHostile, ::testing::ValuesIn(Hostiles),
                         [](const auto& info) { return std::string(info.param.nom); });

// Messages name the part at fault, in the teacher's language.
TEST(ArchiveHostile, LeMessageNommeLaPartie) {
    auto e = simple();
    entree(e, "word/document.xml")->octets = test::documentXml2006("<w:p>");
    std::vector<std::string> avertissements;
    try {
        lireDocx(test::archiveZip(e), avertissements);
        FAIL() << "read";
    } catch (const ErreurDocx& x) {
        EXPECT_EQ(std::string(x.what()).rfind("word/document.xml : XML mal formé", 0), 0u) << x.what();
    }
}

}  // namespace
}  // namespace k58204::sim
