#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The solver's folders depend only downward: the engine on nothing of the
program's, the wording on the engine, the task on both, and the drawings,
worksheets, reader and command line on those below them (the command line on
everything). Every #include of the program's own headers is found and checked."""
import pathlib
import re
import sys

solver = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "src/solver")
below = {
    "engine": {"engine"},
    "wording": {"engine", "wording"},
    "task": {"engine", "wording", "task"},
    "drawing": {"engine", "wording", "task", "drawing"},
    "worksheet": {"engine", "wording", "task", "worksheet"},
    "reader": {"engine", "wording", "task", "reader"},
    "command_line": {"engine", "wording", "task", "drawing", "worksheet", "reader", "command_line"},
}
folders = {p.name for p in solver.iterdir() if p.is_dir()}
unknown = folders - set(below)
problems = [f"{solver / f}: a folder with no place among the layers" for f in sorted(unknown)]


def folder_of(including: pathlib.Path, name: str):
    for candidate in (including.parent / name, solver / name, *(solver / f / name for f in sorted(folders))):
        if candidate.is_file():
            return candidate.resolve().relative_to(solver.resolve()).parts[0]
    return None


checked = 0
for source in sorted(solver.rglob("*")):
    if source.suffix not in (".h", ".cpp"):
        continue
    layer = source.relative_to(solver).parts[0]
    if layer not in below:
        continue
    for line in source.read_text(encoding="utf-8").splitlines():
        match = re.match(r'\s*#\s*include\s+"([^"]+)"', line)
        if not match:
            continue
        target = folder_of(source, match.group(1))
        if target is None:
            continue  # a header of a library the program uses
        checked += 1
        if target not in below[layer]:
            problems.append(f"{source}: {layer}/ includes {match.group(1)} from {target}/")
for problem in problems:
    print("not ok:", problem)
print(f"{checked} includes checked, {len(problems)} out of place")
sys.exit(1 if problems else 0)
