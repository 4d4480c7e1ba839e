// The program's wave sounds through Web Audio. Each file is fetched and decoded once. A browser refuses
// sound until the learner's first key or tap, and making the audio costs start-up a good part of a second
// on some machines: until then, and where there is no audio at all, sounds are silent and nothing waits.

// A waiting play may overrun the sound by this much before it is given up, as on the desktop.
const SLACK_MS = 500;
// A file that does not arrive by then is not waited for.
const DECODE_LIMIT_MS = 2000;
const RESUME_LIMIT_MS = 200;

let context = null;
let gesture = false;
const decoded = new Map();  // url → Promise<AudioBuffer | null>
const playing = new Map();  // url → the source now playing it

function audio() {
  if (context) return context;
  if (!gesture && !navigator.userActivation?.hasBeenActive) return null;
  const Context = globalThis.AudioContext ?? globalThis.webkitAudioContext;
  if (!Context) return null;
  try {
    context = new Context();
  } catch {
    return null;
  }
  return context;
}

// The first gesture lets the page's audio start.
const unlock = () => {
  gesture = true;
  const c = audio();
  if (c && c.state !== 'running') c.resume().catch(() => {});
};
for (const type of ['pointerdown', 'keydown']) addEventListener(type, unlock, { capture: true, once: true });

function buffer(c, url) {
  if (!decoded.has(url)) {
    decoded.set(url, fetch(url)
      .then((r) => (r.ok ? r.arrayBuffer() : Promise.reject(new Error(`${url}: ${r.status}`))))
      .then((bytes) => c.decodeAudioData(bytes))
      .catch((e) => {
        console.warn('sound not played:', e);
        return null;
      }));
  }
  return decoded.get(url);
}

const after = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Plays `path` (relative to the page); with `wait` the promise settles when the sound has ended.
export async function playWave(path, wait) {
  const c = audio();
  if (!c) return;
  const url = new URL(path, document.baseURI).href;
  const loading = buffer(c, url);
  // Audio made in the gesture may need a moment to start; a browser may also still hold it back.
  if (c.state !== 'running') await Promise.race([c.resume().catch(() => {}), after(RESUME_LIMIT_MS)]);
  if (c.state !== 'running') return;
  const sound = await Promise.race([loading, after(DECODE_LIMIT_MS).then(() => null)]);
  if (!sound || c.state !== 'running') return;
  // A new play of the same sound starts it over.
  try {
    playing.get(url)?.stop();
  } catch {}
  const source = c.createBufferSource();
  source.buffer = sound;
  source.connect(c.destination);
  const ended = new Promise((resolve) => { source.onended = resolve; });
  playing.set(url, source);
  source.start();
  if (wait) await Promise.race([ended, after(sound.duration * 1000 + SLACK_MS)]);
}
