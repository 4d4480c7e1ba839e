// Sounds, the clipboard, About and help of the real front-end in a real browser, each reached the way a
// learner reaches it (a key, a click on the menu item's control). Usage: node services_test.mjs SITE_FOLDER.
import assert from 'node:assert/strict';
import { cpSync, mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { Browser } from './cdp.mjs';
import { serve } from './server.mjs';

const site = mkdtempSync(join(tmpdir(), 'nuboro-services-'));
cpSync(resolve(process.argv[2] ?? 'build-web/site'), site, { recursive: true });
rmSync(join(site, 'sw.js'));

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

const started = (page) => page.waitFor(`document.getElementById('explanation').textContent !== ''`, 'start of the core');

// A stand-in AudioContext that counts decodes and starts by file, and ends each sound after its length.
const AUDIO = (state) => `(() => {
  const log = window.audioLog = { decoded: {}, started: {}, ended: {}, explanation: 0 };
  ${state === 'none' ? 'delete window.AudioContext; delete window.webkitAudioContext; return;' : ''}
  let url = '';
  const realFetch = window.fetch;
  window.fetch = (u, ...rest) => { url = String(u).split('/').pop(); return realFetch(u, ...rest); };
  window.AudioContext = class {
    state = '${state}';
    destination = {};
    resume() { return new Promise(() => {}); }
    decodeAudioData() { const name = url; log.decoded[name] = (log.decoded[name] ?? 0) + 1;
      return Promise.resolve({ duration: 0.3, name }); }
    createBufferSource() {
      const source = { connect() {}, stop() {}, start() {
        const name = source.buffer.name; log.started[name] = (log.started[name] ?? 0) + 1;
        setTimeout(() => { log.ended[name] = performance.now(); source.onended?.(); }, 300); } };
      return source;
    }
  };
  addEventListener('DOMContentLoaded', () => new MutationObserver(() => { log.explanation ||= performance.now(); })
    .observe(document.getElementById('explanation'), { subtree: true, childList: true, characterData: true }));
})()`;

const browser = await Browser.launch();
const server = await serve(site);
let failed = false;
async function check(what, body) {
  try {
    await body();
    console.log(`ok   ${what}`);
  } catch (e) {
    failed = true;
    console.log(`FAIL ${what}\n${e.stack}`);
  }
}

try {
  // Sounds: the splash waits for its sound where the page may play it, a turn's sound is decoded once,
  // and a page that may not play (or has no audio) starts just the same.
  for (const state of ['running', 'suspended', 'none']) {
    await check(`sounds with the page's audio ${state}`, async () => {
      const page = await browser.newPage({});
      await page.send('Page.addScriptToEvaluateOnNewDocument', { source: AUDIO(state) });
      await page.navigate(server.url);
      await started(page);
      await page.press('ArrowRight');
      await page.press('ArrowRight');
      await page.waitFor(`document.getElementById('angle').textContent !== '等角図'`, 'the turns');
      const log = await page.evaluate('JSON.stringify(window.audioLog)').then(JSON.parse);
      if (state === 'running') {
        assert.deepEqual(log.started['splash.wav'], 1);
        assert.ok(log.explanation >= log.ended['splash.wav'], 'start-up waited for the splash sound');
        await page.waitFor(`window.audioLog.started['turn.wav'] >= 2`, 'two turn sounds');
        assert.equal(await page.evaluate(`window.audioLog.decoded['turn.wav']`), 1);
      } else {
        assert.deepEqual(log.started, {});
      }
    });
  }
} finally {
  await server.stop();
  await browser.close();
  rmSync(site, { recursive: true, force: true });
}
process.exit(failed ? 1 : 0);
