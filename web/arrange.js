// The two arrangements of the main window: the desktop window, never scaled, where the screen holds it at 100 % and
// the pointer is fine; else the phone's, each control in the region and the order its row names, laid out by
// style.css. The choice follows rotation, resizing and zoom, and keeps the game and the focus.
import { make, place } from "./core.js";

export class Arrangement {
  constructor(view, setup) {
    Object.assign(this, { view, setup, coarse: matchMedia("(pointer: coarse)") });
    this.buildPad();
    this.buildGrip();
    this.buildPhone();
    // What the desktop window needs of the screen: its box and its margins, as laid out.
    const win = view.window;
    this.phoneQuery = matchMedia(`(pointer: coarse) and (max-width: 1023.98px), ` +
      `(max-width: ${win.offsetWidth + 2 * win.offsetLeft - 0.02}px), (max-height: ${win.offsetHeight + 2 * win.offsetTop - 0.02}px)`);
    this.phoneQuery.addEventListener("change", () => this.arrange());
    this.coarse.addEventListener("change", () => this.touchMode());
    window.addEventListener("resize", () => this.fit());
    view.onSplash = () => this.placeSplash();
    this.arrange();
  }

  // The digit pad of a touch screen: a button does what typing its digit (or Delete) into the box with the focus
  // does, or into the one that had it when the focus left the window. It never takes the focus itself.
  buildPad() {
    const view = this.view, pad = this.pad = make("div", { cls: "pad", parent: view.desk,
      attrs: { role: "group", "aria-label": this.setup.pad.name } });
    pad.hidden = true;
    this.setup.pad.buttons.forEach((caption, place) => {
      const button = make("button", { text: caption, parent: pad });
      Object.assign(button, { type: "button", tabIndex: -1 });
      for (const type of ["pointerdown", "mousedown"]) button.addEventListener(type, (event) => event.preventDefault());
      button.addEventListener("click", () => {
        const active = view.elements.indexOf(document.activeElement);
        const target = active < 0 ? view.padTarget ?? -1 : view.table[active].maxUnits > 0 ? active : -1;
        if (target >= 0) view.send("pad", target, "", place);
      });
    });
  }

  // The window's right edge, dragged with the mouse or a finger, makes it wider or narrower: from its own width to
  // the desk's, or on a touch screen to every control in view.
  buildGrip() {
    const view = this.view, grip = this.grip = make("div", { cls: "grip", parent: view.desk, attrs: { "aria-hidden": "true" } });
    const [natural, full] = [parseFloat(view.main.desktop.width), this.setup.fullWidth + 8];
    grip.addEventListener("pointerdown", (event) => {
      event.preventDefault();
      grip.setPointerCapture(event.pointerId);
      const start = { x: event.clientX, width: view.window.clientWidth };
      const move = (e) => {
        const widest = this.coarse.matches ? full : document.documentElement.clientWidth - 32;
        const width = Math.max(natural, Math.min(start.width + e.clientX - start.x, widest));
        view.window.style.width = `${Math.round(width)}px`;
        this.fit();
      };
      grip.addEventListener("pointermove", move);
      for (const end of ["pointerup", "pointercancel"]) grip.addEventListener(end, () => grip.removeEventListener("pointermove", move));
    });
  }

  // The regions, built once: a frame in a region holds the region's other controls; the menu bar, the board and the
  // digit pad are regions as they are.
  buildPhone() {
    const view = this.view;
    this.phone = view.phoneElement = make("section", { id: "phone", parent: view.desk, attrs: { "aria-label": view.main.caption } });
    this.regions = new Map();
    for (const name of this.setup.regions) {
      const rows = view.table.filter((row) => row.window === "main" && row.region === name);
      const frame = rows.find((row) => row.kind === "frame");
      const holder = name === this.setup.pad.region ? this.pad
        : rows.some((row) => row.kind === "cell") ? view.boardGrid
          : rows.length > 0 && rows.every((row) => row.kind === "menuItem") ? view.menubar
            : frame ? view.elements[frame.id] : rows.length > 0 ? make("div", { cls: "region" }) : null;
      if (holder) this.regions.set(name, holder);
    }
  }

  arrange() {
    const phone = this.phoneQuery.matches, view = this.view, focused = document.activeElement;
    if (phone === this.isPhone) return;
    this.isPhone = phone;
    view.quiet = true;
    document.body.classList.toggle("phone", phone);
    for (const [name, container] of this.regions) {
      if (phone) {
        container.dataset.region = name;
        this.phone.appendChild(container);
      } else if (container.classList.contains("region")) {
        container.remove();
      } else {
        delete container.dataset.region;
      }
    }
    // The controls go to their frames on the desktop, in tab order; on the phone to their regions, in the regions'
    // order and theirs there.
    const rows = view.table.filter((row) => row.window === "main" && row.kind !== "window" && view.elements[row.id]);
    const rank = (row) => this.setup.regions.indexOf(row.region) * 1000 + row.order;
    if (!phone) {
      view.window.insertBefore(view.menubar, view.client);
      view.desk.appendChild(this.pad);
      view.mount(rows, view.client);
    }
    for (const row of phone ? rows.sort((a, b) => rank(a) - rank(b)) : rows) {
      const element = view.shown(row), region = this.regions.get(row.region);
      if (phone && region && region !== element && row.kind !== "cell" && row.kind !== "menuItem") region.appendChild(element);
      place(element, row, phone);
    }
    if (focused?.isConnected && document.activeElement !== focused) focused.focus({ preventScroll: true });
    view.quiet = false;
    this.touchMode();
    this.placeSplash();
  }

  // A coarse pointer gets the digit pad and no soft keyboard in the boxes; the desktop window on a touch screen also
  // larger menu items and the touch areas the core grows around its small controls, which a tap on gives the control
  // the focus and the click.
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
      const target = make("div", { cls: "target" });
      Object.assign(target.style, row.touch);
      view.shown(row).before(target);
      target.addEventListener("mousedown", (event) => event.preventDefault());
      target.addEventListener("click", () => { element.focus(); element.click(); });
    }
    this.fit();
  }

  // The grip at the window's right edge (on a touch screen a tab a finger holds), and there the digit pad beside the
  // window.
  fit() {
    if (this.isPhone) return;
    const touch = this.coarse.matches, win = this.view.window, right = win.offsetLeft + win.offsetWidth;
    this.grip.classList.toggle("touch", touch);
    Object.assign(this.grip.style, { left: `${Math.min(right - (touch ? 12 : 4), document.documentElement.clientWidth - (touch ? 24 : 8))}px`,
      top: `${win.offsetTop + (touch ? win.offsetHeight / 2 - 24 : 0)}px`, height: touch ? "" : `${win.offsetHeight}px` });
    Object.assign(this.pad.style, touch ? { left: `${right + 14}px`, top: `${win.offsetTop}px` } : { left: "", top: "" });
  }

  // On the desktop the splash lies in the middle of the screen; in the phone arrangement it takes the place of the
  // menu, the commands and the level, its texts in the phone's sizes.
  placeSplash() {
    const view = this.view, box = view.splash;
    if (!box) return;
    for (const row of view.table) {
      if (row.window === "splash" && row.kind !== "window" && view.elements[row.id]) place(view.elements[row.id], row, this.isPhone);
    }
    const { width, height } = view.table.find((r) => r.kind === "window" && r.window === "splash").desktop;
    (this.isPhone ? this.phone : view.desk).appendChild(box);
    Object.assign(box.style, this.isPhone ? { left: "", top: "", width: "", height: "" } : { width, height,
      left: `max(0px, calc(50vw - ${width} / 2))`, top: `max(0px, calc(50vh - ${height} / 2))` });
  }
}
