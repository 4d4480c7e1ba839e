// The help window: the Japanese help pages in a panel of the page beside the program, with 戻る, 進む and
// 目次 as on the desktop. Each page is fetched and shown with the help's own style, whatever type the
// server gives the contents file (.hlp); links between the pages stay in the panel, web links open a tab.

let panel = null;
let frame = null;
let contents = null;  // URL of the contents page, or null when it was not found
const history = [];
let at = -1;

function make() {
  panel = document.createElement('aside');
  panel.id = 'help';
  panel.hidden = true;
  panel.setAttribute('aria-label', '立体ヌボロ ヘルプ');
  panel.innerHTML = '<div class="title">立体ヌボロ ヘルプ</div><div class="buttons">'
    + '<button type="button" data-help="back">戻る</button><button type="button" data-help="forward">進む</button>'
    + '<button type="button" data-help="contents">目次</button><button type="button" data-help="close">閉じる</button>'
    + '</div><iframe title="ヘルプ"></iframe>';
  frame = panel.querySelector('iframe');
  panel.addEventListener('click', (e) => {
    const action = e.target.closest('[data-help]')?.dataset.help;
    if (action === 'back') move(-1);
    else if (action === 'forward') move(1);
    else if (action === 'contents' && contents) go(contents);
    else if (action === 'close') panel.hidden = true;
  });
  // Keys inside the panel are its own: they do not steer the figure.
  panel.addEventListener('keydown', (e) => e.stopPropagation());
  frame.addEventListener('load', hookLinks);
  document.body.append(panel);
}

function buttons() {
  panel.querySelector('[data-help="back"]').disabled = at <= 0;
  panel.querySelector('[data-help="forward"]').disabled = at >= history.length - 1;
  panel.querySelector('[data-help="contents"]').disabled = !contents;
}

const escape = (s) => s.replace(/[&<>"]/g, (c) => `&#${c.charCodeAt(0)};`);

async function page(url) {
  const response = await fetch(url);
  if (!response.ok) throw new Error(`${response.status}`);
  const doc = new DOMParser().parseFromString(await response.text(), 'text/html');
  // Links and the style resolve against the page's own folder.
  const base = doc.createElement('base');
  base.href = url;
  const style = doc.createElement('link');
  style.rel = 'stylesheet';
  style.href = new URL('help.css', url).href;
  doc.head.prepend(base, style);
  return `<!doctype html>${doc.documentElement.outerHTML}`;
}

function notFound(path) {
  return '<!doctype html><html lang="ja"><meta charset="utf-8"><body><h2>ヘルプファイルが見つかりません</h2>'
    + `<p>ヘルプファイル「${escape(path)}」が見つかりませんでした。</p>`
    + `<p>探したフォルダ：${escape(new URL('.', document.baseURI).href)}</p></body></html>`;
}

async function show(url) {
  const [file, hash] = url.split('#');
  frame.dataset.page = file;
  frame.dataset.hash = hash ?? '';
  frame.srcdoc = await page(file);
  buttons();
}

function go(url) {
  history.splice(at + 1, Infinity, url);
  at = history.length - 1;
  return show(url).catch(() => {});
}

function move(step) {
  if (at + step < 0 || at + step >= history.length) return;
  at += step;
  show(history[at]).catch(() => {});
}

function hookLinks() {
  const doc = frame.contentDocument;
  if (!doc) return;
  if (frame.dataset.hash) doc.getElementById(frame.dataset.hash)?.scrollIntoView();
  doc.addEventListener('click', (e) => {
    const link = e.target.closest?.('a[href]');
    if (!link) return;
    const url = new URL(link.getAttribute('href'), frame.dataset.page);
    e.preventDefault();
    if (url.origin !== location.origin) {
      open(url.href, '_blank', 'noopener');
    } else if (url.href.split('#')[0] === frame.dataset.page) {
      doc.getElementById(url.hash.slice(1))?.scrollIntoView();
    } else {
      go(url.href);
    }
  });
}

// Opens the help at its contents page, `path` relative to the page; a missing file is said in the panel.
export async function openHelp(path) {
  if (!panel) make();
  panel.hidden = false;
  const url = new URL(path, document.baseURI).href;
  history.length = 0;
  at = -1;
  try {
    await show(url);
    contents = url;
    history.push(url);
    at = 0;
  } catch {
    contents = null;
    frame.srcdoc = notFound(path);
  }
  buttons();
}
