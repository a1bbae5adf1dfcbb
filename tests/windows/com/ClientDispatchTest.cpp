// Word reached through IDispatch: the client side of the automation seam on
// fakes that fail as an out-of-process server does and that describe their
// types in a library of their own. (Calls on the simulated Word are the
// lesson's, through simword.exe.)
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

#include "com/client/CacheDispids.hpp"
#include "com/client/Conversions.hpp"
#include "com/commun/Erreurs.hpp"
#include "com/client/ObjetDispatch.hpp"
#include "support/NumeroErreur.hpp"
#include "word/Texte.hpp"

using namespace k58204;
using namespace k58204::com;
using k58204::test::numeroErreur;

namespace {

class ClientDispatch : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK); }
    void TearDown() override { CoUninitialize(); }
};

// The IUnknown of the fake servers' objects: IUnknown and IDispatch, counted.
class DispatchFaux : public IDispatch {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** o) override {
        if (!IsEqualGUID(iid, IID_IUnknown) && !IsEqualGUID(iid, IID_IDispatch)) return E_NOINTERFACE;
        return *o = static_cast<IDispatch*>(this), AddRef(), S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG references = 1;
};

// An IDispatch without type information that fails every Invoke as told.
class FauxDispatch final : public DispatchFaux {
public:
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override { return *n = 0, S_OK; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT n, LCID, DISPID* ids) override {
        for (UINT i = 0; i < n; ++i) ids[i] = static_cast<DISPID>(10 + i);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO* ei, UINT*) override {
        if (echec == DISP_E_EXCEPTION)
            *ei = EXCEPINFO{wCode, 0, SysAllocString(L"Microsoft Word"), SysAllocString(L"Le signet n'existe pas."),
                            nullptr, 0, nullptr, nullptr, scode};
        return echec;
    }
    HRESULT echec = S_OK;
    SCODE scode = 0;
    WORD wCode = 0;
};

// Every reference taken was given back, the error raised or not.
TEST_F(ClientDispatch, ChaqueEchecDevientLErreurQueVbDonnerait) {
    struct Cas { HRESULT hr; SCODE scode; WORD wCode; int32_t numero; std::u16string source; } cas[] = {
        // Word busy in a modal loop: the HRESULT itself, as VB shows it.
        {RPC_E_CALL_REJECTED, 0, 0, static_cast<int32_t>(0x80010001), u""},
        {RPC_E_SERVERCALL_RETRYLATER, 0, 0, static_cast<int32_t>(0x80010001), u""},
        // Word's process gone.
        {RPC_E_DISCONNECTED, 0, 0, err::ServeurIndisponible, u"K58204"},
        {static_cast<HRESULT>(0x800706BA), 0, 0, err::ServeurIndisponible, u"K58204"},
        {DISP_E_TYPEMISMATCH, 0, 0, err::TypeIncompatible, u"K58204"},
        {DISP_E_MEMBERNOTFOUND, 0, 0, err::MembreInconnu, u"K58204"},
        {DISP_E_BADPARAMCOUNT, 0, 0, err::NombreArguments, u"K58204"},
        // The call in progress when the server died: not a VB number.
        {static_cast<HRESULT>(0x800706BE), 0, 0, static_cast<int32_t>(0x800706BE), u"K58204"},
        // Word's own errors through EXCEPINFO.
        {DISP_E_EXCEPTION, static_cast<SCODE>(0x800A1735), 0, 5941, u"Microsoft Word"},
        {DISP_E_EXCEPTION, 0, 4248, 4248, u"Microsoft Word"},
        {DISP_E_EXCEPTION, static_cast<SCODE>(0x80004005), 0, static_cast<int32_t>(0x80004005), u"Microsoft Word"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(testing::Message() << std::hex << c.hr << " " << c.scode);
        FauxDispatch faux;
        faux.echec = c.hr, faux.scode = c.scode, faux.wCode = c.wCode;
        ObjetPtr o = objetDe(&faux, std::make_shared<CacheDispids>());
        try {
            o->get(u"Windows");
            ADD_FAILURE() << "no error raised";
        } catch (const Erreur& e) {
            EXPECT_EQ(e.numero(), c.numero);
            EXPECT_EQ(e.source(), c.source);
            EXPECT_TRUE(c.hr == DISP_E_EXCEPTION ? e.description() == u"Le signet n'existe pas." : !e.description().empty());
        }
        o.reset();
        EXPECT_EQ(faux.references, 1u);
    }
}

TEST(ConversionsCom, ChaqueVariantArriveDansLeTypeQueVbLuiDonne) {
    auto cache = std::make_shared<CacheDispids>();
    auto variant = [](VARTYPE vt, auto remplit) {
        VariantCom v;
        V_VT(v.get()) = vt;
        remplit(v.get());
        return v;
    };
    VariantCom interieur = variant(VT_I2, [](VARIANT* v) { V_I2(v) = -1; });
    struct Cas { VariantCom v; Variant attendu; } cas[] = {
        {variant(VT_UI4, [](VARIANT* v) { V_UI4(v) = 3000000000u; }), Variant(3000000000.0)},
        {variant(VT_UI4, [](VARIANT* v) { V_UI4(v) = 2147483647u; }), Variant(2147483647)},
        {variant(VT_DATE, [](VARIANT* v) { V_DATE(v) = 2.5; }), Variant(2.5)},
        {variant(VT_BSTR, [](VARIANT* v) { V_BSTR(v) = nullptr; }), Variant(u"")},
        {variant(VT_NULL, [](VARIANT*) {}), Variant()},
        {variant(VT_ERROR, [](VARIANT* v) { V_ERROR(v) = DISP_E_PARAMNOTFOUND; }), Variant()},
        {variant(VT_DISPATCH, [](VARIANT* v) { V_DISPATCH(v) = nullptr; }), Variant(ObjetPtr{})},
        {variant(VT_BYREF | VT_VARIANT, [&](VARIANT* v) { V_VARIANTREF(v) = interieur.get(); }), Variant(-1)}};
    for (size_t i = 0; i < std::size(cas); ++i) {
        const Variant lu = depuisVariant(*cas[i].v.get(), cache);
        EXPECT_EQ(lu, cas[i].attendu) << i;
        VariantCom retour;
        versVariant(lu, retour.get());
        EXPECT_EQ(depuisVariant(*retour.get(), cache), lu);  // and back again
    }
    VariantCom tableau = variant(VT_ARRAY | VT_I4, [](VARIANT* v) { V_ARRAY(v) = nullptr; });
    EXPECT_EQ(numeroErreur([&] { depuisVariant(*tableau.get(), cache); }), err::TypeIncompatible);
    V_VT(tableau.get()) = VT_EMPTY;
}

// The types of a fake server, in one library made in memory: each type an
// interface with a function per member, every one returning a string but
// "enfant", whose result is declared as `enfant` says (an interface of the
// library, IDispatch or VARIANT); a type may derive from another. `echoue`:
// its objects fail GetTypeInfo.
struct TypeFaux {
    std::u16string nom;
    std::map<std::u16string, DISPID> ids;  // its members' and its base's
    Ptr<ITypeInfo> info;
    bool echoue = false;
};

class BibliothequeFausse {
public:
    BibliothequeFausse() { EXPECT_EQ(CreateTypeLib2(SYS_WIN32, L"faux.tlb", bibliotheque_.put()), S_OK); }

    // enfant: the declared type of "enfant" (null: `vt`, VT_DISPATCH or VT_VARIANT).
    TypeFaux type(std::u16string nom, std::map<std::u16string, DISPID> propres, const TypeFaux* enfant, VARTYPE vt,
                  const TypeFaux* base = nullptr) {
        TypeFaux t{nom, base ? base->ids : std::map<std::u16string, DISPID>{}, {}};
        Ptr<ICreateTypeInfo> creation;
        EXPECT_EQ(bibliotheque_->CreateTypeInfo(const_cast<LPOLESTR>(reinterpret_cast<const wchar_t*>(nom.c_str())),
                                                TKIND_INTERFACE, creation.put()), S_OK);
        GUID g;
        CoCreateGuid(&g);
        creation->SetGuid(g);
        if (base) {
            HREFTYPE reference = 0;
            EXPECT_EQ(creation->AddRefTypeInfo(base->info.get(), &reference), S_OK);
            EXPECT_EQ(creation->AddImplType(0, reference), S_OK);
        }
        UINT rang = 0;
        for (const auto& [membre, id] : propres) {
            t.ids[membre] = id;
            TYPEDESC pointe{};
            FUNCDESC f{};
            f.memid = id, f.funckind = FUNC_PUREVIRTUAL, f.invkind = INVOKE_PROPERTYGET, f.callconv = CC_STDCALL;
            f.elemdescFunc.tdesc.vt = membre == u"enfant" ? vt : static_cast<VARTYPE>(VT_BSTR);
            if (membre == u"enfant" && enfant) {
                EXPECT_EQ(creation->AddRefTypeInfo(enfant->info.get(), &pointe.hreftype), S_OK);
                pointe.vt = VT_USERDEFINED;
                f.elemdescFunc.tdesc.vt = VT_PTR, f.elemdescFunc.tdesc.lptdesc = &pointe;
            }
            EXPECT_EQ(creation->AddFuncDesc(rang, &f), S_OK);
            LPOLESTR n = const_cast<LPOLESTR>(reinterpret_cast<const wchar_t*>(membre.c_str()));
            EXPECT_EQ(creation->SetFuncAndParamNames(rang++, &n, 1), S_OK);
        }
        t.info = creation.interroge<ITypeInfo>(IID_ITypeInfo);
        return t;
    }

private:
    Ptr<ICreateTypeLib2> bibliotheque_;
};

// An object of a fake server: its member "enfant" returns a new object of the
// type `suivant` gives; any other member answers "<type>.<member>" for the id
// it was called with, or DISP_E_MEMBERNOTFOUND for an id its type has not.
class Noeud final : public DispatchFaux {
public:
    Noeud(const TypeFaux& t, std::function<const TypeFaux&()> suivant, int& typesDemandes)
        : type_(t), suivant_(std::move(suivant)), typesDemandes_(typesDemandes) {}
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG n = --references;
        if (n == 0) delete this;
        return n;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override { return *n = 1, S_OK; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** i) override {
        ++typesDemandes_;
        if (type_.echoue) return *i = nullptr, E_OUTOFMEMORY;
        return *i = Ptr<ITypeInfo>(type_.info).detache(), S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* noms, UINT, LCID, DISPID* ids) override {
        std::u16string nom = texte(noms[0]);
        for (char16_t& c : nom) c = c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c;
        const auto it = type_.ids.find(nom);
        return it == type_.ids.end() ? DISP_E_UNKNOWNNAME : (ids[0] = it->second, S_OK);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* r, EXCEPINFO*, UINT*) override {
        for (const auto& [nom, i] : type_.ids) {
            if (i != id) continue;
            if (nom == u"enfant") V_VT(r) = VT_DISPATCH, V_DISPATCH(r) = new Noeud(suivant_(), suivant_, typesDemandes_);
            else V_VT(r) = VT_BSTR, V_BSTR(r) = bstr(type_.nom + u"." + nom).detache();
            return S_OK;
        }
        return DISP_E_MEMBERNOTFOUND;
    }

private:
    ~Noeud() = default;
    const TypeFaux& type_;
    std::function<const TypeFaux&()> suivant_;
    int& typesDemandes_;
};

// Ids cached per type never reach an object of another type: an object
// returned by a member declared Object or Variant is asked its own type; one
// declared of a base type takes the base's ids for the base's names only, and
// asks itself for the others, keeping them for itself (its siblings, of other
// derived types, give those names other ids); an object without type
// information keeps its own ids. A live object of the same identity lends its
// type. (A result declared in another library: simword's command bars, in
// tests/windows/simword.)
TEST_F(ClientDispatch, UnIdEnCacheNeSertQuAuTypeQuiLeDonne) {
    BibliothequeFausse lib;
    TypeFaux a = lib.type(u"A", {{u"nom", 1}, {u"enfant", 2}}, nullptr, VT_DISPATCH);
    TypeFaux b = lib.type(u"B", {{u"nom", 7}, {u"enfant", 8}}, nullptr, VT_VARIANT);
    TypeFaux base = lib.type(u"Base", {{u"nom", 1}, {u"enfant", 2}}, nullptr, VT_DISPATCH);
    TypeFaux d1 = lib.type(u"D1", {{u"etat", 20}}, nullptr, VT_EMPTY, &base);
    TypeFaux d2 = lib.type(u"D2", {{u"etat", 30}, {u"autre", 31}}, nullptr, VT_EMPTY, &base);
    TypeFaux r = lib.type(u"R", {{u"nom", 5}, {u"enfant", 6}}, &base, VT_EMPTY);
    TypeFaux f = lib.type(u"F", {{u"nom", 3}, {u"enfant", 4}}, nullptr, VT_DISPATCH);
    f.echoue = true;
    // typesDemandes, noms: the GetTypeInfo and GetIDsOfNames calls made.
    struct Cas { const TypeFaux& racine; std::vector<const TypeFaux*> enfants; std::u16string membre; int typesDemandes; int64_t noms; } cas[] = {
        {a, {&b, &a, &b, &b}, u"nom", 5, 0},
        {b, {&a, &b, &a}, u"nom", 4, 0},
        {r, {&d1, &d2, &d1}, u"etat", 1, 3},
        {r, {&d2}, u"nom", 1, 0},
        // Without type information: the root twice (no live type to lend), its enfant once, each child's member.
        {f, {&f, &f}, u"nom", 4, 5},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(versUtf8(k.racine.nom + u" " + k.membre));
        int demandes = 0;
        size_t rang = 0;
        auto cache = std::make_shared<CacheDispids>();
        {
            Ptr<IDispatch> brut = Ptr<IDispatch>::adopte(
                new Noeud(k.racine, [&]() -> const TypeFaux& { return *k.enfants[rang++ % k.enfants.size()]; }, demandes));
            ObjetPtr racine = objetDe(brut.get(), cache);
            EXPECT_EQ(racine->get(u"Nom").CStr(), k.racine.nom + u".nom");
            EXPECT_EQ(objetDe(brut.get(), cache)->get(u"nom").CStr(), k.racine.nom + u".nom");
            brut.reset();
            for (size_t i = 0; i < k.enfants.size(); ++i) {
                ObjetPtr enfant = racine->get(u"Enfant").objet();
                EXPECT_EQ(enfant->get(k.membre).CStr(), k.enfants[i]->nom + u"." + k.membre) << i;
            }
            EXPECT_EQ(demandes, k.typesDemandes);
        }
        EXPECT_EQ(cache->compteurs().getIDsOfNames, k.noms);
        EXPECT_EQ(cache->compteurs().releases, 1 + static_cast<int64_t>(k.enfants.size()));
        EXPECT_EQ(cache->compteurs().acces, 2 + 2 * static_cast<int64_t>(k.enfants.size()));
    }
}

}  // namespace
