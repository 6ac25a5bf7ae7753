// What the browser tests share: the built site served on a loopback port, Debian's Chromium
// driven by Playwright, and a page that records console errors and every request it makes.
import { createServer } from "node:http";
import { appendFile, cp, mkdtemp, readdir, readFile, stat, utimes } from "node:fs/promises";
import { execFileSync } from "node:child_process";
import { tmpdir } from "node:os";
import { extname, join, normalize } from "node:path";
import { fileURLToPath } from "node:url";
import { gzipSync } from "node:zlib";
import { after, before } from "node:test";
import assert from "node:assert/strict";
import { chromium } from "playwright-core";

export const root = fileURLToPath(new URL("../..", import.meta.url));
export const dist = join(root, "build/web/dist");

const kTypes = {
  ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".css": "text/css",
  ".wasm": "application/wasm", ".json": "application/json", ".png": "image/png",
};

// A static server of a site folder, as most hosts serve one: the files' dates as Last-Modified,
// no Cache-Control. setRoot() deploys another release in its place.
// With `gzip`, text and WebAssembly go compressed to a browser that takes it, as most hosts do.
export async function serve(folder = dist, { gzip = false } = {}) {
  let site = folder;
  const server = createServer(async (request, response) => {
    let path = decodeURIComponent(new URL(request.url, "http://x").pathname);
    if (path.endsWith("/")) path += "index.html";
    const file = normalize(join(site, path));
    if (!file.startsWith(site)) return response.writeHead(403).end();
    try {
      let body = await readFile(file);
      const modified = (await stat(file)).mtime.toUTCString();
      const headers = { "Content-Type": kTypes[extname(file)] ?? "application/octet-stream",
        "Last-Modified": modified };
      if (gzip && extname(file) !== ".png" && /\bgzip\b/.test(request.headers["accept-encoding"] ?? "")) {
        body = gzipSync(body);
        headers["Content-Encoding"] = "gzip";
      }
      response.writeHead(200, headers);
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  return { server, origin: `http://127.0.0.1:${server.address().port}`,
    setRoot: (next) => { site = next; } };
}

export async function launch() {
  return chromium.launch({
    executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium",
    args: ["--no-sandbox", "--disable-gpu"],
  });
}

// One server of the built site and one Chromium for all the tests of a file.
export function siteAndBrowser() {
  const shared = {};
  before(async () => {
    shared.site = await serve();
    shared.browser = await launch();
  });
  after(async () => {
    await shared.browser?.close();
    shared.site?.server.close();
  });
  return shared;
}

// A fresh context and page (a desktop-sized window unless `device` says otherwise); `problems`
// collects console errors, page errors and requests to any origin but the site's.
export async function openGame(browser, origin, { clock = false,
  device = { viewport: { width: 1000, height: 720 } } } = {}) {
  const context = await browser.newContext(device);
  const page = await context.newPage();
  const problems = [];
  page.on("console", (m) => { if (m.type() === "error") problems.push(`console: ${m.text()}`); });
  page.on("pageerror", (e) => problems.push(`page error: ${e.message}`));
  context.on("request", (r) => {
    if (!r.url().startsWith(origin) && !r.url().startsWith("blob:")) problems.push(`request: ${r.url()}`);
  });
  if (clock) await page.clock.install({ time: new Date("2026-12-09T12:00:00") });
  await page.goto(`${origin}/`);
  await page.locator("#txtZahl_80").waitFor();
  return { context, page, problems };
}

// A test in a page of its own that ends with no console error and no foreign request.
export async function play(shared, body, options) {
  const game = await openGame(shared.browser, shared.site.origin, options);
  try {
    await body(game.page, game);
    assert.deepEqual(game.problems, []);
  } finally {
    await game.context.close();
  }
}

// The board row by row, '.' for an empty cell, read off the cell boxes (any driver whose page
// evaluates a function: Playwright, puppeteer, the WebDriver session of engines.test.mjs).
export async function boardLine(page) {
  return page.evaluate(() => {
    let line = "";
    for (let row = 0; row < 9; ++row) {
      for (let column = 0; column < 9; ++column) {
        const cell = 9 * (3 * Math.floor(row / 3) + Math.floor(column / 3)) + 3 * (row % 3) + (column % 3);
        const text = document.getElementById(`txtZahl_${cell}`).value;
        line += text === "" ? "." : text[0];
      }
    }
    return line;
  });
}

export const background = (page, cell) =>
  page.locator(`#txtZahl_${cell}`).evaluate((e) => getComputedStyle(e).backgroundColor);

// The seed kalmotre-gen takes for a clock reading: the reading's 64 bits.
export function seedOf(seconds) {
  const bits = new BigUint64Array(new Float64Array([seconds]).buffer);
  return bits[0].toString();
}

// "Erzeuge neues Sodoku" clicked, and the generation's second half awaited: it runs once the
// page has painted the thinking frame.
export async function generate(page) {
  await page.click("#btnGO");
  await page.locator("#Frame2").waitFor({ state: "hidden" });
}

// The layout as tests/data/layout.txt records it: "main btnGO" -> [left, top, width, height,
// sized] in twips inside the container, the cells and the help grid included.
export async function expectedLayout() {
  const text = await readFile(join(root, "tests/data/layout.txt"), "utf8");
  const boxes = new Map(), grids = {};
  for (const line of text.split("\n")) {
    if (line.trim() === "" || line.startsWith("#")) continue;
    const [window, name, ...rest] = line.trim().split(/\s+/);
    if (window === "main" || window === "splash") {
      boxes.set(`${window} ${name}`, [...rest.slice(0, 4).map(Number), rest[4] === "sized"]);
    } else {
      (grids[window] ??= {})[name] = rest.map(Number);
    }
  }
  for (const [array, grid] of Object.entries(grids)) {
    for (let cell = 0; cell < 81; ++cell) {
      const row = 3 * Math.floor(Math.floor(cell / 9) / 3) + Math.floor((cell % 9) / 3);
      const column = 3 * (Math.floor(cell / 9) % 3) + (cell % 9) % 3;
      boxes.set(`main ${array}_${cell}`, [grid.lefts[column], grid.tops[row], ...grid.size, false]);
    }
  }
  return boxes;
}

// Two releases side by side, every file ten days old, as a host that keeps dates serves them:
// the build as it is, and the same with a line more in main.js, stamped as a build stamps it.
export async function stageReleases() {
  const work = await mkdtemp(join(tmpdir(), "kalmotre-releases-"));
  const [first, second] = [join(work, "first"), join(work, "second")];
  await cp(dist, first, { recursive: true });
  await cp(dist, second, { recursive: true });
  await appendFile(join(second, "main.js"), '\nwindow.kalmotreRelease = "second";\n');
  execFileSync(join(root, "web/stamp-release"), [second]);
  const old = new Date(Date.now() - 10 * 24 * 3600 * 1000);
  for (const folder of [first, second]) {
    for (const file of await readdir(folder, { recursive: true })) await utimes(join(folder, file), old, old);
  }
  const secondCache = (await readFile(join(second, "sw.js"), "utf8")).match(/const CACHE = "([^"]+)"/)[1];
  return { work, first, second, secondCache };
}

// The play scenarios of tests/data/scenarios.txt, as the mid end and the Qt window play them.
export async function loadScenarios() {
  const scenarios = [];
  for (const line of (await readFile(join(root, "tests/data/scenarios.txt"), "utf8")).split("\n")) {
    if (line.trim() === "" || line.startsWith("#")) continue;
    const [verb, ...rest] = line.split(" ");
    if (verb === "scenario") scenarios.push({ name: rest.join(" "), steps: [] });
    else if (verb === "clock") scenarios.at(-1).clock = Number(rest[0]);
    else if (["type", "key", "free"].includes(verb)) scenarios.at(-1).steps.push({ verb, argument: rest.join(" ") });
    else scenarios.at(-1).steps.push({ verb, box: rest[0], argument: rest.slice(1).join(" ").replace(/^"(.*)"$/, "$1") });
  }
  return scenarios;
}

// rRcC names a cell, any other word a control by its name.
const boxId = (box) => {
  const cell = /^r(\d)c(\d)$/.exec(box);
  if (!cell) return box;
  const [row, column] = [cell[1] - 1, cell[2] - 1];
  return `txtZahl_${9 * (3 * Math.floor(row / 3) + Math.floor(column / 3)) + 3 * (row % 3) + (column % 3)}`;
};
const kColours = { "rgb(255, 255, 0)": "yellow", "rgb(255, 255, 255)": "white", "rgb(0, 255, 0)": "green" };

// Plays a scenario through a driver: clickAt(selector, "left" | "right" | ""), type(text), press(key)
// and evaluate(fn, ...args), each awaited; a fresh page that has made no puzzle yet.
export async function playScenario(b, scenario) {
  await b.evaluate((s) => {
    window.kalmotreTest.fixClock(s);
    document.getElementById("btnGO").click();
  }, scenario.clock);
  for (let k = 0; k < 100 && !(await b.evaluate(() => document.getElementById("Frame2").hidden)); ++k) {
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
  for (const step of scenario.steps) {
    const id = step.box && boxId(step.box), where = `${scenario.name}: ${step.verb} ${step.box ?? ""} ${step.argument}`;
    const read = (fn) => b.evaluate(fn, id);
    if (step.verb === "click") await b.clickAt(`#${id}`, step.argument);
    else if (step.verb === "type") await b.type(step.argument);
    else if (step.verb === "key") await b.press(step.argument);
    else if (step.verb === "text") assert.equal(await read((i) => document.getElementById(i).value), step.argument, where);
    else if (step.verb === "focus") assert.equal(await read(() => document.activeElement.id), id, where);
    else if (step.verb === "colour") {
      const colour = await read((i) => getComputedStyle(document.getElementById(i)).backgroundColor);
      assert.equal(kColours[colour] ?? colour, step.argument, where);
    } else if (step.verb === "free") {
      assert.match(await read(() => document.getElementById("lblFrei").textContent), new RegExp(`: ${step.argument}$`), where);
    }
  }
}

// A driver for playScenario and randomWalk over a Playwright page: mouse clicks, or taps on a touch screen.
export function chromiumDriver(page, { touch = false } = {}) {
  return {
    clickAt: async (selector, where) => {
      const box = await page.locator(selector).boundingBox({ timeout: 2000 });
      const x = where === "left" ? box.x + 2 : where === "right" ? box.x + box.width - 3 : box.x + box.width / 2;
      await (touch ? page.touchscreen.tap(x, box.y + box.height / 2) : page.mouse.click(x, box.y + box.height / 2));
    },
    type: (text) => page.keyboard.type(text),
    press: (key) => page.keyboard.press(key),
    evaluate: (fn, arg) => page.evaluate(fn, arg),
  };
}

// A bounded random walk of clicks (or taps) and keys over whatever the page shows, through a
// driver as playScenario's: Beenden and the keys that print or quit left out. It fails on any
// error the page raises, and checks the board after it: 81 cells, and the counter equal to the
// cells whose value is 0.
export async function randomWalk(b, { steps, seed }) {
  let state = seed >>> 0;
  const next = (n) => {  // mulberry32
    state = (state + 0x6d2b79f5) >>> 0;
    let t = Math.imul(state ^ (state >>> 15), 1 | state);
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
    return (((t ^ (t >>> 14)) >>> 0) % n);
  };
  await b.evaluate(() => {
    window.walkErrors = [];
    window.addEventListener("error", (e) => window.walkErrors.push(String(e.message)));
    window.addEventListener("unhandledrejection", (e) => window.walkErrors.push(String(e.reason)));
  });
  const keys = ["1", "5", "9", "0", "x", "Delete", "Backspace", "ArrowLeft", "ArrowRight", "ArrowUp",
    "ArrowDown", "Tab", "F10", "Escape"];
  const done = [];
  for (let step = 0; step < steps; ++step) {
    if (next(2) === 0) {
      const targets = await b.evaluate(() => [...document.querySelectorAll(
        "input.cell, input.box, button.cmd, .option input, .menubar button, .pad button")]
        .filter((e) => e.id !== "mnuEnde_1" && e.getClientRects().length > 0 && !e.closest("[hidden]"))
        .map((e) => (e.id ? `#${e.id}` : `.pad button:nth-child(${[...e.parentElement.children].indexOf(e) + 1})`)));
      if (targets.length === 0) continue;
      const target = targets[next(targets.length)], where = ["", "left", "right"][next(3)];
      // A player clicks what is in view: not a box the splash lies over at that point.
      const seen = await b.evaluate(([selector, side]) => {
        const element = document.querySelector(selector), box = element.getBoundingClientRect();
        const x = side === "left" ? box.left + 2 : side === "right" ? box.right - 3 : (box.left + box.right) / 2;
        const hit = document.elementFromPoint(x, (box.top + box.bottom) / 2);
        return !!hit && (element.contains(hit) || hit.contains(element));
      }, [target, where]);
      if (!seen) continue;
      done.push(`click ${target} ${where}`);
      try {
        await b.clickAt(target, where);
      } catch (error) {
        done.push(`(${error.message.split("\n")[0]})`);  // covered or gone meanwhile: a miss
      }
    } else {
      const key = keys[next(keys.length)];
      done.push(`key ${key}`);
      await b.press(key);
    }
  }
  const trail = `seed ${seed}, the last steps: ${done.slice(-12).join(" | ")}`;
  for (let k = 0; k < 100 && !(await b.evaluate(() => document.getElementById("Frame2").hidden)); ++k) {
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
  const board = await b.evaluate(() => {
    const cells = [...document.querySelectorAll("input.cell")];
    const free = cells.filter((c) => !(Number.parseFloat(c.value) > 0 || Number.parseFloat(c.value) < 0)).length;
    return { cells: cells.length, free, counter: document.getElementById("lblFrei").textContent,
      errors: window.walkErrors };
  });
  assert.deepEqual(board.errors, [], trail);
  assert.equal(board.cells, 81, trail);
  assert.equal(board.counter, `Freie Felder: ${board.free}`, trail);
}
