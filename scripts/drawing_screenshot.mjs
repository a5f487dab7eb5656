// SPDX-License-Identifier: MIT
// Shows the drawings of docs/drawings.md in Chromium: figures on a 360-pixel
// phone in the light and the dark scheme (PNG), nets printed on A4 (PDF, which
// scripts/drawing_screenshot.sh turns into PNG with pdftoppm).
//   node scripts/drawing_screenshot.mjs WORK_DIR DOCS_DIR
// WORK_DIR holds the SVG files stereometry-solve wrote: figure-*.svg, net-*.svg.
import { readdirSync, readFileSync } from 'node:fs';
import { join } from 'node:path';

import { chromium } from 'playwright-core';

const [work, docs] = process.argv.slice(2);
const browser = await chromium.launch({
  executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu'],
});
const svg = (name) => readFileSync(join(work, name), 'utf8');

// Figures one under another as a page would show them beside a solution.
async function phone(out, scheme, figures) {
  const page = await browser.newPage({ viewport: { width: 360, height: 640 }, deviceScaleFactor: 2 });
  await page.emulateMedia({ colorScheme: scheme });
  const background = scheme === 'dark' ? '#121212' : '#fff';
  const text = scheme === 'dark' ? '#e3e3e3' : '#1f1f1f';
  const body = figures.map(([caption, file]) => `<h2>${caption}</h2>${svg(file)}`).join('');
  await page.setContent(`<!doctype html><html lang="bg"><meta name="viewport" content="width=device-width">
    <style>body{margin:16px;background:${background};color:${text};font:16px system-ui,sans-serif}
    h2{font-size:16px;margin:16px 0 6px}svg{display:block;max-width:100%;height:auto}</style>${body}`);
  await page.screenshot({ path: join(docs, out), fullPage: true });
  await page.close();
}

await phone('drawing-phone.png', 'light', [
  ['Конус: r = 3 cm, h = 4 cm, търси се Q', 'figure-cone.svg'],
  ['Правилна четириъгълна пирамида', 'figure-pyramid.svg'],
]);
await phone('drawing-dark.png', 'dark', [
  ['Куб: V = 27 cm³', 'figure-cube.svg'],
  ['Цилиндър: r = 1 cm, h = 20 cm', 'figure-cylinder.svg'],
]);

// Each net on A4 with 10 mm margins, sideways where the sheet is wider than 190 mm.
for (const file of readdirSync(work).filter((name) => name.startsWith('net-') && name.endsWith('.svg'))) {
  const net = svg(file);
  const width = parseFloat(net.match(/width="([\d.]+)mm"/)[1]);
  const page = await browser.newPage();
  await page.setContent(`<!doctype html><html lang="bg"><style>
    @page{size:A4 ${width > 190 ? 'landscape' : 'portrait'};margin:10mm}body{margin:0}svg{display:block}</style>${net}`);
  await page.pdf({ path: join(work, file.replace('.svg', '.pdf')), preferCSSPageSize: true, printBackground: true });
  await page.close();
}
await browser.close();
