// SPDX-License-Identifier: MIT
// The calculator's core in the browser, compiled to WebAssembly: every button
// of the page runs Form1Handlers::press(), the same code as the desktop window.
// The field store is the page's text inputs and the window services are its
// message box, reached through the object the page hands the module as
// `page` (web/page.js):
//
//   page.decimalSeparator            the browser language's, "," or "."
//   page.fieldText(name)             the text of the input named "Text30"
//   page.showFieldText(name, text)   a handler writes a field
//   page.textFits(name, text)        whether a text fits the field, at its font
//   page.showRounded(name, text)     what a result field shows without the focus
//                                    when its text is wider ("" : its text)
//   page.announce(text)              the results of a press, for screen readers
//   page.showSolution(frame, text)   how the results of the panel in "Frame<n>"
//                                    were found, one line each, a zero-width space
//                                    where a line may wrap; "" after its clear
//   page.offerTask(frame, address)   the panel's inputs as a task for the problems
//                                    page, its address ("solid=cone&r=3&h=4") for
//                                    „Реши като задача“; "" where there is none
//   page.showMessage(title, prompt)  a message box, queued: it opens after the press
//   page.reportError(title, prompt, field)  the same for an error stop; afterwards
//                                    the field (a name, or "") takes the focus
//   page.closeWindow()               "затвори"
//   page.refuseEdit(title, prompt, field)  an edit of the field refused: the box,
//                                    then the focus back, its selection as it was
//
// Message boxes return at once here and open one after another once press()
// has returned; no handler reads their answer, so nothing has to wait inside.
#include <emscripten.h>

#include <array>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "error_stop.h"
#include "field_store.h"
#include "form1_handlers.h"
#include "panel_table.h"
#include "panel_task.h"
#include "shown_text.h"
#include "solution.h"
#include "task_address.h"
#include "window_services.h"

// clang-format off
EM_JS(char*, pageDecimalSeparator, (), {
    return allocateUTF8(String(Module.page.decimalSeparator));
});
EM_JS(char*, pageFieldText, (const char* name), {
    return allocateUTF8(String(Module.page.fieldText(UTF8ToString(name))));
});
EM_JS(void, pageShowFieldText, (const char* name, const char* text), {
    Module.page.showFieldText(UTF8ToString(name), UTF8ToString(text));
});
EM_JS(void, pageShowMessage, (const char* title, const char* prompt), {
    Module.page.showMessage(UTF8ToString(title), UTF8ToString(prompt));
});
EM_JS(void, pageReportError, (const char* title, const char* prompt, const char* field), {
    Module.page.reportError(UTF8ToString(title), UTF8ToString(prompt), UTF8ToString(field));
});
EM_JS(void, pageCloseWindow, (), {
    Module.page.closeWindow();
});
EM_JS(bool, pageTextFits, (const char* name, const char* text), {
    return Module.page.textFits(UTF8ToString(name), UTF8ToString(text));
});
EM_JS(void, pageShowRounded, (const char* name, const char* text), {
    Module.page.showRounded(UTF8ToString(name), UTF8ToString(text));
});
EM_JS(void, pageRefuseEdit, (const char* title, const char* prompt, const char* field), {
    Module.page.refuseEdit(UTF8ToString(title), UTF8ToString(prompt), UTF8ToString(field));
});
EM_JS(void, pageAnnounce, (const char* text), {
    Module.page.announce(UTF8ToString(text));
});
EM_JS(void, pageShowSolution, (const char* frame, const char* text), {
    Module.page.showSolution(UTF8ToString(frame), UTF8ToString(text));
});
EM_JS(void, pageOfferTask, (const char* frame, const char* address), {
    Module.page.offerTask(UTF8ToString(frame), UTF8ToString(address));
});
// clang-format on

namespace geometry::web {
namespace {

constexpr const char* zeroWidthSpace = "\u200B";

// A string the page allocated with malloc, taken over and freed.
std::string takeString(char* text) {
    std::unique_ptr<char, decltype(&std::free)> owned(text, &std::free);
    return text ? std::string(text) : std::string();
}

class Page : public FieldStore, public WindowServices {
public:
    std::string text(Field field) const override {
        return takeString(pageFieldText(std::string(fieldInfo(field).name).c_str()));
    }
    void setText(Field field, const std::string& text) override { show(field, text, std::nullopt); }
    void setResult(Field field, const std::string& text, float value) override { show(field, text, value); }
    void showMessage(const std::string& prompt, const std::string& title) override {
        pageShowMessage(title.c_str(), prompt.c_str());
    }
    void unloadWindow() override { pageCloseWindow(); }
    void reportErrorStop(const ErrorStop& stop) override {
        const std::string field = stop.field() ? std::string(fieldInfo(*stop.field()).name) : std::string();
        pageReportError(errorTitle, errorMessage(stop, separator).c_str(), field.c_str());
    }
    void announceResults(Panel, const std::string& announcement) override { pageAnnounce(announcement.c_str()); }
    // The lines one after another, a zero-width space where the core lets a line wrap.
    void showSolution(Panel panel, const std::vector<std::string>& lines) override {
        std::string text;
        for (const std::string& line : lines) {
            if (!text.empty()) text += "\n";
            const std::vector<std::string_view> pieces = wrapPieces(line);
            for (const std::string_view& piece : pieces) {
                if (&piece != &pieces.front()) text += zeroWidthSpace;
                text += piece;
            }
        }
        const std::string frame(panelRow(panel).frame);
        pageShowSolution(frame.c_str(), text.c_str());
        pageOfferTask(frame.c_str(), lines.empty() ? "" : taskAddress(panel).c_str());
    }

    // A result field too narrow for its text shows the number rounded to what
    // fits, from the float the calculator wrote while the text is still its.
    void showRounded(Field field) {
        const FieldInfo& info = fieldInfo(field);
        if (!info.result) return;
        const std::string name(info.name);
        const std::string full = text(field);
        const Written& written = written_[static_cast<std::size_t>(field)];
        const std::optional<float> exact = written.text == full ? written.value : std::nullopt;
        const std::string shown = shownText(full, exact, separator, [&name](std::string_view candidate) {
            return pageTextFits(name.c_str(), std::string(candidate).c_str());
        });
        pageShowRounded(name.c_str(), shown == full ? "" : shown.c_str());
    }

    std::string separator = takeString(pageDecimalSeparator());

private:
    // The inputs the solution was found from, as the problems page's address.
    std::string taskAddress(Panel panel) const {
        const std::optional<PanelTask> task = panelTask(panel, *this);
        if (!task) return {};
        AddressPairs pairs{{"solid", task->solid}};
        pairs.insert(pairs.end(), task->givens.begin(), task->givens.end());
        return writeQuery(pairs);
    }

    struct Written {
        std::string text;
        std::optional<float> value;
    };

    void show(Field field, const std::string& text, std::optional<float> value) {
        pageShowFieldText(std::string(fieldInfo(field).name).c_str(), text.c_str());
        written_[static_cast<std::size_t>(field)] = {text, value};
        showRounded(field);
    }

    std::array<Written, fieldCount> written_;
};

struct Window {
    Page page;
    Form1Handlers handlers{page, page, page.separator};
};

Window& window() {
    static Window built;
    return built;
}

}  // namespace
}  // namespace geometry::web

// A press of the button whose window name is "Command<number>"; false for a
// number no button has.
extern "C" EMSCRIPTEN_KEEPALIVE bool pressButton(int number) {
    const auto button = geometry::buttonByName("Command" + std::to_string(number));
    if (!button) return false;
    geometry::web::window().handlers.press(*button);
    return true;
}

// The text a result field shows without the focus, worked out again after the
// student typed into it ("Text<number>"), or once the page's fonts are there.
extern "C" EMSCRIPTEN_KEEPALIVE void showRounded(int number) {
    if (const auto field = geometry::fieldByName("Text" + std::to_string(number)))
        geometry::web::window().page.showRounded(*field);
}

// An edit that would make "Text<number>" `length` characters long: true if it
// is refused (longer than a field takes), its box then queued for the page.
extern "C" EMSCRIPTEN_KEEPALIVE bool refuseLongText(int number, double length) {
    const auto field = geometry::fieldByName("Text" + std::to_string(number));
    if (!field || !(length > double(geometry::fieldCapacity))) return false;
    const std::string message = geometry::tooLongMessage(*field, std::size_t(length));
    pageRefuseEdit(geometry::errorTitle, message.c_str(), std::string(geometry::fieldInfo(*field).name).c_str());
    return true;
}
