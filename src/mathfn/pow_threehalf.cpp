// x^1.5 = x * sqrt(x), formed as hi + lo and rounded once, with a test that
// hands every argument it cannot settle to the C library's pow.
//
// Why the result equals the C library's pow(x, 1.5), bit for bit
// ---------------------------------------------------------------
// 1. The fast value. s = sqrt(x) is correctly rounded, so |s - sqrt(x)| <= 2^-53 s
//    and the remainder r = x - s*s satisfies |r| <= 2^-52 (1 + 2^-53) s^2. That
//    remainder is exactly a double (the remainder of a correctly rounded square
//    root is representable when nothing underflows), so one fused multiply-add,
//    or Dekker's product, gives it without error. With u = r / s^2:
//        x^1.5 = s^3 (1 + u)^1.5 = x*s + r*s/2 + (3/8) s^3 u^2 + O(s^3 u^3),
//    and x*s = p + e exactly (p = fl(x*s), e its product error). We keep
//        v' = p + (e + fl(r*s)/2)
//    whose error against x^1.5 is at most
//        (3/8) 2^-104      (the dropped u^2 term)       = 0.38 * 2^-103
//      + 2^-53 * 2^-53     (rounding of r*s, |r*s/2| <= 2^-53 s^3)  = 0.50 * 2^-103
//      + 2^-53 * 2^-52     (rounding of e + r*s/2, |.| <= 2^-52 s^3) = 1.00 * 2^-103
//    i.e. below 2^-101.9 relative: far below 2^-100.
// 2. Rounding. y = fl(p + lo) and t = lo - (y - p) is its exact error (p is the
//    larger), so x^1.5 = y + t + d with |d| < 2^-101.9 |y| < 2^-48 ulp(y).
//    We accept y when fl(y + fl(t * 9/8)) == y, i.e. |t| <= (8/9) of the half gap
//    to the neighbour on t's side (up to a relative 2^-52). Then x^1.5 lies
//    inside the rounding interval of y, so y is the correctly rounded x^1.5, and
//    at least (1/9) of a half gap = 1/18 ULP (0.0556, less 2^-48) away from
//    either midpoint, whichever binade that neighbour is in.
// 3. The C library. glibc's pow (2.28 and later) documents a worst-case error
//    of about 0.52 ULP (less for the small |y log x| of this program). A value
//    0.0556 ULP or more from every midpoint has its neighbours of y at more than
//    0.5 + 0.0556 ULP from it, out of reach of a 0.52 ULP error: the library
//    must return y too. The margin is 2.8 times that excess. The verification
//    program in bench/ measures this over 10^9 arguments under both of the
//    library's code paths.
// 4. Range. The fast path takes 2^-600 <= x < 2^600 only: x^1.5 stays within
//    [2^-900, 2^900], so no step overflows or underflows and every product error
//    above is exact. Zero, subnormals, negative, infinite and NaN arguments and
//    the rest go to the C library, which raises the flags it raises.
// 5. Flags. Inside the range the library's pow raises inexact always (even for
//    exact powers such as 4^1.5 = 8; only 1^1.5 is exact for it) and nothing
//    else. The fast path raises inexact exactly when x^1.5 is not a double; the
//    exact powers (r == 0 and e == 0) therefore go to the library as well, so
//    the flags agree too, inexact included. No step raises underflow, overflow,
//    invalid or division by zero: the range test works on the bits.
#include "mathfn/pow_threehalf.h"

#include <bit>
#include <cmath>
#include <cstdint>

#include "mathfn/double_double.h"
#include "mathfn/pow_threehalf_paths.h"

#if defined(__x86_64__)
#include <immintrin.h>
#define TEMBRIX_POW_X86 1
#else
#define TEMBRIX_POW_X86 0
#endif

namespace tembrix::pmath {

namespace {

// Bit patterns of 2^-600 and 2^600: the fast path takes low <= bits(x) < high.
// Doubles that are positive and finite order like their bits; everything
// negative, infinite or NaN falls outside.
constexpr std::uint64_t range_low = static_cast<std::uint64_t>(1023 - 600) << 52;
constexpr std::uint64_t range_high = static_cast<std::uint64_t>(1023 + 600) << 52;

// t * 9/8 must not move y: |t| below 8/9 of a half gap (see above).
constexpr double margin_factor = 1.125;
// Without a library to agree with, the margin covers the fast value's own error
// only: |t| * (1 + 2^-40) within the half gap h leaves |t| <= h (1 - 2^-41), and
// the error d of step 1 is below 2^-101.9 |y| <= 2^-47.9 h (a gap is at least
// 2^-53 |y|), so y + t + d stays strictly inside y's rounding interval: y is the
// correctly rounded x^1.5. Undecided are only values within 2^-41 of a half gap
// of a midpoint, and the exact midpoints themselves.
constexpr double tight_margin_factor = 1.0 + 0x1p-40;

bool in_fast_range(double x) {
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
  return bits - range_low < range_high - range_low;
}

// The rounding step shared by both products: given x, s = sqrt(x), the exact
// remainder r = x - s*s and x*s = p + e exactly, stores the rounded x^1.5 and
// returns true when it is decided (and not exact).
inline bool round_threehalf(double s, double r, double p, double e, double margin, double* out) {
  if (r == 0.0 && e == 0.0) return false;  // an exact power: inexact must come from the library
  const double lo = e + ((r * s) * 0.5);
  const double y = p + lo;
  const double t = lo - (y - p);
  if (y + (t * margin) != y) return false;
  *out = y;
  return true;
}

// Dekker's split and exact product: the portable way to the product errors.
// 2^27 + 1 splits a double into two halves of at most 26 bits.
inline dd::Pair dekker_prod(double a, double b) {
  constexpr double split = 134217729.0;
  const double ta = split * a;
  const double ah = ta - (ta - a);
  const double al = a - ah;
  const double tb = split * b;
  const double bh = tb - (tb - b);
  const double bl = b - bh;
  const double p = a * b;
  const double e = (((ah * bh) - p) + (ah * bl) + (al * bh)) + (al * bl);
  return {p, e};
}

}  // namespace

namespace threehalf_paths {

bool try_portable_with(double x, double* out, double margin) {
  if (!in_fast_range(x)) return false;
  const double s = std::sqrt(x);
  const dd::Pair ss = dekker_prod(s, s);
  const double r = (x - ss.hi) - ss.lo;  // x - ss.hi is exact (Sterbenz), and so is r
  const dd::Pair xs = dekker_prod(x, s);
  return round_threehalf(s, r, xs.hi, xs.lo, margin, out);
}

#if TEMBRIX_POW_X86
__attribute__((target("fma"))) bool try_fma_with(double x, double* out, double margin) {
  if (!in_fast_range(x)) return false;
  const double s = std::sqrt(x);
  const double r = std::fma(-s, s, x);
  const dd::Pair xs = dd::two_prod(x, s);
  return round_threehalf(s, r, xs.hi, xs.lo, margin, out);
}

// Lanes outside the range compute on 1.0: every step is exact, so they raise
// no flag.
__attribute__((target("avx2,fma"))) int try4_avx2(const double* x, double* out) {
  const __m256d v = _mm256_loadu_pd(x);
  const __m256i bits = _mm256_castpd_si256(v);
  const __m256i low = _mm256_set1_epi64x(static_cast<long long>(range_low) - 1);
  const __m256i high = _mm256_set1_epi64x(static_cast<long long>(range_high));
  // Signed compares: a negative double has a negative pattern, below low.
  const __m256i in = _mm256_and_si256(_mm256_cmpgt_epi64(bits, low), _mm256_cmpgt_epi64(high, bits));
  const __m256d one = _mm256_set1_pd(1.0);
  const __m256d xv = _mm256_blendv_pd(one, v, _mm256_castsi256_pd(in));
  const __m256d s = _mm256_sqrt_pd(xv);
  const __m256d r = _mm256_fnmadd_pd(s, s, xv);
  const __m256d p = _mm256_mul_pd(xv, s);
  const __m256d e = _mm256_fmsub_pd(xv, s, p);
  const __m256d lo = _mm256_add_pd(e, _mm256_mul_pd(_mm256_mul_pd(r, s), _mm256_set1_pd(0.5)));
  const __m256d y = _mm256_add_pd(p, lo);
  const __m256d t = _mm256_sub_pd(lo, _mm256_sub_pd(y, p));
  const __m256d z = _mm256_add_pd(y, _mm256_mul_pd(t, _mm256_set1_pd(margin_factor)));
  const __m256d zero = _mm256_setzero_pd();
  const __m256d exact = _mm256_and_pd(_mm256_cmp_pd(r, zero, _CMP_EQ_OQ), _mm256_cmp_pd(e, zero, _CMP_EQ_OQ));
  const __m256d ok = _mm256_andnot_pd(exact, _mm256_and_pd(_mm256_cmp_pd(z, y, _CMP_EQ_OQ), _mm256_castsi256_pd(in)));
  _mm256_storeu_pd(out, y);
  return ~_mm256_movemask_pd(ok) & 0xf;
}

#else
bool try_fma_with(double x, double* out, double margin) { return try_portable_with(x, out, margin); }
int try4_avx2(const double*, double*) { return 0xf; }
#endif

bool try_portable(double x, double* out) { return try_portable_with(x, out, margin_factor); }
bool try_fma(double x, double* out) { return try_fma_with(x, out, margin_factor); }

}  // namespace threehalf_paths

namespace {

struct Cpu {
  bool fma = false;
  bool avx2 = false;
};

Cpu detect_cpu() {
  Cpu c;
#if TEMBRIX_POW_X86
  __builtin_cpu_init();
  c.fma = __builtin_cpu_supports("fma");
  c.avx2 = c.fma && __builtin_cpu_supports("avx2");
#endif
  return c;
}

// Zero-initialised before the detection runs: the portable path, still correct.
const Cpu cpu = detect_cpu();

}  // namespace

namespace threehalf_paths {
bool fma_available() { return cpu.fma; }
bool avx2_available() { return cpu.avx2; }
}  // namespace threehalf_paths

bool try_pow_threehalf(double x, double* out) {
  return cpu.fma ? threehalf_paths::try_fma(x, out) : threehalf_paths::try_portable(x, out);
}

bool try_pow_threehalf_tight(double x, double* out) {
  return cpu.fma ? threehalf_paths::try_fma_with(x, out, tight_margin_factor)
                 : threehalf_paths::try_portable_with(x, out, tight_margin_factor);
}

double pow_threehalf(double x) {
  double y;
  if (try_pow_threehalf(x, &y)) return y;
  return std::pow(x, 1.5);
}

void pow_threehalf_n(const double* x, double* out, int n) {
  int k = 0;
#if TEMBRIX_POW_X86
  if (cpu.avx2) {
    for (; k + 4 <= n; k += 4) {
      const int undecided = threehalf_paths::try4_avx2(x + k, out + k);
      if (undecided == 0) continue;
      for (int lane = 0; lane < 4; ++lane) {
        if (undecided & (1 << lane)) out[k + lane] = std::pow(x[k + lane], 1.5);
      }
    }
  }
#endif
  for (; k < n; ++k) out[k] = pow_threehalf(x[k]);
}

}  // namespace tembrix::pmath
