// The mixed floating operators, compiled once for the library.
#include "safenum/float/mixed-inl.h"
