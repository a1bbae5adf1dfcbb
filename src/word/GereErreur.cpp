#include "word/GereErreur.hpp"

namespace k58204 {

std::u16string ContexteErreur(const std::u16string& sClasse, const std::u16string& sService,
                              const std::u16string& sObjet) {
    std::u16string s = u"DLL K58204 - CLASSE " + sClasse;
    s += u'\n';
    s += u'\r';
    s += u" - SERVICE " + sService + u" - OBJET " + sObjet;
    return s;
}

void GereErreur(const std::u16string& sClasse, const std::u16string& sService, const std::u16string& sObjet,
                const Erreur& courante) {
    throw Erreur(courante.numero(), ContexteErreur(sClasse, sService, sObjet), courante.description());
}

std::u16string SupprimeBlancs(const std::u16string& s) {
    std::u16string out;
    out.reserve(s.size());
    for (char16_t c : s)
        if (c != u' ') out += c;
    return out;
}

}  // namespace k58204
