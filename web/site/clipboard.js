// The figure's picture onto the clipboard as a PNG through the asynchronous clipboard.

// Resolves true once the clipboard holds the picture of canvas `id` at its own pixel size, false where the
// browser refuses (no clipboard outside https or localhost, no permission, the page not focused).
export async function copyPicture(id) {
  const canvas = document.getElementById(id);
  if (!canvas || !navigator.clipboard?.write || !globalThis.ClipboardItem) return false;
  // The picture as it is now: the caller changes the canvas again as soon as this returns.
  const png = new Promise((resolve, reject) =>
    canvas.toBlob((blob) => (blob ? resolve(blob) : reject(new Error('no picture'))), 'image/png'));
  try {
    await navigator.clipboard.write([new ClipboardItem({ 'image/png': png })]);
    return true;
  } catch (e) {
    console.warn('clipboard refused:', e);
    return false;
  }
}
