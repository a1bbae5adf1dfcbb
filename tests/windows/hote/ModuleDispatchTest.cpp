// The module as k58204.exe drives it: the registered K58204.dll created by
// ProgID and called by name. No Word is registered in the test prefix, so
// InitQuestion fails as it does on a machine without Word.
#include <gtest/gtest.h>

#include "windows/com/Outils.hpp"
#include "com/commun/Possession.hpp"
#include "host/windows/ModuleDispatch.hpp"
#include "support/NumeroErreur.hpp"
#include "word/Erreur.hpp"

namespace kw = k58204::lecon::windows;
using k58204::Erreur;
using k58204::ObjetPtr;
using k58204::test::numeroErreur;

namespace {

// Not registered, the module cannot be created (429). Registered, without
// Word InitQuestion raises 429 and leaves the host's variables as they were;
// ErreurGenerale stays readable by name and the others answer or raise the
// module's error as an Erreur, never anything else.
TEST(ModuleParNom, NonInscritPuisSansWord) {
    k58204::com::InitialisationCom com;
    ASSERT_TRUE(SUCCEEDED(com.resultat()));
    CLSID word{};
    if (SUCCEEDED(CLSIDFromProgID(L"Word.Application", &word))) GTEST_SKIP() << "a Word is registered here";
    k58204::com::test::regsvr32(L"/u");
    EXPECT_EQ(numeroErreur([] { kw::ModuleDispatch m(nullptr); }), 429);

    ASSERT_EQ(k58204::com::test::regsvr32(L""), 0u);
    kw::ModuleDispatch module(std::make_shared<k58204::com::CacheDispids>());
    ObjetPtr application;
    int32_t handle = -1;
    try {
        module.InitQuestion(110, u"C:\\Cours\\K58204\\", application, handle, std::nullopt);
        ADD_FAILURE() << "InitQuestion returned without Word";
    } catch (const Erreur& e) {
        EXPECT_EQ(e.numero(), 429);
        EXPECT_NE(e.source().find(u"K58204"), std::u16string::npos);
        EXPECT_FALSE(e.description().empty());
    }
    EXPECT_EQ(application, nullptr);
    EXPECT_EQ(handle, -1);
    EXPECT_NO_THROW(module.ErreurGenerale());
    EXPECT_GE(numeroErreur([&] { module.CauseErreur(); }), 0);
    EXPECT_GE(numeroErreur([&] { module.Complement(); }), 0);
    k58204::com::test::regsvr32(L"/u");
}

}  // namespace
