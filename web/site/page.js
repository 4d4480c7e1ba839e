// The page around the WebAssembly module: what its C++ side calls (Module.page), and the one queue through
// which keys, clicks and timers enter it.
import createNuboro from './front.js';
import { playWave } from './sound.js';
import { loadAbout, showAbout, closeAbout } from './about.js';
import { virtualKey, dialogKey } from './keys.js';
import { ask, dialogOpen } from './dialog.js';
import { openFile, chooseSaveFile, writeFile, takeDrops } from './files.js';
import { windowPage } from './window.js';

// What start-up never needs is fetched when first asked for, or once the first frame is up.
// One that cannot be fetched (offline before the page was kept) is tried again next time, and meanwhile
// answers as closed or refused rather than leave the program waiting.
const later = (load) => {
  let loading = null;
  return () => (loading ??= load().catch((e) => {
    console.warn('not fetched:', e);
    loading = null;
    return null;
  }));
};
const options = later(() => import('./options.js'));
const help = later(() => import('./help.js'));
const clipboard = later(() => import('./clipboard.js'));

// Start-up reads the sample figure: fetched beside the module and handed over at once, so that start-up
// runs through to its first frame instead of waiting for the network while the page draws a half-built
// window. Each is handed over once; a later read fetches afresh.
const early = new Map();
for (const path of ['data/sample/nubo01.nbo']) {
  const url = new URL(path, document.baseURI).href;
  early.set(url, fetch(url).then((r) => (r.ok ? r.arrayBuffer() : null)).catch(() => null));
}

const CANVAS_FONT = '12px "Noto Sans CJK JP", "Hiragino Sans", "Yu Gothic", "Meiryo", sans-serif';

// A C++ call that waits (a message box, a file picker, a glide's frame) has its stack put aside by
// Asyncify; entering the module again then would wreck it. So entries run one at a time, in order, and a
// timer already waiting is not queued twice.
const waiting = [];
let running = false;
let module = null;

function enter(name, ...args) {
  if (!module) return;  // keys pressed while the page loads
  if (name === 'page_timer' && waiting.some(([n, a]) => n === name && a[0] === args[0])) return;
  // Moves of a hand still waiting are one move: the gesture counts from where the last step left it.
  const last = waiting.at(-1);
  if (name === 'page_hand' && args[0] === 1 && last?.[0] === name && last[1][0] === 1) return void (last[1] = args);
  waiting.push([name, args]);
  if (!running) drain();
}

async function drain() {
  running = true;
  while (waiting.length) {
    const [name, args] = waiting.shift();
    try {
      await module.ccall(name, null, args.map(() => 'number'), args, { async: true });
    } catch (e) {
      // The module aborted (emscripten ends it on any C++ throw): it cannot be entered again.
      fail(e);
      module = null;
      waiting.length = 0;
    }
  }
  running = false;
}

function keepOffline() {
  if ('serviceWorker' in navigator) {
    navigator.serviceWorker.register('sw.js').catch((e) => console.warn('offline copy not kept:', e));
  }
}

function fail(error) {
  console.error(error);
  const banner = document.getElementById('failure');
  banner.hidden = false;
  banner.textContent = 'プログラムでエラーが起きました。ページを読み込み直してください。';
}

function context(id) {
  return document.getElementById(id).getContext('2d');
}

function css(pixel) {
  return `rgb(${pixel & 0xff} ${(pixel >>> 8) & 0xff} ${(pixel >>> 16) & 0xff})`;
}

const timers = new Map();

const page = {
  present(id, data, width, height) {
    const canvas = document.getElementById(id);
    if (canvas.width !== width || canvas.height !== height) {
      canvas.width = width;
      canvas.height = height;
    }
    context(id).putImageData(new ImageData(data, width, height), 0, 0);
    // For the start-up benchmark: navigation to the first picture.
    if (!performance.getEntriesByName('nuboro-first-frame').length) {
      performance.mark('nuboro-first-frame');
      // The offline copy fetches the whole site: only once the figure is up, not in its way.
      setTimeout(() => {
        keepOffline();
        for (const load of [options, help, clipboard]) load();
      }, 0);
    }
  },
  text(id, x, y, text, pixel) {
    const c = context(id);
    c.font = CANVAS_FONT;
    c.textBaseline = 'top';
    c.fillStyle = css(pixel);
    c.fillText(text, x, y);
  },
  ask,
  stored(key) {
    try {
      return localStorage.getItem(key);
    } catch {
      return null;
    }
  },
  // A full or refused storage throws: the caller is told, not left believing the value kept.
  store(key, value) {
    try {
      localStorage.setItem(key, value);
      return localStorage.getItem(key) === value;
    } catch {
      return false;
    }
  },
  // The bytes of `path` fetched from the start (null when they could not be), or undefined.
  fetchedEarly(path) {
    const url = new URL(path, document.baseURI).href;
    const bytes = early.get(url);
    early.delete(url);
    return bytes;
  },
  openFile,
  chooseSaveFile,
  writeFile,
  prepareOtherOptions() {
    options().then((m) => m?.prepareOtherOptions());
  },
  openOtherOptions: async () => (await options())?.openOtherOptions() ?? -1,
  dataPathDialog: async (current) => (await options())?.dataPathDialog(current) ?? null,
  startTimer(id, interval) {
    clearInterval(timers.get(id));
    timers.set(id, setInterval(() => enter('page_timer', id), interval));
  },
  stopTimer(id) {
    clearInterval(timers.get(id));
    timers.delete(id);
  },
  playWave,
  copyPicture: async (id) => (await clipboard())?.copyPicture(id) ?? false,
  loadAbout,
  showAbout,
  closeAbout,
  openHelp(path) {
    help().then((m) => m?.openHelp(path));
  },
  // After 終了: a page cannot close its tab, so it says the program has ended and takes nothing more.
  end() {
    module = null;
    waiting.length = 0;
    for (const id of timers.keys()) page.stopTimer(id);
    document.getElementById('window').hidden = true;
    const ended = document.createElement('section');
    ended.id = 'ended';
    const again = Object.assign(document.createElement('button'), { type: 'button', textContent: 'もう一度始める' });
    again.addEventListener('click', () => location.reload());
    ended.append(Object.assign(document.createElement('p'), { textContent: '立体ヌボロを終了しました。' }), again);
    document.body.append(ended);
  },
  setText(id, text) {
    document.getElementById(id).textContent = text;
  },
  ...windowPage(enter),
};

// Every key the program knows goes to it and nowhere else, so F5 does not reload, Ctrl+S does not save
// the page and Ctrl+L does not leave for the address bar. A dialog or a form field keeps its own keys.
document.addEventListener('keydown', (event) => {
  const key = virtualKey(event);
  if (!key) return;
  const inForm = event.target.closest?.('input, select, textarea');
  if (dialogOpen() || inForm) {
    if (!dialogKey(event)) event.preventDefault();
    return;
  }
  event.preventDefault();
  enter('page_key_down', key.key, key.shift);
});

document.addEventListener('click', (event) => {
  const control = event.target.closest?.('[data-control]:not(:disabled)');
  if (control && !dialogOpen()) enter('page_control', Number(control.dataset.control));
});

takeDrops(() => enter('page_drop'));


try {
  module = await createNuboro({ page });
  enter('page_start');
} catch (e) {
  fail(e);
}
