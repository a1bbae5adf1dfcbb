// Question0107: the learner breaks the paragraph between the passages "s01" and "s02".
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

// Typed right after the last period: a space, a break, spaces and a second
// break; the empty paragraph holds spaces. (Typed at the start of "s02"
// instead, the text would join that passage, as Word extends a bookmark at
// its start.)
TEST(Question0107, ParagrapheVideAvecDesEspaces) {
    joue(107, Scenario{"ParagrapheVideAvecDesEspaces",
                       [](Auto app) {
                           const int32_t fin = finSignet(app, u"s01");
                           selectionne(app, fin, fin);
                           tape(app, u" ");
                           app[u"Selection"].fait(u"TypeParagraph");
                           tape(app, u"  ");
                           app[u"Selection"].fait(u"TypeParagraph");
                       },
                       u"B"});
}

}  // namespace
}  // namespace k58204::test
