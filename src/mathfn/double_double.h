// Error-free transformations of doubles: a sum or product of two doubles as an
// unevaluated pair hi + lo that equals it exactly. The program compiles without
// contraction, so products take their error term from an explicit fused
// multiply-add, never from a contraction the compiler chose.
#pragma once

#include <cmath>

namespace tembrix::dd {

// hi + lo, where hi = fl(a + b) and lo is its exact rounding error. Any a, b.
struct Pair {
  double hi;
  double lo;
};

// a + b exactly, for any finite a and b (Knuth's two-sum, six operations).
inline Pair two_sum(double a, double b) {
  const double s = a + b;
  const double bb = s - a;
  const double e = (a - (s - bb)) + (b - bb);
  return {s, e};
}

// a + b exactly, when |a| >= |b| or a == 0 (three operations).
inline Pair fast_two_sum(double a, double b) {
  const double s = a + b;
  return {s, b - (s - a)};
}

// a * b exactly, unless the product underflows or overflows.
inline Pair two_prod(double a, double b) {
  const double p = a * b;
  return {p, std::fma(a, b, -p)};
}

}  // namespace tembrix::dd
