// The window in the page as a learner meets it, with real mouse, touch and key events: the controls where
// the core places them at each size, menus by click and by Alt and the access letter, picture buttons, a
// disabled control, the three views, and a drag that turns the figure in a window scaled down to fit.
// Usage: node window_test.mjs SITE_FOLDER. With NUBORO_SHOTS=folder it leaves a screenshot of each size.
import assert from 'node:assert/strict';
import { writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { browserTest } from './harness.mjs';


const text = (id) => `document.getElementById('${id}').textContent`;
const named = (name) => `document.querySelector('[data-name="${name}"]')`;
// Left, top, width, height in the client area (picture buttons: in their panel).
const rect = (page, name) => page.evaluate(`(() => { const e = ${named(name)};
  return [e.offsetLeft, e.offsetTop, e.offsetWidth, e.offsetHeight]; })()`);
// The figure's white line pixels on a canvas.
const whitePixels = (page, name) => page.evaluate(`(() => { const c = ${named(name)};
  const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data; let n = 0;
  for (let i = 0; i < d.length; i += 4) if (d[i] === 255 && d[i + 1] === 255 && d[i + 2] === 255) ++n;
  return n; })()`);
// How wide the figure's lines spread on the figure canvas.
const FIGURE_WIDTH = `(() => { const c = document.getElementById('figure');
  const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data; let left = c.width, right = -1;
  for (let i = 0; i < d.length; i += 4) if (d[i] === 255 && d[i + 1] === 255 && d[i + 2] === 255) {
    const x = (i / 4) % c.width; left = Math.min(left, x); right = Math.max(right, x); }
  return right - left; })()`;
const picture = (page) => page.evaluate(`document.getElementById('figure').toDataURL()`);
const shot = async (page, name) => {
  if (process.env.NUBORO_SHOTS) writeFileSync(join(process.env.NUBORO_SHOTS, `${name}.png`), await page.screenshot());
};

// The desktop's bars, a 47-pixel toolbar and a 25-pixel status bar: the canvas starts 49 pixels down and
// leaves 74 of the height; the panel is 370 high, so the picture buttons start 12 down (12.5 rounded to even).
const SIZES = [
  { item: 'mnuExpansion1', client: [800, 570], figure: [2, 49, 648, 496], panel: [650, 49, 150, 370] },
  { item: 'mnuExpansion2', client: [1024, 738], figure: [2, 49, 872, 664], panel: [874, 49, 150, 370] },
  { item: 'mnuNormalSize', client: [640, 450], figure: [2, 49, 488, 376], panel: [490, 49, 150, 370] },
];
const HANDS_TEXT = '図をドラッグすると回りますよ。ホイールか２本の指で大きさが変わります。';
const BUTTONS = { 'command1(0)': [30, 12, 90, 40], 'command1(5)': [75, 127, 45, 30], 'command1(11)': [30, 307, 90, 50] };
// The three views at the normal size: the live figure in the top-right quarter.
const VIEWS = {
  picTopVIew: [2, 49, 244, 188], picFrontView: [2, 237, 244, 188], picSideView: [246, 237, 244, 188],
  picFigBox: [246, 49, 244, 188],
};

async function chooseSize(page, item) {
  await page.click(`[data-name="mnuOption"]`);
  await page.click(`[data-name="mnuWiindowSize"]`);
  await page.click(`[data-name="${item}"]`);
}

await browserTest('nuboro-window-', async ({ browser, server, check }) => {
  const page = await browser.newPage({});
  await page.navigate(server.url);
  await page.waitFor(`${text('explanation')} !== ''`, 'start of the core');

  await check('at each size the controls sit where the core places them, the canvas at its size', async () => {
    for (const size of SIZES) {
      await chooseSize(page, size.item);
      await page.waitFor(`document.getElementById('figure').width === ${size.figure[2]}`, `the ${size.item} layout`);
      assert.deepEqual(await rect(page, 'picFigBox'), size.figure, size.item);
      assert.equal(await page.evaluate(`document.getElementById('figure').height`), size.figure[3], size.item);
      assert.deepEqual(await rect(page, 'picSecondaryTools'), size.panel, size.item);
      for (const [name, r] of Object.entries(BUTTONS)) assert.deepEqual(await rect(page, name), r, `${size.item} ${name}`);
      const client = await page.evaluate(`[document.getElementById('client').offsetWidth, document.getElementById('client').offsetHeight]`);
      assert.deepEqual(client, size.client, size.item);
      // One size ticked, the menu closed behind the click.
      const ticks = await page.evaluate(`[...document.querySelectorAll('[aria-checked="true"]')].map((e) => e.dataset.name)`);
      assert.deepEqual(ticks.filter((n) => /^mnu(NormalSize|Expansion)/.test(n)), [size.item]);
      assert.equal(await page.evaluate(`document.querySelectorAll('#menubar .menu:not([hidden])').length`), 0);
      await shot(page, `window-${size.item}`);
    }
  });

  await check('a menu click and a picture-button tap run their commands; a disabled control does nothing', async () => {
    await page.click(`[data-name="mnuView"]`);
    await page.click(`[data-name="mnuFrontView"]`);
    await page.waitFor(`${text('angle')} === '正面図'`, 'the glide to the front view');
    const before = await picture(page);
    await page.tap(`[data-name="command1(0)"]`);
    await page.waitFor(`document.getElementById('figure').toDataURL() !== ${JSON.stringify(before)}`, 'the tapped turn');
    // New figure would ask first; its key is off while draw mode is.
    assert.equal(await page.evaluate(`${named('cmdNewFig')}.disabled`), true);
    await page.click(`[data-name="cmdNewFig"]`);
    await page.click(`[data-name="cmdEqualAngleView"]`);
    await page.waitFor(`${text('angle')} === '等角図'`, 'the glide after the disabled key');
    assert.equal(await page.evaluate(`document.getElementById('message-box').open`), false);
  });

  await check('Alt and an access letter open a menu; arrows, Enter and a letter walk and run it', async () => {
    // Alt alone hands the arrows to the menu bar: they walk it and leave the figure as it is.
    const before = await picture(page);
    await page.send('Input.dispatchKeyEvent', { type: 'rawKeyDown', modifiers: 1, key: 'Alt', code: 'AltLeft', windowsVirtualKeyCode: 18 });
    await page.send('Input.dispatchKeyEvent', { type: 'keyUp', modifiers: 0, key: 'Alt', code: 'AltLeft', windowsVirtualKeyCode: 18 });
    await page.press('ArrowRight');
    await page.press('ArrowRight');
    await page.press('ArrowDown');
    assert.equal(await page.evaluate(`${named('mnuView')}.nextElementSibling.hidden`), false);
    assert.equal(await picture(page), before);
    await page.press('ArrowDown');
    await page.press('Enter');
    await page.waitFor(`${text('angle')} === '正面図'`, 'the front view chosen by keys');
    // A line drawn with keys leaves the figure changed, so loading another first asks to save it.
    for (const key of ['F8', 'Enter', 'X', 'Enter', 'F8']) await page.press(key);
    await page.press('Alt+F');
    await page.press('L');
    await page.waitFor(`document.getElementById('message-box').open`, 'the load command by its letter');
    await page.click('#message-box button[data-answer="3"]');
    await page.waitFor(`!document.getElementById('message-box').open`, 'the answer');
    // Its shortcut runs it as well.
    await page.press('Ctrl+L');
    await page.waitFor(`document.getElementById('message-box').open`, 'the load command by Ctrl+L');
    await page.click('#message-box button[data-answer="3"]');
    await page.waitFor(`!document.getElementById('message-box').open`, 'the second answer');
    assert.equal(await page.evaluate(`document.querySelectorAll('#menubar .menu:not([hidden])').length`), 0);
    // Keys the core knows still reach it with the menus closed.
    await page.press('F6');
    await page.waitFor(`${text('angle')} === '等角図'`, 'F6 after the menus');
  });

  await check('F7 shows the three views where the core places them, each with the figure', async () => {
    await page.press('F7');
    await page.waitFor(`${text('explanation')}.startsWith('三角法表示中')`, 'the three views');
    for (const [name, r] of Object.entries(VIEWS)) {
      assert.deepEqual(await rect(page, name), r, name);
      assert.equal(await page.evaluate(`${named(name)}.hidden`), false, name);
      assert.ok(await whitePixels(page, name) > 100, `figure lines in ${name}`);
    }
    await shot(page, 'window-three-views');
    await page.press('F7');
    await page.waitFor(`document.getElementById('figure').width === 488`, 'the full canvas again');
    assert.equal(await page.evaluate(`${named('picFrontView')}.hidden`), true);
  });

  await check('three notches of the wheel and a two-finger pinch zoom the figure without turning it', async () => {
    const GESTURES = {
      wheel: async ({ x, y }) => {
        for (let i = 0; i < 3; ++i) await page.send('Input.dispatchMouseEvent', { type: 'mouseWheel', x, y, deltaX: 0, deltaY: -100 });
      },
      pinch: async ({ x, y }) => {
        await page.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [{ x: x - 50, y, id: 1 }, { x: x + 50, y, id: 2 }] });
        for (const d of [100, 150, 200]) {
          await page.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: [{ x: x - d, y, id: 1 }, { x: x + d, y, id: 2 }] });
        }
        await page.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
      },
    };
    for (const [what, gesture] of Object.entries(GESTURES)) {
      const before = await page.evaluate(FIGURE_WIDTH);
      await gesture(await page.centre('#figure'));
      await page.waitFor(`${FIGURE_WIDTH} > ${before} * 1.25`, `the figure larger by the ${what}`);
    }
    assert.notEqual(await page.evaluate(text('explanation')), HANDS_TEXT);
  });

  await check('in a browser window smaller than it, the window scales down and a drag turns the figure', async () => {
    await page.send('Emulation.setDeviceMetricsOverride', { width: 800, height: 600, deviceScaleFactor: 1, mobile: false });
    // The window centres itself again on the resize event, before any click may aim at it.
    await page.waitFor(`innerWidth === 800 && document.getElementById('window').getBoundingClientRect().left === 80`,
      'the window centred in the smaller browser window');
    await chooseSize(page, 'mnuExpansion2');
    await page.waitFor(`document.getElementById('figure').width === 872`, 'the largest layout');
    const box = await page.evaluate(`(() => { const w = document.getElementById('window').getBoundingClientRect();
      return { width: w.width, height: w.height, scale: w.width / document.getElementById('window').offsetWidth }; })()`);
    assert.ok(box.width <= 800 && box.height <= 600 && box.scale < 1, JSON.stringify(box));
    await shot(page, 'window-800x600');
    // From the isometric view, 9 steps right and 7 up reach the front view only if the drag is counted in
    // the canvas's own pixels (13 a step), not the scaled ones.
    const { x, y } = await page.centre('#figure');
    const to = { x: x + 123 * box.scale, y: y - 97 * box.scale };
    await page.send('Input.dispatchMouseEvent', { type: 'mouseMoved', x, y });
    await page.send('Input.dispatchMouseEvent', { type: 'mousePressed', x, y, button: 'left', buttons: 1, clickCount: 1 });
    for (let i = 1; i <= 8; ++i) {
      await page.send('Input.dispatchMouseEvent', { type: 'mouseMoved', x: x + (to.x - x) * i / 8, y: y + (to.y - y) * i / 8, button: 'left', buttons: 1 });
    }
    await page.send('Input.dispatchMouseEvent', { type: 'mouseReleased', ...to, button: 'left', buttons: 0, clickCount: 1 });
    await page.waitFor(`${text('explanation')} === '${HANDS_TEXT}'`, 'the drag explained');
    await page.waitFor(`${text('angle')} === '正面図'`, 'the front view by hand');
  });
});
