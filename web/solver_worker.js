// SPDX-License-Identifier: MIT
// The task solver in a worker of its own, for the problems page and for the
// calculator's page: a page sends a task as an address ({frame, address,
// nets}) and gets back the task solved as the problems page shows it
// ({frame, address, task: JSON, took}, web/problems_task.h), the drawings in
// it, each net too unless `nets` is 0, with the milliseconds the solve took.
// The module (solver.wasm, kept by the service worker) is fetched and started
// with the first task, unless the page says first ({frame: 'module-follows'})
// that it sends the module compiled ({frame: 'module', module}; module null
// where it could not compile it, and the worker fetches it after all); a
// module that cannot start answers with an empty task.
//
// The site build appends this file to solver.js and web/solver_start.js as
// solver-worker.js.
'use strict';
let address = '';
let answer = '';
let solving = null;
let arrived = null;
const page = { taskAddress: () => address, showTask: (json) => (answer = json) };
const start = (module) => startSolver(page, module);
onmessage = (event) => {
  const { frame, nets = 1 } = event.data;
  if (frame === 'module-follows') {
    solving = new Promise((resolve) => (arrived = resolve)).then(start);
    return;
  }
  if (frame === 'module') {
    if (arrived) arrived(event.data.module);
    else if (!solving) solving = start(event.data.module);
    return;
  }
  if (!solving) solving = start(null);
  solving.then((solver) => {
    address = event.data.address;
    const started = performance.now();
    solver._solveTask(nets);
    postMessage({ frame, address, task: answer, took: performance.now() - started });
  }, () => postMessage({ frame, address: event.data.address, task: '' }));
};
