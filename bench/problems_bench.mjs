// SPDX-License-Identifier: MIT
// The problems page's benchmark (not a test), in headless Chromium, a fresh
// browser context (an empty cache) for every load:
//
//   1. what the site downloads, file by file and on a first visit, with the
//      service worker's copies (brotli, as web/serve.mjs sends it), beside a
//      site built before the problems page where BASE_SITE names one;
//   2. the two ways to bring the solver to the page, each built: its own
//      module (solver.wasm, loaded by zadachi.html alone: the site as built)
//      and the solver inside the calculator's module (core_with_solver.js,
//      inlined into both pages): their sizes, the calculator's first possible
//      press and the problems page's first task solved;
//   3. a keystroke to the solve painted: every school task typed, its last
//      letter timed five times from its input (beforeinput) to the end of the
//      frame that paints the answer, on this machine and with the processor 4
//      times slower (Lighthouse's mobile throttling). Each time the letter is
//      typed PAUSE ms (300 by default, about the pace of typing on a phone)
//      after the answer to the keystroke before it was painted, as a student
//      types the task's last letter; PAUSE=0 types on at once, faster than
//      anyone types, so that what the page does after painting an answer (the
//      figure, the address) meets the next keystroke. Chromium slows down the
//      page's main thread alone, not the worker that answers until the page's
//      own module is ready: with the processor N times slower, N − 1 times the
//      worker's solve (as the page's task-solved mark gives it) is added to a
//      keystroke the worker answers.
//
//   node bench/problems_bench.mjs SITE_DIR OTHER_SITE_DIR TASKS.json [RUNS] [BASE_SITE]
//
// PARTS (sizes, modules, keystrokes; all by default) picks what is measured,
// SLOWDOWNS (1,4 by default) the keystrokes' processors, PAUSE their pace.
import { fork } from 'node:child_process';
import { readFileSync, readdirSync, statSync } from 'node:fs';
import { join, relative } from 'node:path';
import { fileURLToPath } from 'node:url';
import { brotliCompressSync, constants } from 'node:zlib';

import { chromium } from 'playwright-core';

const [siteDir, otherDir, tasksFile, runsArgument, baseDir] = process.argv.slice(2);
if (!siteDir || !otherDir || !tasksFile) {
  console.error('usage: node bench/problems_bench.mjs SITE_DIR OTHER_SITE_DIR TASKS.json [RUNS] [BASE_SITE]');
  process.exit(2);
}
const runs = Number(runsArgument || 15);
const pause = Number(process.env.PAUSE ?? 300);
const parts = (process.env.PARTS || 'sizes,modules,keystrokes').split(',');

// The server in a process of its own, as in bench/web_bench.mjs.
function serve(dir) {
  const child = fork(fileURLToPath(new URL('../web/serve.mjs', import.meta.url)), [dir], {
    env: { ...process.env, PORT: '0' },
    stdio: ['ignore', 'ignore', 'inherit', 'ipc'],
  });
  const reply = () => new Promise((done) => child.once('message', done));
  return reply().then(({ url }) => ({
    url,
    bytesWritten: () => {
      const answer = reply();
      child.send('bytes');
      return answer.then(({ bytes }) => bytes);
    },
    close: () => new Promise((done) => {
      child.once('exit', done);
      child.kill();
    }),
  }));
}

const browser = await chromium.launch({
  executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync'],
});

const sorted = (values) => [...values].sort((a, b) => a - b);
const median = (values) => sorted(values)[Math.floor(values.length / 2)];
const percentile = (values, p) => sorted(values)[Math.min(values.length - 1, Math.floor(values.length * p))];
const ms = (value) => `${value.toFixed(1)} ms`;
const kb = (bytes) => `${(bytes / 1024).toFixed(1)} KB`;
const brotli = (bytes) => brotliCompressSync(bytes, { params: { [constants.BROTLI_PARAM_QUALITY]: 11 } }).length;

function files(dir) {
  return readdirSync(dir, { recursive: true }).map(String).filter((file) => statSync(join(dir, file)).isFile())
    .map((file) => relative(dir, join(dir, file))).sort();
}

function sizes(dir) {
  const list = new Map();
  for (const file of files(dir)) {
    const bytes = readFileSync(join(dir, file));
    list.set(file, { raw: bytes.length, brotli: brotli(bytes) });
  }
  return list;
}

const total = (list, key) => [...list.values()].reduce((sum, size) => sum + size[key], 0);

// Bytes the server wrote for a first visit to `path`, the service worker's
// copies of every file included.
async function firstVisitBytes(dir, path) {
  const site = await serve(dir);
  const context = await browser.newContext({ locale: 'bg-BG' });
  const page = await context.newPage();
  await page.goto(site.url + path, { waitUntil: 'load' });
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  await context.close();
  const bytes = await site.bytesWritten();
  await site.close();
  return bytes;
}

// From the start of navigation: the calculator's first possible press (the
// later of its first paint and its core ready), or the problems page's task
// shown solved.
async function firstUse(url, mark) {
  const context = await browser.newContext({ locale: 'bg-BG', viewport: { width: 800, height: 700 } });
  const page = await context.newPage();
  await page.goto(url);
  const time = await page.evaluate(async (name) => {
    const entry = () => performance.getEntriesByName(name)[0];
    const paint = () => performance.getEntriesByName('first-contentful-paint')[0];
    while (!entry() || !paint()) await new Promise((done) => requestAnimationFrame(done));
    return Math.max(entry().startTime, paint().startTime);
  }, mark);
  await context.close();
  return time;
}

async function firstUses(url, mark) {
  const times = [];
  for (let i = 0; i <= runs; i += 1) {
    const time = await firstUse(url, mark);
    if (i > 0) times.push(time); // the first load warms the browser up
  }
  return times;
}

// The school tasks as the page's addresses: all but the last letter typed,
// and the field the last letter goes into.
function typedTasks() {
  const tasks = [];
  for (const row of JSON.parse(readFileSync(tasksFile, 'utf8'))) {
    const words = row.task.split(' ');
    const address = new URLSearchParams();
    const givens = [];
    for (const word of words) {
      const option = /^--(pi|unit)=(.*)$/.exec(word);
      if (option) address.set(option[1], option[2]);
      else if (!address.has('solid')) address.set('solid', word);
      else givens.push([word.slice(0, word.indexOf('=')), word.slice(word.indexOf('=') + 1)]);
    }
    if (!givens.length) continue;
    const [key, value] = givens[givens.length - 1];
    for (const [k, v] of givens.slice(0, -1)) address.append(k, v);
    tasks.push({ what: row.what, address, field: `${address.get('solid')}-${key}`, before: value.slice(0, -1),
      last: value.slice(-1) });
  }
  return tasks;
}

// The last letter typed to the frame painted after the answer, per task.
async function keystrokeToPaint(url, slowdown) {
  const context = await browser.newContext({ locale: 'bg-BG', viewport: { width: 1280, height: 800 } });
  const page = await context.newPage();
  const cdp = await context.newCDPSession(page);
  await cdp.send('Emulation.setCPUThrottlingRate', { rate: slowdown });
  const times = [];
  for (const task of typedTasks()) {
    await page.goto(`${url}zadachi.html?${task.address}`);
    await page.waitForSelector('#solutions[data-status]');
    if (!(await page.$(`#${task.field}`))) continue;
    await page.fill(`#${task.field}`, task.before);
    await page.focus(`#${task.field}`);
    await page.evaluate((slowdown) => {
      window.benchTimes = [];
      // The letter's beforeinput: a key's, or a letter a keyboard inserts as text (π).
      document.addEventListener('beforeinput', (event) => {
        const pressed = event.timeStamp;
        const shown = performance.getEntriesByName('task-shown').length;
        const answered = () => performance.getEntriesByName('task-shown').length > shown;
        // After a frame's animation callbacks come its paint, then the message.
        const afterPaint = () => {
          const channel = new MessageChannel();
          const solved = performance.getEntriesByName('task-solved').filter((mark) => mark.startTime > pressed);
          const unthrottled = (slowdown - 1) * (solved.length ? solved.at(-1).detail.took : 0);
          channel.port1.onmessage = () => window.benchTimes.push(performance.now() - pressed + unthrottled);
          channel.port2.postMessage(0);
        };
        // The frame after the one in which the answer came paints it; should
        // it come before the next frame, that frame.
        const wait = () => (answered() ? requestAnimationFrame(afterPaint) : setTimeout(wait, 0));
        requestAnimationFrame(() => (answered() ? afterPaint() : wait()));
      }, { capture: true });
    }, slowdown);
    for (let i = 0; i < 5; i += 1) {
      await page.waitForTimeout(pause);
      await page.keyboard.type(task.last);
      await page.waitForFunction((count) => window.benchTimes.length === count, 2 * i + 1);
      await page.keyboard.press('Backspace');
      await page.waitForFunction((count) => window.benchTimes.length === count, 2 * i + 2);
    }
    const taken = await page.evaluate(() => window.benchTimes.filter((_, i) => i % 2 === 0));
    times.push({ what: task.what, time: median(taken) });
  }
  await context.close();
  return times;
}

// ---------------------------------------------------------------------------

async function whatTheSiteDownloads() {
  console.log('== What the site downloads (brotli, as served)');
  const site = sizes(siteDir);
  for (const file of ['index.html', 'zadachi.html', 'solver.wasm', 'manifest.webmanifest', 'sw.js'])
    console.log(`${file}: ${kb(site.get(file).raw)} (${kb(site.get(file).brotli)} compressed)`);
  console.log(`the whole site: ${kb(total(site, 'raw'))} (${kb(total(site, 'brotli'))} compressed), ${site.size} files`);
  if (baseDir) {
    const base = sizes(baseDir);
    console.log(`the site before the problems page: ${kb(total(base, 'raw'))} (${kb(total(base, 'brotli'))} compressed); ` +
      `added ${kb(total(site, 'raw') - total(base, 'raw'))} (${kb(total(site, 'brotli') - total(base, 'brotli'))} ` +
      'compressed) (goal: at most 150 KB)');
    console.log(`index.html grew by ${kb(site.get('index.html').raw - base.get('index.html').raw)} ` +
      `(${kb(site.get('index.html').brotli - base.get('index.html').brotli)} compressed)`);
  }
  console.log('first visit on the wire, every file kept by the service worker: from the calculator ' +
    `${kb(await firstVisitBytes(siteDir, ''))}, from the problems page ${kb(await firstVisitBytes(siteDir, 'zadachi.html'))}`);
  if (baseDir) console.log(`  before the problems page: ${kb(await firstVisitBytes(baseDir, ''))}`);
}

async function theTwoWays(served) {
  console.log('\n== The solver: its own module, or inside the calculator\'s');
  const site = sizes(siteDir);
  const other = sizes(otherDir);
  console.log(`own module: solver.wasm ${kb(site.get('solver.wasm').raw)} (${kb(site.get('solver.wasm').brotli)} compressed) ` +
    `+ zadachi.html ${kb(site.get('zadachi.html').brotli)} compressed; index.html ${kb(site.get('index.html').brotli)} compressed`);
  console.log(`inside the calculator's: index.html ${kb(other.get('index.html').raw)} (${kb(other.get('index.html').brotli)} ` +
    `compressed), zadachi.html ${kb(other.get('zadachi.html').raw)} (${kb(other.get('zadachi.html').brotli)} compressed); ` +
    `the site ${kb(total(other, 'raw'))} (${kb(total(other, 'brotli'))} compressed)`);
  const otherServed = await serve(otherDir);
  const task = 'zadachi.html?solid=cone&r=3&h=4';
  const timings = [
    ['own module: the calculator, first possible press', await firstUses(served.url, 'core-ready')],
    ['inside the calculator\'s: the calculator, first possible press', await firstUses(otherServed.url, 'core-ready')],
    ['own module: the problems page, a task shown solved', await firstUses(served.url + task, 'task-shown')],
    ['inside the calculator\'s: the problems page, a task shown solved', await firstUses(otherServed.url + task, 'task-shown')],
  ];
  for (const [what, times] of timings)
    console.log(`${what}: median ${ms(median(times))}, 90th percentile ${ms(percentile(times, 0.9))} (${runs} cold loads)`);
  await otherServed.close();
}

async function keystrokes(served) {
  console.log(`\n== A keystroke to the solve painted (each school task, its last letter typed ${pause} ms after the ` +
    'answer before it was painted; medians of 5)');
  const slowdowns = (process.env.SLOWDOWNS || '1,4').split(',').map(Number);
  for (const [slowdown, goal] of [[1, 50], [4, 100]].filter(([rate]) => slowdowns.includes(rate))) {
    const times = await keystrokeToPaint(served.url, slowdown);
    const values = times.map((t) => t.time);
    const slowest = [...times].sort((a, b) => b.time - a.time).slice(0, 3);
    console.log(`processor ${slowdown === 1 ? 'as it is' : `${slowdown} times slower`}: ${times.length} tasks, median ` +
      `${ms(median(values))}, 90th percentile ${ms(percentile(values, 0.9))}, longest ${ms(Math.max(...values))}; ` +
      `${values.filter((v) => v <= goal).length} within ${goal} ms`);
    console.log(`  slowest: ${slowest.map((t) => `${t.what} ${ms(t.time)}`).join('; ')}`);
  }
}

const served = await serve(siteDir);
if (parts.includes('sizes')) await whatTheSiteDownloads();
if (parts.includes('modules')) await theTwoWays(served);
if (parts.includes('keystrokes')) await keystrokes(served);
await served.close();
await browser.close();
