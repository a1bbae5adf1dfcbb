#include "sim/docx/ApplicationDocx.hpp"

#include <rapidxml/rapidxml.hpp>

#include <vector>

#include "sim/doc/ProfondeurXml.hpp"
#include "sim/docx/ArchiveZip.hpp"
#include "sim/docx/Docx.hpp"

namespace k58204::sim {

std::string applicationDocx(std::string_view octets) {
    try {
        ArchiveZip archive(octets);
        std::optional<std::string> app = archive.lire("docProps/app.xml");
        if (!app || mesureProfondeurXml(*app, ProfondeurMaxWordML) != ProfondeurXml::Acceptable) return "";
        std::vector<char> tampon(app->begin(), app->end());
        tampon.push_back('\0');
        rapidxml::xml_document<char> xml;
        xml.parse<0>(tampon.data());
        const rapidxml::xml_node<char>* racine = xml.first_node();
        if (!racine) return "";
        // The element is in the extended-properties namespace, whatever prefix names it.
        for (auto* e = racine->first_node(); e; e = e->next_sibling()) {
            const std::string_view nom(e->name(), e->name_size());
            if (nom == "Application" || nom.ends_with(":Application")) return std::string(e->value(), e->value_size());
        }
    } catch (const ErreurDocx&) {
    } catch (const rapidxml::parse_error&) {
    }
    return "";
}

}  // namespace k58204::sim
