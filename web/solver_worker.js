// SPDX-License-Identifier: MIT
// The task solver in a worker of its own, for the problems page and for the
// calculator's page: a page sends a task as an address ({frame, address,
// nets}) and gets back the task solved as the problems page shows it
// ({frame, address, task: JSON, took}, web/problems_task.h), the drawings in
// it, each net too unless `nets` is 0, with the milliseconds the solve took.
// The module (solver.wasm, kept by the service worker) is fetched and started
// with the worker; a module that cannot start answers with an empty task.
//
// The site build appends this file to solver.js as solver-worker.js.
'use strict';
let address = '';
let answer = '';
const solving = createSolver({ page: { taskAddress: () => address, showTask: (json) => (answer = json) } });
onmessage = (event) => {
  const { frame, nets = 1 } = event.data;
  solving.then((solver) => {
    address = event.data.address;
    const started = performance.now();
    solver._solveTask(nets);
    postMessage({ frame, address, task: answer, took: performance.now() - started });
  }, () => postMessage({ frame, address: event.data.address, task: '' }));
};
