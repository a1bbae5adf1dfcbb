// The component's served objects (Module from K58204.dll, ComplementInfo,
// FichiersDeTravail) and the simulated Word against hostile clients, under a
// crash handler and a watchdog (Surveillance): the calls that once crashed or
// wrongly succeeded, then seeded random calls on IDispatch and the vtables
// (K58204_GRAINE gives the seed, K58204_APPELS the calls per object), then
// references and memory after many refused calls.
#include <gtest/gtest.h>

#include "com/simword/ServeurSimWord.hpp"

#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ClientsHostiles.hpp"
#include "Generateur.hpp"
#include "Surveillance.hpp"
#include "Vtables.hpp"
#include "com/serveur/ComplementInfoCom.hpp"
#include "com/simword/DispatchObjet.hpp"
#include "com/serveur/FichiersDeTravailCom.hpp"
#include "com/serveur/Identifiants.hpp"
#include "com/serveur/Serveur.hpp"
#include "com/commun/ValeursCom.hpp"
#include "k70935.h"
#include "windows/support/Processus.hpp"

namespace kc = k58204::com;
using kc::Ptr;
using namespace k58204::com::test;

namespace {

constexpr WORD Lecture = DISPATCH_PROPERTYGET | DISPATCH_METHOD;

uint64_t nombreEnvironnement(const char* nom, uint64_t defaut) {
    const char* v = std::getenv(nom);
    return v && *v ? std::strtoull(v, nullptr, 0) : defaut;
}

std::string hex(long n) {
    char t[16];
    std::snprintf(t, sizeof t, "%#lx", static_cast<unsigned long>(n));
    return t;
}

// ---------------------------------------------------------------- the objects

// K58204.dll loaded by path, as COM loads an in-process server.
struct Dll {
    HMODULE h = LoadLibraryW(k58204::test::cheminWindows(K58204_DLL).c_str());
    Ptr<IDispatch> module() const {
        auto fabriqueDe = reinterpret_cast<HRESULT(WINAPI*)(REFCLSID, REFIID, void**)>(
            reinterpret_cast<void*>(GetProcAddress(h, "DllGetClassObject")));
        Ptr<IClassFactory> fabrique;
        Ptr<IDispatch> m;
        if (fabriqueDe && SUCCEEDED(fabriqueDe(kc::CLSID_Module, IID_IClassFactory, fabrique.putVoid())))
            fabrique->CreateInstance(nullptr, IID_IDispatch, m.putVoid());
        return m;
    }
    HRESULT peutDecharger() const {
        auto f = reinterpret_cast<HRESULT(WINAPI*)()>(reinterpret_cast<void*>(GetProcAddress(h, "DllCanUnloadNow")));
        return f ? f() : E_FAIL;
    }
};

// A member as the type information describes it; for an object without one,
// parametres is unknown (UINT_MAX).
struct Membre {
    DISPID id = DISPID_UNKNOWN;
    WORD drapeaux = DISPATCH_METHOD;
    UINT parametres = UINT_MAX;  // the caller's: a final [retval] is not one
    UINT requis = 0;
};

std::vector<Membre> membresDecrits(IDispatch* d) {
    std::vector<Membre> membres;
    Ptr<ITypeInfo> info;
    TYPEATTR* attributs = nullptr;
    if (FAILED(d->GetTypeInfo(0, 0, info.put())) || FAILED(info->GetTypeAttr(&attributs))) return membres;
    for (UINT i = 0; i < attributs->cFuncs; ++i) {
        FUNCDESC* f = nullptr;
        if (FAILED(info->GetFuncDesc(i, &f))) continue;
        if (!(f->wFuncFlags & FUNCFLAG_FRESTRICTED)) {
            Membre m{f->memid, static_cast<WORD>(f->invkind == INVOKE_PROPERTYGET ? Lecture : DISPATCH_METHOD), 0, 0};
            for (SHORT p = 0; p < f->cParams; ++p) {
                const USHORT drapeaux = f->lprgelemdescParam[p].paramdesc.wParamFlags;
                if (drapeaux & PARAMFLAG_FRETVAL) continue;
                ++m.parametres;
                if (!(drapeaux & (PARAMFLAG_FOPT | PARAMFLAG_FHASDEFAULT))) ++m.requis;
            }
            membres.push_back(m);
        }
        info->ReleaseFuncDesc(f);
    }
    info->ReleaseTypeAttr(attributs);
    return membres;
}

DISPID idDe(IDispatch* d, const wchar_t* nom) {
    LPOLESTR n = const_cast<LPOLESTR>(nom);
    DISPID id = DISPID_UNKNOWN;
    d->GetIDsOfNames(IID_NULL, &n, 1, 0, &id);
    return id;
}

using AppelsVtable = std::function<void(IDispatch*, Generateur&, Bilan&, const std::string&)>;

// One served object under test.
struct Cible {
    std::string nom;
    Ptr<IDispatch> d;
    bool typee = true;                 // served from a type library
    std::vector<Membre> membres;
    DISPID lent = DISPID_UNKNOWN;      // a member that waits for a Word it is given (InitQuestion)
    AppelsVtable vtable;
};

// ---------------------------------------------------------------- random calls

void invoqueAuHasard(Cible& c, Generateur& g, Bilan& b, const std::string& rang) {
    std::string refus;
    const bool connu = !c.membres.empty() && !g.pourCent(8);
    Membre m = connu ? c.membres[g.entre(static_cast<uint32_t>(c.membres.size()))]
                     : Membre{g.pourCent(50) ? g.entier() : 0x60030008, DISPATCH_METHOD, 0, 0};
    if (!connu && c.typee) refus = "unknown member";
    WORD drapeaux = m.drapeaux;
    if (g.pourCent(10)) {
        const WORD autres[] = {0, DISPATCH_METHOD, DISPATCH_PROPERTYGET, DISPATCH_PROPERTYPUT, DISPATCH_PROPERTYPUTREF,
                               0xFFFF};
        drapeaux = autres[g.entre(std::size(autres))];
    }
    if (c.typee && connu && !(drapeaux & m.drapeaux)) refus = "flags";
    const bool compte = c.typee && connu;

    UINT n = compte ? m.parametres : g.entre(4);
    if (const uint32_t t = g.entre(10); t == 0 && n > 0) n -= 1 + g.entre(n);
    else if (t <= 2) n += 1 + g.entre(8);
    if (compte && n > m.parametres) refus = "too many arguments";
    const UINT nommes = n > 0 && g.pourCent(20) ? 1 + g.entre(std::min(n, 2u)) : 0;
    const UINT positionnels = n - nommes;
    if (compte && nommes == 0 && n < m.requis) refus = "too few arguments";

    std::vector<DISPID> ids(nommes);
    std::vector<bool> nomme(n + 8, false);
    for (UINT i = 0; i < nommes; ++i) {
        const DISPID valable = static_cast<DISPID>(positionnels + i);
        const DISPID autres[] = {-1, DISPID_PROPERTYPUT, 0, static_cast<DISPID>(positionnels), 1000, g.entier()};
        ids[i] = g.pourCent(80) ? valable : autres[g.entre(std::size(autres))];
        const bool bon = ids[i] >= static_cast<DISPID>(positionnels) &&
                         static_cast<UINT>(ids[i]) < std::min<size_t>(m.parametres, nomme.size()) &&
                         !nomme[static_cast<UINT>(ids[i])];
        if (bon) {
            nomme[static_cast<UINT>(ids[i])] = true;
        } else if (compte && refus.empty()) {
            refus = "named argument";
        }
    }

    Lot lot;
    lot.arguments.resize(n);
    bool nonSuivable = false;
    for (UINT i = 0; i < n; ++i) {
        const DISPID parametre = i < nommes ? ids[i] : static_cast<DISPID>(n - 1 - i);
        // The host's Word given to InitQuestion is waited for: seconds per call.
        const bool objets = !(m.id == c.lent && parametre == 2);
        if (!g.valeur(lot, lot.arguments[i], objets)) nonSuivable = true;
    }

    DISPPARAMS p{lot.arguments.data(), ids.data(), n, nommes};
    DISPPARAMS* pp = &p;
    switch (g.entre(40)) {
        case 0:
            if (n > 0) refus = "rgvarg null";
            p.rgvarg = nullptr;
            break;
        case 1:
            if (n > 0) refus = "rgdispidNamedArgs null";
            p.rgdispidNamedArgs = nullptr;
            p.cNamedArgs = std::min(n, 1u);
            break;
        case 2:
            refus = "more named arguments than arguments";
            p.cNamedArgs = n + 1;
            break;
        case 3:
            if (c.typee) refus = "no DISPPARAMS";
            pp = nullptr;
            break;
    }
    if (nonSuivable && pp && refus.empty()) refus = "reference that cannot be followed";
    const bool autreIid = g.pourCent(3);
    if (autreIid) refus = "riid not IID_NULL";

    VARIANT resultat;
    VariantInit(&resultat);
    EXCEPINFO ei{};
    UINT argErreur = 0;
    const std::string appel = rang + c.nom + " Invoke " + hex(m.id) + " flags " + hex(drapeaux) + " cArgs " +
                              std::to_string(p.cArgs) + " cNamedArgs " + std::to_string(p.cNamedArgs);
    parVtable(b, appel, refus, [&] {
        return c.d->Invoke(m.id, autreIid ? IID_IDispatch : IID_NULL, 0, drapeaux, pp, g.pourCent(90) ? &resultat : nullptr,
                           g.pourCent(90) ? &ei : nullptr, g.pourCent(90) ? &argErreur : nullptr);
    });
    VariantClear(&resultat);
    for (BSTR t : {ei.bstrSource, ei.bstrDescription, ei.bstrHelpFile}) SysFreeString(t);
}

void nommeAuHasard(Cible& c, Generateur& g, Bilan& b, const std::string& rang) {
    static const std::wstring long100000(100000, L'n');
    const wchar_t* noms[] = {L"TestePoint", L"InitQuestion", L"ilQuestion", L"ioApplication", L"count", L"item",
                             L"Name", L"Documents", L"Inconnu", L"", long100000.c_str()};
    std::string refus;
    const UINT n = g.pourCent(5) ? 0 : 1 + g.entre(3);
    if (n == 0 && c.typee) refus = "no names";
    std::vector<LPOLESTR> pointeurs(n);
    for (LPOLESTR& p : pointeurs) {
        p = g.pourCent(5) ? nullptr : const_cast<LPOLESTR>(noms[g.entre(std::size(noms))]);
        if (!p) refus = "null name";
    }
    DISPID ids[3];
    LPOLESTR* tableau = pointeurs.data();
    DISPID* sortie = ids;
    if (g.pourCent(5)) tableau = nullptr, refus = "rgszNames null";
    if (g.pourCent(5)) sortie = nullptr, refus = "rgDispId null";
    const bool autreIid = g.pourCent(3);
    if (autreIid) refus = "riid not IID_NULL";
    parVtable(b, rang + c.nom + " GetIDsOfNames cNames " + std::to_string(n), refus,
              [&] { return c.d->GetIDsOfNames(autreIid ? IID_IDispatch : IID_NULL, tableau, n, 0, sortie); });
}

void typeAuHasard(Cible& c, Generateur& g, Bilan& b, const std::string& rang) {
    const UINT rangs[] = {0, 1, UINT_MAX};
    const UINT r = rangs[g.entre(3)];
    const bool sansSortie = g.pourCent(10);
    Ptr<ITypeInfo> info;
    parVtable(b, rang + c.nom + " GetTypeInfo " + std::to_string(r), r != 0 ? "index" : sansSortie ? "null out-pointer" : "",
              [&] { return c.d->GetTypeInfo(r, 0, sansSortie ? nullptr : info.put()); });
}

Bilan fuzz(Cible& c, uint64_t graine, uint64_t appels, std::vector<IDispatch*> objets) {
    objets.push_back(c.d.get());
    Generateur g(graine, std::move(objets));
    Bilan b;
    for (uint64_t i = 0; i < appels; ++i) {
        const std::string rang = "seed " + std::to_string(graine) + " call " + std::to_string(i) + ": ";
        const uint32_t t = c.vtable ? g.entre(100) : g.entre(85);
        if (t < 65) invoqueAuHasard(c, g, b, rang);
        else if (t < 78) nommeAuHasard(c, g, b, rang);
        else if (t < 85) typeAuHasard(c, g, b, rang);
        else c.vtable(c.d.get(), g, b, rang);
    }
    return b;
}

// ---------------------------------------------------------------- fixture

class Robustesse : public testing::Test {
protected:
    static void SetUpTestSuite() {
        surveillance::demarre(std::chrono::seconds(15));
        ASSERT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
        CLSID word{};
        // A registered Word would be started and driven by the calls made here.
        ASSERT_FALSE(SUCCEEDED(CLSIDFromProgID(L"Word.Application.11", &word))) << "a Word is registered here";
        dll_ = new Dll();
        ASSERT_TRUE(dll_->h);
    }
    static void TearDownTestSuite() {
        EXPECT_EQ(dll_->peutDecharger(), S_OK);
        FreeLibrary(dll_->h);
        delete dll_;
        CoUninitialize();
    }
    void TearDown() override {
        for (ObjetClient* o : {&menteur_, &defaillant_})
            EXPECT_EQ(o->referencesTenues(), 0) << "references to the client's objects kept";
    }

    static Cible cible(std::string nom, Ptr<IDispatch> d, AppelsVtable vtable) {
        Cible c{std::move(nom), std::move(d), true, {}, DISPID_UNKNOWN, std::move(vtable)};
        c.membres = membresDecrits(c.d.get());
        return c;
    }
    Bilan fuzz(Cible& c) {
        const uint64_t graine = nombreEnvironnement("K58204_GRAINE", 58204);
        Bilan b = ::fuzz(c, graine, nombreEnvironnement("K58204_APPELS", 10000), {nullptr, &menteur_, &defaillant_});
        std::printf("%s: %llu calls, %llu to be refused, %llu wrong successes\n", c.nom.c_str(),
                    static_cast<unsigned long long>(b.appels), static_cast<unsigned long long>(b.refusAttendus),
                    static_cast<unsigned long long>(b.faussesReussites));
        EXPECT_EQ(b.faussesReussites, 0u) << c.nom;
        for (const std::string& f : b.premieres) ADD_FAILURE() << "wrong success: " << f;
        return b;
    }

    static Dll* dll_;
    ObjetClient menteur_{ObjetClient::Sorte::Menteur};
    ObjetClient defaillant_{ObjetClient::Sorte::Defaillant};
};
Dll* Robustesse::dll_ = nullptr;

// The simulated Word served in this process as simword serves it.
class RobustesseWord : public Robustesse {
protected:
    void SetUp() override {
        serveur_ = std::make_unique<k58204::simword::ServeurSimWord>(nullptr);
        kc::DispatchObjet::apresChaqueAppel([this] { serveur_->synchronise(); });
        word_.nom = "Word";
        word_.typee = false;
        word_.d = kc::DispatchObjet::pour(serveur_->demarre(false, false));
        for (const wchar_t* nom : {L"Name", L"Visible", L"Documents", L"Caption", L"Options", L"Selection", L""})
            word_.membres.push_back(Membre{idDe(word_.d.get(), nom), Lecture});
    }
    void TearDown() override {
        kc::DispatchObjet::apresChaqueAppel(nullptr);
        word_.d.reset();
        serveur_.reset();
        Robustesse::TearDown();
    }
    std::unique_ptr<k58204::simword::ServeurSimWord> serveur_;
    Cible word_;
};

// ---------------------------------------------------------------- reproducers

struct Reponse {
    HRESULT hr;
    UINT argErreur;
};

// rgvarg as given (already reversed), named ids first.
Reponse invoque(IDispatch* d, const wchar_t* membre, WORD drapeaux, std::vector<VARIANT> rgvarg,
                std::vector<DISPID> nommes = {}) {
    DISPPARAMS p{rgvarg.data(), nommes.empty() ? nullptr : nommes.data(), static_cast<UINT>(rgvarg.size()),
                 static_cast<UINT>(nommes.size())};
    UINT argErreur = UINT_MAX;
    VARIANT resultat;
    VariantInit(&resultat);
    surveillance::Appel s(std::string("reproducer on ") + std::string(membre, membre + wcslen(membre)));
    const HRESULT hr = d->Invoke(idDe(d, membre), IID_NULL, 0, drapeaux, &p, &resultat, nullptr, &argErreur);
    VariantClear(&resultat);
    return {hr, argErreur};
}

VARIANT v(VARTYPE vt, void* pointeur = nullptr) {
    VARIANT r;
    VariantInit(&r);
    V_VT(&r) = vt;
    V_BYREF(&r) = pointeur;
    return r;
}

// Calls that once crashed the component or wrongly succeeded, with the
// argument they name. (Null rgszNames, rgDispId, rgvarg and
// rgdispidNamedArgs, and more arguments than parameters, are drawn by the
// random runs, which count every crash and wrong success.)
TEST_F(Robustesse, LesAppelsQuiPlantaientOuReussissaientAToutSontRefuses) {
    Ptr<IDispatch> m = dll_->module();
    const VARIANT vide = v(VT_EMPTY);
    VARIANT dossier = kc::texte(L"C:\\x\\"), app = v(VT_EMPTY), cible = v(VT_BYREF | VT_I4);
    LONG handle = -1;
    const VARIANT q101 = kc::entier(101), h = v(VT_BYREF | VT_I4, &handle), a = kc::parReference(&app);
    const VARIANT nulV = v(VT_BYREF | VT_VARIANT), nulL = v(VT_BYREF | VT_I4);
    struct Cas {
        const char* nom;
        const wchar_t* membre;
        std::vector<VARIANT> rgvarg;
        std::vector<DISPID> nommes;
        HRESULT attendu;
        UINT argErreur;  // UINT_MAX: not set
    };
    const Cas cas[] = {
        {"null ioApplication reference", L"InitQuestion", {h, nulV, dossier, q101}, {}, DISP_E_TYPEMISMATCH, 1},
        {"null ioHandleLogiciel reference", L"InitQuestion", {nulL, a, dossier, q101}, {}, DISP_E_TYPEMISMATCH, 0},
        {"a named null reference", L"InitQuestion", {nulV, h, dossier, q101}, {2, 3}, DISP_E_TYPEMISMATCH, 0},
        {"a reference to a null reference", L"Quitter", {kc::parReference(&cible), a}, {}, DISP_E_TYPEMISMATCH, 0},
        {"a named argument naming a positional parameter", L"InitQuestion", {h, a, dossier, q101}, {1},
         DISP_E_PARAMNOTFOUND, 0},
        {"a parameter named twice", L"Quitter", {h, a}, {1, 1}, DISP_E_PARAMNOTFOUND, 1},
        {"Quitter, 2 parameters and 1 more", L"Quitter", {vide, h, a}, {}, DISP_E_BADPARAMCOUNT, UINT_MAX},
        {"ErreurGenerale, as many arguments as it has parameters", L"ErreurGenerale", {}, {}, S_OK, UINT_MAX},
    };
    for (const Cas& c : cas) {
        const Reponse r = invoque(m.get(), c.membre, Lecture, c.rgvarg, c.nommes);
        EXPECT_EQ(r.hr, c.attendu) << c.nom << ": " << hex(r.hr);
        if (c.argErreur != UINT_MAX) {
            EXPECT_EQ(r.argErreur, c.argErreur) << c.nom;
        }
    }
    VariantClear(&dossier);
    VariantClear(&app);
}

// A client object whose QueryInterface answers S_OK for every interface is
// taken as the client's own object, never as one of the component's.
TEST_F(Robustesse, UnObjetQuiRepondAToutEstTenuPourCeluiDuClient) {
    Ptr<IDispatch> m = dll_->module();
    Ptr<::AbstractModule> am = m.interroge<::AbstractModule>(kc::IID_AbstractModule);
    IDispatch* app = &menteur_;
    LONG handle = 5;
    {
        surveillance::Appel s("Quitter with a lying ioApplication");
        EXPECT_EQ(am->Quitter(&app, &handle), S_OK);  // not the module's Word: not quit
    }
    EXPECT_EQ(app, &menteur_);
    EXPECT_EQ(handle, 5);
    VARIANT cible = v(VT_DISPATCH, &menteur_);
    const Reponse r = invoque(m.get(), L"Quitter", DISPATCH_METHOD, {v(VT_BYREF | VT_I4, &handle), kc::parReference(&cible)});
    EXPECT_EQ(r.hr, S_OK);
    EXPECT_EQ(V_DISPATCH(&cible), &menteur_);
    // It does not answer as Word: refused, and every reference given back.
    app->AddRef();
    {
        surveillance::Appel s("InitQuestion with a lying ioApplication");
        EXPECT_TRUE(FAILED(am->InitQuestion(101, nullptr, &app, &handle, nullptr)));
    }
    if (app) app->Release();
}

TEST_F(RobustesseWord, LesReferencesNullesOuEnBoucleSontRefusees) {
    VARIANT boucle = v(VT_BYREF | VT_VARIANT);
    V_VARIANTREF(&boucle) = &boucle;
    VARIANT menteur = v(VT_DISPATCH, &menteur_);
    const std::pair<VARIANT, HRESULT> cas[] = {
        {v(VT_BYREF | VT_I4), DISP_E_TYPEMISMATCH},        // null reference to a Long
        {v(VT_BYREF | VT_VARIANT), DISP_E_TYPEMISMATCH},   // null reference to a variant
        {kc::parReference(&boucle), DISP_E_TYPEMISMATCH},  // reference to itself
        {kc::parReference(&menteur), static_cast<HRESULT>(0x800A000D)},  // a lying object: VB's 13
    };
    for (size_t i = 0; i < std::size(cas); ++i) {
        const Reponse r = invoque(word_.d.get(), L"Visible", DISPATCH_PROPERTYPUT, {cas[i].first}, {DISPID_PROPERTYPUT});
        EXPECT_EQ(r.hr, cas[i].second) << i << ": " << hex(r.hr);
        if (cas[i].second == DISP_E_TYPEMISMATCH) {
            EXPECT_EQ(r.argErreur, 0u) << i;
        }
    }
}

// ---------------------------------------------------------------- random runs

TEST_F(Robustesse, AppelsAuHasardSurLesObjetsDuComposant) {
    {
        std::vector<Cible> cibles = {
            cible("Module", dll_->module(), vtableModule),
            cible("ComplementInfo", Ptr<IDispatch>(kc::creeComplementInfoCom(std::make_shared<k58204::ComplementInfo>()).get()),
                  vtableComplement),
            cible("FichiersDeTravail", kc::creeFichiersDeTravailCom(std::make_shared<k58204::FichiersDeTravail>()),
                  vtableFichiers)};
        cibles[0].lent = idDe(cibles[0].d.get(), L"InitQuestion");
        for (Cible& c : cibles) {
            ASSERT_TRUE(c.d) << c.nom;
            ASSERT_FALSE(c.membres.empty()) << c.nom;
            EXPECT_EQ(fuzz(c).appels, nombreEnvironnement("K58204_APPELS", 10000));
        }
    }
    EXPECT_TRUE(kc::serveur::peutDecharger());
}

TEST_F(RobustesseWord, AppelsAuHasardSurLeWordSimule) { fuzz(word_); }

// Refused calls leave nothing behind: 10,000 of them after a warm-up, the
// process's private bytes measured around them.
TEST_F(Robustesse, DixMilleAppelsRefusesNeLaissentRien) {
    Ptr<IDispatch> m = dll_->module();
    Ptr<::AbstractModule> am = m.interroge<::AbstractModule>(kc::IID_AbstractModule);
    LPOLESTR inconnu = const_cast<LPOLESTR>(L"Inconnu");
    auto refuse = [&](int i) {
        VARIANT cible = v(VT_DISPATCH, &menteur_);
        VARIANT_BOOL b;
        DISPID id;
        switch (i % 4) {
            case 0: return invoque(m.get(), L"TestePoint", DISPATCH_METHOD, {kc::texte(L"x")}).hr;
            case 1: return invoque(m.get(), L"Quitter", DISPATCH_METHOD, {v(VT_BYREF | VT_I4), kc::parReference(&cible)}).hr;
            case 2: return am->get_BravoNuance(&b);  // no exercise: error 91 with its error object
            default: return m->GetIDsOfNames(IID_NULL, &inconnu, 1, 0, &id);
        }
    };
    auto privees = [] {
        PROCESS_MEMORY_COUNTERS_EX c{};
        GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&c), sizeof c);
        return c.PagefileUsage;  // Wine leaves PrivateUsage at 0
    };
    for (int i = 0; i < 1000; ++i) ASSERT_TRUE(FAILED(refuse(i)));
    const SIZE_T avant = privees();
    for (int i = 0; i < 10000; ++i) ASSERT_TRUE(FAILED(refuse(i))) << i;
    const SIZE_T apres = privees();
    EXPECT_GT(avant, 0u);
    EXPECT_LT(apres, avant + 256 * 1024) << "private bytes grew from " << avant << " to " << apres;
}

}  // namespace
