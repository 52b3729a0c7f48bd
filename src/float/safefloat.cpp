// safefloat's construction, assignment and conversions, compiled once for the library.
#include "safenum/float/safefloat-inl.h"
