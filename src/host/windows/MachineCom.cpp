#include "host/windows/MachineCom.hpp"

#include <string>

#include "host/windows/CanalSimWord.hpp"
#include "word/Erreur.hpp"
#include "word/Texte.hpp"

namespace k58204::lecon::windows {

MachineCom::MachineCom() : cache_(std::make_shared<com::CacheDispids>()), serveur_(cache_), module_(cache_) {}

ObjetPtr MachineCom::racineApprenant(const ObjetPtr& application) {
    if (application) return application;
    try {
        return serveur_.GetObject(u"Word.Application");
    } catch (const Erreur&) {
        return nullptr;
    }
}

std::u16string commandeBureau(const etape::Bureau& x) {
    using A = etape::Bureau::Action;
    switch (x.action) {
        case A::Dialogue: return u"dialogue\t" + x.titre;
        case A::Bulle: return u"bulle";
        case A::Occupe: return x.appels ? u"occupe\t" + depuisUtf8(std::to_string(*x.appels)) : u"occupe";
        case A::CacheWord: return u"cache-word";
        case A::ReduitWord: return u"reduit-word";
        case A::FermeWord: return {};
    }
    return {};
}

void MachineCom::bureau(const etape::Bureau& x, const ObjetPtr&) {
    const bool fait =
        x.action == etape::Bureau::Action::FermeWord ? termineSimWord() : envoieCommande(commandeBureau(x));
    if (!fait) throw BureauImpossible{"aucun Word en marche sur le poste"};
}

}  // namespace k58204::lecon::windows
