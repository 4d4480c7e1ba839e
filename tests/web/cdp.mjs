// A DevTools-protocol client over Chromium's --remote-debugging-pipe: no WebSocket and no package needed,
// and nothing is downloaded. One browser per test run, each with a fresh profile.
import { spawn } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

// Every wait is bounded, and names what it waited for when the bound is reached; none paces the test.
export const LIMIT_MS = Number(process.env.WEB_TEST_LIMIT ?? 60000);

export function within(promise, what, limit = LIMIT_MS) {
  let timer;
  const expired = new Promise((_, reject) => {
    timer = setTimeout(() => reject(new Error(`no ${what} within ${limit} ms`)), limit);
  });
  return Promise.race([promise, expired]).finally(() => clearTimeout(timer));
}

const FLAGS = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
  '--disable-dev-shm-usage', '--remote-debugging-pipe', '--window-size=1024,768', '--lang=ja'];

export class Browser {
  static async launch(chromium = process.env.CHROMIUM ?? '/usr/bin/chromium') {
    const profile = mkdtempSync(join(tmpdir(), 'nuboro-chromium-'));
    // fd 3 carries commands to the browser, fd 4 its answers and events, each ended by a NUL byte.
    const child = spawn(chromium, [...FLAGS, `--user-data-dir=${profile}`, 'about:blank'],
      { stdio: ['ignore', 'ignore', 'pipe', 'pipe', 'pipe'] });
    const browser = new Browser(child, profile);
    await within(browser.send('Browser.getVersion'), 'answer from Chromium');
    return browser;
  }

  constructor(child, profile) {
    this.child = child;
    this.profile = profile;
    this.nextId = 1;
    this.pending = new Map();
    this.listeners = new Set();
    this.stderr = '';
    child.stderr.on('data', (d) => { this.stderr = (this.stderr + d).slice(-4000); });
    let buffered = Buffer.alloc(0);
    child.stdio[4].on('data', (chunk) => {
      buffered = Buffer.concat([buffered, chunk]);
      for (let end; (end = buffered.indexOf(0)) >= 0; buffered = buffered.subarray(end + 1)) {
        this.#receive(JSON.parse(buffered.subarray(0, end).toString('utf8')));
      }
    });
    child.on('exit', (code) => {
      for (const { reject } of this.pending.values()) reject(new Error(`Chromium ended (${code}): ${this.stderr}`));
      this.pending.clear();
    });
  }

  #receive(message) {
    if (message.id !== undefined) {
      const waiting = this.pending.get(message.id);
      this.pending.delete(message.id);
      if (message.error) waiting?.reject(new Error(`${waiting.method}: ${message.error.message}`));
      else waiting?.resolve(message.result);
      return;
    }
    for (const listener of [...this.listeners]) listener(message);
  }

  send(method, params = {}, sessionId = undefined) {
    const id = this.nextId++;
    this.child.stdio[3].write(JSON.stringify({ id, method, params, sessionId }) + '\0');
    return new Promise((resolve, reject) => this.pending.set(id, { resolve, reject, method }));
  }

  // The next event `method` of the session (or of the browser) for which `accept` holds.
  event(method, sessionId = undefined, accept = () => true) {
    return new Promise((resolve) => {
      const listener = (m) => {
        if (m.method === method && m.sessionId === sessionId && accept(m.params)) {
          this.listeners.delete(listener);
          resolve(m.params);
        }
      };
      this.listeners.add(listener);
    });
  }

  on(method, sessionId, handler) {
    const listener = (m) => { if (m.method === method && m.sessionId === sessionId) handler(m.params); };
    this.listeners.add(listener);
    return () => this.listeners.delete(listener);
  }

  // A page in a browser context of its own (storage, service workers and downloads apart from the others),
  // or with `shared` in the profile's own, the only one where a site can be installed.
  async newPage({ shared = false } = {}) {
    const { browserContextId } = shared ? {} : await this.send('Target.createBrowserContext', {});
    const { targetId } = await this.send('Target.createTarget', { url: 'about:blank', browserContextId });
    const { sessionId } = await this.send('Target.attachToTarget', { targetId, flatten: true });
    const page = new Page(this, sessionId, browserContextId, targetId);
    await Promise.all(['Page.enable', 'Runtime.enable', 'Network.enable', 'DOM.enable'].map((m) => page.send(m)));
    return page;
  }

  async close() {
    if (this.child.exitCode === null) {
      const ended = new Promise((resolve) => this.child.once('exit', resolve));
      this.send('Browser.close').catch(() => {});
      await within(ended, 'end of Chromium', 10000).catch(() => this.child.kill('SIGKILL'));
    }
    // Its helper processes may still be letting go of the profile.
    rmSync(this.profile, { recursive: true, force: true, maxRetries: 10 });
  }
}

// CDP's modifier bits, and the keys a test presses by name.
const ALT = 1, CTRL = 2, SHIFT = 8;
const NAMED = {
  Enter: { code: 'Enter', key: 'Enter', vk: 13, text: '\r' }, Escape: { code: 'Escape', key: 'Escape', vk: 27 },
  Backspace: { code: 'Backspace', key: 'Backspace', vk: 8 }, Space: { code: 'Space', key: ' ', vk: 32, text: ' ' },
  ArrowLeft: { code: 'ArrowLeft', key: 'ArrowLeft', vk: 37 }, ArrowUp: { code: 'ArrowUp', key: 'ArrowUp', vk: 38 },
  ArrowRight: { code: 'ArrowRight', key: 'ArrowRight', vk: 39 }, ArrowDown: { code: 'ArrowDown', key: 'ArrowDown', vk: 40 },
};
const MODIFIER_KEYS = [['Shift', SHIFT, 'ShiftLeft', 16], ['Control', CTRL, 'ControlLeft', 17], ['Alt', ALT, 'AltLeft', 18]];

function describeKey(name) {
  if (NAMED[name]) return NAMED[name];
  if (/^F([1-9]|1[0-2])$/.test(name)) return { code: name, key: name, vk: 111 + Number(name.slice(1)) };
  if (/^[A-Z]$/.test(name)) return { code: `Key${name}`, key: name.toLowerCase(), vk: name.charCodeAt(0), text: name.toLowerCase() };
  if (/^[0-9]$/.test(name)) return { code: `Digit${name}`, key: name, vk: name.charCodeAt(0), text: name };
  throw new Error(`no such key: ${name}`);
}

export class Page {
  constructor(browser, sessionId, browserContextId, targetId) {
    this.browser = browser;
    this.sessionId = sessionId;
    this.browserContextId = browserContextId;
    this.targetId = targetId;
  }

  // Closes the page with its context, so that nothing of it runs beside the next one.
  async close() {
    await this.browser.send('Target.closeTarget', { targetId: this.targetId });
    if (this.browserContextId) await this.browser.send('Target.disposeBrowserContext', { browserContextId: this.browserContextId });
  }

  send(method, params) { return this.browser.send(method, params, this.sessionId); }
  event(method, accept) { return this.browser.event(method, this.sessionId, accept); }
  on(method, handler) { return this.browser.on(method, this.sessionId, handler); }

  async evaluate(expression) {
    const r = await this.send('Runtime.evaluate', { expression, awaitPromise: true, returnByValue: true });
    if (r.exceptionDetails) throw new Error(`${expression}: ${r.exceptionDetails.exception?.description ?? r.exceptionDetails.text}`);
    return r.result.value;
  }

  // Polls the page every 10 ms until `expression` is truthy, and gives its value. A promise is waited
  // for first: its answer is what must be truthy, not the promise.
  waitFor(expression, what, limit = LIMIT_MS) {
    return within(this.evaluate(`new Promise((resolve) => {
      const check = async () => { let v; try { v = await (${expression}); } catch { v = undefined; }
        if (v) resolve(v); else setTimeout(check, 10); };
      check(); })`), what, limit);
  }

  async navigate(url) {
    const loaded = this.event('Page.loadEventFired');
    await this.send('Page.navigate', { url });
    await within(loaded, `load of ${url}`);
  }

  async reload() {
    const loaded = this.event('Page.loadEventFired');
    await this.send('Page.reload', {});
    await within(loaded, 'reload');
  }

  // A key as a keyboard sends it: modifiers down first, the key down and up, modifiers up last.
  // `chord` is "Ctrl+Shift+X", "F5", "Enter" and the like.
  async press(chord) {
    const parts = chord.split('+');
    const key = describeKey(parts.pop());
    const held = MODIFIER_KEYS.filter(([name]) => parts.includes(name === 'Control' ? 'Ctrl' : name));
    let modifiers = 0;
    for (const [name, bit, code, vk] of held) {
      modifiers |= bit;
      await this.send('Input.dispatchKeyEvent', { type: 'rawKeyDown', modifiers, key: name, code, windowsVirtualKeyCode: vk });
    }
    const text = modifiers & (CTRL | ALT) ? undefined : (modifiers & SHIFT ? key.text?.toUpperCase() : key.text);
    await this.send('Input.dispatchKeyEvent', {
      type: text ? 'keyDown' : 'rawKeyDown', modifiers, key: key.key, code: key.code,
      windowsVirtualKeyCode: key.vk, text, unmodifiedText: text,
    });
    await this.send('Input.dispatchKeyEvent', { type: 'keyUp', modifiers, key: key.key, code: key.code, windowsVirtualKeyCode: key.vk });
    for (const [name, bit, code, vk] of held.reverse()) {
      modifiers &= ~bit;
      await this.send('Input.dispatchKeyEvent', { type: 'keyUp', modifiers, key: name, code, windowsVirtualKeyCode: vk });
    }
  }

  async centre(selector) {
    const r = await this.evaluate(`(() => { const r = document.querySelector(${JSON.stringify(selector)}).getBoundingClientRect();
      return { x: r.x + r.width / 2, y: r.y + r.height / 2 }; })()`);
    return r;
  }

  async click(selector) {
    const { x, y } = await this.centre(selector);
    await this.send('Input.dispatchMouseEvent', { type: 'mouseMoved', x, y });
    await this.send('Input.dispatchMouseEvent', { type: 'mousePressed', x, y, button: 'left', buttons: 1, clickCount: 1 });
    await this.send('Input.dispatchMouseEvent', { type: 'mouseReleased', x, y, button: 'left', buttons: 0, clickCount: 1 });
  }

  async tap(selector) {
    const { x, y } = await this.centre(selector);
    await this.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [{ x, y }] });
    await this.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  }

  async screenshot() {
    const { data } = await this.send('Page.captureScreenshot', { format: 'png' });
    return Buffer.from(data, 'base64');
  }
}
