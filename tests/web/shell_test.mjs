// The page around the real front-end in a real browser: keys kept from the browser, message boxes the core
// waits on, figure files through the pickers or an upload and a download (the desktop's bytes and エラー
// texts), a dropped file, the two option dialogs, the settings store, the offline copy, an aborted module.
// Usage: node shell_test.mjs SITE_FOLDER. KEEP=1 keeps the screenshots; a failing run always does.
import assert from 'node:assert/strict';
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { Browser, within } from './cdp.mjs';
import { serve } from './server.mjs';
import {
  answer, box, BOX, CANCEL, CHANGED, changedFrom, NO, OK, picture, PICKERS, started, text, TITLE, TITLE_NOW, WELCOME, YES,
} from './page_steps.mjs';

const site = mkdtempSync(join(tmpdir(), 'nuboro-shell-'));
cpSync(resolve(process.argv[2] ?? 'build-web/site'), site, { recursive: true });
const figure = resolve(dirname(fileURLToPath(import.meta.url)), '../data/lessons/lesson1.nbo');
const figureBytes = readFileSync(figure);
const shots = mkdtempSync(join(tmpdir(), 'nuboro-web-'));

const NO_PICKERS = 'window.showOpenFilePicker = window.showSaveFilePicker = window.showDirectoryPicker = undefined;';
// Whether the browser's own action for each key was prevented, seen after the page's handlers ran.
const PREVENTED = `
  window.prevented = [];
  window.addEventListener('keydown', (e) => prevented.push(e.code + ':' + e.defaultPrevented));`;
const REFUSED_STORAGE = "Storage.prototype.setItem = () => { throw new DOMException('', 'QuotaExceededError'); };";
// The menu commands without keys, as buttons of their own: the menus are not what these checks are about.
const COMMANDS = { newFigure: 7, otherOptions: 27, dataPath: 37 };
const BUTTONS = `addEventListener('DOMContentLoaded', () => {
  for (const [name, id] of Object.entries(${JSON.stringify(COMMANDS)})) {
    const b = document.createElement('button');
    b.dataset.control = id;
    b.id = 'test-' + name;
    b.textContent = name;
    b.style.cssText = 'position: fixed; bottom: 0; left: ' + id * 8 + 'px; width: 8px; height: 8px; padding: 0';
    document.body.append(b);
  }
});`;
const SHARED = '// the profile\'s own context';

// Pages of the running section; closed after it, so that each section's page is the one in front (a
// page behind others gets no focus back from a closed chooser).
const opened = [];

async function open(browser, url, ...scripts) {
  const page = await browser.newPage({ shared: scripts.includes(SHARED) });
  opened.push(page);
  await page.send('Page.bringToFront');
  for (const source of [BUTTONS, ...scripts]) await page.send('Page.addScriptToEvaluateOnNewDocument', { source });
  await page.navigate(url);
  await started(page);
  return page;
}

// A command runs only after the ones before it: once a key's turn has shown on the canvas, every
// command given before it has ended.
async function settle(page) {
  const before = await picture(page);
  await page.press('ArrowRight');
  await changedFrom(page, before, 'the turn behind the command');
}

// One line drawn in draw mode: the figure now has changes to lose.
async function drawLine(page) {
  await page.press('F8');
  for (const key of ['Enter', 'X', 'X', 'Enter']) await page.press(key);
  await page.waitFor(`${TITLE_NOW}.endsWith('${CHANGED}')`, 'the changed mark in the title');
}

const base64 = (bytes) => Buffer.from(bytes).toString('base64');

async function shot(page, name) {
  writeFileSync(join(shots, name), await page.screenshot());
}

const sections = [];
const section = (name, run) => sections.push({ name, run });

section('the site starts, is installable, and after the first visit starts offline', async ({ browser, server }) => {
  const page = await open(browser, server.url, SHARED);
  assert.equal(await page.evaluate(TITLE_NOW), TITLE);
  const first = await page.evaluate(`performance.getEntriesByName('nuboro-first-frame')[0].startTime`);
  console.log(`     navigation to the first frame: ${first.toFixed(1)} ms`);
  const manifest = await page.send('Page.getAppManifest', {});
  assert.deepEqual(manifest.errors, []);
  assert.equal(JSON.parse(manifest.data).short_name, '立体ヌボロ');
  assert.deepEqual((await page.send('Page.getInstallabilityErrors', {})).installabilityErrors, []);
  await page.waitFor('navigator.serviceWorker.controller', 'the service worker in control');
  await page.waitFor(`caches.keys().then((k) => k.length === 1 && caches.open(k[0])).then((c) => c && c.keys()).then((r) => r && r.length)`,
    'the cached site');
  const shown = await picture(page);
  const served = server.served;
  await page.send('Network.emulateNetworkConditions', { offline: true, latency: 0, downloadThroughput: -1, uploadThroughput: -1 });
  await server.stop();
  await page.reload();
  await started(page);
  assert.equal(await picture(page), shown, 'the sample figure offline');
  assert.equal(server.served, served, 'requests that reached the server');
});

section('keys reach the core in order and never the browser', async ({ browser, server }) => {
  // A glide waits for the display's frames; a turn pressed during it comes after it, as on the desktop.
  const paced = await open(browser, server.url);
  await paced.press('F3');
  await paced.waitFor(`${text('angle')} === '正面図'`, 'the glide alone');
  await paced.press('ArrowRight');
  await paced.waitFor(`${text('angle')} !== '正面図'`, 'the turn after the glide');
  const turned = await picture(paced);
  const page = await open(browser, server.url, PICKERS, PREVENTED);
  await page.press('F3');
  await page.press('ArrowRight');
  await page.waitFor(`document.getElementById('figure').toDataURL() === ${JSON.stringify(turned)}`, 'the same turn after the glide');

  let navigations = 0;
  page.on('Page.frameNavigated', () => { navigations += 1; });
  const chords = ['F5', 'Ctrl+R', 'Ctrl+L', 'Ctrl+S', 'Ctrl+W', 'Ctrl+P', 'F12', 'Alt+F', 'Ctrl+Shift+I', 'Backspace', 'Space', 'Escape'];
  for (const chord of chords) await page.press(chord);
  await settle(page);
  const prevented = await page.evaluate('prevented');
  assert.deepEqual(prevented.filter((p) => p.endsWith(':false')), [], 'keys left to the browser');
  assert.equal(navigations, 0);
});

section('a message box waits for its answer, by mouse, touch or key, and keeps the keys', async ({ browser, server }) => {
  const page = await open(browser, server.url, PREVENTED);
  const question = ['ちょっとまってね', '作成中のデータが失われますがよろしいですか？'];
  const cases = [
    [(p) => p.tap(`${BOX} button[data-answer="${NO}"]`), false],
    [(p) => p.press('N'), false],
    [(p) => p.press('Escape'), false],
    [(p) => p.press('Y'), true],
  ];
  for (const [give, clears] of cases) {
    const before = await picture(page);
    await page.click('#test-newFigure');
    assert.deepEqual(await box(page, 'the new figure question'), question);
    // Keys stay with the box: the browser gets none of its own, the core none at all.
    const count = (await page.evaluate('prevented')).length;
    await page.press('ArrowLeft');
    await page.press('Ctrl+S');
    assert.deepEqual((await page.evaluate('prevented')).slice(count), ['ArrowLeft:false', 'ControlLeft:true', 'KeyS:true']);
    await give(page);
    await page.waitFor(`!document.querySelector('${BOX}')`, 'the answered box');
    if (clears) await changedFrom(page, before, 'the cleared figure');
    else assert.equal(await picture(page), before);
    assert.equal(await page.evaluate(TITLE_NOW), clears ? `${TITLE}  [  ]` : TITLE);
  }
  await page.press('Shift+Escape');
  assert.deepEqual(await box(page, 'the quit question'), ['立体ぬぼろの終了確認です', 'ほんとうに終わりますか？']);
  await shot(page, 'message-box.png');
  await answer(page, CANCEL);
});

section('figure files through the pickers: the desktop\'s bytes and エラー texts, nothing lost',
  async ({ browser, server }) => {
    const page = await open(browser, server.url, PICKERS);
    const truncated = figureBytes.subarray(0, 40);
    const tooMany = Buffer.from('200 200 100 651\r\n0 0 0 10 0 0\r\n');
    const binary = Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0, 0, 0, 0x0d]);
    const files = { 'lesson1.nbo': figureBytes, 'kept.nbo': Buffer.from('old'), 'note.nbo': Buffer.from('hello\r\n'),
      'cut.nbo': truncated, 'many.nbo': tooMany, 'picture.nbo': binary, 'gone.nbo': figureBytes };
    for (const [name, bytes] of Object.entries(files)) await page.evaluate(`writePrivate('${name}', '${base64(bytes)}')`);
    await page.evaluate(`navigator.storage.getDirectory().then((d) => d.getFileHandle('huge.nbo', { create: true }))
      .then((h) => h.createWritable()).then(async (w) => { await w.write(new Uint8Array(17 << 20)); await w.close(); })`);

    const sample = await picture(page);
    await page.evaluate(`pickers.open = 'lesson1.nbo'`);
    await page.press('Ctrl+L');
    await page.waitFor(`${TITLE_NOW} === '${TITLE}  [ lesson1.nbo ]'`, 'the loaded figure\'s name in the title');
    assert.equal(await page.evaluate(text('explanation')), 'lesson1.nbo');
    const loaded = await picture(page);
    assert.notEqual(loaded, sample);
    await shot(page, 'loaded.png');

    await page.evaluate(`pickers.save = 'saved.nbo'`);
    await page.press('Ctrl+S');
    await page.waitFor(`readPrivate('saved.nbo').then((b) => b === '${base64(figureBytes)}').catch(() => false)`,
      'the saved bytes, equal to the desktop\'s');
    assert.deepEqual(await page.evaluate(`(({ suggestedName, types }) => [suggestedName, types[0].description,
      Object.values(types[0].accept)[0]])(pickers.options.at(-1))`), ['lesson1.nbo', '立体ヌボロデータファイル(*.nbo)', ['.nbo']]);

    const failed = (name) => `図形ファイル「${name}」を読み込めませんでした。\n`;
    const cases = [
      ['note.nbo', `${failed('note.nbo')}数値として読めない項目があります（1 番目の項目「hello」）。`],
      ['cut.nbo', `${failed('cut.nbo')}ファイルが途中で終わっています。`],
      ['many.nbo', `${failed('many.nbo')}線の数 651 は扱えません（0 から 650 まで）。`],
      ['picture.nbo', `${failed('picture.nbo')}数値として読めない項目があります（1 番目の項目「\ufffdNG」）。`],
      ['huge.nbo', '図形ファイル「huge.nbo」は大きすぎて読めません。'],
      ['gone.nbo', '図形ファイル「gone.nbo」を開けません。'],
    ];
    for (const [name, expected] of cases) {
      await page.evaluate(`pickers.open = '${name}'`);
      await page.press('Ctrl+L');
      assert.deepEqual(await box(page, `the error for ${name}`), ['エラー', expected], name);
      await answer(page, OK);
      assert.equal(await page.evaluate(TITLE_NOW), `${TITLE}  [ lesson1.nbo ]`, name);
      assert.equal(await picture(page), loaded, name);
    }

    // Cancelled pickers: no file read or written, no box, the figure as it was.
    await page.evaluate(`pickers.open = null; pickers.save = null; pickers.options = []`);
    await page.press('Ctrl+L');
    await page.press('Ctrl+S');
    await settle(page);
    assert.equal(await page.evaluate('pickers.options.length'), 2);
    assert.equal(await page.evaluate(`!!document.querySelector('${BOX}')`), false);
    assert.equal(await page.evaluate(TITLE_NOW), `${TITLE}  [ lesson1.nbo ]`);

    // A write that fails says so and leaves the old file whole; the figure still counts as unsaved.
    await drawLine(page);
    await page.evaluate(`pickers.save = 'kept.nbo'; pickers.failWrite = true`);
    await page.press('Ctrl+S');
    assert.deepEqual(await box(page, 'the failed save'),
      ['エラー', '図形を保存できませんでした。\n図形ファイル「kept.nbo」を書き込めません。']);
    await answer(page, OK);
    assert.equal(Buffer.from(await page.evaluate(`readPrivate('kept.nbo')`), 'base64').toString(), 'old');
    await page.click('#test-newFigure');
    await box(page, 'the new figure question');
    await answer(page, YES);
    assert.deepEqual(await box(page, 'the save question'), ['ちょっとまってね', 'データが変更されています。保存しますか？']);
    await answer(page, NO);
  });

section('without pickers: an upload in, a named download out, a cancelled one changes nothing',
  async ({ browser, server }) => {
    const page = await open(browser, server.url, NO_PICKERS);
    const downloads = mkdtempSync(join(tmpdir(), 'nuboro-downloads-'));
    try {
      await page.send('Page.setInterceptFileChooserDialog', { enabled: true });
      const chooser = page.event('Page.fileChooserOpened');
      await page.press('Ctrl+L');
      const { backendNodeId } = await within(chooser, 'the upload chooser');
      await page.send('DOM.setFileInputFiles', { files: [figure], backendNodeId });
      await page.waitFor(`${TITLE_NOW} === '${TITLE}  [ lesson1.nbo ]'`, 'the uploaded figure');

      await page.browser.send('Browser.setDownloadBehavior', {
        behavior: 'allowAndName', downloadPath: downloads, eventsEnabled: true, browserContextId: page.browserContextId });
      const name = '#text-box[open]';
      // Backing out of the name asks nothing more and downloads nothing.
      await page.press('Ctrl+S');
      await page.waitFor(`document.querySelector('${name}')`, 'the name box');
      await page.press('Escape');
      await settle(page);
      const begun = page.browser.event('Browser.downloadWillBegin');
      const done = page.browser.event('Browser.downloadProgress', undefined, (p) => p.state === 'completed');
      await page.press('Ctrl+S');
      assert.equal(await page.waitFor(`document.querySelector('${name}') && document.querySelector('${name} input').value`,
        'the proposed name'), 'lesson1.nbo');
      await shot(page, 'name-box.png');
      await page.press('Enter');
      const { guid, suggestedFilename } = await within(begun, 'the download');
      assert.equal(suggestedFilename, 'lesson1.nbo');
      await within(done, 'the end of the download');
      assert.deepEqual(readFileSync(join(downloads, guid)), figureBytes);

      await page.send('Page.setInterceptFileChooserDialog', { enabled: true, cancel: true });
      const shown = await picture(page);
      await page.press('Ctrl+L');
      await settle(page);
      assert.equal(await page.evaluate(TITLE_NOW), `${TITLE}  [ lesson1.nbo ]`);
      assert.notEqual(await picture(page), shown);
    } finally {
      rmSync(downloads, { recursive: true, force: true });
    }
  });

section('a figure file dropped on the page opens, after the save question when there are changes',
  async ({ browser, server }) => {
    const page = await open(browser, server.url, PICKERS);
    const drop = async () => {
      const { x, y } = await page.centre('#figure');
      const data = { items: [], files: [figure], dragOperationsMask: 1 };
      for (const type of ['dragEnter', 'dragOver', 'drop']) await page.send('Input.dispatchDragEvent', { type, x, y, data });
    };
    let navigations = 0;
    page.on('Page.frameNavigated', () => { navigations += 1; });
    // Dropped while a box is up: neither opened nor left to the browser, which would leave the page for it.
    await page.click('#test-newFigure');
    await box(page, 'the new figure question');
    await drop();
    await answer(page, NO);
    await settle(page);
    assert.equal(await page.evaluate(TITLE_NOW), TITLE);
    assert.equal(navigations, 0);

    await drawLine(page);
    await drop();
    assert.deepEqual(await box(page, 'the save question'), ['ちょっとまってね', 'データが変更されています。保存しますか？']);
    await answer(page, NO);
    await page.waitFor(`${TITLE_NOW} === '${TITLE}  [ lesson1.nbo ]'`, 'the dropped figure');
    await page.click('#test-newFigure');
    await box(page, 'the new figure question');
    await answer(page, YES);
    await page.waitFor(`${TITLE_NOW} === '${TITLE}  [  ]'`, 'the new figure');
    await drop();
    await page.waitFor(`${TITLE_NOW} === '${TITLE}  [ lesson1.nbo ]'`, 'the dropped figure without a question');
  });

section('その他設定 keeps its controls as left; 確認 applies, a closed dialog nothing', async ({ browser, server }) => {
  const page = await open(browser, server.url);
  const dialog = '#other-options[open]';
  const state = `[...document.querySelectorAll('${dialog} .title, ${dialog} .check, ${dialog} .slider span, ${dialog} output, ${dialog} button')]
    .map((e) => e.textContent.trim()).concat([document.querySelector('${dialog} [name=enabled]').checked])`;
  await page.press('F8');
  await page.click('#test-otherOptions');
  await page.waitFor(`document.querySelector('${dialog}')`, 'the dialog');
  assert.deepEqual(await page.evaluate(state), ['その他設定', 'この設定を有効にするならチェックしよう',
    '一度にポインタを動かす幅(mm)', '2', '図形の最大サイズ(mm)', '200', '確認', false]);
  await page.click(`${dialog} [name=enabled]`);
  await page.click(`${dialog} [name=unit]`);
  const unit = await page.evaluate(`document.querySelector('${dialog} [name=unit]').value`);
  for (let i = Number(unit); i < 20; i += 1) await page.press('ArrowRight');
  await shot(page, 'other-options.png');
  await page.click(`${dialog} button[value=ok]`);
  // In draw mode the pointers' return is announced.
  assert.deepEqual(await box(page, 'the pointer notice'), ['かくにんします', '作図ポインタを原点に戻しますね。']);
  await answer(page, OK);
  await page.click('#test-otherOptions');
  await page.waitFor(`document.querySelector('${dialog}')`, 'the dialog again');
  assert.deepEqual((await page.evaluate(state)).slice(3), ['20', '図形の最大サイズ(mm)', '200', '確認', true]);
  await page.press('Escape');
  await settle(page);
  assert.equal(await page.evaluate(`!!document.querySelector('${BOX}')`), false, 'nothing applied on Escape');
});

section('the data folder: a kept folder handle across a reload, or the browser says it cannot keep one',
  async ({ browser, server }) => {
    const page = await open(browser, server.url, PICKERS);
    const dialog = '#data-path[open]';
    const shown = `[...document.querySelectorAll('${dialog} output')].map((e) => e.textContent)`;
    const run = async (pick, confirm) => {
      await page.click('#test-dataPath');
      await page.waitFor(`document.querySelector('${dialog}')`, 'the data folder dialog');
      const before = await page.evaluate(shown);
      if (pick) {
        await page.evaluate(`pickers.folder = '${pick}'`);
        await page.click(`${dialog} [name=pick]`);
        await page.waitFor(`document.querySelector('${dialog} [name=picked]').textContent === '${pick}'`, 'the pick');
      }
      await page.click(`${dialog} button[value="${confirm ? 'ok' : ''}"]`);
      return before;
    };
    assert.deepEqual(await run('elsewhere', false), ['./data', '未選択です']);
    assert.deepEqual(await run(null, true), ['./data', '未選択です']);
    assert.deepEqual(await run('figures', true), ['./data', '未選択です']);
    await settle(page);
    await page.reload();
    await started(page);
    assert.deepEqual(await run(null, false), ['figures', '未選択です']);
    await page.press('Ctrl+L');
    await page.waitFor('pickers.options.length === 1', 'the open picker');
    assert.equal(await page.evaluate('pickers.options[0].startIn?.name'), 'figures');

    const bare = await open(browser, server.url, NO_PICKERS);
    await bare.click('#test-dataPath');
    await bare.waitFor(`document.querySelector('${dialog}')`, 'the dialog without folder handles');
    assert.deepEqual(await bare.evaluate(`[...document.querySelectorAll('${dialog} [name=pick], ${dialog} .unsupported, ${dialog} button[value=ok]')]
      .map((e) => !!(e.hidden || e.disabled))`), [true, false, true]);
    await shot(bare, 'data-path-unsupported.png');
  });

section('settings the browser refuses to keep are reported at quit, not lost silently', async ({ browser, server }) => {
  const page = await open(browser, server.url, REFUSED_STORAGE);
  await page.press('Shift+Escape');
  await box(page, 'the quit question');
  await answer(page, OK);
  const [title, message] = await box(page, 'the settings error');
  assert.equal(title, 'エラー');
  assert.match(message, /^設定を保存できませんでした。/);
});

section('a module that aborts says so, and is not entered again', async ({ browser, server }) => {
  const page = await open(browser, server.url);
  await page.evaluate(`CanvasRenderingContext2D.prototype.putImageData = () => { throw new Error('broken'); }`);
  await page.press('ArrowRight');
  await page.waitFor(`!document.getElementById('failure').hidden`, 'the failure notice');
  assert.equal(await page.evaluate(text('failure')), 'プログラムでエラーが起きました。ページを読み込み直してください。');
  await page.press('F8');
  await page.click('#test-newFigure');
  assert.equal(await page.evaluate(`!!document.querySelector('${BOX}')`), false);
});

async function main() {
  const browser = await Browser.launch();
  let failed = 0;
  const only = process.env.ONLY;
  try {
    for (const { name, run } of sections) {
      if (only && !name.includes(only)) continue;
      const server = await serve(site);
      const started = Date.now();
      try {
        await run({ browser, server });
        console.log(`ok   ${name} (${Date.now() - started} ms)`);
      } catch (e) {
        failed += 1;
        console.log(`FAIL ${name}\n${e.stack}`);
      } finally {
        for (const page of opened.splice(0)) await page.close().catch(() => {});
        if (server.listening) await server.stop();
      }
    }
  } finally {
    await browser.close();
  }
  console.log(`${failed ? 'some' : 'all'} checks run, ${failed} failed`);
  if (failed || process.env.KEEP) console.log(`screenshots in ${shots}`);
  else rmSync(shots, { recursive: true, force: true });
  rmSync(site, { recursive: true, force: true });
  process.exit(failed ? 1 : 0);
}

await main();
