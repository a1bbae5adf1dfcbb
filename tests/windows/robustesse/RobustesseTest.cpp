// The component's served objects (Module from K58204.dll, ComplementInfo,
// FichiersDeTravail) and the simulated Word against hostile clients, under a
// crash handler and a watchdog: the calls that once crashed, wrongly succeeded
// or never returned, then seeded random calls on IDispatch and the vtables
// (K58204_GRAINE gives the seed, K58204_APPELS the calls per object), long
// sequences of the lifecycle calls on one Module with hostile Words and hung
// windows (K58204_CYCLES calls), then references and memory after many
// refused calls.
#include <gtest/gtest.h>

#include "com/simword/ServeurSimWord.hpp"

#include <psapi.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <future>
#include <mutex>
#include <random>
#include <thread>

#include "com/commun/Possession.hpp"
#include "com/commun/ValeursCom.hpp"
#include "com/serveur/ComplementInfoCom.hpp"
#include "com/serveur/FichiersDeTravailCom.hpp"
#include "com/serveur/Identifiants.hpp"
#include "com/serveur/Serveur.hpp"
#include "com/simword/DispatchObjet.hpp"
#include "k70935.h"
#include "module/Module.hpp"
#include "windows/support/Processus.hpp"

namespace kc = k58204::com;
using kc::Ptr;

namespace {

constexpr WORD Lecture = DISPATCH_PROPERTYGET | DISPATCH_METHOD;

uint64_t nombreEnvironnement(const char* nom, uint64_t defaut) {
    const char* v = std::getenv(nom);
    return v && *v ? std::strtoull(v, nullptr, 0) : defaut;
}

// ---------------------------------------------------------------- watch
// A fault anywhere in the process (vectored handler) or a call not returned
// within LimiteAppel (watchdog thread, started by the fixture) prints the call
// being made (its seed and rank reproduce it) and ends the process.

// A blocking Word's delay on each of its calls.
constexpr DWORD Blocage = 3000;
// The longest one call may take: the module's bound on a host call, the call
// to a blocking Word under way when it ends, and time for Wine.
constexpr ULONGLONG LimiteAppel =
    static_cast<ULONGLONG>(std::chrono::milliseconds(k58204::Module::BorneAppel).count()) + Blocage + 5000;

std::mutex verrou;
std::string enCours;  // the call being made, "" between calls
ULONGLONG debut = 0;

[[noreturn]] void echoue(const char* quoi, unsigned long code) {
    std::fprintf(stderr, "\n*** %s (code %#lx) during: %s\n", quoi, code,
                 enCours.empty() ? "(the test's own code)" : enCours.c_str());
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), 3);
    for (;;) Sleep(INFINITE);
}

// Faults no code of the component or of COM handles on purpose; C++ and RPC exceptions pass.
LONG CALLBACK gestionnaire(EXCEPTION_POINTERS* e) {
    static const DWORD fautes[] = {EXCEPTION_ACCESS_VIOLATION,      EXCEPTION_STACK_OVERFLOW,
                                   EXCEPTION_ILLEGAL_INSTRUCTION,   EXCEPTION_PRIV_INSTRUCTION,
                                   EXCEPTION_INT_DIVIDE_BY_ZERO,    EXCEPTION_ARRAY_BOUNDS_EXCEEDED,
                                   EXCEPTION_DATATYPE_MISALIGNMENT, EXCEPTION_IN_PAGE_ERROR,
                                   static_cast<DWORD>(STATUS_HEAP_CORRUPTION)};
    const DWORD code = e->ExceptionRecord->ExceptionCode;
    if (std::count(std::begin(fautes), std::end(fautes), code)) echoue("crash", code);
    return EXCEPTION_CONTINUE_SEARCH;
}

void enCoursDevient(const std::string& appel) {
    std::lock_guard garde(verrou);
    enCours = appel, debut = GetTickCount64();
}

// The longest watched call so far, and how long it took (ms).
std::string plusLong;
ULONGLONG dureePlusLong = 0;

// f() made as the watched call `appel`.
template <class F>
HRESULT surveille(const std::string& appel, F&& f) {
    enCoursDevient(appel);
    const HRESULT hr = f();
    if (const ULONGLONG d = GetTickCount64() - debut; d > dureePlusLong) dureePlusLong = d, plusLong = appel;
    enCoursDevient("");
    return hr;
}

// ---------------------------------------------------------------- the client's objects
// What a host may pass for Word: an object that refuses every call (Echec),
// one whose QueryInterface answers S_OK with itself for every interface
// (Mensonge), and Words that answer every member with a huge number (a
// Count of 2^31 - 1), with themselves, busy, or gone, at once or after a
// delay (slow, blocking). Each counts its references and is never deleted, so
// that a call after its last Release is seen (apresLiberation), not a crash.
enum class Reponse { Echec, Mensonge, Entier, LuiMeme, Occupe, Disparu };
struct ObjetClient final : IDispatch {
    explicit ObjetClient(Reponse r, DWORD ms = 0) : reponse(r), delai(ms) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** objet) override {
        vivant();
        if (!objet) return E_POINTER;
        const bool refuse = reponse != Reponse::Mensonge && !IsEqualGUID(iid, IID_IUnknown) && !IsEqualGUID(iid, IID_IDispatch);
        *objet = refuse ? nullptr : static_cast<IDispatch*>(this);
        return refuse ? E_NOINTERFACE : (AddRef(), S_OK);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { vivant(); return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { vivant(); return --references; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override { vivant(); return n ? (*n = 0, echec(S_OK)) : E_POINTER; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** i) override { vivant(); if (i) *i = nullptr; return echec(DISP_E_BADINDEX); }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT n, LCID, DISPID* ids) override {
        vivant();
        const bool connu = reponse != Reponse::Echec && reponse != Reponse::Mensonge;
        for (UINT i = 0; ids && i < n; ++i) ids[i] = connu ? static_cast<DISPID>(i + 1) : DISPID_UNKNOWN;
        return connu ? S_OK : echec(DISP_E_UNKNOWNNAME);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* r, EXCEPINFO*, UINT*) override {
        vivant();
        Sleep(delai);
        switch (reponse) {
            case Reponse::Echec: return E_FAIL;
            case Reponse::Mensonge: return DISP_E_MEMBERNOTFOUND;
            case Reponse::Occupe: return RPC_E_CALL_REJECTED;
            case Reponse::Disparu: return HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE);
            case Reponse::Entier: if (r) V_VT(r) = VT_I4, V_I4(r) = INT32_MAX; return S_OK;
            default: if (r) V_VT(r) = VT_DISPATCH, V_DISPATCH(r) = this, AddRef(); return S_OK;
        }
    }
    HRESULT echec(HRESULT sinon) const { return reponse == Reponse::Echec ? E_FAIL : sinon; }
    void vivant() { if (references <= 0) apresLiberation = true; }
    const Reponse reponse;
    const DWORD delai;
    std::atomic<LONG> references{1};
    bool apresLiberation = false, lache = false;  // lache: the host let go of its own reference
};

IDispatch* pris(IDispatch* o) { return o ? (o->AddRef(), o) : nullptr; }

// ---------------------------------------------------------------- hostile values
VARIANT v(VARTYPE vt, void* pointeur = nullptr) {
    VARIANT r{};
    V_VT(&r) = vt;
    V_BYREF(&r) = pointeur;
    return r;
}

// The VARIANTs of one call and what they point to, freed together.
struct Lot {
    std::vector<VARIANT> arguments;
    std::deque<VARIANT> cibles;
    ~Lot() { for (VARIANT& v : arguments) VariantClear(&v); for (VARIANT& v : cibles) VariantClear(&v); }
};

// Seeded: a seed gives the same values again.
class Generateur {
public:
    Generateur(uint64_t graine, std::vector<IDispatch*> objets) : alea_(graine), objets_(std::move(objets)) {}
    uint32_t entre(uint32_t n) { return static_cast<uint32_t>(alea_() % n); }
    bool pourCent(uint32_t p) { return entre(100) < p; }
    IDispatch* objet() { return objets_[entre(static_cast<uint32_t>(objets_.size()))]; }
    int32_t entier() {
        static const int32_t bornes[] = {INT32_MIN, -2, -1, 0, 1, 100, 101, 124, 125, INT32_MAX};
        return pourCent(70) ? bornes[entre(std::size(bornes))] : static_cast<int32_t>(alea_());
    }
    // Null, empty, a folder, lone surrogates, a number, 100,000 or, rarely, 8 M characters, a name.
    BSTR texte() {
        static const wchar_t* const textes[] = {nullptr, L"", L"C:\\x\\", L"\xD800" L"C:\\\xDC00" L"x\\\xDBFF", L"101"};
        if (const uint32_t k = entre(8); k != 5) return SysAllocString(k < 5 ? textes[k] : L"Réponses.doc");
        const UINT n = pourCent(2) ? 8u << 20 : 100000;
        BSTR b = SysAllocStringLen(nullptr, n);
        if (b) std::fill(b, b + n, L'\\');
        return b;
    }
    // A value written into v by value or by reference (objects only when
    // `objets`); false for a reference that cannot be followed (null, or to a
    // reference to a variant).
    bool valeur(Lot& lot, VARIANT& v, bool objets) {
        VariantInit(&v);
        if (pourCent(55)) return parValeur(v, objets), true;
        const bool nul = pourCent(20);
        VARIANT* c = &lot.cibles.emplace_back();
        VariantInit(c);
        bool suivable = !nul;
        switch (entre(5)) {
            case 0:
            case 1:
                if (pourCent(15)) suivable = valeur(lot, *c, objets) && !nul && V_VT(c) != (VT_BYREF | VT_VARIANT);
                else if (pourCent(5)) V_VT(c) = VT_BYREF | VT_VARIANT, V_VARIANTREF(c) = c, suivable = false;  // itself
                else parValeur(*c, objets);
                V_VT(&v) = VT_BYREF | VT_VARIANT, V_VARIANTREF(&v) = c;
                break;
            case 2: V_VT(c) = VT_I4; V_I4(c) = entier(); break;
            case 3: V_VT(c) = VT_BSTR; V_BSTR(c) = texte(); break;
            default: V_VT(c) = VT_DISPATCH; V_DISPATCH(c) = pris(objets ? objet() : nullptr);
        }
        if (V_VT(&v) == VT_EMPTY) V_VT(&v) = VT_BYREF | V_VT(c), V_BYREF(&v) = &V_I4(c);  // to c's value, typed
        if (nul) V_BYREF(&v) = nullptr;
        return suivable;
    }

private:
    void parValeur(VARIANT& v, bool objets) {
        static const double reels[] = {std::nan(""), HUGE_VAL, -1e300, 101.5, -0.0};
        static const VARTYPE tableaux[] = {VT_I4, VT_BSTR, VT_VARIANT, VT_DISPATCH};
        switch (entre(objets ? 16 : 14)) {
            case 0: V_VT(&v) = pourCent(50) ? VT_EMPTY : VT_NULL; return;
            case 1: V_VT(&v) = VT_I2; V_I2(&v) = static_cast<SHORT>(entier()); return;
            case 2: V_VT(&v) = VT_I4; V_I4(&v) = entier(); return;
            case 3: V_VT(&v) = VT_I8; V_I8(&v) = pourCent(50) ? INT64_MIN : static_cast<LONGLONG>(alea_()); return;
            case 4: V_VT(&v) = VT_UI4; V_UI4(&v) = static_cast<ULONG>(entier()); return;
            case 5: V_VT(&v) = VT_R8; V_R8(&v) = reels[entre(std::size(reels))]; return;
            case 6: V_VT(&v) = VT_BOOL; V_BOOL(&v) = pourCent(50) ? VARIANT_TRUE : static_cast<VARIANT_BOOL>(entier()); return;
            case 7:
            case 8: V_VT(&v) = VT_BSTR; V_BSTR(&v) = texte(); return;
            case 9: V_VT(&v) = VT_DATE; V_DATE(&v) = pourCent(50) ? 1e308 : -657435.0; return;
            case 10: {  // a scale above 28 is not a decimal; vt last, it shares its place with the DECIMAL
                DECIMAL& d = V_DECIMAL(&v);
                d.scale = static_cast<BYTE>(entre(40)), d.sign = pourCent(50) ? DECIMAL_NEG : 0;
                d.Hi32 = static_cast<ULONG>(alea_()), d.Lo64 = alea_(), V_VT(&v) = VT_DECIMAL;
                return;
            }
            case 11: V_VT(&v) = VT_ERROR; V_ERROR(&v) = pourCent(70) ? DISP_E_PARAMNOTFOUND : E_FAIL; return;
            case 12: {
                const VARTYPE t = tableaux[entre(std::size(tableaux))];
                V_ARRAY(&v) = pourCent(20) ? nullptr : SafeArrayCreateVector(t, 0, entre(4));
                V_VT(&v) = static_cast<VARTYPE>(VT_ARRAY | t);
                return;
            }
            case 13: V_VT(&v) = static_cast<VARTYPE>(pourCent(50) ? 0x7F : (VT_VECTOR | VT_I4)); return;  // no such type
            default: V_VT(&v) = pourCent(80) ? VT_DISPATCH : VT_UNKNOWN; V_DISPATCH(&v) = pris(objet());
        }
    }

    std::mt19937_64 alea_;
    std::vector<IDispatch*> objets_;  // may hold null
};

// The wrong successes of a run among the calls to be refused (the first ones named).
struct Bilan {
    uint64_t faussesReussites = 0;
    std::vector<std::string> premieres;
    template <class F>
    void appelle(const std::string& appel, const std::string& refus, F&& f) {
        if (SUCCEEDED(surveille(appel, f)) && !refus.empty() && ++faussesReussites <= 20)
            premieres.push_back(appel + " succeeded; refused for: " + refus);
    }
};

// ---------------------------------------------------------------- random calls

// A member as the type information describes it (parametres: the caller's,
// a final [retval] is not one; UINT_MAX for an object without one).
struct Membre { DISPID id = DISPID_UNKNOWN; WORD drapeaux = DISPATCH_METHOD; UINT parametres = UINT_MAX, requis = 0; };

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
                m.parametres += !(drapeaux & PARAMFLAG_FRETVAL);
                m.requis += !(drapeaux & (PARAMFLAG_FRETVAL | PARAMFLAG_FOPT | PARAMFLAG_FHASDEFAULT));
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

// typee: served from a type library; lent: a member that waits for a Word it is
// given (InitQuestion); vtable: the module's, called through its vtable too.
struct Cible {
    std::string nom;
    Ptr<IDispatch> d;
    bool typee = true, vtable = false;
    std::vector<Membre> membres = {};
    DISPID lent = DISPID_UNKNOWN;
};

void invoqueAuHasard(Cible& c, Generateur& g, Bilan& b, const std::string& rang) {
    std::string refus;
    const bool connu = !c.membres.empty() && !g.pourCent(8);
    Membre m = connu ? c.membres[g.entre(static_cast<uint32_t>(c.membres.size()))]
                     : Membre{g.pourCent(50) ? g.entier() : 0x60030008, DISPATCH_METHOD, 0, 0};
    if (!connu && c.typee) refus = "unknown member";
    WORD drapeaux = m.drapeaux;
    const WORD autres[] = {0, DISPATCH_METHOD, DISPATCH_PROPERTYGET, DISPATCH_PROPERTYPUT, DISPATCH_PROPERTYPUTREF, 0xFFFF};
    if (g.pourCent(10)) drapeaux = autres[g.entre(std::size(autres))];
    const bool compte = c.typee && connu;
    if (compte && !(drapeaux & m.drapeaux)) refus = "flags";

    UINT n = compte ? m.parametres : g.entre(4);
    if (const uint32_t t = g.entre(10); t == 0 && n > 0) n -= 1 + g.entre(n);
    else if (t <= 2) n += 1 + g.entre(8);
    if (compte && n > m.parametres) refus = "too many arguments";
    const UINT nommes = n > 0 && g.pourCent(20) ? 1 + g.entre(std::min(n, 2u)) : 0;
    const UINT positionnels = n - nommes;

    std::vector<DISPID> ids(nommes);
    std::vector<bool> nomme(n + 8, false);
    for (UINT i = 0; i < nommes; ++i) {
        const DISPID autres[] = {-1, DISPID_PROPERTYPUT, 0, static_cast<DISPID>(positionnels), 1000, g.entier()};
        ids[i] = g.pourCent(80) ? static_cast<DISPID>(positionnels + i) : autres[g.entre(std::size(autres))];
        const bool bon = ids[i] >= static_cast<DISPID>(positionnels) &&
                         static_cast<UINT>(ids[i]) < std::min<size_t>(m.parametres, nomme.size()) &&
                         !nomme[static_cast<UINT>(ids[i])];
        if (bon) nomme[static_cast<UINT>(ids[i])] = true;
        else if (compte && refus.empty()) refus = "named argument";
    }
    for (UINT q = positionnels; compte && q < std::min<size_t>(m.requis, nomme.size()); ++q)
        if (!nomme[q] && refus.empty()) refus = "required parameter not given";

    Lot lot;
    lot.arguments.resize(n);
    bool nonSuivable = false;
    for (UINT i = 0; i < n; ++i) {
        const DISPID parametre = i < nommes ? ids[i] : static_cast<DISPID>(n - 1 - i);
        // The host's Word given to InitQuestion is waited for: seconds per call.
        if (!g.valeur(lot, lot.arguments[i], !(m.id == c.lent && parametre == 2))) nonSuivable = true;
    }

    DISPPARAMS p{lot.arguments.data(), ids.data(), n, nommes};
    DISPPARAMS* pp = &p;
    switch (g.entre(40)) {
        case 0: p.rgvarg = nullptr; if (n > 0) refus = "rgvarg null"; break;
        case 1: p.rgdispidNamedArgs = nullptr; p.cNamedArgs = std::min(n, 1u); if (n > 0) refus = "rgdispidNamedArgs null"; break;
        case 2: p.cNamedArgs = n + 1; refus = "more named arguments than arguments"; break;
        case 3: pp = nullptr; if (c.typee) refus = "no DISPPARAMS";
    }
    if (nonSuivable && pp && refus.empty()) refus = "reference that cannot be followed";
    const bool autreIid = g.pourCent(3);
    if (autreIid) refus = "riid not IID_NULL";

    VARIANT resultat = v(VT_EMPTY);
    EXCEPINFO ei{};
    UINT argErreur = 0;
    const std::string appel = rang + c.nom + " Invoke " + std::to_string(m.id) + " flags " + std::to_string(drapeaux) +
                              " cArgs " + std::to_string(p.cArgs) + " cNamedArgs " + std::to_string(p.cNamedArgs);
    b.appelle(appel, refus, [&] { return c.d->Invoke(m.id, autreIid ? IID_IDispatch : IID_NULL, 0, drapeaux, pp,
        g.pourCent(90) ? &resultat : nullptr, g.pourCent(90) ? &ei : nullptr, g.pourCent(90) ? &argErreur : nullptr); });
    VariantClear(&resultat);
    for (BSTR t : {ei.bstrSource, ei.bstrDescription, ei.bstrHelpFile}) SysFreeString(t);
}

void nommeAuHasard(Cible& c, Generateur& g, Bilan& b, const std::string& rang) {
    static const std::wstring long100000(100000, L'n');
    const wchar_t* noms[] = {L"TestePoint", L"InitQuestion", L"ilQuestion", L"count", L"item",
                             L"Name", L"Documents", L"Inconnu", L"", long100000.c_str()};
    std::string refus;
    const UINT n = g.pourCent(5) ? 0 : 1 + g.entre(3);
    if (n == 0 && c.typee) refus = "no names";
    std::vector<LPOLESTR> pointeurs(n);
    for (LPOLESTR& p : pointeurs)
        if (!(p = g.pourCent(5) ? nullptr : const_cast<LPOLESTR>(noms[g.entre(std::size(noms))]))) refus = "null name";
    DISPID ids[3];
    LPOLESTR* tableau = pointeurs.data();
    DISPID* sortie = ids;
    if (g.pourCent(5)) tableau = nullptr, refus = "rgszNames null";
    if (g.pourCent(5)) sortie = nullptr, refus = "rgDispId null";
    const bool autreIid = g.pourCent(3);
    if (autreIid) refus = "riid not IID_NULL";
    b.appelle(rang + c.nom + " GetIDsOfNames cNames " + std::to_string(n), refus,
              [&] { return c.d->GetIDsOfNames(autreIid ? IID_IDispatch : IID_NULL, tableau, n, 0, sortie); });
}

// Through the module's vtable as an early-bound client: a null pointer (a
// quarter of the time) is refused, every other call survived. (InitQuestion
// is left to Invoke: a Word given to it is waited for.)
void vtableModule(IDispatch* d, Generateur& g, Bilan& b, const std::string& rang) {
    Ptr<::AbstractModule> m = Ptr<IDispatch>(d).interroge<::AbstractModule>(kc::IID_AbstractModule);
    const bool nul = g.pourCent(25);
    const std::string refus = nul ? "null pointer" : "";
    VARIANT_BOOL vb;
    kc::Bstr texte;
    Ptr<::ComplementInfo> complement;
    IDispatch* app = pris(g.objet());
    LONG handle = g.entier();
    const bool sansApp = nul && g.pourCent(50);
    switch (g.entre(5)) {
        case 0: b.appelle(rang + "BravoNuance", refus, [&] { return m->get_BravoNuance(nul ? nullptr : &vb); }); break;
        case 1: b.appelle(rang + "Complement", refus, [&] { return m->get_Complement(nul ? nullptr : complement.put()); }); break;
        case 2: b.appelle(rang + "CauseErreur", refus, [&] { return m->get_CauseErreur(nul ? nullptr : texte.put()); }); break;
        case 3: b.appelle(rang + "TestePoint", "", [&] { return m->TestePoint(); }); break;
        default:
            b.appelle(rang + "Quitter", refus,
                      [&] { return m->Quitter(sansApp ? nullptr : &app, nul && !sansApp ? nullptr : &handle); });
    }
    if (app) app->Release();
}

// ---------------------------------------------------------------- reproducers' calls

// How a reproducer calls: Invoke as given, with one of its arrays null, or GetIDsOfNames with one null.
enum Forme { Entiere, SansRgvarg, SansIdsNommes, SansNoms, SansIds };

// rgvarg as given (already reversed), named ids first: the HRESULT and the argument named in error.
std::pair<HRESULT, UINT> invoque(IDispatch* d, const wchar_t* membre, WORD drapeaux, std::vector<VARIANT> rgvarg,
                std::vector<DISPID> nommes = {}, Forme forme = Entiere) {
    LPOLESTR nom = const_cast<LPOLESTR>(membre);
    DISPID id = DISPID_UNKNOWN;
    const std::string appel = "reproducer on " + std::string(membre, membre + wcslen(membre));
    if (forme >= SansNoms)
        return {surveille(appel, [&] { return d->GetIDsOfNames(IID_NULL, forme == SansNoms ? nullptr : &nom, 1, 0,
                                                               forme == SansIds ? nullptr : &id); }), UINT_MAX};
    DISPPARAMS p{forme == SansRgvarg ? nullptr : rgvarg.data(), forme == SansIdsNommes ? nullptr : nommes.data(),
                 static_cast<UINT>(rgvarg.size()), static_cast<UINT>(nommes.size())};
    UINT argErreur = UINT_MAX;
    VARIANT resultat = v(VT_EMPTY);
    const HRESULT hr = surveille(appel, [&] {
        return d->Invoke(idDe(d, membre), IID_NULL, 0, drapeaux, &p, &resultat, nullptr, &argErreur);
    });
    VariantClear(&resultat);
    return {hr, argErreur};
}

// ---------------------------------------------------------------- hung windows
// A main window of Word's class (minimised) and a dialog box it owns, made by
// a thread that then takes no messages, as a hung program's: whatever is sent
// to them waits for that thread.
class FenetresBloquees {
public:
    FenetresBloquees() : fin_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
        std::promise<void> pretes;
        fil_ = std::thread([this, &pretes] {
            WNDCLASSW c{};
            c.lpfnWndProc = DefWindowProcW;
            for (const wchar_t* classe : {L"OpusApp", L"K58204Bloquee"}) c.lpszClassName = classe, RegisterClassW(&c);
            principale = CreateWindowExW(0, L"OpusApp", L"Microsoft Word", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_MINIMIZE,
                                         0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
            dialogue = CreateWindowExW(WS_EX_DLGMODALFRAME, L"K58204Bloquee", L"Ouvrir", WS_POPUP | WS_VISIBLE, 10, 10, 100,
                                       80, principale, nullptr, nullptr, nullptr);
            pretes.set_value();
            WaitForSingleObject(fin_, INFINITE);
            DestroyWindow(dialogue);
            DestroyWindow(principale);
        });
        pretes.get_future().wait();
    }
    ~FenetresBloquees() {
        SetEvent(fin_);
        fil_.join();
        CloseHandle(fin_);
    }
    HWND principale = nullptr, dialogue = nullptr;

private:
    HANDLE fin_;
    std::thread fil_;
};

// ---------------------------------------------------------------- fixture

// Every test also has the simulated Word served in this process as simword serves it.
class Robustesse : public testing::Test {
protected:
    static void SetUpTestSuite() {
        AddVectoredExceptionHandler(1, gestionnaire);
        std::thread([] {
            for (;; Sleep(200)) {
                std::lock_guard garde(verrou);
                if (!enCours.empty() && GetTickCount64() - debut > LimiteAppel) echoue("hang", 0);
            }
        }).detach();
        ASSERT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
        CLSID word{};
        // A registered Word would be started and driven by the calls made here.
        ASSERT_FALSE(SUCCEEDED(CLSIDFromProgID(L"Word.Application.11", &word))) << "a Word is registered here";
        dll_ = LoadLibraryW(k58204::test::cheminWindows(K58204_DLL).c_str());  // as COM loads an in-process server
        ASSERT_TRUE(dll_);
    }
    static void TearDownTestSuite() {
        auto peutDecharger = reinterpret_cast<HRESULT(WINAPI*)()>(reinterpret_cast<void*>(GetProcAddress(dll_, "DllCanUnloadNow")));
        EXPECT_EQ(peutDecharger ? peutDecharger() : E_FAIL, S_OK);
        FreeLibrary(dll_);
        CoUninitialize();
    }
    void SetUp() override {
        serveur_ = std::make_unique<k58204::simword::ServeurSimWord>(nullptr);
        kc::DispatchObjet::apresChaqueAppel([this] { serveur_->synchronise(); });
        word_ = {"Word", kc::DispatchObjet::pour(serveur_->demarre(false, false)), false};
        for (const wchar_t* nom : {L"Name", L"Visible", L"Documents", L"Caption", L"Options", L"Selection", L""})
            word_.membres.push_back(Membre{idDe(word_.d.get(), nom), Lecture});
    }
    void TearDown() override {
        kc::DispatchObjet::apresChaqueAppel(nullptr);
        word_.d.reset();
        serveur_.reset();
        for (ObjetClient* o : {&menteur_, &defaillant_})
            EXPECT_EQ(o->references - 1, 0) << "references to the client's objects kept";
    }

    static Ptr<IDispatch> module() {
        auto fabriqueDe = reinterpret_cast<HRESULT(WINAPI*)(REFCLSID, REFIID, void**)>(
            reinterpret_cast<void*>(GetProcAddress(dll_, "DllGetClassObject")));
        Ptr<IClassFactory> fabrique;
        Ptr<IDispatch> m;
        if (fabriqueDe && SUCCEEDED(fabriqueDe(kc::CLSID_Module, IID_IClassFactory, fabrique.putVoid())))
            fabrique->CreateInstance(nullptr, IID_IDispatch, m.putVoid());
        return m;
    }
    static Cible cible(std::string nom, Ptr<IDispatch> d, bool vtable = false) {
        Cible c{std::move(nom), std::move(d), true, vtable};
        c.membres = membresDecrits(c.d.get());
        return c;
    }
    void fuzz(Cible& c) {
        const uint64_t graine = nombreEnvironnement("K58204_GRAINE", 58204);
        Generateur g(graine, {nullptr, &menteur_, &defaillant_, c.d.get()});
        Bilan b;
        for (uint64_t i = 0, n = nombreEnvironnement("K58204_APPELS", 10000); i < n; ++i) {
            const std::string rang = "seed " + std::to_string(graine) + " call " + std::to_string(i) + ": ";
            const uint32_t t = g.entre(c.vtable ? 100 : 85);
            if (t < 65) invoqueAuHasard(c, g, b, rang);
            else if (t < 85) nommeAuHasard(c, g, b, rang);
            else vtableModule(c.d.get(), g, b, rang);
        }
        EXPECT_EQ(b.faussesReussites, 0u) << c.nom;
        for (const std::string& f : b.premieres) ADD_FAILURE() << "wrong success: " << f;
    }

    static inline HMODULE dll_ = nullptr;
    ObjetClient menteur_{Reponse::Mensonge}, defaillant_{Reponse::Echec};
    std::unique_ptr<k58204::simword::ServeurSimWord> serveur_;
    Cible word_;
};

// ---------------------------------------------------------------- reproducers

// Calls that once crashed the component or wrongly succeeded, with the
// argument they name; a lying object (QueryInterface answers S_OK for every
// interface) given to the module and to Word, left where it was or given
// back (the fixture counts its references); the boundary of the argument count.
TEST_F(Robustesse, LesAppelsQuiPlantaientOuReussissaientAToutSontRefuses) {
    Ptr<IDispatch> module_ = module();
    IDispatch *m = module_.get(), *w = word_.d.get();
    VARIANT dossier = kc::texte(L"C:\\x\\"), app = v(VT_EMPTY), cible = v(VT_BYREF | VT_I4), boucle = v(VT_BYREF | VT_VARIANT);
    V_VARIANTREF(&boucle) = &boucle;
    VARIANT menteur = v(VT_DISPATCH, &menteur_), menteurPris = v(VT_DISPATCH, pris(&menteur_));  // the second one held
    LONG handle = -1;
    LONGLONG grand = INT64_MIN;
    const VARIANT i8 = v(VT_BYREF | VT_I8, &grand);
    const VARIANT q101 = kc::entier(101), h = v(VT_BYREF | VT_I4, &handle), a = kc::parReference(&app), vide = v(VT_EMPTY);
    const VARIANT lie = kc::parReference(&menteur), liePris = kc::parReference(&menteurPris);
    const WORD Put = DISPATCH_PROPERTYPUT, Met = DISPATCH_METHOD;
    const HRESULT Vb13 = static_cast<HRESULT>(0x800A000D), Nombre = DISP_E_BADPARAMCOUNT, Type = DISP_E_TYPEMISMATCH;
    struct Cas {  // argErreur: UINT_MAX when not set
        const char* nom; IDispatch* objet; const wchar_t* membre; WORD drapeaux; std::vector<VARIANT> rgvarg;
        std::vector<DISPID> nommes; Forme forme; HRESULT attendu; UINT argErreur = UINT_MAX;
    } cas[] = {
        {"null names", m, L"TestePoint", 0, {}, {}, SansNoms, E_INVALIDARG},
        {"null ids", m, L"TestePoint", 0, {}, {}, SansIds, E_INVALIDARG},
        {"null rgvarg, 2 arguments", m, L"Quitter", Lecture, {h, a}, {}, SansRgvarg, E_INVALIDARG},
        {"null rgdispidNamedArgs, 2 named", m, L"Quitter", Lecture, {h, a}, {1, 0}, SansIdsNommes, E_INVALIDARG},
        {"null ioApplication reference", m, L"InitQuestion", Lecture, {h, v(VT_BYREF | VT_VARIANT), dossier, q101}, {}, Entiere, Type, 1},
        {"a reference to a null reference", m, L"Quitter", Lecture, {kc::parReference(&cible), a}, {}, Entiere, Type, 0},
        {"a parameter named twice", m, L"Quitter", Lecture, {h, a}, {1, 1}, Entiere, DISP_E_PARAMNOTFOUND, 1},
        {"Word's Visible, a reference to itself", w, L"Visible", Put, {kc::parReference(&boucle)}, {DISPID_PROPERTYPUT}, Entiere, Type, 0},
        {"Word's Visible, a lying object: VB's 13", w, L"Visible", Put, {lie}, {DISPID_PROPERTYPUT}, Entiere, Vb13},
        {"Quitter, a lying ioApplication: the client's own, not quit", m, L"Quitter", Lecture, {h, lie}, {}, Entiere, S_OK},
        {"InitQuestion, a lying ioApplication: not Word", m, L"InitQuestion", Lecture, {h, liePris, dossier, q101}, {}, Entiere, DISP_E_EXCEPTION},
        {"Fermer, 1 argument", m, L"Fermer", Met, {vide}, {}, Entiere, Nombre},
        {"TestePoint, 1 argument", m, L"TestePoint", Met, {q101}, {}, Entiere, Nombre},
        {"Quitter, 2 parameters and 1 more", m, L"Quitter", Lecture, {vide, h, a}, {}, Entiere, Nombre},
        {"InitQuestion, 2 of its 4 required", m, L"InitQuestion", Lecture, {i8, q101}, {}, Entiere, Nombre},
        {"Quitter, 1 of its 2", m, L"Quitter", Met, {a}, {}, Entiere, Nombre},
        {"InitQuestion, the folder neither by position nor by name", m, L"InitQuestion", Lecture, {h, a, q101}, {3, 2}, Entiere, Nombre},
        {"ErreurGenerale, as many arguments as it has parameters", m, L"ErreurGenerale", Lecture, {}, {}, Entiere, S_OK},
    };
    for (const Cas& c : cas) {
        const auto [hr, argErreur] = invoque(c.objet, c.membre, c.drapeaux, c.rgvarg, c.nommes, c.forme);
        EXPECT_EQ(hr, c.attendu) << c.nom;
        EXPECT_TRUE(c.argErreur == UINT_MAX || argErreur == c.argErreur) << c.nom << ": argument " << argErreur;
    }
    EXPECT_EQ(V_VT(&menteur), VT_DISPATCH);
    EXPECT_EQ(V_DISPATCH(&menteur), &menteur_);
    for (VARIANT* x : {&dossier, &app, &menteurPris}) VariantClear(x);
}

// ---------------------------------------------------------------- random runs and leaks

TEST_F(Robustesse, AppelsAuHasardSurLesObjetsDuComposant) {
    {
        std::vector<Cible> cibles = {
            cible("Module", module(), true),
            cible("ComplementInfo",
                  Ptr<IDispatch>(kc::creeComplementInfoCom(std::make_shared<k58204::ComplementInfo>()).get())),
            cible("FichiersDeTravail", kc::creeFichiersDeTravailCom(std::make_shared<k58204::FichiersDeTravail>()))};
        cibles[0].lent = idDe(cibles[0].d.get(), L"InitQuestion");
        for (Cible& c : cibles) {
            ASSERT_TRUE(c.d) << c.nom;
            ASSERT_FALSE(c.membres.empty()) << c.nom;
            fuzz(c);
        }
    }
    EXPECT_TRUE(kc::serveur::peutDecharger());
}

TEST_F(Robustesse, AppelsAuHasardSurLeWordSimule) { fuzz(word_); }

// ---------------------------------------------------------------- the road of one Module
// Long sequences of InitQuestion, TestePoint, Fermer and Quitter on one Module
// (K58204_CYCLES calls, seeded by K58204_GRAINE), through IDispatch with as
// many arguments as parameters, one more, or fewer than required, and through
// the vtable, with hostile Words (failing, lying, answering a huge number or
// themselves, busy, gone; at once, slow or blocking; some released by the
// host right after the call), window handles (hung ones, made-up ones),
// folders and exercise numbers. Every call ends within LimiteAppel (the
// watchdog), fewer or more arguments than the member takes are refused, and
// no Word is called after its last Release or kept once the Module is gone.
class Cycles {
public:
    // The hostile Words are made in `mots`, which outlives the module.
    Cycles(IDispatch* module, Generateur& g, const FenetresBloquees& bloquees, std::deque<ObjetClient>& mots)
        : m_(module), g_(g), mots_(mots) {
        for (const wchar_t* nom : {L"InitQuestion", L"TestePoint", L"Fermer", L"Quitter"}) ids_.push_back(idDe(m_, nom));
        poignees_ = {0, -1, 1, static_cast<LONG>(reinterpret_cast<intptr_t>(bloquees.principale)),
                     static_cast<LONG>(reinterpret_cast<intptr_t>(bloquees.dialogue))};
        GetTempPathW(MAX_PATH, temporaire_);
    }
    // The parameters of each member (InitQuestion's last one is optional).
    static constexpr UINT Parametres[] = {5, 0, 0, 2}, Requis[] = {4, 0, 0, 2};

    // One call drawn and made, watched: the member (index of InitQuestion,
    // TestePoint, Fermer, Quitter) and the count of its arguments (UINT_MAX:
    // the vtable); a count the member does not take is refused.
    void joue(const std::string& rang) {
        const UINT membre = g_.entre(4), t = g_.entre(10);
        UINT nombre;
        if (t == 0 && Requis[membre] > 0) nombre = g_.entre(Requis[membre]);
        else if (t == 1) nombre = Parametres[membre] + 1 + g_.entre(2);
        else if (t == 2 && (membre == 0 || membre == 3)) nombre = UINT_MAX;
        else nombre = Parametres[membre] - (membre == 0 && g_.pourCent(30));
        ObjetClient* mot = word();
        IDispatch* app = pris(mot);
        LONG handle = g_.pourCent(10) ? g_.entier() : poignees_[g_.entre(static_cast<uint32_t>(poignees_.size()))];
        const LONG question = g_.pourCent(80) ? 101 + static_cast<LONG>(g_.entre(24)) : g_.entier();
        kc::Bstr dossier(g_.pourCent(50) ? SysAllocString(temporaire_) : g_.texte());
        static const char* const noms[] = {"InitQuestion", "TestePoint", "Fermer", "Quitter"};
        const std::string appel = rang + noms[membre] + ", " +
                                  (nombre == UINT_MAX ? "vtable" : std::to_string(nombre) + " arguments") +
                                  ", Word " + (mot ? std::to_string(static_cast<int>(mot->reponse)) + "/" +
                                                         std::to_string(mot->delai) + " ms" : "null") +
                                  ", handle " + std::to_string(handle) + ", question " + std::to_string(question) +
                                  ", folder of " + std::to_string(SysStringLen(dossier.get())) + " characters";
        const HRESULT hr = surveille(appel, [&] {
            if (nombre == UINT_MAX) {
                Ptr<::AbstractModule> am = Ptr<IDispatch>(m_).interroge<::AbstractModule>(kc::IID_AbstractModule);
                return membre == 0 ? am->InitQuestion(question, dossier.get(), &app, &handle, nullptr)
                                   : am->Quitter(&app, &handle);
            }
            // Reversed, the first parameter last; Quitter's two are InitQuestion's third and fourth.
            std::vector<VARIANT> rgvarg(nombre, v(VT_EMPTY));
            for (UINT i = 0; i < nombre; ++i) {
                VARIANT& a = rgvarg[nombre - 1 - i];
                const UINT role = membre == 0 ? i : i + 2;
                if (role == 0) a = kc::entier(question);
                else if (role == 1) V_VT(&a) = VT_BSTR, V_BSTR(&a) = dossier.get();
                else if (role == 2) a = v(VT_BYREF | VT_DISPATCH, &app);
                else if (role == 3) a = v(VT_BYREF | VT_I4, &handle);
            }
            DISPPARAMS d{rgvarg.data(), nullptr, nombre, 0};
            VARIANT resultat = v(VT_EMPTY);
            const HRESULT r = m_->Invoke(ids_[membre], IID_NULL, 0, g_.pourCent(50) ? DISPATCH_METHOD : Lecture, &d,
                                         &resultat, nullptr, nullptr);
            VariantClear(&resultat);
            return r;
        });
        if (nombre != UINT_MAX && (nombre < Requis[membre] || nombre > Parametres[membre])) {
            EXPECT_EQ(hr, DISP_E_BADPARAMCOUNT) << appel;
        }
        // The host lets go of the Word the call left it; of the Word itself, for some.
        if (app) app->Release();
        if (mot && g_.pourCent(10)) mot->Release(), mot->lache = true, std::erase(passes_, mot);
    }

private:
    // Null, or a hostile Word: a new one, or one passed before.
    ObjetClient* word() {
        static const DWORD delais[] = {0, 0, 0, 20, Blocage};
        if (g_.pourCent(15)) return nullptr;
        if (passes_.empty() || g_.pourCent(30)) {
            const auto r = static_cast<Reponse>(g_.entre(6));
            passes_.push_back(&mots_.emplace_back(r, delais[g_.entre(std::size(delais))]));
        }
        return passes_[g_.entre(static_cast<uint32_t>(passes_.size()))];
    }

    IDispatch* m_;
    Generateur& g_;
    std::deque<ObjetClient>& mots_;
    std::vector<ObjetClient*> passes_;  // the Words the host still holds
    std::vector<DISPID> ids_;
    std::vector<LONG> poignees_;
    wchar_t temporaire_[MAX_PATH + 1] = {};
};

// The sequence that once never returned (seed 1, steps 0 to 5 of the
// sequences below, on the landed module), reduced to its last two calls on a
// new Module: InitQuestion given a Word that answers every member with itself
// and the handle of a main window whose thread takes no messages, with a
// dialog box it owns above it, then TestePoint. Each returns under the watchdog.
TEST_F(Robustesse, LAppelQuiNeRevenaitPasRevient) {
    const FenetresBloquees bloquees;
    ObjetClient luiMeme(Reponse::LuiMeme);
    wchar_t temporaire[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, temporaire);
    {
        Ptr<::AbstractModule> m = module().interroge<::AbstractModule>(kc::IID_AbstractModule);
        IDispatch* app = pris(&luiMeme);
        LONG handle = static_cast<LONG>(reinterpret_cast<intptr_t>(bloquees.principale));
        kc::Bstr dossier(SysAllocString(temporaire));
        EXPECT_TRUE(FAILED(surveille("InitQuestion, a Word answering itself, a hung main window", [&] {
            return m->InitQuestion(103, dossier.get(), &app, &handle, nullptr);
        })));
        surveille("TestePoint after it", [&] { return m->TestePoint(); });
        if (app) app->Release();
    }
    EXPECT_EQ(luiMeme.references, 1);
}

TEST_F(Robustesse, CyclesSurUnModule) {
    const FenetresBloquees bloquees;
    const uint64_t graine = nombreEnvironnement("K58204_GRAINE", 58204);
    Generateur g(graine, {});
    std::deque<ObjetClient> mots;
    const uint64_t n = nombreEnvironnement("K58204_CYCLES", 10);
    dureePlusLong = 0;
    {
        Ptr<IDispatch> m = module();
        ASSERT_TRUE(m);
        Cycles cycles(m.get(), g, bloquees, mots);
        for (uint64_t i = 0; i < n; ++i)
            cycles.joue("seed " + std::to_string(graine) + " step " + std::to_string(i) + ": ");
    }
    std::printf("%llu steps, the longest %llu ms: %s\n", static_cast<unsigned long long>(n), dureePlusLong, plusLong.c_str());
    // The Module gone, each Word has the references its host keeps: one, or none once let go.
    for (const ObjetClient& o : mots) {
        EXPECT_FALSE(o.apresLiberation) << "a Word called after its last Release";
        EXPECT_EQ(o.references, o.lache ? 0 : 1) << "references to a Word kept or released by the module";
    }
}

// Refused calls leave nothing behind: 10,000 of them after a warm-up, the
// process's private bytes (Wine leaves PrivateUsage at 0) measured around them.
TEST_F(Robustesse, DixMilleAppelsRefusesNeLaissentRien) {
    Ptr<IDispatch> m = module();
    Ptr<::AbstractModule> am = m.interroge<::AbstractModule>(kc::IID_AbstractModule);
    LPOLESTR inconnu = const_cast<LPOLESTR>(L"Inconnu");
    auto refuse = [&](int i) {
        VARIANT cible = v(VT_DISPATCH, &menteur_);
        VARIANT_BOOL b; DISPID id;
        switch (i % 4) {
            case 0: return invoque(m.get(), L"TestePoint", DISPATCH_METHOD, {kc::entier(1)}).first;
            case 1: return invoque(m.get(), L"Quitter", DISPATCH_METHOD, {v(VT_BYREF | VT_I4), kc::parReference(&cible)}).first;
            case 2: return am->get_BravoNuance(&b);  // no exercise: error 91 with its error object
            default: return m->GetIDsOfNames(IID_NULL, &inconnu, 1, 0, &id);
        }
    };
    auto privees = [] {
        PROCESS_MEMORY_COUNTERS_EX c{};
        GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&c), sizeof c);
        return c.PagefileUsage;
    };
    for (int i = 0; i < 1000; ++i) ASSERT_TRUE(FAILED(refuse(i)));
    const SIZE_T avant = privees();
    for (int i = 0; i < 10000; ++i) ASSERT_TRUE(FAILED(refuse(i))) << i;
    const SIZE_T apres = privees();
    EXPECT_GT(avant, 0u);
    EXPECT_LT(apres, avant + 256 * 1024) << "private bytes grew from " << avant << " to " << apres;
}

}  // namespace
