// The windows the page draws itself: the modal message box and the
// modeless About window.
import { accessText, applyFont, buildControls, place } from './controls.js';
import { centreInViewport, keepInViewport } from './fit.js';

// The texts of the parts a desktop's window manager would draw (the close
// box) and of the message box's button, in the page's language.
let pageTexts = null;
export function usePageTexts(texts) { pageTexts = texts; }

function captionBar(title, onClose) {
  const bar = document.createElement('div');
  bar.className = 'caption';
  const text = document.createElement('span');
  text.className = 'title';
  text.textContent = title;
  bar.append(text);
  if (onClose) {
    const close = document.createElement('button');
    close.className = 'close';
    close.type = 'button';
    close.tabIndex = -1;
    close.setAttribute('aria-label', pageTexts.close);
    close.textContent = '\u2715';
    close.addEventListener('click', onClose);
    bar.append(close);
  }
  return { bar, text };
}

// Centres `dialog` in the page, worked out in floating point from its outer
// size, as the desktop centres on the screen, and keeps it inside the page
// when the page changes size (a phone turned round) until `dialog` is gone.
function centre(dialog) {
  centreInViewport(dialog);
  const keep = () => {
    if (dialog.isConnected) keepInViewport(dialog);
    else window.removeEventListener('resize', keep);
  };
  window.addEventListener('resize', keep);
}

// Lets the window be moved by its caption.
function draggable(dialog, bar) {
  bar.addEventListener('pointerdown', (event) => {
    if (event.button !== 0 || event.target.closest('button')) return;
    const start = { x: event.clientX, y: event.clientY, left: dialog.offsetLeft, top: dialog.offsetTop };
    bar.setPointerCapture(event.pointerId);
    const move = (moved) => {
      dialog.style.left = `${start.left + moved.clientX - start.x}px`;
      dialog.style.top = `${start.top + moved.clientY - start.y}px`;
    };
    bar.addEventListener('pointermove', move);
    bar.addEventListener('pointerup', () => bar.removeEventListener('pointermove', move), { once: true });
  });
}

// The modal box: `text`, caption `title`, one OK button. Resolves when it
// is closed; meanwhile nothing else on the page takes a press or a key.
export function showMessage(text, title, font, parentFocus) {
  return new Promise((resolve) => {
    const shade = document.createElement('div');
    shade.className = 'modal-shade';
    const dialog = document.createElement('div');
    dialog.className = 'dialog message';
    dialog.dataset.control = 'message';
    dialog.setAttribute('role', 'alertdialog');
    dialog.setAttribute('aria-modal', 'true');
    applyFont(dialog, font);
    const { bar, text: titleText } = captionBar(title, () => close());
    titleText.id = 'message-title';
    dialog.setAttribute('aria-labelledby', 'message-title');
    const body = document.createElement('div');
    body.className = 'body';
    body.id = 'message-text';
    body.textContent = text;
    dialog.setAttribute('aria-describedby', 'message-text');
    const buttons = document.createElement('div');
    buttons.className = 'buttons';
    const ok = document.createElement('button');
    ok.type = 'button';
    ok.className = 'push';
    const caption = accessText(pageTexts.ok);
    ok.append(caption.node);
    applyFont(ok, font);
    buttons.append(ok);
    dialog.append(bar, body, buttons);
    shade.append(dialog);
    document.body.append(shade);
    centre(dialog);
    draggable(dialog, bar);
    const previous = parentFocus ?? document.activeElement;
    ok.focus();

    const close = () => {
      document.removeEventListener('keydown', keys, true);
      shade.remove();
      if (previous && previous.isConnected) previous.focus();
      resolve();
    };
    // Enter, Space and Escape answer it; no key reaches the page behind.
    // A key held down since before the box opened (the Enter that clicked
    // LEVEL UP) only repeats: it does not answer.
    const keys = (event) => {
      if (!event.repeat) {
        if (['Enter', 'Escape', ' '].includes(event.key)) close();
        else if (event.key === 'Tab') ok.focus();
        else return;
      }
      event.preventDefault();
      event.stopImmediatePropagation();
    };
    document.addEventListener('keydown', keys, true);
    ok.addEventListener('click', close);
    shade.addEventListener('mousedown', (event) => { if (!dialog.contains(event.target)) event.preventDefault(); });
  });
}

// frmAbout: one at most; a second show brings the same one forward.
export class AboutWindow {
  constructor(layout, captionFont) {
    this.layout = layout;
    this.captionFont = captionFont;
    this.dialog = null;
  }

  get isOpen() { return this.dialog !== null; }

  show() {
    if (this.dialog) {
      document.body.append(this.dialog);  // to the front
      this.dialog.querySelector('[data-control=cmdOK]').focus();
      return;
    }
    const about = this.layout;
    const dialog = document.createElement('div');
    dialog.className = 'dialog about';
    dialog.id = 'frmAbout';
    dialog.dataset.control = 'frmAbout';
    dialog.setAttribute('role', 'dialog');
    dialog.setAttribute('aria-labelledby', 'frmAbout-title');
    const { bar, text } = captionBar(about.caption, () => this.close());
    text.id = 'frmAbout-title';
    applyFont(bar, this.captionFont);
    const client = document.createElement('div');
    client.className = 'client';
    client.style.width = `${about.width}px`;
    client.style.height = `${about.height}px`;
    client.style.background = about.fill;
    applyFont(client, about.font);
    buildControls(client, about.controls, (control) => this.special(control));
    dialog.append(bar, client);
    dialog.addEventListener('keydown', (event) => this.keys(event));
    document.body.append(dialog);
    centre(dialog);
    draggable(dialog, bar);
    this.dialog = dialog;
    dialog.querySelector('[data-control=cmdOK]').focus();
  }

  close() {
    if (!this.dialog) return;
    this.dialog.remove();
    this.dialog = null;
  }

  special(control) {
    const about = this.layout;
    if (control.kind === 'textbox') {
      const box = place(document.createElement('textarea'), control);
      box.readOnly = control.readOnly;
      box.value = about.howToPlay.replace(/\r\n/g, '\n');
      applyFont(box, control.font);
      box.setAttribute('aria-label', about.caption);
      return box;
    }
    if (control.kind === 'button') {
      const button = place(document.createElement('button'), control);
      button.type = 'button';
      button.className += ' push';
      const caption = accessText(control.text);
      button.append(caption.node);
      button.dataset.accessKey = caption.key ?? '';
      applyFont(button, control.font);
      button.addEventListener('click', () => this.close());
      return button;
    }
    const link = about.links[control.name];
    if (control.kind === 'label' && link) return this.linkLabel(control, link);
    return null;
  }

  linkLabel(control, link) {
    const element = document.createElement('div');
    // Built as any label, then made a link that opens in a new tab.
    const built = buildControls(element, [{ ...control }], () => null).get(control.name);
    built.setAttribute('role', 'link');
    built.tabIndex = 0;
    const follow = () => {
      // From now on the whole page keeps the plain pointer.
      document.documentElement.classList.add('custom-pointer');
      window.open(link, '_blank', 'noopener,noreferrer');
    };
    built.addEventListener('click', follow);
    built.addEventListener('keydown', (event) => {
      if (event.key === 'Enter' || event.key === ' ') {
        event.preventDefault();
        event.stopPropagation();
        follow();
      }
    });
    built.remove();
    return built;
  }

  keys(event) {
    const ok = this.dialog.querySelector('[data-control=cmdOK]');
    if (event.key === 'Tab') {
      // Tab goes round the window's own controls, as in a window of its own.
      const stops = [...this.dialog.querySelectorAll('.client [tabindex="0"], .client textarea, .client button')];
      const at = stops.indexOf(document.activeElement);
      const next = stops[(at + (event.shiftKey ? -1 : 1) + stops.length) % stops.length];
      event.preventDefault();
      next.focus();
    } else if (event.key === 'Escape' || (event.key === 'Enter' && event.target.tagName !== 'BUTTON')) {
      event.preventDefault();
      this.close();
    } else if (event.altKey && event.key.toLowerCase() === ok.dataset.accessKey) {
      event.preventDefault();
      ok.click();
    }
    event.stopPropagation();  // the board's keys stay with the board
  }
}
