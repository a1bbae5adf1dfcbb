// The moves Range and Selection share, by unit or by characters of a set
// (see Deplacements.hpp for how each moves and what it returns).
#include "sim/texte/Deplacements.hpp"
#include "sim/texte/Plage.hpp"

namespace k58204::sim {

std::optional<Variant> ObjetPlage::deplacements(std::u16string_view nom, Appel appel, const ArgumentsSim& args) {
    using namespace deplacement;
    if (!estLecture(appel)) return std::nullopt;
    const ModeleDocument& m = lecture();
    auto parUnite = [&](int32_t defaut) { return unite(entierOptionnel(args, 0, u"Unit", defaut), estSelection()); };
    auto applique = [&](Resultat r, bool parLeDebut = false) {
        if (parLeDebut) definitParLeDebut(r.etendue);
        else definit(r.etendue);
        return Variant(r.rendu);
    };
    const Etendue e = etendue();
    if (estNom(nom, u"Move") || estNom(nom, u"MoveStart") || estNom(nom, u"MoveEnd")) {
        const Unite u = parUnite(word::wd::Character);
        const int32_t nombre = nombreBorne(entierOptionnel(args, 1, u"Count", 1));
        if (estNom(nom, u"Move")) return applique(deplace(m, e, u, nombre));
        if (estNom(nom, u"MoveStart")) return applique(deplaceDebut(m, e, u, nombre), true);
        return applique(deplaceFin(m, e, u, nombre));
    }
    if (estNom(nom, u"StartOf") || estNom(nom, u"EndOf")) {
        const Unite u = parUnite(word::wd::Word);
        const bool etendre = entierOptionnel(args, 1, u"Extend", word::wd::Move) != word::wd::Move;
        if (estNom(nom, u"StartOf")) return applique(debutDe(m, e, u, etendre), true);
        return applique(finDe(m, e, u, etendre));
    }
    if (estNom(nom, u"Expand")) return applique(agrandit(m, e, parUnite(word::wd::Word)));
    struct Forme {
        std::u16string_view nom;
        Recherche recherche;
        Bout bout;
    };
    static constexpr Forme formes[] = {
        {u"MoveUntil", Recherche::Jusqua, Bout::DeuxBouts},     {u"MoveWhile", Recherche::TantQue, Bout::DeuxBouts},
        {u"MoveStartUntil", Recherche::Jusqua, Bout::Debut},    {u"MoveStartWhile", Recherche::TantQue, Bout::Debut},
        {u"MoveEndUntil", Recherche::Jusqua, Bout::Fin},        {u"MoveEndWhile", Recherche::TantQue, Bout::Fin},
    };
    for (const Forme& f : formes) {
        if (!estNom(nom, f.nom)) continue;
        const std::u16string jeu = args.requis(0, u"Cset").CStr();
        const int32_t nombre = nombreBorne(entierOptionnel(args, 1, u"Count", word::wd::Forward));
        return applique(parCaracteres(m, e, jeu, nombre, f.recherche, f.bout), f.bout == Bout::Debut);
    }
    return std::nullopt;
}

}  // namespace k58204::sim
