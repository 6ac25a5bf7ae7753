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
    this.build();
    this.send("load");
    const first = this.table.find((row) => row.window === "main" && row.tabIndex === 0);
    this.elements[first.id].focus();
  }

  // Every event goes to the core in one call; what it answers is shown at once.
  send(event, control = -1, text = "", flags = 0) {
    const list = JSON.parse(this.game.handle(event, control, text, flags));
    this.apply(list);
    return list;
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
    client.style.width = px(self.rect[2]);
    client.style.height = px(self.rect[3]);
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
        if (row.kind === "cell") element.inputMode = "numeric";
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
  // frame runs before a paint, the second after it. A page in the background gets no frames,
  // so a timer stands in.
  paintThenResume() {
    let resumed = false;
    const resume = () => {
      if (resumed) return;
      resumed = true;
      this.send("resume");
    };
    requestAnimationFrame(() => requestAnimationFrame(resume));
    setTimeout(resume, 500);
  }

  // The splash window: a box above the main window that never takes the keyboard, built afresh
  // from the table each time it opens.
  openSplash(row) {
    const box = make("div", { id: row.objectName, cls: "splash", parent: document.body });
    box.style.width = px(row.rect[2]);
    box.style.height = px(row.rect[3]);
    box.style.left = `max(0px, calc(50vw - ${row.rect[2] / 30}px))`;
    box.style.top = `max(0px, calc(50vh - ${row.rect[3] / 30}px))`;
    box.style.backgroundColor = cssColor(row.background);
    box.style.color = cssColor(row.foreground);
    box.setAttribute("aria-label", row.accessibleName);
    // Clicks on it leave the keyboard where it is.
    box.addEventListener("mousedown", (event) => event.preventDefault());
    this.elements[row.id] = box;
    this.splash = box;
    this.buildWindow("splash", box, null);
    const count = this.elements[this.table.find((r) => r.window === "splash" && r.name === "Label1").id];
    count.setAttribute("role", "status");
  }

  closeSplash() {
    if (!this.splash) return;
    this.splash.remove();
    this.splash = null;
  }

  // "Beenden": both windows go at once. A page the browser will not close is left with a way
  // to start the game again.
  quit() {
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
