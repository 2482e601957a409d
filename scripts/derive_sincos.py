#!/usr/bin/python3
"""Writes src/mathfn/cr_sincos_constants.h, the constants of the fast sine and cosine.

Everything is derived here with exact rational arithmetic (Python integers and
fractions): pi from Machin's formula, pi/2 split into three doubles, 2/pi, the
Taylor coefficients of sin and cos as doubles or double-double pairs, and the
figures of the error bound the rounding test rests on. Regenerate and check:

    /usr/bin/python3 scripts/derive_sincos.py > src/mathfn/cr_sincos_constants.h
    /usr/bin/python3 scripts/derive_sincos.py --check   # exit 1 if the file differs
"""

import math
import pathlib
import sys
from fractions import Fraction

PI_BITS = 400  # pi to 2^-400: far below every figure below (the smallest is ~2^-160)
FAST_MAX = 2 ** 20  # |x| below this takes the fast path
U = Fraction(1, 2 ** 53)  # unit roundoff of a double


def arctan_inv(n, scale):
    """floor-ish of scale * arctan(1/n) by the alternating series with integers."""
    total, term, k, sign = 0, scale // n, 1, 1
    while term:
        total += sign * (term // k)
        term //= n * n
        k += 2
        sign = -sign
    return total


def pi_fraction():
    """pi to within 2^-(PI_BITS - 8), Machin: pi = 16 atan(1/5) - 4 atan(1/239)."""
    guard = 32
    scale = 1 << (PI_BITS + guard)
    p = 16 * arctan_inv(5, scale) - 4 * arctan_inv(239, scale)
    # Each truncated term is off by less than 1 unit of scale; a few hundred
    # terms cost far less than the 32 guard bits.
    return Fraction(p >> guard, 1 << PI_BITS)


def rn(q):
    """q rounded to the nearest double (Python's int/int division rounds correctly)."""
    return float(Fraction(q))


def dd(q):
    hi = rn(q)
    lo = rn(Fraction(q) - Fraction(hi))
    return hi, lo


def ulp(x):
    return Fraction(math.ulp(x))


def hexd(x):
    return float(x).hex()


def main():
    pi = pi_fraction()
    pi_err = Fraction(1, 2 ** (PI_BITS - 8))
    half_pi = pi / 2

    c1 = rn(half_pi)
    c2 = rn(half_pi - Fraction(c1))
    c3 = rn(half_pi - Fraction(c1) - Fraction(c2))
    delta = abs(half_pi - Fraction(c1) - Fraction(c2) - Fraction(c3)) + pi_err
    inv = rn(2 / pi)
    assert 1 <= c1 < 2 and ulp(c1) == Fraction(1, 2 ** 52)

    # The largest quadrant number of the fast path, and the reduced argument's
    # bound: x * inv is off from x * 2/pi by at most 2^-32 quadrants below
    # FAST_MAX, so |r| <= pi/4 + 2^-32 * pi/2 < R_MAX.
    kmax = math.floor(FAST_MAX * Fraction(inv)) + 1
    r_max = Fraction(7854, 10000)
    assert pi / 4 + Fraction(1, 2 ** 32) * half_pi < r_max
    # w = x - k*c1 is a multiple of 2^-53 below 1 in size, hence a double and the
    # fused multiply-add computes it exactly.
    assert r_max + kmax * abs(half_pi - Fraction(c1)) < 1

    # Absolute error of the reduced argument (rh + rl against x - k*pi/2), from
    # the representation of pi/2 and the three rounded steps of its low part.
    k_c2 = kmax * Fraction(c2) * (1 + U)
    k_c3 = kmax * Fraction(c3) * (1 + U)
    reduce_abs = (kmax * delta + U * k_c3 + U * (U * k_c2) + U * (U * k_c2 + k_c3)) * (1 + U)
    reduce_rel = 4 * U * U  # the two roundings of the low part, relative to |r|

    # Taylor series: sin r = r * (1 + sum a_n z^n), cos r = 1 + sum b_n z^n, z = r^2.
    z_max = r_max * r_max
    sin_terms, cos_terms = 10, 11  # last kept powers of z
    a = [Fraction((-1) ** n, math.factorial(2 * n + 1)) for n in range(sin_terms + 2)]
    b = [Fraction((-1) ** n, math.factorial(2 * n)) for n in range(cos_terms + 2)]
    sin_dd_upto, cos_dd_upto = 4, 5  # coefficients up to these powers as pairs; the rest in double
    # Smallest values of the series on |r| <= r_max: sin(r)/r and cos(r).
    sin_ratio_min = Fraction(9, 10)
    cos_min = Fraction(7, 10)
    assert math.sin(float(r_max)) / float(r_max) > sin_ratio_min and math.cos(float(r_max)) > cos_min
    # Alternating series with decreasing terms: the first dropped term bounds the rest.
    trunc_sin = abs(a[sin_terms + 1]) * z_max ** (sin_terms + 1) / sin_ratio_min
    trunc_cos = abs(b[cos_terms + 1]) * z_max ** (cos_terms + 1) / cos_min
    # The tail (Horner in double, on the high part of z): each of its m steps
    # rounds twice, and z's high part is off by 2^-52 relative: a relative error
    # of (2m + 2 + m) u on the sum of the terms' sizes.
    def tail_err(coef, first, last, floor):
        size = sum(abs(coef[n]) * z_max ** n for n in range(first, last + 1))
        m = last - first + 1
        return (3 * m + 2) * U * 2 * size / floor
    tail_sin = tail_err(a, sin_dd_upto + 1, sin_terms, sin_ratio_min)
    tail_cos = tail_err(b, cos_dd_upto + 1, cos_terms, cos_min)
    # Rounding of the coefficients' pairs and of the double-double steps: each
    # product or sum of pairs is within 8 u^2 of its value; z, the Horner steps,
    # the final product and sum, and the coefficients make fewer than 32 of
    # them, and no later step amplifies one by more than 2x (the later steps
    # multiply by |z| < 0.62 or add a term of the same sign or a smaller one).
    dd_err = 32 * 2 * 8 * U * U
    reduce_rel_out = reduce_rel * Fraction(112, 100)  # |r| <= 1.12 |sin r|, 1.12 |cos r| here
    total_sin = trunc_sin + tail_sin + dd_err + reduce_rel_out
    total_cos = trunc_cos + tail_cos + dd_err + reduce_rel_out
    total = max(total_sin, total_cos)
    # The test's margin: 4x the sum, rounded up to a power of two (it also
    # covers the rounding of the test's own e = eps * |y| + abs).
    eps_exp = math.ceil(math.log2(4 * total))
    abs_exp = math.ceil(math.log2(4 * reduce_abs))

    def lg(q):
        return f"2^{math.log2(q):.1f}"

    out = []
    w = out.append
    w("// Generated by scripts/derive_sincos.py: do not edit; regenerate with")
    w("//   /usr/bin/python3 scripts/derive_sincos.py > src/mathfn/cr_sincos_constants.h")
    w("// Constants of the fast sine and cosine, every one derived there exactly.")
    w("#pragma once")
    w("")
    w("namespace tembrix::pmath::sincos_constants {")
    w("")
    w(f"// The fast path takes |x| < {FAST_MAX} (2^20): the quadrant number k stays below {kmax}.")
    w(f"inline constexpr double kFastMax = {hexd(FAST_MAX)};")
    w("// 2/pi rounded to nearest: k = nearest integer to x * kTwoOverPi.")
    w(f"inline constexpr double kTwoOverPi = {hexd(inv)};")
    w(f"// pi/2 = kHalfPi1 + kHalfPi2 + kHalfPi3 within {lg(delta)}; kHalfPi1 has the")
    w("// exponent of 1, so x - k * kHalfPi1 is a multiple of 2^-53 below 1: exact.")
    w(f"inline constexpr double kHalfPi1 = {hexd(c1)};")
    w(f"inline constexpr double kHalfPi2 = {hexd(c2)};")
    w(f"inline constexpr double kHalfPi3 = {hexd(c3)};")
    w("")
    w(f"// sin r = r (1 + a1 z + ... + a{sin_terms} z^{sin_terms}), z = r^2, |r| <= 0.7854; a_n = (-1)^n/(2n+1)!.")
    w(f"// a1..a{sin_dd_upto} as pairs hi + lo, the rest in double.")
    for n in range(1, sin_dd_upto + 1):
        hi, lo = dd(a[n])
        w(f"inline constexpr double kSinA{n}Hi = {hexd(hi)};")
        w(f"inline constexpr double kSinA{n}Lo = {hexd(lo)};")
    for n in range(sin_dd_upto + 1, sin_terms + 1):
        w(f"inline constexpr double kSinA{n} = {hexd(rn(a[n]))};")
    w(f"// cos r = 1 + b1 z + ... + b{cos_terms} z^{cos_terms}; b_n = (-1)^n/(2n)!; b1..b{cos_dd_upto} as pairs.")
    for n in range(1, cos_dd_upto + 1):
        hi, lo = dd(b[n])
        w(f"inline constexpr double kCosB{n}Hi = {hexd(hi)};")
        w(f"inline constexpr double kCosB{n}Lo = {hexd(lo)};")
    for n in range(cos_dd_upto + 1, cos_terms + 1):
        w(f"inline constexpr double kCosB{n} = {hexd(rn(b[n]))};")
    w("")
    w("// Error bound of the fast result hi + lo against the exact sin x or cos x:")
    w(f"//   reduction, absolute: {lg(reduce_abs)} (pi/2's representation {lg(kmax * delta)});")
    w(f"//   reduction, relative to the result: {lg(reduce_rel_out)};")
    w(f"//   series truncation: sin {lg(trunc_sin)}, cos {lg(trunc_cos)};")
    w(f"//   tail in double: sin {lg(tail_sin)}, cos {lg(tail_cos)};")
    w(f"//   double-double rounding: {lg(dd_err)};")
    w(f"//   total relative: sin {lg(total_sin)}, cos {lg(total_cos)}.")
    w("// The rounding test takes 4x these, rounded up to powers of two:")
    w(f"// |error| <= kErrRel * |value| + kErrAbs.")
    w(f"inline constexpr double kErrRel = {hexd(2.0 ** eps_exp)};")
    w(f"inline constexpr double kErrAbs = {hexd(2.0 ** abs_exp)};")
    w("")
    w("}  // namespace tembrix::pmath::sincos_constants")
    return "\n".join(out) + "\n"


if __name__ == "__main__":
    text = main()
    if len(sys.argv) > 1 and sys.argv[1] == "--check":
        target = pathlib.Path(__file__).resolve().parent.parent / "src/mathfn/cr_sincos_constants.h"
        if not target.exists() or target.read_text() != text:
            print(f"{target} differs from what scripts/derive_sincos.py writes", file=sys.stderr)
            sys.exit(1)
    else:
        sys.stdout.write(text)
