// SPDX-License-Identifier: MIT
// The web edition in headless Chromium (Debian's, driven by playwright-core),
// used as a student would: with a Bulgarian browser on a desktop and an
// English one on a phone, it types into #TextN, clicks or taps #CommandN,
// reads the fields and the open <dialog>. The expected texts come from the
// core tests' tables and the core itself (stereometry_web_cases writes them).
//
//   node tests/web/browser_test.mjs SITE_DIR CASES.json
//
// Checks, per language: one press per panel, its results announced and a result
// too wide for its field shown rounded, not cut; a failed press with its message,
// the focus back on the field with its text selected and no field changed.
// In Bulgarian also: every caption within its box at several zoom levels, the
// four instruction messages in order, a megabyte's paste refused, "затвори" in a tab, installability, and
// the page working with the server stopped after the first visit. On the phone:
// the whole window within a 360-pixel-wide screen.
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

import { chromium } from 'playwright-core';

import { serve } from '../../web/serve.mjs';

const [siteDir, casesFile] = process.argv.slice(2);
if (!siteDir || !casesFile) {
  console.error('usage: node tests/web/browser_test.mjs SITE_DIR CASES.json');
  process.exit(2);
}
const cases = JSON.parse(readFileSync(casesFile, 'utf8'));

const browserFlags = [
  '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
];

const languages = [
  { locale: 'bg-BG', separator: ',', viewport: { width: 800, height: 700 } },
  { locale: 'en-US', separator: '.', phone: true, viewport: { width: 360, height: 740 }, deviceScaleFactor: 2 },
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

async function activate(page, language, selector) {
  if (language.phone) await page.tap(selector);
  else await page.click(selector);
}

async function typeInto(page, language, name, text) {
  await activate(page, language, `#${name}`);
  await page.keyboard.press('Control+A');
  if (text === '') await page.keyboard.press('Backspace');
  else await page.keyboard.type(text);
}

async function allFields(page) {
  return page.$$eval('#Form1 input', (inputs) => inputs.map((input) => [input.id, input.value]));
}

async function openDialog(page) {
  await page.waitForSelector('dialog[open]');
  return page.$eval('dialog[open]', (dialog) => ({
    title: dialog.querySelector('#MessageTitle').textContent,
    prompt: dialog.querySelector('#MessageText').textContent,
    count: document.querySelectorAll('dialog[open]').length,
  }));
}

// Dismisses the open message box with OK (clicked or tapped), Enter or Escape
// and waits until it is closed or shows another message.
async function dismiss(page, language, how) {
  const before = await page.$eval('dialog[open] #MessageText', (text) => text.textContent);
  if (how === 'OK') await activate(page, language, 'dialog[open] #MessageOK');
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

async function pressEachPanel(page, language, presses) {
  for (const row of presses) {
    for (const [name, text] of row.typed) await typeInto(page, language, name, text);
    await activate(page, language, `#${row.button}`);
    const shown = [];
    for (const [name] of row.shown) shown.push([name, await page.inputValue(`#${name}`)]);
    const typed = [];
    for (const [name] of row.typed) typed.push([name, await page.inputValue(`#${name}`)]);
    check(same(shown, row.shown) && same(typed, row.typed) && (await page.$$('dialog[open]')).length === 0,
      `${language.locale}: ${row.panel}: ${row.what}`,
      `shown ${JSON.stringify(shown)}, expected ${JSON.stringify(row.shown)}; inputs ${JSON.stringify(typed)}`);
    const wrong = await page.evaluate(resultsNotShownRight, row.shown.map(([name]) => name));
    check(wrong.length === 0, `${language.locale}: ${row.panel}: results too wide for their fields show rounded`,
      wrong.join('\n    '));
    const heard = await page.waitForFunction((text) => document.getElementById('Announcement').textContent === text,
      row.announcement).then(() => true, () => false);
    check(heard, `${language.locale}: ${row.panel}: the results are announced`,
      `"${await page.textContent('#Announcement')}", expected "${row.announcement}"`);
  }
}

async function failedPress(page, language, row) {
  for (const [name, text] of row.typed) await typeInto(page, language, name, text);
  const before = await allFields(page);
  await activate(page, language, `#${row.button}`);
  const dialog = await openDialog(page);
  check(dialog.count === 1 && dialog.title === row.title && dialog.prompt === row.message,
    `${language.locale}: ${row.panel}: ${row.what}: one message box with the core's message`,
    `got ${JSON.stringify(dialog)}, expected ${JSON.stringify([row.title, row.message])}`);
  await dismiss(page, language, language.phone ? 'OK' : 'Enter');
  // The box's close event moves the focus, a moment after the box has gone.
  await page.waitForFunction((id) => document.activeElement.id === id, row.field).catch(() => {});
  const focus = await page.evaluate(() => {
    const field = document.activeElement;
    return { id: field.id, start: field.selectionStart, end: field.selectionEnd, length: field.value.length };
  });
  check(focus.id === row.field && focus.start === 0 && focus.end === focus.length && focus.length > 0,
    `${language.locale}: after the message the focus is in #${row.field}, its text selected`, JSON.stringify(focus));
  check(same(await allFields(page), before), `${language.locale}: the failed press changed no field`);
}

async function instruction(page, language) {
  const before = await allFields(page);
  await activate(page, language, `#${cases.instructionButton}`);
  const ways = ['OK', 'Enter', 'Escape', 'OK'];
  for (const [index, expected] of cases.instruction.entries()) {
    const dialog = await openDialog(page);
    check(dialog.count === 1 && dialog.title === expected.title && dialog.prompt === expected.prompt,
      `${language.locale}: instruction message ${index + 1} of ${cases.instruction.length}, dismissed by ${ways[index]}`,
      JSON.stringify(dialog));
    await dismiss(page, language, ways[index % ways.length]);
  }
  check(await noDialogAfterAWhile(page), `${language.locale}: no message after the instruction's last`);
  check(same(await allFields(page), before), `${language.locale}: the instruction changed no field`);
}

// A megabyte pasted into a field is refused whole with the core's message, and
// the field keeps its text and the focus.
async function longPaste(page, language, paste) {
  await typeInto(page, language, paste.field, '12');
  await page.keyboard.press('Control+A'); // the paste would replace the whole text
  await page.evaluate((length) => navigator.clipboard.writeText('7'.repeat(length)), paste.length);
  const started = Date.now();
  await page.keyboard.press('Control+V');
  const dialog = await openDialog(page);
  const took = Date.now() - started;
  check(dialog.count === 1 && dialog.title === paste.title && dialog.prompt === paste.message && took < 2000,
    `${language.locale}: a megabyte pasted into #${paste.field} is refused with the core's message`,
    `got ${JSON.stringify(dialog)} after ${took} ms, expected ${JSON.stringify([paste.title, paste.message])}`);
  await dismiss(page, language, 'Escape');
  await page.waitForFunction((id) => document.activeElement.id === id, paste.field).catch(() => {});
  const field = await page.$eval(`#${paste.field}`, (input) => [input.value, document.activeElement === input]);
  check(same(field, ['12', true]), `${language.locale}: #${paste.field} kept its text and the focus`, JSON.stringify(field));
}

async function closeInATab(page, language) {
  await activate(page, language, `#${cases.closeButton}`);
  const dialog = await openDialog(page);
  check(dialog.count === 1 && /[а-я]/.test(dialog.prompt) && !page.isClosed(),
    `${language.locale}: "затвори" in a browser tab says in Bulgarian that the tab stays`, JSON.stringify(dialog));
  await dismiss(page, language, 'Escape');
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
  for (const element of form.querySelectorAll('.l, button, legend')) {
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

async function captionsFit(page, language, context) {
  const cdp = await context.newCDPSession(page);
  for (const zoom of zooms) {
    await cdp.send('Emulation.setDeviceMetricsOverride', {
      width: language.viewport.width, height: language.viewport.height, deviceScaleFactor: zoom, mobile: false,
    });
    await page.evaluate(() => document.fonts.ready.then(() => new Promise((done) => requestAnimationFrame(done))));
    const wrong = await page.evaluate(captionsOutsideTheirBoxes);
    check(wrong.length === 0, `${language.locale}: every caption fits its box at ${zoom * 100} %`, wrong.join('\n    '));
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

async function fitsAPhone(page, language) {
  const fit = await page.evaluate(() => {
    const form = document.getElementById('Form1').getBoundingClientRect();
    return {
      shownWidth: form.width * visualViewport.scale,
      overflow: document.documentElement.scrollWidth - document.documentElement.clientWidth,
      scale: visualViewport.scale,
    };
  });
  check(fit.shownWidth <= language.viewport.width + 0.5 && fit.overflow <= 0,
    `${language.locale}: the whole window fits a ${language.viewport.width}-pixel-wide phone`, JSON.stringify(fit));
}

// ---------------------------------------------------------------------------

async function run(language, site) {
  const profile = mkdtempSync(join(tmpdir(), 'stereometry-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: browserFlags,
    locale: language.locale,
    viewport: language.viewport,
    deviceScaleFactor: language.deviceScaleFactor || 1,
    isMobile: Boolean(language.phone),
    hasTouch: Boolean(language.phone),
  });
  context.setDefaultTimeout(10000);
  const errors = [];
  try {
    const page = context.pages()[0] || (await context.newPage());
    page.on('pageerror', (error) => errors.push(error.message));
    await page.goto(site.url);
    await page.waitForSelector('html[data-ready]');
    check(await page.evaluate(() => document.activeElement.id === 'Text1'),
      `${language.locale}: the focus starts in #Text1`);

    const expected = cases.separators[language.separator];
    if (language.phone) await fitsAPhone(page, language);
    else await captionsFit(page, language, context);
    await pressEachPanel(page, language, expected.presses);
    await failedPress(page, language, expected.failedPress);
    if (!language.phone) {
      await instruction(page, language);
      await context.grantPermissions(['clipboard-read', 'clipboard-write']);
      await longPaste(page, language, cases.longPaste);
      await closeInATab(page, language);
      await installable(page, context);

      // Offline: once the service worker keeps the site, the server goes away.
      await page.evaluate(() => navigator.serviceWorker.ready);
      await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
      await site.close();
      await page.reload();
      await page.waitForSelector('html[data-ready]');
      const offline = expected.presses[expected.presses.length - 1];
      await pressEachPanel(page, { ...language, locale: `${language.locale}, offline` }, [offline]);
    }
  } catch (error) {
    check(false, `${language.locale}: the run went through`, error.stack);
  } finally {
    check(errors.length === 0, `${language.locale}: no script error in the page`, errors.join('\n    '));
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
  const { request } = await import('node:http');
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

for (const language of languages) {
  const site = await serve(siteDir, 0);
  try {
    await run(language, site);
  } finally {
    await site.close();
  }
}
await serverAnswersClients();
console.log(failures === 0 ? 'browser test: all checks passed' : `browser test: ${failures} check(s) failed`);
process.exit(failures === 0 ? 0 : 1);
