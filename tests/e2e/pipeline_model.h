// An independent, deliberately plain model of a whole run, written straight
// from the rules of each phase with no code shared with the program except the
// record layout. End-to-end tests compare every file the binary writes with
// the files this model produces for small cases.
#pragma once

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "textio/record_layout.h"
#include "textio/numbered_name.h"
#include "mathfn/program_math.h"

namespace tembrix::test {

struct ModelInput {
  int ncirc = 2, nbc = 3;
  double drad = 1.0;
  std::vector<double> radii;  // read radii (iradf = 1) when not empty, 1-based order
  double omtot = 2.0e30, fcen = 0.9;
  int iphase = 0;
  double period = 1.0, eps = 1.0e-12;
  int maxit = 10;
  double tilt = 0.0, dens = 1000.0, hval = 0.01;
  int itag = 7;
};

struct ModelRun {
  std::map<std::string, std::string> files;  // name -> bytes
  std::string console;
  int status = 0;
};

class PipelineModel {
 public:
  explicit PipelineModel(const ModelInput& in) : in_(in) {}

  ModelRun run() {
    constants();
    layout();
    scales();
    matrix();
    refine();
    ring_table();
    if (!bodies()) return out_;
    state_file();
    return out_;
  }

 private:
  using Vec = std::vector<double>;

  static void rec(std::string& out, std::initializer_list<Item> items) {
    lay_out_record(std::span<const Item>(items.begin(), items.size()), out);
  }

  void constants() {
    pi_ = 3.141592653589793;
    twopi_ = pi_ * 2.0;
    third_ = 1.0 / 3.0;
    dphi_ = twopi_ / in_.nbc;
    tper_ = (86400.0 * in_.period) * 365.25636042;
    omega_ = twopi_ / tper_;
    omega2_ = omega_ * omega_;
    sring_ = 0.0;
    for (int j = 2; j <= in_.nbc; ++j) sring_ = 0.25 / tembrix::pmath::sin(((j - 1) * pi_) / in_.nbc) + sring_;
    nbtot_ = in_.ncirc * in_.nbc + 1;
  }

  void layout() {
    const int n = in_.ncirc;
    phi_.assign(static_cast<std::size_t>(n + 1), Vec(static_cast<std::size_t>(in_.nbc + 1), 0.0));
    std::string& phases = out_.files["QxStrfi1.dat"];
    for (int k = 1; k <= n; ++k) {
      phi_[k][1] = (in_.iphase == 1 || k % 2 == 1) ? 0.0 : dphi_ * 0.5;
      rec(phases, {int_item(k), real_item(phi_[k][1])});
    }
    m0_ = in_.fcen * in_.omtot;
    const double mring = in_.omtot - m0_;
    const double cmass1 = mring / in_.nbc;
    rad_.assign(static_cast<std::size_t>(n + 1), 0.0);
    if (!in_.radii.empty()) {
      for (int k = 1; k <= n; ++k) rad_[k] = in_.radii[static_cast<std::size_t>(k - 1)];
    } else {
      double p = cmass1 * sring_;
      p = p + m0_;
      p = p * 6.67259e-11;
      p = p / omega2_;
      rad_[1] = tembrix::pmath::pow(p, third_);
      for (int k = 2; k <= n; ++k) rad_[k] = (rad_[1] * k) * in_.drad;
    }
    std::string& report = out_.files["ErTembri.dat"];
    rec(report, {char_item("Initial masses of the central and the body of the"),
                 char_item(" 1-st circle "), real_item(m0_), real_item(cmass1)});
    rec(report, {char_item("Radii of the circles")});
    rec(report, {char_item("           1   "), real_item(rad_[1])});
    for (int k = 2; k <= n; ++k) rec(report, {int_item(k), real_item(rad_[k])});
  }

  void scales() {
    tunit_ = 1.0 / (tper_ * 100.0);
    omegau_ = omega_ / tunit_;
    const double runit = rad_[1];
    rrel_.assign(rad_.size(), 0.0);
    for (int k = 1; k <= in_.ncirc; ++k) rrel_[k] = rad_[k] / runit;
    gfac_ = (((runit * runit) * omega2_) * runit) / (6.67259e-11 * in_.omtot);
  }

  void matrix() {
    const int n = in_.ncirc;
    for (int k = 1; k <= n; ++k)
      for (int j = 2; j <= in_.nbc; ++j) phi_[k][j] = phi_[k][j - 1] + dphi_;
    b_.assign(static_cast<std::size_t>(n + 1), Vec(static_cast<std::size_t>(n + 2), 0.0));
    for (int i = 1; i <= n; ++i) {
      for (int k = 1; k <= n; ++k) {
        double s = 0.0;
        const double rho = rad_[k] / rad_[i];
        for (int j = 1; j <= in_.nbc; ++j) {
          if (j == 1 && k == i) continue;
          const double c = tembrix::pmath::cos(phi_[k][j] - phi_[i][1]) * rho;
          const double base = ((rho * rho) + 1.0) - (c * 2.0);
          s = (1.0 - c) / tembrix::pmath::pow(base, 1.5) + s;
        }
        b_[i][k] = s;
      }
      const double q = rrel_[i] * rrel_[i];
      b_[i][n + 1] = ((rrel_[i] * gfac_) * q) - in_.fcen;
    }
  }

  // Gaussian elimination with partial pivoting, row by row, as plainly as possible.
  static void solve(int n, std::vector<Vec> a, Vec& x) {
    for (int k = 1; k <= n; ++k) {
      double pivot = a[k][k];
      int r = k;
      for (int i = k + 1; i <= n; ++i)
        if (std::fabs(a[i][k]) > std::fabs(pivot)) pivot = a[i][k], r = i;
      if (pivot == 0.0) return;
      for (int j = k; j <= n + 1; ++j) std::swap(a[k][j], a[r][j]);
      for (int j = k + 1; j <= n + 1; ++j) a[k][j] = a[k][j] / pivot;
      for (int i = k + 1; i <= n; ++i) {
        const double m = a[i][k];
        for (int j = k + 1; j <= n + 1; ++j) a[i][j] = a[i][j] - (a[k][j] * m);
      }
    }
    x[n] = a[n][n + 1];
    for (int i = n - 1; i >= 1; --i) {
      double s = a[i][n + 1];
      for (int j = i + 1; j <= n; ++j) s = s - (a[i][j] * x[j]);
      x[i] = s;
    }
  }

  void flush(int count) {
    const auto field = numbered_name(ifile_);
    std::string name(field.begin(), field.end());
    name.erase(0, name.find_first_not_of(' '));
    std::string& file = out_.files[name];
    file.clear();
    for (int m = 1; m <= count; ++m) rec(file, {int_item((ifile_ - 1) * 3000 + m), real_item(hist_[m])});
  }

  void refine() {
    const int n = in_.ncirc;
    xm_.assign(static_cast<std::size_t>(n + 1), 0.0);
    dxm_.assign(static_cast<std::size_t>(n + 1), 0.0);
    hist_.assign(3001, 0.0);
    solve(n, b_, xm_);
    double resmean = 0.0;
    for (int it = 1; it <= in_.maxit; ++it) {
      std::vector<Vec> a = b_;
      for (int i = 1; i <= n; ++i) {
        double s = 0.0;
        for (int k = 1; k <= n; ++k) s = (b_[i][k] * xm_[k]) + s;
        a[i][n + 1] = b_[i][n + 1] - s;
        resmean = std::fabs(a[i][n + 1]) + resmean;
      }
      resmean = resmean / n;
      if (resmean < in_.eps) return flush(ihist_);
      solve(n, a, dxm_);
      double dsum = 0.0;
      for (int k = 1; k <= n; ++k) dsum = std::fabs(dxm_[k] / xm_[k]) + dsum;
      hist_[ihist_] = dsum / n;
      if (hist_[ihist_] < in_.eps) return flush(ihist_);
      for (int k = 1; k <= n; ++k) xm_[k] = (dxm_[k] * 0.1) + xm_[k];
      ++ihist_;
      if (it == in_.maxit || ihist_ > 3000) {
        flush(ihist_ - 1);
        ++ifile_;
        ihist_ = 1;
      }
    }
  }

  void ring_table() {
    mtot_ = m0_;
    cmass_.assign(xm_.size(), 0.0);
    std::string& table = out_.files["QxNcRMEr.dat"];
    for (int k = 1; k <= in_.ncirc; ++k) {
      cmass_[k] = xm_[k] * in_.omtot;
      mtot_ = (cmass_[k] * in_.nbc) + mtot_;
    }
    for (int k = 1; k <= in_.ncirc; ++k)
      rec(table, {int_item(k), real_item(rad_[k]), real_item(cmass_[k]), real_item(dxm_[k])});
  }

  // Placement, tilt, barycentre and radii; false after a negative mass.
  bool bodies() {
    const auto nb = static_cast<std::size_t>(nbtot_ + 1);
    omo_.assign(nb, 0.0);
    radb_.assign(nb, 0.0);
    std::vector<std::array<double, 3>> rt(nb, {0, 0, 0}), vt(nb, {0, 0, 0});
    pos_.assign(nb, {0, 0, 0});
    vel_.assign(nb, {0, 0, 0});
    omo_[1] = m0_ / mtot_;
    lunit_ = tembrix::pmath::pow((mtot_ * 6.67259e-11) / (tunit_ * tunit_), third_);
    vunit_ = 1.0 / (lunit_ * tunit_);
    const double densu = (((in_.dens * lunit_) * lunit_) * lunit_) / mtot_;
    const double ct = tembrix::pmath::cos(in_.tilt), st = tembrix::pmath::sin(in_.tilt);
    int b = 1;
    for (int k = 1; k <= in_.ncirc; ++k) {
      const double rr = (rrel_[k] * rad_[1]) / lunit_;
      for (int j = 1; j <= in_.nbc; ++j) {
        ++b;
        const double a = phi_[k][j];
        omo_[b] = cmass_[k] / mtot_;
        const double x = tembrix::pmath::cos(a) * rr, y = tembrix::pmath::sin(a) * rr, z = 0.0;
        const double vx = -((tembrix::pmath::sin(a) * rr) * omegau_), vy = (tembrix::pmath::cos(a) * rr) * omegau_, vz = 0.0;
        rt[b] = {x, ct * y - st * z, st * y + ct * z};
        vt[b] = {vx, ct * vy - st * vz, st * vy + ct * vz};
      }
    }
    std::array<double, 3> rcm{0, 0, 0};
    for (int i = 1; i <= nbtot_; ++i) {
      if (omo_[i] == 0.0) continue;
      for (int c = 0; c < 3; ++c) {
        rcm[c] = rt[i][c] * omo_[i] + rcm[c];
        pmom_[c] = pmom_[c] + vt[i][c] * omo_[i];
      }
    }
    for (int i = 1; i <= nbtot_; ++i) {
      const double m = omo_[i];
      if (m == 0.0) continue;
      for (int c = 0; c < 3; ++c) {
        pos_[i][c] = rt[i][c] - rcm[c];
        vel_[i][c] = vt[i][c] - pmom_[c];
      }
      const auto [x, y, z] = pos_[i];
      const auto [vx, vy, vz] = vel_[i];
      angm_[0] = (angm_[0] - (vy * z) * m) + (vz * y) * m;
      angm_[1] = ((vx * z) * m + angm_[1]) - (x * vz) * m;
      angm_[2] = ((x * vy) * m + angm_[2]) - (vx * y) * m;
    }
    pmom_ = {0.0, 0.0, 0.0};
    omax_ = 0.0;
    for (int i = 1; i <= nbtot_; ++i) {
      for (int c = 0; c < 3; ++c) pmom_[c] = pmom_[c] + vel_[i][c] * omo_[i];
      const double rad3 = (omo_[i] * 3.0) / ((pi_ * densu) * 4.0);
      if (rad3 < 0.0) {
        std::string report;
        rec(report, {char_item("*05Qx Computing Error of Programm  Tembrix2 *** "),
                     char_item(" after terminal step the mass of body k = "), int_item(i),
                     char_item(" omo(k) = "), real_item(omo_[i]), char_item(" is negative.")});
        out_.files["ErTembri.dat"] = report;
        out_.status = 1;
        for (std::size_t at = 0, n = 0; at < report.size(); ++n) {
          const std::size_t end = report.find("\r\n", at);
          out_.console += (n ? "\r\n" : "") + report.substr(at + 1, end - at - 1);
          at = end + 2;
        }
        out_.console += "\r\n";
        return false;
      }
      radb_[i] = tembrix::pmath::pow(rad3, third_);
      if (omo_[i] >= omax_) omax_ = omo_[i];
    }
    return true;
  }

  void state_file() {
    const double x = tembrix::pmath::pow(static_cast<double>(nbtot_ + 1), third_);
    const int ncube = static_cast<int>(x + 0.5);
    std::string& f = out_.files["state.dat"];
    const Item z = real_item(0.0);
    rec(f, {z, real_item(omax_), z, z, real_item(pmom_[0]), real_item(pmom_[1]), real_item(pmom_[2]),
            real_item(angm_[0]), real_item(angm_[1]), real_item(angm_[2]), z, z, z, z, z, z,
            real_item(in_.hval), int_item(1), int_item(1), int_item(nbtot_), real_item(1.0),
            real_item(0.5), real_item(0.25), int_item(ncube)});
    for (int b = 1; b <= nbtot_; ++b) {
      rec(f, {real_item(omo_[b]), real_item(pos_[b][0]), real_item(pos_[b][1]), real_item(pos_[b][2]),
              real_item(vel_[b][0]), real_item(vel_[b][1]), real_item(vel_[b][2]), z, z, z, z, z, z,
              real_item(radb_[b]), z});
    }
    const Item i0 = int_item(0);
    rec(f, {int_item(in_.itag), int_item(nbtot_), real_item(mtot_), real_item(lunit_), real_item(vunit_),
            i0, i0, i0, i0, i0, i0, i0, i0, i0, i0});
  }

  ModelInput in_;
  ModelRun out_;
  double pi_ = 0, twopi_ = 0, third_ = 0, dphi_ = 0, tper_ = 0, omega_ = 0, omega2_ = 0, sring_ = 0;
  double m0_ = 0, tunit_ = 0, omegau_ = 0, gfac_ = 0, mtot_ = 0, lunit_ = 0, vunit_ = 0, omax_ = 0;
  int nbtot_ = 0, ihist_ = 1, ifile_ = 1;
  std::vector<Vec> phi_, b_;
  Vec rad_, rrel_, xm_, dxm_, hist_, cmass_, omo_, radb_;
  std::vector<std::array<double, 3>> pos_, vel_;
  std::array<double, 3> pmom_{0, 0, 0}, angm_{0, 0, 0};
};

}  // namespace tembrix::test
