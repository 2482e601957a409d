// The two builds of the fast sine and cosine, one per instruction set.
#pragma once

namespace tembrix::pmath::detail {

// sin x (cosine false) or cos x (cosine true) for 2^-27 <= |x| < 2^20: stores
// the correctly rounded value in *out and returns true, or returns false when
// the error bound cannot decide the rounding (the caller then computes it
// exactly). Both give the same bits and the same decision; the first needs a
// CPU with fused multiply-add instructions.
bool sincos_fast_fma(double x, bool cosine, double* out);
bool sincos_fast_plain(double x, bool cosine, double* out);

}  // namespace tembrix::pmath::detail
