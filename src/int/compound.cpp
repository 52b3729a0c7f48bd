// safeint's compound assignment, compiled once for the library.
#include "safenum/int/compound-inl.h"
