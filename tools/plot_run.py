#!/usr/bin/python3
"""Draws one figure of a finished tembrix2 run.

    plot_run.py RUN_DIR [-o FIGURE.png] [--state NAME]

Four panels: the bodies face-on (x-y) and edge-on (x-z), coloured by ring; the
body mass of every ring against its radius, from the ring table; and the
convergence history of the refinement, from the history files 1i, 2i, ...

Exit status: 0 when the figure was written; 1 when it could not be written;
2 on bad input (a missing or malformed run file, a bad command line), with one
message on standard error that names the file and the fault.
"""

import argparse
import array
import os
import re
import sys
import tempfile

import numpy as np
import matplotlib
import matplotlib.ticker

matplotlib.use("Agg")  # headless: the figure only ever goes to a file
from matplotlib.backends.backend_agg import FigureCanvasAgg  # noqa: E402
from matplotlib.figure import Figure  # noqa: E402

PARAMETER_FILE = "Tembrix2.dat"
RING_TABLE = "QxNcRMEr.dat"
STATE_NAME_LINE = 16          # the parameter record that names the initial-state file
STATE_NAME_COLUMNS = (60, 71)  # first and last column of a name field

HEADER_ITEMS = 24
NBTOT_ITEM = 20                # position of the body count in the header, from 1
BODY_ITEMS = 15
TRAILER_ITEMS = 15
LARGEST_MODEL = 1000 * 1000 + 1  # 1000 rings of 1000 bodies and the central body
HISTORY_CHUNK = 3000           # records in every history file but the last
RING_ITEMS = 4                 # circle number, radius, body mass, last correction

INFINITY = float("inf")
AU = 1.495978707e11  # metres in one astronomical unit (IAU 2012, exact)

# 12 x 10 inches at 100 dots per inch: a 1200 x 1000 pixel figure, whatever the run.
FIGURE_INCHES = (12.0, 10.0)
FIGURE_DPI = 100
EDGE_PANEL_MIN = 0.35  # height over width: room for the ticks and title of a flat ring set

# A real as tembrix2 and its input files write it: digits with an optional point
# and an optional exponent that may use the letter D. Nothing else is a number here
# (no nan, no inf, no hexadecimal, no digit separators). Written so that a token
# can match in one way only, which keeps a long bad token cheap to reject.
_NUMBER = r"[+-]?(?:\d+(?:\.\d*)?|\.\d+)(?:[EeDd][+-]?\d+)?"
_NUMBER_TOKEN = re.compile(_NUMBER)
# A whole line of such numbers, separated by blanks or tabs (one match per line is
# much faster than one per number; the line ends are already removed).
_NUMBERS_LINE = re.compile(r"[ \t]*(?:%s(?:[ \t]+%s)*[ \t]*)?" % (_NUMBER, _NUMBER))


class InputError(Exception):
    """A run file that cannot be used; the text names the file and the fault."""


def numbers_of_line(path, number, line):
    """The numbers of one text line, or InputError naming the file, the line and the bad text."""
    if _NUMBERS_LINE.fullmatch(line) is None:
        bad = next((t for t in line.split() if _NUMBER_TOKEN.fullmatch(t) is None), line.strip())
        raise InputError("%s, line %d: expected numbers separated by blanks, found %r"
                         % (path, number, bad[:40]))
    if "D" in line or "d" in line:
        line = line.replace("D", "E").replace("d", "e")
    values = [float(t) for t in line.split()]
    for value in values:
        if value in (INFINITY, -INFINITY):
            raise InputError("%s, line %d: a number out of the range of a double" % (path, number))
    return values


def raw_lines(path):
    """The lines of a file as bytes without their line ends (LF or CR LF), one at a time, so
    that a large file never sits in memory whole."""
    try:
        with open(path, "rb") as f:
            for raw in f:
                yield raw.rstrip(b"\r\n")
    except OSError as e:
        raise InputError("%s: cannot be read (%s)" % (path, e.strerror or e)) from None


def text_lines(path):
    """The lines of a file of numbers as text; any byte outside ASCII is an InputError."""
    for number, raw in enumerate(raw_lines(path), start=1):
        try:
            yield raw.decode("ascii")
        except UnicodeDecodeError:
            raise InputError("%s, line %d: a byte that is not plain text" % (path, number)) from None


def state_file_name(run_dir):
    """The initial-state file name of the run's parameter file (line 16, columns 60-71)."""
    path = os.path.join(run_dir, PARAMETER_FILE)
    lines = list(raw_lines(path))  # bytes: the labels are free text in any encoding
    if len(lines) < STATE_NAME_LINE:
        raise InputError("%s: has %d lines; the initial-state file name is on line %d"
                         % (path, len(lines), STATE_NAME_LINE))
    first, last = STATE_NAME_COLUMNS
    field = lines[STATE_NAME_LINE - 1][first - 1:last]
    name = os.fsdecode(field.split(b"\0", 1)[0].strip(b" "))  # as tembrix2: up to a code 0, trimmed
    if not name:
        raise InputError("%s, line %d: the initial-state file name (columns %d-%d) is blank, so "
                         "tembrix2 took it from its command line or the console; give it with "
                         "--state NAME" % (path, STATE_NAME_LINE, first, last))
    return name


class InitialState:
    """The initial-state file: header, body table (one row of 15 numbers per body) and trailer."""

    def __init__(self, header, bodies, trailer):
        self.header = header
        self.bodies = bodies
        self.trailer = trailer

    @property
    def nbtot(self):
        return self.bodies.shape[0]

    @property
    def mass(self):
        return self.bodies[:, 0]

    @property
    def position(self):
        return self.bodies[:, 1:4]

    @property
    def angular_momentum(self):
        return self.header[7:10]

    @property
    def mtot(self):
        """Code mass unit, kg."""
        return self.trailer[2]

    @property
    def lunit(self):
        """Code length unit, m."""
        return self.trailer[3]


def read_initial_state(path):
    """Reads the initial-state file at path as one stream of numbers separated by blanks and
    line ends: 24 header numbers (the body count nbtot the 20th), 15 per body, 15 in the
    trailer, and nothing more. InputError on anything else."""
    values = array.array("d")
    expected = None  # numbers in the whole file, known once the header's body count is read
    for number, line in enumerate(text_lines(path), start=1):
        values.extend(numbers_of_line(path, number, line))
        if expected is None and len(values) >= NBTOT_ITEM:
            nbtot = values[NBTOT_ITEM - 1]
            if not (nbtot.is_integer() and 1 <= nbtot <= LARGEST_MODEL):
                raise InputError("%s, line %d: the body count (item %d of the header) is %r; "
                                 "expected a whole number from 1 to %d"
                                 % (path, number, NBTOT_ITEM, nbtot, LARGEST_MODEL))
            nbtot = int(nbtot)
            expected = HEADER_ITEMS + BODY_ITEMS * nbtot + TRAILER_ITEMS
        if expected is not None and len(values) > expected:
            raise InputError("%s, line %d: more numbers than the %d that %d bodies take "
                             "(24 in the header, 15 per body, 15 in the trailer)"
                             % (path, number, expected, nbtot))
    if expected is None or len(values) < expected:
        what = ("%d for %d bodies" % (expected, nbtot)) if expected is not None else \
            "a header of 24 numbers"
        raise InputError("%s: ends after %d numbers; expected %s" % (path, len(values), what))
    data = np.frombuffer(values, dtype=np.float64)
    header = data[:HEADER_ITEMS]
    bodies = data[HEADER_ITEMS:HEADER_ITEMS + BODY_ITEMS * nbtot].reshape(nbtot, BODY_ITEMS)
    trailer = data[HEADER_ITEMS + BODY_ITEMS * nbtot:]
    if trailer[1] != nbtot:
        raise InputError("%s: the trailer gives %r bodies, the header %d" % (path, trailer[1], nbtot))
    if not (trailer[2] > 0 and trailer[3] > 0):
        raise InputError("%s: the trailer's mass unit (%r kg) and length unit (%r m) must be "
                         "positive" % (path, trailer[2], trailer[3]))
    return InitialState(header, bodies, trailer)


def read_ring_table(path):
    """The ring table as (radius in m, body mass in kg) arrays, one entry per circle in order."""
    values = []
    for number, line in enumerate(text_lines(path), start=1):
        values.extend(numbers_of_line(path, number, line))
    if not values or len(values) % RING_ITEMS != 0:
        raise InputError("%s: holds %d numbers; expected 4 per circle (number, radius, body "
                         "mass, last correction)" % (path, len(values)))
    table = np.array(values).reshape(-1, RING_ITEMS)
    if not np.array_equal(table[:, 0], np.arange(1, table.shape[0] + 1)):
        raise InputError("%s: the circles are not numbered 1, 2, 3, ... in order" % path)
    return table[:, 1], table[:, 2]


def read_history(run_dir):
    """The convergence history as (iteration, mean relative change) arrays, from the files
    1i, 2i, ... of run_dir. Every file but the last of a run holds 3000 records, so the files
    end at the first shorter one (a later file is left over from an earlier run) or at the
    first missing number."""
    iterations, changes = [], []
    file_number = 1
    while True:
        path = os.path.join(run_dir, "%di" % file_number)
        if not os.path.exists(path):
            break
        records = 0
        for number, line in enumerate(text_lines(path), start=1):
            values = numbers_of_line(path, number, line)
            if not values:
                continue
            want = (file_number - 1) * HISTORY_CHUNK + records + 1
            if len(values) != 2 or values[0] != want:
                raise InputError("%s, line %d: expected the iteration number %d and a change"
                                 % (path, number, want))
            iterations.append(values[0])
            changes.append(values[1])
            records += 1
        if records != HISTORY_CHUNK:
            break
        file_number += 1
    return np.array(iterations), np.array(changes)


class Run:
    """Everything the figure shows of one run directory."""

    def __init__(self, run_dir, state_name=None):
        if not os.path.isdir(run_dir):
            raise InputError("%s: is not a directory" % run_dir)
        self.run_dir = run_dir
        self.state_name = state_name if state_name is not None else state_file_name(run_dir)
        self.state = read_initial_state(os.path.join(run_dir, self.state_name))
        ring_path = os.path.join(run_dir, RING_TABLE)
        self.ring_radius, self.ring_mass = read_ring_table(ring_path)
        self.ncirc = self.ring_radius.size
        if (self.state.nbtot - 1) % self.ncirc != 0 or self.state.nbtot == 1:
            raise InputError("%s lists %d circles, which do not share the %d bodies of %s: the "
                             "two files come from different runs"
                             % (ring_path, self.ncirc, self.state.nbtot - 1, self.state_name))
        self.nbc = (self.state.nbtot - 1) // self.ncirc
        self.iterations, self.changes = read_history(run_dir)

    def ring_of_body(self):
        """Ring number of every body; 0 for the central body."""
        ring = np.zeros(self.state.nbtot, dtype=int)
        ring[1:] = np.arange(self.state.nbtot - 1) // self.nbc + 1
        return ring

    def tilt(self):
        """Angle between the ring plane's normal and the z axis, radians (None without rotation)."""
        angm = self.state.angular_momentum
        size = float(np.sqrt(np.dot(angm, angm)))
        if size == 0.0:
            return None
        return float(np.arccos(np.clip(angm[2] / size, -1.0, 1.0)))


def draw_bodies(ax, run, across, title, colors, norm):
    """Scatter of the bodies in the x-`across` plane, in AU, central body marked."""
    pos = run.state.position * (run.state.lunit / AU)
    size = float(np.clip(8000.0 / run.state.nbtot, 1.0, 30.0))  # points^2: one pixel at the least
    ring = run.ring_of_body()
    order = np.argsort(-ring[1:], kind="stable") + 1  # outer rings first, inner ones on top
    art = ax.scatter(pos[order, 0], pos[order, across], c=ring[order], cmap=colors, norm=norm,
                     s=size, linewidths=0, rasterized=run.state.nbtot > 20000)
    ax.plot(pos[0, 0], pos[0, across], marker="*", color="black", markersize=11, linestyle="none",
            label="central body" if run.state.mass[0] != 0.0 else "central body (mass 0)")
    ax.set_aspect("equal", adjustable="datalim")
    ax.ticklabel_format(style="sci", scilimits=(-3, 4))  # ticks of a wide model stay short
    ax.set_xlabel("x [AU]")
    ax.set_ylabel("%s [AU]" % "xyz"[across])
    ax.set_title(title)
    ax.grid(True, linewidth=0.4, alpha=0.4)
    return art


def draw_masses(ax, run, colors, norm):
    """Body mass of every ring against its radius (SI units), with the central body's mass."""
    rings = np.arange(1, run.ncirc + 1)
    ax.plot(run.ring_radius, run.ring_mass, color="0.6", linewidth=1.0, zorder=1)
    many = run.ncirc > 60
    ax.scatter(run.ring_radius, run.ring_mass, c=rings, cmap=colors, norm=norm,
               s=float(np.clip(1500.0 / run.ncirc, 4.0, 28.0)), edgecolors="black",
               linewidths=0.0 if many else 0.4, zorder=2)
    central = run.state.mass[0] * run.state.mtot
    positive = bool(np.all(run.ring_mass > 0.0))
    if central > 0.0 or not positive:
        ax.axhline(central, color="black", linestyle="--", linewidth=1.0,
                   label="central body: %.4g kg" % central)
        ax.legend(loc="best", fontsize=9)
    if positive and central >= 0.0:
        ax.set_yscale("log")
    if run.ncirc > 1 and run.ring_radius.min() > 0 and run.ring_radius.max() > 100 * run.ring_radius.min():
        ax.set_xscale("log")
    else:
        top = ax.secondary_xaxis("top", functions=(lambda m: m / AU, lambda au: au * AU))
        top.set_xlabel("ring radius [AU]")
    ax.set_xlabel("ring radius [m]")
    ax.set_ylabel("body mass [kg]")
    ax.set_title("body mass of each ring (ring table)")
    ax.grid(True, which="both", linewidth=0.4, alpha=0.4)


def draw_history(ax, run):
    """Mean relative change of the refinement against the iteration, on a log scale."""
    ax.set_title("convergence of the refinement")
    ax.set_xlabel("iteration")
    ax.set_ylabel("mean relative change |Δm / m| (dimensionless)")
    shown = run.changes > 0.0
    if not np.any(shown):
        if run.iterations.size == 0:
            text = "no history file: the refinement made no iteration"
        elif np.all(run.changes == 0.0):
            text = "the change was 0 in every recorded iteration:\nthe first solution was final"
        else:
            text = "no positive change to show on a log scale"
        ax.text(0.5, 0.5, text, transform=ax.transAxes, ha="center", va="center", color="0.3")
        ax.set_yscale("log")
        ax.set_ylim(1e-16, 1.0)
        return
    few = int(np.count_nonzero(shown)) <= 60
    ax.semilogy(run.iterations[shown], run.changes[shown], color="tab:blue", linewidth=1.2,
                marker="o" if few else None, markersize=6)
    if run.iterations.size <= 10:
        ax.set_xticks(run.iterations)
        ax.set_xlim(run.iterations[0] - 1, run.iterations[-1] + 1)
    ax.grid(True, which="both", linewidth=0.4, alpha=0.4)
    files = int((run.iterations[-1] - 1) // HISTORY_CHUNK) + 1
    ax.text(0.98, 0.96, "%d iteration%s in %d history file%s\nlast change: %.4g" % (
        run.iterations.size, "" if run.iterations.size == 1 else "s", files, "" if files == 1 else "s",
        run.changes[-1]), transform=ax.transAxes, ha="right", va="top", fontsize=9, color="0.3",
        linespacing=1.5)


def panel_heights(run):
    """Height ratio of the face-on and edge-on panels: each as tall as its data (same scale on
    both axes), but the edge-on panel never flatter than EDGE_PANEL_MIN of its width, so that
    a nearly flat ring set keeps a readable panel."""
    pos = run.state.position
    width = float(np.ptp(pos[:, 0])) or 1.0
    return [max(float(np.ptp(pos[:, 1])) / width, EDGE_PANEL_MIN),
            max(float(np.ptp(pos[:, 2])) / width, EDGE_PANEL_MIN)]


def make_figure(run):
    """The four-panel figure of a run: the bodies in the left column, the ring masses and the
    convergence history in the right one."""
    fig = Figure(figsize=FIGURE_INCHES, dpi=FIGURE_DPI, layout="constrained")
    FigureCanvasAgg(fig)
    left, right = fig.subfigures(1, 2, width_ratios=[1.1, 1.0])
    face, edge = left.subplots(2, 1, height_ratios=panel_heights(run))
    masses, history = right.subplots(2, 1)
    colors = matplotlib.colormaps["viridis"]
    norm = matplotlib.colors.Normalize(vmin=0.5, vmax=run.ncirc + 0.5)
    art = draw_bodies(face, run, 1, "face-on (x-y)", colors, norm)
    face.legend(loc="upper right", fontsize=9)
    tilt = run.tilt()
    edge_title = "edge-on (x-z)" if tilt is None else \
        "edge-on (x-z), ring plane tilted %.3g rad (%.3g°)" % (tilt, np.degrees(tilt))
    draw_bodies(edge, run, 2, edge_title, colors, norm)
    if run.ncirc > 1:
        bar = left.colorbar(art, ax=[face, edge], shrink=0.8, pad=0.02)
        bar.set_label("ring number")
        bar.locator = matplotlib.ticker.MaxNLocator(integer=True)
        bar.update_ticks()
    draw_masses(masses, run, colors, norm)
    draw_history(history, run)
    fig.suptitle("tembrix2 run %s: %d ring%s of %d bodies around a central body (%s, %d bodies)"
                 % (os.path.basename(os.path.abspath(run.run_dir)), run.ncirc,
                    "" if run.ncirc == 1 else "s", run.nbc, run.state_name, run.state.nbtot))
    return fig


def write_png(fig, out):
    """Writes the figure to out as PNG; the file is complete or left as it was."""
    directory = os.path.dirname(os.path.abspath(out))
    fd, temp = tempfile.mkstemp(prefix=".plot_run-", suffix=".png", dir=directory)
    try:
        with os.fdopen(fd, "wb") as f:
            fig.savefig(f, format="png", dpi=FIGURE_DPI)
        os.chmod(temp, 0o644)
        os.replace(temp, out)
    except BaseException:
        os.unlink(temp)
        raise


def main(argv=None):
    parser = argparse.ArgumentParser(
        prog=os.path.basename(sys.argv[0]),
        description="Draws the bodies, the ring masses and the convergence history of a "
                    "tembrix2 run as one four-panel PNG figure.")
    parser.add_argument("run_dir", metavar="RUN_DIR", help="the directory tembrix2 ran in")
    parser.add_argument("-o", dest="out", metavar="FIGURE.png",
                        help="the figure to write (default: RUN_DIR/run.png)")
    parser.add_argument("--state", metavar="NAME",
                        help="the initial-state file in RUN_DIR (default: the name on line 16 "
                             "of RUN_DIR/Tembrix2.dat)")
    args = parser.parse_args(argv)
    out = args.out if args.out is not None else os.path.join(args.run_dir, "run.png")
    name = os.path.basename(sys.argv[0])
    try:
        run = Run(args.run_dir, args.state)
    except InputError as e:
        print("%s: %s" % (name, e), file=sys.stderr)
        return 2
    except MemoryError:
        print("%s: not enough memory to read the run in %s" % (name, args.run_dir), file=sys.stderr)
        return 2
    try:
        write_png(make_figure(run), out)
    except OSError as e:
        print("%s: cannot write %s (%s)" % (name, out, e.strerror or e), file=sys.stderr)
        return 1
    print("wrote %s" % out)
    return 0


if __name__ == "__main__":
    sys.exit(main())
