#pragma once
// Zip archives and .docx packages built in memory from XML strings, for the
// .docx reader's tests, with libzip (the same library the reader uses).
#include <zip.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace k58204::sim::test {

struct EntreeZip {
    std::string nom;
    std::string octets;
    int32_t methode = ZIP_CM_DEFLATE;
    bool chiffree = false;  // AES-256 with the password "secret"
};

// The bytes of an archive holding `entrees`, in that order.
inline std::string archiveZip(const std::vector<EntreeZip>& entrees) {
    zip_error_t erreur;
    zip_error_init(&erreur);
    zip_source_t* tampon = zip_source_buffer_create(nullptr, 0, 0, &erreur);
    zip_source_keep(tampon);
    zip_t* z = zip_open_from_source(tampon, ZIP_TRUNCATE, &erreur);
    if (!z) throw std::runtime_error("zip_open_from_source");
    for (const auto& e : entrees) {
        zip_source_t* s = zip_source_buffer(z, e.octets.data(), e.octets.size(), 0);
        zip_int64_t i = zip_file_add(z, e.nom.c_str(), s, ZIP_FL_ENC_UTF_8);
        if (i < 0) throw std::runtime_error("zip_file_add " + e.nom);
        zip_set_file_compression(z, static_cast<zip_uint64_t>(i), e.methode, 1);
        if (e.chiffree && zip_file_set_encryption(z, static_cast<zip_uint64_t>(i), ZIP_EM_AES_256, "secret") != 0)
            throw std::runtime_error("zip_file_set_encryption");
    }
    if (zip_close(z) != 0) throw std::runtime_error("zip_close");
    zip_stat_t st;
    zip_source_open(tampon);
    zip_source_stat(tampon, &st);
    std::string octets(st.size, '\0');
    zip_source_read(tampon, octets.data(), st.size);
    zip_source_close(tampon);
    zip_source_free(tampon);
    return octets;
}

// Rewrites the uncompressed size `nom` declares, in its local header and in
// the central directory alike, as a hostile archive would.
inline void declareTaille(std::string& zip, std::string_view nom, uint32_t taille) {
    auto u16 = [&](size_t i) { return static_cast<size_t>(uint8_t(zip[i]) | uint8_t(zip[i + 1]) << 8); };
    auto ecrit32 = [&](size_t i, uint32_t v) {
        for (int k = 0; k < 4; ++k) zip[i + k] = static_cast<char>(v >> (8 * k));
    };
    const std::string central("PK\x01\x02", 4);
    for (size_t i = zip.find(central); i != std::string::npos; i = zip.find(central, i + 4)) {
        if (zip.compare(i + 46, u16(i + 28), nom) != 0 || u16(i + 28) != nom.size()) continue;
        ecrit32(i + 24, taille);
        size_t local = static_cast<size_t>(uint8_t(zip[i + 42]) | uint8_t(zip[i + 43]) << 8 |
                                           uint8_t(zip[i + 44]) << 16 | uint32_t(uint8_t(zip[i + 45])) << 24);
        ecrit32(local + 22, taille);
        return;
    }
    throw std::runtime_error("no entry " + std::string(nom));
}

inline constexpr std::string_view EspacesW2006 =
    R"( xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main")"
    R"( xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships")"
    R"( xmlns:mc="http://schemas.openxmlformats.org/markup-compatibility/2006")";

// The parts of a .docx; empty strings are left out of the package.
struct PartiesDocx {
    std::string corps = {};      // inside w:body
    std::string styles = {};     // inside w:styles
    std::string reglages = {};   // inside w:settings
    std::string reglagesRels = {};  // inside the settings part's Relationships
    std::string core = {};       // inside cp:coreProperties
    std::string custom = {};     // inside Properties
    std::string theme = {};      // inside a:fontScheme
};

inline std::string relations(std::string_view contenu) {
    return R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
           R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)" +
           std::string(contenu) + "</Relationships>";
}
inline std::string relation(std::string_view id, std::string_view type, std::string_view cible) {
    return R"(<Relationship Id=")" + std::string(id) +
           R"(" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/)" + std::string(type) +
           R"(" Target=")" + std::string(cible) + R"("/>)";
}

inline std::string documentXml2006(std::string_view corps) {
    return "<w:document" + std::string(EspacesW2006) + "><w:body>" + std::string(corps) + "</w:body></w:document>";
}

// The entries of a package laid out as a word processor lays them out.
inline std::vector<EntreeZip> entreesDocx(const PartiesDocx& p) {
    std::string racine = relation("rId1", "officeDocument", "word/document.xml");
    std::string liens;
    std::vector<EntreeZip> e{{"word/document.xml", documentXml2006(p.corps)}};
    if (!p.styles.empty()) {
        e.push_back({"word/styles.xml", "<w:styles" + std::string(EspacesW2006) + ">" + p.styles + "</w:styles>"});
        liens += relation("rId1", "styles", "styles.xml");
    }
    if (!p.reglages.empty()) {
        e.push_back({"word/settings.xml", "<w:settings" + std::string(EspacesW2006) + ">" + p.reglages + "</w:settings>"});
        liens += relation("rId2", "settings", "settings.xml");
    }
    if (!p.theme.empty()) {
        e.push_back({"word/theme/theme1.xml",
                     R"(<a:theme xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main"><a:themeElements>)"
                     R"(<a:fontScheme name="x">)" + p.theme + "</a:fontScheme></a:themeElements></a:theme>"});
        liens += relation("rId3", "theme", "theme/theme1.xml");
    }
    if (!p.reglagesRels.empty()) e.push_back({"word/_rels/settings.xml.rels", relations(p.reglagesRels)});
    if (!p.core.empty()) {
        e.push_back({"docProps/core.xml",
                     R"(<cp:coreProperties xmlns:cp="http://schemas.openxmlformats.org/package/2006/metadata/core-properties")"
                     R"( xmlns:dc="http://purl.org/dc/elements/1.1/">)" + p.core + "</cp:coreProperties>"});
        racine += R"(<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties" Target="docProps/core.xml"/>)";
    }
    if (!p.custom.empty())
        e.push_back({"docProps/custom.xml",
                     R"(<Properties xmlns="http://schemas.openxmlformats.org/officeDocument/2006/custom-properties")"
                     R"( xmlns:vt="http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes">)" + p.custom +
                         "</Properties>"});
    e.push_back({"_rels/.rels", relations(racine)});
    e.push_back({"word/_rels/document.xml.rels", relations(liens)});
    return e;
}

inline std::string docx(const PartiesDocx& p) { return archiveZip(entreesDocx(p)); }

}  // namespace k58204::sim::test
