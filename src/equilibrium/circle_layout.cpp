#include "equilibrium/circle_layout.h"

#include <cstdint>
#include <string_view>

#include "mathfn/program_math.h"
#include "textio/free_format_input.h"
#include "textio/item.h"
#include "textio/units.h"

namespace tembrix {

namespace {

std::string_view name_of(const NameField& field) { return {field.data(), field.size()}; }

// Phase offsets of the built-in pattern: all 0.0 when iphase = 1, otherwise
// even circles sit half an angular step ahead of their odd neighbours.
void set_phase_pattern(RunState& state) {
  CircleTables& c = state.circles;
  const RunParameters& p = state.params;
  for (int k = 1; k <= p.ncirc; ++k) {
    const bool shifted = p.iphase != 1 && k % 2 == 0;
    c.phi(k, 1) = shifted ? state.scales.dphi * 0.5 : 0.0;
  }
}

// Replaces every offset by the real of record k of the phase input file; the
// integer of each record is read and discarded, whatever number it holds.
void read_phase_file(RunState& state) {
  open_unit(unit_phase_in, name_of(state.fphin), OpenMode::create_or_open);
  std::int32_t ignored = 0;
  for (int k = 1; k <= state.params.ncirc; ++k) {
    read_values(unit_phase_in, {&ignored, &state.circles.phi(k, 1)});
  }
  close_unit(unit_phase_in);
}

// Writes one record (k, offset) per circle to the phase output file.
void write_phase_file(RunState& state) {
  open_unit(unit_phase_out, name_of(state.fphout), OpenMode::create_or_open);
  for (int k = 1; k <= state.params.ncirc; ++k) {
    write_record(unit_phase_out, {int_item(k), real_item(state.circles.phi(k, 1))});
  }
  close_unit(unit_phase_out);
}

// Reads rad(k) from record k of the radii file, discarding each record's integer.
void read_radii_file(RunState& state) {
  open_unit(unit_radii, name_of(state.params.fradii), OpenMode::create_or_open);
  std::int32_t ignored = 0;
  for (int k = 1; k <= state.params.ncirc; ++k) {
    read_values(unit_radii, {&ignored, &state.circles.rad[static_cast<std::size_t>(k)]});
  }
  close_unit(unit_radii);
}

// Radius at which a body of circle 1 balances, rotating at omega, the pull of
// the central body and of all circle bodies counted on circle 1. The cube root
// is the general power with exponent third, as every cube root of the system.
double first_radius(const RunState& state) {
  const ReferenceScales& s = state.scales;
  double p = state.circles.cmass[1] * s.sring;
  p = p + state.m0;
  p = p * s.grav;
  p = p / s.omega2;
  return pmath::pow(p, s.third);
}

// Records 1 to 3 of the set-up report: the mass split, the heading, and the
// first radius behind a fixed label (its 1 is text, not an integer item).
void write_report_head(const RunState& state) {
  write_record(unit_report, {char_item("Initial masses of the central and the body of the"),
                             char_item(" 1-st circle "), real_item(state.m0),
                             real_item(state.circles.cmass[1])});
  write_record(unit_report, {char_item("Radii of the circles")});
  write_record(unit_report, {char_item("           1   "), real_item(state.circles.rad[1])});
}

void write_radius_record(const RunState& state, int k) {
  write_record(unit_report, {int_item(k), real_item(state.circles.rad[static_cast<std::size_t>(k)])});
}

}  // namespace

// Sets the phase offsets (reading or writing the phase file), splits the total
// mass, reads or computes the radii and writes the set-up report.
void lay_out_circles(RunState& state) {
  const RunParameters& p = state.params;
  CircleTables& c = state.circles;

  set_phase_pattern(state);
  if (p.iphf == 1) {
    read_phase_file(state);
  } else {
    write_phase_file(state);
  }

  state.m0 = p.fcen * p.omtot;
  state.mring = p.omtot - state.m0;
  c.cmass[1] = state.mring / static_cast<double>(p.nbc);  // first estimate, overwritten later

  if (p.iradf == 1) {
    read_radii_file(state);
    open_unit(unit_report, name_of(state.frep), OpenMode::create_or_open);
    write_report_head(state);
    for (int k = 2; k <= p.ncirc; ++k) write_radius_record(state, k);
    close_unit(unit_report);
    return;
  }

  c.rad[1] = first_radius(state);
  open_unit(unit_report, name_of(state.frep), OpenMode::create_or_open);
  write_report_head(state);
  for (int k = 2; k <= p.ncirc; ++k) {
    // k times rad(1) first, then drad: rad(1) itself never meets drad.
    c.rad[static_cast<std::size_t>(k)] = (c.rad[1] * static_cast<double>(k)) * p.drad;
    write_radius_record(state, k);
  }
  close_unit(unit_report);
}

}  // namespace tembrix
