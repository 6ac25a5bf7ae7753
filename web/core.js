// The game core (kalmotre.wasm) as the page meets it: what it builds from, and one call an event that answers with
// the change list. The page decides nothing; the core says what to show.
export class Core {
  constructor(module) {
    this.game = new module.WebGame();
    this.setup = JSON.parse(module.setup());
    this.kinds = new Map(this.setup.events.map((name, kind) => [name, kind]));
    this.calls = { count: 0, milliseconds: 0 };  // calls into the core and their time, for the benchmark
  }

  handle(event, control = -1, text = "", flags = 0) {
    return JSON.parse(this.game.handle(this.kinds.get(event) ?? -1, control, text, flags));
  }
  snapshot() { return this.game.snapshot(); }
  restore(text) { const list = this.game.restore(text); return list ? JSON.parse(list) : null; }
  printSheet() { return JSON.parse(this.game.printSheet()); }
}

export function make(tag, { id, cls, text, parent, attrs = {} } = {}) {
  const element = document.createElement(tag);
  if (id) element.id = id;
  if (cls) element.className = cls;
  if (text !== undefined) element.textContent = text;
  for (const [name, value] of Object.entries(attrs)) element.setAttribute(name, value);
  parent?.appendChild(element);
  return element;
}

// Puts a control where an arrangement wants it, by the core's CSS for the desktop or the phone.
export function place(element, row, phone) {
  for (const key of Object.keys({ ...row.desktop, ...row.phone })) element.style[key] = "";
  Object.assign(element.style, phone ? row.phone : row.desktop);
}
