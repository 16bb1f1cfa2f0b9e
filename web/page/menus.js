// The menu bar: titles with access keys (Alt and the underlined letter),
// drop-down menus worked by mouse or arrows, Enter and Escape.
import { accessText, applyFont } from './controls.js';
import { currentScale } from './fit.js';

export class MenuBar {
  // `menus` from the layout; `commands` maps an item's name to what it runs.
  constructor(element, menus, font, height, commands) {
    this.element = element;
    this.commands = commands;
    this.open = null;  // { title, list, index }
    element.className = 'menubar';
    element.setAttribute('role', 'menubar');
    element.style.height = `${height}px`;
    applyFont(element, font);
    this.menus = menus.map((menu) => this.buildMenu(menu, font));
    document.addEventListener('keydown', (event) => this.accessKey(event));
    // A press or a touch anywhere else puts the open menu away.
    document.addEventListener('pointerdown', (event) => {
      if (this.open && !this.element.contains(event.target) && !this.open.list.contains(event.target)) this.close();
    });
  }

  buildMenu(menu, font) {
    const caption = accessText(menu.title);
    const title = document.createElement('div');
    title.className = 'menu-title';
    title.dataset.control = menu.name;
    title.setAttribute('role', 'menuitem');
    title.setAttribute('aria-haspopup', 'true');
    title.setAttribute('aria-expanded', 'false');
    title.setAttribute('aria-label', caption.plain);
    if (caption.key) title.setAttribute('aria-keyshortcuts', `Alt+${caption.key.toUpperCase()}`);
    title.append(caption.node);
    this.element.append(title);

    const list = document.createElement('div');
    list.className = 'menu hidden';
    list.setAttribute('role', 'menu');
    list.setAttribute('aria-label', caption.plain);
    list.tabIndex = -1;
    applyFont(list, font);
    const items = [];
    for (const entry of menu.items) {
      const item = document.createElement('div');
      item.dataset.control = entry.name;
      if (entry.separator) {
        item.className = 'separator';
        item.setAttribute('role', 'separator');
      } else {
        item.className = 'item';
        item.setAttribute('role', 'menuitem');
        item.tabIndex = -1;
        item.textContent = entry.text;
        item.addEventListener('click', () => this.choose(entry.name));
        items.push(item);
      }
      list.append(item);
    }
    list.addEventListener('keydown', (event) => this.menuKeys(event));
    document.body.append(list);
    const built = { title, list, items, key: caption.key };
    title.addEventListener('mousedown', (event) => {
      event.preventDefault();
      if (this.open && this.open.title === title) this.close();
      else this.show(built, false);
    });
    // Passing over another title moves the open menu there; a touch that
    // lands on one opens it by its press alone.
    title.addEventListener('pointerenter', (event) => {
      if (event.pointerType === 'mouse' && this.open && this.open.title !== title) this.show(built, false);
    });
    return built;
  }

  show(menu, focusFirst) {
    this.close(false);
    const box = menu.title.getBoundingClientRect();
    menu.list.style.left = `${box.left + window.scrollX}px`;
    menu.list.style.top = `${box.bottom + window.scrollY}px`;
    menu.list.style.transform = `scale(${currentScale()})`;  // as large as the window's own bar
    menu.list.classList.remove('hidden');
    menu.title.classList.add('open');
    menu.title.setAttribute('aria-expanded', 'true');
    this.returnFocus = this.returnFocus ?? document.activeElement;
    this.open = menu;
    // The menu takes the keys whichever way it was opened.
    if (focusFirst) menu.items[0].focus();
    else menu.list.focus();
  }

  close(restoreFocus = true) {
    if (!this.open) return;
    this.open.list.classList.add('hidden');
    this.open.title.classList.remove('open');
    this.open.title.setAttribute('aria-expanded', 'false');
    this.open = null;
    if (restoreFocus) {
      const back = this.returnFocus;
      this.returnFocus = null;
      if (back && back.isConnected) back.focus();
    }
  }

  choose(name) {
    this.close();
    const command = this.commands[name];
    if (command) command();
  }

  accessKey(event) {
    if (!event.altKey || event.ctrlKey || event.metaKey || event.defaultPrevented) return;
    const menu = this.menus.find((candidate) => candidate.key === event.key.toLowerCase());
    if (!menu) return;
    event.preventDefault();
    this.show(menu, true);
  }

  menuKeys(event) {
    const menu = this.open;
    if (!menu) return;
    const at = menu.items.indexOf(document.activeElement);
    const step = (by) => menu.items[(at + by + menu.items.length) % menu.items.length].focus();
    const sideways = (by) => {
      const index = this.menus.indexOf(menu);
      this.show(this.menus[(index + by + this.menus.length) % this.menus.length], true);
    };
    switch (event.key) {
      case 'ArrowDown': step(at < 0 ? 0 : 1); break;
      case 'ArrowUp': step(at < 0 ? 0 : -1); break;
      case 'ArrowRight': sideways(1); break;
      case 'ArrowLeft': sideways(-1); break;
      case 'Home': menu.items[0].focus(); break;
      case 'End': menu.items[menu.items.length - 1].focus(); break;
      case 'Escape': case 'Tab': this.close(); break;
      case 'Enter': case ' ':
        if (at >= 0) this.choose(menu.items[at].dataset.control);
        break;
      default: return;
    }
    event.preventDefault();
    event.stopPropagation();
  }
}
