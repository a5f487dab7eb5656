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

On a phone the window's pictures would shrink to two thirds, their text to
7 pixels: where the page for a phone has a picture of its own (ON_A_PHONE), a
phone shows that one instead; any other picture of the window opens at its
full size when tapped. Pictures of the phone are taken at two device pixels to
a CSS pixel and shown at half their size. A letter, "=" and its value
("r = 1") are kept on one line.
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

# Pictures of the page on a phone, at two device pixels to a CSS pixel.
DOUBLE_DENSITY = {"phone.png", "solution.png", "error-phone.png"}

# The window's pictures that a phone shows in the page for a phone's own, and
# the widest screen that counts as a phone here.
ON_A_PHONE = {"window.png": "phone.png", "error.png": "error-phone.png"}
PHONE_WIDTH = "40rem"

# "r = 1", "S1 = 78": a letter (with a digit), "=" and what follows it.
LETTER_EQUALS = re.compile(r"(?<!\w)([A-Za-zπ]\d?) = (?=\S)")


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


def copied(name, docs, pictures, copies):
    """The copy of docs/NAME under guide/, made once; None when docs lacks it."""
    if name not in copies:
        if not (docs / name).is_file():
            print(f"guide.py: warning: docs/{name} is missing; guide.html goes without it",
                  file=sys.stderr)
            copies[name] = None
        else:
            reduced_copy(docs / name, pictures / name)
            copies[name] = pictures / name
    return copies[name]


def shown_size(name, copy):
    """The picture's size in CSS pixels."""
    width, height = png_size(copy)
    return (width // 2, height // 2) if name in DOUBLE_DENSITY else (width, height)


def place_pictures(root, docs, site):
    """Points every <img> at its copy under guide/ and makes the copies; puts
    the phone's own picture in place of the window's on a phone, and links any
    other picture of the window to itself at full size."""
    import xml.etree.ElementTree as etree

    pictures = site / "guide"
    pictures.mkdir(exist_ok=True)
    parents = {child: parent for parent in root.iter() for child in parent}
    copies = {}
    for img in list(root.iter("img")):
        name = img.get("src")
        if "/" in name or not name.endswith(".png"):
            sys.exit(f"guide.py: {name}: the guide's pictures are PNG files in docs/")
        copy = copied(name, docs, pictures, copies)
        if copy is None:
            leave_out(img, parents)
            continue
        width, height = shown_size(name, copy)
        img.set("src", "guide/" + name)
        if name in DOUBLE_DENSITY:
            img.set("srcset", f"guide/{name} 2x")
        img.set("width", str(width))
        img.set("height", str(height))
        img.set("loading", "lazy")
        phone = ON_A_PHONE.get(name)
        phone_copy = phone and copied(phone, docs, pictures, copies)
        wrapper = etree.Element("picture" if phone_copy else "a")
        if phone_copy:
            phone_width, phone_height = shown_size(phone, phone_copy)
            etree.SubElement(wrapper, "source", media=f"(max-width: {PHONE_WIDTH})",
                             srcset=f"guide/{phone} 2x" if phone in DOUBLE_DENSITY else f"guide/{phone}",
                             width=str(phone_width), height=str(phone_height))
        elif name not in DOUBLE_DENSITY:
            wrapper.set("href", "guide/" + name)
        else:
            continue
        parent = parents[img]
        index = list(parent).index(img)
        parent.remove(img)
        wrapper.append(img)
        wrapper.tail, img.tail = img.tail, None
        parent.insert(index, wrapper)
    total = sum(copy.stat().st_size for copy in copies.values() if copy)
    if total > PICTURES_BUDGET:
        sys.exit(f"guide.py: the guide's pictures take {total // 1024} KB on the site, more than "
                 f"{PICTURES_BUDGET // 1024} KB: make them smaller")


def leave_out(img, parents):
    """Removes a picture, and its paragraph when it stood there alone."""
    paragraph = parents[img]
    paragraph.remove(img)
    if paragraph.tag == "p" and len(paragraph) == 0 and not (paragraph.text or "").strip():
        parents[paragraph].remove(paragraph)


def keep_letter_with_value(root):
    """No line break between a letter, "=" and its value, outside code."""
    def mend(text):
        return LETTER_EQUALS.sub("\\1\u00a0=\u00a0", text) if text else text

    def walk(element):
        if element.tag in ("code", "pre"):
            return
        element.text = mend(element.text)
        for child in element:
            walk(child)
            child.tail = mend(child.tail)

    walk(root)


def addresses_break_between_pairs(body):
    """An address in code may break after "?", "&" and ",", not inside a word."""
    def between_pairs(code):
        return code.group(1) + re.sub(r"(\?|&amp;|,)(?=\S)", "\\1<wbr>", code.group(2)) + "</code>"
    return re.sub(r"(<code[^>]*>)(.*?)</code>", between_pairs, body, flags=re.S)


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
<nav aria-label="към калкулатора, задачите и листовете"><a href="index.html">← към калкулатора</a> · <a href="zadachi.html">Задачи по стереометрия</a> · <a href="listove.html">Листове със задачи</a></nav>
<main>
{body}
</main>
<footer><a href="index.html">← към калкулатора</a></footer>
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
            links_within_the_site(root)
            place_pictures(root, guide.parent, site)
            keep_letter_with_value(root)
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
    body = body.replace("></source>", ">")  # a void element, which the serializer closes
    body = addresses_break_between_pairs(body)
    write_page(body, found["title"], found["description"], site / "guide.html")
    shutil.copyfile(Path(__file__).with_name("guide.css"), site / "guide.css")


if __name__ == "__main__":
    main()
