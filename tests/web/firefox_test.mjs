// SPDX-License-Identifier: GPL-3.0-or-later
// The page in headless Firefox: the same scripts as in Chromium give the
// same 29 fields and messages as spulix-calc, in Chinese and in English,
// and the recommended core is spulix-calc's.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';

import {
  calcEnglishMessages, calcJson, launch, openPage, pageFields, runScript,
  sheetReady,
} from './browser.mjs';
import { scripts } from './scripts.mjs';

let browser;
before(async () => {
  browser = await launch('firefox');
});
after(async () => {
  await browser?.close();
});

for (const { name, script } of scripts) {
  test(`Firefox equals spulix-calc: ${name}`, async () => {
    const expected = calcJson([], script);
    const { page, requests, errors } = await openPage(browser);
    const messages = await runScript(page, script);
    assert.deepEqual(await pageFields(page), expected.fields);
    assert.deepEqual(messages, expected.messages);
    assert.deepEqual(requests, []);
    assert.deepEqual(errors, []);
    await page.close();
  });
}

test('Firefox in English, with the recommended core', async () => {
  const script = ['click Command9', 'set P2 ', 'type P2 x', 'type P2 250'];
  const { page } = await openPage(browser, '?lang=en');
  const messages = await runScript(page, script);
  assert.deepEqual(messages, calcEnglishMessages(script));
  await sheetReady(page);
  const core = calcJson(['--sheet'], script).sheet.recommended_core;
  assert.equal(await page.$eval('[data-role="recommended-core"]',
    (node) => node.textContent), `Recommended core: ${core}`);
  await page.close();
});
