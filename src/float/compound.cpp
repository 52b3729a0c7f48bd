// The floating compound assignments, compiled once for the library.
#include "safenum/float/compound-inl.h"
