// The data folder as the browser can keep it: a directory handle in IndexedDB (localStorage holds only
// texts), where the pickers start. Browsers without showDirectoryPicker keep none.
const STORE = 'folders', KEY = 'data';

export const canKeepFolders = () => typeof window.showDirectoryPicker === 'function';

function database() {
  return new Promise((resolve, reject) => {
    const request = indexedDB.open('nuboro', 1);
    request.onupgradeneeded = () => request.result.createObjectStore(STORE);
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
  });
}

async function transact(mode, use) {
  const db = await database();
  try {
    return await new Promise((resolve, reject) => {
      const t = db.transaction(STORE, mode);
      const request = use(t.objectStore(STORE));
      t.oncomplete = () => resolve(request.result);
      t.onerror = t.onabort = () => reject(t.error);
    });
  } finally {
    db.close();
  }
}

// The kept folder, or undefined; a refused or broken store keeps none rather than stopping a picker.
export async function keptFolder() {
  if (!canKeepFolders()) return undefined;
  try {
    return await transact('readonly', (s) => s.get(KEY));
  } catch {
    return undefined;
  }
}

export async function keepFolder(handle) {
  await transact('readwrite', (s) => s.put(handle, KEY));
}
