// SPDX-License-Identifier: MIT
// The web edition in headless Chromium (Debian's, driven by playwright-core),
// used as a student would: with a Bulgarian or English browser on a desktop
// with a mouse, where the window is shown as it is, and on touch screens
// (phones of 360, 320 and 240 pixels, phones held sideways at 740x360 and
// 640x360, tablets at 1024x768 and 800x1280), where the page is made for
// fingers; it types into #TextN, clicks or taps #CommandN, reads the fields,
// #SolutionN and the open <dialog>. The expected texts come from the core
// tests' tables and the core itself (stereometry_web_cases writes them).
//

//
// Checks, per run: one press per panel, its results announced, shown whole or
// rounded, never cut, and how they were found, each line wrapping only at a
// space or after a "·"; failed presses with their messages (a wrong separator,
// a kind that names none, an empty edge named by its place), the focus back on
// the field, in view, with its text selected and no field or solution changed,
// then the panel's clear; axe-core finds nothing to report; no
// Content-Security-Policy violation. On the desktop also: every control where
// the window description puts it, Tab in the window's order, Enter pressing
// nothing, every caption within its box at several zoom levels, a press in
// forced colours, the four instruction messages in order, a megabyte's paste
// refused, "затвори" in a tab, the printout, installability, the page and its
// guide working with the server stopped after the first visit (the guide read
// as on the phone below), and the site opened from its folder. On the touch screens: the page for fingers whatever
// the width, one column on a phone and two or three on a tablet, no horizontal
// scrolling, no zoomed-out page, fields and buttons at least 44 pixels square,
// field text at least 16 pixels and every other text at least 12, focus in the
// order shown, the keyboard's Enter going from field to field and pressing
// "пресметни" on the last; on the 360-pixel phone also the page at 200 % zoom
// (180 pixels), the printout and the guide. Last, the site's server's answers
// to what a client sends.
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { request } from 'node:http';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

import { chromium } from 'playwright-core';

import { serve } from '../../web/serve.mjs';
import { tapFocuses } from './tap_focus.mjs';

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

// `columns`: how many panels stand side by side on a touch screen.
const runs = [
  { name: 'bg-BG desktop', locale: 'bg-BG', separator: ',', viewport: { width: 1280, height: 800 } },
  { name: 'en-US 360-px phone', locale: 'en-US', separator: '.', touch: true, columns: 1,
    viewport: { width: 360, height: 740 }, deviceScaleFactor: 3, zoomed: { width: 180, height: 370 } },
  { name: 'bg-BG 320-px phone', locale: 'bg-BG', separator: ',', touch: true, columns: 1,
    viewport: { width: 320, height: 640 }, deviceScaleFactor: 3 },
  { name: 'bg-BG phone held sideways, 740x360', locale: 'bg-BG', separator: ',', touch: true, columns: 1,
    viewport: { width: 740, height: 360 }, deviceScaleFactor: 3 },
  { name: 'en-US phone held sideways, 640x360', locale: 'en-US', separator: '.', touch: true, columns: 1,
    viewport: { width: 640, height: 360 }, deviceScaleFactor: 3 },
  { name: 'bg-BG tablet, 1024x768', locale: 'bg-BG', separator: ',', touch: true, columns: 3,
    viewport: { width: 1024, height: 768 }, deviceScaleFactor: 2 },
  { name: 'en-US tablet, 800x1280', locale: 'en-US', separator: '.', touch: true, columns: 2,
    viewport: { width: 800, height: 1280 }, deviceScaleFactor: 2 },
  { name: 'bg-BG 240-px screen', locale: 'bg-BG', separator: ',', touch: true, columns: 1,
    viewport: { width: 240, height: 640 }, deviceScaleFactor: 3 },
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

// Two taps near one spot of the screen within a moment make a double tap, to
// Chromium as to a phone, and the second field then takes no typing: a finger
// that taps one field after another near the same spot waits that moment.
// Near is within a phone's double-tap slop (100 px), not only the same spot:
// on a loaded machine a tap on the field below the last one once left it empty.
let lastTap = { at: 0, x: 0, y: 0 };
async function tap(page, selector) {
  await page.locator(selector).scrollIntoViewIfNeeded();
  const box = await page.locator(selector).boundingBox();
  const [x, y] = [box.x + box.width / 2, box.y + box.height / 2];
  const wait = lastTap.at + 400 - Date.now();
  if (wait > 0 && Math.hypot(x - lastTap.x, y - lastTap.y) < 100) await page.waitForTimeout(wait);
  await page.tap(selector);
  lastTap = { at: Date.now(), x, y };
  await tapFocuses(page, selector);
}

// A figure drawn under a solution moves what stands below it: a finger or a
// pointer aims once the page has settled, no figure still busy being drawn.
async function settled(page) {
  await page.waitForFunction(() => !document.querySelector('[aria-busy="true"]'));
}

async function activate(page, user, selector) {
  await settled(page);
  if (user.touch) await tap(page, selector);
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

// Where the lines of the solutions break: only after a space or a "·", never
// inside a number or between a sign and its number; no solution wider than its
// box. Counts the breaks, so that a screen too wide to wrap anything shows.
function solutionWrapFaults() {
  const wrong = [];
  let breaks = 0;
  for (const solution of document.querySelectorAll('.sol')) {
    if (!solution.textContent) continue;
    if (solution.scrollWidth > solution.clientWidth) wrong.push(`#${solution.id} is wider than its box`);
    let top = null;
    let before = '';
    const nodes = document.createTreeWalker(solution, NodeFilter.SHOW_TEXT);
    for (let node = nodes.nextNode(); node; node = nodes.nextNode()) {
      for (let i = 0; i < node.data.length; i += 1) {
        const character = node.data[i];
        const range = document.createRange();
        range.setStart(node, i);
        range.setEnd(node, i + 1);
        const box = range.getClientRects()[0];
        if (character === '\n' || !box) {
          top = character === '\n' ? null : top;
          before = character;
          continue;
        }
        if (top !== null && box.top > top + 1) {
          breaks += 1;
          if (before !== ' ' && before !== '·')
            wrong.push(`#${solution.id} breaks between "${before}" and "${node.data.slice(i, i + 12)}"`);
        }
        top = box.top;
        before = character;
      }
    }
  }
  return { wrong, breaks };
}

async function solutionsWrapBetweenTerms(page, user) {
  const { wrong, breaks } = await page.evaluate(solutionWrapFaults);
  check(wrong.length === 0 && (!user.touch || breaks > 0),
    `${user.name}: long solution lines wrap only between terms (${breaks} breaks)`, wrong.join('\n    '));
}

// `drawn`: whether the figures can be drawn at all (not from a folder, where
// the solver's worker cannot start and each solution stands alone).
async function pressEachPanel(page, user, presses, { drawn = true } = {}) {
  let figuresDrawn = 0;
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
    // On a touch screen every result shows whole.
    const rounded = user.touch ? await page.$$eval('#Form1 input.rounded', (fields) => fields.map((field) => field.id)) : [];
    check(wrong.length === 0 && rounded.length === 0,
      `${user.name}: ${row.panel}: ${user.touch ? 'results show whole' : 'results too wide for their fields show rounded'}`,
      [...wrong, ...rounded.map((id) => `#${id} shows rounded`)].join('\n    '));
    const heard = await page.waitForFunction((text) => document.getElementById('Announcement').textContent === text,
      row.announcement).then(() => true, () => false);
    check(heard, `${user.name}: ${row.panel}: the results are announced`,
      `"${await page.textContent('#Announcement')}", expected "${row.announcement}"`);
    const solution = await page.textContent(`#${row.solutionId}`);
    check(solution === row.solution.join('\n'), `${user.name}: ${row.panel}: #${row.solutionId} shows how they were found`,
      `"${solution}", expected "${row.solution.join('\n')}"`);
    await settled(page);
    const figure = await page.$eval(`#${row.solutionId.replace('Solution', 'Drawings')}`, (block) => ({
      hidden: block.hidden, busy: block.getAttribute('aria-busy'),
      lines: block.querySelectorAll('.figure svg line, .figure svg path, .figure svg polygon').length,
    }));
    // Hidden where the givens make no one solid (a pyramid's P and B that do not
    // agree) or the panel has none (the polygon).
    check(figure.busy === null && (figure.hidden || figure.lines > 0),
      `${user.name}: ${row.panel}: the figure under the solution is drawn or hidden, not left half-done`,
      JSON.stringify(figure));
    figuresDrawn += figure.hidden ? 0 : 1;
  }
  if (drawn) check(figuresDrawn > 0, `${user.name}: a solid's figure stands under its solution (${figuresDrawn} of ${presses.length})`);
  else check(figuresDrawn === 0, `${user.name}: the solution stands without a figure`, `${figuresDrawn} drawn`);
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
      (!user.touch || Math.min(...dialog.ok) >= 44),
    `${user.name}: ${row.panel}: ${row.what}: one message box with the core's message, on the screen`,
    `got ${JSON.stringify(dialog)}, expected ${JSON.stringify([row.title, row.message])}`);
  await dismiss(page, user, user.touch ? 'OK' : 'Enter');
  // The box's close event moves the focus, a moment after the box has gone.
  await page.waitForFunction((id) => document.activeElement.id === id, row.field).catch(() => {});
  const focus = await page.evaluate(() => {
    const field = document.activeElement;
    const box = field.getBoundingClientRect();
    const view = visualViewport;
    return { id: field.id, start: field.selectionStart, end: field.selectionEnd, length: field.value.length,
      inView: box.top >= -1 && box.left >= -1 && box.bottom <= view.height + 1 && box.right <= view.width + 1 };
  });
  const typed = new Map(row.typed).get(row.field) ?? '';
  check(focus.id === row.field && focus.start === 0 && focus.end === focus.length && focus.length === typed.length &&
      focus.inView,
    `${user.name}: after the message the focus is in #${row.field}, in view, its text selected`, JSON.stringify(focus));
  check(same(await allFields(page), before) && same(await allSolutions(page), solutionsBefore),
    `${user.name}: the failed press changed no field and no solution`);
  // "изчисти" empties the panel's fields and its solution.
  await activate(page, user, `#${row.clearButton}`);
  const cleared = await page.evaluate(([panel, solution]) => [
    [...document.querySelectorAll(`#${panel} input`)].map((input) => input.value).join(''),
    document.getElementById(solution).textContent], [row.frame, row.solutionId]);
  check(same(cleared, ['', '']), `${user.name}: "изчисти" empties ${row.panel}'s fields and solution`, JSON.stringify(cleared));
}

// On a touch screen the keyboard's Enter goes from each input of the panel to
// the next and on the last presses "пресметни"; in the window it presses nothing.
async function enterKey(page, user, row) {
  await activate(page, user, `#${row.clearButton}`);
  const inputs = await page.$$eval(`#${row.frame} input[enterkeyhint]`,
    (fields) => fields.map((field) => [field.id, field.enterKeyHint]));
  const typed = new Map(row.typed);
  await activate(page, user, `#${inputs[0][0]}`);
  const visited = [];
  for (const [id] of inputs) {
    visited.push(await page.evaluate(() => document.activeElement.id));
    await page.keyboard.type(typed.get(id) ?? '');
    await page.keyboard.press('Enter');
  }
  visited.push(await page.evaluate(() => document.activeElement.id));
  const shown = [];
  for (const [name] of row.shown) shown.push([name, await page.inputValue(`#${name}`)]);
  const hints = inputs.map(([, hint]) => hint);
  const goes = hints.slice(0, -1).every((hint) => hint === 'next') && hints[hints.length - 1] === 'go';
  if (user.touch) {
    check(goes && same(visited, [...inputs.map(([id]) => id), row.button]) && same(shown, row.shown),
      `${user.name}: ${row.panel}: Enter goes from field to field and presses "пресметни" on the last`,
      JSON.stringify({ hints, visited, shown }));
  } else {
    const stayed = visited.slice(1).every((id) => id === inputs[0][0]);
    check(goes && stayed && shown.every(([, text]) => text === ''),
      `${user.name}: ${row.panel}: Enter in a field presses nothing and the focus stays`, JSON.stringify({ visited, shown }));
  }
  await activate(page, user, `#${row.clearButton}`);
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
  await guideReadable(page, user);
  await page.click('nav a[href="index.html"]');
  await page.waitForSelector('html[data-ready]');
}

// The guide as read on this screen: axe-core finds nothing; nothing wider than
// the screen; a picture shown smaller than its own size opens at its full size;
// the prism's formulas stand under their kinds; a letter, "=" and its value
// never part at the end of a line.
async function guideReadable(page, user) {
  if (!page.url().endsWith('guide.html')) await page.goto(new URL('guide.html', page.url()).href);
  await page.evaluate(() => Promise.all([...document.images].map((picture) => {
    picture.loading = 'eager';
    return picture.decode().catch(() => {});
  })));
  const wrong = await page.evaluate(() => {
    const faults = [];
    const root = document.documentElement;
    if (root.scrollWidth > root.clientWidth) faults.push(`${root.scrollWidth} pixels wide in ${root.clientWidth}`);
    for (const picture of document.querySelectorAll('main img')) {
      const shrunk = picture.getBoundingClientRect().width < 0.9 * picture.width;
      const link = picture.closest('a');
      if (shrunk && !(link && link.href === picture.currentSrc)) faults.push(`${picture.src} shrunk and not a link to itself`);
    }
    const kinds = [...document.querySelectorAll('main li')].filter((item) => /^[123] – /.test(item.textContent));
    for (const kind of kinds)
      if (kind.querySelectorAll(':scope > ul > li').length < 2) faults.push(`no formulas under "${kind.textContent.slice(0, 30)}"`);
    if (kinds.length !== 3) faults.push(`${kinds.length} kinds of prism`);
    const texts = document.createTreeWalker(document.querySelector('main'), NodeFilter.SHOW_TEXT);
    for (let text = texts.nextNode(); text; text = texts.nextNode())
      if (!text.parentElement.closest('code, pre') && /(^|[^\w])[A-Za-zπ]\d? = |(^|[^\w])[A-Za-zπ]\d? =$/.test(text.data))
        faults.push(`"${text.data.trim().slice(0, 40)}" may part a letter from its value`);
    return faults;
  });
  check(wrong.length === 0, `${user.name}: the guide fits the screen, its pictures readable, formulas under their kinds`,
    wrong.join('\n    '));
  await axeFindsNothing(page, user, 'in the guide');
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

// On a touch screen: the page for fingers, whatever the width, with the panels
// in `columns` columns; nothing to scroll sideways or to pinch before typing,
// every field and button big enough to tap, every text readable, and the focus
// in the order things are read: card after card, row by row, and within a
// card from top to bottom.
function touchFaults(columns) {
  const wrong = [];
  const root = document.documentElement;
  if (matchMedia(document.getElementById('Form1').dataset.windowLayout).matches || !matchMedia('(pointer:coarse)').matches)
    wrong.push('the window is shown on a touch screen');
  if (visualViewport.scale !== 1 || innerWidth !== root.clientWidth || root.scrollWidth > root.clientWidth)
    wrong.push(`zoomed out or too wide: scale ${visualViewport.scale}, ${root.scrollWidth} in ${root.clientWidth}`);
  const cards = [...document.querySelectorAll('#Form1 .ps')];
  const lefts = new Set(cards.map((card) => Math.round(card.getBoundingClientRect().left)));
  if (lefts.size !== columns) wrong.push(`the panels stand in ${lefts.size} column(s), not ${columns}`);
  const shown = (element) => element.getClientRects().length > 0 && getComputedStyle(element).visibility !== 'hidden';
  const controls = [...document.querySelectorAll('#Form1 :is(a, input, button), footer a')].filter(shown);
  for (const control of controls) {
    const box = control.getBoundingClientRect();
    if (!control.closest('footer') && (box.width < 44 || box.height < 44))
      wrong.push(`#${control.id} ${box.width.toFixed(1)}x${box.height.toFixed(1)}`);
    if (box.right > root.clientWidth + 0.5) wrong.push(`#${control.id} reaches beyond the screen to ${box.right}`);
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
  // Read before: higher up, or on the same line further left.
  const before = (a, b) => a.top < b.top - 1 || (Math.abs(a.top - b.top) <= 1 && a.left < b.left);
  const blockOf = (control) => (control.closest('.ps') || control).getBoundingClientRect();
  for (let i = 1; i < controls.length; i += 1) {
    const [a, b] = [controls[i - 1], controls[i]];
    const sameCard = a.closest('.ps') && a.closest('.ps') === b.closest('.ps');
    const inOrder = sameCard ? before(a.getBoundingClientRect(), b.getBoundingClientRect()) || a.closest('.e') === b.closest('.e')
      : before(blockOf(a), blockOf(b));
    if (!inOrder) wrong.push(`the focus goes from #${a.id || a.textContent} to #${b.id || b.textContent}, not in the order shown`);
  }
  return wrong;
}

async function madeForFingers(page, user) {
  const wrong = await page.evaluate(touchFaults, user.columns);
  check(wrong.length === 0, `${user.name}: the page for fingers in ${user.columns} column(s), every field and button ` +
    '44 pixels, text readable, focus in the order shown', wrong.join('\n    '));
}

// A 360-pixel phone zoomed to 200 %: 180 CSS pixels. Every label, field and
// button within the screen (a label above its field where both do not fit
// side by side), and a message box that fits, its OK button 44 pixels.
async function zoomedIn(page, user, row) {
  await page.setViewportSize(user.zoomed);
  await page.evaluate(() => new Promise((done) => requestAnimationFrame(done)));
  const wrong = await page.evaluate(touchFaults, 1);
  const stacked = await page.evaluate(() => [...document.querySelectorAll('#Form1 .e')].filter((entry) => {
    const [label, field] = [entry.querySelector('.l'), entry.querySelector('input')];
    return label && label.getBoundingClientRect().bottom <= field.getBoundingClientRect().top + 0.5;
  }).length);
  check(wrong.length === 0 && stacked > 0, `${user.name} at 200 % (${user.zoomed.width} pixels): the page fits, ` +
    `${stacked} labels above their fields`, wrong.join('\n    '));
  await failedPress(page, { ...user, name: `${user.name} at 200 %` }, row);
  await page.setViewportSize(user.viewport);
}

// The page on paper: the title and the day, each panel that holds something
// with its fields, its results whole and its solution, kept on one page; no
// panel left empty, no button, figures' row or link; then an A4 PDF of it.
async function printout(page, user, presses) {
  const emptied = presses[presses.length - 1];
  await activate(page, user, `#${emptied.clearButton}`);
  await page.emulateMedia({ media: 'print' });
  const wrong = await page.evaluate((emptiedFrame) => {
    const faults = [];
    const shown = (element) => element.getClientRects().length > 0;
    for (const hidden of document.querySelectorAll('#Form1 button, #Figures, footer, .shown'))
      if (shown(hidden)) faults.push(`#${hidden.id || hidden.tagName} is printed`);
    for (const card of document.querySelectorAll('#Form1 .ps')) {
      const panel = card.querySelector('section');
      if (shown(card) !== (panel.id !== emptiedFrame)) faults.push(`#${panel.id} printed: ${shown(card)}`);
      if (getComputedStyle(card).breakInside !== 'avoid') faults.push(`#${panel.id} may break across pages`);
    }
    for (const field of document.querySelectorAll('#Form1 input.r'))
      if (shown(field) && (field.scrollWidth > field.clientWidth || /^rgba\(.*, 0\)$|transparent/.test(getComputedStyle(field).color)))
        faults.push(`#${field.id} "${field.value}" is not printed whole`);
    const printed = document.getElementById('Printed');
    if (!shown(printed) || !/\d{4}/.test(printed.textContent)) faults.push(`the day printed: "${printed.textContent}"`);
    return faults;
  }, emptied.frame);
  await page.emulateMedia({ media: null });
  const pdf = (await page.pdf({ format: 'A4' })).toString('latin1');
  const pages = (pdf.match(/\/Type\s*\/Page[^s]/g) || []).length;
  check(wrong.length === 0 && pages >= 1 && pages <= presses.length,
    `${user.name}: the printout holds the panels with something in them, whole, and no button (${pages} A4 pages)`,
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
  await pressEachPanel(page, { ...user, name: `${user.name}, from a folder` }, [row], { drawn: false });
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
    isMobile: Boolean(user.touch),
    hasTouch: Boolean(user.touch),
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
    if (user.touch) await madeForFingers(page, user);
    else {
      await windowInPlace(page, user);
      await windowTabOrder(page, user);
      await captionsFit(page, user, context);
    }
    await pressEachPanel(page, user, expected.presses);
    await solutionsWrapBetweenTerms(page, user);
    await axeFindsNothing(page, user, 'with every panel\'s results and solution');
    for (const row of expected.failedPresses) await failedPress(page, user, row);
    const cone = expected.presses.find((row) => row.panel === 'конус');
    if (user.touch) await enterKey(page, user, cone);
    check(same(await cspViolations(page), []), `${user.name}: the Content-Security-Policy refuses nothing`,
      JSON.stringify(await cspViolations(page)));
    if (user.zoomed) {
      await zoomedIn(page, user, expected.failedPresses[0]);
      await pressEachPanel(page, user, expected.presses);
      await printout(page, user, expected.presses);
      await guideReadable(page, user);
    }
    if (!user.touch) {
      await inForcedColours(page, user, cone);
      await enterKey(page, user, cone);
      await instruction(page, user);
      await context.grantPermissions(['clipboard-read', 'clipboard-write']);
      await longPaste(page, user, cases.longPaste);
      await closeInATab(page, user);
      await pressEachPanel(page, user, expected.presses);
      await printout(page, user, expected.presses);
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

// ONLY_USER=<part of a name> runs those users alone, to look into one.
for (const user of runs.filter((u) => !process.env.ONLY_USER || u.name.includes(process.env.ONLY_USER))) {
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
