// SPDX-License-Identifier: MIT
// Writes the web edition's page from the window description and the panel
// table, the same rows the Qt window is built from:
//
//   stereometry_page index OUT.html SCRIPT.js   the page, SCRIPT (the core and
//                                               web/page.js) inlined at its end
//   stereometry_page problems OUT.html SCRIPT.js  the problems page, zadachi.html
//                                               (problems_markup.cpp), SCRIPT inlined
//   stereometry_page sheet OUT.html SCRIPT.js   the worksheet page, listove.html
//                                               (sheet_markup.cpp), SCRIPT inlined
//   stereometry_page static OUT.html            the same controls without any script
//                                               (the benchmark's yardstick)
//   stereometry_page manifest OUT.json          the web app manifest
//   stereometry_page characters KIND            the characters of the captions drawn
//                                               in a font kind (standard, large-bold,
//                                               credit-italic), for the font subsets
//
// Where the window fits and the pointer is a mouse's, every control stands
// where the description puts it, one CSS pixel per pixel (15 twips), with its
// caption, colours and font kind; on a touch screen of any width, and below the
// window's width, the same controls make a page for fingers, and on paper a
// printout (page_style.cpp, page_markup.cpp). Element ids are the window names
// ("Text30", "Label13_2"), screen readers hear the same names and descriptions
// as in the desktop window, and a Content-Security-Policy lets in the page's
// own inline script and stylesheet by their hashes and the site's own files.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <string_view>

#include "content_hash.h"
#include "layout.h"
#include "page_markup.h"
#include "page_style.h"
#include "problems_markup.h"
#include "sheet_markup.h"

namespace {

using namespace geometry;
using namespace geometry::layout;
using namespace geometry::web;

constexpr std::string_view description =
    "Калкулатор за лицата на повърхнините и обемите на призма, пирамида, цилиндър, конус и кълбо и за "
    "периметъра и лицето на правилен многоъгълник: въведете размерите и вижте резултатите и как се намират.";

// What the page may load: its own inline script and stylesheet, named by their
// hashes, the core compiled from that script, and the site's own files.
std::string securityPolicy(const std::string& style, const std::string* script) {
    const std::string scripts = script ? sha256Source(*script) + " 'wasm-unsafe-eval'" : "'none'";
    return "default-src 'none'; script-src " + scripts + "; style-src " + sha256Source(style) +
           "; img-src 'self' data:; font-src 'self'; manifest-src 'self'; worker-src 'self'; connect-src 'self'; "
           "base-uri 'none'; form-action 'none'";
}

void writeHead(std::ostream& html, const std::string& style, const std::string* script) {
    const WindowDescription& window = form1Window();
    html << "<!DOCTYPE html>\n<html lang=\"bg\">\n<head>\n<meta charset=\"utf-8\">\n"
         // Laid out for the screen's own width: the window where it fits, a
         // page made for a phone below; pinching still zooms.
         << "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
         << "<meta http-equiv=\"Content-Security-Policy\" content=\"" << securityPolicy(style, script) << "\">\n"
         << "<title>" << escaped(window.caption) << "</title>\n"
         << "<meta name=\"description\" content=\"" << escaped(description) << "\">\n";
    if (script) {
        html << "<meta name=\"theme-color\" content=\"" << cssColour(window.background) << "\">\n"
             << "<link rel=\"manifest\" href=\"manifest.webmanifest\">\n"
             << "<link rel=\"icon\" href=\"icons/icon.svg\" type=\"image/svg+xml\">\n"
             << "<link rel=\"apple-touch-icon\" href=\"icons/icon-192.png\">\n";
    }
    html << "<style>" << style << "</style>\n</head>\n";
}

// The page; `script` (the core's loader and web/page.js) inlined at its end, or
// no script at all.
std::string page(const std::string* script) {
    const WindowDescription& window = form1Window();
    const std::string style = "\n" + styleSheet();
    std::ostringstream html;
    writeHead(html, style, script);
    html << "<body>\n<main id=\"" << window.name << "\" aria-labelledby=\"Caption\" data-window-layout=\""
         << windowLayoutQuery() << "\" data-tab-order=\"" << windowTabOrder() << "\">\n<h1 id=\"Caption\">"
         << escaped(window.caption) << "</h1>\n";
    if (script) {
        // The day a printout was made, under its title; shown only on paper.
        html << "<p id=\"Printed\"></p>\n"
             // What a completed press announces to a screen reader; inside the
             // window, where nothing of it shows.
             << "<div id=\"Announcement\" role=\"status\" aria-live=\"polite\"></div>\n";
    }
    writeWindowControls(html);
    html << "</main>\n<footer><a href=\"guide.html\">Ръководство за ученици и учители</a> · "
         << "<a href=\"zadachi.html\">Задачи по стереометрия</a> · <a href=\"listove.html\">Листове със задачи</a></footer>\n";
    if (script) {
        // The one message box every message of the window uses, one after another.
        html << "<dialog id=\"Message\" aria-labelledby=\"MessageTitle\" aria-describedby=\"MessageText\">"
             << "<h2 id=\"MessageTitle\"></h2><div id=\"MessageBody\"><div id=\"MessageIcon\" aria-hidden=\"true\">"
             << "</div><p id=\"MessageText\"></p></div><form id=\"MessageButtons\" method=\"dialog\">"
             << "<button id=\"MessageOK\" autofocus>OK</button></form></dialog>\n"
             // The core and the page's own script, the module inside: no request
             // of their own before the first press; they run as soon as the
             // controls are parsed.
             << "<script>" << *script << "</script>\n";
    }
    html << "</body>\n</html>\n";
    return html.str();
}

std::string manifest() {
    const WindowDescription& window = form1Window();
    const std::string background = cssColour(window.background);
    std::ostringstream json;
    json << "{\n  \"name\": " << quotedString(window.caption) << ",\n"
         << "  \"short_name\": \"стереометрия\",\n"
         << "  \"lang\": \"bg\",\n  \"dir\": \"ltr\",\n"
         << "  \"id\": \"./\",\n  \"start_url\": \"./\",\n  \"scope\": \"./\",\n"
         << "  \"display\": \"standalone\",\n"
         << "  \"background_color\": \"" << background << "\",\n  \"theme_color\": \"" << background << "\",\n"
         << "  \"icons\": [\n"
         << "    {\"src\": \"icons/icon-192.png\", \"sizes\": \"192x192\", \"type\": \"image/png\"},\n"
         << "    {\"src\": \"icons/icon-512.png\", \"sizes\": \"512x512\", \"type\": \"image/png\"},\n"
         << "    {\"src\": \"icons/icon.svg\", \"sizes\": \"any\", \"type\": \"image/svg+xml\"}\n"
         << "  ],\n"
         // The problems page, offered beside the calculator where the app is installed.
         << "  \"shortcuts\": [\n"
         << "    {\"name\": \"Задачи по стереометрия\", \"short_name\": \"Задачи\", \"url\": \"zadachi.html\",\n"
         << "     \"icons\": [{\"src\": \"icons/icon-192.png\", \"sizes\": \"192x192\", \"type\": \"image/png\"}]},\n"
         << "    {\"name\": \"Листове със задачи\", \"short_name\": \"Листове\", \"url\": \"listove.html\",\n"
         << "     \"icons\": [{\"src\": \"icons/icon-192.png\", \"sizes\": \"192x192\", \"type\": \"image/png\"}]}\n"
         << "  ]\n}\n";
    return json.str();
}

// Every character the captions drawn in `kind` use (panel captions and labels
// share the standard font), one UTF-8 string.
std::string characters(FontKind kind) {
    std::set<std::string> seen;
    std::string out;
    const auto add = [&](std::string_view text) {
        for (size_t i = 0; i < text.size();) {
            const unsigned char lead = static_cast<unsigned char>(text[i]);
            const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
            const std::string character(text.substr(i, length));
            if (seen.insert(character).second) out += character;
            i += length;
        }
    };
    for (const ControlRow& row : form1Controls())
        if (row.font == kind) add(row.caption);
    if (kind == FontKind::Standard) add(form1Window().caption);
    return out;
}

bool readFile(const char* path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream read;
    read << in.rdbuf();
    text = read.str();
    return static_cast<bool>(in);
}

bool writeFile(const char* path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    return static_cast<bool>(out.flush());
}

int usage() {
    std::cerr << "usage: stereometry_page index|problems|sheet OUT SCRIPT\n"
                 "       stereometry_page static|manifest OUT\n"
                 "       stereometry_page characters standard|large-bold|credit-italic\n";
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) return usage();
    const std::string_view what = argv[1];
    if (what == "characters" && argc == 3) {
        const std::string_view kind = argv[2];
        if (kind == "standard") std::cout << characters(FontKind::Standard);
        else if (kind == "large-bold") std::cout << characters(FontKind::LargeBold);
        else if (kind == "credit-italic") std::cout << characters(FontKind::CreditItalic);
        else return usage();
        return 0;
    }
    std::string text;
    if ((what == "index" || what == "problems" || what == "sheet") && argc == 4) {
        std::string script;
        if (!readFile(argv[3], script)) {
            std::cerr << "stereometry_page: cannot read " << argv[3] << "\n";
            return 1;
        }
        // Inlined, the script must not hold what would end its element early.
        if (script.find("</script") != std::string::npos || script.find("<!--") != std::string::npos) {
            std::cerr << "stereometry_page: " << argv[3] << " holds \"</script\" or \"<!--\"\n";
            return 1;
        }
        text = what == "index" ? page(&script) : what == "problems" ? problemsPage(script) : sheetPage(script);
    } else if (what == "static" && argc == 3) {
        text = page(nullptr);
    } else if (what == "manifest" && argc == 3) {
        text = manifest();
    } else {
        return usage();
    }
    if (!writeFile(argv[2], text)) {
        std::cerr << "stereometry_page: cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
