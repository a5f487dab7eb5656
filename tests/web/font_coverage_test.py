#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Every character the solver and the pages write has a glyph in the site's own faces.

    tests/web/font_coverage_test.py SITE_DIR STEREOMETRY_SOLVE SCHOOL_TASKS.json

The characters are collected from what is written, not from a list: the
solver's JSON, figures and nets for every school task (solved, refused or
short of givens) in each π and with decimal and whole numbers, worksheets of
every kind with their keys, and the four pages of the built site as served
(markup, styles, scripts). Each must be in both faces of "Stereometry Signs"
(regular and bold, fonts/stereometry-signs-*.woff2), every sign among them
(no letter or digit) within the unicode-range the pages and the guide name for
that face, and each page's Content-Security-Policy must let the faces load.
"""
import json
import os
import re
import subprocess
import sys
import unicodedata

from fontTools.ttLib import TTFont

# The signs the pages are known to need, checked by name too.
NAMED = "⇒√∛π≈·−²³⁻°½„“"
PAGES = ["index.html", "zadachi.html", "listove.html", "guide.html"]

failures = 0


def check(condition, what, detail=""):
    global failures
    print(("ok" if condition else "not ok") + " - " + what + ("" if condition or not detail else "\n    " + detail))
    if not condition:
        failures += 1


def strings(value):
    """Every string inside a JSON value."""
    if isinstance(value, str):
        yield value
    elif isinstance(value, dict):
        for key, item in value.items():
            yield key
            yield from strings(item)
    elif isinstance(value, list):
        for item in value:
            yield from strings(item)


def solver_characters(solve, tasks):
    written = set()

    def run(*arguments):
        result = subprocess.run([solve, *arguments], capture_output=True, text=True, check=False)
        return result.stdout + result.stderr

    for task in tasks:
        words = task["task"].split()
        for pi in ["--pi=exact", "--pi=3.14", "--pi=3.141592"]:
            chosen = [w for w in words if not w.startswith("--pi=")]
            output = run("--json", pi, *chosen)
            try:
                for text in strings(json.loads(output)):
                    written.update(text)
            except json.JSONDecodeError:
                written.update(output)
        if task["status"] == "solved":
            written.update(run("--svg=figure", *words))
            written.update(run("--svg=net", *words))
        written.update(run(*words))
    for seed in range(1, 5):
        for options in (["--kind=direct"], ["--kind=inverse", "--numbers=decimal"], ["--pi=3.14"],
                        ["--numbers=decimal", "--pi=3.14", "--unit=dm"], ["--variant=B", "--unit=m"]):
            output = run("--worksheet", f"--seed={seed}", "--count=30", "--json", *options)
            for text in strings(json.loads(output)):
                written.update(text)
            written.update(run("--worksheet", f"--seed={seed}", "--count=30", *options))
    return written


def page_characters(site):
    written = set()
    for page in PAGES:
        with open(os.path.join(site, page), encoding="utf-8") as text:
            written.update(text.read())
    with open(os.path.join(site, "guide.css"), encoding="utf-8") as text:
        written.update(text.read())
    return written


def shown(characters):
    """What a reader sees: no control or format characters but the soft hyphen."""
    return {c for c in characters if unicodedata.category(c)[0] != "C" or c == "\u00ad"} - {"\n", "\t", "\r"}


def ranges(css):
    """The unicode-range of every "Stereometry Signs" face in a stylesheet, as (first, last) pairs."""
    found = []
    for face in re.findall(r"@font-face\s*\{([^}]*)\}", css):
        if "Stereometry Signs" not in face:
            continue
        match = re.search(r"unicode-range:\s*([^;}]*)", face)
        found.append(tuple((int(a, 16), int(b or a, 16)) for a, b in re.findall(r"U\+([0-9A-Fa-f]+)(?:-([0-9A-Fa-f]+))?", match.group(1)) if match))
    return found


def is_sign(c):
    return ord(c) > 0x7E and unicodedata.category(c)[0] not in "LN" and c not in "\u00a0\u00ad"


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    site, solve, tasks_file = sys.argv[1:]
    with open(tasks_file, encoding="utf-8") as tasks:
        tasks = json.load(tasks)
    written = shown(solver_characters(solve, tasks) | page_characters(site))
    check(sum(c in written for c in NAMED) >= len(NAMED) - 2,
          "the solver and the pages write the signs named, " + NAMED + ", in these tasks and sheets",
          "".join(c for c in NAMED if c not in written))
    # The named signs the faces must have, written here or not.
    written |= set(NAMED)

    for face in ["stereometry-signs-regular.woff2", "stereometry-signs-bold.woff2"]:
        cmap = TTFont(os.path.join(site, "fonts", face)).getBestCmap()
        missing = sorted(c for c in written if ord(c) not in cmap and c != "\u00ad")
        check(not missing, f"{face} has a glyph for each of the {len(written)} characters written",
              " ".join(f"U+{ord(c):04X} {c}" for c in missing))

    signs = sorted(c for c in written if is_sign(c))
    with open(os.path.join(site, "guide.css"), encoding="utf-8") as guide:
        stylesheets = {"guide.css": guide.read()}
    for page in PAGES[:3]:
        with open(os.path.join(site, page), encoding="utf-8") as text:
            stylesheets[page] = text.read()
    named = {page: ranges(css) for page, css in stylesheets.items()}
    check(all(named.values()) and len({tuple(r) for faces in named.values() for r in faces}) == 1,
          "every page names the signs' face for the same characters",
          json.dumps({page: [len(r) for r in faces] for page, faces in named.items()}))
    covered = [r for faces in named.values() for r in faces][:1]
    outside = [c for c in signs if covered and not any(a <= ord(c) <= b for a, b in covered[0])]
    check(covered and not outside, f"each of the {len(signs)} signs written is shown in the signs' face",
          " ".join(f"U+{ord(c):04X} {c}" for c in outside))

    for page in PAGES[:3]:
        policy = re.search(r'Content-Security-Policy" content="([^"]*)"', stylesheets[page])
        check(policy and "font-src 'self'" in policy.group(1), f"{page} lets its faces load",
              policy.group(1) if policy else "no policy")

    print("font coverage test: all checks passed" if failures == 0 else f"font coverage test: {failures} check(s) failed")
    sys.exit(0 if failures == 0 else 1)


if __name__ == "__main__":
    main()
