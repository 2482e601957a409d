// An independent, deliberately plain model of a whole run, written straight
// from the rules of each phase: from the files of the working directory before
// the run to every file after it, the console and the exit status. One thread,
// whole files held as strings, every sum one term at a time in its order.
//
// Shared with the program: only the text of a real (its straightforward
// exact conversion, see plain_records.h) and the name of a numbered
// history file. Everything else (reading the parameter, radii and phase
// files, laying out records, the files themselves, the arithmetic) is written
// here again.
//
// Arithmetic faults are found as the program finds them: by the sticky IEEE
// flags of the calling thread, checked before a file is opened or a record is
// written and at the end of each phase, so the files hold exactly what was
// written before the first fault.
#pragma once

#include <array>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "initstate/initial_state_model.h"
#include "plain_free_format.h"
#include "plain_parameters.h"
#include "plain_records.h"
#include "textio/numbered_name.h"
#include "mathfn/program_math.h"

namespace tembrix::test {

// File name -> bytes: the working directory of a run.
using ModelFiles = std::map<std::string, std::string>;

struct ModelRun {
  ModelFiles files;           // the working directory after the run
  std::string console;        // standard output
  int status = 0;             // exit status
  bool arithmetic_fault = false;
  // The run would need a file name from the command line or the console.
  bool needs_name = false;
};

class PipelineModel {
 public:
  explicit PipelineModel(ModelFiles files) : fs_(std::move(files)) {}

  ModelRun run() {
    std::feclearexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
    try {
      whole_run();
    } catch (const End&) {
    }
    out_.files = fs_;
    return out_;
  }

 private:
  using Vec = std::vector<double>;
  struct End {};  // the run has ended; out_ says how

  [[noreturn]] void end(int status) {
    out_.status = status;
    throw End{};
  }

  // An arithmetic fault ends the run before any later effect.
  void check() {
    if (std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW)) {
      out_.arithmetic_fault = true;
      end(1);
    }
  }

  // A 12-character name field as a file name: up to its first code 0, blanks trimmed.
  std::string file_name(std::string field) {
    const std::size_t nul = field.find('\0');
    if (nul != std::string::npos) field.resize(nul);
    const std::size_t first = field.find_first_not_of(' ');
    if (first == std::string::npos) {
      out_.needs_name = true;
      end(1);
    }
    return field.substr(first, field.find_last_not_of(' ') - first + 1);
  }

  // Opening creates a missing file; the first record after it replaces the contents.
  void open(const std::string& name) {
    check();
    fs_.try_emplace(name);
    replace_[name] = true;
  }

  void write(const std::string& name, const std::vector<PlainItem>& items) {
    check();
    if (replace_[name]) fs_[name].clear();
    replace_[name] = false;
    fs_[name] += plain_record(items);
  }

  void whole_run() {
    if (!fs_.count("Tembrix2.dat")) end(1);
    if (!plain_read_parameters(fs_["Tembrix2.dat"], p_)) {
      // The read error: no initial state was made, which a batch script must see.
      const std::vector<PlainItem> items = {
          plain_text("*01Qx Error reading file Tembrix2.dat *** "),
          plain_int(p_.ncirc), plain_int(p_.nbc), plain_real(p_.drad), plain_int(p_.iradf),
          plain_text(p_.fradii), plain_real(p_.omtot), plain_real(p_.fcen), plain_int(p_.iphase),
          plain_int(p_.iphf), plain_real(p_.period), plain_real(p_.eps), plain_int(p_.maxit),
          plain_real(p_.tilt), plain_real(p_.dens), plain_real(p_.hval), plain_text(p_.fstate),
          plain_int(p_.itag)};
      out_.console = plain_console_message(items);
      open("ErTembri.dat");
      write("ErTembri.dat", items);
      end(1);
    }
    // The tables hold 1..1000 circles of 1..1000 bodies; other counts are refused.
    if (p_.ncirc < 1 || p_.ncirc > 1000 || p_.nbc < 1 || p_.nbc > 1000) end(1);
    constants();
    check();
    layout();
    check();
    scales();
    check();
    matrix();
    check();
    refine();
    check();
    ring_table();
    check();
    bodies();
    check();
    state_file();
  }

  void constants() {
    pi_ = 3.141592653589793;
    twopi_ = pi_ * 2.0;
    third_ = 1.0 / 3.0;
    dphi_ = twopi_ / p_.nbc;
    tper_ = (86400.0 * p_.period) * 365.25636042;
    omega_ = twopi_ / tper_;
    omega2_ = omega_ * omega_;
    sring_ = 0.0;
    for (int j = 2; j <= p_.nbc; ++j) sring_ = 0.25 / tembrix::pmath::sin(((j - 1) * pi_) / p_.nbc) + sring_;
  }

  void layout() {
    const int n = p_.ncirc;
    phi_.assign(static_cast<std::size_t>(n + 1), Vec(static_cast<std::size_t>(p_.nbc + 1), 0.0));
    for (int k = 1; k <= n; ++k) phi_[k][1] = (p_.iphase == 1 || k % 2 == 1) ? 0.0 : dphi_ * 0.5;
    std::int32_t ignored = 0;
    if (p_.iphf == 1) {
      open("QxStrfi0.dat");
      PlainFreeFormat in(fs_["QxStrfi0.dat"]);
      for (int k = 1; k <= n; ++k)
        if (!in.read(ignored, phi_[k][1])) end(1);
    } else {
      open("QxStrfi1.dat");
      for (int k = 1; k <= n; ++k) write("QxStrfi1.dat", {plain_int(k), plain_real(phi_[k][1])});
    }
    m0_ = p_.fcen * p_.omtot;
    const double mring = p_.omtot - m0_;
    cmass1_ = mring / p_.nbc;
    rad_.assign(static_cast<std::size_t>(n + 1), 0.0);
    if (p_.iradf == 1) {
      const std::string name = file_name(p_.fradii);
      open(name);
      PlainFreeFormat in(fs_[name]);
      for (int k = 1; k <= n; ++k)
        if (!in.read(ignored, rad_[k])) end(1);
      report_head();
      for (int k = 2; k <= n; ++k) write("ErTembri.dat", {plain_int(k), plain_real(rad_[k])});
      return;
    }
    double p = cmass1_ * sring_;
    p = p + m0_;
    p = p * 6.67259e-11;
    p = p / omega2_;
    rad_[1] = tembrix::pmath::pow(p, third_);
    report_head();
    for (int k = 2; k <= n; ++k) {
      rad_[k] = (rad_[1] * k) * p_.drad;
      write("ErTembri.dat", {plain_int(k), plain_real(rad_[k])});
    }
  }

  void report_head() {
    open("ErTembri.dat");
    write("ErTembri.dat", {plain_text("Initial masses of the central and the body of the"),
                           plain_text(" 1-st circle "), plain_real(m0_), plain_real(cmass1_)});
    write("ErTembri.dat", {plain_text("Radii of the circles")});
    write("ErTembri.dat", {plain_text("           1   "), plain_real(rad_[1])});
  }

  void scales() {
    tunit_ = 1.0 / (tper_ * 100.0);
    omegau_ = omega_ / tunit_;
    const double runit = rad_[1];
    rrel_.assign(rad_.size(), 0.0);
    for (int k = 1; k <= p_.ncirc; ++k) rrel_[k] = rad_[k] / runit;
    gfac_ = (((runit * runit) * omega2_) * runit) / (6.67259e-11 * p_.omtot);
  }

  void matrix() {
    const int n = p_.ncirc;
    for (int k = 1; k <= n; ++k)
      for (int j = 2; j <= p_.nbc; ++j) phi_[k][j] = phi_[k][j - 1] + dphi_;
    b_.assign(static_cast<std::size_t>(n + 1), Vec(static_cast<std::size_t>(n + 2), 0.0));
    for (int i = 1; i <= n; ++i) {
      for (int k = 1; k <= n; ++k) {
        double s = 0.0;
        const double rho = rad_[k] / rad_[i];
        for (int j = 1; j <= p_.nbc; ++j) {
          if (j == 1 && k == i) continue;
          const double c = tembrix::pmath::cos(phi_[k][j] - phi_[i][1]) * rho;
          const double base = ((rho * rho) + 1.0) - (c * 2.0);
          s = (1.0 - c) / tembrix::pmath::pow(base, 1.5) + s;
        }
        b_[i][k] = s;
      }
      const double q = rrel_[i] * rrel_[i];
      b_[i][n + 1] = ((rrel_[i] * gfac_) * q) - p_.fcen;
    }
  }

  // Gaussian elimination with partial pivoting, row by row, as plainly as
  // possible; a zero pivot stops it with x untouched.
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
    open(name);
    for (int m = 1; m <= count; ++m) write(name, {plain_int((ifile_ - 1) * 3000 + m), plain_real(hist_[m])});
  }

  void refine() {
    const int n = p_.ncirc;
    xm_.assign(static_cast<std::size_t>(n + 1), 0.0);
    dxm_.assign(static_cast<std::size_t>(n + 1), 0.0);
    hist_.assign(3001, 0.0);
    solve(n, b_, xm_);
    double resmean = 0.0;
    for (int it = 1; it <= p_.maxit; ++it) {
      std::vector<Vec> a = b_;
      for (int i = 1; i <= n; ++i) {
        double s = 0.0;
        for (int k = 1; k <= n; ++k) s = (b_[i][k] * xm_[k]) + s;
        a[i][n + 1] = b_[i][n + 1] - s;
        resmean = std::fabs(a[i][n + 1]) + resmean;
      }
      resmean = resmean / n;
      if (resmean < p_.eps) return flush(ihist_);
      solve(n, a, dxm_);
      double dsum = 0.0;
      for (int k = 1; k <= n; ++k) dsum = std::fabs(dxm_[k] / xm_[k]) + dsum;
      hist_[ihist_] = dsum / n;
      if (hist_[ihist_] < p_.eps) return flush(ihist_);
      for (int k = 1; k <= n; ++k) xm_[k] = (dxm_[k] * 0.1) + xm_[k];
      ++ihist_;
      if (it == p_.maxit || ihist_ > 3000) {
        flush(ihist_ - 1);
        ++ifile_;
        ihist_ = 1;
      }
    }
  }

  void ring_table() {
    mtot_ = m0_;
    cmass_.assign(xm_.size(), 0.0);
    for (int k = 1; k <= p_.ncirc; ++k) {
      cmass_[k] = xm_[k] * p_.omtot;
      mtot_ = (cmass_[k] * p_.nbc) + mtot_;
    }
    open("QxNcRMEr.dat");
    for (int k = 1; k <= p_.ncirc; ++k)
      write("QxNcRMEr.dat", {plain_int(k), plain_real(rad_[k]), plain_real(cmass_[k]), plain_real(dxm_[k])});
  }

  // Code units, placement, tilt, barycentre and radii; a negative mass ends the run.
  void bodies() {
    InitialStateInput in;
    in.ncirc = p_.ncirc;
    in.nbc = p_.nbc;
    in.tilt = p_.tilt;
    in.dens = p_.dens;
    in.m0 = m0_;
    in.mtot = mtot_;
    in.tunit = tunit_;
    in.omegau = omegau_;
    in.cmass = cmass_;
    in.rrel = rrel_;
    in.runit = rad_[1];
    in.phi = phi_;
    b_ = {};
    m_ = model_initial_state(in);
    if (const int b = m_.negative_body) {
      const std::vector<PlainItem> items = {
          plain_text("*05Qx Computing Error of Programm  Tembrix2 *** "),
          plain_text(" after terminal step the mass of body k = "), plain_int(b),
          plain_text(" omo(k) = "), plain_real(m_.omo[b]), plain_text(" is negative.")};
      open("ErTembri.dat");
      write("ErTembri.dat", items);
      out_.console = plain_console_message(items);
      end(1);
    }
  }

  void state_file() {
    const double x = tembrix::pmath::pow(static_cast<double>(m_.nbtot + 1), third_);
    const int ncube = static_cast<int>(x + 0.5);
    const std::string name = file_name(p_.fstate);
    const PlainItem z = plain_real(0.0);
    open(name);
    write(name, {z, plain_real(m_.omax), z, z, plain_real(m_.pmom[1]), plain_real(m_.pmom[2]),
                 plain_real(m_.pmom[3]), plain_real(m_.angm[1]), plain_real(m_.angm[2]), plain_real(m_.angm[3]),
                 z, z, z, z, z, z, plain_real(p_.hval), plain_int(1), plain_int(1), plain_int(m_.nbtot),
                 plain_real(1.0), plain_real(0.5), plain_real(0.25), plain_int(ncube)});
    for (int b = 1; b <= m_.nbtot; ++b) {
      write(name, {plain_real(m_.omo[b]), plain_real(m_.pos[b][1]), plain_real(m_.pos[b][2]),
                   plain_real(m_.pos[b][3]), plain_real(m_.vel[b][1]), plain_real(m_.vel[b][2]),
                   plain_real(m_.vel[b][3]), plain_real(m_.zv1[b][1]), plain_real(m_.zv1[b][2]),
                   plain_real(m_.zv1[b][3]), plain_real(m_.zv2[b][1]), plain_real(m_.zv2[b][2]),
                   plain_real(m_.zv2[b][3]), plain_real(m_.radb[b]), plain_real(m_.zs[b])});
    }
    const PlainItem i0 = plain_int(0);
    write(name, {plain_int(p_.itag), plain_int(m_.nbtot), plain_real(mtot_), plain_real(m_.lunit),
                 plain_real(m_.vunit), i0, i0, i0, i0, i0, i0, i0, i0, i0, i0});
  }

  ModelFiles fs_;
  std::map<std::string, bool> replace_;  // no record yet since the file's opening
  ModelRun out_;
  PlainParameters p_;
  double pi_ = 0, twopi_ = 0, third_ = 0, dphi_ = 0, tper_ = 0, omega_ = 0, omega2_ = 0, sring_ = 0;
  double m0_ = 0, cmass1_ = 0, tunit_ = 0, omegau_ = 0, gfac_ = 0, mtot_ = 0;
  int ihist_ = 1, ifile_ = 1;
  std::vector<Vec> phi_, b_;
  Vec rad_, rrel_, xm_, dxm_, hist_, cmass_;
  InitialStateModel m_;
};

// The model of one run in a working directory holding `files`.
inline ModelRun model_run(ModelFiles files) { return PipelineModel(std::move(files)).run(); }

}  // namespace tembrix::test
