// safeint's binary operators, compiled once for the library.
#include "safenum/int/binary-inl.h"
