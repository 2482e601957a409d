#!/usr/bin/python3
"""Runs tembrix2 on one case twice, with the C library's FMA code paths and
without them (GLIBC_TUNABLES=glibc.cpu.hwcaps=-AVX2,-FMA,-FMA4), each in a
temporary directory, and compares every file the two runs leave.

    same_bytes_both_paths.py TEMBRIX2 EXAMPLE_INPUT [--expect same|differ]

Cases: the example input as shipped, and 60 circles of 200 bodies. Exit 1 when
the outcome is not the expected one (same: every file equal; differ: some file
of the 60 x 200 case differs, which the default build shows on a CPU with FMA).
"""

import os
import pathlib
import shutil
import subprocess
import sys
import tempfile

NO_FMA = "glibc.cpu.hwcaps=-AVX2,-FMA,-FMA4"


def sixty_by_two_hundred():
    def line(text, value):
        return f"{text:<59}{value}\n"
    return "".join([
        line("number of circles", 60), line("bodies per circle", 200),
        line("radius step factor", "1.0"), line("radii from file (1)", 0),
        line("radii file", "radii.dat"), line("total mass [kg]", "2.0D30"),
        line("central share", "0.99"), line("phase pattern", 1), line("phases from file", 0),
        line("period [years]", "1.0"), line("tolerance", "1.0D-12"), line("iteration limit", 100),
        line("tilt [rad]", "0.1"), line("density", "2000.0"), line("header value", "0.01"),
        line("initial-state file", "state.dat"), line("tag", 1)])


def run(program, parameters, tunables, root):
    work = pathlib.Path(tempfile.mkdtemp(dir=root))
    (work / "Tembrix2.dat").write_text(parameters)
    env = dict(os.environ)
    env.pop("GLIBC_TUNABLES", None)
    if tunables:
        env["GLIBC_TUNABLES"] = tunables
    done = subprocess.run([program], cwd=work, env=env, capture_output=True, timeout=600)
    if done.returncode != 0:
        raise SystemExit(f"{program} failed ({done.returncode}): {done.stderr.decode(errors='replace')}")
    return {p.name: p.read_bytes() for p in sorted(work.iterdir())}


def main():
    program, example = os.path.abspath(sys.argv[1]), sys.argv[2]
    expect = sys.argv[sys.argv.index("--expect") + 1] if "--expect" in sys.argv else "same"
    cases = {"example": pathlib.Path(example).read_text(), "60 x 200": sixty_by_two_hundred()}
    root = tempfile.mkdtemp()
    differing = {}
    try:
        for name, parameters in cases.items():
            fma = run(program, parameters, None, root)
            plain = run(program, parameters, NO_FMA, root)
            if sorted(fma) != sorted(plain):
                differing[name] = ["the set of files"]
            else:
                differing[name] = [f for f in fma if fma[f] != plain[f]]
            print(f"{name}: {len(fma)} files, differing: {differing[name] or 'none'}")
    finally:
        shutil.rmtree(root)
    any_differ = any(differing.values())
    if expect == "same" and any_differ:
        return 1
    if expect == "differ" and not differing["60 x 200"]:
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
