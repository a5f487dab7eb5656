#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The solver's folders depend only downward: the engine on nothing of the
program's, the wording on the engine, the task on both, and the drawings,
worksheets, reader and command line on those below them (the command line on
everything). Every #include of the program's own headers is found and checked.

And no code outside the solids' tables names a solid: a solid's key ("cone")
as a string in the code of src/ or web/ (comments aside) is a branch on it,
where its registration row (engine/registration.h) should be read instead.
Only data that maps words to solids may name them: the reader's vocabulary
and the calculator's panels."""
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

# --- No branch on a solid's key outside its table ---
program = solver.parent.parent
tables = solver / "engine" / "tables"
named_by_data = {
    solver / "reader" / "vocabulary.cpp",       # the reader's words: „конус*“
    program / "src" / "core" / "panel_table.cpp",  # the solid a calculator's panel makes of its inputs
}
keys = set()
for table in tables.glob("*.cpp"):
    keys.update(re.findall(r'\.key\s*=\s*"([^"]+)"', table.read_text(encoding="utf-8")))
if len(keys) < 8:
    problems.append(f"{tables}: only {len(keys)} solids' keys found ({sorted(keys)})")
code_token = re.compile(
    r'R"(?P<tag>[^(\s]*)\((?P<raw>.*?)\)(?P=tag)"|//[^\n]*|/\*.*?\*/|"(?:[^"\\\n]|\\.)*"|\'(?:[^\'\\\n]|\\.)\'',
    re.S)

# An SVG element's name ("polygon") where a drawing writes one: no solid.
svg_element = re.compile(r'element\(\s*$')


def strings_in(text: str):
    """The string literals of C++ code with their line numbers, comments left out."""
    for match in code_token.finditer(text):
        token = match.group(0)
        if match.group("raw") is not None:
            yield text.count("\n", 0, match.start()) + 1, match.group("raw")
        elif token.startswith('"') and not svg_element.search(text[max(0, match.start() - 40) : match.start()]):
            yield text.count("\n", 0, match.start()) + 1, token[1:-1]


named = 0
for folder in (program / "src", program / "web"):
    for source in sorted(folder.rglob("*")):
        if source.suffix not in (".h", ".cpp") or tables in source.parents or source in named_by_data:
            continue
        for number, string in strings_in(source.read_text(encoding="utf-8")):
            named += 1
            if string in keys:
                problems.append(f"{source}:{number}: names the solid \"{string}\" outside its table")
print(f"{named} strings checked for solids' keys ({len(keys)} solids)")
for problem in problems:
    print("not ok:", problem)
print(f"{checked} includes checked, {len(problems)} out of place")
sys.exit(1 if problems else 0)
