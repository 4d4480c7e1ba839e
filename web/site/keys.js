// Browser key events as the desktop program sees them: a Windows virtual-key code and the modifier bits
// 1 Shift, 2 Ctrl, 4 Alt.

// By physical key (event.code), so a Japanese layout or a held Shift gives the same code.
const BY_CODE = {
  Backspace: 8, Enter: 13, NumpadEnter: 13, ShiftLeft: 16, ShiftRight: 16, ControlLeft: 17, ControlRight: 17,
  AltLeft: 18, AltRight: 18, Escape: 27, Space: 32, PageUp: 33, PageDown: 34, End: 35, Home: 36,
  ArrowLeft: 37, ArrowUp: 38, ArrowRight: 39, ArrowDown: 40, Insert: 45, Delete: 46,
};
// On-screen keyboards (iPad, Android) leave event.code empty: their event.key names the key instead.
const BY_KEY = {
  Backspace: 8, Enter: 13, Shift: 16, Control: 17, Alt: 18, Escape: 27, ' ': 32, PageUp: 33, PageDown: 34,
  End: 35, Home: 36, ArrowLeft: 37, ArrowUp: 38, ArrowRight: 39, ArrowDown: 40, Insert: 45, Delete: 46,
};

function codeOf(code) {
  if (code in BY_CODE) return BY_CODE[code];
  let m;
  if ((m = /^Key([A-Z])$/.exec(code))) return m[1].charCodeAt(0);
  if ((m = /^Digit([0-9])$/.exec(code))) return 48 + Number(m[1]);
  if ((m = /^Numpad([0-9])$/.exec(code))) return 96 + Number(m[1]);
  if ((m = /^F([1-9]|1[0-2])$/.exec(code))) return 111 + Number(m[1]);
  return undefined;
}

function keyOf(key) {
  if (key in BY_KEY) return BY_KEY[key];
  if (/^[a-zA-Z0-9]$/.test(key)) return key.toUpperCase().charCodeAt(0);
  return codeOf(key);
}

// { key, shift } for a key the program knows, null for any other. The Command key of an Apple keyboard
// counts as Ctrl, so Cmd+S saves on an iPad as Ctrl+S does on Windows.
export function virtualKey(event) {
  const key = codeOf(event.code) ?? keyOf(event.key);
  if (key === undefined) return null;
  const shift = (event.shiftKey ? 1 : 0) | (event.ctrlKey || event.metaKey ? 2 : 0) | (event.altKey ? 4 : 0);
  return { key, shift };
}

// Keys a dialog handles itself: everything else the browser would act on is kept from it.
export function dialogKey(event) {
  return !event.ctrlKey && !event.metaKey && !event.altKey && !/^F([1-9]|1[0-2])$/.test(event.key);
}
