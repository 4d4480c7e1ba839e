// The menu bar from the core's control rows: opened by click or by Alt and the access letter, walked with the
// arrows, Enter and Escape as on the desktop, and the items' Ctrl shortcuts. Every other key goes to the core.
import { dialogOpen } from './dialog.js';

// ControlKind.
const TOP = 0, SUBMENU = 2, SEPARATOR = 3;

// "読込み(&L)" as its text with the access letter underlined, and the letter itself ("&&" is a plain "&").
function caption(text) {
  const out = document.createElement('span');
  out.className = 'caption';
  let letter = '';
  const parts = text.split(/(&&|&.)/u);
  for (const part of parts) {
    if (part === '&&') out.append('&');
    else if (part.startsWith('&') && part.length > 1) {
      const u = document.createElement('u');
      u.textContent = part.slice(1);
      out.append(u);
      letter ||= part.slice(1).toUpperCase();
    } else out.append(part);
  }
  return { node: out, letter };
}

function letterOf(event) {
  const m = /^(?:Key([A-Z])|Digit([0-9]))$/.exec(event.code);
  return m ? (m[1] ?? m[2]) : event.key.length === 1 ? event.key.toUpperCase() : '';
}

export class MenuBar {
  // `run(id)` runs an item's command through the page's queue.
  constructor(bar, run) {
    this.bar = bar;
    this.run = run;
    this.tops = [];  // { button, menu, letter }
    this.levels = [];  // menus open below the bar; [0] is a top-level one
    this.shortcuts = new Map();  // "Ctrl+L" -> item
    this.building = [];  // the menu at each level while the rows come in
    this.swallowClick = false;
    this.barIndex = -1;  // Alt pressed alone: the top-level menu highlighted with none open
    this.altAlone = false;
    window.addEventListener('keydown', (e) => {
      this.altAlone = e.key === 'Alt' && !e.ctrlKey && !e.metaKey && !e.shiftKey;
      this.#key(e);
    }, true);
    // Alt pressed and let go alone hands the keys to the menu bar, or takes them back from it.
    window.addEventListener('keyup', (e) => {
      if (e.key !== 'Alt' || !this.altAlone) return;
      this.altAlone = false;
      if (dialogOpen()) return;
      if (this.levels.length || this.barIndex >= 0) this.close();
      else this.#highlightTop(0);
      e.preventDefault();
    }, true);
    // A press outside an open menu closes it and does nothing else, as on the desktop.
    window.addEventListener('pointerdown', (e) => {
      this.swallowClick = false;
      if (this.barIndex >= 0 && !this.bar.contains(e.target)) this.close();
      if (!this.levels.length || this.bar.contains(e.target)) return;
      this.close();
      this.swallowClick = true;
      e.preventDefault();
      e.stopPropagation();
    }, true);
    window.addEventListener('click', (e) => {
      if (!this.swallowClick) return;
      this.swallowClick = false;
      e.preventDefault();
      e.stopPropagation();
    }, true);
    // The bar never takes the keyboard focus from the figure.
    bar.addEventListener('mousedown', (e) => e.preventDefault());
  }

  // One row of the control table (kinds 0 to 3), in the table's order; gives its element.
  add(row) {
    this.building.length = row.place;
    const parent = this.building.at(-1);
    if (row.kind === SEPARATOR) {
      const line = document.createElement('hr');
      line.setAttribute('role', 'separator');
      line.dataset.name = row.name;
      parent.append(line);
      return line;
    }
    const { node, letter } = caption(row.caption);
    const button = document.createElement('button');
    button.type = 'button';
    button.tabIndex = -1;
    button.dataset.name = row.name;
    button.dataset.letter = letter;
    if (row.kind === TOP) {
      button.className = 'top';
      button.setAttribute('role', 'menuitem');
      button.setAttribute('aria-haspopup', 'menu');
      button.append(node);
      const holder = document.createElement('div');
      holder.className = 'menu-holder';
      const menu = this.#menu();
      holder.append(button, menu);
      this.bar.append(holder);
      this.tops.push({ button, menu, letter });
      button.addEventListener('click', () => (this.levels[0] === menu ? this.close() : this.#openTop(this.#topOf(button), false)));
      button.addEventListener('pointerenter', () => {
        if (this.levels.length && this.levels[0] !== menu) this.#openTop(this.#topOf(button), false);
      });
      this.building.push(menu);
      return button;
    }
    const mark = document.createElement('span');
    mark.className = 'mark';
    const shortcut = document.createElement('span');
    shortcut.className = 'shortcut';
    shortcut.textContent = row.shortcut;
    button.append(mark, node, shortcut);
    parent.append(button);
    if (row.kind === SUBMENU) {
      button.setAttribute('role', 'menuitem');
      button.setAttribute('aria-haspopup', 'menu');
      button.classList.add('submenu');
      const holder = document.createElement('div');
      holder.className = 'menu-holder';
      parent.append(holder);
      const menu = this.#menu();
      holder.append(button, menu);
      button.addEventListener('click', () => this.#openSub(button, false));
      this.building.push(menu);
    } else {
      button.setAttribute('role', row.checkable ? 'menuitemcheckbox' : 'menuitem');
      button.dataset.control = row.id;
      if (row.shortcut) this.shortcuts.set(row.shortcut, button);
      // The page's click handler runs it; the menus close here.
      button.addEventListener('click', () => this.close());
    }
    button.addEventListener('pointerenter', () => this.#hover(button));
    return button;
  }

  close() {
    this.barIndex = -1;
    for (const menu of this.levels) menu.hidden = true;
    for (const { button } of this.tops) button.classList.remove('open');
    this.bar.querySelectorAll('.active').forEach((b) => b.classList.remove('active'));
    this.levels = [];
  }

  #menu() {
    const menu = document.createElement('div');
    menu.className = 'menu';
    menu.setAttribute('role', 'menu');
    menu.hidden = true;
    return menu;
  }

  #topOf(button) {
    return this.tops.findIndex((t) => t.button === button);
  }

  #items(menu) {
    return [...menu.children].flatMap((c) => (c.classList.contains('menu-holder') ? [c.firstChild] : c.tagName === 'BUTTON' ? [c] : []));
  }

  #activate(menu, item) {
    for (const b of this.#items(menu)) b.classList.toggle('active', b === item);
  }

  #highlightTop(index) {
    this.close();
    this.barIndex = (index + this.tops.length) % this.tops.length;
    this.tops[this.barIndex].button.classList.add('open');
  }

  #openTop(index, byKeyboard) {
    this.close();
    const top = this.tops[(index + this.tops.length) % this.tops.length];
    top.button.classList.add('open');
    top.menu.hidden = false;
    this.levels = [top.menu];
    if (byKeyboard) this.#activate(top.menu, this.#items(top.menu).find((b) => !b.disabled));
  }

  // Opens the submenu of `button`, which is an item of the deepest open menu or of one above it.
  #openSub(button, byKeyboard) {
    if (button.disabled) return;
    const parent = button.closest('.menu-holder').parentElement;
    const depth = this.levels.indexOf(parent);
    if (depth < 0) return;
    for (const menu of this.levels.splice(depth + 1)) menu.hidden = true;
    const sub = button.nextElementSibling;
    this.#activate(parent, button);
    sub.hidden = false;
    this.levels.push(sub);
    if (byKeyboard) this.#activate(sub, this.#items(sub).find((b) => !b.disabled));
  }

  #hover(button) {
    const parent = button.closest('.menu');
    const depth = this.levels.indexOf(parent);
    if (depth < 0) return;
    if (button.classList.contains('submenu')) {
      this.#openSub(button, false);
      return;
    }
    for (const menu of this.levels.splice(depth + 1)) menu.hidden = true;
    this.#activate(parent, button);
  }

  // Runs or opens an item as Enter or its letter does.
  #choose(item) {
    if (!item || item.disabled) return;
    if (item.classList.contains('submenu')) this.#openSub(item, true);
    else {
      this.close();
      this.run(Number(item.dataset.control));
    }
  }

  #key(event) {
    if (dialogOpen() || event.target.closest?.('input, select, textarea')) return;
    const letter = letterOf(event);
    const ctrl = event.ctrlKey || event.metaKey;
    if (event.altKey && !ctrl && letter) {
      const index = this.tops.findIndex((t) => t.letter === letter);
      if (index < 0) return;
      this.#swallow(event);
      this.#openTop(index, true);
      return;
    }
    if (this.barIndex >= 0 && !this.levels.length) {
      this.#swallow(event);
      this.#barKey(event, letter);
      return;
    }
    if (!this.levels.length) {
      const item = ctrl && !event.altKey && !event.shiftKey && this.shortcuts.get(`Ctrl+${letter}`);
      if (!item) return;
      this.#swallow(event);
      if (!item.disabled) this.run(Number(item.dataset.control));
      return;
    }
    // An open menu has every key.
    this.#swallow(event);
    const menu = this.levels.at(-1);
    const items = this.#items(menu).filter((b) => !b.disabled);
    const active = this.#items(menu).find((b) => b.classList.contains('active'));
    const step = (by) => {
      const at = items.indexOf(active);
      if (items.length) this.#activate(menu, items[at < 0 ? (by > 0 ? 0 : items.length - 1) : (at + by + items.length) % items.length]);
    };
    const top = this.tops.findIndex((t) => t.menu === this.levels[0]);
    switch (event.key) {
      case 'Escape':
        if (this.levels.length > 1) this.levels.pop().hidden = true;
        else this.close();
        return;
      case 'Alt': this.close(); return;
      case 'ArrowDown': step(1); return;
      case 'ArrowUp': step(-1); return;
      case 'ArrowRight':
        if (active?.classList.contains('submenu')) this.#openSub(active, true);
        else this.#openTop(top + 1, true);
        return;
      case 'ArrowLeft':
        if (this.levels.length > 1) this.levels.pop().hidden = true;
        else this.#openTop(top - 1, true);
        return;
      case 'Enter':
      case ' ':
        this.#choose(active);
        return;
      default:
        if (letter) this.#choose(items.find((b) => b.dataset.letter === letter));
    }
  }

  #barKey(event, letter) {
    switch (event.key) {
      case 'Escape': this.close(); return;
      case 'ArrowLeft': this.#highlightTop(this.barIndex - 1); return;
      case 'ArrowRight': this.#highlightTop(this.barIndex + 1); return;
      case 'ArrowDown':
      case 'ArrowUp':
      case 'Enter':
      case ' ':
        this.#openTop(this.barIndex, true);
        return;
      default: {
        const index = this.tops.findIndex((t) => t.letter === letter);
        if (index >= 0) this.#openTop(index, true);
      }
    }
  }

  #swallow(event) {
    event.preventDefault();
    event.stopPropagation();
  }
}
