// SPDX-License-Identifier: MIT
// The worksheet page (listove.html) in headless Chromium (Debian's, driven by
// playwright-core), as a teacher and a student use it, on a Bulgarian desktop
// by the keyboard and on a 360-pixel phone by taps:
//
//   node tests/web/sheet_test.mjs SITE_DIR ANSWERS.json
//
// ANSWERS.json is the answer checker's table (tests/solver/answer_cases.h),
// each row put on a task of a generated sheet by stereometry_answer_cases.
// Checks: every row typed into its task's field on the page and checked (Enter
// on the desktop, a tap on „провери“ on the phone) is marked as the table says;
// a wrong answer brings the hint, a second the steps, and the typed text stays;
// the teacher's settings made into a sheet give an address that opens the same
// sheet again, and the class's link the same sheet without its key or the
// teacher's settings, whatever a messenger or a student adds to it; answers
// typed and checked come back with their verdicts after a reload and after
// Back from the guide, for their sheet and variant alone, until „Изчисти
// отговорите“; π and √ under the field being typed in on the desktop too; on paper
// no control, room to work under each task, the key from a page of its own,
// and a sheet of 30 tasks printed to PDF on A4 pages with every task and every
// key's entry whole on one page and the sheet's number and variant on each; axe-core finds nothing with feedback, figures
// and the key showing, in both schemes; forced colours keep every edge;
// offline after the first visit; on the phones nothing to scroll
// sideways, every control 44 pixels, field text 16; no request, nothing stored
// but the sheet's answers, and no Content-Security-Policy violation while
// answers are checked.
import { execFileSync } from 'node:child_process';
import { mkdirSync, mkdtempSync, readFileSync, symlinkSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

import { chromium } from 'playwright-core';

import { serve } from '../../web/serve.mjs';
import { tapFocuses } from './tap_focus.mjs';

const [siteDir, answersFile] = process.argv.slice(2);
if (!siteDir || !answersFile) {
  console.error('usage: node tests/web/sheet_test.mjs SITE_DIR ANSWERS.json');
  process.exit(2);
}
const axeSource = readFileSync(new URL('../../node_modules/axe-core/axe.min.js', import.meta.url), 'utf8');
const rows = JSON.parse(readFileSync(answersFile, 'utf8'));

let failures = 0;
function check(condition, what, detail = '') {
  console.log(`${condition ? 'ok' : 'not ok'} - ${what}${!condition && detail ? `\n    ${detail}` : ''}`);
  if (!condition) failures += 1;
}

let lastTap = { at: 0, x: 0, y: 0 };
async function tap(page, selector) {
  await page.locator(selector).scrollIntoViewIfNeeded();
  const box = await page.locator(selector).boundingBox();
  const [x, y] = [box.x + box.width / 2, box.y + box.height / 2];
  const wait = lastTap.at + 400 - Date.now();
  if (wait > 0 && Math.hypot(x - lastTap.x, y - lastTap.y) < 40) await page.waitForTimeout(wait);
  await page.touchscreen.tap(x, y);
  lastTap = { at: Date.now(), x, y };
  await tapFocuses(page, selector);
}
const activate = (page, user, selector) => (user.phone ? tap(page, selector) : page.click(selector));

// A page opened afresh: the answers kept by earlier checks forgotten, unless
// `keep` says otherwise.
async function opened(page, url, { keep = false } = {}) {
  if (!keep && page.url().startsWith('http')) await page.evaluate(() => localStorage.clear());
  await page.goto(url);
  await page.waitForSelector('html[data-ready]');
}

const feedbackOf = (page, field) => page.evaluate((id) => {
  const feedback = document.getElementById(id).closest('.answer').querySelector('.feedback');
  const verdict = feedback.querySelector('.verdict');
  return {
    // The core keeps a number with its unit and its „≈“ by no-break spaces.
    verdict: verdict ? verdict.dataset.verdict : '', text: feedback.textContent.replace(/\u00a0/g, ' '),
    hint: feedback.querySelectorAll('.hint').length, steps: feedback.querySelectorAll('.steps li').length,
    typed: document.getElementById(id).value,
  };
}, field);

// Types an answer into its field and checks it: Enter on the desktop, a tap
// on „провери“ on a phone, where π and √ are the page's keys. Returns the feedback once it is there.
async function answer(page, user, field, typed) {
  await page.evaluate((id) => document.getElementById(id).closest('.answer').querySelector('.feedback').replaceChildren(), field);
  await activate(page, user, `#${field}`);
  await page.keyboard.press('Control+A');
  await page.keyboard.press('Backspace');
  // On a phone π and √ come from the page's keys.
  for (const part of user.phone ? typed.split(/([π√])/) : [typed]) {
    if (part === 'π' || part === '√') await tap(page, `.answer:has(#${field}) .key[data-insert="${part}"]`);
    else if (part) await page.keyboard.type(part);
  }
  if (user.phone) await tap(page, `#${field} ~ .check, .answer:has(#${field}) .check`);
  else await page.keyboard.press('Enter');
  await page.waitForFunction((id) => document.getElementById(id).closest('.answer').querySelector('.verdict'), field);
  return feedbackOf(page, field);
}

// ---------------------------------------------------------------------------

// Every row of the checker's table, typed on the page; a fresh page per row
// so that earlier wrong answers do not count.
async function answerTable(page, user, site) {
  for (const row of rows) {
    await opened(page, `${site.url}listove.html?${row.query}`);
    const field = `answer-${row.task}-${row.key}`;
    const shown = await answer(page, user, field, row.typed);
    const right = shown.verdict === row.marked && shown.text.startsWith(row.marked === 'right' ? 'вярно' : '') &&
      (row.marked !== 'wrong' || shown.text.startsWith('невярно')) && shown.typed === row.typed &&
      (!row.note || shown.text.includes(row.note));
    check(right, `${user.name}: ${row.exact} (π ${row.pi}) typed „${row.typed}“ is ${row.marked}`,
      JSON.stringify({ row, shown }));
  }
}

// A wrong answer: the hint; a second: the steps too; the typed text stays;
// the verdict announced; then the right one.
async function hintThenSteps(page, user, site) {
  const row = rows.find((r) => r.marked === 'right' && r.pi === 'exact' && /π/.test(r.typed));
  await opened(page, `${site.url}listove.html?${row.query}`);
  const field = `answer-${row.task}-${row.key}`;
  const requests = [];
  page.on('request', (request) => requests.push(request.url()));
  const first = await answer(page, user, field, '1');
  const announced = await page.evaluate(() => new Promise((done) => setTimeout(() =>
    done(document.getElementById('announcement').textContent), 200)));
  const second = await answer(page, user, field, '2,5');
  const third = await answer(page, user, field, row.typed);
  const storage = await page.evaluate(() => ({
    others: Object.keys(localStorage).filter((key) => !key.startsWith('stereometry-sheet:')).length +
      sessionStorage.length + document.cookie.length,
    sheets: Object.keys(localStorage).filter((key) => key.startsWith('stereometry-sheet:')),
    sheet: document.getElementById('sheet').dataset.sheet,
  }));
  page.removeAllListeners('request');
  check(first.verdict === 'wrong' && first.hint === 1 && first.steps === 0 && first.typed === '1' &&
      second.verdict === 'wrong' && second.hint === 1 && second.steps > 0 && second.typed === '2,5' &&
      third.verdict === 'right' && third.hint === 0 && third.steps === 0 &&
      new RegExp(`Задача ${row.task}, ${row.key}: невярно.*Подсказка`).test(announced),
    `${user.name}: a wrong answer brings the hint, a second the steps, the typed text stays, the verdict is announced`,
    JSON.stringify({ first, second, third, announced }));
  check(requests.length === 0 && storage.others === 0 && storage.sheets.length === 1 &&
      storage.sheets[0] === `stereometry-sheet:${storage.sheet}`,
    `${user.name}: checking answers asks nothing of the network and keeps nothing but the sheet's answers in the browser`,
    JSON.stringify({ requests, storage }));
}

const shownSheet = (page) => page.evaluate(() => ({
  title: document.getElementById('sheet-title').textContent,
  tasks: [...document.querySelectorAll('.task-text')].map((task) => task.textContent.replace(/\u00a0/g, ' ')),
  fields: [...document.querySelectorAll('.answer input')].map((field) => field.id),
  key: document.getElementById('answer-key').hidden ? [] : [...document.querySelectorAll('.key-answers')].map((k) => k.textContent),
  figures: document.querySelectorAll('#tasks svg').length,
}));

// The teacher's settings made into a sheet: the address reopens it, the
// class's link opens it without the key, the same number the same tasks.
async function addressRoundTrip(page, user, site) {
  await opened(page, `${site.url}listove.html`);
  const open = await page.evaluate(() => document.getElementById('teacher').open);
  for (const solid of ['cone', 'cylinder', 'pyramid']) await activate(page, user, `#solid-${solid}`);
  await page.selectOption('#kind', 'inverse');
  await page.selectOption('#pi', '3.14');
  await page.selectOption('#variant', 'B');
  await page.fill('#count', '7');
  await page.fill('#number', '4711');
  await activate(page, user, '#figures');
  await activate(page, user, '#key');
  await activate(page, user, '#make');
  await page.waitForFunction(() => /number=4711/.test(location.search));
  const made = await shownSheet(page);
  const address = await page.evaluate(() => location.href);
  const classLink = await page.getAttribute('#class-link', 'href');
  await opened(page, address);
  const reopened = await shownSheet(page);
  const teacherFolded = await page.evaluate(() => !document.getElementById('teacher').open);
  const teacherShown = () => page.evaluate(() => document.getElementById('teacher').getClientRects().length > 0);
  await opened(page, new URL(classLink, site.url).href);
  const forClass = await shownSheet(page);
  const classSettings = await teacherShown();
  // What a messenger adds to a link, and what a student might add to see the key.
  await opened(page, new URL(classLink, site.url).href + '&key=on&fbclid=IwAR0xyz&utm_source=messenger&gclid=1');
  const forClassAdded = await shownSheet(page);
  const classAddedSettings = await teacherShown();
  await opened(page, address + '&fbclid=IwAR0xyz&utm_medium=social');
  const teacherAdded = await shownSheet(page);
  const teacherSettings = await teacherShown();
  const wrong = [];
  if (!open) wrong.push('the settings are folded on the bare page');
  if (made.title !== 'Лист № 4711, вариант Б' || made.tasks.length !== 7 || made.key.length !== 7 || made.figures !== 7)
    wrong.push(`made ${JSON.stringify(made)}`);
  if (!made.tasks.every((text) => /конус|цилиндър|пирамида/.test(text) && /при π ≈ 3,14|пирамида/.test(text)))
    wrong.push('a task of another solid or without π ≈ 3,14');
  if (JSON.stringify(reopened) !== JSON.stringify(made)) wrong.push(`reopened ${JSON.stringify(reopened)}`);
  if (!teacherFolded) wrong.push('a sheet\'s link opens with the settings unfolded');
  if (JSON.stringify({ ...forClass, key: [] }) !== JSON.stringify({ ...made, key: [] }) || forClass.key.length)
    wrong.push(`the class's link ${classLink}: ${JSON.stringify(forClass)}`);
  if (!/[?&]class=/.test(classLink) || classSettings) wrong.push(`the class's link ${classLink} shows the teacher's settings`);
  if (JSON.stringify(forClassAdded) !== JSON.stringify(forClass) || classAddedSettings)
    wrong.push(`the class's link with key=on and a messenger's pairs: ${JSON.stringify(forClassAdded)}, settings ${classAddedSettings}`);
  if (JSON.stringify(teacherAdded) !== JSON.stringify(made) || !teacherSettings)
    wrong.push(`the teacher's link with a messenger's pairs: ${JSON.stringify(teacherAdded)}, settings ${teacherSettings}`);
  check(wrong.length === 0, `${user.name}: the settings make the address, which reopens the same sheet; the class's link ` +
    'has no key and no settings, whatever is added to it', wrong.join('\n    '));
}

const answersShown = (page) => page.evaluate(() => [...document.querySelectorAll('.answer input')].map((input) => {
  const feedback = input.closest('.answer').querySelector('.feedback');
  const verdict = feedback.querySelector('.verdict');
  return {
    id: input.id, typed: input.value, verdict: verdict ? verdict.dataset.verdict : '',
    hint: feedback.querySelectorAll('.hint').length, steps: feedback.querySelectorAll('.steps li').length,
  };
}).filter((answer) => answer.typed || answer.verdict));

// Answers a student typed and checked come back, verdicts, hints and all,
// after a reload and after Back from the guide; the other variant of the same
// number has its own; „Изчисти отговорите“ clears them for good.
async function answersKept(page, user, site) {
  const sheet = `${site.url}listove.html?number=808&count=4&figures=on&class=on`;
  // The last field's right answer, as the teacher's key writes it exactly.
  await opened(page, sheet.replace('class=on', 'key=on'));
  const right = await page.evaluate(() => {
    const input = [...document.querySelectorAll('.answer input')].pop();
    const entry = document.querySelectorAll('.key-tasks > li')[Number(input.dataset.task) - 1];
    const text = entry.querySelector(`li[data-key="${input.dataset.key}"]`).textContent;
    return { id: input.id, typed: text.split(' = ')[1].split(/ ≈|[\s\u00a0][a-z]/)[0] };
  });
  await opened(page, sheet);
  const fields = await page.evaluate(() => [...document.querySelectorAll('.answer input')].map((input) => input.id));
  await answer(page, user, right.id, right.typed);
  await answer(page, user, fields[0], '0,001');
  await answer(page, user, fields[0], '0,002');
  await answer(page, user, fields[1], '0,003');
  await activate(page, user, `#${fields[2]}`);
  await page.keyboard.type('4√2');
  const before = await answersShown(page);
  await page.reload();
  await page.waitForSelector('html[data-ready]');
  await page.waitForFunction((count) => document.querySelectorAll('.answer .verdict').length >= count, 3);
  const reloaded = await answersShown(page);
  await page.goto(`${site.url}guide.html`);
  await page.goBack();
  await page.waitForSelector('html[data-ready]');
  await page.waitForFunction((count) => document.querySelectorAll('.answer .verdict').length >= count, 3);
  const back = await answersShown(page);
  await opened(page, sheet.replace('number=808', 'number=808&variant=B'), { keep: true });
  const otherVariant = await answersShown(page);
  await opened(page, sheet, { keep: true });
  await page.waitForFunction((count) => document.querySelectorAll('.answer .verdict').length >= count, 3);
  const again = await answersShown(page);
  page.once('dialog', (dialog) => dialog.accept());
  await activate(page, user, '#clear-answers');
  const cleared = await answersShown(page);
  await page.reload();
  await page.waitForSelector('html[data-ready]');
  await page.waitForTimeout(300);
  const clearedReloaded = await answersShown(page);
  const expected = JSON.stringify(before);
  check(before.length === 4 && before[0].verdict === 'wrong' && before[0].steps > 0 && before[1].hint === 1 &&
      before[2].typed === '4√2' && before[2].verdict === '' && before[3].verdict === 'right' &&
      JSON.stringify(reloaded) === expected &&
      JSON.stringify(back) === expected && otherVariant.length === 0 && JSON.stringify(again) === expected &&
      cleared.length === 0 && clearedReloaded.length === 0,
    `${user.name}: answers and their verdicts come back after a reload and after Back, for their sheet and variant alone, ` +
      'until „Изчисти отговорите“', JSON.stringify({ before, reloaded, back, otherVariant, again, cleared, clearedReloaded }));
}

// On the desktop as on a phone, π, √ and / stand under the field being typed in.
async function signKeys(page, user, site) {
  await opened(page, `${site.url}listove.html?number=5&count=2&class=on`);
  const fields = await page.evaluate(() => [...document.querySelectorAll('.answer input')].map((input) => input.id));
  const places = [];
  for (const field of fields.slice(0, 2)) {
    await activate(page, user, `#${field}`);
    await page.keyboard.type('15');
    await activate(page, user, '.answer #keys .key[data-insert="π"]');
    places.push(await page.evaluate((id) => {
      const input = document.getElementById(id), keys = document.getElementById('keys');
      const box = keys.getBoundingClientRect(), fieldBox = input.getBoundingClientRect();
      return {
        typed: input.value, focused: document.activeElement === input, under: input.closest('.answer').contains(keys),
        shown: box.width > 0 && box.height >= 44 && box.top >= fieldBox.bottom - 1,
      };
    }, field));
  }
  check(places.every((p) => p.typed === '15π' && p.focused && p.under && p.shown),
    `${user.name}: π, √ and / stand under the field being typed in and type into it`, JSON.stringify(places));
}

// A setting the page cannot use: said beside the settings, the rest kept.
async function unusableSetting(page, user, site) {
  await opened(page, `${site.url}listove.html?count=40&number=12`);
  const shown = await page.evaluate(() => ({
    problems: document.getElementById('problems').textContent, hidden: document.getElementById('problems').hidden,
    count: document.getElementById('count').value, tasks: document.querySelectorAll('.task').length,
  }));
  check(!shown.hidden && /Броят на задачите .*40/.test(shown.problems) && shown.count === '10' && shown.tasks === 10,
    `${user.name}: a count of 40 is refused by name, the sheet made with the others`, JSON.stringify(shown));
}

// A grade chosen in the teacher's settings: the address and the class's link
// keep it, and its key writes no tool grade 6 has not learnt (the same
// sheet for every grade does); a grade that is none is refused by name.
async function theGrade(page, user, site) {
  const keyText = () => page.evaluate(() => document.getElementById('answer-key').textContent);
  await opened(page, `${site.url}listove.html`);
  for (const solid of ['prism', 'pyramid']) await activate(page, user, `#solid-${solid}`);
  await page.selectOption('#kind', 'direct');
  await page.selectOption('#grade', '6');
  await page.fill('#count', '8');
  await page.fill('#number', '12');
  await activate(page, user, '#key');
  await activate(page, user, '#make');
  await page.waitForFunction(() => /number=12/.test(location.search));
  const made = await shownSheet(page);
  const key = await keyText();
  const address = await page.evaluate(() => location.search);
  const classLink = await page.getAttribute('#class-link', 'href');
  await opened(page, `${site.url}listove.html${address}`);
  const reopened = { grade: await page.inputValue('#grade'), sheet: await shownSheet(page) };
  await opened(page, `${site.url}listove.html${address.replace(/&grade=6/, '')}`);
  const everyGrade = await keyText();
  check(made.tasks.length === 8 && /&grade=6(&|$)/.test(address) && /&grade=6(&|$)/.test(classLink) &&
      !/tg|sin|cos|√\([^()]*²/.test(key) && /B = a²/.test(key) && /tg/.test(everyGrade) &&
      reopened.grade === '6' && JSON.stringify(reopened.sheet) === JSON.stringify(made),
    `${user.name}: a grade-6 sheet: the address and the class's link keep the grade, its key has no tg and no Pythagoras`,
    JSON.stringify({ address, classLink, made, reopened }) + '\n' + key);
  // The bodies of two solids, ticked in a list of their own: a grade-6 sheet with π ≈ 3,14, each task with
  // its figure, its key with no root and no tg.
  await opened(page, `${site.url}listove.html`);
  for (const solid of ['cylinder-cone', 'prism-pyramid']) await activate(page, user, `#solid-${solid}`);
  await page.selectOption('#pi', '3.14');
  await page.selectOption('#grade', '6');
  await page.fill('#count', '6');
  await activate(page, user, '#figures');
  await activate(page, user, '#key');
  await activate(page, user, '#make');
  await page.waitForFunction(() => /solids=cylinder-cone,prism-pyramid/.test(location.search));
  const bodies = await shownSheet(page);
  const bodiesKey = await keyText();
  const bodyTexts = bodies.tasks.map((task) => task.replace(/\u00ad/g, ''));
  check(bodyTexts.length === 6 && bodyTexts.every((task) => /^Тяло е съставено от |^Върху /.test(task)) &&
      bodyTexts.some((task) => /при π ≈ 3,14\.$/.test(task)) && bodies.figures === 6 && !/√|tg|sin|cos/.test(bodiesKey),
    `${user.name}: a grade-6 sheet of bodies of two solids, each with its figure, its key with no root`,
    JSON.stringify(bodies) + '\n' + bodiesKey);
  // A trapezoid turned about either base: every figure shades the trapezoid, and no body above does.
  const shadedFigures = (legend) => [...document.querySelectorAll('#tasks .task')].map((task) => ({
    turns: /се завърта около по-(голямата|малката) си основа/.test(task.querySelector('.task-text').textContent),
    // The legend's line may wrap: its words compared without the spaces.
    shaded: (task.querySelector('svg')?.textContent || '').replace(/\s/g, '').includes(legend.replace(/\s/g, '')),
  }));
  const turnedLegend = 'В сиво: фигурата, която се завърта около оста.';
  const bodiesShaded = await page.evaluate(shadedFigures, turnedLegend);
  await opened(page, `${site.url}listove.html?number=5&count=4&solids=cylinder-two-cones,cylinder-without-two-cones&grade=10&figures=on`);
  const trapezoids = await page.evaluate(shadedFigures, turnedLegend);
  check(bodiesShaded.every((task) => !task.shaded) && trapezoids.length === 4 &&
      trapezoids.every((task) => task.turns && task.shaded),
    `${user.name}: a sheet's figure shades the trapezoid its task turns, and no other figure`,
    JSON.stringify({ bodiesShaded, trapezoids }));
  await opened(page, `${site.url}listove.html?number=12&count=3&grade=5`);
  const refused = await page.evaluate(() => ({
    problems: document.getElementById('problems').textContent, grade: document.getElementById('grade').value,
    tasks: document.querySelectorAll('.task').length,
  }));
  check(refused.problems === 'Класът е от 6 до 12 (или празно – за всички класове), а не „5“.' && refused.grade === '' &&
      refused.tasks === 3, `${user.name}: grade=5 is refused by name, the sheet made for every grade`, JSON.stringify(refused));
}

async function axeFindsNothing(page, user, when) {
  if (!(await page.evaluate(() => 'axe' in window))) await page.evaluate(axeSource);
  const violations = await page.evaluate(() => axe.run(document, {
    runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22a', 'wcag22aa', 'best-practice'] },
  }).then((result) => result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`)));
  check(violations.length === 0, `${user.name}: axe-core finds no violation ${when}`, violations.join('\n    '));
}

const fullSheet = 'number=31&variant=A&count=30&kind=mixed&numbers=whole&pi=exact&unit=cm&figures=on&key=on';

async function accessible(page, user, site) {
  await opened(page, `${site.url}listove.html?${fullSheet}`);
  await page.evaluate(() => (document.getElementById('teacher').open = true));
  const field = await page.evaluate(() => document.querySelector('.answer input').id);
  await answer(page, user, field, '1');
  await answer(page, user, field, '1');
  await axeFindsNothing(page, user, 'with a sheet, its figures, its key, the settings and the steps showing');
  await page.emulateMedia({ colorScheme: 'dark' });
  await axeFindsNothing(page, user, 'in the dark scheme');
  await page.emulateMedia({ colorScheme: 'light' });
}

// High-contrast themes: every field and button keeps an edge, and a checked
// answer's field a thicker one.
async function inForcedColours(page, user, site) {
  await opened(page, `${site.url}listove.html?number=5&count=3`);
  const field = await page.evaluate(() => document.querySelector('.answer input').id);
  await answer(page, user, field, '1');
  await page.emulateMedia({ forcedColors: 'active' });
  const wrong = await page.evaluate((checked) => {
    const edge = (element) => parseFloat(getComputedStyle(element).borderTopWidth);
    const faults = [...document.querySelectorAll('input:not([type="checkbox"]), select, button')]
      .filter((element) => element.getClientRects().length && edge(element) < 1).map((element) => element.id || element.className);
    const other = [...document.querySelectorAll('.answer input')].find((input) => input.id !== checked);
    if (!(edge(document.getElementById(checked)) > edge(other))) faults.push('the checked answer does not stand out');
    return faults;
  }, field);
  await page.emulateMedia({ forcedColors: 'none' });
  check(wrong.length === 0, `${user.name}: in forced colours every field and button keeps an edge, a checked answer a thicker one`,
    wrong.join(', '));
}

// After the first visit a sheet's link opens and checks answers offline.
async function offline(page, user, site) {
  await opened(page, `${site.url}listove.html`);
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  await site.close();
  const row = rows.find((r) => r.marked === 'right');
  await opened(page, `${site.url}listove.html?${row.query}`);
  const shown = await answer(page, user, `answer-${row.task}-${row.key}`, row.typed);
  check(shown.verdict === 'right', `${user.name}: offline after the first visit, a sheet's link opens and checks answers`,
    JSON.stringify(shown));
}

function phoneFaults() {
  const wrong = [];
  const root = document.documentElement;
  if (visualViewport.scale !== 1 || root.scrollWidth > root.clientWidth)
    wrong.push(`zoomed out or too wide: scale ${visualViewport.scale}, ${root.scrollWidth} in ${root.clientWidth}`);
  const shown = (e) => e.getClientRects().length > 0 && getComputedStyle(e).visibility !== 'hidden';
  for (const control of [...document.querySelectorAll('input, select, button, summary, header a')].filter(shown)) {
    const box = (control.type === 'checkbox' ? control.closest('label') : control).getBoundingClientRect();
    if (box.width < 44 || box.height < 44) wrong.push(`${control.id || control.className} ${box.width}x${box.height}`);
    if (/INPUT|SELECT/.test(control.tagName) && control.type !== 'checkbox' && parseFloat(getComputedStyle(control).fontSize) < 16)
      wrong.push(`#${control.id} text at ${getComputedStyle(control).fontSize}`);
  }
  return wrong;
}

// On paper: the title, a line for the name, the tasks with room to work; no
// field, button or setting; the key from a page of its own.
async function onPaper(page, user, site) {
  await opened(page, `${site.url}listove.html?${fullSheet}`);
  await page.emulateMedia({ media: 'print' });
  const paper = await page.evaluate(() => {
    const shown = (selector) => [...document.querySelectorAll(selector)].filter((e) => e.getClientRects().length > 0).length;
    return {
      title: shown('#sheet-title'), name: shown('.student-line'), tasks: shown('.task'), work: shown('.work'),
      controls: shown('input, select, button, header, #teacher'), key: shown('.key-tasks > li'),
      keyBreak: getComputedStyle(document.getElementById('answer-key')).breakBefore,
    };
  });
  check(paper.title === 1 && paper.name === 1 && paper.tasks === 30 && paper.work === 30 && paper.controls === 0 &&
      paper.key === 30 && paper.keyBreak === 'page',
    `${user.name}: on paper the title, a line for the name, 30 tasks with room to work, the key from its own page, nothing to tap`,
    JSON.stringify(paper));

  // Printed to PDF: A4 pages, each task and each key's entry whole on one.
  const pdf = join(mkdtempSync(join(tmpdir(), 'sheet-')), 'sheet.pdf');
  writeFileSync(pdf, await page.pdf({ preferCSSPageSize: true }));
  await page.emulateMedia({ media: 'screen' });
  const info = execFileSync('pdfinfo', [pdf], { encoding: 'utf8' });
  const pages = Number(/Pages:\s+(\d+)/.exec(info)[1]);
  const size = /Page size:\s+([\d.]+) x ([\d.]+) pts/.exec(info);
  const a4 = Math.abs(size[1] - 595.28) < 1 && Math.abs(size[2] - 841.89) < 1;
  const texts = [];
  for (let number = 1; number <= pages; number += 1)
    texts.push(execFileSync('pdftotext', ['-f', String(number), '-l', String(number), pdf, '-'], { encoding: 'utf8' })
      .replace(/\s+/g, ' '));
  const expected = await page.evaluate(() => ({
    tasks: [...document.querySelectorAll('.task-text')].map((t) => [t.textContent]),
    key: [...document.querySelectorAll('.key-tasks > li')].map((entry) =>
      [...entry.querySelectorAll('li')].map((line) => line.textContent)),
  }));
  // Each task's text, and each key's answers and steps, all on one page.
  const whole = (lines) => texts.some((page) => lines.every((line) => page.includes(line.replace(/\s+/g, ' ').trim())));
  const cut = [...expected.tasks, ...expected.key].filter((lines) => !whole(lines));
  const keyFirst = texts.findIndex((text) => text.includes('Отговори:'));
  const unmarked = texts.map((text, index) => index + 1).filter((number) => !texts[number - 1].includes('Лист № 31, вариант А'));
  check(a4 && pages >= 4 && cut.length === 0 && keyFirst > 0 && !texts[keyFirst - 1].includes('Отговори:') &&
      !texts[keyFirst].includes(expected.tasks[29][0]) && unmarked.length === 0,
    `${user.name}: 30 tasks and their key printed to PDF on ${pages} A4 pages, nothing cut, the key on pages of its own, ` +
      'each page with the sheet\'s number and variant',
    JSON.stringify({ pdf, pages, cut: cut.slice(0, 3), keyFirst, unmarked }));
}

// ---------------------------------------------------------------------------

const runs = [
  { name: 'bg-BG desktop', locale: 'bg-BG', viewport: { width: 1280, height: 800 } },
  { name: 'bg-BG 360-px phone', locale: 'bg-BG', phone: true, viewport: { width: 360, height: 740 } },
  { name: 'en-US 320-px phone', locale: 'en-US', phone: true, viewport: { width: 320, height: 640 }, brief: true },
  // A bare Debian system: one monospaced face and none of the signs; the
  // site's own faces must carry every sign onto paper.
  { name: 'a system with Liberation Mono alone', locale: 'bg-BG', viewport: { width: 1280, height: 800 }, bare: true },
];

// A fontconfig that knows one face, as a minimal system's does.
function bareFonts() {
  const dir = mkdtempSync(join(tmpdir(), 'bare-fonts-'));
  mkdirSync(join(dir, 'fonts'));
  symlinkSync('/usr/share/fonts/truetype/liberation/LiberationMono-Regular.ttf', join(dir, 'fonts', 'mono.ttf'));
  const config = join(dir, 'fonts.conf');
  writeFileSync(config, `<?xml version="1.0"?>\n<!DOCTYPE fontconfig SYSTEM "fonts.dtd">\n<fontconfig>` +
    `<dir>${join(dir, 'fonts')}</dir><cachedir>${join(dir, 'cache')}</cachedir></fontconfig>\n`);
  return { ...process.env, FONTCONFIG_FILE: config };
}

async function run(user) {
  const site = await serve(siteDir, 0);
  const browser = await chromium.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking'],
    ...(user.bare ? { env: bareFonts() } : {}),
  });
  const context = await browser.newContext({
    locale: user.locale, viewport: user.viewport, deviceScaleFactor: user.phone ? 3 : 1,
    isMobile: Boolean(user.phone), hasTouch: Boolean(user.phone),
  });
  context.setDefaultTimeout(15000);
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  const violations = [];
  page.on('console', (message) => {
    if (message.type() === 'error' && /Content.Security.Policy/i.test(message.text())) violations.push(message.text());
  });
  try {
    if (user.bare) {
      await onPaper(page, user, site);
    } else if (user.phone) {
      await opened(page, `${site.url}listove.html?${fullSheet}`);
      await page.evaluate(() => (document.getElementById('teacher').open = true));
      const wrong = await page.evaluate(phoneFaults);
      check(wrong.length === 0, `${user.name}: nothing to scroll sideways, every control 44 pixels, field text 16 pixels`,
        wrong.join('\n    '));
      if (!user.brief) {
        await answerTable(page, user, site);
        await hintThenSteps(page, user, site);
        await accessible(page, user, site);
        await addressRoundTrip(page, user, site);
        await answersKept(page, user, site);
      }
      await signKeys(page, user, site);
    } else {
      await answerTable(page, user, site);
      await hintThenSteps(page, user, site);
      await addressRoundTrip(page, user, site);
      await answersKept(page, user, site);
      await signKeys(page, user, site);
      await unusableSetting(page, user, site);
      await theGrade(page, user, site);
      await accessible(page, user, site);
      await inForcedColours(page, user, site);
      await onPaper(page, user, site);
      await offline(page, user, site);
    }
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
console.log(failures === 0 ? 'worksheet page test: all checks passed' : `worksheet page test: ${failures} check(s) failed`);
process.exit(failures === 0 ? 0 : 1);
