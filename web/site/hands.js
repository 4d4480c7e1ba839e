// The figure canvas by hand: a drag (mouse, pen or one finger), the wheel and a two-finger pinch reach the
// core's gesture logic through the page's queue, in the canvas's own pixels however the window is scaled.
// In the order of page::HandEvent.
const PRESS = 0, MOVE = 1, RELEASE = 2, WHEEL = 3, PINCH = 4, PINCH_END = 5;

export function attachHands(canvas, enter) {
  const hand = (event, a = 0, b = 0) => enter('page_hand', event, Math.round(a), Math.round(b));
  const touches = new Map();

  const at = (e) => {
    const r = canvas.getBoundingClientRect();
    return [(e.clientX - r.left) * (canvas.offsetWidth / r.width), (e.clientY - r.top) * (canvas.offsetHeight / r.height)];
  };
  const spread = () => {
    const [a, b] = [...touches.values()];
    const [ax, ay] = at(a), [bx, by] = at(b);
    return Math.hypot(ax - bx, ay - by);
  };

  canvas.addEventListener('pointerdown', (e) => {
    if (e.pointerType !== 'touch' && e.button !== 0) return;
    canvas.setPointerCapture(e.pointerId);
    e.preventDefault();
    if (e.pointerType === 'touch') {
      touches.set(e.pointerId, e);
      if (touches.size >= 2) return hand(PINCH, spread());
    }
    hand(PRESS, ...at(e));
  });
  canvas.addEventListener('pointermove', (e) => {
    if (e.pointerType === 'touch') {
      if (!touches.has(e.pointerId)) return;
      touches.set(e.pointerId, e);
      return touches.size >= 2 ? hand(PINCH, spread()) : hand(MOVE, ...at(e));
    }
    if (e.buttons & 1) hand(MOVE, ...at(e));
  });
  const up = (e) => {
    if (e.pointerType !== 'touch') return hand(RELEASE);
    touches.delete(e.pointerId);
    // Lifting one of two fingers ends nothing: the one left does not turn the figure.
    if (touches.size) return;
    hand(RELEASE);
    hand(PINCH_END);
  };
  canvas.addEventListener('pointerup', up);
  canvas.addEventListener('pointercancel', up);
  canvas.addEventListener('wheel', (e) => {
    e.preventDefault();
    // One notch is 120 units, + away from the user, as the desktop's wheel reports it.
    const units = e.wheelDeltaY || -e.deltaY * (e.deltaMode === 1 ? 40 : e.deltaMode === 2 ? 120 : 1.2);
    hand(WHEEL, units);
  }, { passive: false });
}
