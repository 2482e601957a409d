"""`cmake --install` into a temporary prefix: every program, the example and the
documentation land where the README says, and the installed programs run the
installed example exactly as the programs of the build tree do."""

import argparse
import filecmp
import os
import shutil
import stat
import subprocess
import sys
import tempfile
import unittest

ARGS = None


def is_executable_file(path):
    mode = os.stat(path).st_mode
    return stat.S_ISREG(mode) and bool(mode & stat.S_IXUSR) and bool(mode & stat.S_IXOTH)


class InstalledTree(unittest.TestCase):

    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.mkdtemp(prefix="install_test-")
        cls.prefix = os.path.join(cls.tmp, "prefix")
        os.environ["MPLCONFIGDIR"] = os.path.join(cls.tmp, "mpl")
        done = subprocess.run([ARGS.cmake, "--install", ARGS.build_dir, "--prefix", cls.prefix],
                              capture_output=True, text=True)
        assert done.returncode == 0, done.stdout + done.stderr

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.tmp)

    def installed(self, *parts):
        return os.path.join(self.prefix, *parts)

    def test_files_are_in_place(self):
        programs = ["tembrix2", "tembrix2-plot"] + (["tembrix2-inspect"] if ARGS.with_inspect == "yes" else [])
        for name in programs:
            with self.subTest(program=name):
                self.assertTrue(is_executable_file(self.installed("bin", name)))
        self.assertEqual(sorted(os.listdir(self.installed("bin"))), sorted(programs))
        with open(self.installed("bin", "tembrix2-plot"), "rb") as f:
            self.assertEqual(f.readline(), b"#!/usr/bin/python3\n")
        for installed, source in [
                (("share", "tembrix2", "examples", "Tembrix2.dat"), ("examples", "Tembrix2.dat")),
                (("share", "doc", "tembrix2", "README.md"), ("README.md",)),
                (("share", "doc", "tembrix2", "docs", "example.png"), ("docs", "example.png"))]:
            with self.subTest(file=os.path.join(*installed)):
                self.assertTrue(filecmp.cmp(self.installed(*installed),
                                            os.path.join(ARGS.source_dir, *source), shallow=False))

    def test_installed_programs_run_the_installed_example(self):
        done = subprocess.run([self.installed("bin", "tembrix2"), "--version"], capture_output=True, text=True)
        self.assertEqual((done.returncode, done.stdout, done.stderr), (0, "tembrix2 %s\n" % ARGS.version, ""))

        # The README's way: copy the example into a run directory, run there.
        runs = {}
        for which, program in (("installed", self.installed("bin", "tembrix2")), ("built", ARGS.tembrix2)):
            run_dir = os.path.join(self.tmp, which)
            os.mkdir(run_dir)
            shutil.copy(self.installed("share", "tembrix2", "examples", "Tembrix2.dat"), run_dir)
            done = subprocess.run([program], cwd=run_dir, capture_output=True)
            self.assertEqual((done.returncode, done.stdout, done.stderr), (0, b"", b""))
            runs[which] = run_dir
        names = sorted(os.listdir(runs["built"]))
        self.assertIn("rings.dat", names)
        self.assertEqual(sorted(os.listdir(runs["installed"])), names)
        match, mismatch, errors = filecmp.cmpfiles(runs["installed"], runs["built"], names, shallow=False)
        self.assertEqual((mismatch, errors), ([], []))

        done = subprocess.run([self.installed("bin", "tembrix2-plot"), runs["installed"]],
                              capture_output=True, text=True)
        self.assertEqual(done.returncode, 0, done.stderr)
        with open(os.path.join(runs["installed"], "run.png"), "rb") as f:
            self.assertEqual(f.read(8), b"\x89PNG\r\n\x1a\n")

        if ARGS.with_inspect == "yes":
            done = subprocess.run([self.installed("bin", "tembrix2-inspect"), "check", "rings.dat"],
                                  cwd=runs["installed"], capture_output=True, text=True)
            self.assertEqual(done.returncode, 0, done.stdout + done.stderr)


if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    for option in ("--cmake", "--build-dir", "--source-dir", "--tembrix2", "--version", "--with-inspect"):
        parser.add_argument(option, required=True)
    ARGS, rest = parser.parse_known_args()
    ARGS.build_dir, ARGS.source_dir, ARGS.tembrix2 = map(
        os.path.abspath, (ARGS.build_dir, ARGS.source_dir, ARGS.tembrix2))
    unittest.main(argv=[sys.argv[0], *rest])
