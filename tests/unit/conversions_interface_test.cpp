// The exact public signatures of the value classes' members and the limit
// functions. Each member is taken by address with its exact pointer type
// (so a const/non-const or return-type slip does not compile) and called
// through that pointer (so a member the library does not export fails to
// link).
#include <gtest/gtest.h>

#include <type_traits>

#include "bits.h"

namespace ts = testing_support;

namespace {

static_assert(std::is_trivially_copyable<safeint>::value, "safeint is a plain value");
static_assert(std::is_trivially_copyable<safefloat>::value, "safefloat is a plain value");
static_assert(std::is_trivially_copyable<safedouble>::value, "safedouble is a plain value");
static_assert(sizeof(safeint) == 4 && sizeof(safefloat) == 4 && sizeof(safedouble) == 8,
              "one field each");
static_assert(std::is_nothrow_destructible<safeint>::value &&
                  std::is_trivially_destructible<safefloat>::value &&
                  std::is_trivially_destructible<safedouble>::value,
              "empty destructors");
static_assert(!std::is_polymorphic<safeint>::value && !std::is_polymorphic<safefloat>::value &&
                  !std::is_polymorphic<safedouble>::value,
              "no virtual operations");

// Constructors cannot be taken by address; these pin the overload set.
static_assert(std::is_constructible<safeint, int>::value &&
                  std::is_constructible<safeint, const safefloat&>::value &&
                  std::is_constructible<safeint, const safedouble&>::value,
              "safeint constructors");
static_assert(std::is_constructible<safefloat, safeint&>::value &&
                  std::is_constructible<safefloat, const safeint&>::value &&
                  std::is_constructible<safedouble, safeint&>::value &&
                  std::is_constructible<safedouble, const safeint&>::value,
              "floating constructors from safeint");
// The conversions out are non-const (nint is the const way out).
static_assert(!std::is_convertible<const safeint&, int>::value, "non-const operator int");
static_assert(!std::is_convertible<const safefloat&, int>::value, "non-const operator int");
static_assert(std::is_convertible<safedouble&, int>::value, "operator int");

TEST(ConversionsInterface, SafeintMembers) {
  safeint& (safeint::*from_int)(int) = &safeint::operator=;
  safeint& (safeint::*from_char)(char) = &safeint::operator=;
  safeint& (safeint::*from_float)(float) = &safeint::operator=;
  safeint& (safeint::*from_double)(double) = &safeint::operator=;
  int (safeint::*to_int)() = &safeint::operator int;
  unsigned long (safeint::*to_ulong)() = &safeint::operator unsigned long;
  float (safeint::*to_float)() = &safeint::operator float;
  double (safeint::*to_double)() = &safeint::operator double;
  long double (safeint::*to_ldouble)() = &safeint::operator long double;
  safeint (safeint::*f1976)() = &safeint::Function_1976;
  double (safeint::*f1978)() = &safeint::Function_1978;

  safeint s;
  EXPECT_EQ(ts::value_of((s.*from_int)(-7)), -7);
  EXPECT_EQ(ts::value_of((s.*from_char)(static_cast<char>(-3))), -3);
  EXPECT_EQ(ts::value_of((s.*from_float)(5.9f)), 5);
  EXPECT_EQ(ts::value_of((s.*from_double)(-6.9)), -6);
  EXPECT_EQ((s.*to_int)(), -6);
  EXPECT_EQ((s.*to_ulong)(), 4294967290ul);
  EXPECT_EQ((s.*to_float)(), -6.0f);
  EXPECT_EQ((s.*to_double)(), -6.0);
  EXPECT_EQ((s.*to_ldouble)(), -6.0L);
  EXPECT_EQ(ts::value_of((s.*f1976)()), 2147483646);
  EXPECT_EQ((s.*f1978)(), -6.0);
}

template <class C, class Narrow>
void check_floating_members(Narrow floor_ceiling_type_probe) {
  (void)floor_ceiling_type_probe;
  C& (C::*from_int)(int) = &C::operator=;
  C& (C::*from_char)(char) = &C::operator=;
  C& (C::*from_double)(double) = &C::operator=;
  C& (C::*from_float)(float) = &C::operator=;
  int (C::*to_int)() = &C::operator int;
  int (C::*nint)() const = &C::nint;
  float (C::*f1975)() = &C::Function_1975;
  double (C::*f1978)() = &C::Function_1978;
  Narrow (C::*f1979)() = &C::Function_1979;
  Narrow (C::*f1977)() = &C::Function_1977;
  int (C::*f1980)() = &C::Function_1980;
  int (C::*f1981)() = &C::Function_1981;

  C x;
  EXPECT_EQ(ts::value_of((x.*from_int)(4)), 4);
  EXPECT_EQ(ts::value_of((x.*from_char)(static_cast<char>(-2))), -2);
  EXPECT_EQ(ts::value_of((x.*from_float)(1.5f)), 1.5);
  EXPECT_EQ(ts::value_of((x.*from_double)(-2.5)), -2.5);
  EXPECT_EQ((x.*to_int)(), -3);
  const C& cx = x;
  EXPECT_EQ((cx.*nint)(), -3);
  EXPECT_EQ((x.*f1975)(), -2.5f);
  EXPECT_EQ((x.*f1978)(), -2.5);
  EXPECT_EQ((x.*f1979)(), Narrow(-3));
  EXPECT_EQ((x.*f1977)(), Narrow(-2));
  EXPECT_EQ((x.*f1980)(), -2);
  EXPECT_EQ((x.*f1981)(), 0);
}

TEST(ConversionsInterface, SafefloatMembers) { check_floating_members<safefloat>(0.0f); }
TEST(ConversionsInterface, SafedoubleMembers) { check_floating_members<safedouble>(0.0); }

TEST(ConversionsInterface, LimitFunctions) {
  long (*max_long)(long) = &GetMaxSystemValue;
  int (*max_int)(int) = &GetMaxSystemValue;
  short (*max_short)(short) = &GetMaxSystemValue;
  float (*max_float)(float) = &GetMaxSystemValue;
  double (*max_double)(double) = &GetMaxSystemValue;
  safedouble (*max_sd)(safedouble) = &GetMaxSystemValue;
  safefloat (*max_sf)(safefloat) = &GetMaxSystemValue;
  safeint (*max_si)(safeint) = &GetMaxSystemValue;
  safeint (*minus_one)(safeint) = &GetMaxSystemValueMinusOne;
  safeint (*min_si)(safeint) = &GetMinSystemValue;
  EXPECT_EQ(max_long(0), 2147483647L);
  EXPECT_EQ(max_int(0), 2147483647);
  EXPECT_EQ(max_short(0), 32767);
  EXPECT_EQ(ts::bits(max_float(0)), 0x7f7fffffu);
  EXPECT_EQ(ts::bits(max_double(0)), 0x7fefffffffffffffu);
  EXPECT_EQ(ts::value_of(max_sd(safedouble())), 0x1p1022);
  EXPECT_EQ(ts::value_of(max_sf(safefloat())), 0x1p126f);
  EXPECT_EQ(ts::value_of(max_si(safeint())), 2147483647);
  EXPECT_EQ(ts::value_of(minus_one(safeint())), 2147483646);
  EXPECT_EQ(ts::value_of(min_si(safeint())), 1);
}

}  // namespace
