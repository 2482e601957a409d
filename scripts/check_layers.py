#!/usr/bin/python3
"""Checks that the include graph of src/ runs one way.

  app, inspect  ->  equilibrium, initstate  ->  parameters  ->  model  ->  textio
                    equilibrium, initstate  ->  mathfn
                                                 statefile  ->  textio

A file may include its own folder and the folders of lower layers only; the
two phase folders do not include each other; no chain of includes between
files comes back to where it started; and each folder's CMakeLists.txt links
exactly the libraries of the folders its files include, PUBLIC when a header
includes them and PRIVATE otherwise.

Usage: check_layers.py [source root]; prints every breach and exits with 1.
"""

import pathlib
import re
import sys

# The layer of each folder; a folder may include only folders of a lower layer.
LAYER = {
    "textio": 0,
    "mathfn": 0,
    "model": 1,
    "statefile": 1,
    "parameters": 2,
    "equilibrium": 3,
    "initstate": 3,
    "app": 4,
    "inspect": 4,
}
# The reader of the initial-state file stands beside the model, on textio alone.
ALLOWED_BELOW = {"statefile": {"textio"}}

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def main() -> int:
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    src = root / "src"
    problems = []
    files = sorted(p for p in src.rglob("*") if p.suffix in (".h", ".cpp"))
    graph = {}
    for path in files:
        name = path.relative_to(src).as_posix()
        folder = name.split("/")[0]
        if folder not in LAYER:
            problems.append(f"{name}: folder {folder}/ has no layer in scripts/check_layers.py")
            continue
        graph[name] = []
        for target in INCLUDE.findall(path.read_text()):
            to = target.split("/")[0]
            if "/" not in target or to not in LAYER:
                problems.append(f"{name}: includes {target}, which is not a file of a layer")
                continue
            graph[name].append(target)
            if to == folder:
                continue
            allowed = ALLOWED_BELOW.get(folder)
            if LAYER[to] >= LAYER[folder] or (allowed is not None and to not in allowed):
                problems.append(f"{name}: includes {target} of layer {to}/, not below {folder}/")

    # A loop between files: depth-first search, reporting each cycle once.
    state = {}

    def visit(node, stack):
        state[node] = "open"
        stack.append(node)
        for nxt in graph.get(node, []):
            if state.get(nxt) == "open":
                problems.append("include loop: " + " -> ".join(stack[stack.index(nxt):] + [nxt]))
            elif nxt not in state:
                visit(nxt, stack)
        stack.pop()
        state[node] = "done"

    for node in graph:
        if node not in state:
            visit(node, [])

    # Each folder's library links exactly what its files include.
    for folder in sorted({n.split("/")[0] for n in graph}):
        cmake = src / folder / "CMakeLists.txt"
        if not cmake.exists():
            problems.append(f"{folder}/: no CMakeLists.txt")
            continue
        text = cmake.read_text()
        public, private = set(), set()
        for args in re.findall(r"target_link_libraries\(\s*tembrix_\w+([^)]*)\)", text, re.S):
            scope = private
            for word in args.split():
                if word == "PUBLIC":
                    scope = public
                elif word == "PRIVATE":
                    scope = private
                elif word.startswith("tembrix_"):
                    scope.add(word[len("tembrix_"):])
        from_headers, from_sources = set(), set()
        for name, targets in graph.items():
            if name.split("/")[0] != folder:
                continue
            for target in targets:
                to = target.split("/")[0]
                if to != folder:
                    (from_headers if name.endswith(".h") else from_sources).add(to)
        if public != from_headers:
            problems.append(f"{folder}/CMakeLists.txt: PUBLIC {sorted(public)}, headers include {sorted(from_headers)}")
        if private != from_sources - from_headers:
            problems.append(f"{folder}/CMakeLists.txt: PRIVATE {sorted(private)}, "
                            f"sources alone include {sorted(from_sources - from_headers)}")

    for p in problems:
        print(p)
    print(f"{len(graph)} files checked, {sum(map(len, graph.values()))} includes, "
          f"{len(problems)} breaches of the layers")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
