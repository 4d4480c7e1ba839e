// Message boxes as one modal HTML <dialog>: the buttons, icons and answers of the desktop's boxes.

// The order of the C++ enums page::Buttons, page::Icon and page::Answer.
const OK = 0, CANCEL = 1, YES = 2, NO = 3;
const CHOICES = [
  [{ label: 'OK', answer: OK }],
  [{ label: 'OK', answer: OK }, { label: 'キャンセル', answer: CANCEL }],
  [{ label: 'はい(<u>Y</u>)', answer: YES, key: 'y' }, { label: 'いいえ(<u>N</u>)', answer: NO, key: 'n' }],
];
const ICONS = ['', '?', '!'];
export const APPLICATION_TITLE = '立体ヌボロ for Windows Ver.3.1';

const box = () => document.getElementById('message-box');

export function dialogOpen() {
  return document.querySelector('dialog[open]') !== null;
}

// Shows one box and resolves with the answer. Esc or a forced close answers as the box's last button
// does, as the desktop's boxes do.
export function ask(text, title, buttons, icon) {
  const dialog = box();
  const choices = CHOICES[buttons] ?? CHOICES[0];
  dialog.querySelector('.title').textContent = title || APPLICATION_TITLE;
  dialog.querySelector('.text').textContent = text;
  const mark = dialog.querySelector('.icon');
  mark.textContent = ICONS[icon] ?? '';
  mark.dataset.icon = String(icon);
  const row = dialog.querySelector('.buttons');
  row.replaceChildren(...choices.map(({ label, answer }) => {
    const button = document.createElement('button');
    button.type = 'button';
    button.innerHTML = label;
    button.dataset.answer = String(answer);
    return button;
  }));
  return new Promise((resolve) => {
    const finish = (answer) => {
      dialog.removeEventListener('click', onClick);
      dialog.removeEventListener('keydown', onKey);
      dialog.removeEventListener('close', onClose);
      if (dialog.open) dialog.close();
      resolve(answer);
    };
    const onClick = (e) => {
      const button = e.target.closest('button[data-answer]');
      if (button) finish(Number(button.dataset.answer));
    };
    // A mnemonic answers the box and goes no further: the program behind it never sees that key.
    const onKey = (e) => {
      const choice = choices.find((c) => c.key === e.key.toLowerCase());
      if (choice) {
        e.preventDefault();
        e.stopPropagation();
        finish(choice.answer);
      }
    };
    // The previous box's close event can arrive after this box opened: only a closed box is answered.
    const onClose = () => {
      if (!dialog.open) finish(choices[choices.length - 1].answer);
    };
    dialog.addEventListener('click', onClick);
    dialog.addEventListener('keydown', onKey);
    dialog.addEventListener('close', onClose);
    dialog.showModal();
    row.firstElementChild.focus();
  });
}

// A modal form dialog of the page, made once under `id`: a title bar, the body's markup and a row of
// buttons, each [label, value]. The page's own stylesheet gives it the message box's look.
export function formDialog(id, title, body, buttons) {
  let dialog = document.getElementById(id);
  if (dialog) return dialog;
  dialog = document.createElement('dialog');
  dialog.id = id;
  dialog.className = 'form-box';
  dialog.innerHTML = `<form method="dialog"><div class="title"></div><div class="body">${body}</div>
    <div class="buttons"></div></form>`;
  dialog.querySelector('.title').textContent = title;
  dialog.querySelector('.buttons').append(...buttons.map(([label, value]) => {
    const button = document.createElement('button');
    button.value = value;
    button.textContent = label;
    return button;
  }));
  document.body.append(dialog);
  return dialog;
}

// Shows a form dialog and resolves with the value of the button that closed it; Esc gives ''.
export function runForm(dialog) {
  return new Promise((resolve) => {
    dialog.returnValue = '';
    dialog.addEventListener('close', () => resolve(dialog.returnValue), { once: true });
    dialog.showModal();
  });
}

// A line of text, or null when the learner backs out or leaves it empty.
export async function askText(title, label, value) {
  const dialog = formDialog('text-box', title, `<label><span></span> <input name="text" size="28"></label>`,
    [['OK', 'ok'], ['キャンセル', '']]);
  dialog.querySelector('.title').textContent = title;
  dialog.querySelector('label span').textContent = label;
  const input = dialog.querySelector('input');
  input.value = value;
  const answer = runForm(dialog);
  input.select();
  return (await answer) === 'ok' && input.value.trim() ? input.value.trim() : null;
}
