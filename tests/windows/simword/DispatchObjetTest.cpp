// The simulated Word's objects served as IDispatch in this process
// (DispatchObjet over a ServeurSimWord's instance): names, arguments, puts,
// errors, busy Word, identity and type information as a client sees them.
#include "com/simword/ServeurSimWord.hpp"
#include "sim/word/InstanceWord.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "AppelDispatch.hpp"
#include "com/Conversions.hpp"
#include "com/DispatchObjet.hpp"

using namespace k58204;
using namespace k58204::simword;
using namespace k58204::simword::test;
using com::Ptr;

namespace {

constexpr WORD Lecture = DISPATCH_PROPERTYGET | DISPATCH_METHOD;

class DispatchObjetSurWord : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
        serveur_ = std::make_unique<ServeurSimWord>(nullptr);
        com::DispatchObjet::apresChaqueAppel([this] { serveur_->synchronise(); });
        app_ = com::DispatchObjet::pour(serveur_->demarre(false, false));
        ASSERT_TRUE(app_);
    }
    void TearDown() override {
        com::DispatchObjet::apresChaqueAppel(nullptr);
        app_.reset();
        serveur_.reset();
        CoUninitialize();
    }
    Ptr<IDispatch> documentAjoute() {
        Ptr<IDispatch> docs = objet(appelle(app_.get(), L"Documents", Lecture));
        return docs ? objet(appelle(docs.get(), L"Add", DISPATCH_METHOD)) : Ptr<IDispatch>();
    }
    GUID guidType(IDispatch* d) {
        Ptr<ITypeInfo> info;
        EXPECT_EQ(d->GetTypeInfo(0, LOCALE_USER_DEFAULT, info.put()), S_OK);
        TYPEATTR* a = nullptr;
        EXPECT_EQ(info->GetTypeAttr(&a), S_OK);
        const GUID g = a->guid;
        info->ReleaseTypeAttr(a);
        return g;
    }

    std::unique_ptr<ServeurSimWord> serveur_;
    Ptr<IDispatch> app_;
};

TEST_F(DispatchObjetSurWord, UnNomAUnSeulIdentifiantQuelleQueSoitSaCasseEtLObjet) {
    Ptr<IDispatch> docs = objet(appelle(app_.get(), L"Documents", Lecture));
    ASSERT_TRUE(docs);
    DISPID ids[4] = {};
    const wchar_t* noms[4] = {L"Count", L"COUNT", L"count", L""};
    for (int i = 0; i < 4; ++i) {
        LPOLESTR n = const_cast<LPOLESTR>(noms[i]);
        ASSERT_EQ((i % 2 ? app_ : docs)->GetIDsOfNames(IID_NULL, &n, 1, 0, &ids[i]), S_OK);
    }
    EXPECT_EQ(ids[0], ids[1]);
    EXPECT_EQ(ids[0], ids[2]);
    EXPECT_NE(ids[0], DISPID_VALUE);
    EXPECT_EQ(ids[3], DISPID_VALUE);
    // Any case reaches the member.
    Reponse n = appelle(docs.get(), L"cOuNt", Lecture);
    ASSERT_EQ(n.hr, S_OK);
    EXPECT_EQ(V_VT(n.valeur.get()), VT_I4);
    EXPECT_EQ(V_I4(n.valeur.get()), 0);
}

TEST_F(DispatchObjetSurWord, ArgumentsNommesPositionnelsEtParReference) {
    ASSERT_TRUE(documentAjoute());
    Ptr<IDispatch> selection = objet(appelle(app_.get(), L"Selection", Lecture));
    ASSERT_TRUE(selection);
    VARIANT a = texte(L"un "), b = texte(L"deux "), c = texte(L"trois");
    VARIANT parRef;
    VariantInit(&parRef);
    V_VT(&parRef) = VT_BYREF | VT_BSTR;
    V_BSTRREF(&parRef) = &V_BSTR(&c);
    EXPECT_EQ(appelle(selection.get(), L"TypeText", DISPATCH_METHOD, {a}).hr, S_OK);
    EXPECT_EQ(appelle(selection.get(), L"TypeText", DISPATCH_METHOD, {}, {{L"Text", b}}).hr, S_OK);
    EXPECT_EQ(appelle(selection.get(), L"TypeText", DISPATCH_METHOD, {parRef}).hr, S_OK);
    Ptr<IDispatch> doc = objet(appelle(app_.get(), L"ActiveDocument", Lecture));
    Ptr<IDispatch> contenu = objet(appelle(doc.get(), L"Content", Lecture));
    Reponse t = appelle(contenu.get(), L"Text", Lecture);
    ASSERT_EQ(t.hr, S_OK);
    EXPECT_STREQ(V_BSTR(t.valeur.get()), L"un deux trois\r");
    // Several positional arguments keep their order: Open(FileName, ConfirmConversions, ReadOnly).
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring fichier = std::wstring(temp) + L"DispatchObjetOrdre.doc";
    VARIANT nom = texte(fichier.c_str());
    ASSERT_EQ(appelle(doc.get(), L"SaveAs", DISPATCH_METHOD, {nom}).hr, S_OK);
    ASSERT_EQ(appelle(doc.get(), L"Close", DISPATCH_METHOD, {entier(0)}).hr, S_OK);
    Ptr<IDispatch> docs = objet(appelle(app_.get(), L"Documents", Lecture));
    Ptr<IDispatch> rouvert = objet(appelle(docs.get(), L"Open", DISPATCH_METHOD, {nom, booleen(false), booleen(true)}));
    ASSERT_TRUE(rouvert);
    Reponse seule = appelle(rouvert.get(), L"ReadOnly", Lecture);
    ASSERT_EQ(seule.hr, S_OK);
    EXPECT_NE(V_BOOL(seule.valeur.get()), VARIANT_FALSE);
    ASSERT_EQ(appelle(rouvert.get(), L"Close", DISPATCH_METHOD, {entier(0)}).hr, S_OK);
    DeleteFileW(fichier.c_str());
    VariantClear(&nom);
    // An unknown argument name is refused before the member runs.
    Reponse faux = appelle(selection.get(), L"TypeText", DISPATCH_METHOD, {}, {{L"Texte", a}});
    EXPECT_TRUE(FAILED(faux.hr));
    for (VARIANT* v : {&a, &b, &c}) VariantClear(v);
}

TEST_F(DispatchObjetSurWord, UneAffectationPrendLaValeurNommeeCommeLaDerniere) {
    struct Cas {
        bool valeur;
    };
    for (const Cas& c : {Cas{true}, Cas{false}, Cas{true}}) {
        SCOPED_TRACE(c.valeur);
        ASSERT_EQ(appelle(app_.get(), L"Visible", DISPATCH_PROPERTYPUT, {booleen(c.valeur)}).hr, S_OK);
        Reponse lu = appelle(app_.get(), L"Visible", Lecture);
        ASSERT_EQ(lu.hr, S_OK);
        EXPECT_EQ(V_BOOL(lu.valeur.get()) != VARIANT_FALSE, c.valeur);
        // The real main window follows.
        HWND principale = serveur_->miroir().reelle(serveur_->instance()->fenetrePrincipale());
        ASSERT_TRUE(principale);
        EXPECT_EQ(IsWindowVisible(principale) != FALSE, c.valeur);
    }
}

TEST_F(DispatchObjetSurWord, UneErreurDeWordArriveDansExcepinfo) {
    struct Cas {
        const wchar_t* membre;
        WORD drapeaux;
        SCODE scode;
    };
    const Cas cas[] = {
        {L"ActiveDocument", Lecture, static_cast<SCODE>(0x800A0000u | 4248)},  // no document open
        {L"Inexistant", Lecture, static_cast<SCODE>(0x800A0000u | 438)},
        {L"Inexistant", DISPATCH_PROPERTYPUT, static_cast<SCODE>(0x800A0000u | 438)},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(testing::Message() << std::hex << c.scode);
        Reponse a = c.drapeaux == DISPATCH_PROPERTYPUT ? appelle(app_.get(), c.membre, c.drapeaux, {entier(1)})
                                                    : appelle(app_.get(), c.membre, c.drapeaux);
        ASSERT_EQ(a.hr, DISP_E_EXCEPTION);
        EXPECT_EQ(a.scode, c.scode);
        EXPECT_FALSE(a.description.empty());
    }
}

TEST_F(DispatchObjetSurWord, WordOccupeRejetteLAppelParInvokeLuiMeme) {
    // occupe(2): exactly the next two calls are rejected.
    serveur_->instance()->occupe(2);
    EXPECT_EQ(appelle(app_.get(), L"Visible", Lecture).hr, RPC_E_CALL_REJECTED);
    EXPECT_EQ(appelle(app_.get(), L"Visible", Lecture).hr, RPC_E_CALL_REJECTED);
    EXPECT_EQ(appelle(app_.get(), L"Visible", Lecture).hr, S_OK);
    // A dialog box open: rejected until it is closed.
    ASSERT_TRUE(serveur_->commande(u"dialogue\tPolice"));
    EXPECT_EQ(appelle(app_.get(), L"Visible", Lecture).hr, RPC_E_CALL_REJECTED);
    HWND dialogue = FindWindowW(L"bosa_sdm_Microsoft Office Word 11.0", L"Police");
    ASSERT_TRUE(dialogue);
    SendMessageW(dialogue, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(dialogue));
    EXPECT_EQ(appelle(app_.get(), L"Visible", Lecture).hr, S_OK);
}

TEST_F(DispatchObjetSurWord, UnMemeObjetDonneLeMemeIUnknown) {
    Ptr<IDispatch> ajoute = documentAjoute();
    ASSERT_TRUE(ajoute);
    Ptr<IDispatch> actif = objet(appelle(app_.get(), L"ActiveDocument", Lecture));
    Ptr<IDispatch> docs = objet(appelle(app_.get(), L"Documents", Lecture));
    Ptr<IDispatch> premier = objet(appelle(docs.get(), L"Item", Lecture, {entier(1)}));
    Ptr<IDispatch> application = objet(appelle(actif.get(), L"Application", Lecture));
    auto inconnu = [](const Ptr<IDispatch>& d) { return d.interroge<IUnknown>(IID_IUnknown).get(); };
    EXPECT_EQ(inconnu(ajoute), inconnu(actif));
    EXPECT_EQ(inconnu(ajoute), inconnu(premier));
    EXPECT_EQ(inconnu(application), inconnu(app_));
    EXPECT_NE(inconnu(docs), inconnu(actif));
    // Handed back to this process, the object is the seam object again.
    EXPECT_TRUE(estLeMeme(com::objetDe(actif.get(), nullptr), serveur_->instance()->objetDocument(
                                                                  serveur_->instance()->documentActif())));
}

TEST_F(DispatchObjetSurWord, LeTypeDUnObjetSuitSaClasse) {
    Ptr<IDispatch> premier = documentAjoute(), second = documentAjoute();
    ASSERT_TRUE(premier && second);
    Ptr<IDispatch> docs = objet(appelle(app_.get(), L"Documents", Lecture));
    const GUID gPremier = guidType(premier.get()), gSecond = guidType(second.get());
    EXPECT_TRUE(IsEqualGUID(gPremier, gSecond));
    EXPECT_FALSE(IsEqualGUID(gPremier, GUID_NULL));
    EXPECT_FALSE(IsEqualGUID(gPremier, guidType(app_.get())));
    EXPECT_FALSE(IsEqualGUID(guidType(docs.get()), guidType(app_.get())));
    EXPECT_TRUE(IsEqualGUID(com::guidDeClasse("a"), com::guidDeClasse("a")));
    EXPECT_FALSE(IsEqualGUID(com::guidDeClasse("a"), com::guidDeClasse("b")));
}

}  // namespace
