"""Tests of tools/plot_run.py: figures of real tembrix2 runs, its reading of the
run files, and a clear message with status 2 on every kind of bad input."""

import argparse
import contextlib
import importlib.util
import io
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest

import numpy as np

ARGS = None
FIGURE_PIXELS = (1200, 1000)  # 12 x 10 inches at 100 dots per inch


def png_size(path):
    """Width and height from a PNG file's signature and IHDR chunk."""
    with open(path, "rb") as f:
        head = f.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        raise AssertionError("%s is not a PNG file" % path)
    return struct.unpack(">II", head[16:24])


def load_script():
    found = importlib.util.spec_from_file_location("plot_run", ARGS.script)
    module = importlib.util.module_from_spec(found)
    found.loader.exec_module(module)
    return module


def parameter_file(changes):
    """The example parameter file with some lines' values (columns 60 on) replaced."""
    with open(ARGS.example) as f:
        lines = f.read().splitlines()
    for line, value in changes.items():
        lines[line - 1] = lines[line - 1][:59] + value
    return "\n".join(lines) + "\n"


def plain_numbers(path):
    """Every number of a file, read in the plainest way."""
    with open(path) as f:
        return np.array([float(t.replace("D", "E")) for t in f.read().split()])


class Runs(unittest.TestCase):
    """Two real runs made once: the bundled example and one ring of 100 bodies."""

    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.mkdtemp(prefix="plot_run_test-")
        os.environ["MPLCONFIGDIR"] = os.path.join(cls.tmp, "mpl")  # a cache of its own, no home needed
        cls.plot = load_script()
        cls.example = cls.make_run("example", parameter_file({}))
        cls.one_ring = cls.make_run("one_ring", parameter_file({1: "1", 2: "100"}))

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.tmp)

    @classmethod
    def make_run(cls, name, parameters):
        run_dir = os.path.join(cls.tmp, name)
        os.mkdir(run_dir)
        with open(os.path.join(run_dir, "Tembrix2.dat"), "w") as f:
            f.write(parameters)
        done = subprocess.run([ARGS.tembrix2], cwd=run_dir, capture_output=True)
        assert done.returncode == 0, done.stderr
        return run_dir

    def copy_run(self, run_dir):
        """A copy of a run directory that a test may spoil."""
        copy = tempfile.mkdtemp(dir=self.tmp)
        shutil.rmtree(copy)
        shutil.copytree(run_dir, copy)
        return copy

    def run_script(self, *args):
        return subprocess.run([sys.executable, ARGS.script, *args], capture_output=True, text=True)

    def test_figures_of_real_runs_have_the_fixed_size(self):
        # The example with its state file named on the command line, to the figure given by -o;
        # the one-ring run by its parameter file, to the default figure in its directory.
        example = self.copy_run(self.example)
        with open(os.path.join(example, "Tembrix2.dat"), "w") as f:
            f.write(parameter_file({16: " " * 12}))
        out = os.path.join(self.tmp, "example.png")
        rows = [([example, "--state", "rings.dat", "-o", out], out),
                ([self.one_ring], os.path.join(self.one_ring, "run.png"))]
        for args, figure in rows:
            with self.subTest(args=args):
                done = self.run_script(*args)
                self.assertEqual(done.returncode, 0, done.stderr)
                self.assertEqual(done.stderr, "")
                self.assertEqual(done.stdout, "wrote %s\n" % figure)
                self.assertEqual(png_size(figure), FIGURE_PIXELS)

    def test_run_files_are_read_number_for_number(self):
        state_path = os.path.join(self.example, "rings.dat")
        numbers = plain_numbers(state_path)
        nbtot = int(numbers[19])
        state = self.plot.read_initial_state(state_path)
        self.assertEqual(state.nbtot, 1201)
        np.testing.assert_array_equal(state.header, numbers[:24])
        np.testing.assert_array_equal(state.bodies.ravel(), numbers[24:24 + 15 * nbtot])
        np.testing.assert_array_equal(state.trailer, numbers[24 + 15 * nbtot:])
        self.assertEqual(len(state.trailer), 15)

        # The same numbers with a D exponent and LF line ends.
        with open(state_path) as f:
            text = f.read()
        other = os.path.join(self.tmp, "d_exponent.dat")
        with open(other, "w", newline="") as f:
            f.write(text.replace("E", "D").replace("\r\n", "\n"))
        np.testing.assert_array_equal(self.plot.read_initial_state(other).bodies, state.bodies)

        radius, mass = self.plot.read_ring_table(os.path.join(self.example, "QxNcRMEr.dat"))
        table = plain_numbers(os.path.join(self.example, "QxNcRMEr.dat")).reshape(-1, 4)
        np.testing.assert_array_equal(radius, table[:, 1])
        np.testing.assert_array_equal(mass, table[:, 2])

        run = self.plot.Run(self.example)
        self.assertEqual((run.ncirc, run.nbc), (20, 60))
        self.assertEqual(list(run.ring_of_body()[[0, 1, 60, 61, 1200]]), [0, 1, 1, 2, 20])
        self.assertAlmostEqual(run.tilt(), 0.1, places=12)

    def test_state_name_is_columns_60_to_71_of_line_16(self):
        with open(ARGS.example, "rb") as f:
            lines = f.read().split(b"\n")
        rows = [  # (line 16 from column 60 on, name)
            (b"rings.dat", "rings.dat"),
            (b"   a b.dat  ", "a b.dat"),
            (b"abcdefghijkl", "abcdefghijkl"),
            (b"abcdefghijklIGNORED", "abcdefghijkl"),
            (b"st.dat\0junk", "st.dat"),
            (b"st.dat\r", "st.dat"),
        ]
        for value, name in rows:
            with self.subTest(value=value):
                run_dir = tempfile.mkdtemp(dir=self.tmp)
                changed = list(lines)
                changed[13] = "Dichte der K\u00f6rper [kg/m\u00b3]".encode().ljust(59) + lines[13][59:]
                changed[15] = lines[15][:59] + value
                with open(os.path.join(run_dir, "Tembrix2.dat"), "wb") as f:
                    f.write(b"\n".join(changed))
                self.assertEqual(self.plot.state_file_name(run_dir), name)

    def test_history_files_run_up_to_the_first_short_one(self):
        def history(records_per_file):
            run_dir = tempfile.mkdtemp(dir=self.tmp)
            first = 1
            for number, records in enumerate(records_per_file, start=1):
                with open(os.path.join(run_dir, "%di" % number), "w") as f:
                    for i in range(first, first + records):
                        f.write("%12d   %.15E\r\n" % (i, 1.0 / i))
                first += records
            return self.plot.read_history(run_dir)

        rows = [  # (records in 1i, 2i, ...), iterations read
            ([], 0),
            ([1], 1),
            ([2999], 2999),
            ([3000], 3000),
            ([3000, 1], 3001),
            ([3000, 3000, 5], 6005),
            ([3000, 10, 3000], 3010),  # 3i is left over from an earlier, longer run
            ([5, 3000], 5),
        ]
        for records, count in rows:
            with self.subTest(records=records):
                iterations, changes = history(records)
                self.assertEqual(len(iterations), count)
                np.testing.assert_array_equal(iterations, np.arange(1, count + 1))
                np.testing.assert_array_equal(changes, np.array(
                    [float("%.15E" % (1.0 / i)) for i in range(1, count + 1)]))

    def test_bad_input_gives_one_message_and_status_2(self):
        def edit(name, change):
            def spoil(run_dir):
                path = os.path.join(run_dir, name)
                with open(path, "rb") as f:
                    data = f.read()
                with open(path, "wb") as f:
                    f.write(change(data))
            return spoil

        def remove(name):
            return lambda run_dir: os.remove(os.path.join(run_dir, name))

        def number(k, text):
            """Replaces the k-th number of a file (from 1) by text."""
            def change(data):
                span = list(re.finditer(rb"\S+", data))[k - 1].span()
                return data[:span[0]] + text + data[span[1]:]
            return change

        blank_name = parameter_file({16: "            "}).encode()
        rows = [  # (what, how to spoil the example's run directory, extra arguments, text of the message)
            ("no parameter file", remove("Tembrix2.dat"), [], "Tembrix2.dat: cannot be read"),
            ("short parameter file", edit("Tembrix2.dat", lambda d: b"\n".join(d.split(b"\n")[:10])), [],
             "has 10 lines"),
            ("blank state name", edit("Tembrix2.dat", lambda d: blank_name), [], "--state NAME"),
            ("no state file", remove("rings.dat"), [], "rings.dat: cannot be read"),
            ("state named on the command line is missing", lambda d: None, ["--state", "other.dat"],
             "other.dat: cannot be read"),
            ("truncated state", edit("rings.dat", lambda d: d[:d.rindex(b"\r\n", 0, len(d) - 2) + 2]), [],
             "ends after 18048 numbers; expected 18054 for 1201 bodies"),
            ("one number more", edit("rings.dat", lambda d: d + b" 0\r\n"), [], "more numbers than the 18054"),
            ("a bad number", edit("rings.dat", number(2, b"1.2.3")), [], "line 1: expected numbers"),
            ("numbers run together", edit("rings.dat", number(30, b"1.0E+000-2.0")), [], "'1.0E+000-2.0'"),
            ("not a number", edit("rings.dat", number(30, b"nan")), [], "'nan'"),
            ("overflow", edit("rings.dat", number(30, b"1.0E+999")), [], "out of the range"),
            ("fractional body count", edit("rings.dat", number(20, b"1201.5")), [], "body count"),
            ("zero body count", edit("rings.dat", number(20, b"0")), [], "body count"),
            ("huge body count", edit("rings.dat", number(20, b"99999999999")), [], "body count"),
            ("trailer count differs", edit("rings.dat", number(24 + 15 * 1201 + 2, b"1200")),
             [], "the trailer gives 1200.0 bodies"),
            ("not text", edit("rings.dat", lambda d: d[:100] + b"\xff" + d[100:]), [], "not plain text"),
            ("empty state", edit("rings.dat", lambda d: b""), [], "ends after 0 numbers"),
            ("no ring table", remove("QxNcRMEr.dat"), [], "QxNcRMEr.dat: cannot be read"),
            ("ring table of 7 rings", edit("QxNcRMEr.dat", lambda d: b"\n".join(d.split(b"\n")[:14]) + b"\n"),
             [], "different runs"),
            ("ring table cut in a record", edit("QxNcRMEr.dat", lambda d: d[:d.index(b"\r\n") + 2]), [],
             "holds 3 numbers"),
            ("ring table misnumbered", edit("QxNcRMEr.dat", lambda d: d.replace(b"  2   2.9", b"  3   2.9", 1)),
             [], "not numbered"),
            ("history misnumbered", edit("1i", lambda d: d.replace(b"  1   ", b"  2   ", 1)), [],
             "expected the iteration number 1"),
        ]
        for what, spoil, extra, message in rows:
            with self.subTest(what=what):
                run_dir = self.copy_run(self.example)
                spoil(run_dir)
                out = os.path.join(run_dir, "figure.png")
                status, err = self.main_status(run_dir, "-o", out, *extra)
                self.assertEqual(status, 2)
                self.assertIn(message, err)
                self.assertEqual(err.count("\n"), 1, err)
                self.assertFalse(os.path.exists(out))

        # As a program: the message alone, no traceback.
        run_dir = self.copy_run(self.example)
        with open(os.path.join(run_dir, "Tembrix2.dat"), "wb") as f:
            f.write(blank_name)
        done = self.run_script(run_dir)
        self.assertEqual((done.returncode, done.stdout), (2, ""))
        self.assertRegex(done.stderr, r"^plot_run.py: .*Tembrix2.dat, line 16: .* is blank.*--state NAME\n$")

    def main_status(self, *args):
        """Status and standard error of the script's main, run in this process."""
        err = io.StringIO()
        with contextlib.redirect_stderr(err), contextlib.redirect_stdout(io.StringIO()):
            status = self.plot.main(list(args))
        return status, err.getvalue()

    def test_a_missing_run_directory_is_bad_input(self):
        status, err = self.main_status(os.path.join(self.tmp, "no such directory"))
        self.assertEqual(status, 2)
        self.assertIn("is not a directory", err)

    def test_a_figure_that_cannot_be_written_leaves_nothing(self):
        target_dir = tempfile.mkdtemp(dir=self.tmp)
        status, err = self.main_status(self.example, "-o", os.path.join(target_dir, "missing", "f.png"))
        self.assertEqual(status, 1)
        self.assertIn("cannot write", err)
        self.assertEqual(os.listdir(target_dir), [])

if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    parser.add_argument("--tembrix2", required=True)
    parser.add_argument("--script", required=True)
    parser.add_argument("--example", required=True)
    ARGS, rest = parser.parse_known_args()
    ARGS.tembrix2 = os.path.abspath(ARGS.tembrix2)
    unittest.main(argv=[sys.argv[0], *rest])
