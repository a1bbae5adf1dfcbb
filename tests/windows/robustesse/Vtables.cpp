#include "Vtables.hpp"

#include "com/serveur/Identifiants.hpp"
#include "com/commun/Possession.hpp"
#include "k70935.h"

namespace k58204::com::test {

void vtableModule(IDispatch* d, Generateur& g, Bilan& b, const std::string& rang) {
    Ptr<::AbstractModule> m = Ptr<IDispatch>(d).interroge<::AbstractModule>(IID_AbstractModule);
    const bool nul = g.pourCent(25);
    const std::string refus = nul ? "null pointer" : "";
    switch (g.entre(7)) {
        case 0: {
            VARIANT_BOOL v;
            parVtable(b, rang + "BravoNuance", refus, [&] { return m->get_BravoNuance(nul ? nullptr : &v); });
            break;
        }
        case 1: {
            ::ComplementInfo* ci = nullptr;
            parVtable(b, rang + "Complement", refus, [&] { return m->get_Complement(nul ? nullptr : &ci); });
            if (ci) ci->Release();
            break;
        }
        case 2: {
            BSTR s = nullptr;
            parVtable(b, rang + "CauseErreur", refus, [&] { return m->get_CauseErreur(nul ? nullptr : &s); });
            SysFreeString(s);
            break;
        }
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
    const bool nul = g.pourCent(25);
    switch (g.entre(3)) {
        case 0: {
            BSTR t = g.texte();
            parVtable(b, rang + "add", "", [&] { return ci->add(t, g.entier()); });
            SysFreeString(t);
            break;
        }
        case 1: {
            LONG n;
            parVtable(b, rang + "count", nul ? "null pointer" : "", [&] { return ci->count(nul ? nullptr : &n); });
            break;
        }
        default: {
            BSTR t = nullptr;
            parVtable(b, rang + "item", nul ? "null pointer" : "", [&] { return ci->item(g.entier(), nul ? nullptr : &t); });
            SysFreeString(t);
        }
    }
}

}  // namespace k58204::com::test
