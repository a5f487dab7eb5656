#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Checks the project's Markdown: in README.md and docs/*.md every relative
link and picture leads to a file of the repository, and every #anchor to a
heading of its file (named as GitHub names them); README.md stays short, at
most 150 lines, with ./run.sh and ./test.sh in its first 15. Prints each fault
and exits with 1 on any.

    scripts/check_links.py [ROOT]        (the repository by default)
"""
import re
import sys
from pathlib import Path
from urllib.parse import unquote

sys.dont_write_bytecode = True  # no __pycache__ left in web/
sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "web"))
from guide import heading_id  # noqa: E402  (the guide page names its headings alike)

README_LINES = 150
README_COMMANDS_WITHIN = 15

FENCE = re.compile(r"^ {0,3}(```|~~~).*?^ {0,3}\1[^\n]*$", re.M | re.S)
CODE_SPAN = re.compile(r"(`+).+?\1", re.S)
INLINE_TARGET = re.compile(r"\]\(\s*<?([^)\s>]+)>?(?:\s+\"[^\"]*\")?\s*\)")
REFERENCE_TARGET = re.compile(r"^ {0,3}\[[^\]]+\]:\s*<?(\S+?)>?(?:\s|$)", re.M)
HTML_TARGET = re.compile(r"\b(?:src|href)=\"([^\"]+)\"")
HEADING = re.compile(r"^ {0,3}#{1,6}[ \t]+(.+?)[ \t#]*$", re.M)
SCHEME = re.compile(r"^[A-Za-z][A-Za-z0-9+.-]*:")


def without_code(text):
    text = FENCE.sub("", text)
    return CODE_SPAN.sub("", text)


def targets(text):
    prose = without_code(text)
    for pattern in (INLINE_TARGET, REFERENCE_TARGET, HTML_TARGET):
        yield from pattern.findall(prose)


def anchors(path):
    """The anchors of a Markdown file's headings; a repeated one gains -1, -2."""
    found = set()
    for heading in HEADING.findall(FENCE.sub("", path.read_text(encoding="utf-8"))):
        text = re.sub(r"\[([^\]]*)\]\([^)]*\)", r"\1", heading)  # a link shows its text
        base = heading_id(re.sub(r"[*`]", "", text))
        anchor, repeat = base, 0
        while anchor in found:
            repeat += 1
            anchor = f"{base}-{repeat}"
        found.add(anchor)
    return found


def link_faults(path, root):
    for target in targets(path.read_text(encoding="utf-8")):
        if SCHEME.match(target):
            continue
        file_part, _, anchor = target.partition("#")
        linked = (path.parent / unquote(file_part)).resolve() if file_part else path
        where = f"{path.relative_to(root)}: {target}"
        if root not in linked.parents and linked != root:
            yield f"{where}: leads out of the repository"
        elif not linked.exists():
            yield f"{where}: no such file"
        elif anchor and linked.suffix == ".md" and unquote(anchor) not in anchors(linked):
            yield f"{where}: no heading makes the anchor #{anchor}"


def readme_faults(readme):
    lines = readme.read_text(encoding="utf-8").splitlines()
    if len(lines) > README_LINES:
        yield f"README.md: {len(lines)} lines, more than {README_LINES}"
    opening = "\n".join(lines[:README_COMMANDS_WITHIN])
    for command in ("./run.sh", "./test.sh"):
        if command not in opening:
            yield f"README.md: {command} is not in the first {README_COMMANDS_WITHIN} lines"


def main():
    root = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).parent.parent).resolve()
    readme = root / "README.md"
    pages = [readme, *sorted((root / "docs").glob("*.md"))]
    faults = list(readme_faults(readme))
    for page in pages:
        faults.extend(link_faults(page, root))
    for fault in faults:
        print(f"check_links: {fault}", file=sys.stderr)
    if faults:
        sys.exit(1)
    print(f"check_links: {len(pages)} Markdown files, every link leads somewhere")


if __name__ == "__main__":
    main()
