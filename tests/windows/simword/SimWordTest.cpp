// simword.exe for real: registered in the prefix, started by COM, found in
// the running-object table, its windows real user32 windows of another
// process, its documents' files held, its control window, its end.
#include <windows.h>
#include <oleauto.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <set>
#include <string>

#include "com/client/CacheDispids.hpp"
#include "com/client/Conversions.hpp"
#include "com/commun/Chaines.hpp"
#include "com/commun/Possession.hpp"
#include "com/simword/BibliothequeWord.hpp"
#include "word/Objet.hpp"
#include "windows/support/AppelDispatch.hpp"
#include "windows/support/Processus.hpp"

using namespace k58204;
using namespace k58204::test;
using com::Ptr;

namespace {

constexpr WORD Lecture = DISPATCH_PROPERTYGET | DISPATCH_METHOD;
constexpr wchar_t LocalServer32[] = L"CLSID\\{000209FF-0000-0000-C000-000000000046}\\LocalServer32";
const CLSID ClsidWord = {0x000209FF, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

std::wstring cheminSimWord() { return cheminWindows(K58204_SIMWORD); }

DWORD lance(const std::wstring& option) {
    return k58204::test::executeEtAttend(L"\"" + cheminSimWord() + L"\" " + option);
}

std::wstring valeur(const wchar_t* cle) {
    wchar_t tampon[1024] = {};
    LONG taille = sizeof tampon;
    if (RegQueryValueW(HKEY_CLASSES_ROOT, cle, tampon, &taille) != ERROR_SUCCESS) return L"";
    return tampon;
}

LRESULT commande(const std::wstring& texte) {
    HWND controle = FindWindowW(L"K58204SimWord", nullptr);
    if (!controle) return -1;
    COPYDATASTRUCT cds{0x4B35, static_cast<DWORD>(texte.size() * sizeof(wchar_t)),
                       const_cast<wchar_t*>(texte.data())};
    return SendMessageW(controle, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds));
}

// A file of the temporary folder.
std::wstring temporaire(const wchar_t* nom) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    return std::wstring(temp) + nom;
}

std::wstring statistiques() { return temporaire(L"SimWordStatistiques.txt"); }

class SimWordExe : public testing::Test {
protected:
    // The local server's key names the executable; unregistered, no key is left.
    static void SetUpTestSuite() {
        ASSERT_EQ(lance(L"/RegServer"), 0u);
        EXPECT_EQ(valeur(LocalServer32), L"\"" + cheminSimWord() + L"\" /Automation");
        EXPECT_EQ(valeur(bibliothequeOffice().c_str()), cheminSimWord() + L"\\2");
    }
    static void TearDownTestSuite() {
        EXPECT_EQ(lance(L"/UnregServer"), 0u);
        EXPECT_EQ(valeur(L"Word.Application.11\\CLSID"), L"");
        EXPECT_EQ(valeur(LocalServer32), L"");
        EXPECT_EQ(valeur(bibliothequeOffice().c_str()), L"");
    }
    // Where a client finds the command bars' library: resource 2 of simword.exe.
    static std::wstring bibliothequeOffice() {
        return std::wstring(L"TypeLib\\{3CA4B8E8-9C0E-4F5C-8B6D-8E2A551F0D6C}\\2.3\\0\\") +
               (sizeof(void*) == 8 ? L"win64" : L"win32");
    }
    void SetUp() override {
        ASSERT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
        // COM starts simword.exe with this process's environment.
        DeleteFileW(statistiques().c_str());
        SetEnvironmentVariableW(L"K58204_SIMWORD_STATS", statistiques().c_str());
        CLSID clsid{};
        ASSERT_EQ(CLSIDFromProgID(L"Word.Application.11", &clsid), S_OK);
        ASSERT_TRUE(IsEqualGUID(clsid, ClsidWord));
        ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_LOCAL_SERVER, IID_IDispatch, word_.putVoid()), S_OK);
        HWND controle = FindWindowW(L"K58204SimWord", nullptr);
        ASSERT_TRUE(controle);
        DWORD pid = 0;
        GetWindowThreadProcessId(controle, &pid);
        processus_ = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, pid);
        ASSERT_TRUE(processus_);
    }
    void TearDown() override {
        if (word_) appelle(word_.get(), L"Quit", DISPATCH_METHOD, {entier(0)});
        word_.reset();
        if (processus_) {
            if (WaitForSingleObject(processus_, 10000) != WAIT_OBJECT_0) TerminateProcess(processus_, 1);
            CloseHandle(processus_);
        }
        CoUninitialize();
    }

    Ptr<IDispatch> word_;
    HANDLE processus_ = nullptr;
};

TEST_F(SimWordExe, UnDocumentEnregistreDonneSonTitreEtResteTenu) {
    const std::wstring fichier = temporaire(L"SimWordEssai.doc");
    DeleteFileW(fichier.c_str());
    Ptr<IDispatch> docs = objet(appelle(word_.get(), L"Documents", Lecture));
    Ptr<IDispatch> doc = objet(appelle(docs.get(), L"Add", DISPATCH_METHOD));
    ASSERT_TRUE(doc);
    HWND principale = FindWindowA("OPUSAPP", "Document1 - Microsoft Word");
    ASSERT_TRUE(principale);
    VARIANT nom = texte(fichier.c_str());
    ASSERT_EQ(appelle(doc.get(), L"SaveAs", DISPATCH_METHOD, {nom}).hr, S_OK);
    VariantClear(&nom);
    EXPECT_EQ(FindWindowA("OPUSAPP", "Document1 - Microsoft Word"), nullptr);
    EXPECT_EQ(FindWindowW(L"OpusApp", L"SimWordEssai.doc - Microsoft Word"), principale);
    // Word holds the file: another process may not delete it.
    EXPECT_FALSE(DeleteFileW(fichier.c_str()));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    // Closed, it is let go.
    ASSERT_EQ(appelle(doc.get(), L"Close", DISPATCH_METHOD, {entier(0)}).hr, S_OK);
    EXPECT_TRUE(DeleteFileW(fichier.c_str()));
}

TEST_F(SimWordExe, UnDialogueOuvertRejetteLesAppelsJusquAWmClose) {
    ASSERT_EQ(commande(L"dialogue\tPolice\tCouleurs"), 1);
    HWND principale = FindWindowA("OPUSAPP", nullptr);
    HWND dialogue = FindWindowW(L"bosa_sdm_Microsoft Office Word 11.0", L"Police");
    HWND sous = FindWindowW(L"bosa_sdm_Microsoft Office Word 11.0", L"Couleurs");
    ASSERT_TRUE(principale && dialogue && sous);
    EXPECT_EQ(GetWindow(sous, GW_OWNER), dialogue);
    EXPECT_EQ(appelle(word_.get(), L"Visible", Lecture).hr, RPC_E_CALL_REJECTED);
    // Closing the first closes the one it owns.
    SendMessageW(dialogue, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(sous));
    EXPECT_EQ(appelle(word_.get(), L"Visible", Lecture).hr, S_OK);
    // Commands the channel does not know.
    for (const wchar_t* faux : {L"dialogue", L"occupe\t0", L"inconnue"}) {
        SCOPED_TRACE(testing::Message() << faux);
        EXPECT_EQ(commande(faux), 0);
    }
}

// Word's own errors arrive in EXCEPINFO: no document open, 4248; an unknown
// member, 438, for a put too.
TEST_F(SimWordExe, UneErreurDeWordArriveDansExcepinfo) {
    const Reponse sansDocument = appelle(word_.get(), L"ActiveDocument", Lecture);
    ASSERT_EQ(sansDocument.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(sansDocument.scode, static_cast<SCODE>(0x800A0000u | 4248));
    EXPECT_FALSE(sansDocument.description.empty());
    const Reponse inconnu = appelle(word_.get(), L"Inexistant", DISPATCH_PROPERTYPUT, {entier(1)});
    ASSERT_EQ(inconnu.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(inconnu.scode, static_cast<SCODE>(0x800A0000u | 438));
}

// The registered libraries as any client reads them: each object a dual
// interface, each member its declared type, the command bars in the second
// library. (What an object's GetTypeInfo gives: the walk below.)
//
// The name of `info`'s interface, or of its member `id`.
std::wstring nomDe(ITypeInfo* info, MEMBERID id = MEMBERID_NIL) {
    com::Bstr n;
    info->GetDocumentation(id, n.put(), nullptr, nullptr, nullptr);
    return n.get() ? n.get() : L"";
}

GUID bibliothequeDe(ITypeInfo* info) {
    Ptr<ITypeLib> lib;
    UINT rang = 0;
    TLIBATTR* a = nullptr;
    if (FAILED(info->GetContainingTypeLib(lib.put(), &rang)) || FAILED(lib->GetLibAttr(&a))) return GUID_NULL;
    const GUID g = a->guid;
    lib->ReleaseTLibAttr(a);
    return g;
}

// What member `nom` of `info` declares it returns: the interface's name, or
// "Object" / "Variant"; its dispatch id in `id`.
std::wstring resultatDe(ITypeInfo* info, const wchar_t* nom, MEMBERID& id, Ptr<ITypeInfo>& interfaceRendue) {
    LPOLESTR n = const_cast<LPOLESTR>(nom);
    if (FAILED(info->GetIDsOfNames(&n, 1, &id))) return L"?";
    TYPEATTR* a = nullptr;
    if (FAILED(info->GetTypeAttr(&a))) return L"?";
    std::wstring r = L"?";
    for (WORD i = 0; i < a->cFuncs && r == L"?"; ++i) {
        FUNCDESC* f = nullptr;
        if (FAILED(info->GetFuncDesc(i, &f))) continue;
        if (f->memid == id && f->invkind != INVOKE_PROPERTYPUT) {
            const TYPEDESC& t = f->elemdescFunc.tdesc;
            if (t.vt == VT_DISPATCH) r = L"Object";
            else if (t.vt == VT_VARIANT) r = L"Variant";
            else if (t.vt == VT_PTR && t.lptdesc->vt == VT_USERDEFINED &&
                     SUCCEEDED(info->GetRefTypeInfo(t.lptdesc->hreftype, interfaceRendue.put())))
                r = nomDe(interfaceRendue.get());
        }
        info->ReleaseFuncDesc(f);
    }
    info->ReleaseTypeAttr(a);
    return r;
}

TEST_F(SimWordExe, SaBibliothequeInscriteLeDecritCommeWord) {
    Ptr<ITypeLib> word, office;
    ASSERT_EQ(LoadRegTypeLib(simword::LibidWord, 8, 3, LOCALE_NEUTRAL, word.put()), S_OK);
    ASSERT_EQ(LoadRegTypeLib(simword::LibidOffice, 2, 3, LOCALE_NEUTRAL, office.put()), S_OK);
    struct Cas { ITypeLib* lib; const wchar_t* type; const wchar_t* membre; std::wstring rendu; const GUID* libRendu; bool defaut; } cas[] = {
        {word.get(), L"_Application", L"Documents", L"Documents", &simword::LibidWord, false},
        {word.get(), L"_Application", L"ActiveDocument", L"_Document", &simword::LibidWord, false},
        {word.get(), L"_Application", L"CommandBars", L"CommandBars", &simword::LibidOffice, false},
        {word.get(), L"_Application", L"Parent", L"Object", nullptr, false},
        {word.get(), L"Documents", L"Item", L"_Document", &simword::LibidWord, true},
        {word.get(), L"Documents", L"Open", L"_Document", &simword::LibidWord, false},
        {word.get(), L"_Document", L"AttachedTemplate", L"Variant", nullptr, false},
        {word.get(), L"Bookmarks", L"Item", L"Bookmark", &simword::LibidWord, true},
        {word.get(), L"Range", L"Font", L"Font", &simword::LibidWord, false},
        {office.get(), L"CommandBars", L"Item", L"CommandBar", &simword::LibidOffice, true},
        {office.get(), L"CommandBar", L"Controls", L"CommandBarControls", &simword::LibidOffice, false},
        {office.get(), L"CommandBarControls", L"Item", L"CommandBarControl", &simword::LibidOffice, true},
        // A button's own member, absent from the declared base.
        {office.get(), L"CommandBarButton", L"State", L"?", nullptr, false},
        {office.get(), L"CommandBarControl", L"State", L"?", nullptr, false},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(testing::Message() << std::string(k.type, k.type + wcslen(k.type)) << "."
                                        << std::string(k.membre, k.membre + wcslen(k.membre)));
        Ptr<ITypeInfo> info;
        for (UINT i = 0; i < k.lib->GetTypeInfoCount() && !info; ++i)
            if (Ptr<ITypeInfo> t; SUCCEEDED(k.lib->GetTypeInfo(i, t.put())) && nomDe(t.get()) == k.type)
                info = t;
        ASSERT_TRUE(info);
        TYPEATTR* a = nullptr;
        ASSERT_EQ(info->GetTypeAttr(&a), S_OK);
        EXPECT_EQ(a->typekind, TKIND_DISPATCH);
        EXPECT_TRUE(a->wTypeFlags & TYPEFLAG_FDUAL);
        info->ReleaseTypeAttr(a);
        MEMBERID id = MEMBERID_NIL;
        Ptr<ITypeInfo> rendu;
        EXPECT_EQ(resultatDe(info.get(), k.membre, id, rendu), k.rendu);
        if (k.libRendu) {
            ASSERT_TRUE(rendu);
            EXPECT_TRUE(IsEqualGUID(bibliothequeDe(rendu.get()), *k.libRendu));
        }
        EXPECT_EQ(id == DISPID_VALUE, k.defaut);
    }
}

// Whether the interface `info` describes is `nom` or derives from it.
bool estOuDerive(ITypeInfo* info, const std::wstring& nom) {
    Ptr<ITypeInfo> type(info);
    for (int niveau = 0; type && niveau < 8; ++niveau) {
        if (nomDe(type.get()) == nom) return true;
        HREFTYPE h = 0;
        Ptr<ITypeInfo> vue, base;
        // A dual interface's base is named by its interface view.
        if (SUCCEEDED(type->GetRefTypeOfImplType(static_cast<UINT>(-1), &h)) &&
            SUCCEEDED(type->GetRefTypeInfo(h, vue.put())))
            type = vue;
        if (FAILED(type->GetRefTypeOfImplType(0, &h)) || FAILED(type->GetRefTypeInfo(h, base.put()))) return false;
        type = base;
    }
    return false;
}

// The library and the simulator agree: every object that a property, or a
// collection's Item(1), returns is of the interface the member declares (or
// of one derived from it), through the objects reachable from Application.
TEST_F(SimWordExe, ChaqueMembreRendLeTypeQuIlDeclare) {
    Ptr<IDispatch> docs = objet(appelle(word_.get(), L"Documents", Lecture));
    ASSERT_TRUE(objet(appelle(docs.get(), L"Add", DISPATCH_METHOD)));
    // The libraries read here, as a client reads them (not through the server).
    Ptr<ITypeLib> word, office;
    ASSERT_EQ(LoadRegTypeLib(simword::LibidWord, 8, 3, LOCALE_NEUTRAL, word.put()), S_OK);
    ASSERT_EQ(LoadRegTypeLib(simword::LibidOffice, 2, 3, LOCALE_NEUTRAL, office.put()), S_OK);
    std::set<std::wstring> rencontres;
    // Each type's members are followed once, from the first object of that type met.
    std::function<void(IDispatch*)> parcourt = [&](IDispatch* o) {
        Ptr<ITypeInfo> distante, info;
        ASSERT_EQ(o->GetTypeInfo(0, LOCALE_USER_DEFAULT, distante.put()), S_OK);
        TYPEATTR* a = nullptr;
        ASSERT_EQ(distante->GetTypeAttr(&a), S_OK);
        const GUID guid = a->guid;
        distante->ReleaseTypeAttr(a);
        if (FAILED(word->GetTypeInfoOfGuid(guid, info.put()))) {
            ASSERT_EQ(office->GetTypeInfoOfGuid(guid, info.put()), S_OK);
        }
        const std::wstring type = nomDe(info.get());
        if (!rencontres.insert(type).second) return;
        ASSERT_EQ(info->GetTypeAttr(&a), S_OK);
        const WORD fonctions = a->cFuncs;
        info->ReleaseTypeAttr(a);
        for (WORD i = 0; i < fonctions; ++i) {
            FUNCDESC* f = nullptr;
            if (FAILED(info->GetFuncDesc(i, &f))) continue;
            const TYPEDESC t = f->elemdescFunc.tdesc;
            const bool item = f->memid == DISPID_VALUE && f->cParams == 1;
            const bool lu = f->invkind != INVOKE_PROPERTYPUT && (f->cParams == 0 || item);
            Ptr<ITypeInfo> declare;
            if (lu && t.vt == VT_PTR && t.lptdesc->vt == VT_USERDEFINED)
                info->GetRefTypeInfo(t.lptdesc->hreftype, declare.put());
            const std::wstring membre = nomDe(info.get(), f->memid);
            info->ReleaseFuncDesc(f);
            if (!declare) continue;
            // Nothing, or an error (no bookmark 1): nothing to compare.
            Ptr<IDispatch> rendu = objet(item ? appelle(o, membre.c_str(), Lecture, {entier(1)})
                                              : appelle(o, membre.c_str(), Lecture));
            if (!rendu) continue;
            Ptr<ITypeInfo> sien;
            ASSERT_EQ(rendu->GetTypeInfo(0, LOCALE_USER_DEFAULT, sien.put()), S_OK) << type << "." << membre;
            EXPECT_TRUE(estOuDerive(sien.get(), nomDe(declare.get())))
                << type << "." << membre << " declares " << nomDe(declare.get()) << ", gives " << nomDe(sien.get());
            parcourt(rendu.get());
        }
    };
    parcourt(word_.get());
    // The walk reached objects of both libraries, a derived one among them,
    // each object's GetTypeInfo giving its own interface of its own library.
    for (const wchar_t* attendu : {L"_Application", L"Documents", L"_Document", L"Range", L"Selection", L"Font",
                                   L"Paragraph", L"Window", L"View", L"PageSetup", L"Borders", L"CommandBar",
                                   L"CommandBarButton"})
        EXPECT_TRUE(rencontres.contains(attendu)) << std::string(attendu, attendu + wcslen(attendu));
}

// The IDispatch client on simword: the type of every object the chain reaches
// comes from the declarations, across the two libraries, but the first's
// (asked of it); the button's own member, absent from the declared
// CommandBarControl, is asked of the button.
TEST_F(SimWordExe, LeClientSuitLesTypesDeclares) {
    auto cache = std::make_shared<com::CacheDispids>();
    {
        ObjetPtr application = com::objetDe(word_.get(), cache);
        ObjetPtr bouton = application->get(u"CommandBars", {u"Standard"}).objet()->get(u"Controls").objet()->call(u"Item", {1}).objet();
        EXPECT_EQ(bouton->get(u"Caption").CStr(), u"Nouveau &document");
        EXPECT_EQ(bouton->get(u"Index").CLng(), 1);
        EXPECT_EQ(bouton->get(u"State").CLng(), 0);
        EXPECT_EQ(application->get(u"Documents").objet()->get(u"Count").CLng(), 0);
        // A named argument the member declares: the id the library gives it.
        ObjetPtr options = application->get(u"Options").objet();
        const std::u16string documents = options->get(u"DefaultFilePath", {nomme(u"Path", 0)}).CStr();
        EXPECT_FALSE(documents.empty());
        EXPECT_EQ(options->get(u"DefaultFilePath", {0}).CStr(), documents);
        application->get(u"Documents").objet()->call(u"Add");
        ObjetPtr police = application->get(u"ActiveDocument").objet()->get(u"Content").objet()->get(u"Font").objet();
        police->put(u"Size", 20);
        EXPECT_EQ(police->get(u"Size").CLng(), 20);
    }
    const com::Compteurs& c = cache->compteurs();
    EXPECT_EQ(c.getTypeInfo, 1);
    EXPECT_EQ(c.nonDeclares, 1);
    EXPECT_EQ(c.getIDsOfNames, 1);
    EXPECT_EQ(c.invoke, c.acces);
}

TEST_F(SimWordExe, QuitTermineLeProcessus) {
    ASSERT_EQ(appelle(word_.get(), L"Visible", Lecture).hr, S_OK);
    ASSERT_EQ(appelle(word_.get(), L"Quit", DISPATCH_METHOD).hr, S_OK);
    EXPECT_EQ(WaitForSingleObject(processus_, 10000), WAIT_OBJECT_0);
    // The counts of calls received, appended at the end.
    std::string ligne(256, '\0');
    FILE* f = _wfopen(statistiques().c_str(), L"r");
    ASSERT_TRUE(f);
    ASSERT_TRUE(std::fgets(ligne.data(), static_cast<int>(ligne.size()), f));
    std::fclose(f);
    long long noms = -1, appels = -1, types = -1;
    ASSERT_EQ(std::sscanf(ligne.c_str(), "getidsofnames=%lld invoke=%lld gettypeinfo=%lld", &noms, &appels, &types), 3);
    EXPECT_EQ(noms, 2);   // Visible, Quit
    EXPECT_EQ(appels, 2);
    EXPECT_EQ(types, 0);
    EXPECT_EQ(FindWindowA("OPUSAPP", nullptr), nullptr);
    Ptr<IUnknown> actif;
    EXPECT_TRUE(FAILED(GetActiveObject(ClsidWord, nullptr, actif.put())));
    word_.reset();
}

TEST_F(SimWordExe, WmCloseSurLaFenetrePrincipaleQuitteWord) {
    HWND principale = FindWindowA("OPUSAPP", nullptr);
    ASSERT_TRUE(principale);
    SendMessageW(principale, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(processus_, 10000), WAIT_OBJECT_0);
    word_.reset();
}

// Like Word started for automation: never shown, it ends when its last client
// lets go; once shown, it stays (and answers) until it is quit.
TEST_F(SimWordExe, SansClientUnWordJamaisMontreSeTermine) {
    ASSERT_EQ(appelle(word_.get(), L"Documents", Lecture).hr, S_OK);
    Ptr<IUnknown> actif;  // the running-object table holds the Word created
    ASSERT_EQ(GetActiveObject(ClsidWord, nullptr, actif.put()), S_OK);
    EXPECT_EQ(actif.interroge<IUnknown>(IID_IUnknown).get(), word_.interroge<IUnknown>(IID_IUnknown).get());
    actif.reset();
    word_.reset();
    EXPECT_EQ(WaitForSingleObject(processus_, 10000), WAIT_OBJECT_0);

    TearDown();
    SetUp();
    ASSERT_EQ(appelle(word_.get(), L"Visible", DISPATCH_PROPERTYPUT, {booleen(true)}).hr, S_OK);
    word_.reset();
    ASSERT_EQ(GetActiveObject(ClsidWord, nullptr, actif.put()), S_OK);
    ASSERT_EQ(actif->QueryInterface(IID_IDispatch, word_.putVoid()), S_OK);
    EXPECT_EQ(appelle(word_.get(), L"Visible", Lecture).hr, S_OK) << "shown, it stays and answers";
}

}  // namespace
