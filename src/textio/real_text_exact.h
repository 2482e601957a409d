// The straightforward real text: one correctly rounded conversion to 17
// significant digits, then the half-up rounding to 16 done on the digit string.
// It is the exact path that the fast path of format_real is proven against and
// the path it falls back to near a rounding boundary.
#pragma once

namespace tembrix {

// Writes the real text of v to out exactly as format_real does; returns its length.
int format_real_exact(double v, char* out);

}  // namespace tembrix
