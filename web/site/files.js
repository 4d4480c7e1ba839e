// Figure files in and out: the File System Access pickers where the browser has them, an upload and a
// download where it has not. Results in the order of page::FileResult.
import { ask, askText, dialogOpen } from './dialog.js';
import { keptFolder } from './folder.js';

const DONE = 0, CANCELLED = 1, FAILED = 2;
const MIME = 'application/x-nuboro-figure';
// More than the core's reader accepts, so an over-long file still reads as one; a stray huge file is
// not taken into memory whole.
const READ_LIMIT = 32 * 1024 * 1024;

function pickerOptions(extension, description) {
  return extension ? { types: [{ description, accept: { [MIME]: [extension] } }] } : {};
}

// The pickers start in the data folder the learner kept, else where the last one ended.
async function startIn() {
  const folder = await keptFolder();
  return folder ? { startIn: folder } : { id: 'figures' };
}

// A picker opens only in answer to the learner's own gesture. A command that waited behind another (a
// key pressed during a glide) may come too late for that: one more click on OK gives a fresh one.
async function withGesture(open) {
  try {
    return await open();
  } catch (e) {
    if (e.name !== 'SecurityError' && e.name !== 'NotAllowedError') throw e;
    if (await ask('ファイルを選びます。', '', 1, 0) !== 0) throw new DOMException('', 'AbortError');
    return open();
  }
}

async function read(file) {
  try {
    const bytes = new Uint8Array(await file.slice(0, READ_LIMIT).arrayBuffer());
    return { result: DONE, name: file.name, bytes };
  } catch {
    return { result: FAILED, name: file.name };
  }
}

function upload(extension) {
  const input = document.getElementById('upload');
  input.accept = extension;
  input.value = '';
  return new Promise((resolve) => {
    let finished = false;
    const finish = (result) => {
      if (finished) return;
      finished = true;
      input.removeEventListener('change', onChange);
      input.removeEventListener('cancel', onCancel);
      window.removeEventListener('focus', onFocus);
      resolve(result);
    };
    const onChange = async () => finish(input.files[0] ? await read(input.files[0]) : { result: CANCELLED });
    const onCancel = () => finish({ result: CANCELLED });
    // Where an input fires no cancel event, the page getting its focus back without a file is the
    // only sign of a closed chooser; without this the program would wait for ever.
    const onFocus = () => setTimeout(() => { if (!input.files.length) onCancel(); }, 1000);
    input.addEventListener('change', onChange);
    input.addEventListener('cancel', onCancel);
    window.addEventListener('focus', onFocus, { once: true });
    input.click();
  });
}

// A file dropped on the page waits here for the open dialog its drop starts.
let dropped = null;

export async function openFile(extension, description) {
  if (dropped) {
    const file = dropped;
    dropped = null;
    return read(file);
  }
  if (!window.showOpenFilePicker) return upload(extension);
  let handle;
  try {
    const options = { ...pickerOptions(extension, description), ...(await startIn()) };
    [handle] = await withGesture(() => window.showOpenFilePicker(options));
  } catch (e) {
    return { result: e.name === 'AbortError' ? CANCELLED : FAILED };
  }
  try {
    return read(await handle.getFile());
  } catch {
    return { result: FAILED, name: handle.name };
  }
}

// A file dropped while no dialog is up opens through `open`, the page's queue. Nothing dropped may make
// the browser leave the page for it: the figure would be lost.
export function takeDrops(open) {
  document.addEventListener('dragover', (e) => e.preventDefault());
  document.addEventListener('drop', (e) => {
    e.preventDefault();
    const file = e.dataTransfer.files[0];
    if (!file || dialogOpen()) return;
    dropped = file;
    open();
  });
}

// The file chosen in the save picker, written by the next writeFile.
let target = null;

export async function chooseSaveFile(name, extension, description) {
  target = null;
  if (!window.showSaveFilePicker) {
    // A download goes where the browser puts downloads; only its name is the learner's to give.
    const typed = await askText('名前を付けて保存', 'ファイル名', name);
    return typed ? { result: DONE, name: typed } : { result: CANCELLED };
  }
  try {
    const options = { suggestedName: name, ...pickerOptions(extension, description), ...(await startIn()) };
    target = await withGesture(() => window.showSaveFilePicker(options));
    return { result: DONE, name: target.name };
  } catch (e) {
    return { result: e.name === 'AbortError' ? CANCELLED : FAILED };
  }
}

function download(name, bytes) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([bytes], { type: MIME }));
  link.download = name;
  link.click();
  // The browser has taken the blob by the next task; keep it until then.
  setTimeout(() => URL.revokeObjectURL(link.href), 0);
  return DONE;
}

// The writable stream writes to a side file and replaces the chosen one only on close: a failed write is
// aborted and leaves the old file whole.
export async function writeFile(name, bytes) {
  const handle = target;
  target = null;
  if (!handle) return download(name, bytes);
  let writable;
  try {
    writable = await handle.createWritable();
    await writable.write(bytes);
    await writable.close();
    return DONE;
  } catch {
    await writable?.abort().catch(() => {});
    return FAILED;
  }
}
