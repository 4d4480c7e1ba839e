// The main window in the page: every row of the core's control table becomes an element once at start, and
// the core places them in the client area and sets their states by the table's ids. The window scales down
// to fit a smaller browser window, never up.
import { MenuBar } from './menus.js';
import { attachHands } from './hands.js';

// ControlKind: 0 to 3 are the menus' rows.
const KIND = { TOOLBAR_KEY: 4, PICTURE_BUTTON: 5, CANVAS: 6 };
const TOOLBAR_POSITIONS = 19;
// Screen readers name the canvases by what they show.
const CANVAS_NAMES = { picFigBox: '図形', picFrontView: '正面図', picTopVIew: '平面図', picSideView: '右側面図' };
const BACKGROUND = '#003300';

const $ = (id) => document.getElementById(id);

function iconButton(row) {
  const button = document.createElement('button');
  button.type = 'button';
  button.tabIndex = -1;
  button.dataset.control = row.id;
  button.dataset.name = row.name;
  button.setAttribute('aria-label', row.caption);
  const icon = document.createElement('img');
  icon.src = `icons/${row.icon}.svg`;
  icon.width = icon.height = row.iconSize;
  icon.alt = '';
  icon.draggable = false;
  button.append(icon);
  // Pressed, a button leaves the keyboard with the figure.
  button.addEventListener('mousedown', (e) => e.preventDefault());
  return button;
}

// A canvas's pixels survive a new size, from the top-left corner, the rest the ground colour.
function resizeCanvas(canvas, width, height) {
  if (canvas.width === width && canvas.height === height) return;
  const c = canvas.getContext('2d');
  const kept = canvas.width && canvas.height ? c.getImageData(0, 0, canvas.width, canvas.height) : null;
  canvas.width = width;
  canvas.height = height;
  c.fillStyle = BACKGROUND;
  c.fillRect(0, 0, width, height);
  if (kept) c.putImageData(kept, 0, 0);
}

export function windowPage(enter) {
  const elements = new Map();
  const menus = new MenuBar($('menubar'), (id) => enter('page_control', id));
  const toolbar = $('toolbar');
  for (let i = 0; i < TOOLBAR_POSITIONS; ++i) toolbar.append(Object.assign(document.createElement('span'), { className: 'separator' }));

  function panel() {
    let p = $('picSecondaryTools');
    if (!p) {
      p = document.createElement('div');
      p.id = p.dataset.name = 'picSecondaryTools';
      p.className = 'wood';
      $('client').append(p);
    }
    return p;
  }

  function canvas(row) {
    if (row.name === 'picbkgFigBox') return null;  // the back buffer is never on screen
    if (row.name === 'picSecondaryTools') return panel();
    let c = row.name === 'picFigBox' ? $('figure') : null;
    if (!c) {
      c = document.createElement('canvas');
      c.id = row.name;
      c.width = c.height = 0;
      $('client').append(c);
    }
    c.dataset.name = row.name;
    c.classList.add('view');
    c.setAttribute('role', 'img');
    c.setAttribute('aria-label', CANVAS_NAMES[row.name] ?? '');
    return c;
  }

  function fit() {
    const win = $('window');
    const scale = Math.min(1, innerWidth / win.offsetWidth, innerHeight / win.offsetHeight);
    win.style.transform = scale < 1 ? `scale(${scale})` : '';
    win.style.left = `${Math.max(0, (innerWidth - win.offsetWidth * scale) / 2)}px`;
    win.style.top = `${Math.max(0, (innerHeight - win.offsetHeight * scale) / 2)}px`;
  }
  addEventListener('resize', fit);

  return {
    addControl(row) {
      let element = null;
      if (row.kind <= 3) element = menus.add(row);
      else if (row.kind === KIND.TOOLBAR_KEY) {
        element = iconButton(row);
        element.title = row.caption;  // the tooltip
        toolbar.children[row.place - 1].replaceWith(element);
      } else if (row.kind === KIND.PICTURE_BUTTON) {
        element = iconButton(row);
        panel().append(element);
      } else if (row.kind === KIND.CANVAS) {
        element = canvas(row);
        if (row.name === 'picFigBox') attachHands(element, enter);
      }
      if (element) elements.set(row.id, element);
      $('window').classList.add('built');
    },
    placeControl(id, x, y, width, height) {
      const e = elements.get(id);
      if (!e) return;
      Object.assign(e.style, { left: `${x}px`, top: `${y}px`, width: `${width}px`, height: `${height}px` });
      if (e instanceof HTMLCanvasElement) resizeCanvas(e, width, height);
    },
    controlState(id, enabled, checked, visible) {
      const e = elements.get(id);
      if (!e) return;
      if ('disabled' in e) e.disabled = !enabled;
      if (e.getAttribute('role') === 'menuitemcheckbox') e.setAttribute('aria-checked', String(checked));
      e.hidden = !visible;
    },
    windowSize(width, height, toolbarHeight, statusBarHeight) {
      const client = $('client').style;
      client.width = `${width}px`;
      client.height = `${height}px`;
      client.setProperty('--toolbar-height', `${toolbarHeight}px`);
      client.setProperty('--status-bar-height', `${statusBarHeight}px`);
      fit();
    },
    panelWidths(explanation, angle) {
      $('explanation').style.width = `${explanation}px`;
      $('angle').style.minWidth = `${angle}px`;
    },
    waitCursor(on) {
      document.documentElement.classList.toggle('waiting', on);
    },
    focusFigure() {
      $('figure').focus({ preventScroll: true });
    },
    copyCanvas(from, to, width, height) {
      const source = $(from), target = $(to);
      if (!source || !target || !width || !height) return;
      target.getContext('2d').drawImage(source, 0, 0, width, height, 0, 0, width, height);
    },
  };
}
