// The browser front end: builds the two windows from the layout, shows what the core holds and
// forwards every event to it. Every rule is the core's (kalmotre.wasm); here nothing is decided.
import createKalmotre from "./kalmotre.js";
import { kCellLefts, kCellSize, kCellTops, kClient, kHelpLefts, kHelpTops, kMain, kSplash, px }
  from "./layout.js";

const kMakerAddress = "https://tavuro.example/";
const kCells = 81;

// Cell numbering: 9 * block + position, position row by row inside the block.
const rowOf = (c) => 3 * Math.floor(Math.floor(c / 9) / 3) + Math.floor((c % 9) / 3);
const columnOf = (c) => 3 * (Math.floor(c / 9) % 3) + (c % 9) % 3;

// 0xBBGGRR as the core holds colours; the top bit names a colour of the desktop's palette.
function cssColor(bgr) {
  const value = bgr >>> 0;
  if (value & 0x80000000) return (value & 0xff) === 8 ? "#000000" : "#ffffff";
  const r = value & 0xff, g = (value >> 8) & 0xff, b = (value >> 16) & 0xff;
  return `rgb(${r}, ${g}, ${b})`;
}

function place(element, [left, top, width, height]) {
  element.style.left = px(left);
  element.style.top = px(top);
  if (width !== undefined) element.style.width = px(width);
  if (height !== undefined) element.style.height = px(height);
  return element;
}

function make(tag, { id, cls, text, parent, at } = {}) {
  const element = document.createElement(tag);
  if (id) element.id = id;
  if (cls) element.className = cls;
  if (text !== undefined) element.textContent = text;
  if (at) place(element, at);
  if (parent) parent.appendChild(element);
  return element;
}

class Page {
  constructor(module) {
    this.module = module;
    this.game = new module.WebGame();
    this.drawn = Array.from({ length: kCells }, () => ({}));
    this.applyingFocus = false;
    this.splash = null;
    this.build();
    this.game.setEventPass(() => this.refresh());
    this.run(() => this.game.Form_Load());
    this.buttons.btnGO.focus();
  }

  // Every command goes through here: the core handles it, then the page shows the result once.
  run(command) {
    command();
    this.refresh();
  }

  build() {
    const desk = document.getElementById("desk");
    desk.replaceChildren();
    const win = make("section", { id: "frmStart", cls: "window", parent: desk });
    win.setAttribute("aria-label", "KALMOTRE");
    this.window = win;
    make("div", { cls: "titlebar", text: "KALMOTRE", parent: win });

    const menu = make("nav", { cls: "menubar", parent: win });
    menu.setAttribute("role", "menubar");
    const menuItem = (id, text, handler) => {
      const item = make("button", { id, text, parent: menu });
      item.setAttribute("role", "menuitem");
      item.tabIndex = -1;
      item.addEventListener("click", () => this.run(handler));
    };
    menuItem("SudokuLaden", "Sudoku neu Laden", () => this.game.SudokuLaden_Click());
    menuItem("mnuEnde_1", "Beenden", () => this.game.mnuEnde_Click());

    const client = make("div", { cls: "client", parent: win });
    client.style.width = px(kClient.width);
    client.style.height = px(kClient.height);
    this.client = client;

    // In the order the keyboard walks them: buttons, level, restart, the board, the help area.
    this.buttons = {};
    const button = (id, text, handler) => {
      const b = make("button", { id, cls: "cmd", text, parent: client, at: kMain[id] });
      b.type = "button";
      b.addEventListener("click", () => this.run(handler));
      this.buttons[id] = b;
      return b;
    };
    button("btnGO", "Erzeuge neues Sodoku", () => this.game.btnGO_Click());
    button("btnLoesung", "Computer soll Lösung suchen", () => this.game.btnLoesung_Click())
      .title = "Nur als letzte Möglichkeit gedacht!";
    make("div", { id: "Label5", cls: "label", text: "Level", parent: client, at: kMain.Label5 });
    this.options = [];
    const [left, top, width, height] = kMain.optLevel;
    for (let k = 0; k < this.module.levelCount(); ++k) {
      const option = make("label", { cls: "option", parent: client,
        at: [left, top + 240 * k, width, height] });
      const input = make("input", { id: `optLevel_${k}`, parent: option });
      input.type = "radio";
      input.name = "optLevel";
      input.addEventListener("change", () => {
        if (input.checked) this.run(() => this.game.playerChoseLevel(k));
      });
      option.append(this.module.levelCaption(k));
      this.options.push(input);
    }
    button("BtnZur", "Spiel neu beginnen", () => this.game.BtnZur_Click());

    this.cells = [];
    for (let i = 0; i < kCells; ++i) {
      const cell = make("input", { id: `txtZahl_${i}`, cls: "cell", parent: client,
        at: [kCellLefts[columnOf(i)], kCellTops[rowOf(i)], kCellSize, kCellSize] });
      cell.autocomplete = "off";
      cell.inputMode = "numeric";
      cell.setAttribute("aria-label", `Zeile ${rowOf(i) + 1}, Spalte ${columnOf(i) + 1}`);
      this.wireCell(cell, i);
      this.cells.push(cell);
    }

    const help = make("div", { id: "Frame1", cls: "frame", parent: client, at: kMain.Frame1 });
    help.title = "Hast Du das nötig ?";
    make("span", { cls: "caption", text: "Hilfebereich", parent: help });
    for (const [id, text] of [["Label2_0", "Zeige die Möglichkeiten: "],
      ["Label3", "für die Zahl"], ["Label4", "Nächste Zahl"]]) {
      make("div", { id, cls: "label", text, parent: help, at: kMain[id].slice(0, 2) });
    }
    this.txtShow = make("input", { id: "txtShow", parent: client, at: kMain.txtShow });
    this.txtShow.setAttribute("aria-label", "Zeige die Möglichkeiten für die Zahl");
    this.txtShow.autocomplete = "off";
    this.txtShow.addEventListener("input", () => {
      const typed = this.txtShow.value;
      this.run(() => this.game.playerEditedShowText(typed));
    });
    button("btnPlus", "+", () => this.game.btnPlus_Click()).setAttribute("aria-label", "Nächste Zahl");

    this.frame2 = make("div", { id: "Frame2", parent: client, at: kMain.Frame2 });
    make("div", { id: "Label1", cls: "label", text: "Ich denke nach....", parent: this.frame2,
      at: kMain.Label1 }).style.left = "0";
    this.frame2.hidden = true;

    make("div", { id: "Shape1", parent: client, at: kMain.Shape1 });
    this.helpLabels = [];
    for (let i = 0; i < kCells; ++i) {
      this.helpLabels.push(make("div", { id: `lblZahl_${i}`, cls: "label help", parent: client,
        at: [kHelpLefts[columnOf(i)], kHelpTops[rowOf(i)], 300, 300] }));
    }
    this.lblFrei = make("div", { id: "lblFrei", cls: "label", parent: client, at: kMain.lblFrei });
    this.lblFrei.setAttribute("aria-live", "polite");
  }

  wireCell(cell, i) {
    cell.addEventListener("input", () => {
      // The box shows what was typed; the refresh puts the core's text back where they differ.
      this.drawn[i].text = cell.value;
      const typed = cell.value;
      this.run(() => this.game.playerEditedCell(i, typed));
    });
    cell.addEventListener("focus", () => {
      if (this.applyingFocus) return;
      this.game.cellGotFocus(i);
      setTimeout(() => { if (document.activeElement === cell) cell.select(); }, 0);
    });
    cell.addEventListener("blur", (event) => {
      if (this.applyingFocus) return;
      // The focus going to another control of the window leaves the cell; the page or the
      // browser losing it does not.
      const to = event.relatedTarget;
      if (to && this.window.contains(to)) this.run(() => this.game.cellLostFocus(i));
    });
    cell.addEventListener("keydown", (event) => {
      const step = { ArrowUp: 0, ArrowDown: 1, ArrowLeft: 2, ArrowRight: 3 }[event.key];
      if (step === undefined || event.altKey || event.ctrlKey || event.metaKey || event.shiftKey) return;
      event.preventDefault();
      this.run(() => this.game.playerMovedFocus(step));
    });
  }

  // Brings every element in line with the core, then carries out what the commands asked for.
  refresh() {
    const g = this.game;
    const busy = g.busy();
    for (let i = 0; i < kCells; ++i) {
      const cell = this.cells[i];
      const drawn = this.drawn[i];
      const text = g.cellText(i);
      if (drawn.text !== text) {
        cell.value = text;
        drawn.text = text;
      }
      const background = g.cellBackground(i), foreground = g.cellForeground(i);
      if (drawn.background !== background || drawn.foreground !== foreground) {
        cell.style.backgroundColor = cssColor(background);
        cell.style.color = cssColor(foreground);
        drawn.background = background;
        drawn.foreground = foreground;
      }
      const locked = g.cellLocked(i);
      if (drawn.readOnly !== (locked || busy)) cell.readOnly = drawn.readOnly = locked || busy;
      const state = locked ? "Vorgabe" : text === "" ? "frei" : text;
      if (drawn.state !== state) cell.setAttribute("aria-description", (drawn.state = state));
      const caption = g.lblZahl(i);
      if (this.helpLabels[i].textContent !== caption) this.helpLabels[i].textContent = caption;
    }
    const free = g.lblFrei();
    if (this.lblFrei.textContent !== free) this.lblFrei.textContent = free;
    const show = g.txtShow();
    if (this.txtShow.value !== show) this.txtShow.value = show;
    this.txtShow.readOnly = busy;
    this.options.forEach((option, k) => { option.checked = g.level() === k; });
    this.frame2.hidden = !g.thinking();

    const requests = g.takeRequests();
    if (requests.splash) this.showSplash();
    if (requests.focus >= 0) {
      this.applyingFocus = true;
      this.cells[requests.focus].focus();
      this.applyingFocus = false;
      this.cells[requests.focus].select();
    }
    if (requests.quit) this.quit();
  }

  // The splash window: a box above the main window that never takes the keyboard.
  showSplash() {
    if (this.splash) return;  // a running count goes on
    const box = make("div", { id: "frmSplash", cls: "splash", parent: document.body });
    const [width, height] = kSplash.size;
    box.style.width = px(width);
    box.style.height = px(height);
    box.style.left = `max(0px, calc(50vw - ${width / 30}px))`;
    box.style.top = `max(0px, calc(50vh - ${height / 30}px))`;
    box.setAttribute("aria-label", "Willkommen zu Tavuro");
    // Clicks on it leave the keyboard where it is.
    box.addEventListener("mousedown", (event) => event.preventDefault());
    const frame = make("div", { cls: "frame", parent: box, at: kSplash.Frame1 });
    const label = (id, text) => make("div", { id, cls: "label", text, parent: frame, at: kSplash[id] });
    label("lblCompanyProduct", "Willkommen zu Tavuro");
    label("lblProductName", "Professional");
    label("lblPlatform", "Freeware – Weitergabe kostenlos erlaubt");
    label("lblVersion", "Version 2.2");
    const logo = make("img", { id: "imgLogo", parent: frame, at: kSplash.imgLogo });
    logo.src = "logo.png";
    logo.alt = "Logo von Tavuro";
    logo.draggable = false;
    label("lblCopyright", "Copyright");
    const company = label("lblCompany", "Tavuro im Netz: tavuro.example – bitte hier klicken!");
    const count = make("div", { id: "splashCount", cls: "label", parent: frame, at: kSplash.Label1,
      text: this.module.countdownDesignText() });
    count.setAttribute("role", "status");
    for (const link of [logo, company]) {
      link.addEventListener("click", () => window.open(kMakerAddress, "_blank", "noopener"));
    }
    this.game.splashLoad();
    const timer = setInterval(() => {
      const tick = this.game.splashTick();
      if (tick.close) {
        this.closeSplash();
      } else {
        count.textContent = tick.text;
      }
    }, 1000);
    this.splash = { box, timer };
  }

  closeSplash() {
    if (!this.splash) return;
    clearInterval(this.splash.timer);
    this.splash.box.remove();
    this.splash = null;
  }

  // "Beenden": both windows go at once. A page the browser will not close is left with a way
  // to start the game again.
  quit() {
    this.closeSplash();
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
};
if ("serviceWorker" in navigator) navigator.serviceWorker.register("sw.js");
