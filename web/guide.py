#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Writes the Bulgarian guide as a page of the site, next to the calculator.

    web/guide.py GUIDE.md SITE_DIR

Makes SITE_DIR/guide.html from the Markdown (python3-markdown), copies
web/guide.css beside it and the guide's pictures into SITE_DIR/guide/, each
reduced to 32 colours by pngquant so that the first visit, which downloads
every file of the site, stays small. A picture the Markdown names but the
folder lacks is left out with a warning (the link check of ./test.sh fails on
it); a link to any other file of the repository is an error, as the site does
not hold it.
"""
import html
import re
import shutil
import struct
import subprocess
import sys
from pathlib import Path

# Every picture of the guide together, after pngquant: the site's first visit
# downloads them all, beside the calculator (about 130 KB) and the problems
# page with its solver (about 130 KB).
PICTURES_BUDGET = 150 * 1024


def heading_id(text, separator="-"):
    """A heading's anchor as GitHub makes it, so that the Markdown's own links
    work on GitHub and on the page alike: lower case, punctuation dropped,
    each space a hyphen."""
    return re.sub(r"[^\w\- ]", "", text.lower()).replace(" ", separator)


def png_size(path):
    width, height = struct.unpack(">II", path.read_bytes()[16:24])
    return width, height


def reduced_copy(source, target):
    """The picture in 32 colours, or as it is where that is no smaller."""
    subprocess.run(["pngquant", "--force", "--strip", "--speed", "1", "--nofs", "32",
                    "--output", str(target), str(source)], check=True)
    if target.stat().st_size >= source.stat().st_size:
        shutil.copyfile(source, target)


def place_pictures(root, docs, site):
    """Points every <img> at its copy under guide/ and makes the copies."""
    pictures = site / "guide"
    pictures.mkdir(exist_ok=True)
    parents = {child: parent for parent in root.iter() for child in parent}
    total = 0
    for img in list(root.iter("img")):
        name = img.get("src")
        if "/" in name or not name.endswith(".png"):
            sys.exit(f"guide.py: {name}: the guide's pictures are PNG files in docs/")
        source = docs / name
        if not source.is_file():
            print(f"guide.py: warning: docs/{name} is missing; guide.html goes without it",
                  file=sys.stderr)
            leave_out(img, parents)
            continue
        reduced_copy(source, pictures / name)
        total += (pictures / name).stat().st_size
        width, height = png_size(pictures / name)
        img.set("src", "guide/" + name)
        img.set("width", str(width))
        img.set("height", str(height))
        img.set("loading", "lazy")
    if total > PICTURES_BUDGET:
        sys.exit(f"guide.py: the guide's pictures take {total // 1024} KB on the site, more than "
                 f"{PICTURES_BUDGET // 1024} KB: make them smaller")


def leave_out(img, parents):
    """Removes a picture, and its paragraph when it stood there alone."""
    paragraph = parents[img]
    paragraph.remove(img)
    if paragraph.tag == "p" and len(paragraph) == 0 and not (paragraph.text or "").strip():
        parents[paragraph].remove(paragraph)


def links_within_the_site(root):
    for link in root.iter("a"):
        href = link.get("href", "")
        if not re.match(r"(#|https?:|mailto:)", href):
            sys.exit(f"guide.py: link to {href}: the site holds only the guide and the calculator")


def first_paragraph_after(root, heading):
    children = list(root)
    following = children[children.index(heading) + 1:]
    return plain_text(next(child for child in following if child.tag == "p"))


def plain_text(element):
    return " ".join("".join(element.itertext()).split())


def write_page(body, title, description, target):
    target.write_text(f"""<!DOCTYPE html>
<html lang="bg">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<meta http-equiv="Content-Security-Policy" content="default-src 'self'">
<title>{html.escape(title)}</title>
<meta name="description" content="{html.escape(description)}">
<link rel="stylesheet" href="guide.css">
<link rel="icon" href="icons/icon.svg" type="image/svg+xml">
</head>
<body>
<nav><a href="index.html">← към калкулатора</a> · <a href="zadachi.html">Задачи по стереометрия</a></nav>
<main>
{body}
</main>
<nav><a href="index.html">← към калкулатора</a></nav>
</body>
</html>
""", encoding="utf-8")


def main():
    # Here, not above: scripts/check_links.py takes heading_id from this file
    # and runs where python3-markdown may be missing.
    import markdown
    from markdown.treeprocessors import Treeprocessor

    guide, site = Path(sys.argv[1]), Path(sys.argv[2])
    found = {}

    class SitePage(Treeprocessor):
        def run(self, root):
            place_pictures(root, guide.parent, site)
            links_within_the_site(root)
            headings = list(root.iter("h1"))
            if len(headings) != 1:
                sys.exit(f"guide.py: {guide} has {len(headings)} first-level headings, not one")
            found["title"] = plain_text(headings[0])
            found["description"] = first_paragraph_after(root, headings[0])

    converter = markdown.Markdown(output_format="html",
                                  extensions=["fenced_code", "tables", "sane_lists", "toc"],
                                  extension_configs={"toc": {"slugify": heading_id}})
    converter.treeprocessors.register(SitePage(converter), "site_page", 0)
    body = converter.convert(guide.read_text(encoding="utf-8"))
    body = re.sub(r"<!--.*?-->\n?", "", body, flags=re.S)
    write_page(body, found["title"], found["description"], site / "guide.html")
    shutil.copyfile(Path(__file__).with_name("guide.css"), site / "guide.css")


if __name__ == "__main__":
    main()
