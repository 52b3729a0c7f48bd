// SPDX-License-Identifier: BSL-1.0
// The operands the Windows client runs every row of the export table
// (tests/support/exports.h) on: edge values of each type, NaNs and
// infinities included. The reference generator runs the models on the same.
#ifndef SAFENUM_TESTS_WINDOWS_OPERANDS_H
#define SAFENUM_TESTS_WINDOWS_OPERANDS_H

constexpr int NONE[] = {0};
constexpr int INTS[] = {0, 1, -1, 2, -3, 7, 46340, -46341, 65537, 1073741823, -1073741825,
                        2147483584, -2147483584, 2147483646, 2147483647, -2147483647,
                        -2147483647 - 1, 123456789, -987654321};
constexpr char CHARS[] = {0, 1, 'A', 127, -1, -128};
constexpr float FLOATS[] = {0.0f, -0.0f, 0.5f, -0.5f, 1.0f, -1.5f, 2.5f, 7.75f, 0x1p-149f,
                            0x1p-126f, 3e-38f, 2147483520.0f, 0x1p31f, -0x1p31f, 0x1p125f,
                            0x1p126f, -0x1p126f, 0x1.fffffep125f, 3.4028235e38f,
                            __builtin_inff(), -__builtin_inff(), __builtin_nanf(""),
                            __builtin_nansf("0x5"), 1e10f};
constexpr double DOUBLES[] = {0.0, -0.0, 0.5, -0.5, 1.0, -1.0, 1.5, -2.5, 1.0 / 3, 1e-300,
                              0x1p-1074, 0x1p-1022, 0x1p-126, 2147483646.5, 2147483647.0,
                              -2147483647.5, 0x1p31, 1e10, 0x1p125, 0x1p126, -0x1p126,
                              3.4028234663852886e38, 1e300, 0x1p1021, 0x1.fffffffffffffp1021,
                              0x1p1022, -0x1p1022, 1.7976931348623157e308, __builtin_inf(),
                              -__builtin_inf(), __builtin_nan(""), -__builtin_nan(""),
                              __builtin_nans("0x5")};

#endif  // SAFENUM_TESTS_WINDOWS_OPERANDS_H
