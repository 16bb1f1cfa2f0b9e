// Starts the game in the page: lays the window out from layout.json, loads
// the pictures, sounds and the compiled game, then deals the first board and
// starts the timer. Every event goes through one queue to the game.
import { BoardView } from './board.js';
import { buildControls, picture, place, showPicture } from './controls.js';
import { AboutWindow, showMessage, usePageTexts } from './dialogs.js';
import { EventQueue } from './events.js';
import { currentDrawings, WindowFit } from './fit.js';
import { localise, shownGameText } from './language.js';
import { MenuBar } from './menus.js';
import { SoundPlayer } from './sound.js';
import { loadTileSheet } from './tilesheet.js';
import { carriedBytes, carriedText } from './carried.js';
import { Speech } from './speech.js';

// The folder of the page itself, without its last "/": where the game
// looks for its sound files, as the desktop looks beside the program.
const programFolder = new URL('.', location.href).href.replace(/\/$/, '');

// The key that has the status said, wherever the player is in the window.
const kStatusKey = 's';

// The layout table is a few dozen kilobytes, the game's code a few dozen
// more; anything far larger is not them.
const kLargestLayoutBytes = 1024 * 1024;
const kLargestGameBytes = 4 * 1024 * 1024;
// The labels stay blank until their fonts are in, at most this long (as
// with the browser's own font-display: block).
const kFontWaitMs = 3000;

// The layout table, carried in the page or else from layout.json.
async function loadLayout() {
  let text = carriedText('layout', kLargestLayoutBytes);
  if (text === null) {
    const response = await fetch('layout.json');
    if (!response.ok) throw new Error(`layout.json: ${response.status}`);
    text = await response.text();
  }
  if (text.length > kLargestLayoutBytes) throw new Error('layout.json is too large');
  const layout = JSON.parse(text);
  if (!layout.main || !layout.about || !layout.board || !layout.spoken) throw new Error('layout.json lacks a window');
  return layout;
}

function buildMainWindow(root, layout, events) {
  const main = layout.main;
  root.style.width = `${main.width}px`;
  const menuBar = document.createElement('div');
  const client = document.createElement('div');
  client.className = 'client';
  client.dataset.control = 'client';
  client.style.width = `${main.width}px`;
  client.style.height = `${main.height}px`;
  root.append(menuBar, client);

  let board = null;
  const controls = buildControls(client, main.controls, (control) => {
    if (control.kind === 'board') {
      const element = place(document.createElement('div'), control);
      element.classList.add('board');
      board = new BoardView(element, control, layout.board, layout.twipsPerPixel, layout.board.cellNames,
        (button, shift, x, y) => events.press(button, shift, x, y));
      return element;
    }
    if (control.kind === 'picture') {
      // Drawn unscaled from its corner, clipped to its box; fetched after
      // the first board.
      const box = place(document.createElement('div'), control);
      box.append(picture(control.picture, false));
      return box;
    }
    return null;
  });
  return { menuBar, client, board, controls };
}

// The background and the legend pictures in the drawings that suit the
// window as it is drawn now.
function showPictures(root, client, background) {
  const drawings = currentDrawings();
  client.dataset.drawings = String(drawings);
  client.style.backgroundImage =
    `image-set(url("assets/${background}${drawings === 2 ? '@2x' : ''}.png") ${drawings}x)`;
  root.querySelectorAll('img[data-picture]').forEach(showPicture);
}

// What the first board does not need, fetched once it is on the screen, so
// that a slow phone shows the board sooner: the background and the legend
// pictures, the fonts, the sounds (a sound played before it is in waits for
// it), and the copy of the game's own files that lets it start and play
// offline next time.
function loadTheRest(root, client, layout, sound) {
  showPictures(root, client, layout.main.background);

  const fonts = document.createElement('link');
  fonts.rel = 'stylesheet';
  fonts.href = 'fonts.css';
  const showLabels = () => root.classList.remove('fonts-pending');
  fonts.addEventListener('error', showLabels);
  fonts.addEventListener('load', () => {
    // Every face now, not when first used: the About window and the message
    // box then open with their text in place.
    const faces = [...document.fonts].map((face) => face.load().catch(() => {}));
    Promise.race([Promise.all(faces), new Promise((resolve) => setTimeout(resolve, kFontWaitMs))]).then(showLabels);
  });
  document.head.append(fonts);

  sound.preload(layout.sounds.map((name) => `${programFolder}/${name}`));
  if ('serviceWorker' in navigator) {
    navigator.serviceWorker.register('sw.js').catch((error) => console.warn(`no offline copy: ${error.message}`));
  }
}

async function start() {
  const root = document.getElementById('main');
  // The game, the tiles and the layout all at once: on a slow phone each
  // takes a while.
  const code = carriedBytes('game-code', kLargestGameBytes);
  const modulePromise = createPelmora({ page: {}, locateFile: (file) => file, ...(code ? { wasmBinary: code } : {}) });
  const layout = await loadLayout();
  const language = await localise(layout);
  document.documentElement.lang = language;
  // What an installed game says it is, in the same language.
  if (language !== 'en') document.querySelector('link[rel=manifest]')?.setAttribute('href', `manifest.${language}.webmanifest`);
  usePageTexts(layout.pageTexts);
  document.title = layout.main.caption;

  let module = null;
  const queue = new EventQueue();
  const call = (name, types = [], values = []) => module.ccall(name, null, types, values, { async: true });
  const events = {
    press: (button, shift, x, y) => queue.post('press', () =>
      call('pelmora_press', ['number', 'number', 'number', 'number'], [button, shift, x, y])),
    tick: () => queue.post('tick', () => call('pelmora_tick')),
    levelUp: () => queue.post('click', () => call('pelmora_level_up')),
    reset: () => queue.post('click', () => call('pelmora_reset')),
  };

  const window_ = buildMainWindow(root, layout, events);
  const about = new AboutWindow(layout.about, layout.main.menuFont);
  let timer = 0;
  const quit = () => {
    clearInterval(timer);
    queue.clear();
    call('pelmora_unload');
    about.close();
    root.replaceChildren();
    root.className = 'ended';
    root.textContent = layout.pageTexts.ended.replace('%1', layout.main.caption);
    if (window.opener) window.close();  // a tab a script opened may be closed by one
  };
  new MenuBar(window_.menuBar, layout.main.menus, layout.main.menuFont, layout.main.menuBarHeight, {
    mnuFileNew: events.reset,
    mnuFileQuit: () => queue.post('click', async () => quit()),
    mnuaswitch: () => queue.post('click', async () => about.show()),
  });
  const fit = new WindowFit(root, window_.board);
  fit.apply();  // the window is whole: its menu bar is in
  // The tiles in the drawings that suit the window's size on this screen.
  const tileDrawings = currentDrawings();
  const tilesPromise = loadTileSheet(tileDrawings);
  // Pictures already shown follow the window to a size or screen where the
  // other drawings are the sharper ones.
  fit.onChange(() => {
    const shown = window_.client.dataset.drawings;
    if (shown && shown !== String(currentDrawings())) showPictures(root, window_.client, layout.main.background);
  });
  // "LEVEL UP" answers a click, and Enter or Space once Tab has reached it.
  const levelUp = window_.controls.get('Label3');
  levelUp.setAttribute('role', 'button');
  levelUp.tabIndex = 0;
  levelUp.addEventListener('click', events.levelUp);
  levelUp.addEventListener('keydown', (event) => {
    if ((event.key !== 'Enter' && event.key !== ' ') || event.altKey || event.ctrlKey || event.metaKey || event.shiftKey) return;
    event.preventDefault();
    if (!event.repeat) events.levelUp();
  });

  const speech = new Speech(root, layout.spoken);
  root.addEventListener('keydown', (event) => {
    if (event.key !== kStatusKey || event.altKey || event.ctrlKey || event.metaKey || event.repeat) return;
    event.preventDefault();
    speech.sayStatus();
  });

  const sound = new SoundPlayer(layout.sound);
  const board = window_.board;
  const [loaded, tiles] = await Promise.all([modulePromise, tilesPromise]);
  board.setTiles(tiles, tileDrawings);
  module = loaded;
  Object.assign(module.page, {
    drawBoard: (codes) => board.draw(codes),
    playSound: (url) => sound.play(url),
    showMessage: (text, title) => showMessage(shownGameText(layout.gameWords, text),
      shownGameText(layout.gameWords, title), layout.main.menuFont, board.element),
    programFolder: () => programFolder,
    tell: (outcome) => speech.told(outcome),
    setText: (name, text) => {
      const label = window_.controls.get(name);
      if (label) label.textContent = shownGameText(layout.gameWords, text);
    },
  });
  queue.post('load', () => call('pelmora_load'));
  await queue.settled();
  performance.mark('pelmora-first-board');
  board.element.focus({ preventScroll: true });
  loadTheRest(root, window_.client, layout, sound);
  timer = setInterval(events.tick, layout.board.tickMilliseconds);
}

start().catch((error) => console.error(error));
