// The support trace of K58204.dll, through real COM: off by default, turned on
// by K58204_TRACE or HKCU\Software\K58204\Trace, one block a host call with its
// result or error, the file rotated at its size limit, and a module that works
// the same when the file cannot be written.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "Outils.hpp"
#include "com/serveur/Identifiants.hpp"
#include "com/serveur/TraceSupport.hpp"
#include "k70935.h"

namespace kc = k58204::com;
using k58204::com::Ptr;
using namespace k58204::com::test;

namespace {

namespace fs = std::filesystem;
constexpr wchar_t CleTrace[] = L"Software\\K58204";

class TraceSupport : public testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_EQ(regsvr32(L""), 0u); }
    static void TearDownTestSuite() { regsvr32(L"/u"); }
    void SetUp() override {
        ASSERT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
        nettoie();
    }
    void TearDown() override {
        nettoie();
        CoUninitialize();
    }
    void nettoie() {
        SetEnvironmentVariableW(L"K58204_TRACE", nullptr);
        RegDeleteTreeW(HKEY_CURRENT_USER, CleTrace);
        fs::remove(fichier_);
        fs::remove(ancien_);
    }
    // A module created now (the trace is looked up at creation): its
    // ErreurGenerale then, unless `seule`, BravoNuance (error 91), TestePoint and
    // CauseErreur; TestePoint's result.
    static HRESULT joue(bool seule = false) {
        Ptr<::AbstractModule> m;
        EXPECT_EQ(CoCreateInstance(kc::CLSID_Module, nullptr, CLSCTX_INPROC_SERVER, kc::IID_AbstractModule, m.putVoid()), S_OK);
        VARIANT_BOOL b = VARIANT_FALSE;
        kc::Bstr cause;
        m->get_ErreurGenerale(&b);
        if (seule) return S_OK;
        m->get_BravoNuance(&b);
        const HRESULT hr = m->TestePoint();
        m->get_CauseErreur(cause.put());
        return hr;
    }
    static std::string contenu(const fs::path& f) {
        std::ifstream in(f, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    const fs::path fichier_ = fs::temp_directory_path() / "k58204-trace-test.log";
    const fs::path ancien_ = fichier_.wstring() + L".1";  // the file moved aside
};

// Off by default; a file that cannot be written changes nothing to the module.
TEST_F(TraceSupport, ChaqueAppelDeLHoteEstEcritDansLOrdreAvecSonResultat) {
    EXPECT_EQ(joue(), S_OK);
    EXPECT_FALSE(fs::exists(fichier_)) << "off by default";
    const fs::path impossible = fs::temp_directory_path() / "k58204-absent" / "sous-dossier" / "trace.log";
    SetEnvironmentVariableW(L"K58204_TRACE", impossible.c_str());
    EXPECT_EQ(joue(), S_OK);
    EXPECT_FALSE(fs::exists(impossible));

    // Turned on by the environment, else by the user's registry value.
    for (bool parRegistre : {false, true}) {
        nettoie();
        if (parRegistre) {
            const std::wstring valeur = fichier_.wstring();
            ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, CleTrace, L"Trace", REG_SZ, valeur.c_str(),
                                      static_cast<DWORD>((valeur.size() + 1) * sizeof(wchar_t))), ERROR_SUCCESS);
        } else {
            SetEnvironmentVariableW(L"K58204_TRACE", fichier_.c_str());
        }
        joue();
        const std::string trace = contenu(fichier_);
        size_t position = 0;
        for (const char* attendu : {"  ErreurGenerale\n  => False", "  BravoNuance\n  => erreur 91 : ",
                                    " | source K58204 ", "  TestePoint\n  => ok", "  CauseErreur\n  => \"AM\""}) {
            const size_t trouve = trace.find(attendu, position);
            EXPECT_NE(trouve, std::string::npos) << parRegistre << " " << attendu << " in\n" << trace;
            if (trouve != std::string::npos) position = trouve;
        }
    }
}

// A file at the size limit moves aside before the next block; one byte
// short of it, it grows.
TEST_F(TraceSupport, LeFichierPleinEstMisDeCote) {
    SetEnvironmentVariableW(L"K58204_TRACE", fichier_.c_str());
    for (const std::uintmax_t taille : {kc::TraceSupport::TailleMax - 1, kc::TraceSupport::TailleMax}) {
        const bool misDeCote = taille >= kc::TraceSupport::TailleMax;
        fs::remove(ancien_);
        { std::ofstream(fichier_, std::ios::binary) << std::string(taille, 'x'); }
        joue(true);
        EXPECT_EQ(fs::exists(ancien_) ? fs::file_size(ancien_) : 0, misDeCote ? taille : 0) << taille;
        EXPECT_EQ(contenu(fichier_).find('x') != std::string::npos, !misDeCote) << taille;
    }
}

}  // namespace
