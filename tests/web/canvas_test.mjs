// The page's figure canvas against the desktop's figure box, pixel for pixel outside the texts, in each
// state of tests/data/canvas_states.txt (the desktop's tests write its pictures).
// Usage: node canvas_test.mjs SITE_FOLDER, with NUBORO_CANVAS_STATES naming the desktop's pictures.
import assert from 'node:assert/strict';
import { cpSync, existsSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { browserTest } from './harness.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const reference = process.env.NUBORO_CANVAS_STATES ?? '';
if (!existsSync(join(reference, 'start.png'))) {
  console.log(`FAIL no desktop pictures in "${reference}": the desktop's tests write them (make test)`);
  process.exit(1);
}
const states = readFileSync(join(here, '../data/canvas_states.txt'), 'utf8').split('\n')
  .map((l) => l.trim()).filter((l) => l && !l.startsWith('#')).map((l) => l.split(/\s+/))
  .map(([name, ...keys]) => ({ name, keys }));


// Every text written on a canvas, kept until its pixels are replaced, so that the comparison can leave
// out where either program wrote one (the fonts differ).
const RECORD_TEXTS = `(() => {
  const texts = new WeakMap();
  window.textsOn = (canvas) => texts.get(canvas) ?? [];
  const put = CanvasRenderingContext2D.prototype.putImageData;
  CanvasRenderingContext2D.prototype.putImageData = function (...a) { texts.set(this.canvas, []); return put.apply(this, a); };
  const fill = CanvasRenderingContext2D.prototype.fillText;
  CanvasRenderingContext2D.prototype.fillText = function (text, x, y, ...a) {
    const list = texts.get(this.canvas) ?? []; list.push({ text, x, y, width: this.measureText(text).width });
    texts.set(this.canvas, list); return fill.call(this, text, x, y, ...a);
  };
})()`;

// Differing pixels outside the texts' boxes, each box as wide as either font could make it.
const COMPARE = (name) => `(async () => {
  const canvas = document.getElementById('figure');
  const image = new Image(); image.src = 'reference/${name}.png'; await image.decode();
  if (image.width !== canvas.width || image.height !== canvas.height)
    return { size: [canvas.width, canvas.height, image.width, image.height] };
  const off = new OffscreenCanvas(image.width, image.height).getContext('2d');
  off.drawImage(image, 0, 0);
  const want = off.getImageData(0, 0, image.width, image.height).data;
  const got = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
  const boxes = textsOn(canvas).map((t) => [t.x - 2, t.y - 2, t.x + Math.max(t.width, 9 * t.text.length) + 4, t.y + 20]);
  let differing = 0, first = null;
  for (let y = 0; y < canvas.height; ++y) for (let x = 0; x < canvas.width; ++x) {
    if (boxes.some(([l, t, r, b]) => x >= l && x < r && y >= t && y < b)) continue;
    const i = (y * canvas.width + x) * 4;
    if (want[i] !== got[i] || want[i + 1] !== got[i + 1] || want[i + 2] !== got[i + 2]) {
      ++differing; first ??= { x, y, want: [...want.slice(i, i + 3)], got: [...got.slice(i, i + 3)] };
    }
  }
  return { differing, first };
})()`;

const prepare = (site) => cpSync(reference, join(site, 'reference'), { recursive: true });
await browserTest('nuboro-canvas-', async ({ browser, server, check }) => {
  for (const { name, keys } of states) {
    await check(name, async () => {
      const page = await browser.newPage({});
      try {
        await page.send('Page.addScriptToEvaluateOnNewDocument', { source: RECORD_TEXTS });
        await page.navigate(server.url);
        await page.waitFor(`document.getElementById('explanation').textContent !== ''`, 'start of the core');
        for (const key of keys) await page.press(key);
        // The keys run one after another through the page's queue: poll until the picture is the desktop's.
        let result;
        const deadline = Date.now() + 30000;
        for (;;) {
          result = await page.evaluate(COMPARE(name));
          if (result.differing === 0 || Date.now() > deadline) break;
          await new Promise((r) => setTimeout(r, 100));
        }
        if (result.differing !== 0) {
          const data = await page.evaluate(`document.getElementById('figure').toDataURL()`);
          const shot = join(tmpdir(), `nuboro-canvas-${name}.png`);
          writeFileSync(shot, Buffer.from(data.split(',')[1], 'base64'));
          assert.fail(`${name}: ${JSON.stringify(result)}; the page's canvas: ${shot}`);
        }
      } finally {
        await page.close().catch(() => {});
      }
    });
  }
}, { prepare });
