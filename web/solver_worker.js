// SPDX-License-Identifier: MIT
// The task solver for the calculator's page, in a worker of its own: the page
// sends a panel's task as an address ({frame, address}) and gets back the
// task solved as the problems page shows it ({frame, address, task: JSON},
// web/problems_task.h), the drawings in it. The module (solver.wasm, the
// problems page's, kept by the service worker) is fetched and started at the
// first task: the calculator's page itself loads nothing more.
//
// The site build appends this file to solver.js as solver-worker.js.
'use strict';
let address = '';
let answer = '';
const solving = createSolver({ page: { taskAddress: () => address, showTask: (json) => (answer = json) } });
onmessage = (event) => {
  solving.then((solver) => {
    address = event.data.address;
    solver._solveTask(1);
    postMessage({ frame: event.data.frame, address, task: answer });
  }, () => postMessage({ frame: event.data.frame, address: event.data.address, task: '' }));
};
