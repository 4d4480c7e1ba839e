// The About window: the splash picture at start-up, and the version picture with its OK button.

// The splash stays up at least this long, about as long as its sound, even when the page is silent.
const SPLASH_MS = 1200;

let box = null;
let splashUntil = 0;

// Made once and kept, as the desktop keeps its window loaded.
export function loadAbout() {
  if (box) return box;
  box = document.createElement('dialog');
  box.id = 'about';
  box.setAttribute('aria-labelledby', 'about-title');
  box.innerHTML = '<div class="title" id="about-title"></div><img alt="" width="320" height="240">'
    + '<button type="button">OK</button>';
  // Esc closes it as its OK does.
  box.querySelector('button').addEventListener('click', closeAbout);
  document.body.append(box);
  return box;
}

// Once start-up is done the splash lingers for the rest of its time as a picture only, over the window
// but in nobody's way: the program has every key and click, and the first of them takes it away.
let lingering = null;

function endSplash() {
  lingering?.remove();
  lingering = null;
}
for (const type of ['keydown', 'pointerdown']) addEventListener(type, endSplash, { capture: true });

// Start-up goes on at once: the splash stays up by itself (see closeAbout) and shows the figure beside it.
export function showAbout(picture, withOkButton, title) {
  endSplash();
  const about = loadAbout();
  about.querySelector('.title').textContent = title;
  about.querySelector('img').src = new URL(picture, document.baseURI).href;
  about.querySelector('button').hidden = !withOkButton;
  splashUntil = withOkButton ? 0 : performance.now() + SPLASH_MS;
  if (!about.open) about.showModal();
  if (withOkButton) about.querySelector('button').focus();
}

export function closeAbout() {
  const left = splashUntil - performance.now();
  splashUntil = 0;
  if (!box?.open) return;
  if (left > 0) {
    lingering = document.createElement('div');
    lingering.id = 'splash';
    lingering.setAttribute('aria-hidden', 'true');
    lingering.innerHTML = box.innerHTML;
    lingering.querySelector('[id]')?.removeAttribute('id');
    document.body.append(lingering);
    setTimeout(endSplash, left);
  }
  box.close();
}
