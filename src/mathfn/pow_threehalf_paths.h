// The code paths behind pow_threehalf, one per instruction set, so that each
// can be checked against the others on a machine that has them all.
#pragma once

namespace tembrix::pmath::threehalf_paths {

// True when the CPU runs the fused multiply-add path, and the four-lane path.
bool fma_available();
bool avx2_available();

// try_pow_threehalf with Dekker's products: any x86-64 (or other) CPU.
bool try_portable(double x, double* out);

// try_pow_threehalf with fused multiply-adds. Only when fma_available().
bool try_fma(double x, double* out);

// Four arguments x[0..3] at once. Stores out[0..3] and returns a mask with bit
// k set when lane k is undecided (try_pow_threehalf would return false): the
// caller must replace out[k] for those lanes. Only when avx2_available().
int try4_avx2(const double* x, double* out);

}  // namespace tembrix::pmath::threehalf_paths
