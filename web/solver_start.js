// SPDX-License-Identifier: MIT
// Starts the solver's module (createSolver, solver.js) for `page`: from the
// code compiled already where there is one (a WebAssembly.Module; the problems
// page compiles solver.wasm once, for its worker's first answer and then for
// its own module), else fetching solver.wasm as the loader does. Resolves to
// the module; rejects where it cannot start.
//
// The site build puts this file after solver.js, in zadachi.html and in
// solver-worker.js.
'use strict';
function startSolver(page, compiled) {
  if (!compiled) return createSolver({ page });
  return new Promise((resolve, reject) => {
    const instantiateWasm = (imports, started) => {
      WebAssembly.instantiate(compiled, imports).then((instance) => started(instance, compiled), reject);
      return {};
    };
    createSolver({ page, instantiateWasm }).then(resolve, reject);
  });
}
