// SPDX-License-Identifier: BSL-1.0
// Baselines the library is measured against: the plain operation and a
// hand-written saturating version of it, each an out-of-line call into a
// shared library, as the library's own operations are.
#pragma once
#define NOINL __attribute__((noinline))
namespace base {
NOINL int add_plain(int a, int b);
NOINL int sub_plain(int a, int b);
NOINL int mul_plain(int a, int b);
NOINL int div_plain(int a, int b);
NOINL int add_sat(int a, int b);
NOINL int sub_sat(int a, int b);
NOINL int mul_sat(int a, int b);
NOINL int div_sat(int a, int b);
NOINL int addd_plain(int a, double b);
NOINL int addd_sat(int a, double b);
NOINL float fadd_plain(float a, float b);
NOINL float fsub_plain(float a, float b);
NOINL float fmul_plain(float a, float b);
NOINL float fdiv_plain(float a, float b);
NOINL float fadd_sat(float a, float b);
NOINL float fsub_sat(float a, float b);
NOINL float fmul_sat(float a, float b);
NOINL float fdiv_sat(float a, float b);
NOINL double dadd_plain(double a, double b);
NOINL double dsub_plain(double a, double b);
NOINL double dmul_plain(double a, double b);
NOINL double ddiv_plain(double a, double b);
NOINL double dadd_sat(double a, double b);
NOINL double dsub_sat(double a, double b);
NOINL double dmul_sat(double a, double b);
NOINL double ddiv_sat(double a, double b);
NOINL int lt_int(int a, int b);
NOINL int eq_int(int a, int b);
NOINL int lt_float(float a, float b);
NOINL int eq_float(float a, float b);
NOINL int lt_double(double a, double b);
NOINL int eq_double(double a, double b);
NOINL int int_of_double_plain(double d);
NOINL int int_of_double_sat(double d);
NOINL float float_of_double_plain(double d);
NOINL float float_of_double_sat(double d);
NOINL long lround_plain(double d);
NOINL long lround_sat(double d);
NOINL long lround_text(double d);
NOINL float fsqrt_plain(float a);
NOINL float fsqrt_sat(float a);
NOINL double dsqrt_plain(double a);
NOINL double dsqrt_sat(double a);
NOINL int isqrt_plain(int a);
NOINL int isqrt_sat(int a);
NOINL int max_plain(int a, int b);
NOINL int abs_plain(int a);
NOINL int abs_sat(int a);
NOINL double dmax_plain(double a, double b);
}  // namespace base
