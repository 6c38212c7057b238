// SPDX-License-Identifier: GPL-3.0-or-later
// The page around the engine: it builds the 29 fields from the engine's
// catalogue, hands every keystroke, double-click and button to the engine's
// WebDesign and shows what comes back, the messages one after the other in
// a modal dialog. After a button the winding sheet is recalculated at once;
// after a keystroke just after the fields are shown, so that typing never
// waits for the core search behind the recommended core.
'use strict';

(() => {
  const LANGUAGE_KEY = 'spulix-language';
  // The core in hand tries every whole watt: it waits for a pause in the
  // typing, as the desktop's does.
  const RATING_PAUSE_MS = 400;

  const $ = (selector, root = document) => root.querySelector(selector);
  const $$ = (selector, root = document) =>
    Array.from(root.querySelectorAll(selector));

  // What the tests and the curious can read: how long each action took.
  const page = {
    actionMs: [],
    sheetMs: [],
    ratingMs: [],
    engineReadyMs: null,
    fieldsReadyMs: null,
  };
  window.spulixPage = page;

  let design = null;
  let WebDesignClass = null;
  let texts = null;
  let language = 'zh';
  const inputs = new Map(); // control number -> <input>
  const messages = [];
  let sheetTimer = 0;
  let ratingTimer = 0;

  function chosenLanguage() {
    const asked = new URLSearchParams(window.location.search).get('lang');
    if (asked === 'en' || asked === 'zh') return asked;
    try {
      const kept = window.localStorage.getItem(LANGUAGE_KEY);
      if (kept === 'en' || kept === 'zh') return kept;
    } catch {
      // Storage may be refused (private windows, some file:// settings).
    }
    return 'zh';
  }

  function remember(chosen) {
    try {
      window.localStorage.setItem(LANGUAGE_KEY, chosen);
    } catch {
      // The choice then lasts for this visit only.
    }
  }

  function element(tag, attributes = {}, text = '') {
    const made = document.createElement(tag);
    for (const [name, value] of Object.entries(attributes)) {
      made.setAttribute(name, value);
    }
    if (text) made.textContent = text;
    return made;
  }

  // ---- Messages ----------------------------------------------------------

  function showNextMessage() {
    const dialog = $('[data-role="message"]');
    if (dialog.open || messages.length === 0) return;
    $('[data-role="message-text"]').textContent = messages.shift();
    dialog.showModal();
  }

  function say(list) {
    messages.push(...list);
    showNextMessage();
  }

  // ---- Fields ------------------------------------------------------------

  function fieldRow(container, info) {
    const number = Number(info.control.slice(4));
    const id = 'field-' + info.control;
    const label = element('label', { for: id });
    label.append(element('span', { class: 'caption' }),
      element('span', { class: 'symbol' }));
    const input = element('input', {
      id,
      type: 'text',
      class: info.role,
      'data-control': info.control,
      autocomplete: 'off',
      spellcheck: 'false',
      inputmode: 'decimal',
    });
    if (info.role === 'result') input.readOnly = true;
    container.append(label, input, element('span', { class: 'unit' }));
    inputs.set(number, input);

    input.addEventListener('input', (event) => {
      if (event.isComposing) return;
      act(() => design.type(number, input.value), true);
    });
    input.addEventListener('compositionend', () => {
      act(() => design.type(number, input.value), true);
    });
    // A text set from outside (a script, autofill) announces itself with a
    // change event alone; the engine ignores a text it already has.
    input.addEventListener('change', () => {
      act(() => design.type(number, input.value));
    });
    input.addEventListener('dblclick', () => {
      act(() => design.doubleClick(number));
    });
  }

  function buildFields() {
    const byNumber = new Map(texts.fields.map(
      (info) => [Number(info.control.slice(4)), info]));
    const order = texts.reading_order;
    const inputBox = $('[data-role="inputs"]');
    const resultBox = $('[data-role="results"]');
    for (const number of order.slice(0, texts.inputs)) {
      const info = byNumber.get(number);
      if (info.symbol === 'r1') {
        inputBox.append(element('div',
          { class: 'group', 'data-text': 'primary_insulation' }));
      } else if (info.symbol === 'r2') {
        inputBox.append(element('div',
          { class: 'group', 'data-text': 'secondary_insulation' }));
      }
      fieldRow(inputBox, info);
    }
    for (const number of order.slice(texts.inputs)) {
      fieldRow(resultBox, byNumber.get(number));
    }
  }

  function showTexts() {
    document.documentElement.lang = language === 'en' ? 'en' : 'zh-CN';
    for (const info of texts.fields) {
      const input = $(`[data-control="${info.control}"]`);
      const label = $(`label[for="${input.id}"]`);
      $('.caption', label).textContent = info.caption;
      $('.symbol', label).textContent = info.symbol;
      label.title = info.tip;
      input.title = info.tip;
      input.nextElementSibling.textContent = info.unit;
    }
    for (const node of $$('[data-text]')) {
      node.textContent = texts.texts[node.dataset.text] ?? '';
    }
    $('[data-role="add-secondary"]').title = texts.texts.add_tip;
    $('[data-role="use-rating"]').title = texts.texts.use_rating_tip;
    $('[data-role="stack"]').title = texts.texts.stack_tip;
    const rated = $('[data-role="rated-core"]');
    if (rated.options.length === 0) {
      rated.append(element('option', { value: '-1' }));
      texts.cores.forEach((name, index) => {
        rated.append(element('option', { value: String(index) }, name));
      });
    }
    rated.options[0].textContent = texts.texts.fields_core;
    $('[data-role="use-recommended"]').title = texts.texts.use_recommended_tip;
    document.title = texts.texts.title;
    const other = $('[data-role="language"]');
    other.textContent = language === 'en' ? '中文' : 'English';
    other.lang = language === 'en' ? 'zh-CN' : 'en';
    const steel = $('[data-role="steel"]');
    if (steel.options.length === 0) {
      for (const name of texts.steels) {
        steel.append(element('option', { value: name }, name));
      }
    }
  }

  // ---- The design's state ------------------------------------------------

  function showChoices(choices) {
    $('[data-role="enamel"]').value = String(choices.enamel_grade);
    $('[data-role="steel"]').value = choices.steel;
    $('[data-role="center-tap"]').checked = choices.center_tap;
    const stack = $('[data-role="stack"]');
    if (stack.value !== choices.stack_mm) stack.value = choices.stack_mm;
    if (JSON.stringify(typedExtras()) !== JSON.stringify(choices.extras)) {
      const body = $('[data-role="extras"] tbody');
      body.replaceChildren();
      for (const extra of choices.extras) addExtraRow(extra);
    }
  }

  function show(state) {
    for (const [number, input] of inputs) {
      const text = state.fields[number - 1];
      if (input.value !== text) input.value = text;
    }
    $('[data-role="status"]').textContent = state.status;
    const [c, a, h] = state.figures;
    $('[data-role="figure-c"]').textContent = c;
    $('[data-role="figure-a"]').textContent = a;
    $('[data-role="figure-h"]').textContent = h;
    showChoices(state.choices);
    say(state.messages);
  }

  // Runs one engine call and shows its outcome, then the sheet: at once
  // after a button, in the next task after a keystroke.
  function act(call, keystroke = false) {
    const start = performance.now();
    show(JSON.parse(call()));
    if (keystroke) {
      page.actionMs.push(performance.now() - start);
      scheduleSheet();
    } else {
      window.clearTimeout(sheetTimer);
      showSheet();
    }
  }

  // ---- The winding sheet -------------------------------------------------

  function scheduleSheet() {
    $('[data-role="sheet"]').dataset.state = 'pending';
    window.clearTimeout(sheetTimer);
    sheetTimer = window.setTimeout(showSheet, 0);
  }

  function fillTable(table, rows, headed) {
    table.replaceChildren();
    rows.forEach((row, index) => {
      const line = element('tr');
      row.forEach((cell, column) => {
        const header = (headed && index === 0) || column === 0;
        line.append(element(header ? 'th' : 'td', {}, cell));
      });
      table.append(line);
    });
  }

  function showSheet() {
    const start = performance.now();
    const sheet = JSON.parse(design.sheet());
    const recommended = $('[data-role="recommended-core"]');
    recommended.textContent = sheet.recommended.text;
    recommended.dataset.core = sheet.recommended.name ?? '';
    $('[data-role="use-recommended"]').disabled = !sheet.recommended.name;
    const error = $('[data-role="sheet-error"]');
    const body = $('[data-role="sheet-body"]');
    error.hidden = !sheet.error;
    body.hidden = Boolean(sheet.error);
    if (sheet.error) {
      error.textContent = sheet.error;
    } else {
      $('[data-role="sheet-title"]').textContent = sheet.title;
      fillTable($('[data-role="windings"]'), sheet.rows, true);
      const verdict = $('[data-role="verdict"]');
      verdict.textContent = sheet.verdict;
      verdict.dataset.fits = String(sheet.fits);
      fillTable($('[data-role="sheet-figures"]'), sheet.figures, false);
      fillTable($('[data-role="wires"]'), [[texts.texts.wire_size,
        texts.texts.length, texts.texts.mass], ...sheet.wires], true);
      $('[data-role="notes"]').replaceChildren(
        ...sheet.notes.map((note) => element('li', {}, note)));
    }
    page.sheetMs.push(performance.now() - start);
    $('[data-role="sheet"]').dataset.state = 'ready';
    scheduleRating();
  }

  // ---- The core in hand --------------------------------------------------

  function ratedCore() {
    return Number($('[data-role="rated-core"]').value);
  }

  function scheduleRating() {
    $('[data-role="rating"]').dataset.state = 'pending';
    window.clearTimeout(ratingTimer);
    ratingTimer = window.setTimeout(showRating, RATING_PAUSE_MS);
  }

  function showRating() {
    window.clearTimeout(ratingTimer);
    const start = performance.now();
    const rating = JSON.parse(design.rateCore(ratedCore()));
    const answer = $('[data-role="core-in-hand"]');
    answer.textContent = rating.answer;
    answer.dataset.fits = String(rating.fits);
    answer.dataset.p2 = rating.p2 ?? '';
    $('[data-role="use-rating"]').disabled = !rating.fits;
    page.ratingMs.push(performance.now() - start);
    $('[data-role="rating"]').dataset.state = 'ready';
  }

  // ---- The sheet's choices -----------------------------------------------

  function typedExtras() {
    return $$('[data-role="extras"] tbody tr').map((row) => ({
      U: $('[data-role="extra-u"]', row).value,
      I: $('[data-role="extra-i"]', row).value,
      center_tap: $('[data-role="extra-ct"]', row).checked,
    }));
  }

  function sendExtras() {
    act(() => design.setChoices(JSON.stringify({ extras: typedExtras() })));
  }

  function addExtraRow(extra) {
    const row = element('tr');
    const cell = (child) => {
      const td = element('td');
      td.append(child);
      row.append(td);
      return child;
    };
    const u = cell(element('input',
      { type: 'text', 'data-role': 'extra-u', inputmode: 'decimal' }));
    const i = cell(element('input',
      { type: 'text', 'data-role': 'extra-i', inputmode: 'decimal' }));
    const ct = cell(element('input',
      { type: 'checkbox', 'data-role': 'extra-ct' }));
    const remove = cell(element('button',
      { type: 'button', 'data-text': 'remove' }, texts.texts.remove));
    u.value = extra.U;
    i.value = extra.I;
    ct.checked = extra.center_tap;
    for (const input of [u, i]) input.addEventListener('input', sendExtras);
    ct.addEventListener('change', sendExtras);
    remove.addEventListener('click', () => {
      row.remove();
      sendExtras();
    });
    $('[data-role="extras"] tbody').append(row);
  }

  // ---- Files -------------------------------------------------------------

  async function openFile(file) {
    if (!file) return;
    let bytes = new Uint8Array(0);
    if (file.size <= WebDesignClass.maxFileBytes()) {
      bytes = new Uint8Array(await file.arrayBuffer());
    }
    act(() => design.open(file.name, file.size, bytes));
  }

  function saveFile() {
    const saved = JSON.parse(design.save());
    if (saved.messages) {
      say(saved.messages);
      return;
    }
    const blob = new Blob([saved.text], { type: 'application/json' });
    const link = element('a', { download: saved.file });
    link.href = URL.createObjectURL(blob);
    document.body.append(link);
    link.click();
    link.remove();
    window.setTimeout(() => URL.revokeObjectURL(link.href), 1000);
    $('[data-role="status"]').textContent =
      texts.texts.saved.replace('%1', saved.file);
  }

  // ---- Wiring ------------------------------------------------------------

  function setLanguage(chosen) {
    language = chosen;
    design.setLanguage(chosen);
    texts = JSON.parse(design.pageTexts());
  }

  function wire() {
    const dialog = $('[data-role="message"]');
    // The next message follows at once, as the desktop's next message box
    // does; Escape closes a message too, and the next follows its close.
    dialog.addEventListener('close', showNextMessage);
    $('button', dialog).addEventListener('click', (event) => {
      event.preventDefault();
      dialog.close();
      showNextMessage();
    });
    for (const button of $$('button[data-control]')) {
      button.addEventListener('click', () => {
        act(() => design.press(button.dataset.control));
      });
    }
    $('[data-role="use-recommended"]').addEventListener('click', () => {
      act(() => design.useRecommended());
    });
    $('[data-role="language"]').addEventListener('click', () => {
      setLanguage(language === 'en' ? 'zh' : 'en');
      remember(language);
      showTexts();
      act(() => design.state());
    });
    $('[data-role="rated-core"]').addEventListener('change', showRating);
    $('[data-role="use-rating"]').addEventListener('click', () => {
      act(() => design.useRating(ratedCore()));
    });
    $('[data-role="stack"]').addEventListener('input', (event) => {
      act(() => design.setChoices(JSON.stringify(
        { stack_mm: event.target.value })));
    });
    $('[data-role="enamel"]').addEventListener('change', (event) => {
      act(() => design.setChoices(JSON.stringify(
        { enamel_grade: Number(event.target.value) })));
    });
    $('[data-role="steel"]').addEventListener('change', (event) => {
      act(() => design.setChoices(JSON.stringify(
        { steel: event.target.value })));
    });
    $('[data-role="center-tap"]').addEventListener('change', (event) => {
      act(() => design.setChoices(JSON.stringify(
        { center_tap: event.target.checked })));
    });
    $('[data-role="add-secondary"]').addEventListener('click', () => {
      addExtraRow({ U: '', I: '', center_tap: false });
      sendExtras();
      $('[data-role="extras"] tbody tr:last-child input').focus();
    });
    const picker = $('[data-role="file"]');
    $('[data-role="open"]').addEventListener('click', () => picker.click());
    picker.addEventListener('change', () => {
      openFile(picker.files[0]);
      picker.value = '';
    });
    $('[data-role="save"]').addEventListener('click', saveFile);
    $('[data-role="print"]').addEventListener('click', () => window.print());
    document.addEventListener('dragover', (event) => {
      event.preventDefault();
      document.body.classList.add('dragging');
    });
    document.addEventListener('dragleave', () => {
      document.body.classList.remove('dragging');
    });
    document.addEventListener('drop', (event) => {
      event.preventDefault();
      document.body.classList.remove('dragging');
      openFile(event.dataTransfer.files[0]);
    });
  }

  createSpulixEngine().then((engine) => {
    WebDesignClass = engine.WebDesign;
    page.engineReadyMs = performance.now();
    design = new engine.WebDesign();
    setLanguage(chosenLanguage());
    buildFields();
    showTexts();
    wire();
    act(() => design.state());
    page.fieldsReadyMs = performance.now();
    page.refreshSheet = showSheet;
    page.refreshRating = showRating;
    document.body.dataset.ready = 'true';
  });
})();
