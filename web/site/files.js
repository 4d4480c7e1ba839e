// Figure files in and out: the File System Access pickers where the browser has them, an upload and a
// download where it has not. Results in the order of page::FileResult.
import { ask } from './dialog.js';

const DONE = 0, CANCELLED = 1, FAILED = 2;
const MIME = 'application/x-nuboro-figure';

function pickerTypes(extension, description) {
  return [{ description, accept: { [MIME]: [extension] } }];
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
    const onChange = async () => {
      const file = input.files[0];
      if (!file) return finish({ result: CANCELLED });
      try {
        finish({ result: DONE, name: file.name, bytes: new Uint8Array(await file.arrayBuffer()) });
      } catch {
        finish({ result: FAILED });
      }
    };
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

export async function openFile(extension, description) {
  if (!window.showOpenFilePicker) return upload(extension);
  try {
    const [handle] = await withGesture(() => window.showOpenFilePicker({ types: pickerTypes(extension, description), id: 'figures' }));
    const file = await handle.getFile();
    return { result: DONE, name: file.name, bytes: new Uint8Array(await file.arrayBuffer()) };
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
export async function saveFile(name, description, bytes) {
  if (!window.showSaveFilePicker) return download(name, bytes);
  const dot = name.lastIndexOf('.');
  const types = dot > 0 ? pickerTypes(name.slice(dot), description) : undefined;
  let handle;
  try {
    handle = await withGesture(() => window.showSaveFilePicker({ suggestedName: name, types, id: 'figures' }));
  } catch (e) {
    return e.name === 'AbortError' ? CANCELLED : FAILED;
  }
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
