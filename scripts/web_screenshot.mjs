// SPDX-License-Identifier: MIT
// Draws the web edition's pictures for docs/, in Chromium with a Bulgarian
// browser:
//   web.png          the window as it opens on a desktop, at 100 %
//   phone.png        the first screen of the page on a 360-pixel phone
//   solution.png     the cone on that phone after a press: its results and how
//                    they were found
//   error-phone.png  the message box on that phone after a press with the
//                    sphere's radius empty
//   tablet.png       the first screen on a 1024x768 tablet: the panels side by side
//   problems-phone.png  a task solved on the problems page on that phone: the
//                    cone's fields with the values found beside them
//   problems-figure-phone.png  the same task's values and figure on that phone
//   problems-figure.png  the same task on a 1280x800 desktop, the figure beside
//                    the values
//   calculator-figure-phone.png  the calculator's cone on that phone: under its
//                    solution the figure and the net
//   net-printed.png  the cone's net printed alone („Печат на развивката“) with
//                    Chromium's print to PDF, turned into a picture by pdftoppm
//   node scripts/web_screenshot.mjs SITE_DIR DOCS_DIR     (scripts/web_screenshot.sh)
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

import { chromium } from 'playwright-core';

import { serve } from '../web/serve.mjs';

const [siteDir, docs] = process.argv.slice(2);
const site = await serve(siteDir, 0);

async function withPage(options, draw, path = '') {
  const profile = mkdtempSync(join(tmpdir(), 'stereometry-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking'],
    locale: 'bg-BG',
    ...options,
  });
  const page = context.pages()[0] || (await context.newPage());
  await page.goto(site.url + path);
  await page.waitForSelector('html[data-ready]');
  await page.evaluate(() => document.fonts.ready);
  await draw(page);
  await context.close();
  rmSync(profile, { recursive: true, force: true });
}

const phone = { viewport: { width: 360, height: 740 }, deviceScaleFactor: 2, isMobile: true, hasTouch: true };

await withPage({ viewport: { width: 508, height: 650 } }, (page) =>
  page.locator('#Form1').screenshot({ path: join(docs, 'web.png') }));
await withPage(phone, async (page) => {
  await page.evaluate(() => document.activeElement.blur());
  await page.screenshot({ path: join(docs, 'phone.png') });
});
await withPage(phone, async (page) => {
  for (const [field, text] of [['Text24', '3'], ['Text25', '4'], ['Text26', '5']]) await page.fill(`#${field}`, text);
  await page.tap('#Command7');
  await page.evaluate(() => document.activeElement.blur());
  // From the top of the panel to the bottom of its solution, on the page.
  const [top, bottom] = await page.evaluate(() => [
    document.getElementById('Frame4').getBoundingClientRect().top + scrollY,
    document.getElementById('Solution4').getBoundingClientRect().bottom + scrollY,
  ]);
  await page.screenshot({
    path: join(docs, 'solution.png'),
    fullPage: true,
    clip: { x: 0, y: top - 8, width: 360, height: bottom - top + 16 },
  });
});
await withPage(phone, async (page) => {
  await page.tap('#Command9');
  await page.waitForSelector('dialog[open]');
  await page.locator('dialog[open]').screenshot({ path: join(docs, 'error-phone.png') });
});
await withPage({ viewport: { width: 1024, height: 768 }, isMobile: true, hasTouch: true }, async (page) => {
  await page.evaluate(() => document.activeElement.blur());
  await page.screenshot({ path: join(docs, 'tablet.png') });
});
await withPage(phone, async (page) => {
  await page.evaluate(() => scrollTo(0, document.getElementById('settings').getBoundingClientRect().top + scrollY - 8));
  await page.screenshot({ path: join(docs, 'problems-phone.png') });
}, 'zadachi.html?solid=cone&r=3&h=4&pi=exact&unit=cm&digits=2');
const cone = 'zadachi.html?solid=cone&r=3&h=4&pi=exact&unit=cm&digits=2';
await withPage(phone, async (page) => {
  await page.evaluate(() => scrollTo(0, document.querySelector('.solution .values').getBoundingClientRect().top + scrollY + 240));
  await page.screenshot({ path: join(docs, 'problems-figure-phone.png') });
}, cone);
await withPage({ viewport: { width: 1280, height: 800 } }, (page) =>
  page.screenshot({ path: join(docs, 'problems-figure.png') }), cone);
await withPage(phone, async (page) => {
  for (const [field, text] of [['Text24', '3'], ['Text25', '4'], ['Text26', '5']]) await page.fill(`#${field}`, text);
  await page.tap('#Command7');
  await page.waitForSelector('#Drawings4 .figure svg');
  await page.tap('#Drawings4 summary');
  await page.evaluate(() => document.activeElement.blur());
  const [top, bottom] = await page.evaluate(() => [
    document.getElementById('Solution4').getBoundingClientRect().top + scrollY,
    document.getElementById('Drawings4').getBoundingClientRect().bottom + scrollY,
  ]);
  await page.screenshot({ path: join(docs, 'calculator-figure-phone.png'), fullPage: true,
    clip: { x: 0, y: top - 8, width: 360, height: bottom - top + 16 } });
});
await withPage({ viewport: { width: 1280, height: 800 } }, async (page) => {
  await page.click('.solution .net summary');
  await page.evaluate(() => { window.print = () => {}; });
  await page.click('.solution .print-net');
  const folder = mkdtempSync(join(tmpdir(), 'stereometry-net-'));
  await page.pdf({ path: join(folder, 'net.pdf'), preferCSSPageSize: true, printBackground: true });
  execFileSync('pdftoppm', ['-r', '60', '-png', '-singlefile', join(folder, 'net.pdf'), join(docs, 'net-printed')]);
  rmSync(folder, { recursive: true, force: true });
}, cone);
await site.close();
console.log(['web.png', 'phone.png', 'solution.png', 'error-phone.png', 'tablet.png', 'problems-phone.png',
  'problems-figure-phone.png', 'problems-figure.png', 'calculator-figure-phone.png', 'net-printed.png']
  .map((name) => join(docs, name)).join('\n'));
