// safeint's construction, assignment and conversions, compiled once for the library.
#include "safenum/int/safeint-inl.h"
