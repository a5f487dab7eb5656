// SPDX-License-Identifier: MIT
// The task solver in the browser, compiled to WebAssembly for the problems
// page (zadachi.html), which runs it both in the page and in a worker
// (web/solver_worker.js; the calculator's page has the worker alone): the page
// hands the module its task as an address and gets back, as JSON, everything
// it shows (web/problems_task.h). Nothing is solved, converted or worded in
// the pages' scripts. The module is handed an object as `page` (web/problems.js,
// web/solver_worker.js):
//
//   page.taskAddress()      the task as the page's form holds it: "solid=cone&r=3&h=4&pi=exact"
//   page.showTask(json)     the task solved (each solution's net too where `withNets` is not 0)
#include <emscripten.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "problems_task.h"

// clang-format off
EM_JS(char*, pageTaskAddress, (), {
    return allocateUTF8(String(Module.page.taskAddress()));
});
EM_JS(void, pageShowTask, (const char* json), {
    Module.page.showTask(UTF8ToString(json));
});
// clang-format on

// Solves the task the page's form holds and shows it.
extern "C" EMSCRIPTEN_KEEPALIVE void solveTask(int withNets) {
    std::unique_ptr<char, decltype(&std::free)> address(pageTaskAddress(), &std::free);
    pageShowTask(geometry::web::solvedTask(address ? address.get() : "", withNets != 0).c_str());
}
