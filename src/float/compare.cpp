// The floating relations, compiled once for the library.
#include "safenum/float/compare-inl.h"
