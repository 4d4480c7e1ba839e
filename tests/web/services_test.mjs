// Sounds, the clipboard, About and help of the real front-end in a real browser, each reached the way a
// learner reaches it (a key, a click on the menu item's control). Usage: node services_test.mjs SITE_FOLDER.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { within } from './cdp.mjs';
import { browserTest } from './harness.mjs';

// The controls' ids, by the order of the core's own list.
const here = dirname(fileURLToPath(import.meta.url));
const controls = readFileSync(join(here, '../../core/construction/controls.h'), 'utf8')
  .match(/enum class Control : uint8_t \{([^}]*)\}/)[1].split(',').map((s) => s.trim()).filter(Boolean);
const id = (name) => {
  const n = controls.indexOf(name);
  assert.ok(n >= 0, name);
  return n;
};

// A command as the learner gives it: a click on an element that stands for its menu item.
async function command(page, name) {
  await page.evaluate(`(() => { let b = document.getElementById('test-command');
    if (!b) { b = document.createElement('button'); b.id = 'test-command';
      b.style = 'position: fixed; left: 0; bottom: 0; width: 24px; height: 24px; z-index: 99';
      document.body.append(b); }
    b.dataset.control = '${id(name)}'; })()`);
  await page.click('#test-command');
}

// Retries an answer that fails until it comes, within the common limit.
function poll(answer, what) {
  let given = false;
  return within((async () => {
    while (!given) {
      try {
        return await answer();
      } catch {
        await new Promise((r) => setTimeout(r, 20));
      }
    }
  })(), what).finally(() => { given = true; });
}

// Started, and the splash gone by itself.
const started = (page) => page.waitFor(`document.getElementById('explanation').textContent !== ''
  && document.getElementById('about') && !document.getElementById('about').open`, 'start of the core');

// A stand-in AudioContext that counts contexts made, decodes and starts by file, and ends each sound after
// its length.
const AUDIO = (state) => `(() => {
  const log = window.audioLog = { made: 0, decoded: {}, started: {} };
  ${state === 'none' ? 'delete window.AudioContext; delete window.webkitAudioContext; return;' : ''}
  // Each fetched body remembers its file's name.
  const names = new WeakMap();
  const realFetch = window.fetch;
  window.fetch = (u, ...rest) => realFetch(u, ...rest).then((r) => {
    const read = r.arrayBuffer.bind(r);
    r.arrayBuffer = () => read().then((b) => { names.set(b, String(u).split('/').pop()); return b; });
    return r; });
  window.AudioContext = class {
    state = '${state}';
    destination = {};
    constructor() { log.made += 1; }
    resume() { return new Promise(() => {}); }
    decodeAudioData(bytes) { const name = names.get(bytes); log.decoded[name] = (log.decoded[name] ?? 0) + 1;
      return Promise.resolve({ duration: 0.3, name }); }
    createBufferSource() {
      const source = { connect() {}, stop() {}, start() {
        const name = source.buffer.name; log.started[name] = (log.started[name] ?? 0) + 1;
        setTimeout(() => source.onended?.(), 300); } };
      return source;
    }
  };
})()`;

await browserTest('nuboro-services-', async ({ browser, server, site, check }) => {
  // Sounds: no audio is made before the learner's first gesture (the splash is silent and start-up does not
  // wait); after it a turn plays its sound, decoded once, and the version box its own. A page that may not
  // play, or has no audio, works just the same.
  for (const state of ['running', 'suspended', 'none']) {
    await check(`sounds with the page's audio ${state}`, async () => {
      const page = await browser.newPage({});
      await page.send('Page.addScriptToEvaluateOnNewDocument', { source: AUDIO(state) });
      await page.navigate(server.url);
      await started(page);
      assert.equal(await page.evaluate('window.audioLog.made'), 0);
      await page.press('ArrowRight');
      await page.press('ArrowRight');
      await command(page, 'mnuShowVersion');
      await page.waitFor(`document.querySelector('#about[open] button:not([hidden])')`, 'the version box');
      if (state === 'running') {
        await page.waitFor(`window.audioLog.started['turn.wav'] >= 2 && window.audioLog.started['splash.wav']`,
          'two turn sounds and the version box\'s');
        const log = await page.evaluate('JSON.stringify(window.audioLog)').then(JSON.parse);
        assert.deepEqual(log.decoded, { 'turn.wav': 1, 'splash.wav': 1 });
        assert.deepEqual(log.started, { 'turn.wav': 2, 'splash.wav': 1 });
      } else {
        assert.deepEqual(await page.evaluate('window.audioLog.started'), {});
      }
    });
  }

  // The copy: a PNG at the normal canvas size whatever the window's size, in colour or black on white; a
  // browser that refuses says so in a box, and the program goes on.
  const PNG = `navigator.clipboard.read().then(async (items) => {
    const bitmap = await createImageBitmap(await items[0].getType('image/png'));
    const c = new OffscreenCanvas(bitmap.width, bitmap.height).getContext('2d');
    c.drawImage(bitmap, 0, 0);
    const d = c.getImageData(0, 0, bitmap.width, bitmap.height).data;
    const n = {};
    for (let i = 0; i < d.length; i += 4) { const k = d[i] + ',' + d[i + 1] + ',' + d[i + 2]; n[k] = (n[k] ?? 0) + 1; }
    const ground = Object.entries(n).sort((a, b) => b[1] - a[1])[0][0];
    return JSON.stringify({ width: bitmap.width, height: bitmap.height, ground });
  })`;
  for (const [size, copy, ground] of [['mnuNormalSize', 'mnuColorCopy', '0,51,0'],
    ['mnuExpansion1', 'mnuColorCopy', '0,51,0'], ['mnuNormalSize', 'mnuMonoCopy', '255,255,255']]) {
    await check(`${copy} at ${size}`, async () => {
      const page = await browser.newPage({});
      await page.navigate(server.url);
      await browser.send('Browser.grantPermissions', { origin: server.url.slice(0, -1),
        browserContextId: page.browserContextId, permissions: ['clipboardReadWrite', 'clipboardSanitizedWrite'] });
      await started(page);
      // A fresh page starts at the normal size: its canvas is what every copy must give.
      const height = await page.evaluate(`document.getElementById('figure').height`);
      // The browser's clipboard is one for all pages: the last case's picture goes first.
      await page.evaluate(`navigator.clipboard.writeText('')`);
      await command(page, size);
      await command(page, copy);
      const got = await poll(() => page.evaluate(PNG), 'a picture on the clipboard').then(JSON.parse);
      assert.deepEqual(got, { width: 488, height, ground });
    });
  }

  await check('a copy the browser refuses is said so', async () => {
    const page = await browser.newPage({});
    await page.navigate(server.url);
    await browser.send('Browser.setPermission', { origin: server.url.slice(0, -1),
      browserContextId: page.browserContextId, permission: { name: 'clipboard-write' }, setting: 'denied' });
    await started(page);
    await command(page, 'mnuColorCopy');
    const box = `document.querySelector('#message-box[open] .text')?.textContent`;
    assert.equal(await page.waitFor(box, 'the message box'), 'クリップボードにコピーできませんでした。');
    await page.click('#message-box button');
    await page.waitFor(`!document.querySelector('dialog[open]')`, 'the box closed');
  });

  // About: the splash at start-up goes by itself; the version box stays until its OK.
  await check('the splash and the version box', async () => {
    const page = await browser.newPage({});
    await page.send('Page.addScriptToEvaluateOnNewDocument', { source: `window.shown = [];
      const showModal = HTMLDialogElement.prototype.showModal;
      HTMLDialogElement.prototype.showModal = function () {
        shown.push(this.id + ' ' + (this.querySelector('img')?.src.split('/').slice(-2).join('/') ?? ''));
        return showModal.call(this); };` });
    await page.navigate(server.url);
    await started(page);
    assert.deepEqual(await page.evaluate('window.shown'), ['about pic/nubospla.bmp']);
    await command(page, 'mnuShowVersion');
    const picture = `document.querySelector('#about[open] img')?.naturalWidth`;
    assert.equal(await page.waitFor(picture, 'the version picture'), 320);
    assert.deepEqual(await page.evaluate('window.shown'), ['about pic/nubospla.bmp', 'about pic/Nubover.bmp']);
    await page.click('#about button');
    await page.waitFor(`!document.getElementById('about').open`, 'the version box closed by its OK');
  });

  // Help: the contents page in the help's style, its links followed inside the panel, 戻る back again.
  await check('help opens at its contents and follows its links', async () => {
    const page = await browser.newPage({});
    await page.navigate(server.url);
    await started(page);
    await command(page, 'mnuHelpCall');
    const heading = `document.querySelector('#help:not([hidden]) iframe')?.contentDocument?.querySelector('h1')?.textContent`;
    assert.match(await page.waitFor(heading, 'the contents page'), /ヘルプ/);
    await page.waitFor(`getComputedStyle(document.querySelector('#help iframe').contentDocument.body)
      .backgroundColor === 'rgb(255, 253, 246)'`, 'the help\'s own style');
    const contents = await page.evaluate(heading);
    const { x, y } = await page.evaluate(`(() => { const f = document.querySelector('#help iframe');
      const a = f.contentDocument.querySelector('a[href="keys.html"]'); a.scrollIntoView();
      const o = f.getBoundingClientRect(), r = a.getBoundingClientRect();
      return { x: o.x + r.x + r.width / 2, y: o.y + r.y + r.height / 2 }; })()`);
    await page.send('Input.dispatchMouseEvent', { type: 'mousePressed', x, y, button: 'left', buttons: 1, clickCount: 1 });
    await page.send('Input.dispatchMouseEvent', { type: 'mouseReleased', x, y, button: 'left', buttons: 0, clickCount: 1 });
    const keys = readFileSync(join(site, 'help/keys.html'), 'utf8').match(/<h1>(.*?)<\/h1>/)[1];
    await page.waitFor(`${heading} === ${JSON.stringify(keys)}`, 'the keys page');
    await page.click('#help [data-help="back"]');
    await page.waitFor(`${heading} === ${JSON.stringify(contents)}`, 'the contents page again');
  });
});
