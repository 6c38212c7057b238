// SPDX-License-Identifier: GPL-3.0-or-later
// The page in headless Chromium against spulix-calc: for each script of
// the table, the 29 fields and the messages the page shows equal what
// spulix-calc gives for the same script; the recommended core, its use,
// files and English follow the same law.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync, readdirSync, existsSync } from 'node:fs';
import { after, before, test } from 'node:test';

import {
  allForeignRequests, calc, calcEnglishMessages, calcJson, dismissMessages,
  fieldSelector, launch, openPage, pageFields, runScript, scratchFile,
  sheetReady,
} from './browser.mjs';
import { scripts } from './scripts.mjs';


let browser;
before(async () => {
  browser = await launch();
});
after(async () => {
  await browser?.close();
});

after(() => {
  console.log('requests beyond the page\'s own file, in all the tests: ' +
    `${allForeignRequests.length} ${allForeignRequests.join(' ')}`);
  assert.deepEqual(allForeignRequests, []);
});

// Runs a script on a fresh page.
async function pageRun(script, query = '') {
  const opened = await openPage(browser, query);
  const messages = await runScript(opened.page, script);
  const fields = await pageFields(opened.page);
  return { ...opened, messages, fields };
}

// The status line and the core diagram's figures, by spulix-calc's names.
function pageLabels(page) {
  return page.evaluate(() => {
    const text = (role) =>
      document.querySelector(`[data-role="${role}"]`).textContent;
    return {
      Label33: text('status'), Label66: text('figure-c'),
      Label67: text('figure-a'), Label68: text('figure-h'),
    };
  });
}

for (const { name, script } of scripts) {
  test(`the page equals spulix-calc: ${name}`, async () => {
    const expected = calcJson([], script);
    const { page, fields, messages, requests, errors } =
      await pageRun(script);
    assert.deepEqual(fields, expected.fields);
    assert.deepEqual(messages, expected.messages);
    assert.deepEqual(await pageLabels(page), expected.labels);
    assert.deepEqual(requests, []);
    assert.deepEqual(errors, []);
    await page.close();
  });
}

test('a message is a modal dialog with one 确定 button', async () => {
  const { page } = await openPage(browser);
  await page.click('button[data-control="Command2"]');
  const dialog = await page.evaluate(() => {
    const shown = document.querySelector('dialog[data-role="message"]');
    return {
      open: shown.open,
      modal: shown.matches(':modal'),
      buttons: Array.from(shown.querySelectorAll('button'))
        .map((button) => button.textContent),
    };
  });
  assert.deepEqual(dialog, { open: true, modal: true, buttons: ['确定'] });
  const shown = [];
  await dismissMessages(page, shown);
  assert.deepEqual(shown, calcJson([], ['click Command2']).messages);
  await page.close();
});

for (const language of ['zh', 'en']) {
  test(`captions, symbols and units are spulix-calc's (${language})`,
    async () => {
      const { page } = await openPage(browser, `?lang=${language}`);
      const rows = await page.evaluate(() => Array.from(
        document.querySelectorAll('input[data-control^="Text"]'),
        (input) => {
          const label = document.querySelector(`label[for="${input.id}"]`);
          return [input.dataset.control,
            label.querySelector('.symbol').textContent,
            label.querySelector('.caption').textContent,
            input.nextElementSibling.textContent];
        }));
      assert.equal(rows.length, 29);
      // spulix-calc's table: control, symbol, name, the text if any, unit.
      const table = calc(['--lang', language]).split('\n');
      for (const [control, symbol, caption, unit] of rows) {
        const line = table.find((row) => row.startsWith(control + ' '));
        assert.ok(line, `spulix-calc shows ${control}`);
        const cells = line.trim().split(/\s{2,}/);
        assert.ok(cells.length === 4 || cells.length === 5, line);
        assert.deepEqual([...cells.slice(0, 3), cells.at(-1)],
          [control, symbol, caption, unit]);
      }
      await page.close();
    });
}

test('the recommended core and its use equal spulix-calc', async () => {
  const script = ['click Command9'];
  const expected = calcJson(['--sheet', '--cores'], script);
  const core = expected.sheet.recommended_core;
  assert.ok(core, 'the sample design has a recommended core');
  const { page } = await pageRun(script);
  await sheetReady(page);
  const shown = await page.$eval('[data-role="recommended-core"]',
    (node) => node.textContent);
  assert.ok(shown.includes(core), `${shown} names ${core}`);
  assert.equal(shown, `推荐铁心：${core}`);

  await page.click('[data-role="use-recommended"]');
  const messages = [];
  await dismissMessages(page, messages);
  const { h, c, a } = expected.cores.find((entry) => entry.name === core);
  const used = calcJson([], [...script, `set h ${h}`, `set c ${c}`,
    `set a ${a}`, 'click Command2']);
  assert.deepEqual(await pageFields(page), used.fields);
  assert.deepEqual(messages, used.messages);
  await page.close();
});

test('the winding sheet equals spulix-calc\'s, choices included', async () => {
  const { page } = await pageRun(['click Command9']);
  await page.select('[data-role="enamel"]', '1');
  await page.select('[data-role="steel"]', '50W470');
  await page.click('[data-role="center-tap"]');
  await page.click('[data-role="add-secondary"]');
  await page.type('[data-role="extra-u"]', '6.3');
  await page.type('[data-role="extra-i"]', '2');
  await sheetReady(page);
  const title = await page.$eval('[data-role="sheet-title"]',
    (node) => node.textContent);
  const windings = await page.$$eval('[data-role="windings"] tr',
    (rows) => rows.map((row) => row.cells[0].textContent));
  const expected = calcJson(['--sheet', '--grade', '1', '--steel', '50W470',
    '--ct', '--secondary', '6.3,2'], ['click Command9']).sheet;
  assert.equal(expected.enamel_grade, 1);
  assert.ok(title.includes('50W470') && title.includes('一级'), title);
  const turns = await page.$$eval('[data-role="windings"] tr', (rows) =>
    rows.find((row) => row.cells[0].textContent === '匝数')
      .querySelectorAll('td').length);
  assert.equal(turns, expected.windings.length);
  assert.ok(windings.includes('匝数'));
  const text = calc(['--sheet', '--grade', '1', '--steel', '50W470', '--ct',
    '--secondary', '6.3,2'], ['click Command9']);
  const recommended = await page.$eval('[data-role="recommended-core"]',
    (node) => node.textContent);
  assert.ok(text.includes(recommended), `spulix-calc says ${recommended}`);
  await page.close();
});

test('English by ?lang=en: captions, buttons and messages', async () => {
  const script = ['click Command9', 'set P2 ', 'type P2 x'];
  const { page, messages } = await pageRun(script, '?lang=en');
  assert.deepEqual(messages, calcEnglishMessages(script));
  assert.equal(await page.$eval('html', (html) => html.lang), 'en');
  const test9 = await page.$eval('button[data-control="Command9"]',
    (button) => button.textContent);
  assert.equal(test9, 'Test');
  const captions = await page.$$eval('label .caption',
    (nodes) => nodes.map((node) => node.textContent));
  assert.equal(captions.length, 29);
  for (const caption of captions) {
    assert.doesNotMatch(caption, /[\u4e00-\u9fff]/, caption);
  }
  await page.close();
});

test('the language switch is remembered; ?lang= wins', async () => {
  const first = await openPage(browser);
  await first.page.evaluate(() => localStorage.clear());
  await first.page.reload();
  await first.page.waitForSelector('body[data-ready="true"]');
  const button = (page) => page.$eval('button[data-control="Command9"]',
    (node) => node.textContent);
  assert.equal(await button(first.page), '测试');
  await first.page.click('[data-role="language"]');
  assert.equal(await button(first.page), 'Test');
  await first.page.close();

  const again = await openPage(browser);
  assert.equal(await button(again.page), 'Test');
  await again.page.click('[data-role="language"]');
  assert.equal(await button(again.page), '测试');
  await again.page.close();

  const asked = await openPage(browser, '?lang=en');
  assert.equal(await button(asked.page), 'Test');
  await asked.page.close();
});

// ---- Files -----------------------------------------------------------------

async function openThroughPicker(page, path) {
  const [chooser] = await Promise.all([
    page.waitForFileChooser(),
    page.click('[data-role="open"]'),
  ]);
  await chooser.accept([path]);
}

test('a design saved by spulix-calc opens with the same fields', async () => {
  const saved = scratchFile('ei96.spulix');
  calc(['--save', saved, 'U1=220', 'U2=24', 'h=48', 'c=16', 'a=32', 'P2=100']);
  const expected = calcJson(['--design', saved]);
  const { page } = await openPage(browser);
  await openThroughPicker(page, saved);
  await page.waitForFunction((p2) =>
    document.querySelector('[data-control="Text1"]').value === p2, {},
  expected.fields.Text1);
  assert.deepEqual(await pageFields(page), expected.fields);
  await page.close();
});

test('a dropped design opens too', async () => {
  const saved = scratchFile('dropped.spulix');
  calc(['--save', saved, 'U1=220', 'U2=12', 'P2=300', 'h=66.6', 'c=22.2',
    'a=44.4']);
  const expected = calcJson(['--design', saved]);
  const { page } = await openPage(browser);
  await page.evaluate((text) => {
    const transfer = new DataTransfer();
    transfer.items.add(new File([text], 'dropped.spulix'));
    document.querySelector('main').dispatchEvent(
      new DragEvent('drop', { dataTransfer: transfer, bubbles: true }));
  }, readFileSync(saved, 'utf8'));
  await page.waitForFunction(() =>
    document.querySelector('[data-control="Text1"]').value === '300');
  assert.deepEqual(await pageFields(page), expected.fields);
  await page.close();
});

const badFiles = [
  { name: 'junk.spulix', content: 'not json', says: '文件内容不是有效的 JSON' },
  { name: 'empty.spulix', content: '', says: '文件是空的' },
  {
    name: 'other.spulix', content: '{"format": "something else"}',
    says: '这不是 Spulix 设计文件',
  },
  {
    name: 'big.spulix', content: ' '.repeat((1 << 20) + 1),
    says: '设计文件不能超过 1 MB',
  },
  {
    name: 'bad-utf8.spulix',
    content: Buffer.concat([Buffer.from('{"fields": "'), Buffer.from([0xff]),
      Buffer.from('"}')]),
    says: '无效的 UTF-8',
  },
];

for (const bad of badFiles) {
  test(`a bad file is refused and loses nothing: ${bad.name}`, async () => {
    const path = scratchFile(bad.name, bad.content);
    const { page } = await pageRun(['click Command9']);
    const fieldsBefore = await pageFields(page);
    await openThroughPicker(page, path);
    await page.waitForSelector('dialog[data-role="message"][open]');
    const messages = [];
    await dismissMessages(page, messages);
    assert.equal(messages.length, 1);
    assert.ok(messages[0].startsWith(`无法打开设计文件“${bad.name}”：`),
      messages[0]);
    assert.ok(messages[0].includes(bad.says), messages[0]);
    assert.deepEqual(await pageFields(page), fieldsBefore);
    await page.close();
  });
}

test('save downloads the design, which spulix-calc reads back', async () => {
  const folder = scratchFile('downloads');
  const { page } = await pageRun(['click Command9', 'set d1 0.9']);
  const session = await page.createCDPSession();
  await session.send('Page.setDownloadBehavior',
    { behavior: 'allow', downloadPath: folder });
  await page.click('[data-role="save"]');
  const name = '220V-36V-250W.spulix';
  const path = `${folder}/${name}`;
  for (let i = 0; i < 100 && !existsSync(path); ++i) {
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
  assert.deepEqual(readdirSync(folder), [name]);
  const reread = calcJson(['--design', path]);
  assert.deepEqual(reread.fields, await pageFields(page));
  const status = await page.$eval('[data-role="status"]',
    (node) => node.textContent);
  assert.equal(status, `已保存 ${name}`);
  await page.close();
});

test('print keeps the design and the sheet, on two pages', async () => {
  const { page } = await pageRun(['click Command9']);
  await sheetReady(page);
  await page.emulateMediaType('print');
  const shown = await page.evaluate(() => ({
    tools: getComputedStyle(document.querySelector('.tools')).display,
    fields: document.querySelector('.design').checkVisibility(),
    sheetBreak: getComputedStyle(document.querySelector('.sheet')).breakBefore,
  }));
  assert.deepEqual(shown, { tools: 'none', fields: true,
    sheetBreak: 'page' });
  const pdf = await page.pdf({ format: 'A4', preferCSSPageSize: true });
  const info = execFileSync('pdfinfo', ['-'], { input: pdf, encoding: 'utf8' });
  assert.match(info, /^Pages:\s+2$/m);
  assert.match(info, /^Page size:.*\(A4\)$/m);
  await page.close();
});

test('a phone\'s width puts everything in one column', async () => {
  const { page } = await openPage(browser, '', { width: 390, height: 844 });
  const layout = await page.evaluate(() => ({
    scrolls: document.documentElement.scrollWidth > window.innerWidth,
    columns: getComputedStyle(document.querySelector('main'))
      .gridTemplateColumns.split(' ').length,
  }));
  assert.deepEqual(layout, { scrolls: false, columns: 1 });
  await page.close();
});

test('the fields and buttons carry their control names', async () => {
  const { page } = await openPage(browser);
  for (const control of ['Command9', 'Command5', 'Command2', 'Command3']) {
    assert.ok(await page.$(`button[data-control="${control}"]`), control);
  }
  for (let n = 1; n <= 29; ++n) {
    assert.ok(await page.$(`input${fieldSelector(`Text${n}`)}`), `Text${n}`);
  }
  await page.close();
});

test('the sheet follows a button at once, a keystroke in the next task',
  async () => {
    const { page } = await openPage(browser);
    await page.click('button[data-control="Command9"]');
    const core = calcJson(['--sheet'], ['click Command9'])
      .sheet.recommended_core;
    const now = await page.evaluate(() => [
      document.querySelector('[data-role="sheet"]').dataset.state,
      document.querySelector('[data-role="recommended-core"]').textContent,
    ]);
    assert.deepEqual(now, ['ready', `推荐铁心：${core}`]);
    const afterKeystroke = await page.evaluate(() => new Promise((resolve) => {
      const p2 = document.querySelector('[data-control="Text1"]');
      p2.value = '100';
      p2.dispatchEvent(new InputEvent('input', { bubbles: true }));
      const sheet = document.querySelector('[data-role="sheet"]');
      const during = sheet.dataset.state;
      setTimeout(() => resolve([during, sheet.dataset.state]), 0);
    }));
    assert.deepEqual(afterKeystroke, ['pending', 'ready']);
    await page.close();
  });

test('an extra secondary being typed survives other actions', async () => {
  const { page } = await pageRun(['click Command9']);
  await page.click('[data-role="add-secondary"]');
  await runScript(page, ['erase P2 1', 'click Command5']);
  const rows = await page.$$eval('[data-role="extras"] tbody tr',
    (found) => found.length);
  assert.equal(rows, 1);
  await page.close();
});

test('a text set from outside counts once it announces a change',
  async () => {
    const { page } = await openPage(browser);
    await page.click('button[data-control="Command9"]');
    await page.$eval('[data-control="Text1"]', (input) => {
      input.value = '100';
      input.dispatchEvent(new Event('change', { bubbles: true }));
    });
    const expected = calcJson([], ['click Command9', 'set P2 100']);
    assert.deepEqual(await pageFields(page), expected.fields);
    await page.close();
  });

test('the core in hand on a stack as built equals spulix-calc --rate',
  async () => {
    const script = ['click Command9'];
    const expected = calcJson(['--rate', '40'], script);
    assert.ok(expected.rating.p2_w, 'the sample core builds on 40 mm');
    const { page } = await pageRun(script);
    await page.type('[data-role="stack"]', '40');
    await page.waitForSelector('[data-role="rating"][data-state="ready"]');
    const answer = await page.$eval('[data-role="core-in-hand"]',
      (node) => [node.dataset.p2, node.textContent]);
    assert.deepEqual(answer, [String(expected.rating.p2_w),
      `最大输出功率 ${expected.rating.p2_w} 瓦（实际迭厚 40 毫米）`]);
    await page.click('[data-role="use-rating"]');
    await dismissMessages(page, []);
    assert.deepEqual(await pageFields(page), expected.fields);
    await page.close();
  });
