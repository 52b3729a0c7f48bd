// safeint relations: one signed comparison of the two stored integers.
// Saturated values compare as the integers that hold them.
#include "limits/access.h"

using safenum::detail::access;

int operator==(const safeint& a, const safeint& b) { return access::get(a) == access::get(b); }
int operator!=(const safeint& a, const safeint& b) { return access::get(a) != access::get(b); }
int operator<(const safeint& a, const safeint& b) { return access::get(a) < access::get(b); }
int operator<=(const safeint& a, const safeint& b) { return access::get(a) <= access::get(b); }
int operator>(const safeint& a, const safeint& b) { return access::get(a) > access::get(b); }
int operator>=(const safeint& a, const safeint& b) { return access::get(a) >= access::get(b); }
