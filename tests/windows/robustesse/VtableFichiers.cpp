// Apart from Vtables.cpp: the component's library and the host's both declare
// a ComplementInfo, so their headers do not meet in one source.
#include "Vtables.hpp"

#include "com/serveur/Identifiants.hpp"
#include "com/commun/Possession.hpp"
#include "k58204.h"

namespace k58204::com::test {

void vtableFichiers(IDispatch* d, Generateur& g, Bilan& b, const std::string& rang) {
    Ptr<::_FichiersDeTravail> f = Ptr<IDispatch>(d).interroge<::_FichiersDeTravail>(IID__FichiersDeTravail);
    const bool nul = g.pourCent(25);
    switch (g.entre(3)) {
        case 0: {
            BSTR source = g.texte(), destination = g.texte();
            parVtable(b, rang + "add", "", [&] { return f->add(source, destination, static_cast<VARIANT_BOOL>(g.entier())); });
            SysFreeString(source);
            SysFreeString(destination);
            break;
        }
        case 1: sortie<LONG>(g, b, rang + "count", [&](auto p) { return f->count(p); }); break;
        default: {
            ::Fichier fichier{};
            parVtable(b, rang + "Item", nul ? "null pointer" : "", [&] { return f->get_Item(g.entier(), nul ? nullptr : &fichier); });
            SysFreeString(fichier.NomSource);
            SysFreeString(fichier.NomDest);
        }
    }
}

}  // namespace k58204::com::test
