// `dest`: the board drawn on a canvas, sharp at the screen's pixel ratio,
// and the presses on it reported in twips from its inner corner.

// Tile picture for a cell code: "b" for a blue box, "bh" for a blue box
// selected; any other code draws nothing.
function tileName(code) {
  if ('bgry'.includes(code)) return code;
  if ('BGRY'.includes(code)) return `${code.toLowerCase()}h`;
  return null;
}

// Mouse buttons as the game numbers them: left 1, right 2, middle 4.
const kButtonCodes = [1, 4, 2];

function shiftCode(event) {
  return (event.shiftKey ? 1 : 0) | (event.ctrlKey ? 2 : 0) | (event.altKey ? 4 : 0);
}

export class BoardView {
  // `control` is dest's entry in the layout; `geometry` the board's grid in
  // twips; `onPress(button, shift, x, y)` receives presses in twips.
  constructor(element, control, geometry, twipsPerPixel, onPress) {
    this.element = element;
    this.geometry = geometry;
    this.twipsPerPixel = twipsPerPixel;
    this.width = control.width;
    this.height = control.height;
    this.fill = control.fill;
    this.canvas = document.createElement('canvas');
    this.canvas.style.width = `${this.width}px`;
    this.canvas.style.height = `${this.height}px`;
    this.canvas.setAttribute('aria-hidden', 'true');
    element.append(this.canvas);
    this.tiles = new Map();
    this.codes = null;
    this.ratio = 0;
    this.firstPaint = null;  // when the first board reached the canvas

    element.addEventListener('mousedown', (event) => {
      // As on the desktop, the second press of a double-click is not a press.
      if (event.detail > 1 && event.detail % 2 === 0) return;
      const box = this.canvas.getBoundingClientRect();
      const x = (event.clientX - box.left) * this.twipsPerPixel;
      const y = (event.clientY - box.top) * this.twipsPerPixel;
      onPress(kButtonCodes[event.button] ?? 0, shiftCode(event), x, y);
    });
    element.addEventListener('contextmenu', (event) => event.preventDefault());
    const ratioQuery = () => matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`);
    const watchRatio = () => ratioQuery().addEventListener('change', () => { this.paint(); watchRatio(); }, { once: true });
    watchRatio();
  }

  // Loads the eight tile pictures in both sizes; resolves when all are in.
  async loadTiles() {
    const loads = [];
    for (const code of 'bgryBGRY') {
      const name = tileName(code);
      for (const suffix of ['', '@2x']) {
        const image = new Image();
        image.src = `assets/${name}${suffix}.png`;
        this.tiles.set(`${name}${suffix}`, image);
        loads.push(image.decode());
      }
    }
    await Promise.all(loads);
  }

  // The board as the game last drew it: one code per cell, row by row.
  draw(codes) {
    this.codes = codes;
    this.paint();
  }

  paint() {
    const ratio = window.devicePixelRatio || 1;
    if (ratio !== this.ratio) {
      this.ratio = ratio;
      this.canvas.width = Math.round(this.width * ratio);
      this.canvas.height = Math.round(this.height * ratio);
    }
    const context = this.canvas.getContext('2d');
    context.setTransform(1, 0, 0, 1, 0, 0);
    context.fillStyle = this.fill;
    context.fillRect(0, 0, this.canvas.width, this.canvas.height);
    if (!this.codes) return;
    const g = this.geometry;
    const suffix = ratio > 1 ? '@2x' : '';
    const scale = ratio / this.twipsPerPixel;  // twips to device pixels
    context.imageSmoothingEnabled = true;
    context.imageSmoothingQuality = 'high';
    for (let row = 0; row < g.rows; ++row) {
      for (let column = 0; column < g.columns; ++column) {
        const name = tileName(this.codes[row * g.columns + column]);
        if (!name) continue;
        const left = (g.left + column * g.cellWidth) * scale;
        const top = (g.top + row * g.cellHeight) * scale;
        context.drawImage(this.tiles.get(name + suffix), left, top, g.cellWidth * scale, g.cellHeight * scale);
      }
    }
    if (this.firstPaint === null) this.firstPaint = performance.now();
  }
}
