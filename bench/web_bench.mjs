// SPDX-License-Identifier: MIT
// The web edition's benchmark (not a test), in headless Chromium with a fresh
// browser context, so an empty cache, for every load:
//
//   1. navigation to the first possible press: the first contentful paint
//      (the controls are on the screen), for the calculator the later of that
//      and the moment its WebAssembly core is ready and bound to the page;
//      beside a static page with the same controls, pictures and fonts and no
//      script at all;
//   2. bytes on the wire for the first visit (compressed, headers included),
//      until the service worker has kept the whole site;
//   3. from a click on the sphere's "пресметни" to the next frame painted with
//      the results, and the press alone (the core's work in the click).
//
//   node bench/web_bench.mjs SITE_DIR STATIC_DIR [RUNS]      (bench/web_bench.sh)
import { fork } from 'node:child_process';
import { fileURLToPath } from 'node:url';

import { chromium } from 'playwright-core';

// The server runs in a process of its own, as a real one would, so that this
// process's work for the browser does not delay its answers.
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

const [siteDir, staticDir, runsArgument] = process.argv.slice(2);
if (!siteDir || !staticDir) {
  console.error('usage: node bench/web_bench.mjs SITE_DIR STATIC_DIR [RUNS]');
  process.exit(2);
}
const runs = Number(runsArgument || 31);

const browser = await chromium.launch({
  executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync'],
});

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
};
const percentile = (values, p) => [...values].sort((a, b) => a - b)[Math.min(values.length - 1, Math.floor(values.length * p))];
const ms = (value) => `${value.toFixed(1)} ms`;

// Milliseconds from the start of navigation to the first possible press.
async function firstPossiblePress(url, withCore) {
  const context = await browser.newContext({ locale: 'bg-BG', viewport: { width: 800, height: 700 } });
  const page = await context.newPage();
  await page.goto(url);
  if (withCore) await page.waitForSelector('html[data-ready]');
  const times = await page.evaluate(async () => {
    const paint = () => performance.getEntriesByName('first-contentful-paint')[0];
    while (!paint()) await new Promise((done) => requestAnimationFrame(done));
    const ready = performance.getEntriesByName('core-ready')[0];
    const [navigation] = performance.getEntriesByType('navigation');
    return {
      press: Math.max(paint().startTime, ready ? ready.startTime : 0),
      paint: paint().startTime,
      ready: ready ? ready.startTime : 0,
      parsed: navigation.domInteractive,
    };
  });
  await context.close();
  return times;
}

// Bytes the server wrote for one first visit: the page, everything it loads,
// and the files the service worker keeps.
async function firstVisitBytes(dir, withWorker) {
  const site = await serve(dir);
  const context = await browser.newContext({ locale: 'bg-BG' });
  const page = await context.newPage();
  const encodings = new Set();
  page.on('response', (response) => encodings.add(response.headers()['content-encoding'] || 'none'));
  await page.goto(site.url, { waitUntil: 'load' });
  if (withWorker) {
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  }
  await context.close();
  const bytes = await site.bytesWritten();
  await site.close();
  return { bytes, encodings: [...encodings].join(', ') };
}

// Click on "пресметни" to results painted, per click; and the press alone.
async function clickToPaint(url) {
  const context = await browser.newContext({ locale: 'bg-BG', viewport: { width: 800, height: 700 } });
  const page = await context.newPage();
  await page.goto(url);
  await page.waitForSelector('html[data-ready]');
  await page.fill('#Text30', '2,5');
  await page.evaluate(() => {
    window.benchTimes = [];
    const button = document.getElementById('Command9');
    let started = 0;
    let press = 0;
    // At the button, capture listeners run before the page's own listener and
    // this later one after it: together they time the press.
    button.addEventListener('click', (event) => {
      started = performance.now();
      const clicked = event.timeStamp;
      // The frame after the click: its animation callback runs before it is
      // painted, a message posted there arrives after.
      requestAnimationFrame(() => {
        const channel = new MessageChannel();
        channel.port1.onmessage = () => window.benchTimes.push({ paint: performance.now() - clicked, press });
        channel.port2.postMessage(0);
      });
    }, { capture: true });
    button.addEventListener('click', () => {
      press = performance.now() - started;
    });
  });
  let shown = '';
  for (let i = 0; i < runs; i += 1) {
    await page.click('#Command9');
    await page.waitForFunction((count) => window.benchTimes.length === count, i + 1);
    shown = await page.inputValue('#Text31');
    // Emptied again, so that the next press changes what is painted.
    await page.evaluate(() => { document.getElementById('Text31').value = ''; });
    await page.waitForTimeout(20);
  }
  const times = await page.evaluate(() => window.benchTimes);
  await context.close();
  return { paint: times.map((t) => t.paint), press: times.map((t) => t.press), shown };
}

const site = await serve(siteDir);
const staticSite = await serve(staticDir);

console.log(`== Navigation to the first possible press (${runs} cold loads each, medians)`);
const calculator = [];
const still = [];
for (let i = 0; i < runs + 1; i += 1) {
  const a = await firstPossiblePress(site.url, true);
  const b = await firstPossiblePress(staticSite.url, false);
  if (i > 0) { // the first pair warms the browser up
    calculator.push(a);
    still.push(b);
  }
}
const of = (loads, key) => loads.map((load) => load[key]);
const ratio = median(of(calculator, 'press')) / median(of(still, 'press'));
console.log(`calculator ${ms(median(of(calculator, 'press')))} (90th percentile ${ms(percentile(of(calculator, 'press'), 0.9))}); ` +
  `parsed ${ms(median(of(calculator, 'parsed')))}, core ready ${ms(median(of(calculator, 'ready')))}, ` +
  `first contentful paint ${ms(median(of(calculator, 'paint')))}`);
console.log(`static page ${ms(median(of(still, 'press')))} (90th percentile ${ms(percentile(of(still, 'press'), 0.9))}); ` +
  `parsed ${ms(median(of(still, 'parsed')))}, first contentful paint ${ms(median(of(still, 'paint')))}`);
console.log(`ratio ${ratio.toFixed(2)} (goal: at most 1.3)`);

console.log('\n== Bytes on the first visit, on the wire');
const calculatorBytes = await firstVisitBytes(siteDir, true);
const staticBytes = await firstVisitBytes(staticDir, false);
console.log(`calculator ${(calculatorBytes.bytes / 1024).toFixed(1)} KB with the service worker's copies (${calculatorBytes.encodings}) (goal: at most 390 KB, 150 KB more than the 239 KB before the problems page)`);
console.log(`static page ${(staticBytes.bytes / 1024).toFixed(1)} KB (${staticBytes.encodings})`);

console.log(`\n== Click on the sphere's "пресметни" to the results painted (${runs} clicks)`);
const clicks = await clickToPaint(site.url);
console.log(`click to paint: median ${ms(median(clicks.paint))}, 90th percentile ${ms(percentile(clicks.paint, 0.9))}, ` +
  `longest ${ms(Math.max(...clicks.paint))} (goal: under 16 ms)`);
console.log(`the press in the click handler: median ${ms(median(clicks.press))}; shown: ${clicks.shown}`);

await site.close();
await staticSite.close();
await browser.close();
