// SPDX-License-Identifier: MIT
// The solver's WebAssembly module in Node (not a test): every school task
// solved as the problems page asks for it (an address, no nets), and again
// without its last given, as when a student deletes it (the solver then tries
// each quantity as the given that would decide the task). Each module given is
// timed in a process of its own, after 30 rounds to let V8 compile it fully;
// the median of 5 rounds and the slowest tasks are written.
//
//   node bench/solver_module_bench.mjs TASKS.json MODULE_DIR...
//
// MODULE_DIR holds a solver.js and its solver.wasm (build-wasm/web, or a build
// made otherwise to compare with it); several are run in turn, three times.
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { fileURLToPath } from 'node:url';
import vm from 'node:vm';

const [tasksFile, ...modules] = process.argv.slice(2);
if (!tasksFile || !(modules.length || process.env.SOLVER_MODULE)) {
  console.error('usage: node bench/solver_module_bench.mjs TASKS.json MODULE_DIR...');
  process.exit(2);
}

function addresses() {
  const list = [];
  for (const row of JSON.parse(readFileSync(tasksFile, 'utf8'))) {
    const settings = [];
    const givens = [];
    let solid = null;
    for (const word of row.task.split(' ')) {
      const option = /^--(pi|unit)=(.*)$/.exec(word);
      if (option) settings.push([option[1], option[2]]);
      else if (solid === null) solid = word;
      else givens.push([word.slice(0, word.indexOf('=')), word.slice(word.indexOf('=') + 1)]);
    }
    const address = (pairs) => new URLSearchParams([['solid', solid], ...pairs, ...settings]).toString();
    list.push(address(givens));
    if (givens.length) list.push(address(givens.slice(0, -1)));
  }
  return list;
}

async function timeModule(dir) {
  const wasm = readFileSync(`${dir}/solver.wasm`);
  const context = vm.createContext({
    ...globalThis, self: globalThis, console,
    fetch: async () => new Response(wasm, { headers: { 'content-type': 'application/wasm' } }),
  });
  const createSolver = vm.runInContext(`${readFileSync(`${dir}/solver.js`, 'utf8')}; createSolver`, context);
  let address = '';
  const solver = await createSolver({ page: { taskAddress: () => address, showTask: () => {} } });
  const list = addresses();
  const round = () => {
    const start = performance.now();
    for (address of list) solver._solveTask(0);
    return performance.now() - start;
  };
  for (let i = 0; i < 30; i += 1) round();
  const rounds = Array.from({ length: 5 }, round).sort((a, b) => a - b);
  const slowest = list.map((task) => {
    address = task;
    const start = performance.now();
    for (let i = 0; i < 10; i += 1) solver._solveTask(0);
    return { task, time: (performance.now() - start) / 10 };
  }).sort((a, b) => b.time - a.time).slice(0, 3);
  return { solves: list.length, median: rounds[2], slowest };
}

if (process.env.SOLVER_MODULE) {
  console.log(JSON.stringify(await timeModule(process.env.SOLVER_MODULE)));
} else {
  const self = fileURLToPath(import.meta.url);
  for (let run = 1; run <= 3; run += 1) {
    for (const dir of modules) {
      const result = JSON.parse(execFileSync(process.execPath, [self, tasksFile],
        { env: { ...process.env, SOLVER_MODULE: dir }, encoding: 'utf8' }));
      console.log(`run ${run}, ${dir}: ${result.solves} solves in ${result.median.toFixed(1)} ms; slowest ` +
        result.slowest.map(({ task, time }) => `${task} ${time.toFixed(2)} ms`).join(', '));
    }
  }
}
