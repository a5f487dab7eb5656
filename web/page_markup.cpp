// SPDX-License-Identifier: MIT
#include "page_markup.h"

#include <algorithm>
#include <vector>

#include "drawing_block.h"
#include "panel_table.h"

namespace geometry::web {
namespace {

using namespace geometry::layout;

int px(int twips) { return twipsToPixels(twips); }

bool overlapVertically(const ControlRow& x, const ControlRow& y) {
    return x.top < y.top + y.height && y.top < x.top + x.height;
}

// The panel's controls in the window's reading order: row by row, left to
// right. A row starts at the highest control beside a control, so that a
// caption two lines high ("3 друга права призма") reads with the first row it
// stands beside. Pictures are left out.
std::vector<const ControlRow*> rowByRow(std::string_view panel) {
    std::vector<const ControlRow*> rows;
    for (const ControlRow& row : form1Controls())
        if (row.container == panel && row.kind != ControlKind::Picture) rows.push_back(&row);
    const auto rowTop = [&rows](const ControlRow* control) {
        int top = control->top;
        for (const ControlRow* other : rows)
            if (overlapVertically(*control, *other)) top = std::min(top, other->top);
        return top;
    };
    std::stable_sort(rows.begin(), rows.end(), [&](const ControlRow* x, const ControlRow* y) {
        const int xTop = rowTop(x), yTop = rowTop(y);
        return xTop != yTop ? xTop < yTop : x->left < y->left;
    });
    return rows;
}

// "сфера и кълбо: пресметни" for a control in a panel; the words alone on the window.
std::string withPanelCaption(const ControlRow& row, std::string_view words) {
    const ControlRow* container = findControl(row.container);
    if (!container || container->kind != ControlKind::Panel) return std::string(words);
    return std::string(container->caption) + ": " + std::string(words);
}

std::string fontClass(FontKind font) {
    switch (font) {
    case FontKind::Standard: return {};
    case FontKind::LargeBold: return " lb";
    case FontKind::CreditItalic: return " ci";
    }
    return {};
}

void writeLabel(std::ostream& html, const ControlRow& row) {
    // A label that names no field heads what follows it ("2 куб", "лице на сфера").
    const std::string classes = std::string("l") + (row.names.empty() ? " f" : "") +
                                (row.align == CaptionAlign::TopCentre ? " c" : "") + fontClass(row.font);
    if (!row.names.empty())
        html << "<label id=\"" << row.name << "\" for=\"" << row.names << "\"";
    else
        html << "<div id=\"" << row.name << "\"";
    html << " class=\"" << classes << "\">" << escaped(row.caption) << (row.names.empty() ? "</div>\n" : "</label>\n");
}

// A field's accessible name and description, as the desktop window gives them.
void describeField(std::ostream& html, const ControlRow& row) {
    const Field field = *fieldByName(row.name);
    html << " aria-label=\"" << escaped(withPanelCaption(row, fieldWords(field))) << "\"";
    const std::string_view description = fieldDescription(field);
    if (!description.empty()) html << " aria-description=\"" << escaped(description) << "\"";
}

// What the phone keyboard's Enter key says in an input: "next" (the panel's
// next input), "go" on its last (its "пресметни"); none in a result field.
enum class EnterKey { None, Next, Go };

void writeTextField(std::ostream& html, const ControlRow& row, EnterKey enter = EnterKey::None) {
    const bool result = isResultField(row);
    // A result field and what it shows rounded when its number is too wide.
    if (result) html << "<span class=\"rw\">";
    html << "<input id=\"" << row.name << "\" class=\"t" << (result ? " r" : "")
         << "\" type=\"text\" inputmode=\"decimal\" autocomplete=\"off\""
         << " autocapitalize=\"off\" autocorrect=\"off\" spellcheck=\"false\"";
    if (enter != EnterKey::None) html << " enterkeyhint=\"" << (enter == EnterKey::Go ? "go" : "next") << "\"";
    describeField(html, row);
    // The focus starts in the window's first tab stop.
    if (row.name == form1TabStops().front()->name) html << " autofocus";
    html << ">";
    if (result) html << "<span class=\"shown\" aria-hidden=\"true\"></span></span>";
    html << "\n";
}

void writeButton(std::ostream& html, const ControlRow& row) {
    html << "<button id=\"" << row.name << "\" class=\"b" << fontClass(row.font) << "\" type=\"button\" aria-label=\""
         << escaped(withPanelCaption(row, row.caption)) << "\">" << escaped(row.caption) << "</button>\n";
}

void writePicture(std::ostream& html, const ControlRow& row) {
    const std::string figure(pictureFigure(row.name));
    html << "<img id=\"" << row.name << "\" class=\"i\" src=\"pictures/" << row.name << ".svg\" width=\""
         << px(row.width) << "\" height=\"" << px(row.height) << "\" alt=\"" << escaped(figure)
         << "\" aria-description=\"рисунка на " << escaped(figure) << "\" draggable=\"false\">\n";
}

void writeControl(std::ostream& html, const ControlRow& row) {
    switch (row.kind) {
    case ControlKind::Label: writeLabel(html, row); return;
    case ControlKind::TextField: writeTextField(html, row); return;
    case ControlKind::Button: writeButton(html, row); return;
    case ControlKind::Picture: writePicture(html, row); return;
    case ControlKind::Panel: return;
    }
}

// A field, the label that names it, and the labels that name nothing since
// the field before it ("2 куб"), which head it.
struct Entry {
    std::vector<const ControlRow*> captions;
    const ControlRow* field;
};

bool isCalculateButton(const ControlRow& row) {
    const std::optional<Button> button = buttonByName(row.name);
    const PanelRow* panel = button ? panelOf(*button) : nullptr;
    return panel && panel->calculate.button == *button;
}

// „Реши като задача“ under a panel's solution: the problems page with the
// panel's inputs, its address set by the core with the solution ("Task5").
void writeTaskLink(std::ostream& html, const ControlRow& panel) {
    const std::string id = "Task" + solutionId(panel).substr(std::string_view("Solution").size());
    html << "<a id=\"" << id << "\" class=\"task\" href=\"zadachi.html\" hidden aria-label=\""
         << escaped(panel.caption) << ": реши като задача" << "\">Реши като задача</a>\n";
}

// A panel and its solution, kept together where the page is laid out in cards
// and on paper; the calculate button named for the keyboard's Enter (web/page.js).
void writePanel(std::ostream& html, const ControlRow& panel) {
    html << "<div class=\"ps\">\n<section id=\"" << panel.name << "\" class=\"p\" aria-labelledby=\"" << panel.name
         << "_Caption\">\n<h2 id=\"" << panel.name << "_Caption\" class=\"pc\">" << escaped(panel.caption) << "</h2>\n";
    html << "<div class=\"pics\">\n";
    for (const ControlRow& row : form1Controls())
        if (row.container == panel.name && row.kind == ControlKind::Picture) writePicture(html, row);
    html << "</div>\n";

    std::vector<Entry> inputs, results;
    std::vector<const ControlRow*> calculate, clear, captions;
    for (const ControlRow* row : rowByRow(panel.name)) {
        if (row->kind == ControlKind::Button) {
            (isCalculateButton(*row) ? calculate : clear).push_back(row);
        } else if (row->kind == ControlKind::Label && row->names.empty()) {
            captions.push_back(row);
        } else if (row->kind == ControlKind::TextField) {
            (isResultField(*row) ? results : inputs).push_back({captions, row});
            captions.clear();
        }
    }
    // Each field on one line with its label, after the captions that head it.
    const auto writeEntries = [&html](const std::vector<Entry>& entries, bool input) {
        for (const Entry& entry : entries) {
            for (const ControlRow* caption : entry.captions) writeControl(html, *caption);
            html << "<div class=\"e\">\n";
            if (const ControlRow* label = labelNaming(entry.field->name)) writeControl(html, *label);
            const EnterKey enter = !input ? EnterKey::None : &entry == &entries.back() ? EnterKey::Go : EnterKey::Next;
            writeTextField(html, *entry.field, enter);
            html << "</div>\n";
        }
    };
    writeEntries(inputs, true);
    for (const ControlRow* row : calculate) writeControl(html, *row);
    writeEntries(results, false);
    for (const ControlRow* row : clear) writeControl(html, *row);
    for (const ControlRow* row : captions) writeControl(html, *row);
    html << "</section>\n";
    // How the panel's results were found: one line each, written by the core.
    html << "<div id=\"" << solutionId(panel) << "\" class=\"sol\"></div>\n";
    writeTaskLink(html, panel);
    // The solid drawn, as the problems page draws the task (web/page.js).
    writeDrawingBlock(html, "Drawings" + solutionId(panel).substr(std::string_view("Solution").size()),
                      "Чертеж: " + escaped(panel.caption));
    html << "</div>\n";
}

}  // namespace

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

std::string solutionId(const ControlRow& panel) {
    std::string_view number = panel.name;
    number.remove_prefix(std::string_view("Frame").size());
    return "Solution" + std::string(number);
}

bool isResultField(const ControlRow& row) {
    const std::optional<Field> field = row.kind == ControlKind::TextField ? fieldByName(row.name) : std::nullopt;
    return field && fieldInfo(*field).result;
}

// On a phone: a row of the panels' figures at the top, each a link to its panel.
void writeFigureRow(std::ostream& html) {
    html << "<nav id=\"Figures\" aria-label=\"фигурите\">";
    for (const ControlRow& panel : form1Controls()) {
        if (panel.kind != ControlKind::Panel) continue;
        const ControlRow* largest = nullptr;
        for (const ControlRow& row : form1Controls())
            if (row.container == panel.name && row.kind == ControlKind::Picture &&
                (!largest || row.width * row.height > largest->width * largest->height))
                largest = &row;
        if (!largest) continue;
        html << "<a href=\"#" << panel.name << "\"><img src=\"pictures/" << largest->name << ".svg\" width=\""
             << px(largest->width) << "\" height=\"" << px(largest->height) << "\" alt=\"" << escaped(panel.caption)
             << "\"></a>";
    }
    html << "</nav>\n";
}

void writeWindowControls(std::ostream& html) {
    const WindowDescription& window = form1Window();
    writeFigureRow(html);
    for (const ControlRow& row : form1Controls()) {
        if (row.container != window.name) continue;
        if (row.kind == ControlKind::Panel) writePanel(html, row);
        else writeControl(html, row);
    }
}

std::string windowTabOrder() {
    std::string order;
    for (const ControlRow* stop : form1TabStops()) order += (order.empty() ? "" : " ") + std::string(stop->name);
    return order;
}

}  // namespace geometry::web
