// The game kept in the tab's session storage across a reload: nothing in cookies or local storage, nothing shared
// between tabs. A browser that refuses storage leaves the game unkept.
const kKeptGame = "kalmotre.game";

export class Keeper {
  constructor(core) {
    this.core = core;
    window.addEventListener("pagehide", () => this.keepNow());
    document.addEventListener("visibilitychange", () => {
      if (document.visibilityState === "hidden") this.keepNow();
    });
  }

  kept() {
    try { return sessionStorage.getItem(kKeptGame); } catch { return null; }
  }

  // null forgets the game; undefined (in the middle of a command) and an unchanged text keep nothing new.
  keep(text) {
    if (text === undefined || text === this.lastKept) return;
    this.lastKept = text;
    try {
      if (text === null) sessionStorage.removeItem(kKeptGame);
      else sessionStorage.setItem(kKeptGame, text);
    } catch { /* full or forbidden */ }
  }

  // Written a moment after the events stop, and at once when the page is hidden or goes away.
  keepSoon() {
    this.timer ||= setTimeout(() => this.keepNow(), 250);
  }
  keepNow() {
    clearTimeout(this.timer);
    this.timer = 0;
    if (!this.ended) this.keep(this.core.snapshot() || undefined);
  }
  end() { this.ended = true; this.keep(null); }
}
