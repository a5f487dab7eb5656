// SPDX-License-Identifier: MIT
// Lighthouse's audits of the web edition's pages, the calculator, the
// problems page with a task solved and the worksheet page with a sheet of ten
// tasks and their figures (a benchmark, not a test). The built site
// is served by web/serve.mjs in a process of its own, on a free local
// port, each of its files asked for once first, so that no run waits for the
// server to compress a file. Lighthouse's command line then loads the page in
// headless Chromium (CHROME_PATH), RUNS times per page and preset:
//
//   mobile   Lighthouse's default: a mid-range phone, slow 4G and a processor
//            4 times slower, both simulated;
//   desktop  --preset=desktop.
//
// Per page and preset it prints the medians of the four category scores (0 to 100, as
// Lighthouse shows them) and each run's, the medians of the main metrics, and
// the audits that failed (a score under 0.9, Lighthouse's own mark for a pass)
// or could not run, with the number of runs in which they did. A run that ends
// in an error is tried again, twice at most. The JSON reports are kept.
//
// With Debian's Chromium 156, Lighthouse 12.2.3's trace engine fails on a few
// diagnostics ("reading 'frame_sequence'"), which then show as audits that
// could not run. They weigh nothing in the scores.
//
//   node bench/lighthouse.mjs SITE_DIR LIGHTHOUSE_CLI REPORT_DIR [RUNS]   (bench/lighthouse.sh)
//
// PAGE names another page of the site to audit (PAGE=guide.html); by default
// the calculator's, the problems page with a task solved and the worksheet page.
import { execFile, fork } from 'node:child_process';
import { mkdirSync, readdirSync, readFileSync } from 'node:fs';
import { loadavg } from 'node:os';
import { join, relative } from 'node:path';
import { fileURLToPath } from 'node:url';

const [siteDir, lighthouseCli, reportDir, runsArgument] = process.argv.slice(2);
if (!siteDir || !lighthouseCli || !reportDir) {
  console.error('usage: node bench/lighthouse.mjs SITE_DIR LIGHTHOUSE_CLI REPORT_DIR [RUNS]');
  process.exit(2);
}
const runs = Number(runsArgument || 3);
const pageName = process.env.PAGE || '';

// The calculator's page, the problems page with a task solved and a sheet, or PAGE.
const pages = pageName ? [{ name: pageName.replace(/\.html$/, ''), path: pageName }] : [
  { name: 'calculator', path: '' },
  { name: 'problems', path: 'zadachi.html?solid=cone&r=3&h=4&pi=exact&digits=2' },
  { name: 'sheet', path: 'listove.html?number=4711&variant=A&count=10&kind=mixed&numbers=whole&pi=exact&unit=cm&figures=on&key=off' },
];
const presets = [
  { name: 'mobile', flags: [] },
  { name: 'desktop', flags: ['--preset=desktop'] },
];
const chromeFlags = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];
const categories = [
  ['performance', 'performance'],
  ['accessibility', 'accessibility'],
  ['best-practices', 'best practices'],
  ['seo', 'SEO'],
];
const metrics = [
  ['first-contentful-paint', 'first contentful paint'],
  ['largest-contentful-paint', 'largest contentful paint'],
  ['total-blocking-time', 'total blocking time'],
  ['cumulative-layout-shift', 'cumulative layout shift'],
  ['speed-index', 'speed index'],
];
const passMark = 0.9;
const attempts = 3;
const runTimeoutMs = 240000;

// The server, as in bench/web_bench.mjs: a process of its own, so that this
// process's work does not delay its answers.
function serve(dir) {
  const child = fork(fileURLToPath(new URL('../web/serve.mjs', import.meta.url)), [dir], {
    env: { ...process.env, PORT: '0' },
    stdio: ['ignore', 'ignore', 'inherit', 'ipc'],
  });
  return new Promise((done) => child.once('message', done)).then(({ url }) => ({
    url,
    close: () => new Promise((closed) => {
      child.once('exit', closed);
      child.kill();
    }),
  }));
}

function siteFiles(dir) {
  return readdirSync(dir, { recursive: true, withFileTypes: true })
    .filter((entry) => entry.isFile())
    .map((entry) => relative(dir, join(entry.parentPath ?? entry.path, entry.name)));
}

// Every file once, compressed as a browser asks for it.
async function warmUp(url) {
  for (const file of ['', ...siteFiles(siteDir)]) {
    const response = await fetch(new URL(file, url), { headers: { 'Accept-Encoding': 'br, gzip' } });
    await response.arrayBuffer();
  }
}

// One Lighthouse run; resolves to its report, or to the reason it failed.
function lighthouse(url, preset, reportPath) {
  const args = [lighthouseCli, url, ...preset.flags, '--output=json', `--output-path=${reportPath}`, '--quiet',
    `--chrome-flags=${chromeFlags.join(' ')}`];
  // SIGINT: Lighthouse then closes the Chromium it started.
  const options = { timeout: runTimeoutMs, killSignal: 'SIGINT', maxBuffer: 1 << 24 };
  return new Promise((done) => {
    execFile(process.execPath, args, options, (error, stdout, stderr) => {
      if (error) return done({ failure: `${error.killed ? 'timed out' : `exit ${error.code}`}: ${stderr.trim().slice(-500)}` });
      const report = JSON.parse(readFileSync(reportPath, 'utf8'));
      if (report.runtimeError) return done({ failure: `${report.runtimeError.code}: ${report.runtimeError.message}` });
      const missing = categories.filter(([id]) => typeof report.categories[id]?.score !== 'number');
      if (missing.length) return done({ failure: `no score for ${missing.map(([id]) => id).join(', ')}` });
      done({ report });
    });
  });
}

async function reliableRun(url, page, preset, index) {
  let failure;
  for (let attempt = 1; attempt <= attempts; attempt += 1) {
    const result = await lighthouse(url, preset, join(reportDir, `${page.name}-${preset.name}-${index}.json`));
    if (result.report) return result.report;
    failure = result.failure;
    console.error(`  ${page.name}, ${preset.name} run ${index}, attempt ${attempt}: ${failure}`);
  }
  throw new Error(`${page.name}, ${preset.name} run ${index} failed ${attempts} times: ${failure}`);
}

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = (sorted.length - 1) / 2;
  return (sorted[Math.floor(middle)] + sorted[Math.ceil(middle)]) / 2;
};
const score = (value) => Math.round(value * 100);
const metricText = (id, value) => {
  if (id === 'cumulative-layout-shift') return value.toFixed(3);
  return value >= 1000 ? `${(value / 1000).toFixed(2)} s` : `${Math.round(value)} ms`;
};

// The audits that Lighthouse's own report shows (some it keeps hidden).
function shownAudits(report) {
  const refs = Object.values(report.categories).flatMap((category) => category.auditRefs);
  return new Set(refs.filter((ref) => ref.group !== 'hidden').map((ref) => ref.id));
}

// Shown audits by id, with their title and the runs in which each was found.
function auditsWhere(reports, condition, describe) {
  const found = new Map();
  for (const report of reports) {
    const shown = shownAudits(report);
    for (const audit of Object.values(report.audits)) {
      if (!shown.has(audit.id) || !condition(audit)) continue;
      const entry = found.get(audit.id) ?? { title: audit.title, details: new Set(), runs: 0 };
      entry.runs += 1;
      const detail = describe(audit);
      if (detail) entry.details.add(detail);
      found.set(audit.id, entry);
    }
  }
  return [...found].sort(([a, x], [b, y]) => y.runs - x.runs || a.localeCompare(b));
}

function printAudits(heading, audits, count) {
  if (audits.length === 0) return console.log(`  ${heading}: none`);
  console.log(`  ${heading} (runs of ${count}):`);
  for (const [id, { title, details, runs }] of audits) {
    const detail = details.size ? ` (${[...details].join('; ')})` : '';
    console.log(`    ${runs}/${count} ${id}: ${title}${detail}`);
  }
}

function printPreset(page, preset, reports) {
  const scores = categories.map(([id, name]) => {
    const each = reports.map((report) => score(report.categories[id].score));
    return { name, median: median(each), each };
  });
  console.log(`${page.name}, ${preset.name} (${reports.length} runs; medians): ` +
    scores.map(({ name, median: m }) => `${name} ${m}`).join(', '));
  console.log(`  each run: ${scores.map(({ name, each }) => `${name} ${each.join(' ')}`).join('; ')}`);
  console.log(`  metrics (medians): ` + metrics.map(([id, name]) =>
    `${name} ${metricText(id, median(reports.map((report) => report.audits[id].numericValue)))}`).join(', '));
  const benchmarkIndex = median(reports.map((report) => report.environment.benchmarkIndex));
  console.log(`  Lighthouse's benchmark index of this machine: ${Math.round(benchmarkIndex)} (median)`);
  printAudits('failing audits', auditsWhere(reports,
    (audit) => typeof audit.score === 'number' && audit.score < passMark && audit.scoreDisplayMode !== 'informative',
    (audit) => audit.displayValue), reports.length);
  printAudits('audits that could not run', auditsWhere(reports,
    (audit) => audit.scoreDisplayMode === 'error', (audit) => audit.errorMessage), reports.length);
  const warnings = new Set(reports.flatMap((report) => report.runWarnings));
  for (const warning of warnings) console.log(`  warning: ${warning}`);
}

mkdirSync(reportDir, { recursive: true });
const site = await serve(siteDir);
try {
  await warmUp(site.url);
  const load = () => loadavg().map((value) => value.toFixed(2)).join(' ');
  console.log(`Lighthouse on ${site.url}, ${runs} runs per page and preset; load average at the start ${load()}`);
  for (const page of pages) {
    for (const preset of presets) {
      const reports = [];
      for (let index = 1; index <= runs; index += 1)
        reports.push(await reliableRun(new URL(page.path, site.url).href, page, preset, index));
      if (page === pages[0] && preset === presets[0])
        console.log(`Lighthouse ${reports[0].lighthouseVersion}, ${reports[0].environment.hostUserAgent}`);
      printPreset(page, preset, reports);
    }
  }
  console.log(`load average at the end ${load()}; reports in ${reportDir}`);
} finally {
  await site.close();
}
