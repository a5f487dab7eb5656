// SPDX-License-Identifier: MIT
// The problems page's box for a task as printed („Постави условието на
// задачата“, #task-text) in headless Chromium, as a student uses it: every
// printed task of the reader's table (tests/solver/printed_tasks.h, written as
// JSON by stereometry_printed_tasks) opened by its address (zadachi.html?text=…)
// and pasted into the box, on a desktop and on a 360-pixel phone:
//
//   node tests/web/text_test.mjs SITE_DIR PRINTED_TASKS.json
//
// Checks: the solid chosen and each field holding what was read, each given's
// field noting the words it came from; the status; the answer key's values
// (data-value, with the task's π); the asked quantities marked (data-asked)
// with their units (data-unit, "l" where litres are asked); the words not
// understood named under the box; typing letter by letter reads as it goes; a
// paste anywhere but into a field reads the task; a field typed in corrects
// what was read and the task's address follows; the calculator's page sends a
// task pasted into it here; axe-core finds nothing; on the phone the box is
// 16-pixel text and nothing scrolls sideways; no script error and no
// Content-Security-Policy violation.
import { readFileSync } from 'node:fs';

import { chromium } from 'playwright-core';

import { serve } from '../../web/serve.mjs';

const [siteDir, tasksFile] = process.argv.slice(2);
if (!siteDir || !tasksFile) {
  console.error('usage: node tests/web/text_test.mjs SITE_DIR PRINTED_TASKS.json');
  process.exit(2);
}
const axeSource = readFileSync(new URL('../../node_modules/axe-core/axe.min.js', import.meta.url), 'utf8');
const tasks = JSON.parse(readFileSync(tasksFile, 'utf8'));

let failures = 0;
function check(condition, what, detail = '') {
  console.log(`${condition ? 'ok' : 'not ok'} - ${what}${!condition && detail ? `\n    ${detail}` : ''}`);
  if (!condition) failures += 1;
}

// An answer key's exact form ("3*sqrt(2)/2", "(4+4*sqrt(2))*pi") as a number, with the task's π.
function valueOf(exact, pi) {
  if (!/^[0-9+\-*/().a-z]*$/.test(exact.replace(/sqrt|pi/g, ''))) throw new Error(`not an exact form: ${exact}`);
  return Function(`"use strict"; return (${exact.replace(/sqrt/g, 'Math.sqrt').replace(/pi/g, `(${pi})`)});`)();
}

const also = (task, what) => task.also.filter((item) => item.startsWith(`${what}=`)).map((item) => item.slice(what.length + 1));

// What the page shows of the task read and solved.
function shownTask() {
  const solutions = document.getElementById('solutions');
  const picture = (document.querySelector('input[name="solid"]:checked') || {}).value || '';
  // A solid on a base of its own shape: the base chosen under its family's picture.
  const base = document.getElementById(`base-${picture}`);
  // A solid no picture shows (a frustum): the fields shown are its.
  const unpictured = (document.querySelector('fieldset.quantities:not([hidden])') || { dataset: {} }).dataset.solid || '';
  const solid = base && !base.closest('[hidden]') ? base.value : picture || unpictured;
  const fields = {};
  const notes = {};
  for (const row of document.querySelectorAll(`#fields-${solid} .q`)) {
    const key = row.id.slice(`row-${solid}-`.length);
    fields[key] = row.querySelector('input').value;
    notes[key] = row.querySelector('.note').textContent;
  }
  return {
    status: solutions.dataset.status,
    solid,
    fields,
    notes,
    read: document.getElementById('text-read').textContent,
    unread: document.getElementById('text-unread').hidden ? '' : document.getElementById('text-unread').textContent,
    solutions: [...solutions.querySelectorAll('[data-solution]')].map((solution) =>
      Object.fromEntries([...solution.querySelectorAll('[data-quantity]')].map((q) =>
        [q.dataset.quantity, { value: q.dataset.value, unit: q.dataset.unit, asked: q.dataset.asked !== undefined }]))),
  };
}

// Where what the page shows differs from the table's row.
function differences(task, shown) {
  const wrong = [];
  if (task.solid && shown.solid !== task.solid) wrong.push(`solid ${shown.solid}, expected ${task.solid}`);
  for (const [key, value] of task.givens) {
    if (!(key in shown.fields)) continue;  // a relation: no field of its own
    if (shown.fields[key] !== value) wrong.push(`field ${key} holds "${shown.fields[key]}", expected "${value}"`);
    if (!/от „/.test(shown.notes[key])) wrong.push(`field ${key}'s note names no words: "${shown.notes[key]}"`);
  }
  if (task.status !== 'awaiting' && shown.status !== task.status) wrong.push(`status ${shown.status}, expected ${task.status}`);
  const unread = also(task, 'unread');
  if (task.status === 'unread' || unread.length) {
    for (const words of unread) if (!shown.unread.includes(words)) wrong.push(`the box does not name „${words}“: "${shown.unread}"`);
  } else if (task.status !== 'awaiting' && shown.unread) {
    wrong.push(`words named as not understood: "${shown.unread}"`);
  }
  if (task.status !== 'solved') return wrong;
  if (!shown.read.startsWith('Прочетено:')) wrong.push(`under the box: "${shown.read}"`);
  for (const ignored of also(task, 'ignored'))
    if (!shown.read.includes(`„${ignored}“`)) wrong.push(`„${ignored}“ not named under the box: "${shown.read}"`);
  const pi = Number(also(task, 'pi')[0] || Math.PI);
  if (shown.solutions.length !== task.answers.length) wrong.push(`${shown.solutions.length} solutions`);
  task.answers.forEach((answers, index) => {
    const solution = shown.solutions[index] || {};
    for (const item of answers.split(' ')) {
      // "φ~53.13": a decimal as the key rounds it, to its last digit.
      const approximate = item.includes('~');
      const [key, exact] = item.split(approximate ? '~' : '=');
      const expected = approximate ? Number(exact) : valueOf(exact, pi);
      const digits = approximate ? (exact.split('.')[1] || '').length : 0;
      const tolerance = approximate ? 0.5 * 10 ** -digits : 1e-9 * Math.max(1, Math.abs(expected));
      const got = Number((solution[key] || {}).value);
      if (!(Math.abs(got - expected) <= tolerance)) wrong.push(`${key} = ${got}, expected ${exact} = ${expected}`);
    }
    const asked = Object.entries(solution).filter(([, q]) => q.asked).map(([key]) => key).sort();
    if (asked.join(' ') !== [...task.asked].sort().join(' ')) wrong.push(`asked ${asked}, expected ${task.asked}`);
    const unit = also(task, 'unit')[0];
    // The volume asked (the solid's, or the liquid's in a vessel) in the litres asked.
    for (const key of task.asked.filter((k) => k === 'V' || k === 'Vt'))
      if ((unit === 'l' || unit === 'ml') && (solution[key] || {}).unit !== unit) wrong.push(`${key} in ${(solution[key] || {}).unit}, asked in ${unit}`);
  });
  return wrong;
}

async function settled(page) {
  await page.waitForSelector('#solutions[data-status]:not([aria-busy])');
  await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => setTimeout(done, 0))));
}

// The box filled as a paste fills it, and the page's answer to it.
async function pasted(page, text) {
  await page.fill('#task-text', text);
  await page.waitForFunction((t) => document.getElementById('task-text').value === t, text);
  await settled(page);
  await page.waitForTimeout(20);
  return page.evaluate(shownTask);
}

async function everyTask(page, user, site, rows = tasks) {
  let byAddress = 0;
  let byPaste = 0;
  for (const [index, task] of rows.entries()) {
    // One task in eight by its address, the rest pasted into the box of one page.
    let shown;
    if (index % 8 === 0) {
      await page.goto(`${site.url}zadachi.html?text=${encodeURIComponent(task.text)}`);
      await page.waitForSelector('html[data-ready]');
      await settled(page);
      shown = await page.evaluate(shownTask);
      const boxHolds = await page.inputValue('#task-text');
      if (boxHolds !== task.text) shown.status = `box holds "${boxHolds}"`;
      byAddress += 1;
    } else {
      shown = await pasted(page, task.text);
      byPaste += 1;
    }
    const wrong = differences(task, shown);
    check(wrong.length === 0, `${user.name}: ${task.text.slice(0, 60).replace(/\n/g, ' ')}`, wrong.join('\n    '));
  }
  console.log(`# ${byAddress} tasks by their address, ${byPaste} pasted into the box`);
}

// Typed letter by letter, the task is read as it goes and solved at its end.
async function typedLetterByLetter(page, user, site) {
  await page.goto(`${site.url}zadachi.html`);
  await page.waitForSelector('html[data-ready]');
  const text = 'Куб има ръб 3 cm. Намерете обема му.';
  await page.click('#task-text');
  await page.keyboard.type(text, { delay: 5 });
  await settled(page);
  await page.waitForFunction(() => document.querySelector('[data-quantity="V"][data-asked]'), null, { timeout: 3000 }).catch(() => {});
  const shown = await page.evaluate(shownTask);
  check(shown.solid === 'cube' && shown.fields.a === '3 cm' && Number(shown.solutions[0]?.V?.value) === 27 &&
      shown.solutions[0].V.asked, `${user.name}: a task typed letter by letter into the box is read and solved`, JSON.stringify(shown));
  // The address follows the task once the browser is idle, and opens it again.
  await page.waitForFunction((t) => new URLSearchParams(location.search).get('text') === t, text, { timeout: 3000 }).catch(() => {});
  const address = page.url();
  check(new URL(address).searchParams.get('text') === text, `${user.name}: the address holds the text`, address);
  await page.goto(address);
  await page.waitForSelector('html[data-ready]');
  await settled(page);
  const again = await page.evaluate(shownTask);
  check(Number(again.solutions[0]?.V?.value) === 27 && (await page.inputValue('#task-text')) === text,
    `${user.name}: the address opens the same task in the box`, JSON.stringify(again));
  // A correction in a field: the form is the task, V still asked.
  await page.fill('#cube-a', '4 cm');
  await settled(page);
  await page.waitForFunction(() => Number(document.querySelector('[data-quantity="V"]')?.dataset.value) === 64, null,
    { timeout: 3000 }).catch(() => {});
  const corrected = await page.evaluate(shownTask);
  check(Number(corrected.solutions[0]?.V?.value) === 64 && corrected.solutions[0].V.asked,
    `${user.name}: a field typed in corrects what was read, the asked quantity still marked`, JSON.stringify(corrected));
  await page.waitForFunction(() => new URLSearchParams(location.search).get('asked') === 'V', null, { timeout: 3000 }).catch(() => {});
  const form = new URL(page.url()).searchParams;
  check(form.get('solid') === 'cube' && form.get('a') === '4 cm' && form.get('asked') === 'V' && !form.has('text'),
    `${user.name}: the corrected task's address is the form's, with what is asked`, page.url());
}

// A paste anywhere on the page but into a field reads the task in the box.
async function pasteAnywhere(page, user, site) {
  await page.goto(`${site.url}zadachi.html`);
  await page.waitForSelector('html[data-ready]');
  const text = 'Радиусът на кълбо е 3 cm. Намерете обема му.';
  await page.evaluate((t) => {
    const data = new DataTransfer();
    data.setData('text/plain', t);
    document.querySelector('h1').dispatchEvent(new ClipboardEvent('paste', { clipboardData: data, bubbles: true, cancelable: true }));
  }, text);
  await settled(page);
  await page.waitForFunction(() => document.querySelector('[data-quantity="V"][data-asked]'), null, { timeout: 3000 }).catch(() => {});
  const shown = await page.evaluate(shownTask);
  check((await page.inputValue('#task-text')) === text && shown.solid === 'sphere' && shown.fields.r === '3 cm',
    `${user.name}: a task pasted outside the fields is read in the box`, JSON.stringify(shown));
}

// The calculator's page: a task's text pasted into a field opens the problems page with it.
async function fromTheCalculator(page, user, site) {
  await page.goto(`${site.url}`);
  await page.waitForSelector('#Text30');
  const text = 'Намерете обема на кълбо с радиус 6 cm.';
  await page.focus('#Text30');
  await Promise.all([
    page.waitForURL(/zadachi\.html\?text=/, { timeout: 5000 }).catch(() => {}),
    page.evaluate((t) => {
      const data = new DataTransfer();
      data.setData('text/plain', t);
      document.getElementById('Text30').dispatchEvent(new ClipboardEvent('paste', { clipboardData: data, bubbles: true, cancelable: true }));
    }, text),
  ]);
  await page.waitForSelector('html[data-ready]').catch(() => {});
  await settled(page).catch(() => {});
  const shown = await page.evaluate(shownTask).catch(() => ({}));
  check(page.url().includes('zadachi.html?text=') && shown.solid === 'sphere' && shown.fields?.r === '6 cm',
    `${user.name}: a task pasted into the calculator opens the problems page with it`, `${page.url()} ${JSON.stringify(shown)}`);
  // A number is pasted into the field as before.
  await page.goto(`${site.url}`);
  await page.waitForSelector('#Text30');
  await page.focus('#Text30');
  await page.evaluate(() => {
    const data = new DataTransfer();
    data.setData('text/plain', '2,5');
    window.pasteKept = document.getElementById('Text30').dispatchEvent(
      new ClipboardEvent('paste', { clipboardData: data, bubbles: true, cancelable: true }));
  });
  check(await page.evaluate(() => window.pasteKept) && page.url().endsWith('/'),
    `${user.name}: a number pasted into the calculator stays there`, page.url());
}

async function accessible(page, user, site) {
  await page.goto(`${site.url}zadachi.html?text=${encodeURIComponent('Пресечен конус има радиуси 6 cm и 3 cm.')}`);
  await page.waitForSelector('html[data-ready]');
  await settled(page);
  if (!(await page.evaluate(() => 'axe' in window))) await page.evaluate(axeSource);
  const found = await page.evaluate(() => axe.run(document, {
    runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22a', 'wcag22aa', 'best-practice'] },
  }).then((result) => result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`)));
  check(found.length === 0, `${user.name}: axe-core finds nothing with words not understood under the box`, found.join('\n    '));
  if (!user.phone) return;
  const wrong = await page.evaluate(() => {
    const faults = [];
    const root = document.documentElement;
    if (root.scrollWidth > root.clientWidth) faults.push(`${root.scrollWidth} wide in ${root.clientWidth}`);
    const box = document.getElementById('task-text');
    if (parseFloat(getComputedStyle(box).fontSize) < 16) faults.push(`the box's text at ${getComputedStyle(box).fontSize}`);
    if (box.getBoundingClientRect().height < 44) faults.push(`the box ${box.getBoundingClientRect().height} pixels high`);
    if (box.getBoundingClientRect().top > innerHeight / 2) faults.push(`the box at ${box.getBoundingClientRect().top}`);
    return faults;
  });
  check(wrong.length === 0, `${user.name}: the box is at the top, 16-pixel text, nothing to scroll sideways`, wrong.join(', '));
}

const runs = [
  { name: 'bg-BG desktop', locale: 'bg-BG', viewport: { width: 1280, height: 800 } },
  { name: 'bg-BG 360-px phone', locale: 'bg-BG', phone: true, viewport: { width: 360, height: 740 } },
];

async function run(user) {
  const site = await serve(siteDir, 0);
  const browser = await chromium.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking'],
  });
  const context = await browser.newContext({
    locale: user.locale, viewport: user.viewport, deviceScaleFactor: user.phone ? 3 : 1,
    isMobile: Boolean(user.phone), hasTouch: Boolean(user.phone),
  });
  context.setDefaultTimeout(10000);
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  const violations = [];
  page.on('console', (message) => {
    if (message.type() === 'error' && /Content.Security.Policy/i.test(message.text())) violations.push(message.text());
  });
  try {
    await everyTask(page, user, site, user.phone ? tasks.filter((task, index) => index % 4 === 0) : tasks);
    await typedLetterByLetter(page, user, site);
    await pasteAnywhere(page, user, site);
    await accessible(page, user, site);
    if (!user.phone) await fromTheCalculator(page, user, site);
    check(violations.length === 0, `${user.name}: the Content-Security-Policy refuses nothing`, violations.join(', '));
  } catch (error) {
    check(false, `${user.name}: the run went through`, error.stack);
  } finally {
    check(errors.length === 0, `${user.name}: no script error in the page`, errors.join('\n    '));
    await browser.close();
    await site.close();
  }
}

for (const user of runs) await run(user);
console.log(failures === 0 ? 'printed tasks page test: all checks passed' : `printed tasks page test: ${failures} check(s) failed`);
process.exit(failures === 0 ? 0 : 1);
