// The page a printout shows instead of the desk: the board alone, black on white, with the level and the counter
// under it, filled from the core whenever the browser prints.
import { make } from "./core.js";

export class PrintSheet {
  constructor(core) {
    this.core = core;
    const sheet = make("section", { cls: "print-sheet", parent: document.body, attrs: { "aria-hidden": "true" } });
    const grid = make("div", { cls: "print-grid", parent: sheet });
    this.cells = Array.from({ length: 81 }, () => make("div", { parent: grid }));
    this.lines = [0, 1].map(() => make("div", { cls: "print-caption", parent: sheet }));
    window.addEventListener("beforeprint", () => this.fill());
    this.fill();
  }

  fill() {
    const sheet = this.core.printSheet();
    sheet.cells.forEach(([text, clue], k) => {
      if (this.cells[k].textContent !== text) this.cells[k].textContent = text;
      this.cells[k].classList.toggle("clue", clue);
    });
    [this.lines[0].textContent, this.lines[1].textContent] = [sheet.level, sheet.counter];
  }

  print() { this.fill(); window.print(); }
}
