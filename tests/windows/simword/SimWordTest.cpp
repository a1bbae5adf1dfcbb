// simword.exe for real: registered in the prefix, started by COM, found in
// the running-object table, its windows real user32 windows of another
// process, its documents' files held, its control window, its end.
#include <windows.h>
#include <oleauto.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "com/commun/Possession.hpp"
#include "com/commun/TypesDispatch.hpp"
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

std::wstring statistiques() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    return std::wstring(temp) + L"SimWordStatistiques.txt";
}

class SimWordExe : public testing::Test {
protected:
    // The local server's key names the executable; unregistered, no key is left.
    static void SetUpTestSuite() {
        ASSERT_EQ(lance(L"/RegServer"), 0u);
        EXPECT_EQ(valeur(LocalServer32), L"\"" + cheminSimWord() + L"\" /Automation");
    }
    static void TearDownTestSuite() {
        EXPECT_EQ(lance(L"/UnregServer"), 0u);
        EXPECT_EQ(valeur(L"Word.Application.11\\CLSID"), L"");
        EXPECT_EQ(valeur(LocalServer32), L"");
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
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring fichier = std::wstring(temp) + L"SimWordEssai.doc";
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
