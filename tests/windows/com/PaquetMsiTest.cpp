// The Windows Installer package under Wine's msiexec, as an administrator
// deploys it.
#include <gtest/gtest.h>
#include <windows.h>
#include <msi.h>

#include <filesystem>

#include "Outils.hpp"
#include "com/serveur/Identifiants.hpp"
#include "windows/support/Processus.hpp"

namespace kc = k58204::com;
using namespace k58204::com::test;

namespace {

#ifdef K58204_MSI
using k58204::test::cheminWindows;

// The package's upgrade code and the type library's platform key, the x64 or
// the x86 package's (cmake/PaquetMsi.cmake).
constexpr wchar_t CodeMiseAJour[] = L"" K58204_MSI_UPGRADE;
constexpr wchar_t Systeme[] = L"" K58204_MSI_SYSTEME;

DWORD msiexec(const wchar_t* action, const char* paquet) {
    return k58204::test::executeEtAttend(std::wstring(L"msiexec.exe ") + action + L" \"" + cheminWindows(paquet) +
                                         L"\" /qn");
}

// The versions of the installed products that carry the package's upgrade code.
std::vector<std::wstring> versionsInstallees() {
    std::vector<std::wstring> versions;
    wchar_t produit[39];
    for (DWORD i = 0; MsiEnumRelatedProductsW(CodeMiseAJour, 0, i, produit) == ERROR_SUCCESS; ++i) {
        wchar_t version[32] = L"";
        DWORD taille = 32;
        MsiGetProductInfoW(produit, L"VersionString", version, &taille);
        versions.push_back(version);
    }
    return versions;
}

std::wstring dossierInstallation() {
    wchar_t programmes[MAX_PATH] = L"";
    GetEnvironmentVariableW(L"ProgramFiles", programmes, MAX_PATH);
    return std::wstring(programmes) + L"\\K58204\\";
}

// Keys the package writes, with the value expected once installed (the ProgID
// and the class's links are proven by the scripting client).
struct Attendu {
    std::wstring cle;
    const wchar_t* nom;
    std::wstring valeur;
};
std::vector<Attendu> clesDuPaquet() {
    const std::wstring dll = dossierInstallation() + L"K58204.dll";
    const std::wstring classe = L"CLSID\\" + texteGuid(kc::CLSID_Module);
    const std::wstring libid = texteGuid(kc::LIBID_K58204);
    return {
        {classe + L"\\InprocServer32", nullptr, dll},
        {classe + L"\\InprocServer32", L"ThreadingModel", L"Apartment"},
        {L"TypeLib\\" + libid + L"\\1.0\\0\\" + Systeme, nullptr, dll},
        {L"Interface\\" + texteGuid(kc::IID__Module) + L"\\TypeLib", nullptr, libid},
        {L"Interface\\" + texteGuid(kc::IID__ComplementInfo) + L"\\ProxyStubClsid32", nullptr,
         L"{00020424-0000-0000-C000-000000000046}"},
    };
}

#endif

// Installed over an older version, silently: one product left, the class
// registered for the new DLL and created by a scripting client; removed: nothing left.
TEST(PaquetMsi, RemplaceLAncienSertUnClientPuisSeRetireSansReste) {
#ifndef K58204_MSI
    GTEST_SKIP() << "no Windows Installer package (wixl missing)";
#else
    ASSERT_EQ(msiexec(L"/i", K58204_MSI_ANCIEN), 0u);
    EXPECT_EQ(versionsInstallees(), std::vector<std::wstring>{L"" K58204_VERSION_ANCIENNE});
    ASSERT_EQ(msiexec(L"/i", K58204_MSI), 0u);
    EXPECT_EQ(versionsInstallees(), std::vector<std::wstring>{L"" K58204_VERSION});
    for (const Attendu& a : clesDuPaquet())
        EXPECT_EQ(valeurCle(a.cle, a.nom), a.valeur) << std::string(a.cle.begin(), a.cle.end());
    EXPECT_TRUE(std::filesystem::exists(dossierInstallation() + L"K58204.dll"));
    // Every member called by name, as a script calls them.
    EXPECT_EQ(k58204::test::executeEtAttend(L"cscript.exe //nologo \"" + cheminWindows(K58204_CLIENT_VBS) + L"\""),
              0u);

    ASSERT_EQ(msiexec(L"/x", K58204_MSI), 0u);
    EXPECT_TRUE(versionsInstallees().empty());
    EXPECT_FALSE(std::filesystem::exists(dossierInstallation()));
    for (const std::wstring& cle :
         {std::wstring(L"K58204.Module"), L"CLSID\\" + texteGuid(kc::CLSID_Module),
          L"TypeLib\\" + texteGuid(kc::LIBID_K58204), L"Interface\\" + texteGuid(kc::IID__Module),
          L"Interface\\" + texteGuid(kc::IID__FichiersDeTravail), L"Interface\\" + texteGuid(kc::IID__ComplementInfo)})
        EXPECT_FALSE(cleExiste(cle)) << std::string(cle.begin(), cle.end());
#endif
}

}  // namespace
