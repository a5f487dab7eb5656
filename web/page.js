// SPDX-License-Identifier: MIT
// The calculator's page: gives the core (core.js, the desktop's C++ handlers
// compiled to WebAssembly) its field store and window services, and binds the
// inputs and buttons that the page generator wrote. Nothing is calculated,
// converted or checked here: every press goes to the core's press().
//
// The site build appends this file to core.js (the core's loader with its
// module inside) and the page generator puts the two at the end of the page,
// after the controls: the core is ready as soon as the page is parsed.
'use strict';
(function () {
  const byId = (id) => document.getElementById(id);

  // The browser language's decimal separator: a comma for bg or de, a point for en.
  function decimalSeparator() {
    try {
      const part = new Intl.NumberFormat(navigator.language)
        .formatToParts(0.5)
        .find((p) => p.type === 'decimal');
      if (part && part.value) return part.value;
    } catch (e) {
      // An unknown language: the point.
    }
    return '.';
  }

  const measuring = document.createElement('canvas').getContext('2d');

  // What presses asked of the window, done once each press has returned: the
  // message boxes one after another, then the focus or the closing.
  const pending = [];

  // The field store and window services, as the core calls them.
  let separator = null;
  const page = {
    // Asked for at the first press: the language data need not load before.
    get decimalSeparator() {
      if (separator === null) separator = decimalSeparator();
      return separator;
    },
    fieldText: (name) => byId(name).value,
    // A handler writes a field: its text shows from the first character.
    showFieldText(name, text) {
      const field = byId(name);
      field.value = text;
      if (document.activeElement === field) field.setSelectionRange(0, 0);
      field.scrollLeft = 0;
    },
    // Whether a text fits a field, measured at the field's font: the room
    // between its paddings.
    textFits(name, text) {
      const field = byId(name);
      const style = getComputedStyle(field);
      measuring.font = style.font;
      const room = field.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
      return measuring.measureText(text).width <= room;
    },
    // A result field too narrow for its text shows `text` instead while it has
    // no focus; its value, what is copied and read out, stays the whole text,
    // which hovering shows.
    showRounded(name, text) {
      const field = byId(name);
      field.nextElementSibling.textContent = text;
      field.classList.toggle('rounded', text !== '');
      if (text !== '') field.title = field.value;
      else field.removeAttribute('title');
    },
    // How each result of the panel in "Frame<n>" was found, one line each; "" after its clear.
    // A zero-width space marks where the core lets a line wrap: each piece
    // between two is kept on one line (page_style.cpp), an empty <wbr> between
    // them, so that nothing of the marks is copied.
    showSolution(frame, text) {
      const solution = byId('Solution' + frame.slice('Frame'.length));
      solution.textContent = '';
      for (const line of text ? text.split('\n') : []) {
        if (solution.firstChild) solution.append('\n');
        line.split('\u200b').forEach((piece, i) => {
          if (i > 0) solution.append(document.createElement('wbr'));
          const kept = document.createElement('span');
          kept.textContent = piece;
          solution.append(kept);
        });
      }
    },
    // „Реши като задача“: the problems page with the panel's inputs; hidden after its clear.
    offerTask(frame, address) {
      const link = byId('Task' + frame.slice('Frame'.length));
      link.href = 'zadachi.html?' + address;
      link.hidden = address === '';
      drawTask(frame, address);
    },
    announce(text) {
      const region = byId('Announcement');
      region.textContent = '';
      setTimeout(() => (region.textContent = text), 50); // a change a screen reader reads out
    },
    showMessage(title, prompt) {
      pending.push({ title, prompt, icon: 'information' });
    },
    reportError(title, prompt, field) {
      pending.push({ title, prompt, icon: 'warning', field });
    },
    closeWindow() {
      pending.push({ close: true });
    },
    refuseEdit(title, prompt, field) {
      pending.push({ title, prompt, icon: 'warning', field, keepSelection: true });
    },
  };

  // The figure of a panel's solid under its solution, as the problems page
  // draws the panel's task: asked of the solver in a worker of its own
  // (solver-worker.js), started at the first solution shown. The last task
  // asked for each panel is the one drawn.
  let solverWorker = null;
  const drawnTasks = new Map();
  // While it is being drawn the block is busy (aria-busy), for screen readers
  // and for whoever waits for the panel to settle.
  function drawTask(frame, address) {
    const block = byId('Drawings' + frame.slice('Frame'.length));
    drawnTasks.set(frame, address);
    block.removeAttribute('aria-busy');
    if (address === '') {
      block.hidden = true;
      return;
    }
    if (!solverWorker) {
      try {
        solverWorker = new Worker('solver-worker.js');
      } catch (error) {
        return; // opened from a folder: the solution stands without its figure
      }
      solverWorker.onmessage = ({ data }) => {
        if (drawnTasks.get(data.frame) !== data.address) return;
        const task = data.task ? JSON.parse(data.task) : null;
        const shown = byId('Drawings' + data.frame.slice('Frame'.length));
        const solution = task && task.status === 'solved' ? task.solutions[0] : null;
        if (solution) drawings.show(shown, solution);
        shown.hidden = !solution;
        shown.removeAttribute('aria-busy');
      };
      solverWorker.onerror = () => {
        for (const busy of document.querySelectorAll('.drawings[aria-busy]')) busy.removeAttribute('aria-busy');
      };
    }
    block.setAttribute('aria-busy', 'true');
    solverWorker.postMessage({ frame, address });
  }

  let showing = false;

  // The next message box, once the one before it is dismissed (OK, Enter or Escape).
  function showPending() {
    if (showing) return;
    const next = pending.shift();
    if (!next) return;
    if (next.close) {
      closeWindow();
      showPending();
      return;
    }
    showing = true;
    const dialog = byId('Message');
    byId('MessageTitle').textContent = next.title;
    byId('MessageText').textContent = next.prompt;
    dialog.className = next.icon;
    dialog.addEventListener(
      'close',
      () => {
        showing = false;
        // After an error the field to correct takes the focus, its text
        // selected; after a refused edit the field is as it was.
        if (next.field) {
          const field = byId(next.field);
          field.focus();
          if (!next.keepSelection) field.select();
        }
        showPending();
      },
      { once: true },
    );
    dialog.showModal();
  }

  // "затвори": an installed app's window closes; a browser tab cannot be closed
  // by its page, and says so.
  function closeWindow() {
    const installed = ['standalone', 'minimal-ui', 'fullscreen', 'window-controls-overlay'].some(
      (mode) => matchMedia('(display-mode: ' + mode + ')').matches,
    );
    if (installed) {
      window.close();
      if (window.closed) return;
    }
    pending.unshift({
      title: document.title,
      prompt: 'Браузърът не позволява на страницата да затвори своя раздел. Затворете го от браузъра.',
      icon: 'information',
    });
  }

  let core = null;
  let bound = false;
  const early = []; // presses made before the core was ready, run once it is

  // A panel that holds something is printed (data-filled on its card).
  function markFilled() {
    for (const card of document.querySelectorAll('#Form1 .ps')) {
      const filled = Array.from(card.querySelectorAll('input')).some((field) => field.value !== '');
      card.toggleAttribute('data-filled', filled);
    }
  }

  function press(number) {
    if (!core) {
      early.push(number);
      return;
    }
    core._pressButton(number);
    markFilled();
    showPending();
  }

  // Both done: the core is there and the page is bound.
  function readyWhenBoth() {
    if (!core || !bound) return;
    performance.mark('core-ready');
    document.documentElement.dataset.ready = '';
    for (const number of early.splice(0)) press(number);
  }

  function cannotRun() {
    pending.push({
      title: document.title,
      prompt: 'Този браузър не може да изпълни калкулатора. Отворете страницата в по-нов браузър.',
      icon: 'warning',
    });
    if (bound) showPending();
  }

  // The core is built as this script runs; a browser without WebAssembly
  // throws here.
  let built;
  try {
    built = createCore({ page });
  } catch (error) {
    built = Promise.reject(error);
  }
  Promise.resolve(built)
    .then((module) => {
      core = module;
      readyWhenBoth();
    })
    .catch(cannotRun);

  function bindPage() {
    for (const button of document.querySelectorAll('#Form1 button[id^="Command"]')) {
      const number = Number(button.id.slice('Command'.length));
      button.addEventListener('click', () => press(number));
    }

    // The keypad's decimal key types the separator in use, whatever the layout sends.
    document.addEventListener('keydown', (event) => {
      const field = event.target;
      if (
        event.code === 'NumpadDecimal' &&
        (event.key === '.' || event.key === ',') &&
        !event.ctrlKey && !event.altKey && !event.metaKey &&
        field instanceof HTMLInputElement && field.classList.contains('t')
      ) {
        event.preventDefault();
        const typed = page.decimalSeparator;
        field.setRangeText(typed, field.selectionStart, field.selectionEnd, 'end');
        field.dispatchEvent(new InputEvent('input', { bubbles: true, inputType: 'insertText', data: typed }));
      }
    });

    // An edit that would make a field longer than it takes is refused whole,
    // before the browser lays out the text: the core says whether and why.
    document.addEventListener('beforeinput', (event) => {
      const field = event.target;
      if (!core || !(field instanceof HTMLInputElement) || !field.classList.contains('t')) return;
      const incoming = event.data ?? (event.dataTransfer ? event.dataTransfer.getData('text/plain') : '');
      const length = field.value.length - (field.selectionEnd - field.selectionStart) + incoming.length;
      if (core._refuseLongText(Number(field.id.slice('Text'.length)), length)) {
        event.preventDefault();
        showPending();
      }
    });

    // Where the window is shown, Tab and Shift+Tab follow the window's tab
    // order, then go on to what follows the window on the page and to the
    // browser; on a phone they follow the page as it reads.
    const form = byId('Form1');
    const windowShown = matchMedia(form.dataset.windowLayout);
    // „Реши като задача“ of each panel comes after the window, where it is shown.
    const afterWindow = Array.from(document.querySelectorAll('#Form1 .task, body > :not(main):not(dialog) :is(a[href], button, input)'));
    const order = form.dataset.tabOrder.split(' ').map(byId).concat(afterWindow);
    document.addEventListener('keydown', (event) => {
      if (event.key !== 'Tab' || event.altKey || event.ctrlKey || event.metaKey || byId('Message').open) return;
      if (!windowShown.matches) return;
      const at = order.indexOf(document.activeElement);
      const step = event.shiftKey ? -1 : 1;
      let next = at < 0 ? null : order[at + step];
      while (next && next.hidden) next = order[order.indexOf(next) + step];
      if (!next) return;
      event.preventDefault();
      next.focus();
      if (next instanceof HTMLInputElement) next.select(); // as Tab into a field does
    });

    // On the page for fingers, the keyboard's Enter goes to the panel's next
    // input ("next") and on its last presses "пресметни", the button after the
    // inputs ("go"). In the window it presses nothing, as on the desktop.
    document.addEventListener('keydown', (event) => {
      const field = event.target;
      const hint = field instanceof HTMLInputElement ? field.enterKeyHint : '';
      if (event.key !== 'Enter' || !hint || windowShown.matches || event.isComposing) return;
      event.preventDefault();
      const panel = field.closest('section');
      const inputs = Array.from(panel.querySelectorAll('input[enterkeyhint]'));
      if (hint === 'next') {
        const next = inputs[inputs.indexOf(field) + 1];
        next.focus();
        next.select();
      } else {
        const last = inputs[inputs.length - 1];
        const calculate = Array.from(panel.querySelectorAll('button')).find(
          (button) => last.compareDocumentPosition(button) & Node.DOCUMENT_POSITION_FOLLOWING,
        );
        calculate.focus();
        calculate.click();
      }
    });

    // Enter dismisses a message box wherever its focus is, as OK and Escape do.
    byId('Message').addEventListener('keydown', (event) => {
      if (event.key !== 'Enter') return;
      event.preventDefault();
      byId('Message').close();
    });

    document.addEventListener('input', markFilled);
    // A task's text pasted into the calculator (words, never a number) opens
    // the problems page with it, where the solver's reader reads it.
    document.addEventListener('paste', (event) => {
      const text = event.clipboardData ? event.clipboardData.getData('text') : '';
      if ((text.match(/\p{L}{2,}/gu) || []).length < 3) return;
      event.preventDefault();
      location.href = 'zadachi.html?text=' + encodeURIComponent(text);
    });
    // A printout says the day it was made.
    const printed = byId('Printed');
    const dateToday = () => {
      printed.textContent = new Date().toLocaleDateString('bg-BG', { day: 'numeric', month: 'long', year: 'numeric' });
    };
    dateToday();
    addEventListener('beforeprint', dateToday);

    // A result field the student types into shows what it holds, rounded if need be.
    const results = Array.from(document.querySelectorAll('#Form1 input.r'));
    const showRounded = (field) => core && core._showRounded(Number(field.id.slice('Text'.length)));
    for (const field of results) field.addEventListener('input', () => showRounded(field));
    // Widths measured before the page's own font came, or in the other
    // layout, are measured again.
    if (document.fonts) document.fonts.ready.then(() => results.forEach(showRounded));
    windowShown.addEventListener('change', () => results.forEach(showRounded));

    bound = true;
    readyWhenBoth();
    showPending(); // a message from before, if the core could not start
  }

  // At the page's end, the controls are all there already.
  if (byId('Message')) bindPage();
  else document.addEventListener('DOMContentLoaded', bindPage);

  // After the first visit the page works offline (sw.js keeps the whole site).
  if ('serviceWorker' in navigator) {
    addEventListener('load', () => navigator.serviceWorker.register('sw.js').catch(() => {}));
  }
})();
