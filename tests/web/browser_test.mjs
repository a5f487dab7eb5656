// SPDX-License-Identifier: MIT
// The web edition in headless Chromium (Debian's, driven by playwright-core),
// used as a student would: with a Bulgarian browser on a desktop, where the
// window is shown as it is, and on 360- and 320-pixel phones, where the page is
// made for the phone; it types into #TextN, clicks or taps #CommandN, reads the
// fields, #SolutionN and the open <dialog>. The expected texts come from the
// core tests' tables and the core itself (stereometry_web_cases writes them).
//
//   node tests/web/browser_test.mjs SITE_DIR CASES.json
//
// Checks, per run: one press per panel, its results announced, shown whole or
// rounded, never cut, and how they were found; a failed press with its message,
// the focus back on the field with its text selected and no field or solution
// changed, then the panel's clear; axe-core finds nothing to report; no
// Content-Security-Policy violation. On the desktop also: every control where
// the window description puts it, Tab in the window's order, every caption
// within its box at several zoom levels, a press in forced colours, the four
// instruction messages in order, a megabyte's paste refused, "затвори" in a tab,
// installability, the page and its guide working with the server stopped after
// the first visit, and the site opened from its folder. On the phones: no
// horizontal scrolling, no zoomed-out page, fields and buttons at least 44 pixels
// square, field text at least 16 pixels and every other text at least 12, focus
// in the order shown. Last, the site's server's answers to what a client sends.
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { request } from 'node:http';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

import { chromium } from 'playwright-core';

import { serve } from '../../web/serve.mjs';

const [siteDir, casesFile] = process.argv.slice(2);
if (!siteDir || !casesFile) {
  console.error('usage: node tests/web/browser_test.mjs SITE_DIR CASES.json');
  process.exit(2);
}
const cases = JSON.parse(readFileSync(casesFile, 'utf8'));
const axeSource = readFileSync(new URL('../../node_modules/axe-core/axe.min.js', import.meta.url), 'utf8');

const browserFlags = [
  '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
];

const runs = [
  { name: 'bg-BG desktop', locale: 'bg-BG', separator: ',', viewport: { width: 1280, height: 800 } },
  { name: 'en-US 360-px phone', locale: 'en-US', separator: '.', phone: true, viewport: { width: 360, height: 740 },
    deviceScaleFactor: 3 },
  { name: 'bg-BG 320-px phone', locale: 'bg-BG', separator: ',', phone: true, viewport: { width: 320, height: 640 },
    deviceScaleFactor: 3 },
];

// Browser zoom levels: the page's CSS pixels on 1 to 2 device pixels.
const zooms = [1, 1.1, 1.25, 1.5, 1.75, 2];

let failures = 0;
function check(condition, what, detail = '') {
  console.log(`${condition ? 'ok' : 'not ok'} - ${what}${!condition && detail ? `\n    ${detail}` : ''}`);
  if (!condition) failures += 1;
}
const same = (actual, expected) => JSON.stringify(actual) === JSON.stringify(expected);

// ---------------------------------------------------------------------------
// As a user would
// ---------------------------------------------------------------------------

// Two taps on one spot of the screen within a moment make a double tap, to
// Chromium as to a phone, and the second field then takes no typing: a finger
// that taps one field after another at the same spot waits that moment.
let lastTap = { at: 0, x: 0, y: 0 };
async function tap(page, selector) {
  await page.locator(selector).scrollIntoViewIfNeeded();
  const box = await page.locator(selector).boundingBox();
  const [x, y] = [box.x + box.width / 2, box.y + box.height / 2];
  const wait = lastTap.at + 400 - Date.now();
  if (wait > 0 && Math.hypot(x - lastTap.x, y - lastTap.y) < 40) await page.waitForTimeout(wait);
  await page.tap(selector);
  lastTap = { at: Date.now(), x, y };
}

async function activate(page, user, selector) {
  if (user.phone) await tap(page, selector);
  else await page.click(selector);
}

async function typeInto(page, user, name, text) {
  await activate(page, user, `#${name}`);
  await page.keyboard.press('Control+A');
  if (text === '') await page.keyboard.press('Backspace');
  else await page.keyboard.type(text);
}

async function allFields(page) {
  return page.$$eval('#Form1 input', (inputs) => inputs.map((input) => [input.id, input.value]));
}

async function openDialog(page) {
  await page.waitForSelector('dialog[open]');
  return page.$eval('dialog[open]', (dialog) => {
    const box = dialog.getBoundingClientRect();
    const ok = dialog.querySelector('#MessageOK').getBoundingClientRect();
    return {
      title: dialog.querySelector('#MessageTitle').textContent,
      prompt: dialog.querySelector('#MessageText').textContent,
      count: document.querySelectorAll('dialog[open]').length,
      fits: box.left >= 0 && box.top >= 0 && box.right <= innerWidth && box.bottom <= innerHeight,
      ok: [ok.width, ok.height],
    };
  });
}

// Dismisses the open message box with OK (clicked or tapped), Enter or Escape
// and waits until it is closed or shows another message.
async function dismiss(page, user, how) {
  const before = await page.$eval('dialog[open] #MessageText', (text) => text.textContent);
  if (how === 'OK') await activate(page, user, 'dialog[open] #MessageOK');
  else await page.keyboard.press(how);
  await page.waitForFunction((text) => {
    const open = document.querySelector('dialog[open]');
    return !open || open.querySelector('#MessageText').textContent !== text;
  }, before);
}

async function noDialogAfterAWhile(page) {
  await page.waitForTimeout(150);
  return (await page.$$('dialog[open]')).length === 0;
}

// ---------------------------------------------------------------------------
// The checks
// ---------------------------------------------------------------------------

// The result fields that are not shown whole: a number too wide for its field
// must show within it, and as the same number to within half a unit of its last
// digit, never cut ("9361213" cut to "936121" reads ten times too small).
function resultsNotShownRight(names) {
  const number = (text) => {
    const parts = /^(-?\d+)(?:[.,](\d+))?(?:E([+-]\d+))?$/.exec(text);
    if (!parts) return null;
    const fraction = parts[2] || '';
    const exponent = Number(parts[3] || 0);
    return { value: Number(`${parts[1]}.${fraction || '0'}e${exponent}`), unit: 10 ** (exponent - fraction.length) };
  };
  const wrong = [];
  for (const name of names) {
    const field = document.getElementById(name);
    if (!field.classList.contains('rounded')) {
      if (field.scrollWidth > field.clientWidth) wrong.push(`${name} "${field.value}" is cut`);
      continue;
    }
    const shown = field.nextElementSibling;
    const full = number(field.value);
    const rounded = number(shown.textContent);
    if (shown.scrollWidth > shown.clientWidth || !full || !rounded ||
        Math.abs(rounded.value - full.value) > rounded.unit * 0.5000001)
      wrong.push(`${name} "${field.value}" shown as "${shown.textContent}"`);
  }
  return wrong;
}

async function pressEachPanel(page, user, presses) {
  for (const row of presses) {
    for (const [name, text] of row.typed) await typeInto(page, user, name, text);
    await activate(page, user, `#${row.button}`);
    const shown = [];
    for (const [name] of row.shown) shown.push([name, await page.inputValue(`#${name}`)]);
    const typed = [];
    for (const [name] of row.typed) typed.push([name, await page.inputValue(`#${name}`)]);
    check(same(shown, row.shown) && same(typed, row.typed) && (await page.$$('dialog[open]')).length === 0,
      `${user.name}: ${row.panel}: ${row.what}`,
      `shown ${JSON.stringify(shown)}, expected ${JSON.stringify(row.shown)}; inputs ${JSON.stringify(typed)}`);
    const wrong = await page.evaluate(resultsNotShownRight, row.shown.map(([name]) => name));
    check(wrong.length === 0, `${user.name}: ${row.panel}: results too wide for their fields show rounded`,
      wrong.join('\n    '));
    const heard = await page.waitForFunction((text) => document.getElementById('Announcement').textContent === text,
      row.announcement).then(() => true, () => false);
    check(heard, `${user.name}: ${row.panel}: the results are announced`,
      `"${await page.textContent('#Announcement')}", expected "${row.announcement}"`);
    const solution = await page.textContent(`#${row.solutionId}`);
    check(solution === row.solution.join('\n'), `${user.name}: ${row.panel}: #${row.solutionId} shows how they were found`,
      `"${solution}", expected "${row.solution.join('\n')}"`);
  }
}

async function allSolutions(page) {
  return page.$$eval('.sol', (solutions) => solutions.map((solution) => [solution.id, solution.textContent]));
}

async function failedPress(page, user, row) {
  for (const [name, text] of row.typed) await typeInto(page, user, name, text);
  const before = await allFields(page);
  const solutionsBefore = await allSolutions(page);
  await activate(page, user, `#${row.button}`);
  const dialog = await openDialog(page);
  check(dialog.count === 1 && dialog.title === row.title && dialog.prompt === row.message && dialog.fits &&
      (!user.phone || Math.min(...dialog.ok) >= 44),
    `${user.name}: ${row.panel}: ${row.what}: one message box with the core's message, on the screen`,
    `got ${JSON.stringify(dialog)}, expected ${JSON.stringify([row.title, row.message])}`);
  await dismiss(page, user, user.phone ? 'OK' : 'Enter');
  // The box's close event moves the focus, a moment after the box has gone.
  await page.waitForFunction((id) => document.activeElement.id === id, row.field).catch(() => {});
  const focus = await page.evaluate(() => {
    const field = document.activeElement;
    return { id: field.id, start: field.selectionStart, end: field.selectionEnd, length: field.value.length };
  });
  check(focus.id === row.field && focus.start === 0 && focus.end === focus.length && focus.length > 0,
    `${user.name}: after the message the focus is in #${row.field}, its text selected`, JSON.stringify(focus));
  check(same(await allFields(page), before) && same(await allSolutions(page), solutionsBefore),
    `${user.name}: the failed press changed no field and no solution`);
  // "изчисти" empties the panel's fields and its solution.
  await activate(page, user, `#${row.clearButton}`);
  const cleared = await page.evaluate(([panel, solution]) => [
    [...document.querySelectorAll(`#${panel} input`)].map((input) => input.value).join(''),
    document.getElementById(solution).textContent], [row.frame, row.solutionId]);
  check(same(cleared, ['', '']), `${user.name}: "изчисти" empties ${row.panel}'s fields and solution`, JSON.stringify(cleared));
}

async function instruction(page, user) {
  const before = await allFields(page);
  await activate(page, user, `#${cases.instructionButton}`);
  const ways = ['OK', 'Enter', 'Escape', 'OK'];
  for (const [index, expected] of cases.instruction.entries()) {
    const dialog = await openDialog(page);
    check(dialog.count === 1 && dialog.title === expected.title && dialog.prompt === expected.prompt,
      `${user.name}: instruction message ${index + 1} of ${cases.instruction.length}, dismissed by ${ways[index]}`,
      JSON.stringify(dialog));
    await dismiss(page, user, ways[index % ways.length]);
  }
  check(await noDialogAfterAWhile(page), `${user.name}: no message after the instruction's last`);
  check(same(await allFields(page), before), `${user.name}: the instruction changed no field`);
}

// A megabyte pasted into a field is refused whole with the core's message, and
// the field keeps its text and the focus.
async function longPaste(page, user, paste) {
  await typeInto(page, user, paste.field, '12');
  await page.keyboard.press('Control+A'); // the paste would replace the whole text
  await page.evaluate((length) => navigator.clipboard.writeText('7'.repeat(length)), paste.length);
  const started = Date.now();
  await page.keyboard.press('Control+V');
  const dialog = await openDialog(page);
  const took = Date.now() - started;
  check(dialog.count === 1 && dialog.title === paste.title && dialog.prompt === paste.message && took < 2000,
    `${user.name}: a megabyte pasted into #${paste.field} is refused with the core's message`,
    `got ${JSON.stringify(dialog)} after ${took} ms, expected ${JSON.stringify([paste.title, paste.message])}`);
  await dismiss(page, user, 'Escape');
  await page.waitForFunction((id) => document.activeElement.id === id, paste.field).catch(() => {});
  const field = await page.$eval(`#${paste.field}`, (input) => [input.value, document.activeElement === input]);
  check(same(field, ['12', true]), `${user.name}: #${paste.field} kept its text and the focus`, JSON.stringify(field));
}

async function closeInATab(page, user) {
  await activate(page, user, `#${cases.closeButton}`);
  const dialog = await openDialog(page);
  check(dialog.count === 1 && /[а-я]/.test(dialog.prompt) && !page.isClosed(),
    `${user.name}: "затвори" in a browser tab says in Bulgarian that the tab stays`, JSON.stringify(dialog));
  await dismiss(page, user, 'Escape');
}

// The guide, a page of its own, from the service worker's copies: styled, every
// picture shown, and its link back to the calculator.
async function guideOffline(page, user) {
  await page.goto(new URL('guide.html', page.url()).href);
  const guide = await page.evaluate(async () => {
    const pictures = [...document.images];
    pictures.forEach((picture) => { picture.loading = 'eager'; });
    await Promise.all(pictures.map((picture) => picture.decode().catch(() => {})));
    return {
      headings: document.querySelectorAll('h1').length,
      styled: getComputedStyle(document.body).maxWidth !== 'none',
      missing: pictures.filter((picture) => picture.naturalWidth === 0).map((picture) => picture.src),
    };
  });
  check(guide.headings === 1 && guide.styled && guide.missing.length === 0,
    `${user.name}: the guide offline, styled, with every picture`, JSON.stringify(guide));
  await page.click('nav a[href="index.html"]');
  await page.waitForSelector('html[data-ready]');
}

// Every label, button and panel caption within its box at every zoom level:
// whole, on as many lines as its box holds, and not under a field or a later
// label that the layout puts over it. Where the layout puts a field further
// over a label than its one-pixel overlap, only the words before the "=" count.
function captionsOutsideTheirBoxes() {
  const slack = 0.05;
  const form = document.getElementById('Form1');
  const fields = [...form.querySelectorAll('input')];
  const labels = [...form.querySelectorAll('.l')];
  const wrong = [];
  for (const element of form.querySelectorAll('.l, button, .pc')) {
    const box = element.getBoundingClientRect();
    let right = box.right;
    let bottom = box.bottom;
    let covered = 0;
    if (element.classList.contains('l')) {
      for (const other of [...fields, ...labels.slice(labels.indexOf(element) + 1)]) {
        const o = other.getBoundingClientRect();
        if (o.left > box.left && o.left < right && o.top < box.bottom && o.bottom > box.top) {
          right = o.left;
          covered = box.right - o.left;
        }
      }
    } else if (element.tagName === 'BUTTON') {
      right -= 2; // the bevel
      bottom -= 2;
    } else {
      right = element.parentElement.getBoundingClientRect().right;
    }
    const text = element.firstChild;
    const shown = covered > 1.5 && text.data.endsWith('=') ? text.data.length - 1 : text.data.length;
    const range = document.createRange();
    range.setStart(text, 0);
    range.setEnd(text, shown);
    const lines = [...range.getClientRects()];
    const tops = new Set(lines.map((line) => Math.round(line.top)));
    const lineHeight = parseFloat(getComputedStyle(element).lineHeight);
    const linesItHolds = Math.max(1, Math.floor(box.height / lineHeight));
    const inkRight = Math.max(...lines.map((line) => line.right));
    const inkBottom = Math.max(...lines.map((line) => line.bottom));
    if (inkRight > right + slack || inkBottom > bottom + slack || tops.size > linesItHolds)
      wrong.push(`${element.id || element.parentElement.id} "${text.data}": text to ${inkRight.toFixed(2)}, ` +
        `${tops.size} line(s), room to ${right.toFixed(2)}`);
  }
  return wrong;
}

async function captionsFit(page, user, context) {
  const cdp = await context.newCDPSession(page);
  for (const zoom of zooms) {
    await cdp.send('Emulation.setDeviceMetricsOverride', {
      width: user.viewport.width, height: user.viewport.height, deviceScaleFactor: zoom, mobile: false,
    });
    await page.evaluate(() => document.fonts.ready.then(() => new Promise((done) => requestAnimationFrame(done))));
    const wrong = await page.evaluate(captionsOutsideTheirBoxes);
    check(wrong.length === 0, `${user.name}: every caption fits its box at ${zoom * 100} %`, wrong.join('\n    '));
  }
  await cdp.send('Emulation.clearDeviceMetricsOverride');
  await cdp.detach();
}

async function installable(page, context) {
  const cdp = await context.newCDPSession(page);
  const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
  const { errors } = await cdp.send('Page.getAppManifest');
  await cdp.detach();
  check(installabilityErrors.length === 0 && errors.length === 0, 'the manifest is sound and Chromium can install the page',
    JSON.stringify({ installabilityErrors, errors }));
}

// On a phone: laid out for its width, nothing to scroll sideways or to pinch
// before typing, every field and button big enough to tap, every text readable,
// and the focus in the order things are shown.
function phoneFaults() {
  const wrong = [];
  const root = document.documentElement;
  if (visualViewport.scale !== 1 || innerWidth !== root.clientWidth || root.scrollWidth > root.clientWidth)
    wrong.push(`zoomed out or too wide: scale ${visualViewport.scale}, ${root.scrollWidth} in ${root.clientWidth}`);
  const shown = (element) => element.getClientRects().length > 0 && getComputedStyle(element).visibility !== 'hidden';
  const controls = [...document.querySelectorAll('#Form1 :is(a, input, button), footer a')].filter(shown);
  for (const control of controls) {
    const box = control.getBoundingClientRect();
    if (!control.closest('footer') && (box.width < 44 || box.height < 44))
      wrong.push(`#${control.id} ${box.width.toFixed(1)}x${box.height.toFixed(1)}`);
    if (control.tagName === 'INPUT' && parseFloat(getComputedStyle(control).fontSize) < 16)
      wrong.push(`#${control.id} text at ${getComputedStyle(control).fontSize}`);
  }
  const texts = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
  for (let text = texts.nextNode(); text; text = texts.nextNode()) {
    const element = text.parentElement;
    if (!text.data.trim() || !shown(element) || element.closest('#Announcement, dialog:not([open])')) continue;
    if (parseFloat(getComputedStyle(element).fontSize) < 12)
      wrong.push(`"${text.data.trim()}" at ${getComputedStyle(element).fontSize}`);
  }
  const tops = controls.map((control) => control.getBoundingClientRect().top);
  if (tops.some((top, i) => i > 0 && top < tops[i - 1])) wrong.push('the focus order is not the order shown');
  return wrong;
}

async function madeForThePhone(page, user) {
  const wrong = await page.evaluate(phoneFaults);
  check(wrong.length === 0, `${user.name}: a page made for the phone, every field and button 44 pixels, text readable`,
    wrong.join('\n    '));
}

// Every control where the window description puts it, relative to the window.
async function windowInPlace(page, user) {
  const wrong = await page.evaluate((places) => {
    const form = document.getElementById('Form1').getBoundingClientRect();
    return places.filter(([id, left, top, width, height]) => {
      const box = document.getElementById(id).getBoundingClientRect();
      return box.left - form.left !== left || box.top - form.top !== top || box.width !== width || box.height !== height;
    }).map(([id]) => id);
  }, cases.window.places);
  check(wrong.length === 0, `${user.name}: every control where the window description puts it`, wrong.join(' '));
}

// Tab goes through the window's tab stops in the window's order, then on out of the window.
async function windowTabOrder(page, user) {
  await page.focus(`#${cases.window.tabOrder[0]}`);
  const visited = [];
  for (let i = 0; i <= cases.window.tabOrder.length; ++i) {
    visited.push(await page.evaluate(() => (document.getElementById('Form1').contains(document.activeElement)
      ? document.activeElement.id : 'outside the window')));
    await page.keyboard.press('Tab');
  }
  check(same(visited, [...cases.window.tabOrder, 'outside the window']), `${user.name}: Tab follows the window's order`,
    visited.join(' '));
}

async function axeFindsNothing(page, user, when) {
  if (!(await page.evaluate(() => 'axe' in window))) await page.evaluate(axeSource);
  const violations = await page.evaluate(() => axe.run(document, {
    runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22a', 'wcag22aa', 'best-practice'] },
  }).then((result) => result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`)));
  check(violations.length === 0, `${user.name}: axe-core finds no violation ${when}`, violations.join('\n    '));
}

// A high-contrast theme: every field and button keeps an edge, and every result
// shows one number, the whole one or the rounded one, never one over the other.
async function inForcedColours(page, user, row) {
  await page.emulateMedia({ forcedColors: 'active' });
  await activate(page, user, `#${row.button}`);
  const wrong = await page.evaluate((names) => {
    const visible = (element) => getComputedStyle(element).display !== 'none' &&
      !/rgba\(.*, 0\)$|transparent/.test(getComputedStyle(element).color);
    const faults = [...document.querySelectorAll('#Form1 .t, #Form1 .b')]
      .filter((control) => parseFloat(getComputedStyle(control).borderTopWidth) < 1).map((control) => `#${control.id} has no edge`);
    for (const name of names) {
      const field = document.getElementById(name);
      const texts = [field.value, field.nextElementSibling.textContent].filter((text, i) =>
        text && visible(i === 0 ? field : field.nextElementSibling));
      if (texts.length !== 1) faults.push(`#${name} shows ${JSON.stringify(texts)}`);
    }
    return faults;
  }, row.shown.map(([name]) => name));
  check(wrong.length === 0, `${user.name}: in forced colours every edge stays and ${row.panel} shows one number a result`,
    wrong.join('\n    '));
  await page.emulateMedia({ forcedColors: 'none' });
}

async function cspViolations(page) {
  return page.evaluate(() => window.cspViolations || ['no record']);
}

// The site opened from its folder, with no server: a press works, the fonts
// and pictures load.
async function fromAFolder(browserContext, user) {
  const page = await browserContext.newPage();
  await page.goto(pathToFileURL(resolve(siteDir, 'index.html')).href);
  await page.waitForSelector('html[data-ready]');
  const row = cases.separators[user.separator].presses[0];
  await pressEachPanel(page, { ...user, name: `${user.name}, from a folder` }, [row]);
  const loaded = await page.evaluate(() => document.fonts.ready.then(() => ({
    fonts: [...document.fonts].filter((face) => face.status === 'loaded').length,
    pictures: [...document.images].every((image) => image.complete && image.naturalWidth > 0),
  })));
  check(loaded.fonts > 0 && loaded.pictures && same(await cspViolations(page), []),
    `${user.name}, from a folder: the fonts and pictures load, nothing is refused`, JSON.stringify(loaded));
  await page.close();
}

// ---------------------------------------------------------------------------

async function run(user, site) {
  const profile = mkdtempSync(join(tmpdir(), 'stereometry-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: browserFlags,
    locale: user.locale,
    viewport: user.viewport,
    deviceScaleFactor: user.deviceScaleFactor || 1,
    isMobile: Boolean(user.phone),
    hasTouch: Boolean(user.phone),
  });
  context.setDefaultTimeout(10000);
  await context.addInitScript(() => {
    window.cspViolations = [];
    document.addEventListener('securitypolicyviolation',
      (event) => window.cspViolations.push(`${event.violatedDirective} ${event.blockedURI}`), true);
  });
  const errors = [];
  try {
    const page = context.pages()[0] || (await context.newPage());
    page.on('pageerror', (error) => errors.push(error.message));
    await page.goto(site.url);
    await page.waitForSelector('html[data-ready]');
    check(await page.evaluate(() => document.activeElement.id === 'Text1'),
      `${user.name}: the focus starts in #Text1`);

    const expected = cases.separators[user.separator];
    if (user.phone) await madeForThePhone(page, user);
    else {
      await windowInPlace(page, user);
      await windowTabOrder(page, user);
      await captionsFit(page, user, context);
    }
    await pressEachPanel(page, user, expected.presses);
    await axeFindsNothing(page, user, 'with every panel\'s results and solution');
    await failedPress(page, user, expected.failedPress);
    check(same(await cspViolations(page), []), `${user.name}: the Content-Security-Policy refuses nothing`,
      JSON.stringify(await cspViolations(page)));
    if (!user.phone) {
      await inForcedColours(page, user, expected.presses.find((row) => row.panel === 'конус'));
      await instruction(page, user);
      await context.grantPermissions(['clipboard-read', 'clipboard-write']);
      await longPaste(page, user, cases.longPaste);
      await closeInATab(page, user);
      await installable(page, context);
      await fromAFolder(context, user);

      // Offline: once the service worker keeps the site, the server goes away.
      await page.evaluate(() => navigator.serviceWorker.ready);
      await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
      await site.close();
      await page.reload();
      await page.waitForSelector('html[data-ready]');
      const offline = expected.presses[expected.presses.length - 1];
      await pressEachPanel(page, { ...user, name: `${user.name}, offline` }, [offline]);
      await guideOffline(page, user);
    }
  } catch (error) {
    check(false, `${user.name}: the run went through`, error.stack);
  } finally {
    check(errors.length === 0, `${user.name}: no script error in the page`, errors.join('\n    '));
    await context.close();
    rmSync(profile, { recursive: true, force: true });
  }
}

// The server's answers to what a client sends, by plain HTTP (node:http sends
// the path as written, where a browser would tidy it): method, path, status.
const serverAnswers = [
  ['GET', '/', 200],
  ['HEAD', '/index.html', 200],
  ['GET', '/%00', 400],
  ['GET', '/%E0%A4%A', 400],
  ['GET', '/../etc/passwd', 404],
  ['GET', '/..%2fetc%2fpasswd', 404],
  ['GET', `/${'a'.repeat(300)}`, 404],
  ['POST', '/', 405],
  ['DELETE', '/index.html', 405],
];

async function serverAnswersClients() {
  const site = await serve(siteDir, 0);
  const { hostname, port } = new URL(site.url);
  try {
    for (const [method, path, status] of serverAnswers) {
      const answer = await new Promise((done, fail) => {
        const sent = request({ hostname, port, method, path }, (response) => done(response.resume()));
        sent.on('error', fail).end();
      });
      const allowed = status !== 405 || answer.headers.allow === 'GET, HEAD';
      check(answer.statusCode === status && allowed, `server: ${method} ${path.slice(0, 40)} answers ${status}`,
        `answered ${answer.statusCode}, Allow: ${answer.headers.allow ?? 'none'}`);
    }
  } finally {
    await site.close();
  }
}

for (const user of runs) {
  const site = await serve(siteDir, 0);
  try {
    await run(user, site);
  } finally {
    await site.close();
  }
}
await serverAnswersClients();
console.log(failures === 0 ? 'browser test: all checks passed' : `browser test: ${failures} check(s) failed`);
process.exit(failures === 0 ? 0 : 1);
