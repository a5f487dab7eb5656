// SPDX-License-Identifier: MIT
// The worksheet page (listove.html) in the solver's module: the same
// solver.wasm as the problems page, with the worksheets beside the solver. The
// page hands the module its sheet as an address and gets back, as JSON, the
// sheet and the checked answers it shows (web/sheet_view.h). The module runs
// in the page's worker, and `page` is the worker's object that passes these on
// to the page (web/sheet_worker.js):
//
//   page.sheetAddress()     the sheet as the page's address or form holds it
//   page.showSheet(json)    the sheet made
//   page.answerAddress()    the sheet's address with task=3&answer=S1&typed=…&wrong=N
//   page.showAnswer(json)   the answer checked
#include <emscripten.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "sheet_view.h"

// clang-format off
EM_JS(char*, pageSheetAddress, (), {
    return allocateUTF8(String(Module.page.sheetAddress()));
});
EM_JS(void, pageShowSheet, (const char* json), {
    Module.page.showSheet(UTF8ToString(json));
});
EM_JS(char*, pageAnswerAddress, (), {
    return allocateUTF8(String(Module.page.answerAddress()));
});
EM_JS(void, pageShowAnswer, (const char* json), {
    Module.page.showAnswer(UTF8ToString(json));
});
// clang-format on

namespace {
using Text = std::unique_ptr<char, decltype(&std::free)>;
}

// Makes the sheet the page's address or form holds and shows it.
extern "C" EMSCRIPTEN_KEEPALIVE void showSheet() {
    const Text address(pageSheetAddress(), &std::free);
    pageShowSheet(geometry::web::sheetView(address ? address.get() : "").c_str());
}

// Checks the answer the page hands over and shows the verdict.
extern "C" EMSCRIPTEN_KEEPALIVE void checkSheetAnswer() {
    const Text address(pageAnswerAddress(), &std::free);
    pageShowAnswer(geometry::web::checkedAnswer(address ? address.get() : "").c_str());
}
