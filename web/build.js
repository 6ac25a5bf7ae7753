// Both windows built from the core's control table, and each change of the core's lists shown on them. What a control
// looks like comes from its row; the page knows no control by name.
import { make, place } from "./core.js";

// How each property of a change list shows on an element.
const kSetters = {
  text: (e, v) => { if (e.tagName === "INPUT") e.value = v; else e.textContent = v; },
  background: (e, v) => { e.style.backgroundColor = v; },
  foreground: (e, v) => { e.style.color = v; },
  readOnly: (e, v) => { e.readOnly = v; },
  visible: (e, v) => { e.hidden = !v; },
  checked: (e, v) => { e.checked = v; },
  description: (e, v) => e.setAttribute("aria-description", v),
  highlighted: (e, v) => e.classList.toggle("highlighted", v),
  marks: (e, v) => { if (v) e.dataset.marks = v; else delete e.dataset.marks; },
};

// What the row fixes whatever the arrangement: the look, the names, what a screen reader hears.
function describe(element, row) {
  Object.assign(element.style, row.look);
  place(element, row, false);
  element.dataset.kind = row.kind;
  if (row.speech) element.dataset.speech = row.speech;
  if (row.wordWrap) element.dataset.wrap = "";
  if (row.bordered) element.classList.add("bordered");
  if (row.toolTip) element.title = row.toolTip;
  if (row.accessibleName) element.setAttribute("aria-label", row.accessibleName);
  if (row.accessibleDescription) element.setAttribute("aria-description", row.accessibleDescription);
  if (row.speech === "live") element.setAttribute("aria-live", "polite");
  element.hidden = row.hidden;
}

export class Renderer {
  // `send(event, control, text, flags)` reports an event to the core and applies its answer.
  constructor(setup, send) {
    Object.assign(this, { setup, send, table: setup.controls, elements: [], timers: new Map() });
    this.quiet = false;  // the page moves the focus itself: not reported
    this.desk = document.getElementById("desk");
    this.announcer = make("div", { cls: "visually-hidden", parent: this.desk, attrs: { role: "status" } });
  }

  // The main window: title bar, menu bar and a client area as wide as the window (widening it brings the right-hand
  // panel into view).
  buildMain() {
    const self = this.main = this.table.find((row) => row.kind === "window" && row.window === "main");
    const win = this.window = this.elements[self.id] =
      make("section", { id: self.objectName, cls: "window", parent: this.desk, attrs: { "aria-label": self.caption } });
    make("div", { cls: "titlebar", text: self.caption, parent: win });
    this.menubar = make("nav", { cls: "menubar", parent: win, attrs: { role: "menubar" } });
    this.client = make("div", { cls: "client", parent: win });
    win.style.width = self.desktop.width;
    this.client.style.height = self.desktop.height;
    this.buildWindow("main", this.client);
  }

  buildWindow(name, client) {
    const rows = this.table.filter((row) => row.window === name && row.kind !== "window" && row.kind !== "timer");
    for (const row of rows) this.elements[row.id] = row.kind === "menuItem" ? this.menuItem(row) : this.control(row);
    if (rows.some((row) => row.kind === "cell")) this.buildBoard(rows.filter((row) => row.kind === "cell"));
    this.mount(rows, client);
  }

  // Puts a window's controls into their frames in tab order, which the keyboard walks (the table's order stacks
  // them); the board's grid goes where its first cell stands.
  mount(rows, client) {
    const rank = (row) => (row.tabIndex >= 0 ? row.tabIndex : 1000 + row.id);
    let gridPlaced = false;
    for (const row of [...rows].sort((a, b) => rank(a) - rank(b))) {
      if (row.kind === "menuItem" || (row.kind === "cell" && gridPlaced)) continue;
      gridPlaced ||= row.kind === "cell";
      const container = this.table[row.container];
      (container.kind === "window" ? client : this.elements[container.id]).appendChild(
        row.kind === "cell" ? this.boardGrid : this.shown(row));
    }
  }

  // What stands in the layout for a control: an option's label, else the control itself.
  shown(row) {
    return row.kind === "option" ? this.elements[row.id].parentElement : this.elements[row.id];
  }

  // The board as a grid to assistive technology: rows of cells, each named by its place, and one tab stop for all of
  // it (the arrows move inside, by the core's rules). The grid, its rows and their cells take no box of their own in
  // the window; in the phone arrangement the grid is the board's region.
  buildBoard(cells) {
    const { size, name } = this.setup.board;
    const grid = this.boardGrid = make("div", { id: "board", cls: "board",
      attrs: { role: "grid", "aria-label": name, "aria-rowcount": size, "aria-colcount": size } });
    const lines = Array.from({ length: size }, (_, r) =>
      make("div", { cls: "board-row", parent: grid, attrs: { role: "row", "aria-rowindex": r + 1 } }));
    for (const row of [...cells].sort((a, b) => a.order - b.order)) {
      const [r, c] = [Math.floor(row.order / size) + 1, (row.order % size) + 1], cell = this.elements[row.id];
      make("div", { cls: "board-cell", parent: lines[r - 1], attrs: { role: "gridcell", "aria-colindex": c } }).appendChild(cell);
      Object.assign(cell.dataset, { row: r, column: c });
      cell.tabIndex = row.order === 0 ? 0 : -1;
      if (row.order === 0) this.boardStop = cell;
    }
  }

  // The cell the board's one tab stop leads to: the last one that had the focus.
  rove(cell) {
    [this.boardStop.tabIndex, cell.tabIndex, this.boardStop] = [-1, 0, cell];
  }

  // Says a text once to a screen reader, politely, without moving the focus.
  announce(text) {
    this.announcer.textContent = "";
    requestAnimationFrame(() => { this.announcer.textContent = text; });
  }

  menuItem(row) {
    const item = make("button", { id: row.objectName, text: row.caption, parent: this.menubar, attrs: { role: "menuitem" } });
    item.tabIndex = -1;
    item.addEventListener("click", () => this.send("click", row.id));
    return item;
  }

  control(row) {
    const id = row.window === "main" ? row.objectName : `frmSplash_${row.objectName}`;
    const click = () => this.send("click", row.id);
    let element;
    if (row.kind === "option") {
      const option = make("label", { cls: "option" });
      element = make("input", { id, parent: option });
      Object.assign(element, { type: "radio", name: row.name, checked: row.checked });
      element.addEventListener("change", () => { if (element.checked) click(); });
      option.append(row.caption);
      describe(option, row);
      option.removeAttribute("aria-description");
      if (row.accessibleDescription) element.setAttribute("aria-description", row.accessibleDescription);
      return element;
    } else if (row.kind === "cell" || row.kind === "textBox") {
      element = make("input", { id, cls: row.kind === "cell" ? "cell" : "box" });
      Object.assign(element, { value: row.caption, autocomplete: "off" });
      if (row.maxUnits > 0) element.maxLength = row.maxUnits;
      this.wireBox(element, row);
    } else if (row.kind === "button") {
      element = make("button", { id, cls: "cmd", text: row.caption });
      element.type = "button";
      element.addEventListener("click", click);
    } else if (row.kind === "image") {
      element = make("img", { id });
      Object.assign(element, { src: "logo.png", alt: row.accessibleName, draggable: false });
    } else if (row.kind === "frame") {
      element = make("div", { id, cls: "frame" });
      if (row.caption) make("span", { cls: "caption", text: row.caption, parent: element });
    } else {
      element = make("div", { id, cls: { shape: "shape", helpLabel: "label help" }[row.kind] ?? "label", text: row.caption });
    }
    if (row.link) element.classList.add("link");
    if (row.link) element.addEventListener("click", click);
    if (row.takesDrop) element.addEventListener("dragover", (event) => event.preventDefault());
    if (row.takesDrop) element.addEventListener("drop", (event) => { event.preventDefault(); this.send("drop", row.id); });
    describe(element, row);
    return element;
  }

  wireBox(box, row) {
    box.addEventListener("input", () => this.send("edit", row.id, box.value));
    // The pointer places no caret of the browser's: the box takes the focus and the click when the pointer is
    // released, and the core says what to select, alike in every engine.
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
    // The focus going to another control of the window leaves the box; the page or the browser losing it does not.
    box.addEventListener("blur", (event) => {
      const to = event.relatedTarget, inWindow = to && (this.client.contains(to) || this.phoneElement?.contains(to));
      if (!this.quiet) this.send("focusOut", row.id, "", inWindow ? 0 : 1);
    });
  }

  // Moves the keyboard to a control without reporting it: the core made the move.
  focus(id) { this.quiet = true; this.elements[id]?.focus(); this.quiet = false; }

  change(id, property, value) {
    const row = this.table[id], element = this.elements[id];
    if (row.kind === "window" && property === "visible") {
      if (value) this.openSplash(row);
      else this.closeSplash();
    } else if (property === "running") {
      clearInterval(this.timers.get(id));
      if (value) this.timers.set(id, setInterval(() => this.send("timer", id), row.interval));
    } else if (element) {
      kSetters[property]?.(element, value);
      if (property === "visible" && value && row.speech === "onShow") this.announce(element.textContent.trim());
      this.menuChanged ||= property === "highlighted";
    }
  }

  // The splash window: a box above the main window that never takes the keyboard, built afresh from the table each
  // time it opens; what it says once is said as it comes up. Where it may lie over the board (the phone), a tap on it
  // beside its links puts it away.
  openSplash(row) {
    const box = this.splash = this.elements[row.id] = make("div", { id: row.objectName, cls: "splash", parent: this.desk,
      attrs: { role: "region", "aria-label": row.accessibleName } });
    Object.assign(box.style, { backgroundColor: row.look.backgroundColor, color: row.look.color });
    box.addEventListener("mousedown", (event) => event.preventDefault());
    box.addEventListener("click", (event) => {
      if (document.body.classList.contains("phone") && !event.target.closest(".link")) this.send("dismiss");
    });
    this.buildWindow(row.window, box);
    for (const child of this.table) {
      if (child.window === row.window && child.speech === "onShow") this.announce(this.elements[child.id].textContent);
    }
    this.onSplash?.();
  }

  closeSplash() { this.splash?.remove(); this.splash = null; }
  stopTimers() { for (const timer of this.timers.values()) clearInterval(timer); }
}
