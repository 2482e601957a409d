#!/usr/bin/python3
"""Round trips of tembrix2-inspect convert through the clients users read its
files with: the HDF5 file with h5py, the CSV files with numpy. Every number
must equal the state file's own number exactly, and the HDF5 attributes must
agree with the trailer.

usage: round_trip_test.py TEMBRIX2 TEMBRIX2_INSPECT PARAMETER_FILE
"""
import os
import shutil
import subprocess
import sys
import tempfile

import h5py
import numpy as np


def fail(message):
    print("FAILED:", message)
    sys.exit(1)


def same_bits(a, b, what):
    a = np.ascontiguousarray(a, dtype=np.float64)
    b = np.ascontiguousarray(b, dtype=np.float64)
    if a.shape != b.shape:
        fail(f"{what}: shape {a.shape} instead of {b.shape}")
    bad = np.flatnonzero(a.view(np.uint64) != b.view(np.uint64))
    if bad.size:
        i = bad[0]
        fail(f"{what}: {bad.size} values differ, first at {i}: {a.flat[i]!r} instead of {b.flat[i]!r}")


def read_state(path):
    """The state file's numbers as Python reads them: float() is correctly rounded."""
    with open(path) as f:
        tokens = f.read().split()
    header, rest = tokens[:24], tokens[24:]
    n = int(header[19])
    bodies = np.array([float(t.replace("D", "E")) for t in rest[: 15 * n]]).reshape(n, 15)
    trailer = rest[15 * n:]
    if len(trailer) != 15:
        fail(f"state file has {len(trailer)} trailer items")
    return n, bodies, trailer


def main():
    tembrix2, inspect, parameters = sys.argv[1:4]
    work = tempfile.mkdtemp(prefix="tembrix2-roundtrip-")
    try:
        shutil.copy(parameters, os.path.join(work, "Tembrix2.dat"))
        subprocess.run([tembrix2], cwd=work, check=True)
        n, bodies, trailer = read_state(os.path.join(work, "rings.dat"))
        mtot, lunit, vunit = (float(t) for t in trailer[2:5])
        mass, pos, vel, radius = bodies[:, 0], bodies[:, 1:4], bodies[:, 4:7], bodies[:, 13]

        def convert(*args):
            r = subprocess.run([inspect, "convert", "rings.dat", *args], cwd=work, capture_output=True, text=True)
            if r.returncode != 0 or r.stdout or r.stderr:
                fail(f"convert {args}: status {r.returncode}, {r.stdout!r}, {r.stderr!r}")

        convert("--to", "hdf5", "-o", "rings.hdf5")
        with h5py.File(os.path.join(work, "rings.hdf5"), "r") as f:
            if sorted(f.keys()) != ["Header", "PartType1", "Units"]:
                fail(f"groups {sorted(f.keys())}")
            h = f["Header"].attrs
            counts = [0, n, 0, 0, 0, 0]
            for name, expected in [("NumPart_ThisFile", counts), ("NumPart_Total", counts),
                                   ("NumPart_Total_HighWord", [0] * 6)]:
                if list(h[name]) != expected or h[name].dtype != np.uint32:
                    fail(f"Header {name} = {h[name]!r}")
            same_bits(h["MassTable"], np.zeros(6), "Header MassTable")
            for name, expected in [("Time", 0.0), ("Redshift", 0.0), ("BoxSize", 4.0 * np.abs(pos).max()),
                                   ("NumFilesPerSnapshot", 1), ("Flag_Entropy_ICs", 0), ("Dimension", 3)]:
                if h[name] != expected:
                    fail(f"Header {name} = {h[name]!r}, expected {expected!r}")
            p = f["PartType1"]
            if sorted(p.keys()) != ["Coordinates", "Masses", "ParticleIDs", "Radii", "Velocities"]:
                fail(f"PartType1 datasets {sorted(p.keys())}")
            same_bits(p["Coordinates"][...], pos, "Coordinates")
            same_bits(p["Velocities"][...], vel, "Velocities")
            same_bits(p["Masses"][...], mass, "Masses")
            same_bits(p["Radii"][...], radius, "Radii")
            ids = p["ParticleIDs"][...]
            if ids.dtype != np.uint64 or not np.array_equal(ids, np.arange(1, n + 1)):
                fail("ParticleIDs are not 1..N")
            u = f["Units"].attrs
            for name, expected in [("Unit length in cgs (U_L)", lunit * 100.0),
                                   ("Unit mass in cgs (U_M)", mtot * 1000.0),
                                   ("Unit time in cgs (U_t)", lunit * vunit),
                                   ("Unit current in cgs (U_I)", 1.0),
                                   ("Unit temperature in cgs (U_T)", 1.0)]:
                if u[name] != expected:
                    fail(f"Units {name} = {u[name]!r}, expected {expected!r}")

        for units, scale in [("code", (1.0, 1.0, 1.0)), ("si", (mtot, lunit, vunit))]:
            out = f"rings-{units}.csv"
            convert("--to", "csv", "-o", out, "--units", units)
            with open(os.path.join(work, out)) as f:
                header = f.readline()
                rows = [line.rstrip("\n").split(",") for line in f]
            if header != "id,mass,x,y,z,vx,vy,vz,radius\n":
                fail(f"CSV header {header!r}")
            # Every number is the shortest text of its value: never longer than
            # Python's own shortest repr.
            for row in rows[:: max(1, n // 97)]:
                for text in row[1:]:
                    if len(text) > len(repr(float(text))):
                        fail(f"{text} is not the shortest text of its value")
            table = np.loadtxt(os.path.join(work, out), delimiter=",", skiprows=1)
            if not np.array_equal(table[:, 0], np.arange(1, n + 1)):
                fail(f"{out}: ids are not 1..N")
            m, length, speed = scale
            if units == "code":
                expected = (mass, pos, vel, radius)
            else:
                expected = (mass * m, pos * length, vel / speed, radius * length)
            same_bits(table[:, 1], expected[0], f"{out} mass")
            same_bits(table[:, 2:5], expected[1], f"{out} position")
            same_bits(table[:, 5:8], expected[2], f"{out} velocity")
            same_bits(table[:, 8], expected[3], f"{out} radius")
        leftovers = [name for name in os.listdir(work) if ".tmp-" in name]
        if leftovers:
            fail(f"temporary files left: {leftovers}")
        print(f"round trips of {n} bodies exact")
    finally:
        shutil.rmtree(work)


if __name__ == "__main__":
    main()
