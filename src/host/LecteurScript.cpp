#include "host/LecteurScript.hpp"

#include <fstream>
#include <sstream>

#include "host/AnalyseurVba.hpp"
#include "host/CheminsUtf8.hpp"
#include "host/ErreurSyntaxe.hpp"
#include "host/Evaluateur.hpp"
#include "host/Lexeur.hpp"
#include "word/Erreur.hpp"
#include "word/Objet.hpp"
#include "word/Texte.hpp"

namespace k58204::lecon {

namespace {

using G = Jeton::Genre;

std::string joint(const std::vector<std::string>& lignes) {
    std::string s;
    for (const std::string& l : lignes) s += (s.empty() ? "" : "\n") + l;
    return s;
}

[[noreturn]] void refuse(const std::string& message) { throw ErreurSyntaxe(message); }

// Structure of UTF-8 sequences, with no overlong form, surrogate or value past U+10FFFF.
bool utf8Valide(std::string_view s) {
    size_t i = 0;
    while (i < s.size()) {
        unsigned char b = static_cast<unsigned char>(s[i]);
        size_t n;
        uint32_t c;
        if (b < 0x80) { ++i; continue; }
        if ((b & 0xE0) == 0xC0) { n = 2; c = b & 0x1F; }
        else if ((b & 0xF0) == 0xE0) { n = 3; c = b & 0x0F; }
        else if ((b & 0xF8) == 0xF0) { n = 4; c = b & 0x07; }
        else return false;
        if (i + n > s.size()) return false;
        for (size_t k = 1; k < n; ++k) {
            unsigned char d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xC0) != 0x80) return false;
            c = (c << 6) | (d & 0x3F);
        }
        static constexpr uint32_t minimum[] = {0, 0, 0x80, 0x800, 0x10000};
        if (c < minimum[n] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
        i += n;
    }
    return true;
}

bool estEspace(char16_t c) { return c == u' ' || c == u'\t' || c == 0xA0; }

std::u16string_view rogne(std::u16string_view s) {
    while (!s.empty() && estEspace(s.front())) s.remove_prefix(1);
    while (!s.empty() && estEspace(s.back())) s.remove_suffix(1);
    return s;
}

bool estMinuscule(char16_t c) { return c >= u'a' && c <= u'z'; }
bool estLettreAscii(char16_t c) { return estMinuscule(c) || (c >= u'A' && c <= u'Z'); }

// The leading word of a line (ASCII letters and "-", as desktop steps are written).
std::u16string_view premierMot(std::u16string_view s, bool avecTiret) {
    size_t n = 0;
    while (n < s.size() && (estLettreAscii(s[n]) || (avecTiret && s[n] == u'-'))) ++n;
    return s.substr(0, n);
}

// Tokens of what follows a step's keyword.
class Suite {
public:
    Suite(std::u16string_view texte, size_t decalage) : jetons_(decoupe(texte, decalage)) {}
    const Jeton& courant() const { return jetons_[pos_]; }
    bool est(G genre) const { return courant().genre == genre; }
    const Jeton& prend() {
        const Jeton& j = jetons_[pos_];
        if (j.genre != G::Fin) ++pos_;
        return j;
    }
    void fin(const std::string& etape) {
        if (!est(G::Fin)) refuse(etape + " : " + cite(courant()) + " inattendu");
    }

private:
    std::vector<Jeton> jetons_;
    size_t pos_ = 0;
};

std::optional<int32_t> entier(const Jeton& j) {
    if (j.genre != G::Nombre) return std::nullopt;
    if (auto n = j.valeur.si<int32_t>()) return *n;
    return std::nullopt;
}

etape::Exercice exercice(std::u16string_view reste, size_t decalage) {
    Suite s(reste, decalage);
    etape::Exercice e;
    auto n = entier(s.courant());
    if (!n) refuse("exercice : numéro d'exercice attendu, trouvé " + cite(s.courant()));
    s.prend();
    e.numero = *n;
    if (s.est(G::Chaine)) e.dossier = *s.prend().valeur.si<std::u16string>();
    s.fin("exercice");
    return e;
}

bool booleen(Suite& s, const std::string& nom) {
    const Jeton& j = s.courant();
    if (j.genre != G::Identificateur || !(memeNom(j.texte, u"True") || memeNom(j.texte, u"False")))
        refuse("attendu : " + nom + " vaut True ou False, trouvé " + cite(j));
    s.prend();
    return memeNom(j.texte, u"True");
}

std::u16string chaine(Suite& s, const std::string& quoi) {
    if (!s.est(G::Chaine)) refuse(quoi + " attendu, trouvé " + cite(s.courant()));
    return *s.prend().valeur.si<std::u16string>();
}

std::vector<std::u16string> liste(Suite& s) {
    if (!s.est(G::ParenOuvrante))
        refuse("attendu : Complement s'écrit (\"texte\", …) ou (), trouvé " + cite(s.courant()));
    s.prend();
    std::vector<std::u16string> textes;
    if (!s.est(G::ParenFermante)) {
        for (;;) {
            textes.push_back(chaine(s, "attendu : texte de Complement"));
            if (!s.est(G::Virgule)) break;
            s.prend();
        }
    }
    if (!s.est(G::ParenFermante)) refuse("attendu : « , » ou « ) » attendu dans Complement, trouvé " + cite(s.courant()));
    s.prend();
    return textes;
}

etape::AttenduErreur attenduErreur(Suite& s) {
    etape::AttenduErreur a;
    bool negatif = s.est(G::Moins);
    if (negatif) s.prend();
    if (s.est(G::Nombre)) {
        const Variant& v = s.courant().valeur;
        double d = negatif ? -v.CDbl() : v.CDbl();
        if (!v.si<int32_t>() && d != -2147483648.0)
            refuse("attendu erreur : numéro d'erreur " + cite(s.courant()) + " incorrect");
        a.numero = static_cast<int32_t>(d);
        s.prend();
    } else if (negatif) {
        refuse("attendu erreur : numéro d'erreur attendu après « - », trouvé " + cite(s.courant()));
    }
    a.fragment = chaine(s, "attendu erreur : fragment de la source de l'erreur (entre guillemets)");
    s.fin("attendu erreur");
    return a;
}

ContenuEtape attendu(std::u16string_view reste, size_t decalage) {
    Suite s(reste, decalage);
    if (s.est(G::Identificateur) && memeNom(s.courant().texte, u"erreur")) {
        s.prend();
        return attenduErreur(s);
    }
    etape::Attendu a;
    if (s.est(G::Fin)) refuse("attendu : rien à vérifier (ErreurGenerale=, CauseErreur=, BravoNuance=, Complement=)");
    while (!s.est(G::Fin)) {
        const Jeton& nom = s.courant();
        if (nom.genre != G::Identificateur) refuse("attendu : nom de propriété attendu, trouvé " + cite(nom));
        s.prend();
        std::string n = versUtf8(nom.texte);
        if (!s.est(G::Egal)) refuse("attendu : « = » attendu après " + n + ", trouvé " + cite(s.courant()));
        s.prend();
        auto unique = [&](bool dejaVu) {
            if (dejaVu) refuse("attendu : " + n + " est donné deux fois");
        };
        if (memeNom(nom.texte, u"ErreurGenerale")) {
            unique(a.erreurGenerale.has_value());
            a.erreurGenerale = booleen(s, "ErreurGenerale");
        } else if (memeNom(nom.texte, u"CauseErreur")) {
            unique(a.causeErreur.has_value());
            a.causeErreur = chaine(s, "attendu : CauseErreur entre guillemets");
        } else if (memeNom(nom.texte, u"BravoNuance")) {
            unique(a.bravoNuance.has_value());
            a.bravoNuance = booleen(s, "BravoNuance");
        } else if (memeNom(nom.texte, u"Complement")) {
            unique(a.complement.has_value());
            a.complement = liste(s);
        } else {
            refuse("attendu : propriété inconnue « " + n + " » (ErreurGenerale, CauseErreur, BravoNuance, Complement)");
        }
    }
    return a;
}

etape::Verifie verifie(std::u16string_view reste, size_t decalage) {
    Verification v = analyseVerification(reste, decalage);
    std::optional<Variant> attendu;
    try {
        attendu = valeurConstante(*v.attendue);
    } catch (const Erreur& e) {
        refuse(std::string("verifie : valeur attendue incorrecte (") + e.what() + ")");
    }
    if (!attendu)
        refuse("verifie : la valeur attendue doit être une constante (littéral, constante nommée, Chr, &), pas une lecture");
    return etape::Verifie{v.lue, *attendu};
}

etape::Bureau bureau(std::u16string_view reste, size_t decalage) {
    using A = etape::Bureau::Action;
    std::u16string_view rognee = rogne(reste);
    decalage += static_cast<size_t>(rognee.data() - reste.data());
    reste = rognee;
    std::u16string_view mot = premierMot(reste, true);
    std::string m = versUtf8(mot);
    Suite s(reste.substr(mot.size()), decalage + mot.size());
    etape::Bureau b;
    if (memeNom(mot, u"dialogue")) {
        b.action = A::Dialogue;
        b.titre = chaine(s, "! dialogue : titre de la boîte (entre guillemets)");
    } else if (memeNom(mot, u"occupe")) {
        b.action = A::Occupe;
        if (!s.est(G::Fin)) {
            auto n = entier(s.courant());
            if (!n || *n < 1) refuse("! occupe : nombre d'appels (1 ou plus) attendu, trouvé " + cite(s.courant()));
            b.appels = *n;
            s.prend();
        }
    } else if (memeNom(mot, u"bulle")) {
        b.action = A::Bulle;
    } else if (memeNom(mot, u"ferme-word")) {
        b.action = A::FermeWord;
    } else if (memeNom(mot, u"cache-word")) {
        b.action = A::CacheWord;
    } else if (memeNom(mot, u"reduit-word")) {
        b.action = A::ReduitWord;
    } else {
        refuse("étape de bureau inconnue « " + (m.empty() ? versUtf8(reste) : m) +
               " » (dialogue, bulle, occupe, ferme-word, cache-word, reduit-word)");
    }
    s.fin("! " + m);
    return b;
}

// s: the step without its comment nor its surrounding blanks; retrait: the
// blanks before it, so that columns are the line's.
ContenuEtape analyseEtape(std::u16string_view s, size_t retrait) {
    if (s.front() == u'!') return bureau(s.substr(1), retrait + 1);
    std::u16string_view mot = premierMot(s, false);
    std::u16string_view reste = s.substr(mot.size());
    size_t decalage = retrait + mot.size();
    if (memeNom(mot, u"exercice")) return exercice(reste, decalage);
    if (memeNom(mot, u"teste") || memeNom(mot, u"fermer") || memeNom(mot, u"quitter")) {
        Suite(reste, decalage).fin(versUtf8(mot));
        if (memeNom(mot, u"teste")) return etape::Teste{};
        if (memeNom(mot, u"fermer")) return etape::Fermer{};
        return etape::Quitter{};
    }
    if (memeNom(mot, u"attendu")) return attendu(reste, decalage);
    if (memeNom(mot, u"verifie")) return verifie(reste, decalage);
    // Word's members start with a capital; a lower-case word is a step
    // keyword gone wrong (VBA's own MkDir and Kill aside).
    bool minuscules = !mot.empty();
    for (char16_t c : mot) minuscules = minuscules && estMinuscule(c);
    if (minuscules && !memeNom(mot, u"mkdir") && !memeNom(mot, u"kill"))
        refuse("étape inconnue « " + versUtf8(mot) +
               " » (exercice, teste, fermer, quitter, attendu, verifie, ! …, ou une instruction VBA sur Word)");
    return etape::Vba{analyseInstruction(s, retrait)};
}

bool peutLever(const ContenuEtape& c) {
    return std::holds_alternative<etape::Exercice>(c) || std::holds_alternative<etape::Teste>(c) ||
           std::holds_alternative<etape::Fermer>(c) || std::holds_alternative<etape::Quitter>(c) ||
           std::holds_alternative<etape::Vba>(c);
}

}  // namespace

std::string texte(const Position& p) { return p.fichier + ":" + std::to_string(p.ligne); }

ErreurScript::ErreurScript(std::vector<std::string> erreurs)
    : std::runtime_error(joint(erreurs)), erreurs_(std::move(erreurs)) {}

std::u16string sansCommentaire(std::u16string_view ligne) {
    bool dansChaine = false;
    for (size_t i = 0; i < ligne.size(); ++i) {
        char16_t c = ligne[i];
        if (c == u'"') dansChaine = !dansChaine;
        if (!dansChaine && (c == u'#' || c == u'\'')) return std::u16string(ligne.substr(0, i));
    }
    return std::u16string(ligne);
}

Script analyseScript(std::string_view contenu, const std::string& fichier) {
    if (contenu.substr(0, 3) == "\xEF\xBB\xBF") contenu.remove_prefix(3);
    Script script;
    script.fichier = fichier;
    std::vector<std::string> erreurs;
    bool apresEtapeQuiPeutLever = false;
    int numero = 0;
    while (!contenu.empty() || numero == 0) {
        if (erreurs.size() >= ErreursMaxScript) {
            erreurs.push_back(fichier + ":" + std::to_string(numero + 1) + ": " + std::to_string(ErreursMaxScript) +
                              " erreurs : lecture du script arrêtée");
            break;
        }
        ++numero;
        size_t fin = contenu.find('\n');
        std::string_view brute = contenu.substr(0, fin);
        contenu.remove_prefix(fin == std::string_view::npos ? contenu.size() : fin + 1);
        if (!brute.empty() && brute.back() == '\r') brute.remove_suffix(1);
        Position pos{fichier, numero};
        if (!utf8Valide(brute)) {
            erreurs.push_back(texte(pos) + ": texte qui n'est pas de l'UTF-8 valide");
            continue;
        }
        std::u16string sansNote = sansCommentaire(depuisUtf8(brute));
        std::u16string_view utile = rogne(sansNote);
        std::u16string ligne(utile);
        if (ligne.empty()) continue;
        try {
            ContenuEtape c = analyseEtape(ligne, static_cast<size_t>(utile.data() - sansNote.data()));
            if (std::holds_alternative<etape::AttenduErreur>(c) && !apresEtapeQuiPeutLever)
                refuse("« attendu erreur » doit suivre une étape de l'hôte (exercice, teste, fermer, quitter) ou une instruction VBA");
            apresEtapeQuiPeutLever = peutLever(c);
            script.etapes.push_back(Etape{pos, ligne, std::move(c)});
        } catch (const ErreurSyntaxe& e) {
            erreurs.push_back(texte(pos) + ": " + e.what());
            apresEtapeQuiPeutLever = false;
        }
    }
    if (!erreurs.empty()) throw ErreurScript(std::move(erreurs));
    return script;
}

Script litScript(const std::filesystem::path& chemin) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(chemin, ec))
        throw ErreurScript({texteChemin(chemin) + ": fichier introuvable ou illisible"});
    if (const auto taille = std::filesystem::file_size(chemin, ec); !ec && taille > TailleMaxScript)
        throw ErreurScript({texteChemin(chemin) + ": script de " + std::to_string(taille) + " octets, plus que les " +
                            std::to_string(TailleMaxScript) + " permis"});
    std::ifstream f(chemin, std::ios::binary);
    std::ostringstream contenu;
    if (f) contenu << f.rdbuf();
    if (!f) throw ErreurScript({texteChemin(chemin) + ": impossible de lire le fichier"});
    return analyseScript(contenu.str(), texteChemin(chemin));
}

}  // namespace k58204::lecon
