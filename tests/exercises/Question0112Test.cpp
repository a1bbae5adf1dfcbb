// Question0112: the learner puts the name "Jean-Pierre" in the place marked "s01".
#include <gtest/gtest.h>

#include "exercises/support/ExerciceSimule.hpp"

namespace k58204::test {
namespace {

// The name is compared exactly: typed in lower case after the placeholder
// (and its bookmark) was deleted, it is "A", not "B".
TEST(Question0112, PlaceEffaceeNomEnMinuscules) {
    joue(112, Scenario{"PlaceEffaceeNomEnMinuscules",
                       [](Auto app) {
                           selectionneSignet(app, u"s01");
                           app[u"Selection"].fait(u"Delete");
                           tape(app, u"jean-pierre");
                       },
                       u"A"});
}

}  // namespace
}  // namespace k58204::test
