// SPDX-License-Identifier: GPL-3.0-or-later
// The page's JavaScript and these tests pass ESLint with the settings of
// eslint.config.mjs beside this file; a lint error fails the test.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

import { skipUnless } from './browser.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const root = join(here, '..', '..');

let ESLint;
try {
  ({ ESLint } = await import('eslint'));
} catch {
  skipUnless(false, 'no eslint (npm ci in tests/web)');
}

test('ESLint finds nothing in the page\'s JavaScript and its tests',
  async () => {
    const eslint = new ESLint({
      cwd: root,
      overrideConfigFile: join(here, 'eslint.config.mjs'),
    });
    const results = await eslint.lintFiles(['web/**/*.js', 'tests/web/*.mjs']);
    const files = results.map((result) => result.filePath);
    assert.ok(files.some((file) => file.endsWith('web/page.js')), files);
    const problems = results.flatMap((result) => result.messages.map(
      (message) => `${result.filePath}:${message.line}:${message.column} ` +
        `${message.message} (${message.ruleId})`));
    assert.deepEqual(problems, []);
  });
