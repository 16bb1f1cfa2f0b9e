// `dest`: the board drawn on a canvas, sharp at the screen's pixel ratio,
// and the presses on it reported in twips from its inner corner.
import { drawingsFor } from './fit.js';
import { loadTileSheet } from './tilesheet.js';

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

// Keys that move the cursor, as on the desktop: one cell for an arrow, the
// row's ends for Home and End, the column's ends for Page Up and Page Down.
function moved(cell, key, rows, columns) {
  const { row, column } = cell;
  switch (key) {
    case 'ArrowLeft': return { row, column: Math.max(0, column - 1) };
    case 'ArrowRight': return { row, column: Math.min(columns - 1, column + 1) };
    case 'ArrowUp': return { row: Math.max(0, row - 1), column };
    case 'ArrowDown': return { row: Math.min(rows - 1, row + 1), column };
    case 'Home': return { row, column: 0 };
    case 'End': return { row, column: columns - 1 };
    case 'PageUp': return { row: 0, column };
    case 'PageDown': return { row: rows - 1, column };
    default: return null;
  }
}

// The box of cell (row, column) in twips, and its middle: the twins of the
// rules' cellRect and cellCentre, on the grid layout.json gives.
function cellRect(grid, { row, column }) {
  return {
    left: grid.left + column * grid.cellWidth, top: grid.top + row * grid.cellHeight,
    width: grid.cellWidth, height: grid.cellHeight,
  };
}

function cellCentre(grid, cell) {
  const box = cellRect(grid, cell);
  return { x: box.left + box.width / 2, y: box.top + box.height / 2 };
}

export class BoardView {
  // `control` is dest's entry in the layout; `geometry` the board's grid in
  // twips; `onPress(button, shift, x, y)` receives presses in twips.
  // `cellNames` names each cell code ("empty" for any other).
  constructor(element, control, geometry, twipsPerPixel, cellNames, onPress) {
    this.element = element;
    this.cellNames = cellNames;
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
    this.buildGrid(control);
    this.tiles = new Map();
    this.stretched = new Map();
    this.codes = null;
    this.painted = null;
    this.ratio = 0;
    this.scale = 1;  // the window's scale on the page

    const press = (event, button) => {
      // Every press counts, the second of a double-click too, as on the desktop.
      element.classList.remove('keyboard');  // a press puts the outline away
      const box = this.canvas.getBoundingClientRect();
      const x = ((event.clientX - box.left) / this.scale) * this.twipsPerPixel;
      const y = ((event.clientY - box.top) / this.scale) * this.twipsPerPixel;
      onPress(button, shiftCode(event), x, y);
    };
    element.addEventListener('mousedown', (event) => press(event, kButtonCodes[event.button] ?? 0));
    // A touch or a pen is a left press the moment it lands; its default is
    // cancelled so that no imitation mouse press follows it.
    element.addEventListener('pointerdown', (event) => {
      if (event.pointerType === 'mouse') return;
      event.preventDefault();
      press(event, kButtonCodes[0]);
    });
    element.addEventListener('contextmenu', (event) => event.preventDefault());
    element.addEventListener('keydown', (event) => {
      // Keys with a modifier are the window's and the menus'.
      if (event.altKey || event.ctrlKey || event.metaKey || event.shiftKey) return;
      const g = this.geometry;
      if (event.key === ' ' || event.key === 'Enter') {
        element.classList.add('keyboard');
        event.preventDefault();
        if (event.repeat) return;  // a held key presses once, as a held button does
        // A press in the middle of the cursor's cell, as a mouse would.
        const { x, y } = cellCentre(g, this.cursor);
        onPress(kButtonCodes[0], shiftCode(event), x, y);
      } else {
        const next = moved(this.cursor, event.key, g.rows, g.columns);
        if (!next) return;
        element.classList.add('keyboard');
        this.moveCursor(next);
      }
      event.preventDefault();
    });
  }

  // The board for assistive technology: a grid of rows of cells, each named
  // for what it shows and lying over the cell it stands for; the cursor's
  // cell is the grid's active one.
  buildGrid(control) {
    const g = this.geometry;
    const element = this.element;
    element.tabIndex = 0;
    element.setAttribute('role', 'grid');
    element.setAttribute('aria-label', control.accessibleName ?? control.name);
    element.setAttribute('aria-rowcount', String(g.rows));
    element.setAttribute('aria-colcount', String(g.columns));
    this.cells = [];
    for (let row = 0; row < g.rows; ++row) {
      const line = document.createElement('div');
      line.setAttribute('role', 'row');
      for (let column = 0; column < g.columns; ++column) {
        const cell = document.createElement('div');
        cell.id = `dest-${row}-${column}`;
        cell.className = 'cell';
        cell.setAttribute('role', 'gridcell');
        const box = cellRect(g, { row, column });
        for (const side of ['left', 'top', 'width', 'height']) cell.style[side] = `${box[side] / this.twipsPerPixel}px`;
        cell.dataset.code = '';
        line.append(cell);
        this.cells.push(cell);
      }
      element.append(line);
    }
    this.cursorBox = document.createElement('div');
    this.cursorBox.className = 'cursor';
    element.append(this.cursorBox);
    this.moveCursor({ row: 0, column: 0 });
  }

  moveCursor(cell) {
    this.cursor = cell;
    const active = this.cells[cell.row * this.geometry.columns + cell.column];
    this.element.setAttribute('aria-activedescendant', active.id);
    for (const side of ['left', 'top', 'width', 'height']) this.cursorBox.style[side] = active.style[side];
  }

  // Names the cells whose code changed.
  nameCells(codes) {
    codes.split('').forEach((code, index) => {
      const cell = this.cells[index];
      if (!cell || cell.dataset.code === code) return;
      cell.dataset.code = code;
      cell.setAttribute('aria-label', this.cellNames[code] ?? this.cellNames.empty);
      cell.setAttribute('aria-selected', String('BGRY'.includes(code)));
    });
  }

  // The drawings that suit the board as it is drawn: its scale on the page
  // times the screen's pixel ratio.
  drawings() {
    return drawingsFor(this.scale * (window.devicePixelRatio || 1));
  }

  // `tiles`: tile name -> picture, in `drawings`, as loadTileSheet gives
  // them.
  setTiles(tiles, drawings) {
    this.tiles = tiles;
    this.tileDrawings = drawings;
    this.stretched = new Map();
    this.painted = null;
  }

  // A tile stretched to the cell once, at the screen's ratio, as the
  // desktop keeps them: every paint after that copies pixels only.
  stretchedTile(name, width, height) {
    const key = `${name} ${width}x${height}`;
    let tile = this.stretched.get(key);
    if (!tile) {
      tile = new OffscreenCanvas(width, height);
      const context = tile.getContext('2d');
      context.imageSmoothingQuality = 'high';
      context.drawImage(this.tiles.get(name), 0, 0, width, height);
      this.stretched.set(key, tile);
    }
    return tile;
  }

  // The board as the game last drew it: one code per cell, row by row.
  draw(codes) {
    if (codes === this.codes) return;  // ten ticks a second mostly redraw the same board
    this.codes = codes;
    this.paint();
    this.nameCells(codes);
  }

  // Where the canvas lies in `ancestor`, in its unscaled pixels.
  offsetIn(ancestor) {
    let x = 0;
    let y = 0;
    for (let node = this.canvas; node && node !== ancestor; node = node.offsetParent) {
      x += node.offsetLeft;
      y += node.offsetTop;
    }
    return { x, y };
  }

  // The window is drawn at `scale` on the page: the canvas takes the device
  // pixels of that size, one to one.
  // Scaled or moved to a screen where the other drawings are the sharper
  // ones, it takes those.
  setScale(scale) {
    this.scale = scale;
    this.paint();
    const drawings = this.drawings();
    if (this.tileDrawings && drawings !== this.tileDrawings) {
      this.tileDrawings = drawings;  // asked for once, however often the fit changes meanwhile
      loadTileSheet(drawings).then((tiles) => {
        if (drawings !== this.drawings()) return;
        this.setTiles(tiles, drawings);
        this.paint();
      }).catch((error) => console.warn(error.message));
    }
  }

  paint() {
    const ratio = this.scale * (window.devicePixelRatio || 1);
    if (ratio !== this.ratio) {
      this.ratio = ratio;
      this.canvas.width = Math.round(this.width * ratio);
      this.canvas.height = Math.round(this.height * ratio);
      // A whole number of device pixels on the screen, however it is scaled.
      this.canvas.style.width = `${this.canvas.width / ratio}px`;
      this.canvas.style.height = `${this.canvas.height / ratio}px`;
      this.stretched = new Map();
      this.painted = null;
    }
    // The same board gives the same picture: nothing to redo.
    if (!this.codes || this.codes === this.painted) return;
    this.painted = this.codes;
    const context = this.canvas.getContext('2d');
    context.fillStyle = this.fill;
    context.fillRect(0, 0, this.canvas.width, this.canvas.height);
    const g = this.geometry;
    const scale = ratio / this.twipsPerPixel;  // twips to device pixels
    // Whole device pixels, so the tiles stay sharp and touch without seams.
    const edge = (twips) => Math.round(twips * scale);
    for (let row = 0; row < g.rows; ++row) {
      for (let column = 0; column < g.columns; ++column) {
        const name = tileName(this.codes[row * g.columns + column]);
        if (!name) continue;
        const box = cellRect(g, { row, column });
        const left = edge(box.left);
        const top = edge(box.top);
        const width = edge(box.left + box.width) - left;
        const height = edge(box.top + box.height) - top;
        context.drawImage(this.stretchedTile(name, width, height), left, top);
      }
    }
  }
}
