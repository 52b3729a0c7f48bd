// Every safeint binary operator and relation, taken by address with its
// exact signature: a missing or mistyped export fails to build or link.
#ifndef SAFENUM_TESTS_SUPPORT_INT_OPERATORS_H
#define SAFENUM_TESTS_SUPPORT_INT_OPERATORS_H

#include "int_model.h"
#include "safenum.h"

namespace int_operators {

using SS = safeint (*)(const safeint&, const safeint&);
using SI = safeint (*)(const safeint&, const int&);
using IS = safeint (*)(const int&, const safeint&);
using SF = safeint (*)(const safeint&, const float&);
using FS = safeint (*)(const float&, const safeint&);
using SD = safeint (*)(const safeint&, const double&);
using DS = safeint (*)(const double&, const safeint&);
using Relation = int (*)(const safeint&, const safeint&);

// How a mixed overload hands its operands to the core: s is the safeint
// operand, t the converted plain one.
enum class Order {
  kSafeFirst,  // s op t, either way round (+)
  kWritten,    // s op t and t op s, as written (- and /)
  kPlainFirst  // t op s, either way round (*)
};

struct OperatorSet {
  const char* name;
  SS core;
  SI si;
  IS is;
  SF sf;
  FS fs;
  SD sd;
  DS ds;
  int (*model)(int, int);
  Order order;
};

#define SAFENUM_OPERATOR_SET(op, model_fn, order_tag)                                            \
  OperatorSet {                                                                                \
    #op, static_cast<SS>(&::operator op), static_cast<SI>(&::operator op),                     \
        static_cast<IS>(&::operator op), static_cast<SF>(&::operator op),                      \
        static_cast<FS>(&::operator op), static_cast<SD>(&::operator op),                      \
        static_cast<DS>(&::operator op), &int_model::model_fn, Order::order_tag                \
  }

inline const OperatorSet kOperators[] = {
    SAFENUM_OPERATOR_SET(+, add, kSafeFirst),
    SAFENUM_OPERATOR_SET(-, subtract, kWritten),
    SAFENUM_OPERATOR_SET(*, multiply, kPlainFirst),
    SAFENUM_OPERATOR_SET(/, divide, kWritten),
};

#undef SAFENUM_OPERATOR_SET

// The model's result of "s op x" and "x op s" once x has become t.
inline int model_safe_left(const OperatorSet& op, int s, int t) {
  return op.order == Order::kPlainFirst ? op.model(t, s) : op.model(s, t);
}
inline int model_safe_right(const OperatorSet& op, int t, int s) {
  return op.order == Order::kSafeFirst ? op.model(s, t) : op.model(t, s);
}

struct RelationCase {
  const char* name;
  Relation relation;
  bool (*holds)(int, int);
};

inline const RelationCase kRelations[] = {
    {"==", static_cast<Relation>(&::operator==), [](int a, int b) { return a == b; }},
    {"!=", static_cast<Relation>(&::operator!=), [](int a, int b) { return a != b; }},
    {"<", static_cast<Relation>(&::operator<), [](int a, int b) { return a < b; }},
    {"<=", static_cast<Relation>(&::operator<=), [](int a, int b) { return a <= b; }},
    {">", static_cast<Relation>(&::operator>), [](int a, int b) { return a > b; }},
    {">=", static_cast<Relation>(&::operator>=), [](int a, int b) { return a >= b; }},
};

// The stored value, read through the exported conversion.
inline int value(safeint s) { return static_cast<int>(s); }

}  // namespace int_operators

#endif  // SAFENUM_TESTS_SUPPORT_INT_OPERATORS_H
