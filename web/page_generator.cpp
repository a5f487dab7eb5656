// SPDX-License-Identifier: MIT
// Writes the web edition's page from the window description and the panel
// table, the same rows the Qt window is built from:
//
//   stereometry_page index OUT.html SCRIPT.js   the page, SCRIPT (the core and
//                                               web/page.js) inlined at its end
//   stereometry_page static OUT.html            the same controls without any script
//                                               (the benchmark's yardstick)
//   stereometry_page manifest OUT.json          the web app manifest
//   stereometry_page characters KIND            the characters of the captions drawn
//                                               in a font kind (standard, large-bold,
//                                               credit-italic), for the font subsets
//
// Every control stands where the description puts it, one CSS pixel per pixel
// (15 twips), with its caption, colours, font kind and tab index; its element
// id is its window name ("Text30", "Label13_2"), and screen readers hear the
// same names and descriptions as in the desktop window.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <string_view>

#include "layout.h"
#include "panel_table.h"

namespace {

using namespace geometry;
using namespace geometry::layout;

std::string escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string jsonString(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + '"';
}

std::string cssColour(Rgb colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
    return text;
}

std::string cssColour(SystemColour role) { return cssColour(systemColour(role)); }

int px(int twips) { return twipsToPixels(twips); }

// The window's face where the system has it: "Microsoft Sans Serif", the
// outline face Windows and macOS carry of that design. Not "MS Sans Serif"
// itself, which is a bitmap face that cannot follow the browser's zoom.
// Otherwise the face shipped with the page: Liberation Sans, subset and
// renamed, the regular narrowed so that every caption fits (web/fonts.py).
constexpr std::string_view fontStack = R"("Microsoft Sans Serif","Stereometry Sans",sans-serif)";

std::string fontFaces() {
    std::ostringstream css;
    const struct {
        const char* file;
        const char* weight;
        const char* style;
    } faces[] = {
        {"stereometry-sans-regular", "400", "normal"},
        {"stereometry-sans-bold", "700", "normal"},
        {"stereometry-sans-bolditalic", "700", "italic"},
    };
    for (const auto& face : faces)
        css << "@font-face{font-family:\"Stereometry Sans\";src:url(fonts/" << face.file
            << ".woff2) format(\"woff2\");font-weight:" << face.weight << ";font-style:" << face.style
            << "}\n";
    return css.str();
}

// The message box's icons, as a URL's data: the information "i" and the
// warning triangle.
constexpr std::string_view informationIcon =
    "%3Csvg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 32 32'%3E"
    "%3Ccircle cx='16' cy='16' r='15' fill='%230063b1'/%3E"
    "%3Crect x='14' y='13' width='4' height='12' fill='%23fff'/%3E"
    "%3Ccircle cx='16' cy='8.5' r='2.3' fill='%23fff'/%3E%3C/svg%3E";
constexpr std::string_view warningIcon =
    "%3Csvg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 32 32'%3E"
    "%3Cpath d='M16 2.5L30.5 29H1.5Z' fill='%23fc0' stroke='%23000' stroke-width='1.5' stroke-linejoin='round'/%3E"
    "%3Crect x='14.5' y='10' width='3' height='11' fill='%23000'/%3E"
    "%3Ccircle cx='16' cy='24.5' r='1.8' fill='%23000'/%3E%3C/svg%3E";

// The look of the classic Windows controls in the system colours: raised
// buttons, sunken fields, etched panel frames, opaque labels.
std::string styleSheet() {
    const std::string face = cssColour(SystemColour::ButtonFace);
    const std::string light = cssColour(SystemColour::ButtonLight);
    const std::string highlight = cssColour(SystemColour::ButtonHighlight);
    const std::string shadow = cssColour(SystemColour::ButtonShadow);
    const std::string darkShadow = cssColour(SystemColour::ButtonDarkShadow);
    const std::string buttonText = cssColour(SystemColour::ButtonText);
    const std::string raised = "inset -1px -1px " + darkShadow + ",inset 1px 1px " + highlight +
                               ",inset -2px -2px " + shadow + ",inset 2px 2px " + light;
    const std::string sunken = "inset 1px 1px " + shadow + ",inset -1px -1px " + highlight +
                               ",inset 2px 2px " + darkShadow + ",inset -2px -2px " + light;
    const std::string pressed = "inset 1px 1px " + darkShadow + ",inset -1px -1px " + highlight +
                                ",inset 2px 2px " + shadow + ",inset -2px -2px " + light;
    const WindowDescription& window = form1Window();
    const std::string form = "#" + std::string(window.name) + " ";  // the controls' rules outweigh its "*" rule
    std::ostringstream css;
    css << fontFaces()
        << "html{background:" << cssColour(window.background)
        << ";-webkit-text-size-adjust:100%;text-size-adjust:100%}\n"
        << "body{margin:0}\n"
        << "#" << window.name << "{position:relative;width:" << px(window.clientWidth)
        << "px;height:" << px(window.clientHeight) << "px;font:11px/13px " << fontStack
        << ";color:" << buttonText << ";-webkit-user-select:none;user-select:none}\n"
        << "#" << window.name
        << " *{position:absolute;box-sizing:border-box;margin:0;padding:0;border:0;font:inherit;color:inherit}\n"
        // A panel: its caption set into the top edge of an etched frame.
        << form << ".p{min-width:0}\n"
        << form << ".p::before{content:\"\";position:absolute;left:0;top:6px;right:1px;bottom:1px;border:1px solid "
        << shadow << ";box-shadow:1px 1px " << highlight << ",inset 1px 1px " << highlight << "}\n"
        << form << ".p>legend{left:7px;top:0;padding:0 2px;background:inherit;white-space:nowrap}\n"
        << form << ".l{background:" << face << ";overflow:hidden}\n"
        << form << ".c{text-align:center}\n"
        << form << ".t{background:" << cssColour(SystemColour::Window) << ";color:" << cssColour(SystemColour::WindowText)
        << ";box-shadow:" << sunken << ";padding:0 2px 0 3px;z-index:1;outline:0;border-radius:0;touch-action:manipulation;"
        << "-webkit-user-select:text;user-select:text}\n"
        // A result field too narrow for its number shows it rounded, drawn over
        // the field's own text while the field has no focus (web/page.js).
        << form << ".t.rounded:not(:focus){color:transparent}\n"
        << form << ".shown{display:none;z-index:2;padding:0 2px 0 3px;white-space:pre;overflow:hidden;"
        << "pointer-events:none;color:" << cssColour(SystemColour::WindowText) << "}\n"
        << form << ".t.rounded:not(:focus)+.shown{display:block}\n"
        << "#Announcement{left:0;top:0;width:1px;height:1px;overflow:hidden;clip-path:inset(50%)}\n"
        << form << ".t::selection{background:" << cssColour(SystemColour::Highlight)
        << ";color:" << cssColour(SystemColour::HighlightText) << "}\n"
        << form << ".b{background:" << face << ";box-shadow:" << raised
        << ";text-align:center;white-space:nowrap;overflow:hidden;touch-action:manipulation;border-radius:0}\n"
        << form << ".b:active{box-shadow:" << pressed << ";padding:1px 0 0 1px}\n"
        << form << ".b:focus-visible{outline:1px dotted " << buttonText << ";outline-offset:-4px}\n"
        << form << ".lb{font:bold 16px/19px " << fontStack << "}\n"
        << form << ".ci{font:italic bold 13px/15px " << fontStack << "}\n"
        << form << ".i{pointer-events:none}\n"
        // The message box: a title bar, the icon, the text and one OK button.
        << "dialog{padding:0;border:1px solid " << darkShadow << ";background:" << face << ";color:"
        << buttonText << ";font:12px/16px " << fontStack << ";min-width:240px;max-width:min(440px,92vw)}\n"
        << "dialog::backdrop{background:transparent}\n"
        << "#MessageTitle{margin:0;padding:4px 8px;background:" << highlight << ";font:inherit}\n"
        << "#MessageBody{display:flex;gap:12px;align-items:flex-start;padding:16px 16px 12px}\n"
        << "#MessageIcon{flex:none;width:32px;height:32px}\n"
        << "dialog.information #MessageIcon{background:url(\"data:image/svg+xml," << informationIcon << "\")}\n"
        << "dialog.warning #MessageIcon{background:url(\"data:image/svg+xml," << warningIcon << "\")}\n"
        << "#MessageText{margin:6px 0 0;white-space:pre-wrap}\n"
        << "#MessageButtons{margin:0;padding:0 16px 12px;text-align:right}\n"
        << "#MessageOK{min-width:75px;height:23px;font:inherit;background:" << face << ";border:0;box-shadow:"
        << raised << ";border-radius:0}\n"
        << "#MessageOK:focus-visible{outline:1px dotted " << buttonText << ";outline-offset:-4px}\n";
    return css.str();
}

std::string place(const ControlRow& row) {
    std::ostringstream style;
    style << "left:" << px(row.left) << "px;top:" << px(row.top) << "px;width:" << px(row.width)
          << "px;height:" << px(row.height) << "px";
    return style.str();
}

std::string fontClass(FontKind font) {
    switch (font) {
    case FontKind::Standard: return {};
    case FontKind::LargeBold: return " lb";
    case FontKind::CreditItalic: return " ci";
    }
    return {};
}

// "сфера и кълбо: пресметни" for a control in a panel; the words alone on the window.
std::string withPanelCaption(const ControlRow& row, std::string_view words) {
    const ControlRow* container = findControl(row.container);
    if (!container || container->kind != ControlKind::Panel) return std::string(words);
    return std::string(container->caption) + ": " + std::string(words);
}

// A field's accessible name and description, as the desktop window gives them.
void describeField(std::ostream& html, const ControlRow& row) {
    const FieldInfo& info = fieldInfo(*fieldByName(row.name));
    std::string name = withPanelCaption(row, info.label);
    const std::string_view distinction = info.input ? info.input->distinction : std::string_view();
    if (!distinction.empty()) name += " (" + std::string(distinction) + ")";
    html << " aria-label=\"" << escaped(name) << "\"";
    const std::string_view description = fieldDescription(info.field);
    if (!description.empty()) html << " aria-description=\"" << escaped(description) << "\"";
}

void writeControl(std::ostream& html, const ControlRow& row);

void writeChildren(std::ostream& html, std::string_view container) {
    for (const ControlRow& row : form1Controls())
        if (row.container == container) writeControl(html, row);
}

void writeControl(std::ostream& html, const ControlRow& row) {
    const std::string id(row.name);
    switch (row.kind) {
    case ControlKind::Panel:
        html << "<fieldset id=\"" << id << "\" class=\"p\" style=\"" << place(row) << ";background:"
             << cssColour(row.background.value_or(SystemColour::ButtonFace)) << "\"><legend>"
             << escaped(row.caption) << "</legend>\n";
        writeChildren(html, row.name);
        html << "</fieldset>\n";
        return;
    case ControlKind::Label: {
        const std::string classes = "l" + std::string(row.align == CaptionAlign::TopCentre ? " c" : "") +
                                    fontClass(row.font);
        if (!row.names.empty())
            html << "<label id=\"" << id << "\" for=\"" << row.names << "\"";
        else
            html << "<div id=\"" << id << "\"";
        html << " class=\"" << classes << "\" style=\"" << place(row) << "\">" << escaped(row.caption)
             << (row.names.empty() ? "</div>\n" : "</label>\n");
        return;
    }
    case ControlKind::TextField:
        html << "<input id=\"" << id << "\" class=\"t" << (fieldInfo(*fieldByName(row.name)).result ? " r" : "")
             << "\" type=\"text\" inputmode=\"decimal\" autocomplete=\"off\""
             << " autocapitalize=\"off\" autocorrect=\"off\" spellcheck=\"false\" tabindex=\"" << row.tabIndex
             << "\" style=\"" << place(row) << "\"";
        describeField(html, row);
        // The focus starts in the first tab stop.
        if (row.name == form1TabStops().front()->name) html << " autofocus";
        html << ">\n";
        // Where a result field shows its number rounded, when it is too wide.
        if (fieldInfo(*fieldByName(row.name)).result)
            html << "<span class=\"shown\" aria-hidden=\"true\" style=\"" << place(row) << ";line-height:"
                 << px(row.height) << "px\"></span>\n";
        return;
    case ControlKind::Button:
        html << "<button id=\"" << id << "\" class=\"b" << fontClass(row.font) << "\" type=\"button\" tabindex=\""
             << row.tabIndex << "\" style=\"" << place(row) << "\" aria-label=\""
             << escaped(withPanelCaption(row, row.caption)) << "\">" << escaped(row.caption) << "</button>\n";
        return;
    case ControlKind::Picture: {
        const std::string figure(pictureFigure(row.name));
        html << "<img id=\"" << id << "\" class=\"i\" src=\"pictures/" << id << ".svg\" width=\"" << px(row.width)
             << "\" height=\"" << px(row.height) << "\" style=\"" << place(row) << "\" alt=\"" << escaped(figure)
             << "\" aria-description=\"рисунка на " << escaped(figure) << "\" draggable=\"false\">\n";
        return;
    }
    }
}

// The page; `script` (the core's loader and web/page.js) inlined at its end, or
// no script at all.
std::string page(const std::string* script) {
    const bool withScript = script != nullptr;
    const WindowDescription& window = form1Window();
    std::ostringstream html;
    html << "<!DOCTYPE html>\n<html lang=\"bg\">\n<head>\n<meta charset=\"utf-8\">\n"
         // Phones show the whole window, scaled to their width; pinching zooms.
         << "<meta name=\"viewport\" content=\"width=" << px(window.clientWidth) << "\">\n"
         << "<title>" << escaped(window.caption) << "</title>\n";
    if (withScript) {
        html << "<meta name=\"theme-color\" content=\"" << cssColour(window.background) << "\">\n"
             << "<link rel=\"manifest\" href=\"manifest.webmanifest\">\n"
             << "<link rel=\"icon\" href=\"icons/icon.svg\" type=\"image/svg+xml\">\n"
             << "<link rel=\"apple-touch-icon\" href=\"icons/icon-192.png\">\n";
    }
    html << "<style>\n" << styleSheet() << "</style>\n</head>\n<body>\n"
         << "<main id=\"" << window.name << "\" aria-label=\"" << escaped(window.caption) << "\">\n";
    // What a completed press announces to a screen reader; inside the window,
    // where nothing of it shows.
    if (withScript) html << "<div id=\"Announcement\" role=\"status\" aria-live=\"polite\"></div>\n";
    writeChildren(html, window.name);
    html << "</main>\n";
    if (withScript) {
        // The one message box every message of the window uses, one after another.
        html << "<dialog id=\"Message\" aria-labelledby=\"MessageTitle\" aria-describedby=\"MessageText\">"
             << "<h2 id=\"MessageTitle\"></h2><div id=\"MessageBody\"><div id=\"MessageIcon\" aria-hidden=\"true\">"
             << "</div><p id=\"MessageText\"></p></div><form id=\"MessageButtons\" method=\"dialog\">"
             << "<button id=\"MessageOK\" autofocus>OK</button></form></dialog>\n"
             // The core and the page's own script, the module inside: no request
             // of their own before the first press; they run as soon as the
             // controls are parsed.
             << "<script>\n" << *script << "</script>\n";
    }
    html << "</body>\n</html>\n";
    return html.str();
}

std::string manifest() {
    const WindowDescription& window = form1Window();
    const std::string background = cssColour(window.background);
    std::ostringstream json;
    json << "{\n  \"name\": " << jsonString(window.caption) << ",\n"
         << "  \"short_name\": \"стереометрия\",\n"
         << "  \"lang\": \"bg\",\n  \"dir\": \"ltr\",\n"
         << "  \"id\": \"./\",\n  \"start_url\": \"./\",\n  \"scope\": \"./\",\n"
         << "  \"display\": \"standalone\",\n"
         << "  \"background_color\": \"" << background << "\",\n  \"theme_color\": \"" << background << "\",\n"
         << "  \"icons\": [\n"
         << "    {\"src\": \"icons/icon-192.png\", \"sizes\": \"192x192\", \"type\": \"image/png\"},\n"
         << "    {\"src\": \"icons/icon-512.png\", \"sizes\": \"512x512\", \"type\": \"image/png\"},\n"
         << "    {\"src\": \"icons/icon.svg\", \"sizes\": \"any\", \"type\": \"image/svg+xml\"}\n"
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
    std::cerr << "usage: stereometry_page index OUT SCRIPT\n"
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
    if (what == "index" && argc == 4) {
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
        text = page(&script);
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
