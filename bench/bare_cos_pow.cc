// The bare term loop of the interaction matrix on one core: the same std::cos
// and std::pow calls, operand order and summation, with none of the table
// work around them. Prints seconds per term for the given number of terms.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  const long terms = argc > 1 ? std::atol(argv[1]) : 100000000L;
  const double dphi = 6.283185307179586 / 1000.0;
  double sum = 0.0;
  const auto start = std::chrono::steady_clock::now();
  double angle = 0.0;
  for (long n = 0; n < terms; ++n) {
    // The arguments of one matrix row: angles round a circle of 1000 bodies,
    // radius ratios near 1 but never the zero distance of a body to itself.
    const double rho = 1.0005 + static_cast<double>(n % 997) * 0.001;
    angle = n % 1000 == 0 ? 0.0 : angle + dphi;
    const double c = std::cos(angle) * rho;
    const double b = ((rho * rho) + 1.0) - (c * 2.0);
    sum = (1.0 - c) / std::pow(b, 1.5) + sum;
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%.6e %.17g\n", seconds / static_cast<double>(terms), sum);
  return 0;
}
