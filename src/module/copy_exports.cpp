// Copy constructor, copy assignment and destructor of safeint, safefloat and
// safedouble, exported by their decorated names from the 32-bit DLL.
//
// safenum.h leaves these members implicit, so the classes stay trivially
// copyable: a program built with it copies the field itself and imports none
// of them. A program built against a header that declares the three members
// (with the whole class __declspec(dllimport)) imports each of them instead,
// and would neither link nor load without these exports. Each name is bound
// here by the linker to a member function of the same shape (__thiscall:
// the object in ECX, the source by reference on the stack):
//   copy constructor   copies the 4 or 8 bytes bit for bit, returns this
//   copy assignment    copies them, returns *this
//   destructor         does nothing
// A floating field is copied as an integer of its size, so a signalling NaN
// keeps its bits.
//
// Only the 32-bit build carries these (SafenumWindows.cmake adds this file
// there): the x64 DLL has no programs built against such a header.
#include "safenum/common/runtime.h"

namespace safenum {
namespace frame {

// A stored field of 4 bytes (safeint, safefloat) or 8 (safedouble).
template <class Bits>
struct stored_value {
  Bits bits;
  stored_value* copy(const stored_value& from);
  stored_value& assign(const stored_value& from);
  void destroy();
};

template <class Bits>
stored_value<Bits>* stored_value<Bits>::copy(const stored_value& from) {
  bits = from.bits;
  return this;
}
template <class Bits>
stored_value<Bits>& stored_value<Bits>::assign(const stored_value& from) {
  bits = from.bits;
  return *this;
}
template <class Bits>
void stored_value<Bits>::destroy() {}

template struct stored_value<rt::uint32_t>;
template struct stored_value<rt::uint64_t>;

}  // namespace frame
}  // namespace safenum

// The member functions above under their own decorated names (I: unsigned
// int, _K: unsigned __int64).
#define SAFENUM_VALUE32 "?$stored_value@I@frame@safenum@@"
#define SAFENUM_VALUE64 "?$stored_value@_K@frame@safenum@@"
#define SAFENUM_COPY(value) "=?copy@" value "QAEPAU123@ABU123@@Z"
#define SAFENUM_ASSIGN(value) "=?assign@" value "QAEAAU123@ABU123@@Z"
#define SAFENUM_DESTROY(value) "=?destroy@" value "QAEXXZ"

#pragma comment(linker, "/export:??0safeint@@QAE@ABV0@@Z" SAFENUM_COPY(SAFENUM_VALUE32))
#pragma comment(linker, "/export:??4safeint@@QAEAAV0@ABV0@@Z" SAFENUM_ASSIGN(SAFENUM_VALUE32))
#pragma comment(linker, "/export:??1safeint@@QAE@XZ" SAFENUM_DESTROY(SAFENUM_VALUE32))
#pragma comment(linker, "/export:??0safefloat@@QAE@ABV0@@Z" SAFENUM_COPY(SAFENUM_VALUE32))
#pragma comment(linker, "/export:??4safefloat@@QAEAAV0@ABV0@@Z" SAFENUM_ASSIGN(SAFENUM_VALUE32))
#pragma comment(linker, "/export:??1safefloat@@QAE@XZ" SAFENUM_DESTROY(SAFENUM_VALUE32))
#pragma comment(linker, "/export:??0safedouble@@QAE@ABV0@@Z" SAFENUM_COPY(SAFENUM_VALUE64))
#pragma comment(linker, "/export:??4safedouble@@QAEAAV0@ABV0@@Z" SAFENUM_ASSIGN(SAFENUM_VALUE64))
#pragma comment(linker, "/export:??1safedouble@@QAE@XZ" SAFENUM_DESTROY(SAFENUM_VALUE64))
