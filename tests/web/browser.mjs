// SPDX-License-Identifier: GPL-3.0-or-later
// What the page's tests share: Debian's Chromium driven headless through
// puppeteer-core, the built page opened from its file, spulix-calc run on
// the same script, and the actions of a script done as a user does them.
//
// A test exits 77 (skipped) when the page is not built, Chromium or the npm
// tools are missing, unless SPULIX_WEB_REQUIRED=1 (scripts/test), where
// that is a failure.
import { execFileSync } from 'node:child_process';
import { existsSync, mkdtempSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';

export const pagePath = process.env.SPULIX_PAGE ?? '';
export const calcPath = process.env.SPULIX_CALC ?? '';

export function skipUnless(condition, why) {
  if (condition) return;
  if (process.env.SPULIX_WEB_REQUIRED === '1') {
    console.error(`not possible: ${why}`);
    process.exit(1);
  }
  console.log(`skipped: ${why}`);
  process.exit(77);
}

const chromiumPaths = ['/usr/bin/chromium', '/usr/bin/chromium-browser'];

const firefoxPaths = ['/usr/bin/firefox-esr', '/usr/bin/firefox'];

// Chromium, or Firefox for browser = 'firefox' (through WebDriver BiDi).
export async function launch(browser = 'chrome') {
  skipUnless(pagePath && existsSync(pagePath),
    `no page at "${pagePath}" (scripts/build-web builds it)`);
  const paths = browser === 'firefox' ? firefoxPaths : chromiumPaths;
  const executable = paths.find((path) => existsSync(path));
  skipUnless(executable, `no ${browser} (scripts/install-deps web)`);
  let puppeteer;
  try {
    puppeteer = (await import('puppeteer-core')).default;
  } catch {
    skipUnless(false, 'no puppeteer-core (npm ci in tests/web)');
  }
  // No flags that change what a page may do; --no-sandbox only because the
  // tests may run as root, where Chromium's sandbox refuses to start.
  return puppeteer.launch({
    browser,
    executablePath: executable,
    headless: true,
    args: browser === 'chrome' && process.getuid?.() === 0 ?
      ['--no-sandbox'] : [],
  });
}

// Every request any page opened here made beyond its own file and its
// inlined data; the page must make none.
export const allForeignRequests = [];

// The same, for one page.
export function watchRequests(page) {
  const foreign = [];
  page.on('request', (request) => {
    const url = request.url();
    if (!url.startsWith('file:') && !url.startsWith('data:')) {
      foreign.push(url);
      allForeignRequests.push(url);
    }
  });
  return foreign;
}

export function pageUrl(query = '') {
  return pathToFileURL(pagePath).href + query;
}

// Opens the page and waits until its fields are there.
export async function openPage(browser, query = '', viewport = null) {
  const page = await browser.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  page.on('console', (message) => {
    if (message.type() === 'error') errors.push(message.text());
  });
  const requests = watchRequests(page);
  if (viewport) await page.setViewport(viewport);
  await page.goto(pageUrl(query));
  await page.waitForSelector('body[data-ready="true"]', { timeout: 5000 });
  return { page, errors, requests };
}

// ---- Scripts ---------------------------------------------------------------

// The fields a script may name besides Text1..Text29.
const symbols = {
  P2: 1, h: 5, c: 6, a: 7, U1: 10, U2: 11, d1: 16, d2: 17,
  r1: 26, f1: 27, f2: 28, r2: 29,
};

export function fieldSelector(name) {
  const number = symbols[name] ?? Number(/^Text(\d+)$/.exec(name)?.[1]);
  if (!number) throw new Error(`no field ${name}`);
  return `[data-control="Text${number}"]`;
}

// Reads the messages the page shows, one after the other, each closed with
// its 确定 button as a user would.
export async function dismissMessages(page, into) {
  for (;;) {
    const text = await page.evaluate(() => {
      const dialog = document.querySelector('dialog[data-role="message"]');
      return dialog.open ?
        dialog.querySelector('[data-role="message-text"]').textContent : null;
    });
    if (text === null) return;
    into.push(text);
    await page.click('dialog[data-role="message"] button');
  }
}

async function focusAtEnd(page, selector) {
  await page.focus(selector);
  await page.$eval(selector, (input) => {
    input.setSelectionRange(input.value.length, input.value.length);
  });
}

// Puts the text over the selection at once, as pasting it does. Chromium
// inserts it as typed text; Firefox's WebDriver sends one character at a
// time, so there the page gets the paste's one input event from here.
async function paste(page, selector, text) {
  try {
    await page.keyboard.sendCharacter(text);
  } catch {
    await page.$eval(selector, (input, pasted) => {
      input.setRangeText(pasted, input.selectionStart, input.selectionEnd,
        'end');
      input.dispatchEvent(new InputEvent('input',
        { inputType: 'insertFromPaste', data: pasted, bubbles: true }));
    }, text);
  }
}

// Does one script line in the page: set (a paste over the whole text), type
// (one keystroke per character), erase (Backspace), dblclick, click.
export async function runLine(page, line, messages) {
  const [verb, name, ...rest] = line.split(' ');
  const text = rest.join(' ');
  switch (verb) {
    case 'set': {
      const selector = fieldSelector(name);
      await page.focus(selector);
      await page.$eval(selector, (input) => input.select());
      if (text === '') {
        await page.keyboard.press('Backspace');
      } else {
        await paste(page, selector, text);
      }
      break;
    }
    case 'type':
      for (const character of text) {
        await focusAtEnd(page, fieldSelector(name));
        await page.keyboard.sendCharacter(character);
        await dismissMessages(page, messages);
      }
      break;
    case 'erase':
      for (let i = 0; i < Number(text); ++i) {
        await focusAtEnd(page, fieldSelector(name));
        await page.keyboard.press('Backspace');
        await dismissMessages(page, messages);
      }
      break;
    case 'dblclick':
      await page.click(fieldSelector(name), { count: 2 });
      break;
    case 'click':
      await page.click(`button[data-control="${name}"]`);
      break;
    default:
      throw new Error(`unknown script line ${line}`);
  }
  await dismissMessages(page, messages);
}

export async function runScript(page, script) {
  const messages = [];
  for (const line of script) await runLine(page, line, messages);
  return messages;
}

export async function pageFields(page) {
  return page.evaluate(() => {
    const fields = {};
    for (let n = 1; n <= 29; ++n) {
      fields[`Text${n}`] =
        document.querySelector(`[data-control="Text${n}"]`).value;
    }
    return fields;
  });
}

export async function sheetReady(page) {
  await page.waitForSelector('[data-role="sheet"][data-state="ready"]');
}

// ---- spulix-calc -----------------------------------------------------------

const scratch = mkdtempSync(join(tmpdir(), 'spulix-web-'));
export function scratchFile(name, content) {
  const path = join(scratch, name);
  if (content !== undefined) writeFileSync(path, content);
  return path;
}

export function calc(args, script = null) {
  skipUnless(calcPath && existsSync(calcPath),
    `no spulix-calc at "${calcPath}"`);
  const all = script ? [...args, '--script', '-'] : args;
  return execFileSync(calcPath, all, {
    input: script ? script.join('\n') + '\n' : '',
    encoding: 'utf8',
  });
}

export function calcJson(args, script = null) {
  return JSON.parse(calc(['--json', ...args], script));
}

// The "Message: ..." lines of spulix-calc's English output.
export function calcEnglishMessages(script) {
  const prefix = 'Message: ';
  return calc(['--lang', 'en'], script).split('\n')
    .filter((line) => line.startsWith(prefix))
    .map((line) => line.slice(prefix.length));
}
