// SPDX-License-Identifier: MIT
// The worksheet page's worker (sheet-worker.js on the site): the solver's
// module (solver.js before this file, solver.wasm beside it) away from the
// page's main thread, so that making a sheet of 30 tasks and their figures
// never holds up the page's scrolling and typing. It takes the page's
// messages, {kind: "sheet"|"answer", address, field, context}, hands the
// address to the module (web/sheet_module.cpp) and posts back what the module
// returns, {kind, json, field, context} (the context as the page sent it), or
// {kind: "failed"} where the module cannot start.
'use strict';
(function () {
  let request = null;
  const waiting = [];
  const page = {
    sheetAddress: () => request.address,
    showSheet: (json) => postMessage({ kind: 'sheet', json, field: request.field }),
    answerAddress: () => request.address,
    showAnswer: (json) => postMessage({ kind: 'answer', json, field: request.field, context: request.context }),
  };
  let solver = null;
  function handle(message) {
    request = message;
    if (message.kind === 'sheet') solver._showSheet();
    else solver._checkSheetAnswer();
  }
  onmessage = (event) => (solver ? handle(event.data) : waiting.push(event.data));
  let loading;
  try {
    loading = createSolver({ page });
  } catch (error) {
    loading = Promise.reject(error);
  }
  Promise.resolve(loading)
    .then((module) => {
      solver = module;
      for (const message of waiting.splice(0)) handle(message);
    })
    .catch(() => postMessage({ kind: 'failed' }));
})();
