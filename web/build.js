// Both windows built from the core's control table, and each change of the core's lists shown on
// them. What a control looks like comes from its row (kind, place, font, colours, names); the
// page knows no control by name.
import { cssColor, kThemeColor, make, px } from "./core.js";

const kAlign = { topLeft: "left", left: "left", center: "center", right: "right" };
const color = (value) => (value === kThemeColor ? "" : cssColor(value));
// How each property of a change list shows on an element.
const kSetters = {
  text: (e, v) => { if (e.tagName === "INPUT") e.value = v; else e.textContent = v; },
  background: (e, v) => { e.style.backgroundColor = color(v); },
  foreground: (e, v) => { e.style.color = color(v); },
  readOnly: (e, v) => { e.readOnly = v; },
  visible: (e, v) => { e.hidden = !v; },
  checked: (e, v) => { e.checked = v; },
  description: (e, v) => e.setAttribute("aria-description", v),
  highlighted: (e, v, view) => { e.classList.toggle("highlighted", v); view.menuChanged = true; },
  marks: (e, v) => { if (v) e.dataset.marks = v; else delete e.dataset.marks; },
};
// Sets an element's attributes.
export const attrs = (element, values) => {
  for (const [name, value] of Object.entries(values)) element.setAttribute(name, value);
  return element;
};

// Where the desktop arrangement puts a control, in the window's twips, and its font there.
export function placeOnDesktop(element, row) {
  const [left, top, width, height] = row.rect;
  Object.assign(element.style, { left: px(left), top: px(top), right: "", order: "",
    zIndex: String(row.id), fontSize: `${row.fontPoints}pt` });
  if (!row.sizedToText) {
    Object.assign(element.style, { width: px(width), height: px(height) });
  } else if (row.align === "right") {
    element.style.left = "auto";
    element.style.right = `calc(100% - ${px(left + width)})`;
  }
}

// The phone arrangement places a control by its region's layout: only its order there and the
// size of its type.
export function placeOnPhone(element, row) {
  Object.assign(element.style, { left: "", top: "", right: "", width: "", height: "", zIndex: "",
    order: String(row.order), fontSize: row.phoneFont ? `${row.phoneFont}px` : "" });
}

// What the row fixes whatever the arrangement: font, colours, alignment, tip, names.
function describe(element, row) {
  placeOnDesktop(element, row);
  element.dataset.kind = row.kind;
  if (row.speech) element.dataset.speech = row.speech;
  element.style.fontFamily = `"${row.fontFamily}", var(--font-stack)`;
  element.style.fontWeight = row.bold ? "bold" : "normal";
  element.style.textAlign = kAlign[row.align];
  if (row.background !== kThemeColor) element.style.backgroundColor = cssColor(row.background);
  if (row.foreground !== kThemeColor) element.style[row.kind === "shape" ? "borderColor" : "color"] = cssColor(row.foreground);
  if (row.wordWrap) element.dataset.wrap = "";
  if (row.bordered) element.classList.add("bordered");
  if (row.toolTip) element.title = row.toolTip;
  if (row.accessibleName) element.setAttribute("aria-label", row.accessibleName);
  if (row.accessibleDescription) element.setAttribute("aria-description", row.accessibleDescription);
  if (row.speech === "live") element.setAttribute("aria-live", "polite");
  if (row.hidden) element.hidden = true;
}

export class Renderer {
  // `send(event, control, text, flags)` reports an event to the core and applies its answer.
  constructor(setup, send) {
    this.setup = setup;
    this.table = setup.controls;
    this.send = send;
    this.elements = [];
    this.timers = new Map();
    this.desk = document.getElementById("desk");
    this.quiet = false;  // the page moves the focus itself: not reported
    this.announcer = attrs(make("div", { cls: "visually-hidden", parent: this.desk }), { role: "status" });
  }

  // The main window: title bar, menu bar and client area, its controls nested in their frames.
  buildMain() {
    const self = this.table.find((row) => row.kind === "window" && row.window === "main");
    const win = attrs(make("section", { id: self.objectName, cls: "window", parent: this.desk }), { "aria-label": self.caption });
    make("div", { cls: "titlebar", text: self.caption, parent: win });
    this.menubar = attrs(make("nav", { cls: "menubar", parent: win }), { role: "menubar" });
    this.client = make("div", { cls: "client", parent: win });
    // The client area is as wide as the window: widening the window brings the right-hand
    // panel into view.
    win.style.width = px(self.rect[2]);
    this.client.style.height = px(self.rect[3]);
    this.main = self;
    this.window = win;
    this.elements[self.id] = win;
    this.buildWindow("main", this.client);
  }

  // The controls of one window; the keyboard walks them in tab order, the table's order stacks
  // them.
  buildWindow(name, client) {
    const rows = this.table.filter((row) => row.window === name && row.kind !== "window");
    for (const row of rows) {
      if (row.kind !== "timer") this.elements[row.id] = row.kind === "menuItem" ? this.menuItem(row) : this.control(row);
    }
    const cells = rows.filter((row) => row.kind === "cell");
    if (cells.length) this.buildBoard(cells);
    const order = (row) => (row.tabIndex >= 0 ? row.tabIndex : 1000 + row.id);
    for (const row of [...rows].sort((a, b) => order(a) - order(b))) {
      const element = this.elements[row.id];
      if (!element || row.kind === "menuItem") continue;
      if (row.kind === "cell") {
        if (!this.boardGrid.isConnected) client.appendChild(this.boardGrid);
        continue;
      }
      const container = this.table[row.container];
      (container.kind === "window" ? client : this.elements[container.id]).appendChild(this.shown(row));
    }
  }

  // What stands in the layout for a control: an option's label, else the control itself.
  shown(row) {
    const element = this.elements[row.id];
    return row.kind === "option" ? element.parentElement : element;
  }

  // The board as a grid to assistive technology: rows of cells, each named by its place, and one
  // tab stop for all of it (the arrows move inside, by the core's rules). The grid, its rows and
  // their cells take no box of their own in the window; in the phone arrangement the grid is the
  // board's region.
  buildBoard(cells) {
    const { size, name } = this.setup.board;
    const grid = attrs(make("div", { id: "board", cls: "board" }),
      { role: "grid", "aria-label": name, "aria-rowcount": size, "aria-colcount": size });
    const lines = Array.from({ length: size }, (_, r) =>
      attrs(make("div", { cls: "board-row", parent: grid }), { role: "row", "aria-rowindex": r + 1 }));
    for (const row of [...cells].sort((a, b) => a.order - b.order)) {
      const [r, c] = [Math.floor(row.order / size) + 1, (row.order % size) + 1], cell = this.elements[row.id];
      attrs(make("div", { cls: "board-cell", parent: lines[r - 1] }), { role: "gridcell", "aria-colindex": c }).appendChild(cell);
      Object.assign(cell.dataset, { row: r, column: c });
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

  menuItem(row) {
    const item = attrs(make("button", { id: row.objectName, text: row.caption, parent: this.menubar }), { role: "menuitem" });
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
        element.addEventListener("dragover", (event) => event.preventDefault());
        element.addEventListener("drop", (event) => {
          event.preventDefault();
          this.send("drop", row.id);
        });
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
        option.removeAttribute("aria-description");
        if (row.accessibleDescription) element.setAttribute("aria-description", row.accessibleDescription);
        return element;
      }
      case "cell":
      case "textBox":
        element = make("input", { id, cls: row.kind === "cell" ? "cell" : "box" });
        element.value = row.caption;
        element.autocomplete = "off";
        if (row.maxUnits > 0) element.maxLength = row.maxUnits;
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
        element = make("div", { id, cls: row.kind === "helpLabel" ? "label help" : "label", text: row.caption });
    }
    if (row.link) {
      element.classList.add("link");
      element.addEventListener("click", () => this.send("click", row.id));
    }
    describe(element, row);
    return element;
  }

  // A box reports what the player typed, the focus coming and going, and a click or tap once
  // the pointer is released in it: the core answers which text to select.
  wireBox(box, row) {
    box.addEventListener("input", () => this.send("edit", row.id, box.value));
    // The pointer places no caret of the browser's: the box takes the focus and the click when
    // the pointer is released, and the core says what to select, alike in every engine.
    box.addEventListener("mousedown", (event) => event.preventDefault());
    box.addEventListener("click", () => {
      if (document.activeElement !== box) box.focus();
      this.send("click", row.id);
    });
    box.addEventListener("focus", () => {
      this.padTarget = row.id;
      if (row.kind === "cell") this.rove(box);
      if (!this.quiet) this.send("focusIn", row.id);
    });
    box.addEventListener("blur", (event) => {
      if (this.quiet) return;
      // The focus going to another control of the window leaves the box; the page or the
      // browser losing it does not.
      const to = event.relatedTarget;
      const inWindow = to && (this.client.contains(to) || this.phoneElement?.contains(to));
      this.send("focusOut", row.id, "", inWindow ? 0 : 1);
    });
  }

  // Moves the keyboard to a control without reporting it: the core made the move.
  focus(id) {
    this.quiet = true;
    this.elements[id]?.focus();
    this.quiet = false;
  }

  change(id, property, value) {
    const row = this.table[id], element = this.elements[id];
    if (row.kind === "window" && property === "visible") {
      if (row.window === "splash") value ? this.openSplash(row) : this.closeSplash();
    } else if (property === "running") {
      clearInterval(this.timers.get(id));
      this.timers.delete(id);
      if (value) this.timers.set(id, setInterval(() => this.send("timer", id), row.interval));
    } else if (element) {
      kSetters[property]?.(element, value, this);
      if (property === "visible" && value && row.speech === "onShow") this.announce(element.textContent.trim());
    }
  }

  // The splash window: a box above the main window that never takes the keyboard, built afresh
  // from the table each time it opens; what it says once is said as it comes up.
  openSplash(row) {
    const box = attrs(make("div", { id: row.objectName, cls: "splash", parent: this.desk }),
      { role: "region", "aria-label": row.accessibleName });
    Object.assign(box.style, { backgroundColor: cssColor(row.background), color: cssColor(row.foreground) });
    // Clicks on it leave the keyboard where it is. Where it may lie over the board, a tap on it
    // beside the logo and the maker line puts it away.
    box.addEventListener("mousedown", (event) => event.preventDefault());
    box.addEventListener("click", (event) => {
      if (document.body.classList.contains("phone") && !event.target.closest(".link")) this.send("dismiss");
    });
    this.elements[row.id] = box;
    this.splash = box;
    this.buildWindow(row.window, box);
    for (const child of this.table) {
      if (child.window === row.window && child.speech === "onShow") this.announce(this.elements[child.id].textContent);
    }
    this.onSplash?.();
  }

  closeSplash() {
    this.splash?.remove();
    this.splash = null;
  }

  stopTimers() {
    for (const timer of this.timers.values()) clearInterval(timer);
    this.timers.clear();
  }
}
