#include "sim/doc/WordMLTables.hpp"

#include <array>
#include <utility>

namespace k58204::sim::wordml {

namespace {
using Paire = std::pair<std::string_view, int32_t>;

constexpr std::array<Paire, 17> Surlignages{{
    {"none", 0},        {"black", 1},        {"blue", 2},        {"cyan", 3},          {"green", 4},
    {"magenta", 5},     {"red", 6},          {"yellow", 7},      {"white", 8},         {"dark-blue", 9},
    {"dark-cyan", 10},  {"dark-green", 11},  {"dark-magenta", 12}, {"dark-red", 13},   {"dark-yellow", 14},
    {"dark-gray", 15},  {"light-gray", 16},
}};

constexpr std::array<Paire, 11> Traits{{
    {"none", 0},          {"nil", 0},         {"single", 1},         {"dotted", 2},      {"dashed", 4},
    {"dash-small-gap", 3}, {"dot-dash", 5},   {"dot-dot-dash", 6},   {"double", 7},      {"triple", 8},
    {"thick", 1},
}};

constexpr std::array<Paire, 5> Alignements{{
    {"left", 0}, {"center", 1}, {"right", 2}, {"both", 3}, {"distribute", 4},
}};

constexpr std::array<Paire, 7> Vues{{
    {"normal", 1}, {"outline", 2}, {"print", 3}, {"web", 6}, {"master-pages", 5}, {"reading", 7}, {"none", 3},
}};

constexpr std::array<Paire, 5> Protections{{
    {"none", -1}, {"tracked-changes", 0}, {"comments", 1}, {"forms", 2}, {"read-only", 3},
}};

template <size_t N> std::optional<int32_t> cherche(const std::array<Paire, N>& t, std::string_view nom) {
    for (const auto& [n, v] : t)
        if (n == nom) return v;
    return std::nullopt;
}
template <size_t N> std::string_view nomDe(const std::array<Paire, N>& t, int32_t v, std::string_view defaut) {
    for (const auto& [n, x] : t)
        if (x == v) return n;
    return defaut;
}
}  // namespace

std::optional<int32_t> surlignageDeNom(std::string_view nom) { return cherche(Surlignages, nom); }
std::string_view nomDeSurlignage(int32_t index) { return nomDe(Surlignages, index, "none"); }

std::optional<int32_t> traitDeNom(std::string_view nom) {
    if (auto v = cherche(Traits, nom)) return v;
    return nom.empty() ? std::nullopt : std::optional<int32_t>(1);
}
std::string_view nomDeTrait(int32_t style) {
    if (style == 0) return "nil";
    return nomDe(Traits, style, "single");
}

std::optional<int32_t> alignementDeNom(std::string_view nom) { return cherche(Alignements, nom); }
std::string_view nomDAlignement(int32_t a) { return nomDe(Alignements, a, "left"); }

std::optional<int32_t> vueDeNom(std::string_view nom) { return cherche(Vues, nom); }

std::optional<int32_t> protectionDeNom(std::string_view nom) { return cherche(Protections, nom); }
std::string_view nomDeProtection(int32_t p) { return nomDe(Protections, p, "none"); }

}  // namespace k58204::sim::wordml
