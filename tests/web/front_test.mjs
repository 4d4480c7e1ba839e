// The real front-end in a real browser: the core started over the page shows the sample figure fetched
// from the site, and keys reach the core: a turn redraws, a glide runs frame by frame to its end.
// Usage: node front_test.mjs SITE_FOLDER.
import assert from 'node:assert/strict';
import { browserTest } from './harness.mjs';

const text = (id) => `document.getElementById('${id}').textContent`;
// How many pixels of the figure canvas have each colour, as "r,g,b" keys.
const COLOURS = `(() => { const c = document.getElementById('figure'); const d = c.getContext('2d')
  .getImageData(0, 0, c.width, c.height).data; const n = {};
  for (let i = 0; i < d.length; i += 4) { const k = d[i] + ',' + d[i + 1] + ',' + d[i + 2]; n[k] = (n[k] ?? 0) + 1; }
  return JSON.stringify(n); })()`;
const picture = async (page) => page.evaluate(`document.getElementById('figure').toDataURL()`);

await browserTest('nuboro-front-', async ({ browser, server }) => {
  const page = await browser.newPage({});
  await page.navigate(server.url);
  await page.waitFor(`${text('explanation')} !== ''`, 'start of the core');
  assert.equal(await page.evaluate(text('explanation')), 'ようこそ！立体ヌボロへ！！');
  assert.equal(await page.evaluate('document.getElementById("figure").width'), 488);
  const colours = JSON.parse(await page.evaluate(COLOURS));
  const total = Object.values(colours).reduce((a, b) => a + b, 0);
  // The dark green ground with the sample figure's white lines on it: a few hundred line pixels at least.
  assert.ok(colours['0,51,0'] > total * 0.9, `ground ${colours['0,51,0']} of ${total}`);
  assert.ok(colours['255,255,255'] > 300, `figure lines ${colours['255,255,255']}`);
  const before = await picture(page);
  await page.press('ArrowRight');
  await page.waitFor(`document.getElementById('figure').toDataURL() !== ${JSON.stringify(before)}`,
    'the turned figure on the canvas');
  // A glide paced by the display's frames, then the status bar's watch names the view it ended on.
  await page.press('F3');
  await page.waitFor(`${text('angle')} === '正面図'`, 'the glide to the front view');
  console.log('ok   the core starts in the page and shows the sample figure; keys turn it and glide');

  // Space turns the figure on the rotation's timer until Escape; the picture then stays still.
  await page.press('Space');
  for (let turns = 0, last = await picture(page); turns < 3; ++turns)
    last = await page.waitFor(`(() => { const p = document.getElementById('figure').toDataURL();
      return p !== ${JSON.stringify(last)} && p; })()`, `turn ${turns + 1} of the continuous rotation`);
  await page.press('Escape');
  // Still over three of the rotation's ticks, polled: a busy machine may run a tick queued before Escape.
  await page.waitFor(`new Promise((resolve) => { const p = document.getElementById('figure').toDataURL();
    setTimeout(() => resolve(document.getElementById('figure').toDataURL() === p), 350); })`, 'the figure still');
  console.log('ok   Space turns the figure on its timer, Escape stops it');

  // The teacher's two permissions from the オプション menu, by mouse: each takes its commands away and
  // gives them back.
  const permissions = [
    { item: 'mnuDrawEnabled', control: 'cmdDrawFig' },
    { item: 'mnuSaveEnabled', control: 'cmdFigSave' },
  ];
  for (const { item, control } of permissions) {
    for (const allowed of [false, true]) {
      await page.click('[data-name="mnuOption"]');
      await page.click(`[data-name="${item}"]`);
      await page.waitFor(`document.querySelector('[data-name="${control}"]').disabled === ${!allowed}`,
        `${control} ${allowed ? 'enabled' : 'disabled'} by ${item}`);
    }
  }
  console.log('ok   the teacher\'s permissions take drawing and saving away and give them back');
});
