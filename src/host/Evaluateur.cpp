#include "host/Evaluateur.hpp"

#include "host/OperationsVba.hpp"
#include "word/Erreur.hpp"

namespace k58204::lecon {

namespace {

using E = Expression::Genre;

// The operations that do not depend on where operands come from.
template <class Valeur>
Variant combine(const Expression& e, Valeur&& valeurDe) {
    switch (e.genre) {
        case E::Concatenation: {
            Variant r = valeurDe(*e.operandes.front());
            for (size_t i = 1; i < e.operandes.size(); ++i) r = concatene(r, valeurDe(*e.operandes[i]));
            return r;
        }
        case E::Oppose: return oppose(valeurDe(*e.operandes.front()));
        case E::Chr: return chr(valeurDe(*e.operandes.front()));
        case E::ChrW: return chrW(valeurDe(*e.operandes.front()));
        default: return e.valeur;
    }
}

}  // namespace

Evaluateur::Evaluateur(ObjetPtr application, platform::SystemeFichiers& fichiers)
    : application_(std::move(application)), fichiers_(fichiers) {}

Arguments Evaluateur::arguments(const ArgumentsVba& args) {
    Arguments out;
    for (const ArgumentVba& a : args) {
        Variant v = evalue(*a.valeur);
        if (a.nom.empty())
            out.emplace_back(std::move(v));
        else
            out.emplace_back(a.nom, std::move(v));
    }
    return out;
}

Variant Evaluateur::parcours(const Chemin& chemin, size_t n) {
    Variant courant(application_);
    for (size_t i = 0; i < n; ++i) {
        ObjetPtr o = courant.objet();
        courant = o->invoke(chemin[i].membre, Appel::Get, arguments(chemin[i].arguments));
    }
    return courant;
}

void Evaluateur::execute(const Instruction& instruction) {
    switch (instruction.genre) {
        case Instruction::Genre::MkDir: fichiers_.MkDir(evalue(*instruction.valeur).CStr()); return;
        case Instruction::Genre::Kill: fichiers_.Kill(evalue(*instruction.valeur).CStr()); return;
        case Instruction::Genre::RmDir: fichiers_.RmDir(evalue(*instruction.valeur).CStr()); return;
        case Instruction::Genre::ChDir: fichiers_.ChDir(evalue(*instruction.valeur).CStr()); return;
        case Instruction::Genre::ChDrive: chDrive(evalue(*instruction.valeur).CStr()); return;
        case Instruction::Genre::Name: {
            const std::u16string source = evalue(*instruction.valeur).CStr();
            fichiers_.Name(source, evalue(*instruction.second).CStr());
            return;
        }
        case Instruction::Genre::FileCopy: {
            // VB copies the bytes, over an existing destination.
            const std::string octets = fichiers_.Lit(evalue(*instruction.valeur).CStr());
            fichiers_.Ecrit(evalue(*instruction.second).CStr(), octets);
            return;
        }
        case Instruction::Genre::SetAttr: {
            const std::u16string chemin = evalue(*instruction.valeur).CStr();
            fichiers_.SetAttr(chemin, evalue(*instruction.second).CLng());
            return;
        }
        case Instruction::Genre::Appel:
        case Instruction::Genre::Affectation: break;
    }
    const Chemin& c = instruction.cible;
    ObjetPtr objet = parcours(c, c.size() - 1).objet();
    Arguments args = arguments(c.back().arguments);
    if (instruction.genre == Instruction::Genre::Affectation) {
        args.emplace_back(evalue(*instruction.valeur));
        objet->invoke(c.back().membre, Appel::Put, args);
    } else {
        objet->invoke(c.back().membre, Appel::Call, args);
    }
}

// ChDrive takes the drive's letter (the first character; "" changes
// nothing). A drive the machine lacks is "device unavailable" (68).
void Evaluateur::chDrive(const std::u16string& lecteur) {
    if (lecteur.empty()) return;
    try {
        fichiers_.ChDir(lecteur.substr(0, 1) + u":");
    } catch (const Erreur& e) {
        if (e.numero() != err::CheminIntrouvable) throw;
        throw Erreur(PeripheriqueIndisponible, SourceComposant, u"Périphérique non disponible");
    }
}

Variant Evaluateur::evalue(const Expression& e) {
    switch (e.genre) {
        case E::Litteral: return e.valeur;
        case E::Chemin: return parcours(e.chemin, e.chemin.size());
        case E::Dir: {
            int32_t attributs = e.operandes.size() > 1 ? evalue(*e.operandes[1]).CLng() : platform::attr::Normal;
            auto noms = fichiers_.Dir(evalue(*e.operandes[0]).CStr(), attributs);
            return Variant(noms.empty() ? std::u16string() : noms.front());
        }
        case E::FileLen: return Variant(fichiers_.FileLen(evalue(*e.operandes[0]).CStr()));
        case E::GetAttr: return Variant(fichiers_.GetAttr(evalue(*e.operandes[0]).CStr()));
        case E::FileDateTime: return Variant(fichiers_.FileDateTime(evalue(*e.operandes[0]).CStr()));
        case E::CurDir: {
            // Only drive C: has a current folder here; another drive is unavailable (68).
            if (!e.operandes.empty()) {
                const std::u16string lecteur = evalue(*e.operandes[0]).CStr();
                if (!lecteur.empty() && lecteur[0] != u'c' && lecteur[0] != u'C')
                    throw Erreur(PeripheriqueIndisponible, SourceComposant, u"Périphérique non disponible");
            }
            return Variant(fichiers_.CurDir());
        }
        default: return combine(e, [this](const Expression& o) { return evalue(o); });
    }
}

Variant Evaluateur::valeur(const Expression& e) {
    Variant v = evalue(e);
    if (v.estObjet()) return v.objet()->invoke(u"", Appel::Get, {});
    return v;
}

namespace {
bool estConstante(const Expression& e) {
    if (e.genre == E::Chemin || e.genre == E::Dir || e.genre == E::FileLen || e.genre == E::GetAttr ||
        e.genre == E::FileDateTime || e.genre == E::CurDir)
        return false;
    for (const ExpressionPtr& o : e.operandes)
        if (!estConstante(*o)) return false;
    return true;
}

Variant evalueConstante(const Expression& e) { return combine(e, evalueConstante); }
}  // namespace

std::optional<Variant> valeurConstante(const Expression& e) {
    if (!estConstante(e)) return std::nullopt;
    return evalueConstante(e);
}

}  // namespace k58204::lecon
