// SPDX-License-Identifier: MIT
// The problems page (zadachi.html): hands the solver's module (solver.js, the
// task solver compiled to WebAssembly, with solver.wasm beside the page; the
// same in solver-worker.js for the first answer) the task as the form holds
// it, and puts what the module returns where the page generator made room for
// it (web/problems_markup.cpp). Nothing is solved, read, converted or worded
// here: the module reads the address and writes it anew, and words every value
// and message (web/problems_task.h).
//
// The site build appends this file to solver.js (the module's loader) and
// web/solver_start.js, and the page generator puts them at the end of the
// page, after the controls.
'use strict';
(function () {
  const byId = (id) => document.getElementById(id);
  const form = byId('task');
  const settings = ['unit', 'pi', 'grade', 'digits'];

  // What the solver solves: the page's own address as it was opened, until
  // the student changes the form; then the form.
  let edited = false;
  let shown = false;
  // The address's pairs that no control holds (a key the solid has not),
  // kept until the student changes the form, so that the message about them
  // stands on what was given.
  let unheld = new URLSearchParams();
  const openedSolid = new URLSearchParams(location.search).get('solid') || '';

  // A solid a task read that no picture shows: its fields, no picture chosen.
  let unpictured = '';
  // The solid: its picture's, or the base chosen under the pictures.
  const chosenSolid = () => {
    const checked = form.querySelector('input[name="solid"]:checked');
    if (!checked) return unpictured;
    const base = byId('base-' + checked.value);
    return base ? base.value : checked.value;
  };
  function showBaseChoice() {
    const picture = (form.querySelector('input[name="solid"]:checked') || { value: '' }).value;
    for (const choice of form.querySelectorAll('.base-choice')) choice.hidden = choice.dataset.family !== picture;
  }
  // A solid by its key: its picture, and its base where it is one of another shape.
  function chooseSolid(solid) {
    const option = form.querySelector(`.base-choice option[value="${CSS.escape(solid)}"]`);
    const picture = option ? option.parentElement.dataset.family : solid;
    let pictured = false;
    for (const radio of form.querySelectorAll('input[name="solid"]')) {
      radio.checked = radio.value === picture;
      pictured = pictured || radio.checked;
    }
    unpictured = pictured || !byId('fields-' + solid) ? '' : solid;
    if (option && option.parentElement.value !== solid) option.parentElement.value = solid;
    showBaseChoice();
  }
  const fieldsOf = (solid) => byId('fields-' + solid);
  // The fields of use open by themselves where the address or a text read
  // fills one; the student alone closes them.
  function openFilledUses(solid) {
    const fields = fieldsOf(solid);
    if (!fields) return;
    for (const uses of fields.querySelectorAll('details.uses'))
      if (!uses.open && Array.from(uses.querySelectorAll('input')).some((input) => input.value !== '')) uses.open = true;
  }

  function formAddress() {
    const solid = chosenSolid();
    const pairs = new URLSearchParams({ solid: solid || openedSolid });
    const fields = fieldsOf(solid);
    if (fields) for (const input of fields.querySelectorAll('input')) pairs.append(input.id.slice(solid.length + 1), input.value);
    for (const [key, value] of unheld) pairs.append(key, value);
    for (const id of settings) pairs.append(id, byId(id).value);
    if (askedKeys) pairs.append('asked', askedKeys);
    return pairs.toString();
  }

  // The controls take what the page's address gives: at once where it names
  // the solid by its key, so that nothing moves once it is solved, and again
  // with the module's first answer, which knows the solid by any name.
  function fillFromAddress(solid, keep) {
    chooseSolid(solid);
    for (const fields of form.querySelectorAll('.quantities')) fields.hidden = fields.dataset.solid !== solid;
    const taken = new Set();
    for (const [key, value] of new URLSearchParams(location.search)) {
      if (key === 'solid' || key === 'text' || key === 'asked' || settings.includes(key)) continue;
      const field = solid ? byId(solid + '-' + key) : null;
      if (field && !taken.has(field) && (field.value === '' || field.value === value)) {
        field.value = value;
        taken.add(field);
      } else if (keep) {
        unheld.append(key, value);
      }
    }
    openFilledUses(solid);
  }
  if (byId('fields-' + openedSolid)) fillFromAddress(openedSolid, false);
  for (const id of settings) {
    const value = new URLSearchParams(location.search).get(id);
    if (Array.from(byId(id).options).some((option) => option.value === value)) byId(id).value = value;
  }

  // Only what changed is written: each letter typed lays out and paints as
  // little of the page as it can.
  function showNote(container, note, field, state, text) {
    if (container.dataset.state !== state) container.dataset.state = state;
    if (note.textContent !== text) note.textContent = text;
    const invalid = state === 'invalid' || state === 'concerned';
    if (field.hasAttribute('aria-invalid') === invalid) return;
    if (invalid) field.setAttribute('aria-invalid', 'true');
    else field.removeAttribute('aria-invalid');
  }

  function showFields(task) {
    if (form.dataset.unit !== task.settings.unit) form.dataset.unit = task.settings.unit;
    for (const fields of form.querySelectorAll('.quantities')) {
      const hidden = fields.dataset.solid !== task.solid;
      if (fields.hidden !== hidden) fields.hidden = hidden;
    }
    const notes = new Map(task.fields.map((field) => [field.key, field]));
    const rows = task.solid ? Array.from(fieldsOf(task.solid).querySelectorAll('.q')) : [];
    for (const row of rows) {
      const { state = '', note = '' } = notes.get(row.id.slice(`row-${task.solid}-`.length)) || {};
      showNote(row, row.querySelector('.note'), row.querySelector('input'), state, note);
    }
    for (const id of settings) {
      const { state = '', note = '' } = notes.get(id) || {};
      showNote(byId(id).parentElement, byId('note-' + id), byId(id), state, note);
    }
    const message = byId('task-message');
    if (message.textContent !== task.message) message.textContent = task.message;
    if (message.dataset.status !== task.status) message.dataset.status = task.status;
    if (message.hidden !== (task.message === '')) message.hidden = task.message === '';
  }

  const setText = (element, text) => {
    if (element.textContent !== text) element.textContent = text;
  };
  const setData = (element, name, value) => {
    if (value === null) delete element.dataset[name];
    else if (element.dataset[name] !== value) element.dataset[name] = value;
  };

  // The figures follow the values a frame later: the numbers a student is
  // waiting for are painted first.
  const drawingsToShow = new Map();
  function showDrawingsLater(block, solution) {
    if (!drawingsToShow.size) requestAnimationFrame(() => setTimeout(() => {
      for (const [shownBlock, shownSolution] of drawingsToShow)
        if (shownBlock.isConnected) drawings.show(shownBlock, shownSolution, () => solve(false, true));
      drawingsToShow.clear();
    }, 0));
    drawingsToShow.set(block, solution);
  }

  // A solution's element, made anew for another solid and otherwise kept,
  // only its changed values and steps written again.
  function showSolution(article, solution, number) {
    const values = article.querySelector('.values');
    const keys = solution.quantities.map((quantity) => quantity.key).join(' ');
    if (values.dataset.keys !== keys) {
      values.replaceChildren(...solution.quantities.map((quantity) => {
        const value = byId('value-template').content.firstElementChild.cloneNode(true);
        value.dataset.quantity = quantity.key;
        value.querySelector('.letter').textContent = quantity.key;
        value.querySelector('dt span').textContent = quantity.name;
        return value;
      }));
      values.dataset.keys = keys;
    }
    article.dataset.solution = String(number);
    setText(article.querySelector('h3'), solution.title);
    solution.quantities.forEach((quantity, index) => {
      const value = values.children[index];
      setData(value, 'value', quantity.value === null ? null : String(quantity.value));
      setData(value, 'exact', quantity.exact);
      setData(value, 'unit', quantity.unit);
      setData(value, 'asked', quantity.asked ? '' : null);
      if (value.classList.contains('given') !== quantity.given) value.classList.toggle('given', quantity.given);
      setText(value.querySelector('.shown'), quantity.shown);
    });
    showDrawingsLater(article.querySelector('.drawings'), solution);
    const steps = article.querySelector('.steps');
    solution.steps.forEach((step, index) => setText(steps.children[index] || steps.appendChild(document.createElement('li')), step));
    while (steps.children.length > solution.steps.length) steps.lastElementChild.remove();
  }

  function showSolutions(task) {
    const section = byId('solutions');
    const articles = Array.from(section.querySelectorAll('article'));
    task.solutions.forEach((solution, index) => {
      const article = articles[index] || section.appendChild(byId('solution-template').content.firstElementChild.cloneNode(true));
      showSolution(article, solution, index + 1);
    });
    for (const extra of articles.slice(task.solutions.length)) extra.remove();
    setText(byId('summary'), task.summary);
    setData(section, 'status', task.status);
  }

  // Results are read out once the student stops typing, or at once after
  // Enter or „реши“.
  let announcing = 0;
  let announceNow = true;
  function announce(text) {
    clearTimeout(announcing);
    const region = byId('announcement');
    announcing = setTimeout(() => {
      region.textContent = '';
      setTimeout(() => (region.textContent = text), 50);
    }, announceNow ? 0 : 1000);
  }

  // The address follows the task once the browser is idle: it takes longer
  // over history.replaceState than the module over the solve, and a student
  // typing on waits for neither.
  const whenIdle = window.requestIdleCallback || ((write) => setTimeout(write, 50));
  let writtenAddress = null;
  function writeAddress(search) {
    const pending = writtenAddress !== null;
    writtenAddress = search;
    if (pending) return;
    whenIdle(() => {
      history.replaceState(history.state, '', '?' + writtenAddress + location.hash);
      writtenAddress = null;
    }, { timeout: 1000 });
  }

  function showTask(task) {
    if (!shown && !edited) {
      fillFromAddress(task.solid, true);
      for (const id of settings) byId(id).value = task.settings[id];
    }
    showRead(task);
    showFields(task);
    showSolutions(task);
    if (!quietly) announce(task.announcement);
    if (edited && !quietly) writeAddress(task.address);
    if (!shown) document.documentElement.dataset.ready = '';
    shown = true;
    performance.mark('task-shown');
  }

  // The page solves in its own module, at once in the input's handler, so that
  // a keystroke's answer is painted in the frame after it. The first answer
  // comes from a worker (solver-worker.js, the one the calculator's page asks
  // for its figures): its first solve, while the browser compiles the code
  // it runs, holds up neither the page nor a student typing, and the page's
  // module, started once that answer is in, finds the code compiled (the
  // browser keeps one compiled module for the same file). Until then what is
  // typed goes to the worker, one task at a time: what is typed meanwhile is
  // asked next, and an answer overtaken by typing is not shown. The solutions
  // are busy (aria-busy) while the worker's answer is awaited.
  let solver = null;
  let worker = null;
  let asked = null;
  let next = null;
  // An answer not shown is read out and written in the address by the next.
  const after = (earlier, later) => ({ ...later, now: earlier.now || later.now, quiet: earlier.quiet && later.quiet });
  function ask(task) {
    if (asked) {
      next = next ? after(next, task) : task;
      return;
    }
    asked = task;
    byId('solutions').setAttribute('aria-busy', 'true');
    worker.postMessage({ frame: 'task', address: task.address, nets: task.nets });
  }

  function answered({ data }) {
    const task = asked;
    asked = null;
    if (next) {
      const waiting = after(task, next);
      next = null;
      ask(waiting);
      return;
    }
    if (!data.task) {
      worker = null;
      startModule(task);
      return;
    }
    byId('solutions').removeAttribute('aria-busy');
    performance.mark('task-solved', { detail: { took: data.took } });
    show(task, data.task);
    startModule(null);
  }

  let address = '';
  let answer = '';
  function show(task, json) {
    announceNow = task.now;
    quietly = task.quiet;
    showTask(JSON.parse(json));
    quietly = false;
  }

  // The page's module, once: it takes over what the worker has not answered.
  let starting = false;
  function startModule(unanswered) {
    if (starting) return;
    starting = true;
    const page = { taskAddress: () => address, showTask: (json) => (answer = json) };
    Promise.resolve(compiling && compiling.catch(() => null)).then((compiled) => startSolver(page, compiled)).then((module) => {
      solver = module;
      performance.mark('solver-ready');
      const waiting = [unanswered, asked, next].filter(Boolean);
      asked = next = null;
      if (worker) worker.terminate();
      worker = null;
      byId('solutions').removeAttribute('aria-busy');
      if (waiting.length) solveHere(waiting.reduce(after));
    }).catch(cannotRun);
  }

  function solveHere(task) {
    address = task.address;
    solver._solveTask(task.nets);
    show(task, answer);
  }

  // The nets are written only while one is shown; opening one solves the
  // task again, quietly, with them.
  let quietly = false;
  function solve(now, quiet = false) {
    const nets = byId('solutions').querySelector('.net[open]') ? 1 : 0;
    const task = { address: textTask !== null ? textAddress() : edited ? formAddress() : location.search, nets, now, quiet };
    if (solver) solveHere(task);
    else if (worker) ask(task);
    else next = next ? after(next, task) : task;
  }

  // From the first change on, the form is the task (and what is typed before
  // the module is ready is solved once it is).
  function changed() {
    if (!edited) unheld = new URLSearchParams();
    edited = true;
    solve(false);
  }

  form.addEventListener('input', (event) => {
    if (event.target.name === 'solid') showBaseChoice();
  });
  form.addEventListener('input', changed);
  form.addEventListener('submit', (event) => {
    event.preventDefault();
    solve(true);
    // „реши“ on a phone: the solutions are further down.
    const solutions = byId('solutions');
    if (event.submitter === byId('solve') && solutions.getBoundingClientRect().top > innerHeight * 0.8)
      solutions.scrollIntoView({ block: 'start' });
  });

  // The task as printed: pasted or typed into the box (or scanned from a
  // photo by a phone's keyboard), or given in the address as text=…. While
  // it is the task the module reads it for the solid and the givens, and the
  // fields show what was read; a field typed in then is a correction, and
  // from it on the form is the task, the asked quantities kept. A setting
  // chosen overrides the text's.
  const textBox = byId('task-text');
  let textTask = new URLSearchParams(location.search).get('text');
  let askedKeys = new URLSearchParams(location.search).get('asked') || '';
  const textSettings = new Set(settings.filter((id) => new URLSearchParams(location.search).has(id)));
  if (textTask !== null) textBox.value = textTask;

  function textAddress() {
    const pairs = new URLSearchParams({ text: textTask });
    for (const id of settings) if (textSettings.has(id)) pairs.append(id, byId(id).value);
    return pairs.toString();
  }

  function readText(text) {
    if (!edited) unheld = new URLSearchParams();
    edited = true;
    textTask = text.trim() === '' ? null : text;
    if (textTask === null) {
      askedKeys = '';
      setText(byId('text-read'), '');
      byId('text-unread').hidden = true;
    }
    solve(false);
  }
  textBox.addEventListener('input', (event) => {
    event.stopPropagation();
    readText(textBox.value);
  });
  // Before the form's own handler: a field typed in corrects what was read.
  form.addEventListener('input', (event) => {
    if (event.target === textBox || textTask === null) return;
    if (settings.includes(event.target.id)) textSettings.add(event.target.id);
    else textTask = null;
  }, true);
  // A task pasted anywhere on the page but into a field is read in the box.
  document.addEventListener('paste', (event) => {
    if (event.target.closest && event.target.closest('input, textarea, select')) return;
    const text = event.clipboardData && event.clipboardData.getData('text');
    if (!text) return;
    event.preventDefault();
    textBox.value = text;
    readText(text);
  });

  // What the module read: under the box, and in the fields (where a field typed
  // in has not taken over).
  function showRead(task) {
    if (!task.read) return;
    setText(byId('text-read'), task.read.summary);
    const unread = byId('text-unread');
    setText(unread, task.read.message);
    if (unread.hidden !== (task.read.message === '')) unread.hidden = task.read.message === '';
    setData(unread, 'status', task.read.status === 'unread' ? 'invalid' : 'unread');
    askedKeys = task.read.asked.join(',');
    if (textTask === null || !task.read.solid) return;
    chooseSolid(task.read.solid);
    const values = new Map(task.read.givens.filter((given) => given.field).map((given) => [given.key, given]));
    const readFields = fieldsOf(task.read.solid);
    if (!readFields) return;
    for (const input of readFields.querySelectorAll('.q input')) {
      const given = values.get(input.id.slice(task.read.solid.length + 1));
      const value = given ? given.value : '';
      if (input.value !== value) input.value = value;
      setData(input.closest('.q'), 'from', given ? given.words : null);
    }
    openFilledUses(task.read.solid);
    for (const id of settings) if (byId(id).value !== task.settings[id]) byId(id).value = task.settings[id];
  }

  // π, √ and / go into the field last typed in, at its caret; the field keeps
  // the focus, and a phone its keyboard. The keys stand under that field, at
  // any width: on a phone in sight above its keyboard.
  let lastField = null;
  const keys = byId('keys');
  form.addEventListener('focusin', (event) => {
    if (!event.target.matches('.q input')) return;
    lastField = event.target;
    const row = lastField.closest('.q');
    if (keys.parentElement !== row && getComputedStyle(keys).display !== 'none') {
      row.append(keys);
      requestAnimationFrame(() => keys.scrollIntoView({ block: 'nearest' }));
    }
  });
  for (const key of form.querySelectorAll('.key')) {
    for (const type of ['pointerdown', 'mousedown']) key.addEventListener(type, (event) => event.preventDefault());
    key.addEventListener('click', () => {
      const shownFields = fieldsOf(chosenSolid());
      const field = lastField && shownFields && shownFields.contains(lastField) ? lastField
        : shownFields && shownFields.querySelector('input');
      if (!field) return;
      field.focus();
      field.setRangeText(key.dataset.insert, field.selectionStart, field.selectionEnd, 'end');
      field.dispatchEvent(new InputEvent('input', { bubbles: true, inputType: 'insertText', data: key.dataset.insert }));
    });
  }

  function cannotRun() {
    byId('solutions').removeAttribute('aria-busy');
    const message = byId('task-message');
    message.dataset.status = 'invalid';
    message.textContent = location.protocol === 'file:'
      ? 'Задачите се решават, когато страницата е отворена от уеб сървър или като инсталирано приложение, а не от папка.'
      : 'Този браузър не може да изпълни решаването на задачите. Отворете страницата в по-нов браузър.';
    message.hidden = false;
  }

  // The module's code, compiled here as it arrives (the page's head asks for
  // it while the page is still read) and sent to the worker, which is told at
  // once that it comes: the page and its worker download it once, and the
  // worker does not ask the server again. Where it cannot be compiled here,
  // the worker fetches it itself.
  let compiling = null;
  function compileModule() {
    compiling = fetch('solver.wasm').then((response) => {
      if (!response.ok) throw new Error('solver.wasm: ' + response.status);
      return WebAssembly.compileStreaming
        ? WebAssembly.compileStreaming(response)
        : response.arrayBuffer().then((bytes) => WebAssembly.compile(bytes));
    });
    const send = (module) => {
      if (!worker) return;
      try {
        worker.postMessage({ frame: 'module', module });
      } catch (error) {
        worker.postMessage({ frame: 'module', module: null });
      }
    };
    compiling.then(send, () => send(null));
  }

  // Where no worker starts, the page's module answers first.
  try {
    worker = new Worker('solver-worker.js');
    worker.onmessage = answered;
    worker.onerror = () => {
      worker = null;
      startModule(null);
    };
    worker.postMessage({ frame: 'module-follows' });
    compileModule();
    solve(true);
  } catch (error) {
    worker = null;
    solve(true);
    startModule(null);
  }

  // After the first visit the page works offline (sw.js keeps the whole site).
  if ('serviceWorker' in navigator) {
    addEventListener('load', () => navigator.serviceWorker.register('sw.js').catch(() => {}));
  }
})();
