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
  box.querySelector('button').addEventListener('click', closeAbout);
  // Esc closes the version box as its OK does; the splash goes only when start-up takes it away.
  box.addEventListener('cancel', (e) => {
    if (box.querySelector('button').hidden) e.preventDefault();
  });
  document.body.append(box);
  return box;
}

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

export function closeAbout() {
  const left = splashUntil - performance.now();
  if (left > 0) {
    setTimeout(closeAbout, left);
  } else if (box?.open) {
    box.close();
  }
}
