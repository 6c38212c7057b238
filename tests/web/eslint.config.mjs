// SPDX-License-Identifier: GPL-3.0-or-later
// The linter's settings for the page's JavaScript (web/page.js) and its
// tests: ESLint's recommended rules and a few that keep the code plain.
import js from '@eslint/js';
import globals from 'globals';

const style = {
  'eqeqeq': 'error',
  'no-var': 'error',
  'prefer-const': 'error',
  'no-shadow': 'error',
  'no-implicit-globals': 'error',
  'curly': ['error', 'multi-line'],
  'max-len': ['error', { code: 80, ignoreUrls: true }],
  'semi': ['error', 'always'],
  'quotes': ['error', 'single', { avoidEscape: true }],
};

export default [
  js.configs.recommended,
  {
    files: ['web/**/*.js'],
    languageOptions: {
      sourceType: 'script',
      globals: { ...globals.browser, createSpulixEngine: 'readonly' },
    },
    rules: style,
  },
  {
    files: ['tests/web/**/*.mjs'],
    languageOptions: {
      sourceType: 'module',
      // The tests run in Node, and hand functions to the page to run there.
      globals: { ...globals.node, ...globals.browser },
    },
    rules: style,
  },
];
