// The desktop's first two lessons, taken in the page with real keys, clicks and taps: a figure drawn with
// keys and picture buttons, saved (the desktop's bytes), a new figure with its questions, loaded back; the
// three views, a copy refused and a copy made, the level and size kept across a reload.
// Usage: node lessons_test.mjs SITE_FOLDER. KEEP=1 keeps the screenshots; a failing run always does.
import assert from 'node:assert/strict';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { browserTest } from './harness.mjs';
import { answer, box, CHANGED, NO, OK, PICKERS, started, TITLE, TITLE_NOW, YES } from './page_steps.mjs';

const lessons = resolve(dirname(fileURLToPath(import.meta.url)), '../data/lessons');
const shots = mkdtempSync(join(tmpdir(), 'nuboro-lessons-shots-'));

const GREEN = '0,51,0', WHITE = '255,255,255';
// Pixels of a canvas by colour, as "r,g,b" keys.
const colours = (id) => `(() => { const c = document.getElementById('${id}'); const d = c.getContext('2d')
  .getImageData(0, 0, c.width, c.height).data; const n = {};
  for (let i = 0; i < d.length; i += 4) { const k = d[i] + ',' + d[i + 1] + ',' + d[i + 2]; n[k] = (n[k] ?? 0) + 1; }
  return n; })()`;
const notGreen = (id) => `(() => { const n = ${colours(id)}; return Object.entries(n)
  .filter(([k]) => k !== '${GREEN}').reduce((a, [, v]) => a + v, 0); })()`;
const pixel = (x, y) => `[...document.getElementById('figure').getContext('2d').getImageData(${x}, ${y}, 1, 1).data.slice(0, 3)].join()`;
const figureWidth = `document.getElementById('figure').width`;
const title = (expected) => `${TITLE_NOW} === ${JSON.stringify(expected)}`;

// The menus as the learner walks them from the keyboard: Alt and the menu's letter, then arrows.
async function menu(page, ...keys) {
  for (const key of keys) await page.press(key);
}
async function answerBox(page, expectedTitle, answerId) {
  const [boxTitle] = await box(page, `the box "${expectedTitle}"`);
  assert.equal(boxTitle, expectedTitle);
  await answer(page, answerId);
}
const button = (name) => `[data-name="${name}"]`;

async function open(browser, url) {
  const page = await browser.newPage({});
  await page.send('Page.addScriptToEvaluateOnNewDocument', { source: PICKERS });
  await page.navigate(url);
  await started(page);
  return page;
}

const lessonsRun = [];
const lesson = (name, run) => lessonsRun.push({ name, run });

lesson('1: draw with keys and picture buttons, save, a new figure, load it back', async (page) => {
  assert.equal(await page.evaluate(TITLE_NOW), TITLE);
  await page.waitFor(`${notGreen('figure')} > 300`, 'the sample figure in white on dark green');
  assert.equal(await page.evaluate(figureWidth), 488);

  await page.press('F8');
  await page.waitFor(`${pixel(3, 3)} === '${WHITE}'`, 'the white ground of draw mode');
  await menu(page, 'Alt+E', 'ArrowDown', 'Enter');  // 編集 → 新規図面
  await answerBox(page, 'ちょっとまってね', YES);
  await page.waitFor(title(`${TITLE}  [  ]`), 'the title of a new figure');

  // Four lines, the third with the wood panel's buttons; a fifth taken back.
  for (const key of ['Enter', 'X', 'X', 'Enter', 'Enter', 'Y', 'Y', 'Enter', 'Enter'])
    await page.press(key);
  await page.click(button('command1(8)'));  // ポインタを＋Ｚへ
  await page.tap(button('command1(11)'));   // 点を決める
  for (const key of ['Enter', 'Shift+X', 'Shift+X', 'Enter', 'Enter', 'Shift+Y', 'Enter']) await page.press(key);
  await page.click(button('command1(10)'));  // 取り消し
  await page.waitFor(title(`${TITLE}  [  ]${CHANGED}`), 'the changed mark');

  await page.evaluate(`pickers.save = 'lesson1.nbo'`);
  await page.press('Ctrl+S');
  await page.waitFor(`readPrivate('lesson1.nbo').then((b) => b === ${JSON.stringify(readFileSync(join(lessons, 'lesson1.nbo')).toString('base64'))}).catch(() => false)`,
    'lesson1.nbo with exactly the four lines');
  // Saving keeps the mark: the learner has not started afresh.
  assert.equal(await page.evaluate(TITLE_NOW), `${TITLE}  [  ]${CHANGED}`);

  await page.press('F8');
  await page.waitFor(`${notGreen('figure')} > 40`, 'the figure in normal mode');
  await menu(page, 'Alt+E', 'ArrowDown', 'Enter');
  await answerBox(page, 'ちょっとまってね', YES);
  await answerBox(page, 'ちょっとまってね', NO);  // not saved again
  await page.waitFor(title(`${TITLE}  [  ]`), 'the title of a new figure');
  await page.waitFor(`${notGreen('figure')} === 0`, 'nothing left to see');

  await page.evaluate(`pickers.open = 'lesson1.nbo'`);
  await page.press('Ctrl+L');
  await page.waitFor(title(`${TITLE}  [ lesson1.nbo ]`), 'the loaded file in the title');
  await page.waitFor(`${notGreen('figure')} > 300`, 'the loaded figure');
  assert.equal(await page.evaluate(pixel(3, 3)), GREEN);

  await page.press('Shift+Escape');
  await answerBox(page, '立体ぬぼろの終了確認です', OK);
  await page.waitFor(`document.getElementById('ended') && document.getElementById('window').hidden`, 'the ended page');
});

// The clipboard as a PNG's size, or null when it holds no picture.
const CLIPBOARD = `navigator.clipboard.read().then(async (items) => {
  const item = items.find((i) => i.types.includes('image/png'));
  if (!item) return null;
  const b = await createImageBitmap(await item.getType('image/png'));
  return b.width + 'x' + b.height; }).catch(() => null)`;
const CLEAR_CLIPBOARD = `navigator.clipboard.writeText('cleared')`;

lesson('2: three views, a copy refused and made, the level and size kept across a reload', async (page, { browser, server }) => {
  await browser.send('Browser.grantPermissions', {
    origin: server.url.replace(/\/$/, ''), browserContextId: page.browserContextId,
    permissions: ['clipboardReadWrite', 'clipboardSanitizedWrite'],
  });
  await page.press('F7');
  for (const view of ['picTopVIew', 'picFrontView', 'picSideView'])
    await page.waitFor(`${notGreen(view)} > 50`, `the figure in ${view}`);

  await page.evaluate(CLEAR_CLIPBOARD);
  await menu(page, 'Alt+E', 'ArrowDown', 'ArrowDown', 'ArrowRight', 'Enter');  // コピー → カラーでコピー
  await answerBox(page, '立体ヌボロ for Windows Ver.3.1', OK);
  assert.equal(await page.evaluate(CLIPBOARD), null, 'a picture was copied although refused');

  await page.press('F7');
  await menu(page, 'Alt+E', 'ArrowDown', 'ArrowDown', 'ArrowRight', 'Enter');
  assert.equal(await page.waitFor(CLIPBOARD, 'a picture on the clipboard'), '488x376');

  await menu(page, 'Alt+O', 'ArrowRight', 'ArrowDown', 'ArrowDown', 'Enter');  // 難易度 → 上級
  await menu(page, 'Alt+O', 'ArrowDown', 'ArrowRight', 'ArrowDown', 'Enter');  // 画面サイズ → 拡張１
  await page.waitFor(`${figureWidth} === 648`, 'the figure box 648 wide at 拡張１');
  await page.evaluate(CLEAR_CLIPBOARD);
  await menu(page, 'Alt+E', 'ArrowDown', 'ArrowDown', 'ArrowRight', 'Enter');
  assert.equal(await page.waitFor(CLIPBOARD, 'a picture at 拡張１'), '488x376', 'a copy is taken at the normal size');
  await page.waitFor(`${figureWidth} === 648`, 'the size back after the copy');

  // A tab is closed rather than quit: what the teacher chose is there on the next visit.
  await page.reload();
  await started(page);
  await page.waitFor(`${figureWidth} === 648`, 'the figure box still 648 wide after a reload');
  await page.press('F8');
  await menu(page, 'Alt+E', 'ArrowDown', 'Enter');
  await answerBox(page, 'ちょっとまってね', YES);
  for (const key of ['Enter', 'X', 'Enter']) await page.press(key);
  await page.evaluate(`pickers.save = 'senior.nbo'`);
  await page.press('Ctrl+S');
  await page.waitFor(`readPrivate('senior.nbo').then((b) => b === ${JSON.stringify(readFileSync(join(lessons, 'senior_step.nbo')).toString('base64'))}).catch(() => false)`,
    'senior.nbo with one step of 上級');
});

let kept = false;
await browserTest('nuboro-lessons-', async ({ browser, server, check }) => {
  for (const { name, run } of lessonsRun) {
    await check(`lesson ${name}`, async () => {
      const page = await open(browser, server.url);
      await page.send('Page.bringToFront');
      try {
        await run(page, { browser, server });
      } catch (e) {
        kept = true;
        writeFileSync(join(shots, `lesson${name[0]}.png`), await page.screenshot().catch(() => Buffer.alloc(0)));
        console.log(`screenshot in ${shots}`);
        throw e;
      } finally {
        await page.close().catch(() => {});
      }
    });
  }
  if (!kept && !process.env.KEEP) rmSync(shots, { recursive: true, force: true });
});
