// SPDX-License-Identifier: BSL-1.0
// safenum-demo: a short tour of the library. Each row puts what plain C++
// gives beside what the saturating classes give; a "why" line under a result
// that looks wrong names the rule that gives it. Values print through the
// opt-in safenum_io.h, plain floating values in the same form: the fewest
// digits that read back as the number itself.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iomanip>
#include <iostream>
#include <limits>
#include <sstream>
#include <string>

#include "safenum.h"
#include "safenum_io.h"

namespace {

const char kUndefined[] = "undefined behaviour";
const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const std::int64_t kIntMin = std::numeric_limits<int>::min();
const std::int64_t kIntMax = std::numeric_limits<int>::max();

// A plain floating value in the form safenum_io.h prints a stored one.
template <class Float>
std::string text(Float x) {
  char buf[32];
  *std::to_chars(buf, buf + sizeof buf - 1, x).ptr = '\0';
  return buf;
}

// An exact integer result as plain int arithmetic would give it: itself when
// it fits, undefined behaviour when it does not.
std::string plain_int(std::int64_t exact) {
  return exact < kIntMin || exact > kIntMax ? kUndefined : std::to_string(exact);
}

void heading(const char* title) { std::cout << "\n== " << title << " ==\n"; }

template <class Plain, class Safe>
void row(const std::string& expression, const Plain& plain, const Safe& safe) {
  std::cout << "  " << std::left << std::setw(38) << expression << std::setw(24) << plain << safe
            << '\n';
}

// The reason under a result, wrapped at the width of a table.
void why(const std::string& reason) {
  std::istringstream words(reason);
  std::string line = "      why:", word;
  while (words >> word) {
    if (line.size() + 1 + word.size() > 96) {
      std::cout << line << '\n';
      line = "          ";
    }
    line += ' ' + word;
  }
  std::cout << line << '\n';
}

void tour_conversions() {
  heading("Into a safeint: rounding, truncation, saturation");
  std::cout << "  " << std::left << std::setw(38) << "x" << std::setw(24) << "plain int(x)"
            << std::setw(14) << "safeint(x)"
            << "s = x\n";
  const struct {
    double x;
    const char* reason;
  } values[] = {
      {2.7, "safeint(x) rounds to nearest; s = x truncates toward zero."},
      {-2.7, nullptr},
      {2.5, "safeint(x) sends an exact half toward zero."},
      {-0.7, nullptr},
      {2147483646.7, "rounded up, it reaches 2147483647, the positive saturated value."},
      {5e9, nullptr},
      {-1e300, "beyond the range, the saturated value of the sign: -2147483647, not -2147483648."},
      {kInf, nullptr},
      {kNaN, "a NaN becomes -2147483647, the negative saturated value."},
  };
  for (const auto& v : values) {
    const bool fits = v.x > -2147483649.0 && v.x < 2147483648.0;  // false for a NaN
    safeint assigned;
    assigned = v.x;
    std::cout << "  " << std::setw(38) << text(v.x) << std::setw(24)
              << (fits ? std::to_string(static_cast<int>(v.x)) : kUndefined) << std::setw(14)
              << safeint(v.x) << assigned << '\n';
    if (v.reason) why(v.reason);
  }

  heading("Three rounding rules");
  row("x", "std::lround(x)", "safeint(x) and safedouble(x).nint()");
  const double halves[] = {0.5, 2.5, -2.5, 3.5, 2.51};
  for (double x : halves) {
    row(text(x), std::lround(x),
        std::to_string(static_cast<int>(safeint(x))) + " and " +
            std::to_string(safedouble(x).nint()));
  }
  why("the safeint constructor sends exact halves toward zero; nint(), like std::lround, away.");

  heading("Into a floating object: the ceiling, NaN and infinity");
  row("expression", "plain C++", "safenum");
  row("safedouble(1e308)", text(1e308), safedouble(1e308));
  why("at or above the ceiling 2^1022 a value becomes the saturated value 2^1022.");
  row("safedouble(inf)", text(kInf), safedouble(kInf));
  row("safefloat(3e38)", text(3e38f), safefloat(3e38));
  why("the safefloat ceiling is 2^126, below FLT_MAX.");
  row("safedouble(nan)", text(kNaN), safedouble(kNaN));
  row("safedouble(nan).nint()", kUndefined, safedouble(kNaN).nint());
  why("nint() of a NaN is the positive saturated value.");
  row("double(safedouble(2.7))", text(2.7), text(static_cast<double>(safedouble(2.7))));
  why("a floating object becomes a plain number through nint(); its exact value is "
      "Function_1978(), and safenum_io.h prints it.");
  row("GetMaxSystemValue: double, safedouble", text(GetMaxSystemValue(0.0)),
      GetMaxSystemValue(safedouble()));
  why("a safedouble's largest value is its saturated value, not DBL_MAX.");
  row("GetMinSystemValue(safeint())", "-", GetMinSystemValue(safeint()));
  why("GetMinSystemValue is 1, whatever the argument: it is not the smallest value.");
  row("safeint(5).Function_1976()", "-", safeint(5).Function_1976());
  why("Function_1976 is always 2147483646, whatever the object holds.");
}

void tour_integers() {
  heading("safeint arithmetic saturates where plain int overflows");
  row("expression", "plain int", "safeint");
  struct Case {
    std::int64_t a;
    char op;
    std::int64_t b;
    const char* reason;
  };
  const Case cases[] = {
      {2147483600, '+', 100, nullptr},
      {-2147483600, '+', -100, nullptr},
      {46341, '*', 46341, nullptr},
      {-65536, '*', 65536,
       "the negative saturated value is -2147483647; -2147483648 is an ordinary value."},
      {0, '-', kIntMin, nullptr},
      {-1, '*', kIntMin, nullptr},
      {7, '/', 0, nullptr},
      {-7, '/', 0, "a division by zero gives the saturated value with the dividend's sign."},
      {kIntMin, '/', -1, nullptr},
      {1000, '*', 1000, nullptr},
      {kIntMax, '+', -kIntMax,
       "2147483647 stands for an overflow and stays one: it is tested first, so it wins."},
  };
  for (const Case& c : cases) {
    const safeint a(static_cast<int>(c.a)), b(static_cast<int>(c.b));
    std::string plain;
    safeint result;
    switch (c.op) {
      case '+':
        plain = plain_int(c.a + c.b), result = a + b;
        break;
      case '-':
        plain = plain_int(c.a - c.b), result = a - b;
        break;
      case '*':
        plain = plain_int(c.a * c.b), result = a * b;
        break;
      default:
        plain = c.b == 0 ? kUndefined : plain_int(c.a / c.b), result = a / b;
        break;
    }
    row(std::to_string(c.a) + ' ' + c.op + ' ' + std::to_string(c.b), plain, result);
    if (c.reason) why(c.reason);
  }

  heading("safeint compound assignment: its own, stricter tests");
  row("expression", "plain int", "safeint");
  safeint sum(2147483646), product(46341), unit(1), quotient(-2147483647 - 1);
  sum += safeint(0);
  product *= safeint(46340);
  unit *= safeint(1073741824);
  quotient /= safeint(-1);
  row("2147483646 += 0", 2147483646, sum);
  why("+= tests the halves, (a >> 1) + (b >> 1) >= 1073741823; each halving drops a bit, so a "
      "sum just below the limit may saturate, by parity: 2147483645 += 1 gives 2147483646.");
  row("46341 *= 46340", 46341 * 46340, product);
  why("*= saturates when |a| >= 2147483647 / |b| in integer division (46341 >= 46341), which "
      "catches some products that fit; the binary 46341 * 46340 gives 2147441940.");
  row("1 *= 1073741824", 1073741824, unit);
  why("the same test depends on the order: 1073741824 *= 1 keeps 1073741824.");
  row("-2147483648 /= -1", kUndefined, quotient);
}

void tour_floating() {
  heading("Floating arithmetic: saturated, flushed, never infinite");
  row("expression", "plain C++", "safenum");
  // Plain IEEE division by zero gives an infinity (0/0 a NaN); the plain
  // column shows those values rather than dividing, so the tour also runs
  // clean under a divide-by-zero sanitizer.
  volatile double big = 1e200, tiny = 1e-160, sum_half = 3e307;
  volatile float fbig = 1e20f, ftiny = 1e-20f;
  row("safedouble 1e200 * 1e200", text(big * big), safedouble(1e200) * safedouble(1e200));
  row("safefloat 1e20 * 1e20", text(fbig * fbig), safefloat(1e20) * safefloat(1e20));
  row("safedouble 3e307 + 3e307", text(sum_half + sum_half), safedouble(3e307) + safedouble(3e307));
  why("6e307 is above the ceiling 2^1022 (about 4.49e307): saturated, though a double holds it.");
  row("safedouble 5 / 0", text(kInf), safedouble(5) / 0);
  row("safefloat -5 / 0", text(-kInf), safefloat(-5) / 0);
  row("safedouble 0 / 0", text(kNaN), safedouble(0) / safedouble(0));
  why("zero divided by anything is zero.");
  row("safedouble 1e-160 * 1e-160", text(tiny * tiny), safedouble(1e-160) * safedouble(1e-160));
  row("safefloat 1e-20 * 1e-20", text(ftiny * ftiny), safefloat(1e-20) * safefloat(1e-20));
  why("a product of two magnitudes below 1 that falls below the smallest normal magnitude "
      "becomes +0.");
  row("safedouble 1e-300 / 1e10", text(1e-300 / 1e10), safedouble(1e-300) / 1e10);
  why("a quotient by a divisor of at least 1 that falls to or below DBL_MIN becomes DBL_MIN, "
      "never zero.");
  const safedouble nan(kNaN), one(1.0);
  row("nan == 1, nan < 1, nan > 1",
      std::to_string(kNaN == 1.0) + ' ' + std::to_string(kNaN < 1.0) + ' ' +
          std::to_string(kNaN > 1.0),
      std::to_string(nan == one) + ' ' + std::to_string(nan < one) + ' ' +
          std::to_string(nan > one));
  why("a NaN counts as less and as equal, never as greater, so opposite relations always give "
      "opposite results.");
}

void tour_math() {
  heading("Math functions");
  row("call", "plain C++", "safenum");
  row("Function_1971(safefloat(-4))", text(std::sqrt(-4.0)), Function_1971(safefloat(-4.0)));
  why("Function_1971 is the square root of the magnitude, never a NaN.");
  row("Function_1971(safeint(15))", text(std::sqrt(15.0)), Function_1971(safeint(15)));
  row("Function_1971(safeint(-2147483648))", "-", Function_1971(safeint(-2147483647 - 1)));
  safedouble saturated(1e308);
  row("Function_1971(safedouble(1e308))", text(std::sqrt(1e308)), Function_1971(saturated));
  why("1e308 saturated to 2^1022 on the way in; its root 2^511 is an ordinary value.");
  const safedouble nan(kNaN), one(1.0), two(2.0);
  row("Function_1982(1, 2), larger", text(std::fmax(1.0, 2.0)), Function_1982(one, two));
  row("Function_1983(1, 2), smaller", text(std::fmin(1.0, 2.0)), Function_1983(one, two));
  row("Function_1982(nan, 1)", text(std::fmax(kNaN, 1.0)), Function_1982(nan, one));
  why("a NaN is never greater, so the larger value is the right one.");
  row("Function_1983(nan, 1)", text(std::fmin(kNaN, 1.0)), Function_1983(nan, one));
  why("a NaN counts as less, so the smaller value is the left one, the NaN.");
  row("Function_1982(+0, -0)", text(std::fmax(0.0, -0.0)),
      Function_1982(safedouble(0.0), safedouble(-0.0)));
  why("equal values: the right one, bit for bit.");
  const double ceil_inputs[] = {2.3, -2.7, -0.5, 1e308};
  for (double x : ceil_inputs) {
    safedouble d(x);
    row("ceil(safedouble(" + text(x) + "))", text(std::ceil(x)), ceil(d));
  }
  why("1e308 saturated to 2^1022 on the way in, and ceil keeps it.");
  safefloat above;
  above = 3e38f;  // the plain float assignment stores without a test
  row("ceil(safefloat holding 3e38)", text(std::ceil(3e38f)), ceil(above));
  why("the float assignment keeps 3e38 above the ceiling; ceil's result saturates.");
  const int abs_inputs[] = {-5, 2147483647, -2147483647, -2147483647 - 1};
  for (int v : abs_inputs) {
    row("abs(safeint(" + std::to_string(v) + "))",
        v == kIntMin ? kUndefined : std::to_string(std::abs(v)), abs(safeint(v)));
  }
  why("the magnitude of -2147483648 does not fit: saturated.");
}

}  // namespace

int main() {
  std::cout << "safenum: saturating safeint, safefloat and safedouble\n";
  tour_conversions();
  tour_integers();
  tour_floating();
  tour_math();
  return 0;
}
