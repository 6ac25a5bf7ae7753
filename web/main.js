// The browser front end: builds both windows from the core's control table, reports every event
// to the core in one call and applies the change list it answers with. Every rule is the core's
// (kalmotre.wasm); here nothing is decided.
import createKalmotre from "./kalmotre.js";

// 15 twips are one CSS pixel, as on a 96-dpi desktop.
const px = (twips) => `${twips / 15}px`;

// 0xBBGGRR as the core holds colours; the top bit names a colour of the desktop's palette.
function cssColor(bgr) {
  const value = bgr >>> 0;
  if (value & 0x80000000) return (value & 0xff) === 8 ? "#000000" : "#ffffff";
  const r = value & 0xff, g = (value >> 8) & 0xff, b = (value >> 16) & 0xff;
  return `rgb(${r}, ${g}, ${b})`;
}
const kThemeColor = 0xffffffff;
// Where the tab keeps the game across a reload; nothing is kept beyond the tab.
const kKeptGame = "kalmotre.game";
// A finger's reach: the smallest touch target the page aims at, in CSS pixels.
const kTouchTarget = 44;
// The desktop window's frame around its client area: title bar, menu bar and borders, and the
// margin it keeps from the edges of the page.
const kWindowChrome = 46;
const kDeskMargin = 24;
const kAlign = { topLeft: "left", left: "left", center: "center", right: "right" };

function make(tag, { id, cls, text, parent } = {}) {
  const element = document.createElement(tag);
  if (id) element.id = id;
  if (cls) element.className = cls;
  if (text !== undefined) element.textContent = text;
  if (parent) parent.appendChild(element);
  return element;
}

// Where the desktop arrangement puts a control, in the window's twips, and its font there.
function placeOnDesktop(element, row) {
  const [left, top, width, height] = row.rect;
  element.style.left = px(left);
  element.style.top = px(top);
  element.style.right = "";
  if (!row.sizedToText) {
    element.style.width = px(width);
    element.style.height = px(height);
  } else if (row.align === "right") {
    element.style.left = "auto";
    element.style.right = `calc(100% - ${px(left + width)})`;
  }
  element.style.zIndex = String(row.id);
  element.style.fontSize = `${row.fontPoints}pt`;
}

// The phone arrangement places a control by its region's layout: no box of its own, only the
// order in its region and the size of its type.
function placeOnPhone(element, row) {
  for (const property of ["left", "top", "right", "width", "height", "zIndex"]) element.style[property] = "";
  element.style.order = String(row.order);
  element.style.fontSize = row.phoneFont ? `${row.phoneFont}px` : "";
}

// What the table fixes for a control whatever the arrangement: font, colours, alignment, tip,
// names.
function describe(element, row) {
  placeOnDesktop(element, row);
  element.style.fontFamily = `"${row.fontFamily}", Arial, "Liberation Sans", Arimo, sans-serif`;
  element.style.fontWeight = row.bold ? "bold" : "normal";
  element.style.textAlign = kAlign[row.align];
  if (row.background !== kThemeColor) element.style.backgroundColor = cssColor(row.background);
  if (row.foreground !== kThemeColor) {
    element.style[row.kind === "shape" ? "borderColor" : "color"] = cssColor(row.foreground);
  }
  if (row.wordWrap) element.style.whiteSpace = "normal";
  if (row.bordered) element.classList.add("bordered");
  if (row.toolTip) element.title = row.toolTip;
  if (row.accessibleName) element.setAttribute("aria-label", row.accessibleName);
  if (row.accessibleDescription) element.setAttribute("aria-description", row.accessibleDescription);
  if (row.hidden) element.hidden = true;
}

class Page {
  constructor(module) {
    this.game = new module.WebGame();
    this.table = JSON.parse(module.controlTable());
    this.elements = [];
    this.timers = new Map();
    // Calls into the core and the time they and their lists took, for the benchmark.
    this.calls = { count: 0, milliseconds: 0 };
    this.splash = null;
    this.pad = JSON.parse(module.digitPad());
    this.regionOrder = JSON.parse(module.phoneRegions());
    this.boardInfo = JSON.parse(module.board());
    this.texts = JSON.parse(module.pageTexts());
    this.coarse = matchMedia("(pointer: coarse)");
    this.build();
    this.buildPad();
    this.buildGrip();
    this.buildPhone();
    this.buildPrintSheet();
    this.announcer = make("div", { cls: "visually-hidden", parent: document.getElementById("desk") });
    this.announcer.setAttribute("role", "status");
    // The desktop window wherever the screen holds it at 100 % and the pointer is fine; the phone
    // arrangement on a touch screen under 1024 pixels and wherever the window does not fit, a
    // zoomed page included. The choice follows rotation, resizing and zoom.
    const self = this.table[this.mainId];
    const [needWidth, needHeight] = [self.rect[2] / 15 + 2 + 2 * kDeskMargin,
      self.rect[3] / 15 + kWindowChrome + 2 * kDeskMargin];
    this.phoneQuery = matchMedia(`(pointer: coarse) and (max-width: 1023.98px), ` +
      `(max-width: ${needWidth - 0.02}px), (max-height: ${needHeight - 0.02}px)`);
    this.phoneQuery.addEventListener("change", () => this.arrange());
    this.coarse.addEventListener("change", () => this.touchMode());
    this.arrange();
    window.addEventListener("resize", () => this.fit());
    window.addEventListener("pagehide", () => this.keepNow());
    document.addEventListener("visibilitychange", () => {
      if (document.visibilityState === "hidden") this.keepNow();
    });
    // A game the tab kept comes back as it was; a kept text the core refuses is dropped.
    const kept = this.kept();
    const restored = kept ? this.game.restore(kept) : "";
    if (restored) {
      this.apply(JSON.parse(restored));
    } else {
      if (kept) this.keep(null);
      this.send("load");
    }
    if (!this.client.contains(document.activeElement) && !this.phoneElement.contains(document.activeElement)) {
      const first = this.table.find((row) => row.window === "main" && row.tabIndex === 0);
      this.elements[first.id].focus();
    }
  }

  // Every event goes to the core in one call; what it answers is shown at once, and the game
  // as it now stands is kept for the tab.
  send(event, control = -1, text = "", flags = 0) {
    const start = performance.now();
    const list = JSON.parse(this.game.handle(event, control, text, flags));
    this.apply(list);
    if (!list.quit) this.keepSoon();
    this.calls.count += 1;
    this.calls.milliseconds += performance.now() - start;
    return list;
  }

  // The game is written to storage a moment after the events stop, and at once when the page
  // is hidden or goes away (a reload, another tab or app, the browser discarding the tab).
  keepSoon() {
    if (this.keepTimer) return;
    this.keepTimer = setTimeout(() => this.keepNow(), 250);
  }
  keepNow() {
    clearTimeout(this.keepTimer);
    this.keepTimer = 0;
    if (!this.ended) this.keep(this.game.snapshot() || undefined);
  }

  // The tab's session storage: nothing in cookies or local storage, nothing shared between tabs.
  // A browser that refuses storage leaves the game unkept.
  kept() {
    try {
      return sessionStorage.getItem(kKeptGame);
    } catch {
      return null;
    }
  }
  keep(text) {
    if (text === undefined || text === this.lastKept) return;  // mid-command, or unchanged
    this.lastKept = text;
    try {
      if (text === null) sessionStorage.removeItem(kKeptGame);
      else sessionStorage.setItem(kKeptGame, text);
    } catch {
      // full or forbidden: the game goes on unkept
    }
  }

  build() {
    const desk = document.getElementById("desk");
    desk.replaceChildren();
    const self = this.table.find((row) => row.kind === "window" && row.window === "main");
    const win = make("section", { id: self.objectName, cls: "window", parent: desk });
    win.setAttribute("aria-label", self.caption);
    this.window = win;
    this.mainId = self.id;
    make("div", { cls: "titlebar", text: self.caption, parent: win });
    const menu = make("nav", { cls: "menubar", parent: win });
    this.menubar = menu;
    menu.setAttribute("role", "menubar");
    const client = make("div", { cls: "client", parent: win });
    // The client area is as wide as the window: widening the window brings the right-hand
    // panel into view.
    win.style.width = px(self.rect[2]);
    client.style.height = px(self.rect[3]);
    this.naturalWidth = self.rect[2] / 15;
    // The window's outer size, known without asking the layout: its width as set (and as the tab
    // drags it), its height the client's and the frame's.
    this.windowWidth = this.naturalWidth + 2;
    this.windowHeight = self.rect[3] / 15 + kWindowChrome;
    // The widest the window needs to be: every control of it in view, and a margin.
    this.fullWidth = Math.max(...this.table.filter((row) => row.window === "main" && row.kind !== "window")
      .map((row) => (row.rect[0] + row.rect[2]) / 15)) + 8;
    this.elements[self.id] = win;
    this.client = client;
    this.buildWindow("main", client, menu);
    // Every key goes to the core, named as the browser names it; what the core takes goes no
    // further. A key's release goes only where the core asked for it with the key.
    for (const type of ["keydown", "keyup"]) {
      document.addEventListener(type, (event) => {
        if (type === "keyup" && !this.keyUpWanted) return;
        const held = (event.shiftKey ? 1 : 0) | (event.ctrlKey ? 2 : 0) | (event.altKey ? 4 : 0) |
          (event.metaKey ? 8 : 0);
        const id = this.elements.indexOf(event.target);
        const list = this.send(type === "keydown" ? "key" : "keyup", id, event.key, held);
        this.keyUpWanted = type === "keydown" && list.keyUp;
        if (list.keyTaken) event.preventDefault();
      });
    }
  }

  // The controls of one window, nested in their frames; the keyboard walks them in tab order,
  // the table's order stacks them.
  buildWindow(name, client, menu) {
    const rows = this.table.filter((row) => row.window === name && row.kind !== "window");
    for (const row of rows) {
      if (row.kind === "timer") continue;
      this.elements[row.id] = row.kind === "menuItem" ? this.menuItem(row, menu) : this.control(row);
    }
    if (name === "main") this.buildBoard(rows.filter((row) => row.kind === "cell"));
    const order = (row) => (row.tabIndex >= 0 ? row.tabIndex : 1000 + row.id);
    for (const row of [...rows].sort((a, b) => order(a) - order(b))) {
      const element = this.elements[row.id];
      if (!element || row.kind === "menuItem") continue;
      if (row.kind === "cell") {
        if (!this.boardGrid.isConnected) client.appendChild(this.boardGrid);
        continue;
      }
      const container = this.table[row.container];
      (container.kind === "window" ? client : this.elements[container.id]).appendChild(
        row.kind === "option" ? element.parentElement : element);
    }
  }

  // The board as a grid to assistive technology: rows of cells, each named by its place, and one
  // tab stop for all of it (the arrows move inside, by the core's rules). The grid, its rows and
  // their cells take no box of their own in the window, so the cells sit where the table puts
  // them; in the phone arrangement the grid is the board's region.
  buildBoard(cells) {
    const size = this.boardInfo.size;
    const grid = make("div", { id: "board", cls: "board" });
    grid.setAttribute("role", "grid");
    grid.setAttribute("aria-label", this.boardInfo.name);
    grid.setAttribute("aria-rowcount", String(size));
    grid.setAttribute("aria-colcount", String(size));
    const lines = Array.from({ length: size }, (_, r) => {
      const line = make("div", { cls: "board-row", parent: grid });
      line.setAttribute("role", "row");
      line.setAttribute("aria-rowindex", String(r + 1));
      return line;
    });
    for (const row of [...cells].sort((a, b) => a.order - b.order)) {
      const holder = make("div", { cls: "board-cell", parent: lines[Math.floor(row.order / size)] });
      holder.setAttribute("role", "gridcell");
      holder.setAttribute("aria-colindex", String((row.order % size) + 1));
      const cell = this.elements[row.id];
      holder.appendChild(cell);
      cell.tabIndex = row.order === 0 ? 0 : -1;
      if (row.order === 0) this.boardStop = cell;
    }
    this.boardGrid = grid;
  }

  // The cell the board's one tab stop leads to: the last one that had the focus.
  rove(cell) {
    if (this.boardStop === cell) return;
    this.boardStop.tabIndex = -1;
    cell.tabIndex = 0;
    this.boardStop = cell;
  }

  // Says a text once to a screen reader, politely, without moving the focus.
  announce(text) {
    this.announcer.textContent = "";
    requestAnimationFrame(() => { this.announcer.textContent = text; });
  }

  menuItem(row, menu) {
    const item = make("button", { id: row.objectName, text: row.caption, parent: menu });
    item.setAttribute("role", "menuitem");
    item.tabIndex = -1;
    item.addEventListener("click", () => this.send("click", row.id));
    return item;
  }

  control(row) {
    const id = row.window === "main" ? row.objectName : `frmSplash_${row.objectName}`;
    let element;
    switch (row.kind) {
      case "frame":
        element = make("div", { id, cls: "frame" });
        if (row.caption) make("span", { cls: "caption", text: row.caption, parent: element });
        if (row.window === "splash") {
          element.addEventListener("dragover", (event) => event.preventDefault());
          element.addEventListener("drop", (event) => {
            event.preventDefault();
            this.send("drop", row.id);
          });
        }
        break;
      case "button":
        element = make("button", { id, cls: "cmd", text: row.caption });
        element.type = "button";
        element.addEventListener("click", () => this.send("click", row.id));
        break;
      case "option": {
        const option = make("label", { cls: "option" });
        element = make("input", { id, parent: option });
        element.type = "radio";
        element.name = row.name;
        element.checked = row.checked;
        element.addEventListener("change", () => { if (element.checked) this.send("click", row.id); });
        option.append(row.caption);
        describe(option, row);
        element.removeAttribute("aria-description");
        if (row.accessibleDescription) element.setAttribute("aria-description", row.accessibleDescription);
        return element;
      }
      case "cell":
      case "textBox":
        element = make("input", { id, cls: row.kind === "cell" ? "cell" : "box" });
        element.value = row.caption;
        element.autocomplete = "off";
        element.inputMode = row.kind === "cell" ? "numeric" : "text";
        this.wireBox(element, row);
        break;
      case "image":
        element = make("img", { id });
        element.src = "logo.png";
        element.alt = row.accessibleName;
        element.draggable = false;
        break;
      case "shape":
        element = make("div", { id, cls: "shape" });
        break;
      default:
        element = make("div", { id, cls: row.kind === "helpLabel" ? "label help" : "label",
          text: row.caption });
    }
    if (row.link) {
      element.classList.add("link");
      element.addEventListener("click", () => this.send("click", row.id));
    }
    describe(element, row);
    if (row.id === this.table.find((r) => r.name === "lblFrei")?.id) {
      element.setAttribute("aria-live", "polite");
    }
    return element;
  }

  wireBox(box, row) {
    box.addEventListener("input", () => this.send("edit", row.id, box.value));
    // The focus moves the page makes itself (applying a list, changing the arrangement) are the
    // core's own or none at all: they are not reported back.
    box.addEventListener("focus", () => {
      this.padTarget = row.id;
      if (row.kind === "cell") this.rove(box);
      if (this.quiet) return;
      this.send("focusin", row.id);
      setTimeout(() => { if (document.activeElement === box) box.select(); }, 0);
    });
    box.addEventListener("blur", (event) => {
      if (this.quiet) return;
      // The focus going to another control of the window leaves the box; the page or the
      // browser losing it does not.
      const to = event.relatedTarget;
      const inWindow = to && (this.client.contains(to) || this.phoneElement.contains(to));
      this.send("focusout", row.id, "", inWindow ? 0 : 1);
    });
  }

  // Shows what changed, then does what the core asks: focus, the maker's page, paint and resume,
  // quit.
  apply(list) {
    this.menuChanged = false;
    for (const [id, property, value] of list.changes) this.change(id, property, value);
    if (this.menuChanged) this.followMenu();
    if (list.focus >= 0) {
      const box = this.elements[list.focus];
      this.quiet = true;
      box.focus();
      this.quiet = false;
      box.select();
    }
    if (list.open) window.open(list.open, "_blank", "noopener");
    if (list.print) {
      this.fillPrintSheet();
      window.print();
    }
    if (list.resume) this.paintThenResume();
    if (list.quit) this.quit();
  }

  change(id, property, value) {
    const row = this.table[id];
    if (row.kind === "window" && property === "visible") {
      if (row.window === "splash") value ? this.openSplash(row) : this.closeSplash();
      return;
    }
    if (property === "running") {
      clearInterval(this.timers.get(id));
      this.timers.delete(id);
      if (value) this.timers.set(id, setInterval(() => this.send("timer", id), row.interval));
      return;
    }
    const element = this.elements[id];
    if (!element) return;
    switch (property) {
      case "text":
        if (element.tagName === "INPUT") element.value = value;
        else element.textContent = value;
        break;
      case "background":
        element.style.backgroundColor = value === kThemeColor ? "" : cssColor(value);
        break;
      case "foreground":
        element.style.color = value === kThemeColor ? "" : cssColor(value);
        break;
      case "readOnly":
        element.readOnly = value;
        break;
      case "visible":
        element.hidden = !value;
        // The thinking frame is said once as it comes up.
        if (value && row.kind === "frame") this.announce(element.textContent.trim());
        break;
      case "checked":
        element.checked = value;
        break;
      case "description":
        element.setAttribute("aria-description", value);
        break;
      case "highlighted":
        element.classList.toggle("highlighted", value);
        this.menuChanged = true;
        break;
      case "marks":
        if (value) element.dataset.marks = value;
        else delete element.dataset.marks;
        break;
    }
  }

  // The digit pad of a touch screen: a button does what typing its digit (or Delete) into the
  // box with the focus does. It never takes the focus itself.
  buildPad() {
    const pad = make("div", { cls: "pad", parent: document.getElementById("desk") });
    pad.setAttribute("role", "group");
    pad.setAttribute("aria-label", this.pad.name);
    pad.hidden = true;
    this.pad.buttons.forEach((caption, place) => {
      const button = make("button", { text: caption, parent: pad });
      button.type = "button";
      button.tabIndex = -1;
      button.addEventListener("pointerdown", (event) => event.preventDefault());
      button.addEventListener("mousedown", (event) => event.preventDefault());
      button.addEventListener("click", () => {
        const target = this.padBox();
        if (target >= 0) this.send("pad", target, "", place);
      });
    });
    this.padElement = pad;
  }

  // The box a pad button writes into: the one with the focus, or the one that had it when the
  // focus left the window.
  padBox() {
    const active = this.elements.indexOf(document.activeElement);
    if (active >= 0) return this.table[active].kind === "cell" || this.table[active].kind === "textBox" ? active : -1;
    return this.padTarget ?? -1;
  }

  // The window's right edge, dragged with the mouse or a finger, makes it wider or narrower.
  buildGrip() {
    const grip = make("div", { cls: "grip", parent: document.getElementById("desk") });
    grip.setAttribute("aria-hidden", "true");
    grip.addEventListener("pointerdown", (event) => {
      event.preventDefault();
      grip.setPointerCapture(event.pointerId);
      const start = { x: event.clientX, width: this.windowWidth - 2 };
      const move = (e) => {
        const width = Math.round(Math.max(this.naturalWidth, Math.min(start.width + e.clientX - start.x, this.widest())));
        this.window.style.width = `${width}px`;
        this.windowWidth = width + 2;
        this.fit();
      };
      const end = () => {
        grip.removeEventListener("pointermove", move);
        grip.removeEventListener("pointerup", end);
        grip.removeEventListener("pointercancel", end);
      };
      grip.addEventListener("pointermove", move);
      grip.addEventListener("pointerup", end);
      grip.addEventListener("pointercancel", end);
    });
    this.grip = grip;
  }

  // The widest the window may be dragged: the desk's width, or on a touch screen wide enough for
  // every control.
  widest() {
    return this.coarse.matches ? this.fullWidth : document.documentElement.clientWidth - 32;
  }

  // A coarse pointer gets the digit pad and no soft keyboard in the boxes; the desktop window on
  // a touch screen also larger menu items and touch areas around its small controls.
  touchMode() {
    const touch = this.coarse.matches;
    document.body.classList.toggle("touch", touch && !this.phone);
    this.padElement.hidden = !touch && !this.phone;
    for (const row of this.table) {
      if (row.window !== "main" || (row.kind !== "cell" && row.kind !== "textBox")) continue;
      this.elements[row.id].inputMode = touch ? "none" : row.kind === "cell" ? "numeric" : "text";
    }
    this.buildTargets(touch && !this.phone);
    this.fit();
  }

  // Invisible touch areas around the small controls: each grows toward kTouchTarget square,
  // centred on its control, and stops short of every other control of the window.
  buildTargets(touch) {
    for (const old of this.window.querySelectorAll(".target")) old.remove();
    if (!touch) return;
    const rows = this.table.filter((row) => row.window === "main" && !row.hidden &&
      ["button", "option", "textBox", "cell", "label", "frame", "shape"].includes(row.kind));
    // Boxes in the client's pixels (a frame's children sit inside the frame's box).
    const box = (row) => {
      let [left, top, width, height] = row.rect.map((t) => t / 15);
      const container = this.table[row.container];
      if (container.kind === "frame") {
        left += container.rect[0] / 15;
        top += container.rect[1] / 15;
      }
      return { left, top, right: left + width, bottom: top + height };
    };
    const overlaps = (a, b) => a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
    const placed = [];  // the areas grown so far: none may overlap another
    for (const row of rows) {
      if (!["button", "option", "textBox"].includes(row.kind) || row.name === "Frame2") continue;
      const own = box(row);
      const others = rows.filter((r) => r !== row && r.kind !== "frame" && r.kind !== "shape" &&
        r.name !== "Frame2").map(box).filter((b) => !overlaps(b, own)).concat(placed);
      const area = { ...own };
      // One pixel at a time on each side, as long as the area is short of the target there.
      for (let step = 0; step < kTouchTarget; ++step) {
        for (const [side, sign, span] of [["left", -1, "w"], ["right", 1, "w"], ["top", -1, "h"], ["bottom", 1, "h"]]) {
          const size = span === "w" ? area.right - area.left : area.bottom - area.top;
          if (size >= kTouchTarget) continue;
          const grown = { ...area, [side]: area[side] + sign };
          if (grown.left < 0 || grown.top < 0 || others.some((b) => overlaps(b, grown))) continue;
          Object.assign(area, grown);
        }
      }
      placed.push(area);
      if (area.right - area.left <= own.right - own.left && area.bottom - area.top <= own.bottom - own.top) continue;
      // Beneath its control, in the same container: a tap on the control itself still lands there.
      const element = this.elements[row.id];
      const shown = row.kind === "option" ? element.parentElement : element;
      const target = make("div", { cls: "target" });
      const container = this.table[row.container];
      const [dx, dy] = container.kind === "frame" ? [container.rect[0] / 15, container.rect[1] / 15] : [0, 0];
      Object.assign(target.style, { left: `${area.left - dx}px`, top: `${area.top - dy}px`,
        width: `${area.right - area.left}px`, height: `${area.bottom - area.top}px`, zIndex: String(row.id) });
      shown.before(target);
      // The control takes the focus first, as a tap on it would: the cell left is validated.
      target.addEventListener("mousedown", (event) => event.preventDefault());
      target.addEventListener("click", () => {
        element.focus();
        if (row.kind !== "textBox") element.click();
      });
    }
  }

  // The desktop window as it always was, 24 pixels in and never scaled: the browser's zoom
  // grows it, and where it no longer fits the phone arrangement takes over. The tab at its right
  // edge widens it; on a touch screen the digit pad lies beside it.
  fit() {
    if (this.phone) return;
    const touch = this.coarse.matches;
    const vw = document.documentElement.clientWidth;
    const right = kDeskMargin + this.windowWidth;
    const height = this.windowHeight;
    this.grip.style.left = `${Math.min(right - (touch ? 12 : 4), vw - (touch ? 24 : 8))}px`;
    this.grip.style.top = `${kDeskMargin + (touch ? height / 2 - 24 : 0)}px`;
    this.grip.style.height = touch ? "48px" : `${height}px`;
    this.grip.classList.toggle("touch", touch);
    if (touch) {
      Object.assign(this.padElement.style, { left: `${right + 14}px`, top: `${kDeskMargin}px`,
        width: `${2 * 60}px`, gridTemplateColumns: "repeat(2, 1fr)" });
    }
  }

  // The phone arrangement's regions: each control goes to the region the core names, in its
  // order there, and style.css lays the regions out for the screen (a column upright, the board
  // beside the rest sideways). A frame in a region holds the region's other controls; the menu
  // bar and the digit pad are regions as they are. Built once: the controls move between the
  // regions and the window when the arrangement changes, and keep their state and the focus.
  buildPhone() {
    const phone = make("section", { id: "phone", parent: document.getElementById("desk") });
    phone.setAttribute("aria-label", this.table[this.mainId].caption);
    this.phoneElement = phone;
    this.regions = new Map();
    for (const name of this.regionOrder) {
      const rows = this.table.filter((row) => row.window === "main" && row.region === name);
      const frame = rows.find((row) => row.kind === "frame");
      let container;
      if (name === this.pad.region) container = this.padElement;
      else if (rows.some((row) => row.kind === "cell")) container = this.boardGrid;
      else if (rows.length > 0 && rows.every((row) => row.kind === "menuItem")) container = this.menubar;
      else if (frame) container = this.elements[frame.id];
      else if (rows.length > 0) container = make("div", { cls: "region" });
      else continue;
      container.dataset.region = name;
      this.regions.set(name, container);
    }
  }

  // Puts every control where the arrangement wants it; the focus stays where it was.
  arrange() {
    const phone = this.phoneQuery.matches;
    if (phone === this.phone) return;
    this.phone = phone;
    const focused = document.activeElement;
    this.quiet = true;
    document.body.classList.toggle("phone", phone);
    if (phone) this.toPhone();
    else this.toDesktop();
    if (focused?.isConnected && document.activeElement !== focused) focused.focus({ preventScroll: true });
    this.quiet = false;
    this.touchMode();
    this.placeSplash();
  }

  // The main window's controls in order: by the phone's regions and places, or by the desktop's
  // tab order (which the keyboard walks) with the rest after it.
  mainRows(phone) {
    const rows = this.table.filter((row) => row.window === "main" && this.elements[row.id] &&
      row.kind !== "window" && row.kind !== "menuItem");
    const rank = phone
      ? (row) => this.regionOrder.indexOf(row.region) * 1000 + row.order
      : (row) => (row.tabIndex >= 0 ? row.tabIndex : 1000 + row.id);
    return rows.sort((a, b) => rank(a) - rank(b));
  }

  shown(row) {
    const element = this.elements[row.id];
    return row.kind === "option" ? element.parentElement : element;
  }

  toPhone() {
    for (const [name, container] of this.regions) {
      container.dataset.region = name;
      this.phoneElement.appendChild(container);
    }
    for (const row of this.mainRows(true)) {
      const element = this.shown(row);
      const region = this.regions.get(row.region);
      if (region && region !== element && row.kind !== "cell") region.appendChild(element);
      placeOnPhone(element, row);
      if (row.kind === "cell") {
        element.dataset.row = String(Math.floor(row.order / 9) + 1);
        element.dataset.column = String((row.order % 9) + 1);
      }
    }
    for (const item of this.menubar.children) {
      const row = this.table[this.elements.indexOf(item)];
      if (row) placeOnPhone(item, row);
    }
  }

  toDesktop() {
    this.window.insertBefore(this.menubar, this.client);
    document.getElementById("desk").appendChild(this.padElement);
    let gridPlaced = false;
    for (const row of this.mainRows(false)) {
      const element = this.shown(row);
      const container = this.table[row.container];
      const into = container.kind === "window" ? this.client : this.elements[container.id];
      // The cells stay in the board's grid, which goes where the first of them stands.
      if (row.kind !== "cell") into.appendChild(element);
      else if (!gridPlaced) gridPlaced = !!into.appendChild(this.boardGrid);
      placeOnDesktop(element, row);
      element.style.order = "";
    }
    for (const item of this.menubar.children) item.style.cssText = "";
    for (const container of this.regions.values()) {
      if (container.classList.contains("region")) container.remove();
    }
    delete this.boardGrid.dataset.region;
  }

  // On the desktop the splash lies in the middle of the screen. In the phone arrangement it
  // takes the place of the menu, the commands and the level, never the board or the digits, its
  // texts in the phone's sizes.
  placeSplash() {
    const box = this.splash;
    if (!box) return;
    const rows = this.table.filter((row) => row.window === "splash" && this.elements[row.id]);
    for (const row of rows) {
      const element = this.elements[row.id];
      if (row.kind === "window") continue;
      if (this.phone) placeOnPhone(element, row);
      else placeOnDesktop(element, row);
    }
    const row = rows.find((r) => r.kind === "window");
    const [width, height] = [row.rect[2] / 15, row.rect[3] / 15];
    if (this.phone) {
      this.phoneElement.appendChild(box);
      Object.assign(box.style, { left: "", top: "", width: "", height: "" });
      return;
    }
    document.getElementById("desk").appendChild(box);
    Object.assign(box.style, { width: `${width}px`, height: `${height}px`,
      left: `max(0px, calc(50vw - ${width / 2}px))`, top: `max(0px, calc(50vh - ${height / 2}px))` });
  }

  // The page a printout shows instead of the desk: the board alone, black on white, with the
  // level and the counter under it. Filled from the core whenever the browser prints.
  buildPrintSheet() {
    const sheet = make("section", { cls: "print-sheet", parent: document.body });
    sheet.setAttribute("aria-hidden", "true");
    const grid = make("div", { cls: "print-grid", parent: sheet });
    this.printCells = Array.from({ length: 81 }, () => make("div", { parent: grid }));
    this.printLines = [make("div", { cls: "print-caption", parent: sheet }),
      make("div", { cls: "print-caption", parent: sheet })];
    window.addEventListener("beforeprint", () => this.fillPrintSheet());
    this.fillPrintSheet();
  }

  fillPrintSheet() {
    const sheet = JSON.parse(this.game.printSheet());
    sheet.cells.forEach(([text, clue], k) => {
      const cell = this.printCells[k];
      if (cell.textContent !== text) cell.textContent = text;
      cell.classList.toggle("clue", clue);
    });
    this.printLines[0].textContent = sheet.level;
    this.printLines[1].textContent = sheet.counter;
  }

  // The chosen menu item has the keyboard; leaving the menu gives it back where it was.
  followMenu() {
    const menu = this.window.querySelector(".menubar");
    const chosen = menu.querySelector(".highlighted");
    if (chosen) {
      if (!menu.contains(document.activeElement)) this.beforeMenu = document.activeElement;
      chosen.focus();
    } else if (menu.contains(document.activeElement)) {
      this.beforeMenu?.focus();
    }
  }

  // The frame and the splash are painted before the generation goes on: the first animation
  // frame runs before a paint, the second after it. A hidden page gets no frames, so there a
  // timer goes on at once; a page that is shown waits for its frames however slow they come,
  // and only a page that gets none at all for two seconds goes on without them.
  paintThenResume() {
    let resumed = false;
    const resume = () => {
      if (resumed) return;
      resumed = true;
      document.removeEventListener("visibilitychange", whenHidden);
      this.send("resume");
    };
    const whenHidden = () => {
      if (document.visibilityState === "hidden") setTimeout(resume, 0);
    };
    requestAnimationFrame(() => requestAnimationFrame(resume));
    document.addEventListener("visibilitychange", whenHidden);
    whenHidden();
    setTimeout(resume, 2000);
  }

  // The splash window: a box above the main window that never takes the keyboard, built afresh
  // from the table each time it opens.
  openSplash(row) {
    const box = make("div", { id: row.objectName, cls: "splash", parent: document.getElementById("desk") });
    box.setAttribute("role", "region");
    box.style.backgroundColor = cssColor(row.background);
    box.style.color = cssColor(row.foreground);
    box.setAttribute("aria-label", row.accessibleName);
    // Clicks on it leave the keyboard where it is. Where it may lie over the board, a tap on it
    // beside the logo and the maker line puts it away.
    box.addEventListener("mousedown", (event) => event.preventDefault());
    box.addEventListener("click", (event) => {
      if (this.phone && !event.target.closest(".link")) this.send("dismiss");
    });
    this.elements[row.id] = box;
    this.splash = box;
    this.buildWindow("splash", box, null);
    // The countdown is said once, as the splash comes up, not at every tick.
    const count = this.elements[this.table.find((r) => r.window === "splash" && r.name === "Label1").id];
    this.announce(count.textContent);
    this.placeSplash();
  }

  closeSplash() {
    if (!this.splash) return;
    this.splash.remove();
    this.splash = null;
  }

  // "Beenden": both windows go at once. A page the browser will not close is left with a way
  // to start the game again.
  quit() {
    this.ended = true;
    this.keep(null);
    this.closeSplash();
    for (const timer of this.timers.values()) clearInterval(timer);
    this.timers.clear();
    const desk = document.getElementById("desk");
    desk.replaceChildren();
    window.close();
    const ended = make("div", { cls: "ended", parent: desk, text: this.texts.ended });
    make("br", { parent: ended });
    const again = make("button", { id: "restartGame", text: this.texts.startAgain, parent: ended });
    again.addEventListener("click", () => location.reload());
    again.focus();
  }
}

const module = await createKalmotre();
const page = new Page(module);
// When the board became playable, in milliseconds since navigation began (for the benchmark).
window.kalmotreReadyAt = performance.now();
// A test seam, not a player's option: a fixed clock makes every new puzzle the same.
window.kalmotreTest = {
  fixClock: (seconds) => page.game.fixClock(seconds),
  generationMicroseconds: (option, count) => module.generationMicroseconds(option, count),
  // Calls into the core so far, and the milliseconds spent in them and in applying their lists.
  coreCalls: () => ({ ...page.calls }),
  // A click on "Erzeuge neues Sodoku" with its second half at once, in microseconds: what the
  // page and the core spend, without the frame the page waits for in between.
  clickMicroseconds: (count) => {
    const go = page.table.find((row) => row.name === "btnGO").id;
    const start = performance.now();
    for (let k = 0; k < count; ++k) {
      page.send("click", go);
      page.send("resume");
    }
    return ((performance.now() - start) / count) * 1000;
  },
};
if ("serviceWorker" in navigator) navigator.serviceWorker.register("sw.js");
