#!/usr/bin/python3
"""Lists the sine, cosine and power functions a program imports from shared
libraries (`nm -D`): every sin, cos, sincos and pow, of any type suffix, with
any symbol version, and their __*_finite forms.

    no_libc_math.py PROGRAM            # exit 1 if PROGRAM imports any of them
    no_libc_math.py PROGRAM --expect   # exit 1 if it imports none (checks the check)
"""

import re
import subprocess
import sys

# sin, sinf, sinl, sinf128, sincos, sincosf, pow, powf64x, __pow_finite, ...
TRIG_OR_POW = re.compile(r"^_*(sin|cos|sincos|pow)(f|l|f32|f64|f128|f32x|f64x)?(_finite)?$")


def imported(program):
    out = subprocess.run(["nm", "-D", "--undefined-only", program], check=True,
                         capture_output=True, text=True).stdout
    names = []
    for line in out.splitlines():
        symbol = line.split()[-1]
        if TRIG_OR_POW.match(symbol.split("@")[0]):
            names.append(symbol)
    return names


def main():
    program = sys.argv[1]
    expect = "--expect" in sys.argv[2:]
    names = imported(program)
    if expect != bool(names):
        print(f"{program}: imports {names or 'no sin, cos or pow'}"
              f"{', but should import pow' if expect else ''}")
        return 1
    print(f"{program}: {', '.join(names) if names else 'no sin, cos or pow from a shared library'}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
