#include "host/AnalyseurVba.hpp"

#include <optional>
#include <utility>
#include <vector>

#include "host/Constantes.hpp"
#include "host/ErreurSyntaxe.hpp"
#include "host/Lexeur.hpp"
#include "host/OperationsVba.hpp"
#include "word/Erreur.hpp"
#include "word/Objet.hpp"
#include "word/Texte.hpp"

namespace k58204::lecon {

namespace {

using G = Jeton::Genre;

ExpressionPtr litteral(Variant v, std::u16string nom = {}) {
    auto e = std::make_shared<Expression>();
    e->genre = Expression::Genre::Litteral;
    e->valeur = std::move(v);
    e->nom = std::move(nom);
    return e;
}

ExpressionPtr composee(Expression::Genre genre, std::vector<ExpressionPtr> operandes) {
    auto e = std::make_shared<Expression>();
    e->genre = genre;
    e->operandes = std::move(operandes);
    return e;
}

// Counts the nesting of the recursive rules (a parenthesis, a unary minus,
// an argument list) so that a deep expression is an error, not a stack
// overflow.
class Niveau {
public:
    explicit Niveau(size_t& profondeur) : profondeur_(profondeur) {
        if (++profondeur_ > ProfondeurMaxExpression) {
            --profondeur_;
            throw ErreurSyntaxe("expression trop imbriquée (plus de " + std::to_string(ProfondeurMaxExpression) +
                                " niveaux de parenthèses, de signes - ou d'appels)");
        }
    }
    ~Niveau() { --profondeur_; }
    Niveau(const Niveau&) = delete;
    Niveau& operator=(const Niveau&) = delete;

private:
    size_t& profondeur_;
};

// VBA's file statements, which a lesson script runs on the machine's files.
std::optional<Instruction::Genre> instructionFichiers(std::u16string_view nom) {
    using IG = Instruction::Genre;
    static constexpr std::pair<const char16_t*, IG> instructions[] = {
        {u"MkDir", IG::MkDir}, {u"Kill", IG::Kill},         {u"RmDir", IG::RmDir},       {u"ChDir", IG::ChDir},
        {u"ChDrive", IG::ChDrive}, {u"Name", IG::Name}, {u"FileCopy", IG::FileCopy}, {u"SetAttr", IG::SetAttr},
    };
    for (const auto& [n, genre] : instructions)
        if (memeNom(nom, n)) return genre;
    return std::nullopt;
}

class Analyseur {
public:
    Analyseur(std::u16string_view texte, size_t decalage) : jetons_(decoupe(texte, decalage)) {}

    Instruction instruction() {
        Instruction i;
        const Jeton& premier = courant();
        if (premier.genre == G::Identificateur && suivant().genre != G::Point && suivant().genre != G::Egal) {
            if (auto genre = instructionFichiers(premier.texte)) {
                avance();
                i.genre = *genre;
                i.valeur = expression();
                using IG = Instruction::Genre;
                if (i.genre == IG::Name) {
                    if (courant().genre != G::Identificateur || !memeNom(courant().texte, u"As"))
                        refuse("« As » attendu après le nom d'origine, trouvé " + cite(courant()));
                    avance();
                    i.second = expression();
                } else if (i.genre == IG::FileCopy || i.genre == IG::SetAttr) {
                    attends(G::Virgule, "« , »");
                    i.second = expression();
                }
                attendsFin();
                return i;
            }
        }
        i.cible = chaine(true);
        if (courant().genre == G::Egal) {
            avance();
            i.genre = Instruction::Genre::Affectation;
            i.valeur = expression();
        } else if (courant().genre != G::Fin) {
            Maillon& dernier = i.cible.back();
            if (dernier.parentheses)
                refuse("après un appel entre parenthèses, " + cite(courant()) + " est inattendu");
            listeArguments(dernier.arguments, G::Fin);
        }
        attendsFin();
        return i;
    }

    ExpressionPtr expressionSeule() {
        ExpressionPtr e = expression();
        attendsFin();
        return e;
    }

    Verification verification() {
        Verification v;
        v.lue = expression();
        if (courant().genre != G::Egal)
            refuse("« = » attendu entre l'expression lue et la valeur attendue, trouvé " + cite(courant()));
        avance();
        v.attendue = expression();
        attendsFin();
        return v;
    }

private:
    const Jeton& courant() const { return jetons_[pos_]; }
    const Jeton& suivant() const { return jetons_[pos_ + 1 < jetons_.size() ? pos_ + 1 : pos_]; }
    void avance() {
        if (courant().genre != G::Fin) ++pos_;
    }
    [[noreturn]] void refuse(const std::string& message) const { throw ErreurSyntaxe(message); }

    void attendsFin() const {
        if (courant().genre != G::Fin) refuse(cite(courant()) + " inattendu");
    }

    const Jeton& attends(G genre, const char* quoi) {
        if (courant().genre != genre) refuse(std::string(quoi) + " attendu, trouvé " + cite(courant()));
        const Jeton& j = courant();
        avance();
        return j;
    }

    // Arguments up to the closing token (")" or the end of the line).
    void listeArguments(ArgumentsVba& args, G fermeture) {
        if (courant().genre == fermeture) return;
        bool nommeVu = false;
        for (;;) {
            ArgumentVba a;
            if (courant().genre == G::Identificateur && suivant().genre == G::Affecte) {
                a.nom = courant().texte;
                avance();
                avance();
                nommeVu = true;
            } else if (nommeVu) {
                refuse("argument positionnel " + cite(courant()) + " après un argument nommé");
            }
            if (courant().genre == G::Virgule || courant().genre == fermeture)
                refuse("argument manquant avant " + cite(courant()));
            a.valeur = expression();
            args.push_back(std::move(a));
            if (courant().genre != G::Virgule) break;
            avance();
        }
        if (courant().genre != fermeture)
            refuse(std::string(fermeture == G::Fin ? "« , » ou la fin de la ligne" : "« , » ou « ) »") +
                   " attendu, trouvé " + cite(courant()));
    }

    void argumentsEntreParentheses(ArgumentsVba& args) {
        attends(G::ParenOuvrante, "« ( »");
        listeArguments(args, G::ParenFermante);
        attends(G::ParenFermante, "« ) »");
    }

    void refuseConstanteInconnue(const Jeton& j) const {
        refuse("constante inconnue « " + versUtf8(j.texte) + " »" + " (colonne " + std::to_string(j.colonne) + ")");
    }

    // In a statement, "(" after a space ends the chain: what follows is the
    // call syntax's first argument.
    Chemin chaine(bool enInstruction) {
        Chemin c;
        const Jeton& premier = courant();
        if (premier.genre != G::Identificateur) refuse("membre de Word attendu, trouvé " + cite(premier));
        if (ressembleAUneConstante(premier.texte)) {
            if (!constante(premier.texte)) refuseConstanteInconnue(premier);
            refuse("la constante " + cite(premier) + " n'est pas un membre de Word");
        }
        for (;;) {
            Maillon m;
            m.membre = attends(G::Identificateur, "nom de membre").texte;
            if (courant().genre == G::ParenOuvrante && !(enInstruction && courant().espaceAvant)) {
                m.parentheses = true;
                argumentsEntreParentheses(m.arguments);
            }
            c.push_back(std::move(m));
            if (courant().genre != G::Point) break;
            avance();
        }
        return c;
    }

    ExpressionPtr expression() {
        Niveau niveau(profondeur_);
        std::vector<ExpressionPtr> parts{unaire()};
        while (courant().genre == G::Esperluette) {
            avance();
            parts.push_back(unaire());
        }
        if (parts.size() == 1) return parts.front();
        return composee(Expression::Genre::Concatenation, std::move(parts));
    }

    ExpressionPtr unaire() {
        if (courant().genre != G::Moins) return primaire();
        Niveau niveau(profondeur_);
        avance();
        ExpressionPtr e = unaire();
        // A negative literal stays a literal (-1 is the Long -1).
        if (e->genre == Expression::Genre::Litteral && e->valeur.estNombre()) return litteral(oppose(e->valeur));
        return composee(Expression::Genre::Oppose, {e});
    }

    ExpressionPtr fonction(Expression::Genre genre, size_t minimum, size_t maximum) {
        const Jeton& nom = courant();
        avance();
        ArgumentsVba args;
        argumentsEntreParentheses(args);
        if (args.size() < minimum || args.size() > maximum)
            refuse(versUtf8(nom.texte) + " attend " +
                   (minimum == maximum ? std::to_string(minimum) : std::to_string(minimum) + " ou " + std::to_string(maximum)) +
                   " argument(s), il en a " + std::to_string(args.size()));
        std::vector<ExpressionPtr> operandes;
        for (ArgumentVba& a : args) {
            if (!a.nom.empty()) refuse(versUtf8(nom.texte) + " ne prend pas d'argument nommé");
            operandes.push_back(std::move(a.valeur));
        }
        return composee(genre, std::move(operandes));
    }

    ExpressionPtr primaire() {
        const Jeton& j = courant();
        switch (j.genre) {
            case G::Nombre:
            case G::Chaine: {
                ExpressionPtr e = litteral(j.valeur);
                avance();
                return e;
            }
            case G::ParenOuvrante: {
                avance();
                ExpressionPtr e = expression();
                attends(G::ParenFermante, "« ) »");
                return e;
            }
            case G::Identificateur: break;
            default: refuse("expression attendue, trouvé " + cite(j));
        }
        bool appel = suivant().genre == G::ParenOuvrante;
        bool suite = appel || suivant().genre == G::Point;
        if (!suite) {
            if (memeNom(j.texte, u"True") || memeNom(j.texte, u"False")) {
                ExpressionPtr e = litteral(Variant(memeNom(j.texte, u"True")));
                avance();
                return e;
            }
            if (auto v = constante(j.texte)) {
                ExpressionPtr e = litteral(*v, j.texte);
                avance();
                return e;
            }
        }
        if (appel && memeNom(j.texte, u"Chr")) return fonction(Expression::Genre::Chr, 1, 1);
        if (appel && memeNom(j.texte, u"ChrW")) return fonction(Expression::Genre::ChrW, 1, 1);
        if (appel && memeNom(j.texte, u"Dir")) return fonction(Expression::Genre::Dir, 1, 2);
        if (appel && memeNom(j.texte, u"FileLen")) return fonction(Expression::Genre::FileLen, 1, 1);
        if (appel && memeNom(j.texte, u"GetAttr")) return fonction(Expression::Genre::GetAttr, 1, 1);
        if (appel && memeNom(j.texte, u"FileDateTime")) return fonction(Expression::Genre::FileDateTime, 1, 1);
        if (appel && memeNom(j.texte, u"CurDir")) return fonction(Expression::Genre::CurDir, 0, 1);
        auto e = std::make_shared<Expression>();
        e->genre = Expression::Genre::Chemin;
        e->chemin = chaine(false);
        return e;
    }

    std::vector<Jeton> jetons_;
    size_t pos_ = 0;
    size_t profondeur_ = 0;
};

}  // namespace

Instruction analyseInstruction(std::u16string_view ligne, size_t decalage) {
    return Analyseur(ligne, decalage).instruction();
}

ExpressionPtr analyseExpression(std::u16string_view texte, size_t decalage) {
    return Analyseur(texte, decalage).expressionSeule();
}

Verification analyseVerification(std::u16string_view texte, size_t decalage) {
    return Analyseur(texte, decalage).verification();
}

}  // namespace k58204::lecon
