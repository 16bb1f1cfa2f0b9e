// Builds controls from the layout table the desktop build exports: each at
// its rectangle in CSS pixels, with its font, colour and text.
import { currentDrawings } from './fit.js';

// "&File" -> text "File", access key "f", with the key's letter underlined.
export function accessText(caption) {
  const at = caption.indexOf('&');
  if (at < 0 || at + 1 >= caption.length) return { plain: caption, key: null, node: document.createTextNode(caption) };
  const node = document.createDocumentFragment();
  node.append(caption.slice(0, at));
  const underlined = document.createElement('u');
  underlined.textContent = caption[at + 1];
  node.append(underlined, caption.slice(at + 2));
  return { plain: caption.slice(0, at) + caption.slice(at + 1), key: caption[at + 1].toLowerCase(), node };
}

export function applyFont(element, font) {
  if (!font) return;
  element.style.fontFamily = `"${font.family}"`;
  element.style.fontSize = `${font.points}pt`;
  element.style.fontWeight = String(font.weight);
  element.style.fontStyle = font.italic ? 'italic' : 'normal';
}

export function place(element, control) {
  element.classList.add('control');
  element.dataset.control = control.name;
  element.style.left = `${control.x}px`;
  element.style.top = `${control.y}px`;
  element.style.width = `${control.width}px`;
  element.style.height = `${control.height}px`;
  if (!control.visible) element.classList.add('hidden');
  return element;
}

// A picture at its own size, drawn plain or double-size (showPicture); with
// `now` false it stays empty until showPicture(image).
export function picture(name, now = true) {
  const image = new Image();
  image.dataset.picture = name;
  image.alt = '';
  image.draggable = false;
  if (now) showPicture(image);
  return image;
}

// In the drawings that suit the window as it is drawn now (a desktop
// browser may draw it at twice its size on a plain screen); the one
// candidate's density keeps the picture at its own size either way.
export function showPicture(image) {
  const name = image.dataset.picture;
  const drawings = currentDrawings();
  image.srcset = `assets/${name}${drawings === 2 ? '@2x' : ''}.png ${drawings}x`;
}

export function label(control) {
  const element = place(document.createElement('div'), control);
  element.classList.add('label');
  if (control.wordWrap) element.classList.add('wrap');
  if (control.clickable) element.classList.add('clickable');
  applyFont(element, control.font);
  element.style.color = control.colour;
  element.style.textAlign = control.align;
  element.textContent = control.text;
  if (control.accessibleName) {
    // Named for what it shows, its changes told as they happen, as the
    // desktop's labels are.
    element.setAttribute('role', 'status');
    element.setAttribute('aria-label', control.accessibleName);
  }
  return element;
}

export function frame(control) {
  const element = place(document.createElement('div'), control);
  element.classList.add('frame');
  element.style.background = control.fill;
  return element;
}

export function pictureControl(control) {
  const element = place(picture(control.picture), control);
  element.classList.add('picture');
  element.style.width = element.style.height = '';
  return element;
}

// Builds `controls` into `parent` in order (later ones lie on top), calling
// `special(control)` first: it may return an element of its own.
export function buildControls(parent, controls, special) {
  const byName = new Map();
  for (const control of controls) {
    let element = special(control);
    if (!element) {
      if (control.kind === 'label') element = label(control);
      else if (control.kind === 'picture') element = pictureControl(control);
      else if (control.kind === 'frame') element = frame(control);
      else continue;
    }
    parent.append(element);
    byName.set(control.name, element);
    if (control.children) {
      for (const [name, child] of buildControls(element, control.children, special)) byName.set(name, child);
    }
  }
  return byName;
}
