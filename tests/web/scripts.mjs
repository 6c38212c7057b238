// SPDX-License-Identifier: GPL-3.0-or-later
// The scripts the page is run on in each browser, as spulix-calc runs them
// (set, type, erase, dblclick, click; spulix-calc --help).
export const scripts = [
  { name: 'the test button', script: ['click Command9'] },
  {
    name: 'typed numbers',
    script: ['type U1 220', 'type U2 24', 'type h 48', 'type c 16',
      'type a 32', 'type r1 0.17', 'type f1 0.05', 'type r2 0.05',
      'type f2 0.12', 'type P2 100'],
  },
  {
    name: 'junk in P2, then a number',
    script: ['click Command9', 'set P2 ', 'type P2 1x', 'type P2 80'],
  },
  {
    name: 'junk in U1 runs no calculation until P2 changes',
    script: ['click Command9', 'set U1 abc', 'type P2 0'],
  },
  {
    name: 'a double-click on d1 and d2',
    script: ['click Command9', 'set d1 0.9', 'dblclick d1', 'set d2 2.1',
      'dblclick d2'],
  },
  {
    name: 'keystrokes deleted',
    script: ['click Command9', 'erase P2 1', 'erase P2 2', 'type P2 6'],
  },
  { name: 'the core fit button', script: ['click Command9', 'click Command5'] },
  {
    name: 'the core fit button on a core too small',
    script: ['click Command9', 'set c 12', 'click Command5'],
  },
  { name: 'refresh with nothing typed', script: ['click Command2'] },
  { name: 'clear', script: ['click Command9', 'click Command3'] },
  { name: 'P2 beyond the tables', script: ['click Command9', 'set P2 2000'] },
  {
    name: 'a core typed in by hand',
    script: ['type U1 220', 'type U2 12', 'type h 66.6', 'type c 22.2',
      'type a 44.4', 'type P2 300', 'click Command5'],
  },
];
