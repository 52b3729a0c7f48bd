#include <gtest/gtest.h>
#include "bits.h"
TEST(Smoke, Builds) { EXPECT_EQ(testing_support::bits(safedouble(1e308).Function_1978()), 0x7fd0000000000000u); }
