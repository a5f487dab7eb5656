// SPDX-License-Identifier: MIT
// The four pages of the site as a class meets them (headless Chromium, Debian's,
// driven by playwright-core): a teacher's link sent in a messenger and opened
// on 320- and 360-pixel phones and on a 1280-pixel school laptop.
//
//   node tests/web/pages_test.mjs SITE_DIR
//
// Checks, on every page at every width: opened with what messengers and
// search engines add to a link (fbclid, utm_…, gclid), the page shows its task
// or sheet and no message; axe-core (WCAG 2.2 A and AA with the 24-pixel
// targets, and best practice) finds nothing; nothing wider than the screen;
// no number broken across two lines, no word broken but at a soft hyphen; the
// signs (⇒, √, π, ≈ …) drawn in the site's own face. On the problems page, at
// every width, π and √ stand under the field being typed in and type into it.
// On paper, a task with two solutions printed to A4 with its solutions starting
// lower and lower on the page: no solution's heading is left alone at the foot
// of a page.
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

import { chromium } from 'playwright-core';

import { serve } from '../../web/serve.mjs';
import { tapFocuses } from './tap_focus.mjs';

const [siteDir] = process.argv.slice(2);
if (!siteDir) {
  console.error('usage: node tests/web/pages_test.mjs SITE_DIR');
  process.exit(2);
}
const axeSource = readFileSync(new URL('../../node_modules/axe-core/axe.min.js', import.meta.url), 'utf8');

let failures = 0;
function check(condition, what, detail = '') {
  console.log(`${condition ? 'ok' : 'not ok'} - ${what}${!condition && detail ? `\n    ${detail}` : ''}`);
  if (!condition) failures += 1;
}

// What messengers and search engines add to every link.
const added = 'fbclid=IwAR0aBcD_eF1&utm_source=messenger&utm_medium=social&utm_campaign=klas&gclid=Cj0KCQ';

// Each page as a class opens it, and how to know it has shown what the link asks.
const pages = [
  { name: 'the calculator', path: 'index.html', ready: () => document.querySelector('#Command1') !== null },
  {
    name: 'the problems page', path: 'zadachi.html?solid=cone&S=15π&V=12π&unit=cm',
    ready: () => document.documentElement.dataset.ready !== undefined &&
      document.querySelectorAll('#solutions .solution').length === 2,
    fine: () => document.getElementById('task-message').hidden &&
      !document.querySelector('#given [aria-invalid]') && /две решения/.test(document.getElementById('summary').textContent),
  },
  {
    name: 'the worksheet page', path: 'listove.html?number=4711&count=6&figures=on&class=on',
    ready: () => document.documentElement.dataset.ready !== undefined,
    fine: () => document.getElementById('problems').hidden && document.querySelectorAll('.task').length === 6,
  },
  {
    name: 'the worksheet page with its key', path: 'listove.html?number=4711&count=6&figures=on&key=on',
    ready: () => document.documentElement.dataset.ready !== undefined,
    fine: () => document.getElementById('problems').hidden && !document.getElementById('answer-key').hidden,
  },
  { name: 'the guide', path: 'guide.html', ready: () => document.querySelector('main, body') !== null },
];

const users = [
  { name: '320-px phone', viewport: { width: 320, height: 640 }, phone: true },
  { name: '360-px phone', viewport: { width: 360, height: 740 }, phone: true },
  { name: '1280-px laptop', viewport: { width: 1280, height: 800 } },
];

async function opened(page, site, entry) {
  const url = `${site.url}${entry.path}${entry.path.includes('?') ? '&' : '?'}${added}`;
  await page.goto(url);
  await page.waitForFunction(entry.ready, null, { timeout: 20000 });
  await page.evaluate(() => document.fonts.ready);
  await page.waitForTimeout(200);
}

async function axeFindsNothing(page) {
  if (!(await page.evaluate(() => 'axe' in window))) await page.evaluate(axeSource);
  return page.evaluate(() => axe.run(document, {
    runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22a', 'wcag22aa', 'best-practice'] },
  }).then((result) => result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).slice(0, 5).join(', ')}`)));
}

// Numbers broken across two lines, and words broken anywhere but at a soft
// hyphen, in the text a reader sees (links to addresses aside).
function brokenText() {
  const broken = [];
  // The line a character stands on: the top of its widest box (a hyphen drawn
  // at a soft hyphen has a narrow box of its own on the line before).
  const lineOf = (node, at) => {
    const range = document.createRange();
    range.setStart(node, at);
    range.setEnd(node, at + 1);
    const boxes = [...range.getClientRects()].sort((a, b) => b.width - a.width);
    return boxes.length ? Math.round(boxes[0].top) : null;
  };
  // Whether the characters of text[start, end) but soft hyphens stand on one
  // line, or break only after a soft hyphen where `hyphens` allows it.
  const whole = (node, start, end, hyphens) => {
    let last = null;
    let afterHyphen = false;
    for (let at = start; at < end; at += 1) {
      if (node.data[at] === '\u00ad') {
        afterHyphen = true;
        continue;
      }
      const line = lineOf(node, at);
      if (line === null) continue;
      if (last !== null && Math.abs(line - last) > 2 && !(hyphens && afterHyphen)) return false;
      last = line;
      afterHyphen = false;
    }
    return true;
  };
  const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT, {
    acceptNode(node) {
      const parent = node.parentElement;
      if (!parent || parent.closest('script, style, svg, noscript, #class-link, [hidden], #announcement')) return NodeFilter.FILTER_REJECT;
      return parent.getClientRects().length ? NodeFilter.FILTER_ACCEPT : NodeFilter.FILTER_REJECT;
    },
  });
  const number = /[−-]?(?:[√∛]\(?)?\d+(?:[.,]\d+)*(?:[²³]|π|√\d+)*/g;
  const word = /[A-Za-zА-Яа-яЁёЍѝ\u00ad]{2,}/g;
  for (let node = walker.nextNode(); node; node = walker.nextNode()) {
    const text = node.data;
    for (const match of text.matchAll(number))
      if (!whole(node, match.index, match.index + match[0].length, false))
        broken.push(`number „${match[0]}“ in „${text.trim().slice(0, 60)}“`);
    for (const match of text.matchAll(word))
      if (!whole(node, match.index, match.index + match[0].length, true))
        broken.push(`word „${match[0].replace(/\u00ad/g, '')}“ in „${text.trim().slice(0, 60)}“`);
  }
  return [...new Set(broken)];
}

// The faces Chromium drew a node's text in, as its developer tools say.
async function facesOf(page, selector) {
  const session = await page.context().newCDPSession(page);
  await session.send('DOM.enable');
  await session.send('CSS.enable');
  const { root } = await session.send('DOM.getDocument', { depth: -1 });
  const { nodeId } = await session.send('DOM.querySelector', { nodeId: root.nodeId, selector });
  const faces = nodeId ? (await session.send('CSS.getPlatformFontsForNode', { nodeId })).fonts : [];
  await session.detach();
  return faces.map((face) => face.familyName);
}

async function everyPage(page, site, user) {
  for (const entry of pages) {
    await opened(page, site, entry);
    const where = `${user.name}, ${entry.name}`;
    if (entry.fine) check(await page.evaluate(entry.fine), `${where}: opened with a messenger's fbclid and utm_… pairs, ` +
      'it shows what the link asks and no message');
    const violations = await axeFindsNothing(page);
    check(violations.length === 0, `${where}: axe-core finds nothing, 24-pixel targets included`, violations.join('\n    '));
    const width = await page.evaluate(() => [document.documentElement.scrollWidth, document.documentElement.clientWidth]);
    check(width[0] <= width[1], `${where}: nothing wider than the screen`, JSON.stringify(width));
    const broken = await page.evaluate(brokenText);
    check(broken.length === 0, `${where}: no number broken across lines, no word but at a soft hyphen`,
      broken.slice(0, 8).join('\n    '));
    // The header's links (the problems and worksheet pages) side by side, none alone on a line of its own.
    const rows = await page.$$eval('header nav a', (links) => new Set(links.map((a) => Math.round(a.getBoundingClientRect().top))).size);
    check(rows <= 1, `${where}: the header's links on one line`, `${rows} lines`);
  }
}

// The signs of a solution's steps, the sheet's key and the guide in the site's
// own face, whatever the system has.
async function signsInTheSitesFace(page, site, user) {
  const rows = [
    [pages[1], '#solutions .solution .steps li'],
    [pages[3], '#answer-key .steps li'],
  ];
  for (const [entry, selector] of rows) {
    await opened(page, site, entry);
    const faces = await facesOf(page, selector);
    const text = await page.textContent(selector);
    check(/[⇒√π≈·−²]/.test(text) && faces.includes('Stereometry Signs'),
      `${user.name}, ${entry.name}: the signs of „${text.slice(0, 40)}“ drawn in the site's own face`, JSON.stringify(faces));
  }
}

// π and √ under the field being typed in, at every width, typing into it.
async function signKeys(page, site, user) {
  await page.goto(`${site.url}zadachi.html?solid=cylinder&${added}`);
  await page.waitForSelector('html[data-ready]');
  const places = [];
  for (const field of ['#cylinder-h', '#cylinder-S']) {
    if (user.phone) {
      await page.tap(field);
      await tapFocuses(page, field);
    } else await page.click(field);
    await page.keyboard.type('70');
    const key = `.q:has(${field}) #keys .key[data-insert="π"]`;
    if (user.phone) await page.tap(key);
    else await page.click(key);
    places.push(await page.evaluate((id) => {
      const input = document.querySelector(id), keys = document.getElementById('keys');
      const box = keys.getBoundingClientRect(), fieldBox = input.getBoundingClientRect();
      return {
        typed: input.value, focused: document.activeElement === input, under: input.closest('.q').contains(keys),
        shown: box.height >= 24 && box.top >= fieldBox.bottom - 1 && getComputedStyle(keys).display !== 'none',
      };
    }, field));
  }
  check(places.every((p) => p.typed === '70π' && p.focused && p.under && p.shown),
    `${user.name}: on the problems page π and √ stand under the field being typed in and type into it`, JSON.stringify(places));
}

// A two-solution task printed with its solutions starting ever lower on the
// first page: no page ends in a solution's heading, and each heading stands
// on the page of the values that follow it.
async function headingsKeptOnPaper(page, site) {
  await opened(page, site, pages[1]);
  await page.emulateMedia({ media: 'print' });
  const folder = mkdtempSync(join(tmpdir(), 'pages-'));
  const alone = [];
  for (let shift = 0; shift <= 240; shift += 12) {
    await page.evaluate((mm) => {
      let spacer = document.getElementById('test-spacer');
      if (!spacer) {
        spacer = document.createElement('div');
        spacer.id = 'test-spacer';
        document.getElementById('solutions').before(spacer);
      }
      spacer.style.height = `${mm}mm`;
    }, shift);
    const pdf = join(folder, `task-${shift}.pdf`);
    writeFileSync(pdf, await page.pdf({ format: 'A4', printBackground: false }));
    const pagesCount = Number(/Pages:\s+(\d+)/.exec(execFileSync('pdfinfo', [pdf], { encoding: 'utf8' }))[1]);
    for (let number = 1; number <= pagesCount; number += 1) {
      const lines = execFileSync('pdftotext', ['-layout', '-f', String(number), '-l', String(number), pdf, '-'], { encoding: 'utf8' })
        .split('\n').map((line) => line.trim()).filter(Boolean);
      const heading = lines.findIndex((line) => /^Решение \d$/.test(line));
      if (heading >= 0 && heading >= lines.length - 2) alone.push(`${shift} mm lower: page ${number} ends in „${lines.slice(-2).join(' / ')}“`);
    }
  }
  rmSync(folder, { recursive: true, force: true });
  await page.emulateMedia({ media: 'screen' });
  check(alone.length === 0, 'on paper no solution\'s heading is left alone at the foot of a page', alone.join('\n    '));
}

async function run(user) {
  const site = await serve(siteDir, 0);
  const browser = await chromium.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking'],
  });
  const context = await browser.newContext({
    locale: 'bg-BG', viewport: user.viewport, deviceScaleFactor: user.phone ? 2 : 1,
    isMobile: Boolean(user.phone), hasTouch: Boolean(user.phone),
  });
  context.setDefaultTimeout(20000);
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  try {
    await everyPage(page, site, user);
    await signsInTheSitesFace(page, site, user);
    await signKeys(page, site, user);
    if (!user.phone) await headingsKeptOnPaper(page, site);
  } catch (error) {
    check(false, `${user.name}: the run went through`, error.stack);
  } finally {
    check(errors.length === 0, `${user.name}: no script error in the pages`, errors.join('\n    '));
    await browser.close();
    await site.close();
  }
}

for (const user of users) await run(user);
console.log(failures === 0 ? 'pages test: all checks passed' : `pages test: ${failures} check(s) failed`);
process.exit(failures === 0 ? 0 : 1);
