#include <gtest/gtest.h>
#include "word/Texte.hpp"
TEST(Smoke, LowerCase) { EXPECT_EQ(k58204::LCase(u"ÀÉ"), u"àé"); }
