// The speed page: the built site served on localhost and measured in headless Chromium, each figure beside
// a baseline measured in the same run. Usage: node speed.mjs SITE_FOLDER BENCH_MODULE_FOLDER [RUNS].
//   transfer   the whole site gzip-compressed, file by file (target under 1 MB), beside its raw size
//   start      navigation to the figure's first frame (target under 0.5 s), beside a blank page's load
//   redraw     one redraw of 650 lines in the page (target under 2 ms), beside the 2D context drawing them
//   glide      the time between a glide's frames, beside requestAnimationFrame's own spacing
import { cpSync, mkdtempSync, readdirSync, readFileSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { gzipSync } from 'node:zlib';
import { Browser } from '../../tests/web/cdp.mjs';
import { serve } from '../../tests/web/server.mjs';

const [siteArg = 'build-web/site', benchArg = 'build-web/bench', runsArg = '5'] = process.argv.slice(2);
const RUNS = Number(runsArg);

const median = (v) => [...v].sort((a, b) => a - b)[Math.floor(v.length / 2)];
const ms = (v) => `${v.toFixed(v < 10 ? 2 : 0)} ms`;

function files(folder) {
  return readdirSync(folder, { recursive: true }).map((f) => join(folder, f)).filter((f) => statSync(f).isFile());
}

// A copy of the site with a blank page beside it; `module` replaces the program's module.
function copySite(module) {
  const root = mkdtempSync(join(tmpdir(), 'nuboro-speed-'));
  cpSync(resolve(siteArg), root, { recursive: true });
  if (module) for (const f of ['front.js', 'front.wasm']) cpSync(join(resolve(module), f), join(root, f));
  writeFileSync(join(root, 'blank.html'), '<!doctype html><meta charset="utf-8"><title>blank</title>');
  return root;
}

function transfer() {
  let raw = 0, packed = 0;
  const biggest = [];
  for (const f of files(resolve(siteArg))) {
    const bytes = readFileSync(f);
    const gz = gzipSync(bytes, { level: 9 }).length;
    raw += bytes.length;
    packed += gz;
    biggest.push([f.slice(resolve(siteArg).length + 1), gz]);
  }
  biggest.sort((a, b) => b[1] - a[1]);
  return { raw, packed, biggest: biggest.slice(0, 5) };
}

const started = `document.getElementById('explanation').textContent !== ''
  && !document.querySelector('dialog[open]')`;

// Each navigation in a fresh browser context: nothing cached, as a first visit.
async function start(browser, url) {
  const app = [], blank = [];
  for (let i = 0; i < RUNS; ++i) {
    // Each page closed before the next: a program left running would take its share of the machine.
    let page = await browser.newPage({});
    await page.navigate(`${url}blank.html`);
    blank.push(await page.evaluate(`performance.getEntriesByType('navigation')[0].loadEventEnd`));
    await page.close();
    page = await browser.newPage({});
    await page.navigate(url);
    app.push(await page.waitFor(`performance.getEntriesByName('nuboro-first-frame')[0]?.startTime`, 'first frame'));
    await page.close();
  }
  return { app: median(app), blank: median(blank) };
}

async function redraw(browser, url) {
  const page = await browser.newPage({});
  await page.navigate(url);
  await page.waitFor(started, 'start of the core');
  return JSON.parse(await page.evaluate(`(() => {
    const N = 200;
    const probe = (c) => c.getImageData(0, 0, 1, 1);  // both wait for their drawing to be done
    const figure = document.getElementById('figure').getContext('2d');
    nuboroBench.redraw(10);
    let t = performance.now();
    for (let i = 0; i < N; ++i) { nuboroBench.redraw(1); probe(figure); }
    const ours = (performance.now() - t) / N;
    const lines = nuboroBench.lines();
    const canvas = document.createElement('canvas');
    canvas.width = 488;
    canvas.height = 376;
    document.body.append(canvas);
    const c = canvas.getContext('2d');
    const draw = () => {
      c.fillStyle = 'rgb(0 51 0)';
      c.fillRect(0, 0, 488, 376);
      c.strokeStyle = '#fff';
      c.lineWidth = 1;
      c.beginPath();
      for (let k = 0; k < lines.length; k += 4) { c.moveTo(lines[k], lines[k + 1]); c.lineTo(lines[k + 2], lines[k + 3]); }
      c.stroke();
      probe(c);
    };
    for (let i = 0; i < 10; ++i) draw();
    t = performance.now();
    for (let i = 0; i < N; ++i) draw();
    const baseline = (performance.now() - t) / N;
    return JSON.stringify({ ours, baseline, lines: lines.length / 4 });
  })()`));
}

// Frames of an F3 glide (to the front view) as the figure canvas receives them, and the display's own
// frames counted by requestAnimationFrame just before.
async function glide(browser, url) {
  const page = await browser.newPage({});
  await page.send('Page.addScriptToEvaluateOnNewDocument', { source: `window.frames_ = [];
    const put = CanvasRenderingContext2D.prototype.putImageData;
    CanvasRenderingContext2D.prototype.putImageData = function (...a) {
      if (this.canvas.id === 'figure') frames_.push(performance.now());
      return put.apply(this, a); };` });
  await page.navigate(url);
  await page.waitFor(started, 'start of the core');
  const display = JSON.parse(await page.evaluate(`new Promise((done) => { const t = [];
    const step = (now) => { t.push(now); if (t.length < 40) requestAnimationFrame(step); else done(JSON.stringify(t)); };
    requestAnimationFrame(step); })`));
  await page.evaluate('frames_.length = 0');
  await page.press('F3');
  await page.waitFor(`document.getElementById('angle').textContent === '正面図'`, 'the glide to the front view');
  const frames = await page.evaluate('frames_');
  const gaps = (t) => t.slice(1).map((v, i) => v - t[i]);
  const g = gaps(frames), d = gaps(display);
  return { frames: frames.length, median: median(g), max: Math.max(...g), display: median(d), displayMax: Math.max(...d) };
}

const site = copySite(null);
const benchSite = copySite(benchArg);
const browser = await Browser.launch();
const server = await serve(site);
const benchServer = await serve(benchSite);
try {
  const t = transfer();
  console.log(`transfer  ${(t.packed / 1024).toFixed(0)} KiB gzip (target < 1024 KiB)  | raw ${(t.raw / 1024).toFixed(0)} KiB`);
  console.log(`          largest gzip: ${t.biggest.map(([f, n]) => `${f} ${(n / 1024).toFixed(0)} KiB`).join(', ')}`);
  const s = await start(browser, server.url);
  console.log(`start     first frame ${ms(s.app)} (target < 500 ms)  | blank page load ${ms(s.blank)}  (median of ${RUNS})`);
  const r = await redraw(browser, benchServer.url);
  console.log(`redraw    ${r.lines} lines ${ms(r.ours)} (target < 2 ms)  | 2D context ${ms(r.baseline)}`);
  const g = await glide(browser, server.url);
  console.log(`glide     ${g.frames} frames, median gap ${ms(g.median)}, max ${ms(g.max)}  | requestAnimationFrame median ${ms(g.display)}, max ${ms(g.displayMax)}`);
} finally {
  await server.stop();
  await benchServer.stop();
  await browser.close();
  rmSync(site, { recursive: true, force: true });
  rmSync(benchSite, { recursive: true, force: true });
}
