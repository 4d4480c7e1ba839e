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
