// The math functions, compiled once for the library.
#include "safenum/math/math-inl.h"
