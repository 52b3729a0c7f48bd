// One side of a program that mixes the two builds: this translation unit is
// header-only and hands a safeint to a function defined in a linked one.
#define SAFENUM_HEADER_ONLY
#include "safenum.h"

safeint twice(const safeint& x);  // defined in linked_side.cpp

int main() { return static_cast<int>(twice(safeint(21))) == 42 ? 0 : 1; }
