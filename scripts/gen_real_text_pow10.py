#!/usr/bin/python3
"""Writes src/textio/real_text_pow10.h, the powers of ten of the fast real-text path.

Every entry is computed with exact rational arithmetic (Python integers and
fractions), so the table can be made again and checked byte for byte:

    /usr/bin/python3 scripts/gen_real_text_pow10.py > src/textio/real_text_pow10.h
    /usr/bin/python3 scripts/gen_real_text_pow10.py --check   # exit 1 if the file differs
"""

import pathlib
import sys
from fractions import Fraction

# 10^k for k = -293 (scales the largest double, 1.8e308, to 16 digits) to 339
# (scales the smallest subnormal, 4.9e-324).
TABLE_MIN, TABLE_MAX = -293, 339
# The doubles nearest to 10^n for the decade of a value: from the smallest
# subnormal's decade to the largest double's.
DOUBLE_MIN, DOUBLE_MAX = -323, 308


def significand(k):
    """10^k as a 128-bit significand c and exponent g: c * 2^g, 2^127 <= c < 2^128."""
    x = Fraction(10) ** k
    # b = floor(log2 x), found exactly from the bit lengths and then corrected.
    b = x.numerator.bit_length() - x.denominator.bit_length()
    while Fraction(2) ** b > x:
        b -= 1
    while Fraction(2) ** (b + 1) <= x:
        b += 1
    g = b - 127
    c = round(x / Fraction(2) ** g)  # nearest; 10^k is never halfway between two integers here
    if not (1 << 127) <= c < (1 << 128):
        raise SystemExit(f"10^{k}: significand out of range")
    return c >> 64, c & ((1 << 64) - 1), g


HEAD = """\
// Powers of ten as 128-bit significands, for the fast path of format_real.
// Written by scripts/gen_real_text_pow10.py; run it again rather than editing.
#pragma once

#include <cstdint>

namespace tembrix {

// 10^k is about hi:lo x 2^g, with 2^127 <= hi:lo < 2^128 rounded to nearest
// (relative error at most 2^-128). The entries were computed with exact
// rational arithmetic:
//   x = Fraction(10)**k; b = floor(log2 x); g = b - 127
//   c = round(x / 2**g); hi, lo = c >> 64, c & (2**64 - 1)
struct Pow10Significand {
  std::uint64_t hi;
  std::uint64_t lo;
  std::int32_t g;
};

// k runs from -293 (scales 1.8e308, the largest double, to 16 digits) to 339
// (scales 4.9e-324, the smallest subnormal).
inline constexpr int pow10_table_min = -293;
inline constexpr int pow10_table_max = 339;

inline constexpr Pow10Significand pow10_table[pow10_table_max - pow10_table_min + 1] = {
"""

MIDDLE = """\
};

// The doubles nearest to 10^n, n = -323..308, for the decade of a value: for
// n outside 0..22 they are rounded, and a value equal to a rounded-down entry
// gets a decade one too high, which the fast path detects and leaves to the
// exact path.
inline constexpr int pow10_double_min = -323;
inline constexpr int pow10_double_max = 308;

inline constexpr double pow10_double[pow10_double_max - pow10_double_min + 1] = {
"""

TAIL = """\
};

}  // namespace tembrix
"""


def text():
    out = [HEAD]
    for k in range(TABLE_MIN, TABLE_MAX + 1):
        hi, lo, g = significand(k)
        out.append(f"    {{0x{hi:016x}u, 0x{lo:016x}u, {g}}},  // 1e{k}\n")
    out.append(MIDDLE)
    # The C++ compiler rounds each literal 1eN to the nearest double itself.
    names = [f"1e{n}" for n in range(DOUBLE_MIN, DOUBLE_MAX + 1)]
    for at in range(0, len(names), 8):
        out.append("    " + ", ".join(names[at:at + 8]) + ",\n")
    out.append(TAIL)
    return "".join(out)


def main():
    made = text()
    if sys.argv[1:] == ["--check"]:
        path = pathlib.Path(__file__).resolve().parent.parent / "src/textio/real_text_pow10.h"
        same = path.read_text() == made
        print(f"{path.name}: {'identical to' if same else 'DIFFERS from'} the generated table")
        return 0 if same else 1
    sys.stdout.write(made)
    return 0


if __name__ == "__main__":
    sys.exit(main())
