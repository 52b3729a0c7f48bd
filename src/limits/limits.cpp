// The limit functions, compiled once for the library.
#include "safenum/limits/limits-inl.h"
