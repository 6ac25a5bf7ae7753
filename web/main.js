// The browser front end: builds the windows from the core's table, reports every event to the core in one call and
// applies the change list it answers with. Every rule is the core's (kalmotre.wasm); here nothing is decided.
import createKalmotre from "./kalmotre.js";
import { Core, make } from "./core.js";
import { Renderer } from "./build.js";
import { Arrangement } from "./arrange.js";
import { Keeper } from "./keep.js";
import { PrintSheet } from "./print.js";

class Page {
  constructor(module) {
    const core = this.core = new Core(module), setup = core.setup;
    document.documentElement.style.setProperty("--touch", `${setup.touchTarget}px`);
    this.view = new Renderer(setup, (...event) => this.send(...event));
    this.view.buildMain();
    this.keeper = new Keeper(core);
    this.printSheet = new PrintSheet(core);
    this.arrangement = new Arrangement(this.view, setup);
    // Every key goes to the core, named as the browser names it; what the core takes goes no further. A key's release
    // goes only where the core asked for it with the key.
    for (const type of ["keydown", "keyup"]) {
      document.addEventListener(type, (event) => {
        if (type === "keyup" && !this.keyUpWanted) return;
        const held = event.shiftKey | (event.ctrlKey << 1) | (event.altKey << 2) | (event.metaKey << 3);
        const list = this.send(type === "keydown" ? "key" : "keyUp", this.view.elements.indexOf(event.target), event.key, held);
        this.keyUpWanted = type === "keydown" && list.keyUp;
        if (list.keyTaken) event.preventDefault();
      });
    }
    // A game the tab kept comes back as it was; a kept text the core refuses is dropped.
    const kept = this.keeper.kept(), restored = kept && core.restore(kept);
    if (restored) {
      this.apply(restored);
    } else {
      this.keeper.keep(null);
      this.send("load");
    }
    if (!this.view.client.contains(document.activeElement) && !this.arrangement.phone.contains(document.activeElement)) {
      this.view.elements[setup.controls.find((row) => row.window === "main" && row.tabIndex === 0).id].focus();
    }
  }

  // Every event goes to the core in one call; its answer is shown at once, and the game is kept for the tab.
  send(event, control = -1, text = "", flags = 0) {
    const start = performance.now(), list = this.core.handle(event, control, text, flags);
    this.apply(list);
    if (!list.quit) this.keeper.keepSoon();
    this.core.calls.count += 1;
    this.core.calls.milliseconds += performance.now() - start;
    return list;
  }

  // Shows what changed, then does what the core asks: focus, select, the maker's page, print, paint and resume, quit.
  apply(list) {
    const view = this.view;
    view.menuChanged = false;
    for (const [id, property, value] of list.changes) view.change(id, property, value);
    if (view.menuChanged) this.followMenu();
    if (list.focus >= 0) view.focus(list.focus);
    if (list.select >= 0) view.elements[list.select]?.select();
    if (list.open) window.open(list.open, "_blank", "noopener");
    if (list.print) this.printSheet.print();
    if (list.resume) this.paintThenResume();
    if (list.quit) this.quit();
  }

  // The chosen menu item has the keyboard; leaving the menu gives it back where it was.
  followMenu() {
    const menu = this.view.menubar, chosen = menu.querySelector(".highlighted");
    if (chosen && !menu.contains(document.activeElement)) this.beforeMenu = document.activeElement;
    if (chosen) chosen.focus();
    else if (menu.contains(document.activeElement)) this.beforeMenu?.focus();
  }

  // The frame and the splash are painted before the generation goes on (the second animation frame runs after a
  // paint). A hidden page gets no frames: there it goes on at once; a shown one waits for them up to two seconds.
  paintThenResume() {
    let resumed = false;
    const resume = () => {
      if (resumed) return;
      resumed = true;
      document.removeEventListener("visibilitychange", whenHidden);
      this.send("resume");
    };
    const whenHidden = () => { if (document.visibilityState === "hidden") setTimeout(resume, 0); };
    requestAnimationFrame(() => requestAnimationFrame(resume));
    document.addEventListener("visibilitychange", whenHidden);
    whenHidden();
    setTimeout(resume, 2000);
  }

  // "Beenden": both windows go at once. A page the browser will not close is left with a way to start the game again.
  quit() {
    const view = this.view, texts = this.core.setup.texts;
    this.keeper.end();
    view.closeSplash();
    view.stopTimers();
    view.desk.replaceChildren();
    window.close();
    const ended = make("div", { cls: "ended", parent: view.desk, text: texts.ended });
    make("br", { parent: ended });
    const again = make("button", { id: "restartGame", text: texts.startAgain, parent: ended });
    again.addEventListener("click", () => location.reload());
    again.focus();
  }
}

const module = await createKalmotre();
const page = new Page(module);
// When the board became playable, in milliseconds since navigation began (for the benchmark).
window.kalmotreReadyAt = performance.now();
// A test seam, not a player's option: a fixed clock makes every new puzzle the same; the rest is for the benchmark.
window.kalmotreTest = {
  fixClock: (seconds) => page.core.game.fixClock(seconds),
  generationMicroseconds: (option, count) => module.generationMicroseconds(option, count),
  coreCalls: () => ({ ...page.core.calls }),
  // A click on the element's control and its second half at once, in µs: the page's and the core's time, no frames.
  clickMicroseconds: (elementId, count) => {
    const control = page.view.elements.findIndex((element) => element?.id === elementId);
    const start = performance.now();
    for (let k = 0; k < count; ++k) page.send("click", control) && page.send("resume");
    return ((performance.now() - start) / count) * 1000;
  },
};
if ("serviceWorker" in navigator) navigator.serviceWorker.register("sw.js");
