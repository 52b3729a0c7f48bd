// The other side: a linked translation unit.
#include "safenum.h"

safeint twice(const safeint& x) { return x + x; }
