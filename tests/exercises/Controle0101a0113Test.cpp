// The course documents of exercises 101 and 103 to 113, as the host stages
// them, pass Module's working-document check right after preparation: they
// carry the protection, form fields, bookmarks, positions and word count
// that check compares.
#include <gtest/gtest.h>

#include "exercises/support/Cours.hpp"
#include "exercises/support/ExerciceSimule.hpp"
#include "module/Module.hpp"
#include "word/Texte.hpp"

namespace k58204::test {
namespace {

class ControleDocument : public ::testing::TestWithParam<int32_t> {};

TEST_P(ControleDocument, PasseApresPreparation) {
    const int32_t n = GetParam();
    const std::string source = nomCours(n);
    std::string modele = (std::filesystem::temp_directory_path() / "k58204-controle-XXXXXX").string();
    ASSERT_NE(mkdtemp(modele.data()), nullptr);
    {
        sim::Poste poste(modele);
        Module module(poste.plateforme());
        poste.fichiers().MakeSureDirectoryPathExists(DossierCours);
        poste.fichiers().Ecrit(DossierCours + depuisUtf8(source), litCours(source));
        ObjetPtr application;
        int32_t handle = -1;
        module.InitQuestion(n, DossierCours, application, handle);
        if (n == 103)
            Auto(application)[u"Documents"].fait(u"Open", {std::u16string(DossierCours) + u"Voyage à CANGO.doc"});
        module.TestePoint();
        EXPECT_FALSE(module.ErreurGenerale()) << versUtf8(module.CauseErreur());
        module.Quitter(application, handle);
    }
    std::filesystem::remove_all(modele);
}

INSTANTIATE_TEST_SUITE_P(Cours, ControleDocument,
                         ::testing::Values(101, 103, 104, 105, 106, 107, 108, 109, 110, 111, 112, 113));

}  // namespace
}  // namespace k58204::test
