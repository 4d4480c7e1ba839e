// What the browser tests share: the program's texts, stand-ins for the file pickers, and the steps a
// learner takes at the page (message boxes answered, the picture watched).

export const TITLE = '立体ヌボロ for Windows Ver3.1';
export const CHANGED = '　*[変更あり]';
export const WELCOME = 'ようこそ！立体ヌボロへ！！';

// File System Access pickers cannot be answered through the protocol (it can only cancel them), so these
// stand-ins answer with real handles from the origin's private file system, named by the test, and keep
// the options they were called with.
export const PICKERS = `
  window.pickers = { open: null, save: null, folder: null, failWrite: false, options: [] };
  const folder = () => navigator.storage.getDirectory();
  const none = () => new DOMException('', 'AbortError');
  window.showOpenFilePicker = async (options) => {
    pickers.options.push(options);
    if (!pickers.open) throw none();
    const handle = await (await folder()).getFileHandle(pickers.open);
    // A file removed between the choice and the reading.
    if (pickers.open.startsWith('gone')) await (await folder()).removeEntry(pickers.open);
    return [handle];
  };
  window.showSaveFilePicker = async (options) => {
    pickers.options.push(options);
    if (!pickers.save) throw none();
    const handle = await (await folder()).getFileHandle(pickers.save, { create: true });
    if (!pickers.failWrite) return handle;
    // A disk that fills up after the first bytes.
    return { name: handle.name, createWritable: async () => {
      const w = await handle.createWritable();
      return { write: async (b) => { await w.write(b.slice(0, 5)); throw new DOMException('', 'QuotaExceededError'); },
               close: () => w.close(), abort: () => w.abort() };
    } };
  };
  window.showDirectoryPicker = async () => {
    if (!pickers.folder) throw none();
    return (await folder()).getDirectoryHandle(pickers.folder, { create: true });
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

// The title as set: document.title would fold its runs of spaces into one.
export const TITLE_NOW = "document.querySelector('title').textContent";
export const text = (id) => `document.getElementById('${id}').textContent`;
export const BOX = '#message-box[open]';

export const started = (page) => page.waitFor(`${text('explanation')} === '${WELCOME}'`, 'start of the core');

export const picture = (page) => page.evaluate(`document.getElementById('figure').toDataURL()`);
export const changedFrom = (page, before, what) =>
  page.waitFor(`document.getElementById('figure').toDataURL() !== ${JSON.stringify(before)}`, what);

// The open message box's title and text, once it shows.
export async function box(page, what) {
  await page.waitFor(`document.querySelector('${BOX}')`, what);
  return page.evaluate(`[...document.querySelectorAll('${BOX} .title, ${BOX} .text')].map((e) => e.textContent)`);
}

// Answers the open box; done when it closes or the next box takes its place.
export async function answer(page, answerId) {
  const asked = await page.evaluate(`document.querySelector('${BOX} .text').textContent`);
  await page.click(`${BOX} button[data-answer="${answerId}"]`);
  await page.waitFor(`!document.querySelector('${BOX}') || document.querySelector('${BOX} .text').textContent !== ${JSON.stringify(asked)}`,
    'the answered box');
}
export const OK = 0, CANCEL = 1, YES = 2, NO = 3;

