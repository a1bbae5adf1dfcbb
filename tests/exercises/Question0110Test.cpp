// Question0110: the learner makes the passage "s01" bold and italic.
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

// A mixed passage is "D" even when the other property is not set at all.
TEST(Question0110, GrasEnPartie) {
    joue(110, Scenario{"GrasEnPartie",
                       [](Auto app) {
                           selectionneDebut(app, u"s01", 5);
                           app[u"Selection"][u"Font"].ecrit(u"Bold", true);
                       },
                       u"D"});
}

}  // namespace
}  // namespace k58204::test
