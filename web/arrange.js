// The two arrangements of the main window. The desktop window as it always was, 24 pixels in and
// never scaled, wherever the screen holds it at 100 % and the pointer is fine; the phone
// arrangement on a touch screen under 1024 pixels and wherever the window does not fit (a zoomed
// page included): each control goes to the region its row names, in its order there, and
// style.css lays the regions out. The choice follows rotation, resizing and zoom, and keeps the
// game and the focus.
import { make } from "./core.js";
import { attrs, placeOnDesktop, placeOnPhone } from "./build.js";

export class Arrangement {
  constructor(view, setup) {
    this.view = view;
    this.setup = setup;
    this.coarse = matchMedia("(pointer: coarse)");
    this.buildPad();
    this.buildGrip();
    this.buildPhone();
    // What the desktop window needs of the screen: its box and its margins, as laid out.
    const win = view.window;
    this.windowWidth = win.offsetWidth;
    const [needWidth, needHeight] = [win.offsetWidth + 2 * win.offsetLeft, win.offsetHeight + 2 * win.offsetTop];
    this.phoneQuery = matchMedia(`(pointer: coarse) and (max-width: 1023.98px), ` +
      `(max-width: ${needWidth - 0.02}px), (max-height: ${needHeight - 0.02}px)`);
    this.phoneQuery.addEventListener("change", () => this.arrange());
    this.coarse.addEventListener("change", () => this.touchMode());
    window.addEventListener("resize", () => this.fit());
    view.onSplash = () => this.placeSplash();
    this.arrange();
  }

  // The digit pad of a touch screen: a button does what typing its digit (or Delete) into the
  // box with the focus does. It never takes the focus itself.
  buildPad() {
    const view = this.view, pad = attrs(make("div", { cls: "pad", parent: view.desk }), { role: "group", "aria-label": this.setup.pad.name });
    pad.hidden = true;
    this.setup.pad.buttons.forEach((caption, place) => {
      const button = make("button", { text: caption, parent: pad });
      button.type = "button";
      button.tabIndex = -1;
      for (const type of ["pointerdown", "mousedown"]) button.addEventListener(type, (event) => event.preventDefault());
      button.addEventListener("click", () => {
        // The box with the focus, or the one that had it when the focus left the window.
        const active = view.elements.indexOf(document.activeElement);
        const target = active < 0 ? view.padTarget ?? -1 : view.table[active].maxUnits > 0 ? active : -1;
        if (target >= 0) view.send("pad", target, "", place);
      });
    });
    this.pad = pad;
  }

  // The window's right edge, dragged with the mouse or a finger, makes it wider or narrower:
  // from its own width to the desk's, or on a touch screen to every control in view.
  buildGrip() {
    const view = this.view, grip = attrs(make("div", { cls: "grip", parent: view.desk }), { "aria-hidden": "true" });
    const natural = view.main.rect[2] / 15;
    const full = Math.max(...view.table.filter((row) => row.window === "main" && row.kind !== "window")
      .map((row) => (row.rect[0] + row.rect[2]) / 15)) + 8;
    grip.addEventListener("pointerdown", (event) => {
      event.preventDefault();
      grip.setPointerCapture(event.pointerId);
      const start = { x: event.clientX, width: view.window.clientWidth };
      const move = (e) => {
        const widest = this.coarse.matches ? full : document.documentElement.clientWidth - 32;
        view.window.style.width = `${Math.round(Math.max(natural, Math.min(start.width + e.clientX - start.x, widest)))}px`;
        this.windowWidth = view.window.offsetWidth;
        this.fit();
      };
      grip.addEventListener("pointermove", move);
      for (const end of ["pointerup", "pointercancel"]) grip.addEventListener(end, () => grip.removeEventListener("pointermove", move), { once: true });
    });
    this.grip = grip;
  }

  // The regions, built once: a frame in a region holds the region's other controls; the menu
  // bar, the board and the digit pad are regions as they are.
  buildPhone() {
    const view = this.view;
    this.phone = attrs(make("section", { id: "phone", parent: view.desk }), { "aria-label": view.main.caption });
    view.phoneElement = this.phone;
    this.regions = new Map();
    for (const name of this.setup.regions) {
      const rows = view.table.filter((row) => row.window === "main" && row.region === name);
      const frame = rows.find((row) => row.kind === "frame");
      let container;
      if (name === this.setup.pad.region) container = this.pad;
      else if (rows.some((row) => row.kind === "cell")) container = view.boardGrid;
      else if (rows.length > 0 && rows.every((row) => row.kind === "menuItem")) container = view.menubar;
      else if (frame) container = view.elements[frame.id];
      else if (rows.length > 0) container = make("div", { cls: "region" });
      else continue;
      this.regions.set(name, container);
    }
  }

  arrange() {
    const phone = this.phoneQuery.matches;
    if (phone === this.isPhone) return;
    this.isPhone = phone;
    const view = this.view, focused = document.activeElement;
    view.quiet = true;
    document.body.classList.toggle("phone", phone);
    const rows = view.table.filter((row) => row.window === "main" && view.elements[row.id] && row.kind !== "window");
    if (phone) {
      for (const [name, container] of this.regions) {
        container.dataset.region = name;
        this.phone.appendChild(container);
      }
      for (const row of rows) {
        const element = view.shown(row), region = this.regions.get(row.region);
        if (region && region !== element && row.kind !== "cell" && row.kind !== "menuItem") region.appendChild(element);
        placeOnPhone(element, row);
      }
    } else {
      view.window.insertBefore(view.menubar, view.client);
      view.desk.appendChild(this.pad);
      const rank = (row) => (row.tabIndex >= 0 ? row.tabIndex : 1000 + row.id);
      let gridPlaced = false;
      for (const row of rows.sort((a, b) => rank(a) - rank(b))) {
        if (row.kind === "menuItem") {
          view.elements[row.id].style.cssText = "";
          continue;
        }
        const element = view.shown(row), container = view.table[row.container];
        // The cells stay in the board's grid, which goes where the first of them stands.
        const into = container.kind === "window" ? view.client : view.elements[container.id];
        if (row.kind !== "cell") into.appendChild(element);
        else if (!gridPlaced) gridPlaced = !!into.appendChild(view.boardGrid);
        placeOnDesktop(element, row);
      }
      for (const container of this.regions.values()) {
        if (container.classList.contains("region")) container.remove();
        delete container.dataset.region;
      }
    }
    if (focused?.isConnected && document.activeElement !== focused) focused.focus({ preventScroll: true });
    view.quiet = false;
    this.touchMode();
    this.placeSplash();
  }

  // A coarse pointer gets the digit pad and no soft keyboard in the boxes; the desktop window on
  // a touch screen also larger menu items and the touch areas the core grows around its small
  // controls.
  touchMode() {
    const view = this.view, touch = this.coarse.matches;
    document.body.classList.toggle("touch", touch && !this.isPhone);
    this.pad.hidden = !touch && !this.isPhone;
    for (const old of view.window.querySelectorAll(".target")) old.remove();
    for (const row of view.table) {
      const element = view.elements[row.id];
      if (row.window !== "main" || !element) continue;
      if (row.maxUnits > 0) element.inputMode = touch ? "none" : row.kind === "cell" ? "numeric" : "text";
      if (!row.touch || !touch || this.isPhone) continue;
      const [left, top, width, height] = row.touch;
      const target = make("div", { cls: "target" });
      Object.assign(target.style, { left: `${left}px`, top: `${top}px`, width: `${width}px`,
        height: `${height}px`, zIndex: String(row.id) });
      view.shown(row).before(target);
      // The control takes the focus first, as a tap on it would: the cell left is validated.
      target.addEventListener("mousedown", (event) => event.preventDefault());
      target.addEventListener("click", () => {
        element.focus();
        element.click();
      });
    }
    this.fit();
  }

  // The grip at the window's right edge; on a touch screen a tab a finger holds, and the digit
  // pad beside the window.
  fit() {
    if (this.isPhone) return;
    const touch = this.coarse.matches, win = this.view.window;
    const right = win.offsetLeft + this.windowWidth;
    this.grip.style.left = `${Math.min(right - (touch ? 12 : 4), document.documentElement.clientWidth - (touch ? 24 : 8))}px`;
    this.grip.style.top = `${win.offsetTop + (touch ? win.offsetHeight / 2 - 24 : 0)}px`;
    this.grip.style.height = touch ? "" : `${win.offsetHeight}px`;
    this.grip.classList.toggle("touch", touch);
    Object.assign(this.pad.style, touch ? { left: `${right + 14}px`, top: `${win.offsetTop}px` } : { left: "", top: "" });
  }

  // On the desktop the splash lies in the middle of the screen; in the phone arrangement it
  // takes the place of the menu, the commands and the level, its texts in the phone's sizes.
  placeSplash() {
    const view = this.view, box = view.splash;
    if (!box) return;
    for (const row of view.table) {
      if (row.window !== "splash" || row.kind === "window" || !view.elements[row.id]) continue;
      (this.isPhone ? placeOnPhone : placeOnDesktop)(view.elements[row.id], row);
    }
    const [width, height] = view.table.find((r) => r.kind === "window" && r.window === "splash").rect.map((t) => t / 15).slice(2);
    (this.isPhone ? this.phone : view.desk).appendChild(box);
    Object.assign(box.style, this.isPhone ? { left: "", top: "", width: "", height: "" } : {
      width: `${width}px`, height: `${height}px`,
      left: `max(0px, calc(50vw - ${width / 2}px))`, top: `max(0px, calc(50vh - ${height / 2}px))` });
  }
}
