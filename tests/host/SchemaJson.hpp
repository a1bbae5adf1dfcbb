#pragma once
// A small structural check of a JSON value against a JSON Schema: the
// keywords the repository's schemas use (type, enum, required, properties,
// additionalProperties: false, items, minimum, maximum, pattern). Returns
// what does not match, each with its JSON pointer.
#include <regex>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace k58204::lecon::test {

inline bool deType(const nlohmann::json& v, const std::string& type) {
    return type == v.type_name() || (type == "integer" && v.is_number_integer()) ||
           (type == "number" && v.is_number());
}

inline void valide(const nlohmann::json& v, const nlohmann::json& schema, const std::string& ou,
                   std::vector<std::string>& fautes) {
    if (schema.contains("type")) {
        const nlohmann::json& t = schema["type"];
        bool bon = false;
        for (const auto& un : t.is_array() ? t : nlohmann::json::array({t})) bon = bon || deType(v, un.get<std::string>());
        if (!bon) return fautes.push_back(ou + ": type " + std::string(v.type_name()) + ", attendu " + t.dump());
    }
    if (schema.contains("enum") && std::find(schema["enum"].begin(), schema["enum"].end(), v) == schema["enum"].end())
        fautes.push_back(ou + ": " + v.dump() + " hors de " + schema["enum"].dump());
    if (v.is_number() && schema.contains("minimum") && v.get<double>() < schema["minimum"].get<double>())
        fautes.push_back(ou + ": trop petit");
    if (v.is_number() && schema.contains("maximum") && v.get<double>() > schema["maximum"].get<double>())
        fautes.push_back(ou + ": trop grand");
    if (v.is_string() && schema.contains("pattern") &&
        !std::regex_search(v.get<std::string>(), std::regex(schema["pattern"].get<std::string>())))
        fautes.push_back(ou + ": " + v.dump() + " ne suit pas " + schema["pattern"].get<std::string>());
    if (v.is_object()) {
        for (const auto& r : schema.value("required", nlohmann::json::array()))
            if (!v.contains(r.get<std::string>())) fautes.push_back(ou + ": " + r.get<std::string>() + " manque");
        const nlohmann::json proprietes = schema.value("properties", nlohmann::json::object());
        for (const auto& [cle, valeur] : v.items()) {
            if (proprietes.contains(cle))
                valide(valeur, proprietes[cle], ou + "/" + cle, fautes);
            else if (schema.value("additionalProperties", true) == false)
                fautes.push_back(ou + ": propriété " + cle + " inconnue");
        }
    }
    if (v.is_array() && schema.contains("items"))
        for (size_t i = 0; i < v.size(); ++i) valide(v[i], schema["items"], ou + "/" + std::to_string(i), fautes);
}

inline std::vector<std::string> valide(const nlohmann::json& v, const nlohmann::json& schema) {
    std::vector<std::string> fautes;
    valide(v, schema, "", fautes);
    return fautes;
}

}  // namespace k58204::lecon::test
