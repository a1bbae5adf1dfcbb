// K58204.dll through real COM, as a training host and scripting clients reach
// it: regsvr32, CoCreateInstance by ProgID, errors as VB reads them. (Late-bound
// calls are scripts/client.vbs's and the host's; unloading and many objects
// the hostile-client program's.)
#include <gtest/gtest.h>

#include "Outils.hpp"
#include "com/serveur/Identifiants.hpp"
#include "k70935.h"

namespace kc = k58204::com;
using k58204::com::Bstr;
using k58204::com::Ptr;
using namespace k58204::com::test;

namespace {

const std::wstring Classe = L"CLSID\\" + texteGuid(kc::CLSID_Module);

// Keys regsvr32 writes, with the default value expected ("" to only check presence).
struct CleAttendue {
    std::wstring chemin;
    std::wstring valeur;
};
std::vector<CleAttendue> clesEcrites() {
    return {
        {L"K58204.Module\\CLSID", texteGuid(kc::CLSID_Module)},
        {Classe + L"\\InprocServer32", cheminDll()},
        {Classe + L"\\ProgID", L"K58204.Module"},
        {Classe + L"\\TypeLib", texteGuid(kc::LIBID_K58204)},
        {L"TypeLib\\" + texteGuid(kc::LIBID_K58204) + L"\\1.0", L"Talvor Lumeo Commun - Dll interactive K58204"},
        {L"Interface\\" + texteGuid(kc::IID__Module) + L"\\TypeLib", texteGuid(kc::LIBID_K58204)},
        {L"Interface\\" + texteGuid(kc::IID__FichiersDeTravail) + L"\\TypeLib", texteGuid(kc::LIBID_K58204)},
        {L"Interface\\" + texteGuid(kc::IID_AbstractModule) + L"\\TypeLib", texteGuid(kc::LIBID_K70935)},
        {L"Interface\\" + texteGuid(kc::IID_ComplementInfo) + L"\\ProxyStubClsid32",
         L"{00020424-0000-0000-C000-000000000046}"},
    };
}

// regsvr32 for the machine, and /n /i:user for an account without
// administrator rights: the same keys, the user's under his classes and none
// under the machine's; unregistered the same way, none left. Any other
// argument is refused.
const std::wstring ClassesUtilisateur = L"Software\\Classes\\";

struct Facon {
    std::wstring inscrire, desinscrire, prefixe;
    HKEY racine;
};
const Facon Facons[] = {{L"", L"/u", L"", HKEY_CLASSES_ROOT},
                        {L"/n /i:user", L"/u /n /i:user", ClassesUtilisateur, HKEY_CURRENT_USER}};

TEST(Enregistrement, Regsvr32EcritSesClesPuisLesRetireToutesPourLaMachineOuLUtilisateur) {
    for (const Facon& f : Facons) {
        SCOPED_TRACE(std::string(f.inscrire.begin(), f.inscrire.end()));
        ASSERT_EQ(regsvr32(f.inscrire), 0u);
        for (const CleAttendue& c : clesEcrites()) {
            const std::string nom(c.chemin.begin(), c.chemin.end());
            EXPECT_EQ(valeurCle(f.prefixe + c.chemin, nullptr, f.racine), c.valeur) << nom;
            if (f.racine == HKEY_CURRENT_USER) {
                EXPECT_FALSE(cleExiste(f.prefixe + c.chemin, HKEY_LOCAL_MACHINE)) << nom;
            }
        }
        EXPECT_EQ(valeurCle(f.prefixe + Classe + L"\\InprocServer32", L"ThreadingModel", f.racine), L"Apartment");
        CLSID clsid{};  // seen under Wine 8: CLSIDFromProgID does not read the user's classes
        if (f.racine == HKEY_CLASSES_ROOT) {
            EXPECT_EQ(CLSIDFromProgID(L"K58204.Module", &clsid), S_OK);
            EXPECT_TRUE(IsEqualGUID(clsid, kc::CLSID_Module));
        }
        ASSERT_EQ(regsvr32(f.desinscrire), 0u);
        // Each written key's root (up to its GUID, or the ProgID) is gone, and the host library's.
        std::vector<std::wstring> racines{L"TypeLib\\" + texteGuid(kc::LIBID_K70935)};
        for (const CleAttendue& c : clesEcrites()) {
            const size_t guid = c.chemin.find(L'{');
            racines.push_back(c.chemin.substr(0, guid == std::wstring::npos ? c.chemin.find(L'\\') : c.chemin.find(L'\\', guid)));
        }
        for (const std::wstring& cle : racines)
            EXPECT_FALSE(cleExiste(f.prefixe + cle, f.racine)) << std::string(cle.begin(), cle.end());
    }
    EXPECT_NE(regsvr32(L"/n /i:machine"), 0u);
}

// A host that registered its own library keeps its registration of the two
// interfaces through the component's registration and unregistration, for the
// machine and for the user; the component's copy of the host library is then
// registered in neither place.
TEST(Enregistrement, LesInterfacesInscritesParLHoteRestentLes) {
    const std::wstring cleInterface = L"Interface\\" + texteGuid(kc::IID_AbstractModule);
    const std::wstring autreBibliotheque = L"{0F0F0F0F-1111-2222-3333-444455556666}";
    HKEY cle = nullptr;
    ASSERT_EQ(RegCreateKeyW(HKEY_CLASSES_ROOT, (cleInterface + L"\\TypeLib").c_str(), &cle), ERROR_SUCCESS);
    RegSetValueW(cle, nullptr, REG_SZ, autreBibliotheque.c_str(), 0);
    RegCloseKey(cle);

    for (const Facon& f : Facons) {
        const std::string nom(f.inscrire.begin(), f.inscrire.end());
        EXPECT_EQ(regsvr32(f.inscrire), 0u) << nom;
        EXPECT_EQ(valeurCle(cleInterface + L"\\TypeLib"), autreBibliotheque) << nom;
        EXPECT_FALSE(cleExiste(f.prefixe + L"TypeLib\\" + texteGuid(kc::LIBID_K70935), f.racine)) << nom;
        EXPECT_EQ(regsvr32(f.desinscrire), 0u) << nom;
        EXPECT_EQ(valeurCle(cleInterface + L"\\TypeLib"), autreBibliotheque) << nom;
    }
    EXPECT_FALSE(cleExiste(ClassesUtilisateur + cleInterface, HKEY_CURRENT_USER));
    RegDeleteTreeW(HKEY_CLASSES_ROOT, cleInterface.c_str());
}

// Seen under Wine 8: an error leaving AbstractModule through its vtable reaches
// the caller as 0x800A0000 | number, with the thread's error object. (The
// late-bound path is scripts/client.vbs's.) The module is created by ProgID.
TEST(Composant, UneProprieteSansExerciceEchoueAvec91PourVb) {
    ASSERT_EQ(regsvr32(L""), 0u);
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
    {
        CLSID clsid{};
        ASSERT_EQ(CLSIDFromProgID(L"K58204.Module", &clsid), S_OK);
        Ptr<::AbstractModule> m;
        ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, kc::IID_AbstractModule, m.putVoid()), S_OK);
        VARIANT_BOOL b = VARIANT_TRUE;
        EXPECT_EQ(m->get_BravoNuance(&b), static_cast<HRESULT>(0x800A005B));
        Ptr<IErrorInfo> info;
        ASSERT_EQ(GetErrorInfo(0, info.put()), S_OK);
        Bstr source, description;
        info->GetSource(source.put());
        info->GetDescription(description.put());
        EXPECT_EQ(source.texte(), u"K58204");
        EXPECT_EQ(description.texte(), u"Variable objet ou variable de bloc With non définie");
    }
    CoUninitialize();
    EXPECT_EQ(regsvr32(L"/u"), 0u);
}

}  // namespace
