// safeint's relations, compiled once for the library.
#include "safenum/int/compare-inl.h"
