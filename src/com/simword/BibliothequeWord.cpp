#include "com/simword/BibliothequeWord.hpp"

#include <oleauto.h>

#include <deque>
#include <map>
#include <mutex>
#include <unordered_map>

#include "com/commun/Chaines.hpp"

namespace k58204::simword {

using com::Ptr;

namespace {

char16_t minuscule(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

std::u16string cle(std::u16string_view nom) {
    std::u16string c(nom);
    for (char16_t& x : c) x = minuscule(x);
    return c;
}

bool memeNom(std::u16string_view a, std::u16string_view b) { return cle(a) == cle(b); }

// The ids of the names the libraries do not list, for the whole process,
// handed out from IdsHorsBibliotheque up in the order names are first seen.
struct TableNoms {
    std::mutex verrou;
    std::unordered_map<std::u16string, DISPID> ids;
    std::deque<std::u16string> noms;  // noms[id - IdsHorsBibliotheque]; elements never move
};

TableNoms& tableNoms() {
    static TableNoms t;
    return t;
}

DISPID idHorsBibliotheque(std::u16string_view nom) {
    TableNoms& t = tableNoms();
    std::lock_guard<std::mutex> garde(t.verrou);
    std::u16string c = cle(nom);
    if (auto it = t.ids.find(c); it != t.ids.end()) return it->second;
    t.noms.emplace_back(nom);
    const auto id = static_cast<DISPID>(IdsHorsBibliotheque + static_cast<DISPID>(t.noms.size()) - 1);
    t.ids.emplace(std::move(c), id);
    return id;
}

bool nomHorsBibliotheque(DISPID id, std::u16string& nom) {
    TableNoms& t = tableNoms();
    std::lock_guard<std::mutex> garde(t.verrou);
    if (id < IdsHorsBibliotheque || static_cast<size_t>(id - IdsHorsBibliotheque) >= t.noms.size()) return false;
    nom = t.noms[static_cast<size_t>(id - IdsHorsBibliotheque)];
    return true;
}

// The names of member `id` of `info`: the member's, then its parameters'.
std::vector<std::u16string> lisNoms(ITypeInfo* info, DISPID id) {
    std::vector<std::u16string> r;
    BSTR noms[64] = {};
    UINT n = 0;
    // A member of a base interface (a button's Caption is its control's), when
    // the derived type does not give its names itself.
    Ptr<ITypeInfo> type(info);
    // A dual interface's base is named by its interface view (its dispatch
    // view derives from IDispatch).
    HREFTYPE vue = 0;
    Ptr<ITypeInfo> interfaceVue;
    if (SUCCEEDED(info->GetRefTypeOfImplType(static_cast<UINT>(-1), &vue)) &&
        SUCCEEDED(info->GetRefTypeInfo(vue, interfaceVue.put())) && interfaceVue)
        type = interfaceVue;
    for (int niveau = 0; FAILED(type->GetNames(id, noms, 64, &n)); ++niveau) {
        HREFTYPE base = 0;
        Ptr<ITypeInfo> suivant;
        if (niveau == 8 || FAILED(type->GetRefTypeOfImplType(0, &base)) ||
            FAILED(type->GetRefTypeInfo(base, suivant.put())) || !suivant)
            return r;
        type = suivant;
    }
    for (UINT i = 0; i < n; ++i) {
        r.emplace_back(com::texte(noms[i]));
        SysFreeString(noms[i]);
    }
    return r;
}

// The same, read once per type and id of the library (the types live as long
// as the process).
const std::vector<std::u16string>& nomsDe(ITypeInfo* info, DISPID id) {
    static const std::vector<std::u16string> aucun;
    if (!info || id >= IdsHorsBibliotheque) return aucun;
    static auto* lus = new std::map<std::pair<ITypeInfo*, DISPID>, std::vector<std::u16string>>();
    auto it = lus->find({info, id});
    if (it != lus->end()) return it->second;
    // Only the ids the library has are kept: a client calling at random adds nothing.
    std::vector<std::u16string> noms = lisNoms(info, id);
    if (noms.empty()) return aucun;
    return lus->emplace(std::make_pair(info, id), std::move(noms)).first->second;
}

Ptr<ITypeLib> charge(const std::wstring& chemin, const GUID& libid) {
    Ptr<ITypeLib> lib;
    if (FAILED(LoadTypeLibEx(chemin.c_str(), REGKIND_NONE, lib.put())) || !lib) return {};
    TLIBATTR* attributs = nullptr;
    if (FAILED(lib->GetLibAttr(&attributs)) || !attributs) return {};
    const bool bonne = IsEqualGUID(attributs->guid, libid);
    lib->ReleaseTLibAttr(attributs);
    return bonne ? lib : Ptr<ITypeLib>();
}

}  // namespace

std::u16string_view interfaceDeClasse(std::string_view classe) {
    struct Paire {
        std::string_view classe;
        std::u16string_view interfaceWord;
    };
    static constexpr Paire table[] = {
        {"ApplicationSim", u"_Application"}, {"DocumentsSim", u"Documents"}, {"DocumentSim", u"_Document"},
        {"MailMergeSim", u"MailMerge"}, {"WindowsSim", u"Windows"}, {"WindowSim", u"Window"}, {"ViewSim", u"View"},
        {"OptionsSim", u"Options"}, {"AddInsSim", u"AddIns"}, {"AddInSim", u"AddIn"},
        {"ObjetRange", u"Range"}, {"ObjetSelection", u"Selection"}, {"ObjetFont", u"Font"},
        {"ObjetParagraphFormat", u"ParagraphFormat"}, {"ObjetParagraph", u"Paragraph"},
        {"ObjetParagraphs", u"Paragraphs"}, {"ObjetCharacters", u"Characters"}, {"ObjetWords", u"Words"},
        {"ObjetBookmarks", u"Bookmarks"}, {"ObjetBookmark", u"Bookmark"}, {"ObjetFormFields", u"FormFields"},
        {"ObjetFormField", u"FormField"}, {"ObjetCheckBox", u"CheckBox"}, {"ObjetSections", u"Sections"},
        {"ObjetSection", u"Section"}, {"ObjetPageSetup", u"PageSetup"}, {"ObjetBorders", u"Borders"},
        {"ObjetBorder", u"Border"}, {"ObjetShading", u"Shading"},
        // The command bars' library; every control the simulator has is a button.
        {"CommandBarsSim", u"CommandBars"}, {"CommandBarSim", u"CommandBar"},
        {"CommandBarControlsSim", u"CommandBarControls"}, {"CommandBarControlSim", u"CommandBarButton"},
    };
    const size_t p = classe.rfind("::");
    if (p != std::string_view::npos) classe.remove_prefix(p + 2);
    for (const Paire& e : table)
        if (e.classe == classe) return e.interfaceWord;
    return {};
}

BibliothequeWord& BibliothequeWord::instance() {
    static BibliothequeWord* b = new BibliothequeWord();  // lives as long as the process
    return *b;
}

BibliothequeWord::BibliothequeWord() {
    std::wstring chemin(32768, L'\0');
    chemin.resize(GetModuleFileNameW(nullptr, chemin.data(), static_cast<DWORD>(chemin.size())));
    struct Cherche {
        const wchar_t* ressource;
        const GUID& libid;
        const WORD* version;
    };
    for (const Cherche& c : {Cherche{L"", LibidWord, VersionWord}, Cherche{L"\\2", LibidOffice, VersionOffice}}) {
        Ptr<ITypeLib> lib = charge(chemin + c.ressource, c.libid);
        if (!lib) LoadRegTypeLib(c.libid, c.version[0], c.version[1], LOCALE_NEUTRAL, lib.put());
        if (lib) bibliotheques_.push_back(lib);
    }
}

Ptr<ITypeInfo> BibliothequeWord::typeNomme(std::u16string_view interfaceWord) {
    if (interfaceWord.empty()) return {};
    for (const Ptr<ITypeLib>& lib : bibliotheques_) {
        for (UINT i = 0, n = lib->GetTypeInfoCount(); i < n; ++i) {
            BSTR nom = nullptr;
            if (FAILED(lib->GetDocumentation(static_cast<INT>(i), &nom, nullptr, nullptr, nullptr))) continue;
            const bool trouve = com::texte(nom) == interfaceWord;
            SysFreeString(nom);
            Ptr<ITypeInfo> info;
            if (trouve && SUCCEEDED(lib->GetTypeInfo(i, info.put()))) return info;
        }
    }
    return {};
}

bool nomMembre(ITypeInfo* info, DISPID id, std::u16string& nom) {
    if (const std::vector<std::u16string>& noms = nomsDe(info, id); !noms.empty()) {
        nom = noms[0];
        return true;
    }
    if (id == DISPID_VALUE) {
        nom.clear();
        return true;
    }
    return nomHorsBibliotheque(id, nom);
}

std::vector<DISPID> idsMembre(ITypeInfo* info, const std::vector<std::u16string_view>& noms) {
    std::vector<DISPID> ids;
    if (noms.empty()) return ids;
    DISPID membre = DISPID_UNKNOWN;
    if (noms[0].empty()) {
        membre = DISPID_VALUE;
    } else if (info) {
        com::Bstr n = com::bstr(noms[0]);
        LPOLESTR p = n.get();
        if (FAILED(info->GetIDsOfNames(&p, 1, &membre))) membre = DISPID_UNKNOWN;
    }
    static const std::vector<std::u16string> aucun;
    const std::vector<std::u16string>& declares = membre == DISPID_UNKNOWN ? aucun : nomsDe(info, membre);
    ids.push_back(membre != DISPID_UNKNOWN ? membre : idHorsBibliotheque(noms[0]));
    for (size_t i = 1; i < noms.size(); ++i) {
        DISPID id = DISPID_UNKNOWN;
        for (size_t j = 1; j < declares.size() && id == DISPID_UNKNOWN; ++j)
            if (memeNom(declares[j], noms[i])) id = static_cast<DISPID>(j - 1);
        ids.push_back(id != DISPID_UNKNOWN ? id : idHorsBibliotheque(noms[i]));
    }
    return ids;
}

bool nomArgument(ITypeInfo* info, DISPID membre, DISPID id, std::u16string& nom) {
    const std::vector<std::u16string>& declares = nomsDe(info, membre);
    if (id >= 0 && static_cast<size_t>(id) + 1 < declares.size()) {
        nom = declares[static_cast<size_t>(id) + 1];
        return true;
    }
    return nomHorsBibliotheque(id, nom) && !nom.empty();
}

}  // namespace k58204::simword
