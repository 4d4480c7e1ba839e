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

// The learner's first key or tap takes the splash away at once and goes on to the program, so nothing
// typed while it lingers is lost.
function closeSplash() {
  if (!splashUntil) return;
  splashUntil = 0;
  box.close();
}
for (const type of ['keydown', 'pointerdown']) addEventListener(type, closeSplash, { capture: true });

// Start-up goes on at once: the splash stays up by itself (see closeAbout) and shows the figure beside it.
export function showAbout(picture, withOkButton, title) {
  const about = loadAbout();
  about.querySelector('.title').textContent = title;
  about.querySelector('img').src = new URL(picture, document.baseURI).href;
  about.querySelector('button').hidden = !withOkButton;
  splashUntil = withOkButton ? 0 : performance.now() + SPLASH_MS;
  if (!about.open) about.showModal();
  if (withOkButton) about.querySelector('button').focus();
}

// The splash lingers for the rest of its time; a version box shown meanwhile is not closed by that.
export function closeAbout() {
  const left = splashUntil - performance.now();
  if (left > 0) {
    setTimeout(closeSplash, left);
  } else {
    splashUntil = 0;
    if (box?.open) box.close();
  }
}
