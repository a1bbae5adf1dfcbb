// The simulated Word's objects served as IDispatch in this process
// (DispatchObjet over a ServeurSimWord's instance): names, arguments, puts,
// errors and identity as a client sees them. (A busy Word and type information
// are checked across the process boundary, in SimWordTest.)
#include "com/simword/ServeurSimWord.hpp"
#include "sim/word/InstanceWord.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "windows/support/AppelDispatch.hpp"
#include "com/client/Conversions.hpp"
#include "com/simword/DispatchObjet.hpp"

using namespace k58204;
using namespace k58204::simword;
using namespace k58204::test;
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
    EXPECT_NE(ids[0], DISPID_VALUE);
    EXPECT_EQ(ids[3], DISPID_VALUE);
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
    for (bool valeur : {true, false}) {
        ASSERT_EQ(appelle(app_.get(), L"Visible", DISPATCH_PROPERTYPUT, {booleen(valeur)}).hr, S_OK);
        // The real main window follows.
        HWND principale = serveur_->miroir().reelle(serveur_->instance()->fenetrePrincipale());
        ASSERT_TRUE(principale);
        EXPECT_EQ(IsWindowVisible(principale) != FALSE, valeur);
    }
}

TEST_F(DispatchObjetSurWord, UneErreurDeWordArriveDansExcepinfo) {
    // No document open: Word's 4248; an unknown member: 438, for a put too.
    const Reponse sansDocument = appelle(app_.get(), L"ActiveDocument", Lecture);
    ASSERT_EQ(sansDocument.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(sansDocument.scode, static_cast<SCODE>(0x800A0000u | 4248));
    EXPECT_FALSE(sansDocument.description.empty());
    const Reponse inconnu = appelle(app_.get(), L"Inexistant", DISPATCH_PROPERTYPUT, {entier(1)});
    ASSERT_EQ(inconnu.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(inconnu.scode, static_cast<SCODE>(0x800A0000u | 438));
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
    EXPECT_EQ(inconnu(application), inconnu(app_));
    EXPECT_NE(inconnu(docs), inconnu(actif));
    // Handed back to this process, the object is the seam object again.
    EXPECT_TRUE(estLeMeme(com::objetDe(actif.get(), nullptr), serveur_->instance()->objetDocument(
                                                                  serveur_->instance()->documentActif())));
}

}  // namespace
