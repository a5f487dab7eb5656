// SPDX-License-Identifier: MIT
// The worksheet page (listove.html): hands the solver's module, in a worker of
// its own (sheet-worker.js: web/sheet_worker.js after the module's loader,
// solver.wasm beside it), the sheet as the page's address or the teacher's
// form holds it, and each answer a student checks; puts what the module
// returns where the page generator made room for it (web/sheet_markup.cpp). Nothing is made, checked or worded here: the module
// reads the address and writes it anew, makes the sheet and its key as
// markup, and checks and words every answer (web/sheet_view.h). A student's
// answers are kept in this browser's storage for the sheet and its variant,
// and nowhere else: no cookie, no request.
//
// The page generator puts this file at the end of the page.
'use strict';
(function () {
  const byId = (id) => document.getElementById(id);
  const form = byId('settings');
  const selects = ['kind', 'numbers', 'pi', 'unit', 'grade', 'variant'];
  const texts = ['count', 'number'];
  const boxes = ['figures', 'key'];

  // The sheet: the page's address as it was opened until the teacher makes
  // another; the answer being checked.
  let address = location.search;
  let fromForm = false;
  let shownSheet = '';
  let worker = null;

  function formAddress() {
    const pairs = new URLSearchParams();
    for (const id of [...texts, ...selects]) pairs.set(id, byId(id).value.trim());
    const solids = [...form.querySelectorAll('input[name="solids"]:checked')].map((box) => box.value);
    if (solids.length) pairs.set('solids', solids.join(','));
    for (const id of boxes) pairs.set(id, byId(id).checked ? 'on' : 'off');
    return pairs.toString();
  }

  function fillForm(settings) {
    for (const id of [...texts, ...selects]) byId(id).value = settings[id];
    for (const box of form.querySelectorAll('input[name="solids"]')) box.checked = settings.solids.includes(box.value);
    for (const id of boxes) byId(id).checked = settings[id];
  }

  // On paper the sheet's title and variant at the foot of every page, so that
  // a page that comes loose still says which sheet it is: a rule of the
  // page's stylesheet, replaced with each sheet.
  const styleSheet = document.styleSheets[0];
  let footerRule = -1;
  function pageFooter(title) {
    if (footerRule >= 0) styleSheet.deleteRule(footerRule);
    footerRule = styleSheet.insertRule(`@page{@bottom-right{content:${JSON.stringify(title)}}}`, styleSheet.cssRules.length);
  }

  let announcing = 0;
  function announce(text) {
    clearTimeout(announcing);
    const region = byId('announcement');
    region.textContent = '';
    announcing = setTimeout(() => (region.textContent = text), 50);
  }

  // The answers typed so far, by field, and how many of each were wrong: a
  // sheet shown anew (with its figures or its key) keeps them.
  function typedAnswers() {
    return new Map([...byId('tasks').querySelectorAll('input')].map((input) =>
      [input.id, { value: input.value, wrong: input.dataset.wrong, feedback: byId(input.getAttribute('aria-describedby')).innerHTML }]));
  }

  const keys = byId('keys');
  const clearButton = byId('clear-answers');

  // The teacher's settings, open for a teacher who opens the page itself,
  // folded on a sheet's link, and not there at all on a class's (its marker,
  // a pair named "class", which the core confirms with the sheet): decided
  // at once, so that nothing moves when the sheet comes.
  const teacher = byId('teacher');
  teacher.open = !location.search;
  teacher.hidden = new URLSearchParams(location.search).has('class');

  // A student's answers, kept in the browser for the sheet and its variant
  // (the core's sheetQuery()), so that a reload, or Back from another page,
  // brings them back with their verdicts: per field what is typed in it and
  // what was checked last, with how many answers were wrong before that
  // check. Checked again on the way back, each gets its verdict, hint and
  // steps from the core as before. Only the sheets used last are kept; where
  // the browser refuses its storage the answers stay on the page alone.
  const storePrefix = 'stereometry-sheet:';
  const keptSheets = 40;
  const longestTyped = 200;
  function storedAnswers(sheetQuery) {
    let stored = null;
    try {
      stored = JSON.parse(localStorage.getItem(storePrefix + sheetQuery));
    } catch (error) {
      stored = null;
    }
    const fields = {};
    const text = (value) => (typeof value === 'string' ? value.slice(0, longestTyped) : '');
    if (stored && typeof stored.fields === 'object' && stored.fields) {
      for (const [id, field] of Object.entries(stored.fields)) {
        if (!/^answer-\d+-\w+$/.test(id) || !field || typeof field !== 'object') continue;
        const checked = field.checked && typeof field.checked === 'object'
          ? { typed: text(field.checked.typed), wrongBefore: Math.max(0, Math.min(99, Math.floor(Number(field.checked.wrongBefore)) || 0)) }
          : null;
        fields[id] = { typed: text(field.typed), checked };
      }
    }
    return { fields };
  }
  function forget(key) {
    try {
      localStorage.removeItem(key);
    } catch (error) { /* nothing kept anyway */ }
  }
  function keepAnswers(sheetQuery, answers) {
    try {
      localStorage.setItem(storePrefix + sheetQuery, JSON.stringify({ fields: answers.fields, saved: Date.now() }));
      const sheets = [];
      for (let i = 0; i < localStorage.length; ++i) {
        const key = localStorage.key(i);
        if (!key || !key.startsWith(storePrefix)) continue;
        let saved = 0;
        try {
          saved = Number(JSON.parse(localStorage.getItem(key)).saved) || 0;
        } catch (error) { /* an unreadable entry goes first */ }
        sheets.push({ key, saved });
      }
      sheets.sort((x, y) => x.saved - y.saved);
      for (const old of sheets.slice(0, Math.max(0, sheets.length - keptSheets))) forget(old.key);
    } catch (error) { /* storage full or refused */ }
  }
  let answers = { fields: {} };
  function keepField(input, change) {
    if (!shownSheet) return;
    const field = answers.fields[input.id] || { typed: '', checked: null };
    answers.fields[input.id] = Object.assign(field, change);
    keepAnswers(shownSheet, answers);
  }

  // The answers kept for a sheet just shown: typed again, and each checked
  // answer checked again, quietly.
  function restoreAnswers() {
    for (const input of byId('tasks').querySelectorAll('.answer input')) {
      const field = answers.fields[input.id];
      if (!field) continue;
      if (field.checked) {
        input.dataset.wrong = String(field.checked.wrongBefore);
        check(input, field.checked.typed, true);
      }
      input.value = field.typed;
    }
  }

  function showSheet(sheet) {
    const same = sheet.sheet === shownSheet;
    const kept = same ? typedAnswers() : new Map();
    byId('sheet').append(keys);
    fillForm(sheet.settings);
    const problems = byId('problems');
    problems.replaceChildren(...sheet.problems.map((text) => Object.assign(document.createElement('li'), { textContent: text })));
    problems.hidden = sheet.problems.length === 0;
    byId('sheet-title').textContent = sheet.title;
    pageFooter(sheet.title);
    byId('tasks').innerHTML = sheet.tasks;
    for (const [id, answer] of kept) {
      const input = byId(id);
      if (!input) continue;
      input.value = answer.value;
      if (answer.wrong) input.dataset.wrong = answer.wrong;
      byId(input.getAttribute('aria-describedby')).innerHTML = answer.feedback;
    }
    const key = byId('answer-key');
    key.innerHTML = sheet.key;
    key.hidden = sheet.key === '';
    const link = byId('class-link');
    link.href = 'listove.html?' + sheet.classQuery;
    link.textContent = link.href;
    document.title = sheet.pageTitle;
    if (fromForm) history.replaceState(history.state, '', '?' + sheet.query + location.hash);
    byId('sheet').dataset.sheet = sheet.sheet;
    shownSheet = sheet.sheet;
    if (!same) {
      answers = storedAnswers(shownSheet);
      restoreAnswers();
    }
    // A class's link is a student's: no teacher's settings, as the core says.
    byId('teacher').hidden = sheet.forClass;
    clearButton.parentElement.hidden = false;
    if (fromForm || !location.search) announce(sheet.announcement);
    document.documentElement.dataset.ready = '';
  }

  // Messages to the worker wait in its queue until the module has started.
  function make() {
    if (!worker) return;
    if (fromForm) address = formAddress();
    worker.postMessage({ kind: 'sheet', address });
  }

  form.addEventListener('submit', (event) => {
    event.preventDefault();
    fromForm = true;
    make();
  });
  byId('other-number').addEventListener('click', () => {
    byId('number').value = String(1 + Math.floor(Math.random() * Number(byId('number').dataset.largest)));
    fromForm = true;
    make();
  });
  byId('print').addEventListener('click', () => print());
  byId('copy-link').addEventListener('click', (event) => {
    const button = event.currentTarget;
    Promise.resolve(navigator.clipboard && navigator.clipboard.writeText(byId('class-link').href))
      .then(() => announce(button.dataset.done), () => announce(button.dataset.failed));
  });

  // An answer checked on „провери“ or Enter in its field; or, quietly, one
  // kept from before, as it was typed then.
  function check(input, typed = input && input.value, quiet = false) {
    if (!worker || !input) return;
    const wrongBefore = Number(input.dataset.wrong || 0);
    worker.postMessage({
      kind: 'answer', address: answerAddress(input, typed), field: input.id,
      context: { sheet: shownSheet, typed, wrongBefore, quiet },
    });
  }
  function showAnswer(answer, field, context) {
    const input = byId(field);
    if (!input || !context || context.sheet !== shownSheet) return;
    byId(input.getAttribute('aria-describedby')).innerHTML = answer.feedback;
    if (answer.verdict === 'wrong') input.dataset.wrong = String(context.wrongBefore + 1);
    if (answer.verdict === 'right') input.removeAttribute('aria-invalid');
    else input.setAttribute('aria-invalid', 'true');
    keepField(input, { checked: { typed: context.typed, wrongBefore: context.wrongBefore } });
    if (!context.quiet) announce(answer.announcement);
  }
  const tasks = byId('tasks');
  tasks.addEventListener('click', (event) => {
    const button = event.target.closest('.check');
    if (button) check(byId(`answer-${button.dataset.task}-${button.dataset.key}`));
  });
  tasks.addEventListener('keydown', (event) => {
    if (event.key === 'Enter' && event.target.matches('.answer input')) {
      event.preventDefault();
      check(event.target);
    }
  });
  tasks.addEventListener('input', (event) => {
    if (event.target.matches('.answer input')) keepField(event.target, { typed: event.target.value });
  });

  // „Изчисти отговорите“: every field, verdict and kept answer of this sheet
  // gone, once the student says so.
  clearButton.addEventListener('click', () => {
    if (!confirm(clearButton.dataset.ask)) return;
    for (const input of tasks.querySelectorAll('.answer input')) {
      input.value = '';
      delete input.dataset.wrong;
      input.removeAttribute('aria-invalid');
      byId(input.getAttribute('aria-describedby')).replaceChildren();
    }
    answers = { fields: {} };
    if (shownSheet) forget(storePrefix + shownSheet);
    announce(clearButton.dataset.done);
  });

  // π, √ and / go into the answer last typed in, at its caret; the field
  // keeps the focus, and a phone its keyboard. The keys stand under the field
  // being typed in, at any width: few keyboards have π or √.
  let lastField = null;
  tasks.addEventListener('focusin', (event) => {
    if (!event.target.matches('.answer input')) return;
    lastField = event.target;
    const answerRow = lastField.closest('.answer');
    if (keys.parentElement !== answerRow) {
      answerRow.append(keys);
      requestAnimationFrame(() => keys.scrollIntoView({ block: 'nearest' }));
    }
  });
  for (const key of keys.querySelectorAll('.key')) {
    for (const type of ['pointerdown', 'mousedown']) key.addEventListener(type, (event) => event.preventDefault());
    key.addEventListener('click', () => {
      if (!lastField || !lastField.isConnected) return;
      lastField.focus();
      lastField.setRangeText(key.dataset.insert, lastField.selectionStart, lastField.selectionEnd, 'end');
      keepField(lastField, { typed: lastField.value });
    });
  }

  function answerAddress(input, typed) {
    const pairs = new URLSearchParams(byId('sheet').dataset.sheet);
    pairs.set('task', input.dataset.task);
    pairs.set('answer', input.dataset.key);
    pairs.set('typed', typed);
    pairs.set('wrong', input.dataset.wrong || '0');
    return pairs.toString();
  }

  function cannotRun() {
    const tasksPlace = byId('tasks');
    const message = document.createElement('p');
    message.className = 'message';
    message.textContent = location.protocol === 'file:'
      ? 'Листовете се правят, когато страницата е отворена от уеб сървър или като инсталирано приложение, а не от папка.'
      : 'Този браузър не може да изпълни страницата. Отворете я в по-нов браузър.';
    tasksPlace.replaceChildren(message);
  }

  try {
    worker = new Worker('sheet-worker.js');
    worker.onmessage = ({ data }) => {
      if (data.kind === 'sheet') showSheet(JSON.parse(data.json));
      else if (data.kind === 'answer') showAnswer(JSON.parse(data.json), data.field, data.context);
      else cannotRun();
    };
    worker.onerror = cannotRun;
    make();
  } catch (error) {
    cannotRun();
  }

  // After the first visit the page works offline (sw.js keeps the whole site).
  if ('serviceWorker' in navigator) {
    addEventListener('load', () => navigator.serviceWorker.register('sw.js').catch(() => {}));
  }
})();
