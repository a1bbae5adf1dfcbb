#include "com/simword/DispatchObjet.hpp"

#include <cxxabi.h>

#include <cstdlib>
#include <cstring>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <new>
#include <optional>
#include <string>
#include <typeinfo>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "com/client/CacheDispids.hpp"
#include "com/commun/TypesDispatch.hpp"
#include "com/client/Conversions.hpp"
#include "com/commun/Erreurs.hpp"
#include "word/Erreur.hpp"
#include "word/Texte.hpp"

namespace k58204::com {

namespace {

char16_t minuscule(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

std::u16string cle(std::u16string_view nom) {
    std::u16string c(nom);
    for (char16_t& x : c) x = minuscule(x);
    return c;
}

// Dispatch ids by name, for the whole process. Ids are handed out from 1 up
// in the order names are first seen; "" is DISPID_VALUE.
struct TableNoms {
    std::mutex verrou;
    std::unordered_map<std::u16string, DISPID> ids;
    std::deque<std::u16string> noms;  // noms[id - 1]; elements never move
};

TableNoms& tableNoms() {
    static TableNoms t;
    return t;
}

// The live DispatchObjet of each identity (entries removed by the destructor).
std::map<const void*, DispatchObjet*>& servis() {
    static std::map<const void*, DispatchObjet*> s;
    return s;
}

// Every live DispatchObjet, by address: objetServi recognises the process's
// own objects by it, never by asking the object (a caller's object may answer
// anything to QueryInterface).
struct Vivants {
    std::mutex verrou;
    std::unordered_set<const IDispatch*> adresses;
};

Vivants& vivants() {
    static Vivants v;
    return v;
}

std::function<void()>& apres() {
    static std::function<void()> f;
    return f;
}

std::shared_ptr<CacheDispids> cacheArguments() {
    // Objects of other servers passed as arguments are called through it.
    static auto c = std::make_shared<CacheDispids>();
    return c;
}

// The implementation class of an object, as the compiler names it.
std::string nomClasseDe(const Objet& o) {
    const char* brut = typeid(o).name();
    int statut = 0;
    char* clair = abi::__cxa_demangle(brut, nullptr, nullptr, &statut);
    std::string nom = statut == 0 && clair ? clair : brut;
    std::free(clair);
    return nom;
}

// The class name without its namespaces, for GetDocumentation (VB's TypeName).
std::u16string nomCourt(const std::string& nom) {
    const size_t p = nom.rfind("::");
    return depuisUtf8(p == std::string::npos ? nom : nom.substr(p + 2));
}

// The type description of one implementation class: enough for a client to
// tell types apart (GetTypeAttr's GUID) and to name it; names resolve through
// the process-wide table, which the type declares by its base dispinterface
// (BaseIdsCommuns) so that a client takes the ids of an object's type for the
// objects it returns.
class InfoType final : public ITypeInfo {
public:
    // `base`: the type has the base BaseIdsCommuns (the base itself has none).
    InfoType(GUID guid, std::u16string nom, bool base = true) : guid_(guid), nom_(std::move(nom)), base_(base) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** objet) override {
        if (!objet) return E_POINTER;
        *objet = nullptr;
        if (!IsEqualGUID(iid, IID_IUnknown) && !IsEqualGUID(iid, IID_ITypeInfo)) return E_NOINTERFACE;
        *objet = static_cast<ITypeInfo*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG n = --references_;
        if (n == 0) delete this;
        return n;
    }

    HRESULT STDMETHODCALLTYPE GetTypeAttr(TYPEATTR** attributs) override {
        if (!attributs) return E_POINTER;
        auto* a = static_cast<TYPEATTR*>(CoTaskMemAlloc(sizeof(TYPEATTR)));
        if (!a) return E_OUTOFMEMORY;
        std::memset(a, 0, sizeof *a);
        a->guid = guid_;
        a->lcid = LOCALE_NEUTRAL;
        a->memidConstructor = MEMBERID_NIL;
        a->memidDestructor = MEMBERID_NIL;
        a->typekind = TKIND_DISPATCH;
        a->cbSizeVft = 7 * sizeof(void*);  // IDispatch's vtable
        a->cbAlignment = sizeof(void*);
        a->wTypeFlags = TYPEFLAG_FDISPATCHABLE;
        a->cImplTypes = base_ ? 1 : 0;
        a->tdescAlias.vt = VT_EMPTY;
        *attributs = a;
        return S_OK;
    }
    void STDMETHODCALLTYPE ReleaseTypeAttr(TYPEATTR* attributs) override { CoTaskMemFree(attributs); }

    HRESULT STDMETHODCALLTYPE GetIDsOfNames(LPOLESTR* noms, UINT n, MEMBERID* ids) override {
        if (!noms || !ids) return E_INVALIDARG;
        for (UINT i = 0; i < n; ++i)
            ids[i] = dispidDe(noms[i] ? std::u16string_view(reinterpret_cast<const char16_t*>(noms[i])) : u"");
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDocumentation(MEMBERID id, BSTR* nom, BSTR* doc, DWORD* aide,
                                               BSTR* fichierAide) override {
        try {
            if (id == MEMBERID_NIL) {
                if (nom) *nom = bstr(nom_).detache();
            } else {
                const std::u16string* n = nomDe(id);
                if (!n) return TYPE_E_ELEMENTNOTFOUND;
                if (nom) *nom = bstr(*n).detache();
            }
        } catch (const std::bad_alloc&) {
            return E_OUTOFMEMORY;
        }
        if (doc) *doc = nullptr;
        if (aide) *aide = 0;
        if (fichierAide) *fichierAide = nullptr;
        return S_OK;
    }

    // What a type library would describe member by member is not kept.
    HRESULT STDMETHODCALLTYPE GetTypeComp(ITypeComp**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetFuncDesc(UINT, FUNCDESC**) override { return TYPE_E_ELEMENTNOTFOUND; }
    HRESULT STDMETHODCALLTYPE GetVarDesc(UINT, VARDESC**) override { return TYPE_E_ELEMENTNOTFOUND; }
    HRESULT STDMETHODCALLTYPE GetNames(MEMBERID, BSTR*, UINT, UINT*) override { return TYPE_E_ELEMENTNOTFOUND; }
    HRESULT STDMETHODCALLTYPE GetRefTypeOfImplType(UINT rang, HREFTYPE* reference) override {
        if (!reference) return E_INVALIDARG;
        if (!base_ || rang != 0) return TYPE_E_ELEMENTNOTFOUND;
        *reference = ReferenceBase;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetImplTypeFlags(UINT, INT*) override { return TYPE_E_ELEMENTNOTFOUND; }
    HRESULT STDMETHODCALLTYPE Invoke(PVOID, MEMBERID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetDllEntry(MEMBERID, INVOKEKIND, BSTR*, BSTR*, WORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetRefTypeInfo(HREFTYPE reference, ITypeInfo** info) override {
        if (!info) return E_INVALIDARG;
        *info = nullptr;
        if (!base_ || reference != ReferenceBase) return TYPE_E_ELEMENTNOTFOUND;
        static ITypeInfo* const commune = new InfoType(BaseIdsCommuns, u"IdsCommuns", false);
        commune->AddRef();
        *info = commune;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE AddressOfMember(MEMBERID, INVOKEKIND, PVOID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown*, REFIID, PVOID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMops(MEMBERID, BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetContainingTypeLib(ITypeLib**, UINT*) override { return E_NOTIMPL; }
    void STDMETHODCALLTYPE ReleaseFuncDesc(FUNCDESC*) override {}
    void STDMETHODCALLTYPE ReleaseVarDesc(VARDESC*) override {}

private:
    ~InfoType() = default;

    static constexpr HREFTYPE ReferenceBase = 1;

    const GUID guid_;
    const std::u16string nom_;
    const bool base_;
    std::atomic<ULONG> references_{1};
};

// One type description per class for the life of the process.
Ptr<ITypeInfo> infoTypeDe(const Objet& o) {
    static std::map<std::string, Ptr<ITypeInfo>>* infos = new std::map<std::string, Ptr<ITypeInfo>>();
    const std::string nom = nomClasseDe(o);
    Ptr<ITypeInfo>& info = (*infos)[nom];
    if (!info) info = Ptr<ITypeInfo>::adopte(new InfoType(guidDeClasse(nom), nomCourt(nom)));
    return info;
}

// The arguments of an Invoke as the seam takes them. Throws Erreur (13 for a
// value of a type the seam has no place for) and the HRESULTs of malformed
// parameters as `HRESULT`.
Arguments argumentsDe(const DISPPARAMS& p, bool put, UINT* argErreur) {
    if (p.cArgs > 0 && !p.rgvarg) throw E_INVALIDARG;
    if (p.cNamedArgs > p.cArgs || (p.cNamedArgs > 0 && !p.rgdispidNamedArgs)) throw E_INVALIDARG;
    const auto cache = cacheArguments();
    auto lit = [&](UINT i) {
        try {
            return depuisVariant(p.rgvarg[i], cache);
        } catch (const Erreur&) {
            if (argErreur) *argErreur = i;
            throw DISP_E_TYPEMISMATCH;
        }
    };
    Arguments args;
    // rgvarg holds the named arguments first, then the positional ones from
    // the last to the first.
    for (UINT i = p.cArgs; i > p.cNamedArgs; --i) args.emplace_back(lit(i - 1));
    std::optional<Variant> valeur;
    for (UINT i = 0; i < p.cNamedArgs; ++i) {
        const DISPID id = p.rgdispidNamedArgs[i];
        if (id == DISPID_PROPERTYPUT && put) {
            valeur = lit(i);
            continue;
        }
        const std::u16string* nom = nomDe(id);
        if (!nom || nom->empty()) {
            if (argErreur) *argErreur = i;
            throw DISP_E_PARAMNOTFOUND;
        }
        args.emplace_back(*nom, lit(i));
    }
    if (put) {
        // The value of a put comes last; a caller that did not name it passes
        // it as the first element (the last positional argument) already.
        if (valeur) args.emplace_back(std::move(*valeur));
        else if (args.empty() || !args.back().nom.empty()) throw DISP_E_PARAMNOTOPTIONAL;
    }
    return args;
}

constexpr uint64_t DecalageFnv = 14695981039346656037ull;
constexpr uint64_t PremierFnv = 1099511628211ull;

uint64_t fnv(std::string_view s, uint64_t graine) {
    uint64_t h = DecalageFnv ^ graine;
    for (unsigned char c : s) h = (h ^ c) * PremierFnv;
    return h;
}

}  // namespace

AppelsRecus& appelsRecus() {
    static AppelsRecus a;
    return a;
}

DISPID dispidDe(std::u16string_view nom) {
    if (nom.empty()) return DISPID_VALUE;
    TableNoms& t = tableNoms();
    std::lock_guard<std::mutex> garde(t.verrou);
    std::u16string c = cle(nom);
    if (auto it = t.ids.find(c); it != t.ids.end()) return it->second;
    t.noms.emplace_back(nom);
    const auto id = static_cast<DISPID>(t.noms.size());
    t.ids.emplace(std::move(c), id);
    return id;
}

const std::u16string* nomDe(DISPID id) {
    static const std::u16string vide;
    if (id == DISPID_VALUE) return &vide;
    TableNoms& t = tableNoms();
    std::lock_guard<std::mutex> garde(t.verrou);
    if (id < 1 || static_cast<size_t>(id) > t.noms.size()) return nullptr;
    return &t.noms[static_cast<size_t>(id) - 1];
}

GUID guidDeClasse(std::string_view nomClasse) {
    // The dispatch ids of this process are handed out as names are first
    // seen, so they hold for this process only: the GUID carries a value of
    // the process too. A client that cached ids for a type of a server that
    // has since been restarted sees a new type and asks for the ids again.
    static const uint64_t processus =
        (static_cast<uint64_t>(GetCurrentProcessId()) << 32) ^ static_cast<uint64_t>(GetTickCount64());
    const uint64_t a = fnv(nomClasse, 0x4B35 ^ processus), b = fnv(nomClasse, 0x58204 ^ processus);
    GUID g;
    g.Data1 = static_cast<uint32_t>(a >> 32);
    g.Data2 = static_cast<uint16_t>(a >> 16);
    // Version 8 (a GUID of the maker's own scheme), RFC 4122 variant.
    g.Data3 = static_cast<uint16_t>((a & 0x0FFF) | 0x8000);
    for (int i = 0; i < 8; ++i) g.Data4[i] = static_cast<unsigned char>(b >> (8 * i));
    g.Data4[0] = static_cast<unsigned char>((g.Data4[0] & 0x3F) | 0x80);
    return g;
}

// ---------------------------------------------------------------- DispatchObjet

Ptr<IDispatch> DispatchObjet::pour(const ObjetPtr& o) {
    if (!o) return {};
    if (auto it = servis().find(o->identite()); it != servis().end()) return Ptr<IDispatch>(it->second);
    return Ptr<IDispatch>::adopte(new DispatchObjet(o));
}

ObjetPtr DispatchObjet::objetServi(IDispatch* d) {
    if (!d) return {};
    Vivants& v = vivants();
    std::lock_guard<std::mutex> garde(v.verrou);
    if (!v.adresses.contains(d)) return {};
    return static_cast<DispatchObjet*>(d)->objet_;
}

void DispatchObjet::apresChaqueAppel(std::function<void()> f) { apres() = std::move(f); }

namespace {

std::function<void()>& dernierClient() {
    static std::function<void()> f;
    return f;
}

std::atomic<long>& connexionsFortes() {
    static std::atomic<long> n{0};
    return n;
}

}  // namespace

void DispatchObjet::apresDernierClient(std::function<void()> f) { dernierClient() = std::move(f); }

long DispatchObjet::connexions() { return connexionsFortes().load(); }

void DispatchObjet::deconnecteTout() {
    // A copy: disconnecting releases the stubs' references, which may end objects.
    std::vector<Ptr<IDispatch>> tous;
    for (const auto& [identite, d] : servis()) tous.emplace_back(static_cast<IDispatch*>(d));
    for (const Ptr<IDispatch>& d : tous) CoDisconnectObject(d.get(), 0);
}

DWORD DispatchObjet::AddConnection(DWORD sorte, DWORD) {
    return sorte & EXTCONN_STRONG ? static_cast<DWORD>(++connexionsFortes()) : 0;
}

DWORD DispatchObjet::ReleaseConnection(DWORD sorte, DWORD, BOOL) {
    if (!(sorte & EXTCONN_STRONG)) return 0;
    const long n = --connexionsFortes();
    if (n == 0 && dernierClient()) dernierClient()();
    return static_cast<DWORD>(n < 0 ? 0 : n);
}

DispatchObjet::DispatchObjet(ObjetPtr o) : objet_(std::move(o)), identite_(objet_->identite()) {
    servis()[identite_] = this;
    Vivants& v = vivants();
    std::lock_guard<std::mutex> garde(v.verrou);
    v.adresses.insert(this);
}

DispatchObjet::~DispatchObjet() {
    if (auto it = servis().find(identite_); it != servis().end() && it->second == this) servis().erase(it);
    Vivants& v = vivants();
    std::lock_guard<std::mutex> garde(v.verrou);
    v.adresses.erase(this);
}

HRESULT DispatchObjet::QueryInterface(REFIID iid, void** objet) {
    if (!objet) return E_POINTER;
    *objet = nullptr;
    if (IsEqualGUID(iid, IID_IUnknown) || IsEqualGUID(iid, IID_IDispatch)) {
        *objet = static_cast<IDispatch*>(this);
    } else if (IsEqualGUID(iid, IID_IExternalConnection)) {
        *objet = static_cast<IExternalConnection*>(this);
    } else {
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG DispatchObjet::AddRef() { return ++references_; }

ULONG DispatchObjet::Release() {
    const ULONG n = --references_;
    if (n == 0) delete this;
    return n;
}

HRESULT DispatchObjet::GetTypeInfoCount(UINT* n) {
    if (!n) return E_POINTER;
    *n = 1;
    return S_OK;
}

HRESULT DispatchObjet::GetTypeInfo(UINT rang, LCID, ITypeInfo** info) {
    ++appelsRecus().getTypeInfo;
    if (!info) return E_POINTER;
    *info = nullptr;
    if (rang != 0) return DISP_E_BADINDEX;
    try {
        *info = infoTypeDe(*objet_).detache();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    return S_OK;
}

HRESULT DispatchObjet::GetIDsOfNames(REFIID iid, LPOLESTR* noms, UINT n, LCID, DISPID* ids) {
    ++appelsRecus().getIDsOfNames;
    if (!IsEqualGUID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    if (!noms || !ids) return E_INVALIDARG;
    try {
        for (UINT i = 0; i < n; ++i) {
            if (!noms[i]) return DISP_E_UNKNOWNNAME;
            ids[i] = dispidDe(reinterpret_cast<const char16_t*>(noms[i]));
        }
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    return S_OK;
}

HRESULT DispatchObjet::Invoke(DISPID membre, REFIID iid, LCID, WORD drapeaux, DISPPARAMS* appel, VARIANT* resultat,
                              EXCEPINFO* exception, UINT* argErreur) {
    ++appelsRecus().invoke;
    if (!IsEqualGUID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    const std::u16string* nom = nomDe(membre);
    if (!nom) return DISP_E_MEMBERNOTFOUND;
    static DISPPARAMS aucun{nullptr, nullptr, 0, 0};
    if (!appel) appel = &aucun;
    const bool put = (drapeaux & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
    Appel sorte = Appel::Call;
    if (put) sorte = Appel::Put;
    else if (drapeaux & DISPATCH_PROPERTYGET) sorte = Appel::Get;
    else if (!(drapeaux & DISPATCH_METHOD)) return E_INVALIDARG;

    // The object stays alive through the call, even if the call releases the
    // last client reference.
    Ptr<IDispatch> moi(this);
    const std::u16string membreNom = *nom;
    HRESULT hr = S_OK;
    try {
        const Arguments args = argumentsDe(*appel, put, argErreur);
        Variant v = objet_->invoke(membreNom, sorte, args);
        if (resultat && !put) {
            VariantInit(resultat);
            versVariant(v, resultat);
        }
    } catch (HRESULT h) {
        hr = h;
    } catch (const Erreur& e) {
        if (e.numero() == static_cast<int32_t>(RPC_E_CALL_REJECTED)) {
            hr = RPC_E_CALL_REJECTED;
        } else if (!exception) {
            hr = hresultVb(e.numero());
        } else {
            hr = DISP_E_EXCEPTION;
            std::memset(exception, 0, sizeof *exception);
            exception->scode = hresultVb(e.numero());
            try {
                exception->bstrSource = bstr(e.source()).detache();
                exception->bstrDescription = bstr(e.description()).detache();
            } catch (const std::bad_alloc&) {
            }
        }
    } catch (const std::bad_alloc&) {
        hr = E_OUTOFMEMORY;
    } catch (...) {
        hr = E_UNEXPECTED;
    }
    if (apres()) {
        try {
            apres()();
        } catch (...) {
            // Keeping the windows in line never fails the call that was made.
        }
    }
    return hr;
}

}  // namespace k58204::com

namespace k58204::com {
namespace {

// Wherever DispatchObjet is linked in, the process's own objects reach COM through it.
[[maybe_unused]] const bool serviceInstalle = (serviceObjetsLocaux({&DispatchObjet::pour, &DispatchObjet::objetServi}), true);

}  // namespace
}  // namespace k58204::com
