// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the README's pictures of the page in headless Chromium after the
// test button: on a desktop's screen and on a phone's.
//
//   SPULIX_PAGE=build-web/spulix.html node tests/web/screenshot.mjs \
//     docs/web-page.png docs/web-page-phone.png [zh|en] [zh|en]
import { launch, openPage, sheetReady } from './browser.mjs';

const [desktopPath, phonePath, desktopLanguage = 'zh', phoneLanguage = 'zh'] =
  process.argv.slice(2);
if (!desktopPath || !phonePath) {
  console.error('usage: screenshot.mjs DESKTOP.png PHONE.png [LANG] [LANG]');
  process.exit(2);
}

const shots = [
  { path: desktopPath, language: desktopLanguage, fullPage: true,
    viewport: { width: 1280, height: 900 } },
  { path: phonePath, language: phoneLanguage, fullPage: false,
    viewport: { width: 390, height: 844, deviceScaleFactor: 2,
      isMobile: true, hasTouch: true } },
];

const browser = await launch();
for (const shot of shots) {
  const { page } = await openPage(browser, `?lang=${shot.language}`,
    shot.viewport);
  await page.click('button[data-control="Command9"]');
  await sheetReady(page);
  await page.waitForSelector('[data-role="rating"][data-state="ready"]');
  await page.screenshot({ path: shot.path, fullPage: shot.fullPage });
  console.log(shot.path);
  await page.close();
}
await browser.close();
