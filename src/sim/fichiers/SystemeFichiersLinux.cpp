#include "sim/fichiers/SystemeFichiersLinux.hpp"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/ErreursWindows.hpp"
#include "platform/NomsWindows.hpp"
#include "word/Erreur.hpp"
#include "word/Texte.hpp"

namespace fs = std::filesystem;

namespace k58204::sim {

namespace {

inline constexpr int32_t NomIncorrect = platform::NomFichierIncorrect;

[[noreturn]] void leve(int32_t numero) { platform::leveVb(numero); }

bool separateur(char16_t c) { return c == u'\\' || c == u'/'; }

bool estJoker(char16_t c) { return c == u'*' || c == u'?'; }

bool caractereInterdit(char16_t c) {
    return c < 32 || c == u'<' || c == u'>' || c == u':' || c == u'"' || c == u'|';
}

// A surrogate that is not one half of a pair: no ANSI (nor UTF-8) form.
bool surrogatIsole(std::u16string_view nom) {
    for (size_t i = 0; i < nom.size(); ++i) {
        const char16_t c = nom[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < nom.size() && nom[i + 1] >= 0xDC00 && nom[i + 1] <= 0xDFFF)
            ++i;
        else if (c >= 0xD800 && c <= 0xDFFF)
            return true;
    }
    return false;
}

bool nomDePeripherique(std::u16string_view nom) { return platform::estNomDePeripherique(nom); }

std::u16string nomDisque(const fs::path& p) { return depuisUtf8(p.filename().string()); }

fs::path versLinux(const fs::path& base, const std::u16string& nom) { return base / fs::path(versUtf8(nom)); }

// Windows wildcard match, without regard to case: * any run, ? one character;
// "*.*" matches every name, dotted or not.
bool joker(std::u16string_view motif, std::u16string_view nom) {
    if (motif == u"*.*") motif = u"*";
    size_t m = 0, n = 0, etoile = std::u16string_view::npos, reprise = 0;
    while (n < nom.size()) {
        if (m < motif.size() && (motif[m] == u'?' || motif[m] == nom[n])) {
            ++m;
            ++n;
        } else if (m < motif.size() && motif[m] == u'*') {
            etoile = m++;
            reprise = n;
        } else if (etoile != std::u16string_view::npos) {
            m = etoile + 1;
            n = ++reprise;
        } else {
            return false;
        }
    }
    while (m < motif.size() && motif[m] == u'*') ++m;
    return m == motif.size();
}

}  // namespace

SystemeFichiersLinux::SystemeFichiersLinux(fs::path racine)
    : racine_(fs::absolute(std::move(racine))), racineCanonique_(fs::weakly_canonical(racine_)) {}

std::vector<std::u16string> SystemeFichiersLinux::decoupe(std::u16string_view chemin, bool jokersPermis) const {
    if (chemin.size() >= 2 && separateur(chemin[0]) && separateur(chemin[1])) leve(err::CheminIntrouvable);  // UNC
    std::vector<std::u16string> composants;
    std::u16string_view reste = chemin;
    if (chemin.size() >= 2 && chemin[1] == u':') {
        char16_t lecteur = chemin[0];
        bool lettre = (lecteur >= u'a' && lecteur <= u'z') || (lecteur >= u'A' && lecteur <= u'Z');
        if (!lettre) leve(NomIncorrect);
        if (lecteur != u'c' && lecteur != u'C') leve(err::CheminIntrouvable);
        reste = chemin.substr(2);
        if (reste.empty() || !separateur(reste[0])) composants = courant_;  // "C:x": the current folder of C:
    } else if (chemin.empty() || !separateur(chemin[0])) {
        composants = courant_;
    }
    size_t i = 0;
    while (i <= reste.size()) {
        size_t j = i;
        while (j < reste.size() && !separateur(reste[j])) ++j;
        std::u16string nom(reste.substr(i, j - i));
        i = j + 1;
        if (nom.empty() || nom == u".") continue;
        if (nom == u"..") {
            if (!composants.empty()) composants.pop_back();
            continue;
        }
        for (char16_t c : nom) {
            if (caractereInterdit(c)) leve(NomIncorrect);
            if (estJoker(c) && !jokersPermis) leve(NomIncorrect);
        }
        if (surrogatIsole(nom)) leve(NomIncorrect);
        // Windows drops trailing dots and spaces from a name.
        while (!nom.empty() && (nom.back() == u'.' || nom.back() == u' ')) nom.pop_back();
        if (nom.empty()) leve(NomIncorrect);
        if (nom.size() > LongueurMaxNom) leve(err::CheminIntrouvable);
        if (nomDePeripherique(nom)) leve(err::AccesChemin);
        composants.push_back(std::move(nom));
    }
    // "C:" and "\" + each name, with the terminating NUL, must fit in MAX_PATH.
    size_t longueur = 3;
    for (const auto& n : composants) longueur += 1 + n.size();
    if (composants.empty()) ++longueur;
    if (longueur > LongueurMaxChemin) leve(err::CheminIntrouvable);
    return composants;
}

SystemeFichiersLinux::Resolution SystemeFichiersLinux::resous(const std::vector<std::u16string>& composants) const {
    Resolution r;
    r.linux = racine_;
    bool perdu = false;
    for (const std::u16string& voulu : composants) {
        std::u16string retenu = voulu;
        if (!perdu) {
            std::error_code ec;
            std::vector<std::u16string> candidats;
            if (fs::is_directory(r.linux, ec)) {
                std::u16string cle = LCase(voulu);
                for (const auto& e : fs::directory_iterator(r.linux, ec)) {
                    std::u16string n = nomDisque(e.path());
                    if (n == voulu) {
                        candidats.assign(1, n);
                        break;
                    }
                    if (LCase(n) == cle) candidats.push_back(n);
                }
            }
            if (candidats.empty()) {
                perdu = true;
            } else {
                std::sort(candidats.begin(), candidats.end());
                retenu = candidats.front();
                ++r.trouves;
            }
        }
        r.composants.push_back(retenu);
        r.linux = versLinux(r.linux, retenu);
        if (!perdu) verifieLien(r.linux);
    }
    return r;
}

bool SystemeFichiersLinux::lienSortant(const fs::path& p) const {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(p, ec))) return false;
    const fs::path cible = fs::canonical(p, ec);
    if (ec) return true;  // dangling: creating through it would land anywhere
    const std::string c = cible.string(), r = racineCanonique_.string();
    return !(c == r || c.rfind(r + "/", 0) == 0);
}

void SystemeFichiersLinux::verifieLien(const fs::path& p) const {
    if (lienSortant(p)) leve(err::AccesChemin);
}

void SystemeFichiersLinux::ajouteDetenteur(std::weak_ptr<const DetenteurFichiers> detenteur) {
    detenteurs_.erase(std::remove_if(detenteurs_.begin(), detenteurs_.end(), [](const auto& d) { return d.expired(); }),
                      detenteurs_.end());
    detenteurs_.push_back(std::move(detenteur));
}

bool SystemeFichiersLinux::tenuLinux(const fs::path& p, bool dedans, const DetenteurFichiers* sauf) const {
    const std::string k = cle(p);
    for (const auto& faible : detenteurs_) {
        std::shared_ptr<const DetenteurFichiers> d = faible.lock();
        if (!d || d.get() == sauf) continue;
        for (const std::u16string& chemin : d->fichiersTenus()) {
            try {
                Resolution h = resous(chemin);
                if (!h.existe()) continue;
                const std::string kh = cle(h.linux);
                if (kh == k || (dedans && kh.rfind(k + "/", 0) == 0)) return true;
            } catch (const Erreur&) {
                // A held path that no longer resolves holds nothing here.
            }
        }
    }
    return false;
}

bool SystemeFichiersLinux::tenu(std::u16string_view chemin, const DetenteurFichiers* sauf) const {
    try {
        Resolution r = resous(chemin);
        return r.existe() && tenuLinux(r.linux, false, sauf);
    } catch (const Erreur&) {
        return false;
    }
}

fs::path SystemeFichiersLinux::cheminLinux(std::u16string_view chemin) const { return resous(chemin).linux; }

std::u16string SystemeFichiersLinux::cheminAbsolu(std::u16string_view chemin) const {
    std::u16string s = u"C:";
    std::vector<std::u16string> c = decoupe(chemin, false);
    if (c.empty()) return s + u"\\";
    for (const auto& n : c) s += u"\\" + n;
    return s;
}

std::u16string SystemeFichiersLinux::cheminReel(std::u16string_view chemin) const {
    std::u16string s = u"C:";
    Resolution r = resous(chemin);
    if (r.composants.empty()) return s + u"\\";
    for (const auto& n : r.composants) s += u"\\" + n;
    return s;
}

std::string SystemeFichiersLinux::cle(const fs::path& p) const { return p.lexically_normal().string(); }

int32_t SystemeFichiersLinux::attributs(const fs::path& p) const {
    std::error_code ec;
    fs::file_status st = fs::status(p, ec);
    if (ec || !fs::exists(st)) return -1;
    auto it = attributs_.find(cle(p));
    if (fs::is_directory(st)) {
        int32_t a = platform::attr::Dossier;
        if (it != attributs_.end()) a |= it->second;
        return a;
    }
    int32_t a = it != attributs_.end() ? it->second : platform::attr::Archive;
    if ((st.permissions() & fs::perms::owner_write) == fs::perms::none) a |= platform::attr::LectureSeule;
    return a;
}

void SystemeFichiersLinux::oublie(const fs::path& p) {
    std::string k = cle(p);
    for (auto it = attributs_.begin(); it != attributs_.end();) {
        if (it->first == k || it->first.rfind(k + "/", 0) == 0)
            it = attributs_.erase(it);
        else
            ++it;
    }
}

// Windows says "file not found" when only the last name is missing from an
// existing folder, "path not found" when a folder of the path is missing or
// is a file.
void SystemeFichiersLinux::leveAbsent(const Resolution& r) const {
    std::error_code ec;
    const bool dansUnDossier = r.trouves + 1 == r.composants.size() && fs::is_directory(r.linux.parent_path(), ec);
    platform::leveWindows(dansUnDossier ? platform::codeWin32::FichierIntrouvable
                                        : platform::codeWin32::CheminIntrouvable);
}

void SystemeFichiersLinux::SetAttr(std::u16string_view chemin, int32_t a) {
    Resolution r = resous(chemin);
    if (!r.existe()) leveAbsent(r);
    if (a & ~(platform::attr::LectureSeule | platform::attr::Cache | platform::attr::Systeme | platform::attr::Archive))
        leve(err::AppelIncorrect);
    std::error_code ec;
    if (fs::is_directory(r.linux, ec)) {
        attributs_[cle(r.linux)] = a;
        return;
    }
    attributs_[cle(r.linux)] = a & ~platform::attr::LectureSeule;
    constexpr auto ecriture = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if (a & platform::attr::LectureSeule)
        fs::permissions(r.linux, ecriture, fs::perm_options::remove, ec);
    else
        fs::permissions(r.linux, fs::perms::owner_write, fs::perm_options::add, ec);
    if (ec) leve(err::AccesChemin);
}

int32_t SystemeFichiersLinux::GetAttr(std::u16string_view chemin) {
    Resolution r = resous(chemin);
    int32_t a = r.existe() ? attributs(r.linux) : -1;
    if (a < 0) leveAbsent(r);
    return a;
}

void SystemeFichiersLinux::Kill(std::u16string_view chemin) {
    Resolution r = resous(chemin);
    if (!r.existe()) leveAbsent(r);
    int32_t a = attributs(r.linux);
    // Kill looks for normal files only: a folder, a hidden or a system file is not found.
    if (a < 0 || (a & (platform::attr::Dossier | platform::attr::Cache | platform::attr::Systeme)))
        leve(err::FichierIntrouvable);
    if (a & platform::attr::LectureSeule) leve(err::AccesChemin);
    if (tenuLinux(r.linux, false, nullptr)) leve(err::PermissionRefusee);
    std::error_code ec;
    fs::remove(r.linux, ec);
    if (ec) leve(err::AccesChemin);
    oublie(r.linux);
}

void SystemeFichiersLinux::Name(std::u16string_view source, std::u16string_view destination) {
    Resolution s = resous(source);
    if (s.composants.empty()) leve(err::AccesChemin);
    if (!s.existe()) leve(err::FichierIntrouvable);
    if (tenuLinux(s.linux, false, nullptr)) leve(err::PermissionRefusee);
    // A folder that holds an open file cannot move either (access denied).
    if (tenuLinux(s.linux, true, nullptr)) leve(err::AccesChemin);
    std::vector<std::u16string> dc = decoupe(destination, false);
    if (dc.empty()) leve(err::FichierExistant);
    Resolution d = resous(dc);
    if (d.trouves + 1 < d.composants.size()) leve(err::CheminIntrouvable);
    std::error_code ec;
    if (d.existe() && !fs::equivalent(s.linux, d.linux, ec)) leve(err::FichierExistant);
    // The new name as given: renaming "a.doc" to "A.doc" changes its case.
    fs::path cible = versLinux(d.linux.parent_path(), dc.back());
    if (!fs::is_directory(cible.parent_path(), ec)) leve(err::CheminIntrouvable);
    // A folder cannot move into itself.
    std::string ks = cle(s.linux), kd = cle(cible);
    if (kd.rfind(ks + "/", 0) == 0) leve(err::AccesChemin);
    fs::rename(s.linux, cible, ec);
    if (ec) leve(err::AccesChemin);
    // Attributes follow the file (and, for a folder, what it holds).
    std::map<std::string, int32_t> deplaces;
    for (auto it = attributs_.begin(); it != attributs_.end();) {
        if (it->first == ks || it->first.rfind(ks + "/", 0) == 0) {
            deplaces[kd + it->first.substr(ks.size())] = it->second;
            it = attributs_.erase(it);
        } else {
            ++it;
        }
    }
    attributs_.insert(deplaces.begin(), deplaces.end());
}

std::vector<std::u16string> SystemeFichiersLinux::Dir(std::u16string_view motif, int32_t masque) {
    // The last component is the pattern; what comes before is the folder.
    size_t coupe = motif.size();
    while (coupe > 0 && !separateur(motif[coupe - 1]) && !(coupe == 2 && motif[1] == u':')) --coupe;
    std::u16string modele(motif.substr(coupe));
    if (modele.empty()) modele = u"*";
    for (char16_t c : modele)
        if (caractereInterdit(c)) leve(NomIncorrect);
    if (surrogatIsole(modele)) leve(NomIncorrect);
    if (nomDePeripherique(modele)) return {};
    std::u16string_view dossier = motif.substr(0, coupe);
    std::vector<std::u16string> composants;
    if (dossier.empty())
        composants = courant_;
    else if (dossier.size() == 2 && dossier[1] == u':')
        composants = decoupe(std::u16string(dossier) + u".", false);
    else
        composants = decoupe(dossier, false);
    Resolution r = resous(composants);
    std::error_code ec;
    if (!r.existe() || !fs::is_directory(r.linux, ec)) return {};

    std::u16string cleModele = LCase(modele);
    auto retenu = [&](const std::u16string& nom, int32_t a) {
        constexpr int32_t speciaux = platform::attr::Cache | platform::attr::Systeme | platform::attr::Dossier;
        return (a & speciaux & ~masque) == 0 && joker(cleModele, LCase(nom));
    };
    std::vector<std::u16string> resultat;
    if (!composants.empty())
        for (const char16_t* special : {u".", u".."})
            if (retenu(special, platform::attr::Dossier)) resultat.emplace_back(special);
    std::vector<std::pair<std::u16string, std::u16string>> entrees;  // (lower-cased, as on disk)
    for (const auto& e : fs::directory_iterator(r.linux, ec)) {
        if (lienSortant(e.path())) continue;
        std::u16string nom = nomDisque(e.path());
        if (retenu(nom, attributs(e.path()))) entrees.emplace_back(LCase(nom), nom);
    }
    std::sort(entrees.begin(), entrees.end());
    for (auto& [cle, nom] : entrees) resultat.push_back(std::move(nom));
    return resultat;
}

void SystemeFichiersLinux::ChDir(std::u16string_view chemin) {
    std::vector<std::u16string> c = decoupe(chemin, false);
    Resolution r = resous(c);
    std::error_code ec;
    if (!r.existe() || !fs::is_directory(r.linux, ec)) leve(err::CheminIntrouvable);
    courant_ = std::move(c);
}

std::u16string SystemeFichiersLinux::CurDir() {
    std::u16string s = u"C:";
    if (courant_.empty()) return s + u"\\";
    for (const auto& n : courant_) s += u"\\" + n;
    return s;
}

void SystemeFichiersLinux::MkDir(std::u16string_view chemin) {
    // CreateDirectoryA leaves room for an 8.3 name under the new folder.
    if (cheminAbsolu(chemin).size() + 1 > LongueurMaxDossier) leve(err::CheminIntrouvable);
    Resolution r = resous(chemin);
    if (r.composants.empty() || r.existe()) leve(err::AccesChemin);
    if (r.trouves + 1 < r.composants.size()) leve(err::CheminIntrouvable);
    std::error_code ec;
    if (!fs::is_directory(r.linux.parent_path(), ec)) leve(err::CheminIntrouvable);
    fs::create_directory(r.linux, ec);
    if (ec) leve(err::AccesChemin);
}

void SystemeFichiersLinux::RmDir(std::u16string_view chemin) {
    Resolution r = resous(chemin);
    if (!r.existe()) leve(err::CheminIntrouvable);
    std::error_code ec;
    if (r.composants.empty() || !fs::is_directory(r.linux, ec)) leve(err::AccesChemin);
    if (!fs::is_empty(r.linux, ec)) leve(err::AccesChemin);
    // The process's current folder (or a folder holding it) cannot be removed.
    Resolution courant = resous(courant_);
    std::string kc = cle(courant.linux), kr = cle(r.linux);
    if (kc == kr || kc.rfind(kr + "/", 0) == 0) leve(err::AccesChemin);
    fs::remove(r.linux, ec);
    if (ec) leve(err::AccesChemin);
    oublie(r.linux);
}

bool SystemeFichiersLinux::MakeSureDirectoryPathExists(std::u16string_view chemin) {
    try {
        // Only what comes before the last backslash is a folder.
        size_t fin = chemin.size();
        while (fin > 0 && !separateur(chemin[fin - 1])) --fin;
        if (fin == 0) return true;
        Resolution r = resous(chemin.substr(0, fin));
        std::error_code ec;
        fs::path p = racine_;
        for (const auto& n : r.composants) {
            p = versLinux(p, n);
            if (fs::is_directory(p, ec)) continue;
            if (fs::exists(p, ec) || !fs::create_directory(p, ec)) return false;
        }
        return true;
    } catch (const Erreur&) {
        return false;
    }
}

bool SystemeFichiersLinux::Existe(std::u16string_view chemin) {
    try {
        return resous(chemin).existe();
    } catch (const Erreur&) {
        return false;
    }
}

int32_t SystemeFichiersLinux::FileLen(std::u16string_view chemin) {
    Resolution r = resous(chemin);
    if (!r.existe()) leveAbsent(r);
    std::error_code ec;
    if (fs::is_directory(r.linux, ec)) return 0;
    const auto taille = fs::file_size(r.linux, ec);
    if (ec) leve(err::AccesChemin);
    return static_cast<int32_t>(taille);
}

// Whole seconds, as Windows' file times are shown to VB.
double SystemeFichiersLinux::FileDateTime(std::u16string_view chemin) {
    Resolution r = resous(chemin);
    if (!r.existe()) leveAbsent(r);
    std::error_code ec;
    const auto t = fs::last_write_time(r.linux, ec);
    if (ec) leve(err::AccesChemin);
    const std::time_t secondes = std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(t));
    std::tm local{};
    if (!localtime_r(&secondes, &local)) leve(err::AccesChemin);
    // The local time read as if it were UTC: seconds from 1/1/1970 (day 25569) on the local calendar.
    const std::time_t localeEnSecondes = timegm(&local);
    return 25569.0 + static_cast<double>(localeEnSecondes) / 86400.0;
}

std::string SystemeFichiersLinux::Lit(std::u16string_view chemin) {
    Resolution r = resous(chemin);
    std::error_code ec;
    if (!r.existe()) leveAbsent(r);
    if (fs::is_directory(r.linux, ec)) leve(err::AccesChemin);
    std::ifstream in(r.linux, std::ios::binary);
    if (!in) leve(err::AccesChemin);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void SystemeFichiersLinux::Ecrit(std::u16string_view chemin, std::string_view octets) {
    Resolution r = resous(chemin);
    if (r.existe() && tenuLinux(r.linux, false, nullptr)) leve(err::PermissionRefusee);
    ecritLinux(r, octets);
}

void SystemeFichiersLinux::ecritPour(std::u16string_view chemin, std::string_view octets,
                                     const DetenteurFichiers* auteur) {
    Resolution r = resous(chemin);
    if (r.existe() && tenuLinux(r.linux, false, auteur)) leve(err::PermissionRefusee);
    ecritLinux(r, octets);
}

void SystemeFichiersLinux::ecritLinux(const Resolution& r, std::string_view octets) {
    if (r.composants.empty()) leve(err::AccesChemin);
    if (r.trouves + 1 < r.composants.size()) leve(err::CheminIntrouvable);
    if (r.existe()) {
        int32_t a = attributs(r.linux);
        if (a & (platform::attr::Dossier | platform::attr::LectureSeule)) leve(err::AccesChemin);
    }
    std::ofstream out(r.linux, std::ios::binary | std::ios::trunc);
    if (!out) leve(err::AccesChemin);
    out.write(octets.data(), static_cast<std::streamsize>(octets.size()));
    if (!out) leve(err::AccesChemin);
    // Windows marks a written file for archiving.
    auto it = attributs_.find(cle(r.linux));
    if (it != attributs_.end()) it->second |= platform::attr::Archive;
}

}  // namespace k58204::sim
