// The core floating operators, compiled once for the library.
#include "safenum/float/binary-inl.h"
