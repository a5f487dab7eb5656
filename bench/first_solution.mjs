// SPDX-License-Identifier: MIT
// The problems page's first visit on a slow phone (not a test): in headless
// Chromium with Lighthouse's mobile throttling set through the DevTools
// protocol (562.5 ms of latency, 1.47 Mbit/s down, the processor 4 times
// slower), an empty cache each load, the time from the navigation to the
// first solution shown (the page's `task-shown` mark), the largest contentful
// paint and the element painted, and when the page's fetch of solver.wasm
// started and ended. Sites given side by side are loaded in turn, so that
// the machine's load falls on each alike; the first round warms the browser.
//
//   node bench/first_solution.mjs SITE_DIR [OTHER_SITE_DIR ...] RUNS
//
// PAGE names the address (by default the cone's task the Lighthouse bench audits).
import { chromium } from 'playwright-core';

import { serve } from '../web/serve.mjs';

const sites = process.argv.slice(2, -1);
const runs = Number(process.argv.at(-1));
if (!sites.length || !(runs > 0)) {
  console.error('usage: node bench/first_solution.mjs SITE_DIR [OTHER_SITE_DIR ...] RUNS');
  process.exit(2);
}
const address = process.env.PAGE || 'zadachi.html?solid=cone&r=3&h=4&pi=exact&digits=2';

async function load(browser, url) {
  const context = await browser.newContext({ viewport: { width: 412, height: 823 }, isMobile: true, hasTouch: true });
  const page = await context.newPage();
  const cdp = await context.newCDPSession(page);
  await cdp.send('Network.enable');
  await cdp.send('Network.emulateNetworkConditions', {
    offline: false, latency: 562.5, downloadThroughput: (1638.4 * 0.9 * 1024) / 8, uploadThroughput: (675 * 0.9 * 1024) / 8,
  });
  await cdp.send('Emulation.setCPUThrottlingRate', { rate: 4 });
  await page.addInitScript(() => {
    window.largestPaints = [];
    new PerformanceObserver((list) => {
      for (const e of list.getEntries())
        window.largestPaints.push({ at: e.startTime, element: e.element ? e.element.id || e.element.tagName : '' });
    }).observe({ type: 'largest-contentful-paint', buffered: true });
  });
  await page.goto(url);
  await page.waitForFunction(() => performance.getEntriesByName('task-shown').length > 0, null, { timeout: 120000 });
  const times = await page.evaluate(() => {
    const module = performance.getEntriesByType('resource').find((e) => e.name.endsWith('/solver.wasm'));
    return {
      shown: performance.getEntriesByName('task-shown')[0].startTime,
      largest: window.largestPaints.at(-1),
      module: module ? [module.startTime, module.responseEnd] : null,
    };
  });
  await context.close();
  return times;
}

const browser = await chromium.launch({ executablePath: process.env.CHROMIUM || '/usr/bin/chromium' });
const servers = await Promise.all(sites.map((site) => serve(site, 0)));
const shown = sites.map(() => []);
for (let run = 0; run <= runs; run++) {
  for (let i = 0; i < sites.length; i++) {
    const t = await load(browser, new URL(address, servers[i].url).href);
    const ms = (x) => Math.round(x);
    console.log(`${run === 0 ? 'warm-up ' : ''}${sites[i]}: solution shown ${ms(t.shown)} ms; largest paint ` +
      `${ms(t.largest.at)} ms (${t.largest.element}); the page's solver.wasm ` +
      (t.module ? `${ms(t.module[0])}–${ms(t.module[1])} ms` : 'not fetched by the page'));
    if (run > 0) shown[i].push(t.shown);
  }
}
for (let i = 0; i < sites.length; i++) {
  const sorted = [...shown[i]].sort((a, b) => a - b);
  console.log(`${sites[i]}: first solution shown, median of ${runs}: ${Math.round(sorted[Math.floor(runs / 2)])} ms ` +
    `(${shown[i].map(Math.round).join(', ')})`);
}
await browser.close();
for (const s of servers) s.server.close();
