// The game core (kalmotre.wasm) as the page meets it: what it builds from, and one call an event
// that answers with the change list. The page decides nothing; the core says what to show.
export class Core {
  constructor(module) {
    this.game = new module.WebGame();
    this.setup = JSON.parse(module.setup());
    this.kinds = new Map(this.setup.events.map((name, kind) => [name, kind]));
    // Calls into the core and the time they and their lists took, for the benchmark.
    this.calls = { count: 0, milliseconds: 0 };
  }

  handle(event, control = -1, text = "", flags = 0) {
    return JSON.parse(this.game.handle(this.kinds.get(event) ?? -1, control, text, flags));
  }
  snapshot() { return this.game.snapshot(); }
  restore(text) {
    const list = this.game.restore(text);
    return list ? JSON.parse(list) : null;
  }
  printSheet() { return JSON.parse(this.game.printSheet()); }
}

// 15 twips are one CSS pixel, as on a 96-dpi desktop.
export const px = (twips) => `${twips / 15}px`;

// 0xBBGGRR as the core holds colours; the top bit names a colour of the desktop's palette.
export const kThemeColor = 0xffffffff;
export function cssColor(bgr) {
  const value = bgr >>> 0;
  if (value & 0x80000000) return (value & 0xff) === 8 ? "#000000" : "#ffffff";
  const r = value & 0xff, g = (value >> 8) & 0xff, b = (value >> 16) & 0xff;
  return `rgb(${r}, ${g}, ${b})`;
}

export function make(tag, { id, cls, text, parent } = {}) {
  const element = document.createElement(tag);
  if (id) element.id = id;
  if (cls) element.className = cls;
  if (text !== undefined) element.textContent = text;
  if (parent) parent.appendChild(element);
  return element;
}
