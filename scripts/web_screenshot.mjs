// SPDX-License-Identifier: MIT
// Draws docs/web.png: the web edition as it opens in Chromium with a Bulgarian
// browser, the window at 100 %, for the README beside the desktop's window.png.
//   node scripts/web_screenshot.mjs SITE_DIR OUT.png     (scripts/web_screenshot.sh)
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

import { chromium } from 'playwright-core';

import { serve } from '../web/serve.mjs';

const [siteDir, out] = process.argv.slice(2);
const site = await serve(siteDir, 0);
const profile = mkdtempSync(join(tmpdir(), 'stereometry-chromium-'));
const context = await chromium.launchPersistentContext(profile, {
  executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking'],
  locale: 'bg-BG',
  viewport: { width: 508, height: 650 },
});
const page = context.pages()[0] || (await context.newPage());
await page.goto(site.url);
await page.waitForSelector('html[data-ready]');
await page.evaluate(() => document.fonts.ready);
await page.locator('#Form1').screenshot({ path: out });
await context.close();
rmSync(profile, { recursive: true, force: true });
await site.close();
console.log(out);
