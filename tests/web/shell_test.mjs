// The page shell in a real browser: the module's pixels on the canvas, keys as the desktop's virtual-key
// codes and kept from the browser, message boxes the C++ side waits on, entries held while it waits, the
// settings store, file pickers, uploads and downloads, and the offline copy.
// Usage: node shell_test.mjs SITE_FOLDER. KEEP=1 keeps the screenshots; a failing run always does.
import assert from 'node:assert/strict';
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { Browser, within } from './cdp.mjs';
import { serve } from './server.mjs';

// The page runs the real front-end; these checks of its glue run a copy whose page loads the probe.
const site = mkdtempSync(join(tmpdir(), 'nuboro-probe-'));
cpSync(resolve(process.argv[2] ?? 'build-web/site'), site, { recursive: true });
const pageJs = join(site, 'page.js');
writeFileSync(pageJs, readFileSync(pageJs, 'utf8').replace("'./front.js'", "'./nuboro.js'"));
const figure = resolve(dirname(fileURLToPath(import.meta.url)), '../data/lessons/lesson1.nbo');
const figureBytes = readFileSync(figure);
const shots = mkdtempSync(join(tmpdir(), 'nuboro-web-'));

// File System Access pickers cannot be answered through the protocol (it can only cancel them), so these
// stand-ins answer with real handles from the origin's private file system, named by the test.
const PICKERS = `
  window.pickers = { open: null, save: null, failWrite: false };
  const folder = () => navigator.storage.getDirectory();
  const none = () => new DOMException('', 'AbortError');
  window.showOpenFilePicker = async () => {
    if (!pickers.open) throw none();
    return [await (await folder()).getFileHandle(pickers.open)];
  };
  window.showSaveFilePicker = async () => {
    if (!pickers.save) throw none();
    const handle = await (await folder()).getFileHandle(pickers.save, { create: true });
    if (!pickers.failWrite) return handle;
    // A disk that fills up after the first bytes.
    return { createWritable: async () => {
      const w = await handle.createWritable();
      return { write: async (b) => { await w.write(b.slice(0, 5)); throw new DOMException('', 'QuotaExceededError'); },
               close: () => w.close(), abort: () => w.abort() };
    } };
  };
  window.readPrivate = async (name) => {
    const bytes = new Uint8Array(await (await (await (await folder()).getFileHandle(name)).getFile()).arrayBuffer());
    return btoa(String.fromCharCode(...bytes));
  };
  window.writePrivate = async (name, base64) => {
    const w = await (await (await folder()).getFileHandle(name, { create: true })).createWritable();
    await w.write(Uint8Array.from(atob(base64), (c) => c.charCodeAt(0)));
    await w.close();
  };`;
// Whether the browser's own action for each key was prevented, seen after the page's handlers ran.
const PREVENTED = `
  window.prevented = [];
  window.addEventListener('keydown', (e) => prevented.push(e.code + ':' + e.defaultPrevented));`;
const NO_PICKERS = 'window.showOpenFilePicker = undefined; window.showSaveFilePicker = undefined;';
const REFUSED_STORAGE = "Storage.prototype.setItem = () => { throw new DOMException('', 'QuotaExceededError'); };";

const SHARED = '// the profile\'s own context';

const text = (id) => `document.getElementById('${id}').textContent`;

async function open(browser, url, ...scripts) {
  const page = await browser.newPage({ shared: scripts.includes(SHARED) });
  for (const source of scripts) await page.send('Page.addScriptToEvaluateOnNewDocument', { source });
  await page.navigate(url);
  await page.waitFor(`${text('visits')} !== ''`, 'start of the module');
  return page;
}

// The core's key log reads "count | vk:shift ...": the count tells when a key has arrived.
async function keyLog(page) {
  const [count, entries] = (await page.evaluate(text('keys'))).split(' | ');
  return { count: Number(count || 0), entries: entries ? entries.split(' ') : [] };
}

async function pressAndWait(page, chord, expected) {
  const before = (await keyLog(page)).count;
  await page.press(chord);
  await page.waitFor(`Number(${text('keys')}.split(' | ')[0]) >= ${before + expected.length}`, `core's entry for ${chord}`);
  return (await keyLog(page)).entries.slice(-expected.length);
}

async function pixel(page, x, y) {
  return page.evaluate(`Array.from(document.getElementById('figure').getContext('2d').getImageData(${x}, ${y}, 1, 1).data)`);
}

async function shot(page, name) {
  writeFileSync(join(shots, name), await page.screenshot());
}

const sections = [];
const section = (name, run) => sections.push({ name, run });

section('the module starts and fills the canvas from its own pixels', async ({ browser, server }) => {
  const page = await open(browser, server.url, SHARED);
  assert.equal(await page.evaluate(text('visits')), '1');
  assert.equal(await page.evaluate('document.title'), '立体ヌボロ for Windows Ver3.1');
  // Floats formatted as %.7G by the C++ side, since its standard library has no floating to_chars.
  assert.equal(await page.evaluate(text('numbers')), '12.5 0.1 -3 1E-05 1234568 -0.5 -0.5');
  const cases = [[300, 20, [0, 255, 0, 255]], [20, 300, [0, 0, 255, 255]], [300, 300, [0, 51, 0, 255]],
    [244 + 100, 188, [255, 255, 255, 255]], [244 + 50, 188, [255, 255, 0, 255]], [100, 100, [255, 0, 0, 255]]];
  for (const [x, y, rgba] of cases) assert.deepEqual(await pixel(page, x, y), rgba, `pixel ${x},${y}`);
  const texts = await page.evaluate(`(() => { const d = document.getElementById('figure').getContext('2d')
    .getImageData(8, 8, 160, 36).data; let n = 0; for (let i = 0; i < d.length; i += 4) n += d[i + 1] > 128; return n; })()`);
  assert.ok(texts > 100, `the canvas texts drew ${texts} light pixels`);
  await shot(page, 'start.png');
  const first = await page.evaluate(`performance.getEntriesByName('nuboro-first-frame')[0].startTime`);
  console.log(`     navigation to the first frame: ${first.toFixed(1)} ms`);
  const manifest = await page.send('Page.getAppManifest', {});
  assert.deepEqual(manifest.errors, []);
  assert.equal(JSON.parse(manifest.data).short_name, '立体ヌボロ');
  assert.deepEqual((await page.send('Page.getInstallabilityErrors', {})).installabilityErrors, []);
  await page.reload();
  await page.waitFor(`${text('visits')} === '2'`, 'the visit count read back from localStorage');
});

section('keys reach the core as virtual-key codes and never the browser', async ({ browser, server }) => {
  const page = await open(browser, server.url, PICKERS, PREVENTED);
  let navigations = 0;
  page.on('Page.frameNavigated', () => { navigations += 1; });
  const cases = [
    ['F5', ['116:0']], ['Ctrl+R', ['17:2', '82:2']], ['Ctrl+L', ['17:2', '76:2']], ['Ctrl+S', ['17:2', '83:2']],
    ['F12', ['123:0']], ['Shift+X', ['16:1', '88:1']], ['Alt+Z', ['18:4', '90:4']], ['Ctrl+Shift+A', ['16:1', '17:3', '65:3']],
    ['ArrowUp', ['38:0']], ['ArrowLeft', ['37:0']], ['Enter', ['13:0']], ['Escape', ['27:0']], ['Backspace', ['8:0']],
    ['Space', ['32:0']], ['7', ['55:0']], ['F3', ['114:0']], ['Shift+F2', ['16:1', '113:1']],
  ];
  for (const [chord, expected] of cases) {
    assert.deepEqual(await pressAndWait(page, chord, expected), expected, chord);
  }
  const prevented = await page.evaluate('prevented');
  assert.deepEqual(prevented.filter((p) => p.endsWith(':false')), [], 'keys left to the browser');
  assert.equal(prevented.length, cases.reduce((n, [, e]) => n + e.length, 0));
  // Ctrl+L and Ctrl+S opened the (stand-in) pickers, which were cancelled; nothing left the page.
  assert.equal(await page.evaluate(text('file')), '取消し');
  assert.equal(navigations, 0);
});

section('a message box waits for its answer, by mouse, touch or key', async ({ browser, server }) => {
  const page = await open(browser, server.url, PREVENTED);
  const boxOpen = '#message-box[open]';
  const cases = [
    ['F1', (p) => p.click('#message-box button[data-answer="2"]'), 'はい'],
    ['F1', (p) => p.tap('#message-box button[data-answer="3"]'), 'いいえ'],
    ['F1', (p) => p.press('N'), 'いいえ'],
    ['F1', (p) => p.press('Y'), 'はい'],
    ['Q', (p) => p.press('Escape'), 'キャンセル'],
    ['Q', (p) => p.press('Enter'), 'OK'],
  ];
  for (const c of cases) {
    const [key, answer, expected] = c;
    await page.evaluate(`${text('answer')} = ''`);
    await page.press(key);
    await page.waitFor(`document.querySelector('${boxOpen}')`, `box opened by ${key} (case ${cases.indexOf(c)})`);
    if (key === 'F1' && expected === 'はい') {
      assert.deepEqual(await page.evaluate(`[...document.querySelectorAll('#message-box .title, #message-box .text, #message-box button')]
        .map((e) => e.textContent)`), ['ちょっとまってね', '図形が変更されています。保存しますか？', 'はい(Y)', 'いいえ(N)']);
      await shot(page, 'message-box.png');
      // While the box is up, keys stay with it and away from both the core and the browser.
      const before = await keyLog(page);
      await page.press('X');
      await page.press('Ctrl+S');
      assert.deepEqual(await keyLog(page), before);
      assert.deepEqual((await page.evaluate('prevented')).slice(-2), ['ControlLeft:true', 'KeyS:true']);
    }
    await answer(page);
    assert.equal(await page.waitFor(`!document.querySelector('${boxOpen}') && ${text('answer')}`, `answer to ${key}`), expected);
  }
  // Only the keys that opened the boxes reached the core, none of those that answered them.
  assert.equal((await keyLog(page)).count, cases.length);
  await page.press('Q');
  await page.waitFor(`document.querySelector('${boxOpen}')`, 'the OK/Cancel box');
  assert.equal(await page.evaluate(`document.querySelector('#message-box .title').textContent`), '立体ヌボロ for Windows Ver.3.1');
  await page.press('Escape');
});

section('entries wait while the core waits, and run in order after it', async ({ browser, server }) => {
  const page = await open(browser, server.url);
  await page.evaluate(`window.changes = [];
    for (const id of ['frames', 'keys', 'control']) new MutationObserver(() => changes.push(id + '=' + document.getElementById(id).textContent))
      .observe(document.getElementById(id), { childList: true, characterData: true, subtree: true });`);
  // A glide waits for nine display frames, W for 100 ms (emscripten_sleep).
  await page.press('G');
  await page.press('X');
  await page.press('W');
  await page.click('[data-control="4"]');
  await page.waitFor(`${text('control')} === '4'`, 'the click after the glide');
  const changes = (await page.evaluate('changes')).map((c) => (c.startsWith('keys=') ? c.split(' ').pop() : c));
  assert.deepEqual(changes, ['71:0', 'frames=9', '88:0', '87:0', 'frames=100 ms', 'control=4']);
  await page.tap('[data-control="12"]');
  await page.waitFor(`${text('control')} === '12'`, 'a tapped picture button');
  await page.press('T');
  await page.waitFor(`Number(${text('ticks')}) >= 3`, 'three timer ticks');
  // A module that aborts says so, and is not entered again.
  await page.press('F9');
  await page.waitFor(`!document.getElementById('failure').hidden`, 'the failure notice');
  const count = (await keyLog(page)).count;
  await page.press('X');
  assert.equal((await keyLog(page)).count, count);
});

section('settings the browser refuses to keep are reported, not lost silently', async ({ browser, server }) => {
  const page = await open(browser, server.url, REFUSED_STORAGE);
  assert.equal(await page.evaluate(text('visits')), '1 保存できません');
});

section('figure files through the pickers: the same bytes in and out, a failed write keeps the old file',
  async ({ browser, server }) => {
    const page = await open(browser, server.url, PICKERS);
    await page.evaluate(`writePrivate('lesson1.nbo', '${figureBytes.toString('base64')}')
      .then(() => writePrivate('kept.nbo', '${Buffer.from('old').toString('base64')}'))
      .then(() => { pickers.open = 'lesson1.nbo'; pickers.save = 'saved.nbo'; })`);
    await page.press('Ctrl+L');
    await page.waitFor(`${text('file')} === 'lesson1.nbo ${figureBytes.length}'`, 'the chosen figure');
    await page.press('Ctrl+S');
    await page.waitFor(`${text('file')} === '保存しました'`, 'the save');
    assert.deepEqual(Buffer.from(await page.evaluate(`readPrivate('saved.nbo')`), 'base64'), figureBytes);
    await page.evaluate(`pickers.save = 'kept.nbo'; pickers.failWrite = true`);
    await page.press('Ctrl+S');
    await page.waitFor(`${text('file')} === '失敗'`, 'the failed save');
    assert.equal(Buffer.from(await page.evaluate(`readPrivate('kept.nbo')`), 'base64').toString(), 'old');
  });

section('without pickers: an upload in, a download out, a cancelled upload ends the wait',
  async ({ browser, server }) => {
    const page = await open(browser, server.url, NO_PICKERS);
    const downloads = mkdtempSync(join(tmpdir(), 'nuboro-downloads-'));
    try {
      await page.send('Page.setInterceptFileChooserDialog', { enabled: true });
      const chooser = page.event('Page.fileChooserOpened');
      await page.press('Ctrl+L');
      const { backendNodeId } = await within(chooser, 'the upload chooser');
      await page.send('DOM.setFileInputFiles', { files: [figure], backendNodeId });
      await page.waitFor(`${text('file')} === 'lesson1.nbo ${figureBytes.length}'`, 'the uploaded figure');

      await page.browser.send('Browser.setDownloadBehavior', {
        behavior: 'allowAndName', downloadPath: downloads, eventsEnabled: true, browserContextId: page.browserContextId });
      const begun = page.browser.event('Browser.downloadWillBegin');
      const done = page.browser.event('Browser.downloadProgress', undefined, (p) => p.state === 'completed');
      await page.press('Ctrl+S');
      const { guid, suggestedFilename } = await within(begun, 'the download');
      assert.equal(suggestedFilename, 'lesson1.nbo');
      await within(done, 'the end of the download');
      assert.deepEqual(readFileSync(join(downloads, guid)), figureBytes);

      await page.send('Page.setInterceptFileChooserDialog', { enabled: true, cancel: true });
      await page.press('Ctrl+L');
      await page.waitFor(`${text('file')} === '取消し'`, 'the cancelled upload');
    } finally {
      rmSync(downloads, { recursive: true, force: true });
    }
  });

section('after the first visit the site starts offline from the service worker', async ({ browser, server }) => {
  const page = await open(browser, server.url);
  await page.waitFor('navigator.serviceWorker.controller', 'the service worker in control');
  await page.waitFor(`caches.keys().then((k) => k.length === 1 && caches.open(k[0])).then((c) => c && c.keys()).then((r) => r && r.length)`,
    'the cached site');
  const served = server.served;
  await page.send('Network.emulateNetworkConditions', { offline: true, latency: 0, downloadThroughput: -1, uploadThroughput: -1 });
  await server.stop();
  await page.reload();
  await page.waitFor(`${text('visits')} === '2'`, 'the module started offline');
  assert.deepEqual(await pixel(page, 300, 20), [0, 255, 0, 255]);
  assert.equal(server.served, served, 'requests that reached the server');
  await shot(page, 'offline.png');
});

async function main() {
  const browser = await Browser.launch();
  let failed = 0;
  try {
    for (const { name, run } of sections) {
      const server = await serve(site);
      const started = Date.now();
      try {
        await run({ browser, server });
        console.log(`ok   ${name} (${Date.now() - started} ms)`);
      } catch (e) {
        failed += 1;
        console.log(`FAIL ${name}\n${e.stack}`);
      } finally {
        if (server.listening) await server.stop();
      }
    }
  } finally {
    await browser.close();
  }
  console.log(`${sections.length - failed} passed, ${failed} failed`);
  if (failed || process.env.KEEP) console.log(`screenshots in ${shots}`);
  else rmSync(shots, { recursive: true, force: true });
  rmSync(site, { recursive: true, force: true });
  process.exit(failed ? 1 : 0);
}

await main();
