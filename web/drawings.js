// SPDX-License-Identifier: MIT
// The drawings under a solution, on both pages (web/drawing_block.h): puts the
// figure and the net that the solver's module wrote (web/task_drawings.h)
// into their block, each only where it changed, the net only while it is
// shown (a page may leave it out until then, and is asked for it when its
// disclosure opens); „Печат на развивката“ prints the net alone. Nothing is
// drawn here.
//
// The site build puts this file before the page's own script.
'use strict';
const drawings = (function () {
  const setSvg = (element, svg) => {
    if (element.svgText === svg) return;
    element.innerHTML = svg;
    element.svgText = svg;
  };

  // The net, written while its disclosure is open (asked for where it was
  // left out, once the disclosure opens).
  function showNet(block, opened) {
    const details = block.querySelector('.net');
    const net = block.net;
    if (!details.open) return;
    if (!net) {
      if (opened && block.askForNet) block.askForNet();
      return;
    }
    const message = block.querySelector('.net-message');
    if (message.textContent !== net.message) message.textContent = net.message;
    message.hidden = net.message === '';
    const sheet = block.querySelector('.net-sheet');
    setSvg(sheet, net.svg);
    sheet.toggleAttribute('data-landscape', net.landscape);
  }

  function printNet(block) {
    const sheet = block.querySelector('.net-sheet');
    const root = document.documentElement;
    for (const other of document.querySelectorAll('.net-sheet.printing')) other.classList.remove('printing');
    sheet.classList.add('printing');
    root.dataset.printing = 'net';
    addEventListener('afterprint', () => {
      delete root.dataset.printing;
      sheet.classList.remove('printing');
    }, { once: true });
    print();
  }

  // A block's controls, bound once.
  function bind(block) {
    if (block.bound) return;
    block.bound = true;
    block.querySelector('.net').addEventListener('toggle', () => showNet(block, true));
    block.querySelector('.print-net').addEventListener('click', () => printNet(block));
  }

  return {
    // A solution's figure and net ({figure, net}, as the module writes them;
    // without the net, `askForNet` is called once it is to be shown).
    show(block, solution, askForNet) {
      bind(block);
      setSvg(block.querySelector('.figure'), solution.figure);
      block.net = solution.net || null;
      block.askForNet = askForNet;
      showNet(block, false);
    },
  };
})();
