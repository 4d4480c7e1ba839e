// The two dialogs of the Options menu: その他設定 (two sliders and a check box, kept as left while the page
// lives) and the data folder (a folder handle where the browser can keep one).
import { formDialog, runForm } from './dialog.js';
import { canKeepFolders, keepFolder, keptFolder } from './folder.js';

const sheet = document.createElement('link');
sheet.rel = 'stylesheet';
sheet.href = 'options.css';
document.head.append(sheet);

const SLIDERS = [['unit', '一度にポインタを動かす幅(mm)', 1, 20, 2], ['size', '図形の最大サイズ(mm)', 200, 1000, 200]];

function otherOptions() {
  return formDialog('other-options', 'その他設定', `
    <label class="check"><input type="checkbox" name="enabled"> この設定を有効にするならチェックしよう</label>
    ${SLIDERS.map(([name, caption, min, max, value]) => `
      <label class="slider"><span>${caption}</span><output name="${name}-value">${value}</output>
        <input type="range" name="${name}" min="${min}" max="${max}" value="${value}" step="1"></label>`).join('')}`,
  [['確認', 'ok']]);
}

// Made once at start-up, unticked; afterwards only shown, so its controls stay as the learner left them.
export function prepareOtherOptions() {
  const form = otherOptions().querySelector('form');
  form.enabled.checked = false;
  for (const [name] of SLIDERS) {
    const show = () => { form[`${name}-value`].value = form[name].value; };
    form[name].addEventListener('input', show);
    show();
  }
}

// "確認" as the check box in bit 0, the step from bit 1, the size from bit 8; closed otherwise, -1.
export async function openOtherOptions() {
  const dialog = otherOptions();
  if (await runForm(dialog) !== 'ok') return -1;
  const form = dialog.querySelector('form');
  return (form.enabled.checked ? 1 : 0) | Number(form.unit.value) << 1 | Number(form.size.value) << 8;
}

const NOT_PICKED = '未選択です';

// The folder's name once one is picked and confirmed, else null. Where the browser keeps no folder handles
// the dialog says so, and only cancelling is offered.
export async function dataPathDialog(current) {
  const dialog = formDialog('data-path', 'データ保存パスの変更', `
    <p>現在のデータパス</p><output class="path" name="current"></output>
    <p>適当なパスを指定してください</p>
    <button type="button" name="pick">フォルダを選ぶ…</button>
    <p class="unsupported" hidden>このブラウザはフォルダを覚えておけません。図形の読込みと保存では、そのつどファイルを選んでください。</p>
    <p>選択されたパス</p><output class="path" name="picked"></output>`,
  [['これでよい', 'ok'], ['やっぱりやめる', '']]);
  const form = dialog.querySelector('form');
  const supported = canKeepFolders();
  form.current.value = current;
  form.picked.value = NOT_PICKED;
  form.pick.hidden = !supported;
  dialog.querySelector('.unsupported').hidden = supported;
  form.querySelector('button[value="ok"]').disabled = !supported;
  let picked = null;
  form.pick.onclick = async () => {
    try {
      picked = await window.showDirectoryPicker({ id: 'figures', startIn: await keptFolder() });
      form.picked.value = picked.name;
    } catch {
      // A closed picker leaves the pick as it was.
    }
  };
  if (await runForm(dialog) !== 'ok' || !picked) return null;
  try {
    await keepFolder(picked);
  } catch {
    return null;
  }
  return picked.name;
}
