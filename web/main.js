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
const kAlign = { topLeft: "left", left: "left", center: "center", right: "right" };

function make(tag, { id, cls, text, parent } = {}) {
  const element = document.createElement(tag);
  if (id) element.id = id;
  if (cls) element.className = cls;
  if (text !== undefined) element.textContent = text;
  if (parent) parent.appendChild(element);
  return element;
}

// What the table fixes for a control's box: place, font, colours, alignment, tip, names.
function describe(element, row) {
  const [left, top, width, height] = row.rect;
  element.style.left = px(left);
  element.style.top = px(top);
  if (!row.sizedToText) {
    element.style.width = px(width);
    element.style.height = px(height);
  } else if (row.align === "right") {
    element.style.left = "auto";
    element.style.right = `calc(100% - ${px(left + width)})`;
  }
  element.style.zIndex = String(row.id);
  element.style.fontFamily = `"${row.fontFamily}", Arial, "Liberation Sans", Arimo, sans-serif`;
  element.style.fontSize = `${row.fontPoints}pt`;
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
    this.splash = null;
    this.pad = JSON.parse(module.digitPad());
    this.coarse = matchMedia("(pointer: coarse)");
    this.build();
    this.buildPad();
    this.buildGrip();
    this.buildPrintSheet();
    this.touchMode();
    this.coarse.addEventListener("change", () => this.touchMode());
    window.addEventListener("resize", () => this.fit());
    window.addEventListener("pagehide", () => this.keepNow());
    document.addEventListener("visibilitychange", () => {
      if (document.visibilityState === "hidden") this.keepNow();
    });
    // A phone browser lays out a page that was too wide at first in a wider viewport; once the
    // window fits, the viewport comes back to the screen's width, and the fit is measured again.
    window.visualViewport?.addEventListener("resize", () => this.fit());
    requestAnimationFrame(() => this.fit());
    // A game the tab kept comes back as it was; a kept text the core refuses is dropped.
    const kept = this.kept();
    const restored = kept ? this.game.restore(kept) : "";
    if (restored) {
      this.apply(JSON.parse(restored));
    } else {
      if (kept) this.keep(null);
      this.send("load");
    }
    if (!this.client.contains(document.activeElement)) {
      const first = this.table.find((row) => row.window === "main" && row.tabIndex === 0);
      this.elements[first.id].focus();
    }
  }

  // Every event goes to the core in one call; what it answers is shown at once, and the game
  // as it now stands is kept for the tab.
  send(event, control = -1, text = "", flags = 0) {
    const list = JSON.parse(this.game.handle(event, control, text, flags));
    this.apply(list);
    if (!list.quit) this.keepSoon();
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
    make("div", { cls: "titlebar", text: self.caption, parent: win });
    const menu = make("nav", { cls: "menubar", parent: win });
    menu.setAttribute("role", "menubar");
    const client = make("div", { cls: "client", parent: win });
    // The client area is as wide as the window: widening the window brings the right-hand
    // panel into view.
    win.style.width = px(self.rect[2]);
    client.style.height = px(self.rect[3]);
    this.naturalWidth = self.rect[2] / 15;
    // The widest the window needs to be: every control of it in view, and a margin.
    this.fullWidth = Math.max(...this.table.filter((row) => row.window === "main" && row.kind !== "window")
      .map((row) => (row.rect[0] + row.rect[2]) / 15)) + 8;
    this.elements[self.id] = win;
    this.client = client;
    this.buildWindow("main", client, menu);
    // Every key goes to the core, named as the browser names it; what the core takes goes no
    // further.
    for (const type of ["keydown", "keyup"]) {
      document.addEventListener(type, (event) => {
        const held = (event.shiftKey ? 1 : 0) | (event.ctrlKey ? 2 : 0) | (event.altKey ? 4 : 0) |
          (event.metaKey ? 8 : 0);
        const id = this.elements.indexOf(event.target);
        if (this.send(type === "keydown" ? "key" : "keyup", id, event.key, held).keyTaken) {
          event.preventDefault();
        }
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
    const order = (row) => (row.tabIndex >= 0 ? row.tabIndex : 1000 + row.id);
    for (const row of [...rows].sort((a, b) => order(a) - order(b))) {
      const element = this.elements[row.id];
      if (!element || row.kind === "menuItem") continue;
      const container = this.table[row.container];
      (container.kind === "window" ? client : this.elements[container.id]).appendChild(
        row.kind === "option" ? element.parentElement : element);
    }
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
    box.addEventListener("focus", () => {
      this.padTarget = row.id;
      this.send("focusin", row.id);
      setTimeout(() => { if (document.activeElement === box) box.select(); }, 0);
    });
    box.addEventListener("blur", (event) => {
      // The focus going to another control of the window leaves the box; the page or the
      // browser losing it does not.
      const to = event.relatedTarget;
      this.send("focusout", row.id, "", to && this.client.contains(to) ? 0 : 1);
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
      box.focus();
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
      if (value) this.timers.set(id, setInterval(() => this.send("timer", id), row.maxLength));
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
      const start = { x: event.clientX, width: this.window.offsetWidth, scale: this.scale };
      const move = (e) => {
        const width = start.width + (e.clientX - start.x) / start.scale;
        this.window.style.width = `${Math.round(Math.max(this.naturalWidth, Math.min(width, this.widest())))}px`;
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

  // The widest the window may be dragged: the desk's width, or on a screen the window is scaled
  // to, wide enough for every control.
  widest() {
    return this.scale < 1 || this.coarse.matches ? this.fullWidth : document.documentElement.clientWidth - 32;
  }

  // A coarse pointer gets the digit pad, no soft keyboard in the boxes, and larger targets.
  touchMode() {
    const touch = this.coarse.matches;
    document.body.classList.toggle("touch", touch);
    this.padElement.hidden = !touch;
    for (const row of this.table) {
      if (row.window !== "main" || (row.kind !== "cell" && row.kind !== "textBox")) continue;
      this.elements[row.id].inputMode = touch ? "none" : row.kind === "cell" ? "numeric" : "text";
    }
    this.buildTargets(touch);
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

  // The window scaled to the screen where it does not fit (or, with a touch screen, where it
  // is small), the digit pad below it in portrait and beside it in landscape.
  fit() {
    const vw = document.documentElement.clientWidth;
    const vh = document.documentElement.clientHeight;
    const touch = this.coarse.matches;
    const width = this.window.offsetWidth;
    const height = this.window.offsetHeight;
    const gap = 8;
    const landscape = touch && vw > vh;
    const padSize = touch ? (landscape ? { w: 2 * 60, h: 0 } : { w: 0, h: 2 * kTouchTarget + gap + 4 }) : { w: 0, h: 0 };
    const place = (margin, limit) => Math.min(limit,
      (vw - 2 * margin - (padSize.w ? padSize.w + gap : 0)) / width,
      (vh - 2 * margin - (padSize.h ? padSize.h + gap : 0)) / height);
    // A desktop-sized screen shows the window as it always was: 24 pixels in, unscaled.
    let margin = 24;
    let scale = place(margin, 1);
    if (scale < 1 || (touch && vw < 1024)) {
      margin = 4;
      scale = place(margin, touch && vw < 1024 ? 2 : 1);
    }
    this.scale = scale;
    this.compact = scale < 1 || touch;
    document.body.classList.toggle("fitted", this.compact);
    const style = this.window.style;
    style.left = style.top = `${margin}px`;
    style.transform = scale === 1 ? "" : `scale(${scale})`;
    style.transformOrigin = "0 0";
    style.maxWidth = this.compact ? "none" : "";
    style.resize = this.compact ? "none" : "";  // the grip widens it there
    const shown = { left: margin, top: margin, right: margin + width * scale, bottom: margin + height * scale };
    this.grip.style.left = `${Math.min(shown.right - (touch ? 12 : 4), vw - (touch ? 24 : 8))}px`;
    this.grip.style.top = `${shown.top + (touch ? (shown.bottom - shown.top) / 2 - 24 : 0)}px`;
    this.grip.style.height = touch ? "48px" : `${shown.bottom - shown.top}px`;
    this.grip.classList.toggle("touch", touch);
    let free;
    if (!touch) {
      free = { left: 0, top: shown.bottom + gap, right: vw, bottom: vh };
    } else if (landscape) {
      Object.assign(this.padElement.style, { left: `${shown.right + gap + 6}px`, top: `${margin}px`,
        width: `${padSize.w}px`, gridTemplateColumns: "repeat(2, 1fr)" });
      free = { left: shown.right + 2 * gap + 6 + padSize.w, top: 0, right: vw, bottom: vh };
    } else {
      const wide = shown.right - shown.left >= 10 * (kTouchTarget + 4);
      Object.assign(this.padElement.style, { left: `${margin}px`, top: `${shown.bottom + gap}px`,
        width: `${Math.max(shown.right - shown.left, 5 * (kTouchTarget + 4))}px`,
        gridTemplateColumns: `repeat(${wide ? 10 : 5}, 1fr)` });
      free = { left: 0, top: shown.bottom + gap + this.padElement.offsetHeight + gap, right: vw, bottom: vh };
    }
    this.free = free;
    this.placeSplash();
  }

  // On a desktop-sized screen the splash lies in the middle of it; where the window was fitted
  // to the screen, it lies in the room the board and the pad leave, scaled to it, or where there
  // is too little room, at the bottom of the screen, within it.
  placeSplash() {
    const box = this.splash;
    if (!box) return;
    const row = this.table[this.elements.indexOf(box)];
    const [width, height] = [row.rect[2] / 15, row.rect[3] / 15];
    const style = box.style;
    if (!this.compact) {
      style.transform = "";
      style.left = `max(0px, calc(50vw - ${width / 2}px))`;
      style.top = `max(0px, calc(50vh - ${height / 2}px))`;
      return;
    }
    const vw = document.documentElement.clientWidth;
    const vh = document.documentElement.clientHeight;
    const room = { w: this.free.right - this.free.left - 8, h: this.free.bottom - this.free.top - 4 };
    let scale = Math.min(1, room.w / width, room.h / height);
    let left, top;
    if (scale >= 0.4) {
      left = this.free.left + (room.w - width * scale) / 2;
      top = this.free.top;
    } else {
      scale = Math.min(1, (vw - 8) / width, (vh - 8) / height);
      left = (vw - width * scale) / 2;
      top = vh - 4 - height * scale;
    }
    style.transformOrigin = "0 0";
    style.transform = `scale(${scale})`;
    style.left = `${left}px`;
    style.top = `${top}px`;
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
    const box = make("div", { id: row.objectName, cls: "splash", parent: document.body });
    box.style.width = px(row.rect[2]);
    box.style.height = px(row.rect[3]);
    box.style.backgroundColor = cssColor(row.background);
    box.style.color = cssColor(row.foreground);
    box.setAttribute("aria-label", row.accessibleName);
    // Clicks on it leave the keyboard where it is. Where it may lie over the board, a tap on it
    // beside the logo and the maker line puts it away.
    box.addEventListener("mousedown", (event) => event.preventDefault());
    box.addEventListener("click", (event) => {
      if (this.compact && !event.target.closest(".link")) this.send("dismiss");
    });
    this.elements[row.id] = box;
    this.splash = box;
    this.buildWindow("splash", box, null);
    const count = this.elements[this.table.find((r) => r.window === "splash" && r.name === "Label1").id];
    count.setAttribute("role", "status");
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
    const ended = make("div", { cls: "ended", parent: desk, text: "KALMOTRE ist beendet." });
    make("br", { parent: ended });
    const again = make("button", { id: "restartGame", text: "KALMOTRE neu starten", parent: ended });
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
