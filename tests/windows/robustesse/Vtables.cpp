#include "Vtables.hpp"

#include "com/serveur/Identifiants.hpp"
#include "com/commun/Possession.hpp"
#include "k70935.h"

namespace k58204::com::test {

void vtableModule(IDispatch* d, Generateur& g, Bilan& b, const std::string& rang) {
    Ptr<::AbstractModule> m = Ptr<IDispatch>(d).interroge<::AbstractModule>(IID_AbstractModule);
    switch (g.entre(7)) {
        case 0: sortie<VARIANT_BOOL>(g, b, rang + "BravoNuance", [&](auto p) { return m->get_BravoNuance(p); }); break;
        case 1: sortie<::ComplementInfo*>(g, b, rang + "Complement", [&](auto p) { return m->get_Complement(p); }); break;
        case 2: sortie<BSTR>(g, b, rang + "CauseErreur", [&](auto p) { return m->get_CauseErreur(p); }); break;
        case 3: parVtable(b, rang + "Fermer", "", [&] { return m->Fermer(); }); break;
        case 4: parVtable(b, rang + "TestePoint", "", [&] { return m->TestePoint(); }); break;
        default: {
            // InitQuestion is given no object: a Word given to it is waited for.
            const bool init = g.pourCent(50);
            IDispatch* app = init ? nullptr : g.objet();
            if (app) app->AddRef();
            LONG handle = g.entier();
            const bool sansApp = g.pourCent(15), sansHandle = g.pourCent(15);
            BSTR dossier = g.texte(), modele = g.texte();
            parVtable(b, rang + (init ? "InitQuestion" : "Quitter"), sansApp || sansHandle ? "null pointer" : "", [&] {
                IDispatch** a = sansApp ? nullptr : &app;
                LONG* h = sansHandle ? nullptr : &handle;
                return init ? m->InitQuestion(g.entier(), dossier, a, h, modele) : m->Quitter(a, h);
            });
            if (app) app->Release();
            SysFreeString(dossier);
            SysFreeString(modele);
        }
    }
}

void vtableComplement(IDispatch* d, Generateur& g, Bilan& b, const std::string& rang) {
    Ptr<::ComplementInfo> ci = Ptr<IDispatch>(d).interroge<::ComplementInfo>(IID_ComplementInfo);
    switch (g.entre(3)) {
        case 0: {
            BSTR t = g.texte();
            parVtable(b, rang + "add", "", [&] { return ci->add(t, g.entier()); });
            SysFreeString(t);
            break;
        }
        case 1: sortie<LONG>(g, b, rang + "count", [&](auto p) { return ci->count(p); }); break;
        default: sortie<BSTR>(g, b, rang + "item", [&](auto p) { return ci->item(g.entier(), p); });
    }
}

}  // namespace k58204::com::test
