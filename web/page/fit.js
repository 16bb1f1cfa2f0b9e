// The window on any screen: scaled as one piece, its layout unchanged, to
// the largest size that fits the viewport, and centred in it. The board's
// canvas is put on whole device pixels so that it stays sharp. The windows
// the page opens over it (the menus, the message box, the About window) are
// drawn at the same scale, smaller where they would not fit.

let windowScale = 1;
const kScalePlaces = 10000;
// From one and a half device pixels to the window's pixel on, the
// double-size drawings are the sharper ones, whatever makes the pixels
// bigger: the screen or the window's scale.
const kDoubleSizeFrom = 1.5;

// The scale the main window is drawn at.
export function currentScale() {
  return windowScale;
}

// Which drawings suit `ratio` device pixels to the window's pixel: 1 for
// the plain ones, 2 for the double-size ones.
export function drawingsFor(ratio) {
  return ratio >= kDoubleSizeFrom ? 2 : 1;
}

// The drawings that suit the window as it is now drawn.
export function currentDrawings() {
  return drawingsFor(windowScale * (window.devicePixelRatio || 1));
}

function viewport() {
  return { width: document.documentElement.clientWidth, height: document.documentElement.clientHeight };
}

// Scales `element` (its unscaled size `width` x `height`) so that it fits
// the viewport, never larger than the main window, and returns its scale.
function fitScale(width, height) {
  const view = viewport();
  return Math.min(windowScale, view.width / width, view.height / height);
}

// Places a fixed-position window of the page centred in the viewport.
export function centreInViewport(dialog) {
  const scale = fitScale(dialog.offsetWidth, dialog.offsetHeight);
  const view = viewport();
  dialog.style.transform = `scale(${scale})`;
  dialog.style.left = `${(view.width - dialog.offsetWidth * scale) / 2}px`;
  dialog.style.top = `${(view.height - dialog.offsetHeight * scale) / 2}px`;
}

// Keeps a window of the page, scaled as it now should be, inside the
// viewport where it is (after the viewport changed).
export function keepInViewport(dialog) {
  const scale = fitScale(dialog.offsetWidth, dialog.offsetHeight);
  const view = viewport();
  const clamp = (at, size, room) => Math.max(0, Math.min(at, room - size * scale));
  dialog.style.transform = `scale(${scale})`;
  dialog.style.left = `${clamp(dialog.offsetLeft, dialog.offsetWidth, view.width)}px`;
  dialog.style.top = `${clamp(dialog.offsetTop, dialog.offsetHeight, view.height)}px`;
}

export class WindowFit {
  // `root` holds the whole main window; `board` is its BoardView.
  constructor(root, board) {
    this.root = root;
    this.board = board;
    this.listeners = [];
    window.addEventListener('resize', () => this.apply());
    // A new pixel ratio (the browser's zoom, another screen) moves the
    // device pixel grid the canvas is aligned to.
    const watchRatio = () => matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`)
      .addEventListener('change', () => {
        watchRatio();
        this.apply();
      }, { once: true });
    watchRatio();
  }

  // `listener()` runs after every new fit.
  onChange(listener) {
    this.listeners.push(listener);
  }

  apply() {
    const root = this.root;
    const width = root.offsetWidth;
    const height = root.offsetHeight;
    if (width === 0 || height === 0) return;
    const view = viewport();
    // To four places, as the browser keeps it: the canvas's size in device
    // pixels is worked out from the scale the browser really draws at.
    const scale = Math.floor(Math.min(view.width / width, view.height / height) * kScalePlaces) / kScalePlaces;
    windowScale = scale;
    // Centred, then moved by less than a device pixel so that the canvas
    // starts on one.
    const ratio = window.devicePixelRatio || 1;
    const canvas = this.board.offsetIn(root);
    const snap = (at, offset) => Math.round((at + offset * scale) * ratio) / ratio - offset * scale;
    const left = snap((view.width - width * scale) / 2, canvas.x);
    const top = snap((view.height - height * scale) / 2, canvas.y);
    root.style.transform = `translate(${left}px, ${top}px) scale(${scale})`;
    this.board.setScale(scale);
    for (const listener of this.listeners) listener();
  }
}
