// The web edition in the two other browser engines: Firefox (Debian's firefox-esr, driven over
// WebDriver BiDi by puppeteer-core) and WebKit (WebKitGTK's MiniBrowser, driven by
// WebKitWebDriver on an Xvfb of its own). Each plays the same scenes through one small driver
// interface; Firefox fails a scene on any console error, WebKit a load of the page of its own.
import { after, before, describe, test } from "node:test";
import assert from "node:assert/strict";
import { execFileSync, spawn } from "node:child_process";
import { mkdtemp, rm } from "node:fs/promises";
import { tmpdir } from "node:os";
import { join } from "node:path";
import puppeteer from "puppeteer-core";
import { boardLine, loadScenarios, playScenario, randomWalk, root, seedOf, serve, stageReleases } from "./harness.mjs";

const nativeGen = process.env.KALMOTRE_GEN ?? join(root, "build/debug/kalmotre-gen");
const firefoxBinary = process.env.FIREFOX ?? "/usr/bin/firefox-esr";
const webkitDriver = process.env.WEBKIT_DRIVER ?? "/usr/bin/WebKitWebDriver";
const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Firefox: a fresh profile per session, its console collected through BiDi.
async function firefoxSession() {
  const browser = await puppeteer.launch({ browser: "firefox", executablePath: firefoxBinary,
    headless: true });
  const page = await browser.newPage();
  const errors = [];
  page.on("console", (m) => { if (m.type() === "error") errors.push(m.text()); });
  page.on("pageerror", (e) => errors.push(e.message));
  return {
    goto: (url) => page.goto(url),
    evaluate: (fn, ...args) => page.evaluate(fn, ...args),
    click: (selector) => page.click(selector),
    clickAt: async (selector, where) => {
      const box = await (await page.$(selector)).boundingBox();
      const x = where === "left" ? box.x + 2 : where === "right" ? box.x + box.width - 3 : box.x + box.width / 2;
      await page.mouse.click(x, box.y + box.height / 2);
    },
    type: (text) => page.keyboard.type(text),
    press: (key) => page.keyboard.press(key),
    resize: (width, height) => page.setViewport({ width, height }),
    errors: async () => errors,
    close: () => browser.close(),
  };
}

// WebKit: WebKitWebDriver's classic protocol over HTTP. A page MiniBrowser shows for the driver
// writes nothing to its console output, so the console is checked on a load of its own below.
const kKeys = { F10: "\uE03A", Enter: "\uE007", Escape: "\uE00C", ArrowLeft: "\uE012",
  ArrowRight: "\uE014", ArrowUp: "\uE013", ArrowDown: "\uE015", Alt: "\uE00A", Delete: "\uE017",
  Backspace: "\uE003", Tab: "\uE004" };
let webkit = null;  // the display and the driver, shared by the sessions
async function startWebKit() {
  const xvfb = spawn("Xvfb", ["-displayfd", "3", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
    { stdio: ["ignore", "ignore", "ignore", "pipe"] });
  const display = await new Promise((resolve) => xvfb.stdio[3].once("data", (d) => resolve(String(d).trim())));
  const port = 4400 + Math.floor(Math.random() * 500);
  const work = await mkdtemp(join(tmpdir(), "kalmotre-webkit-"));
  const driver = spawn(webkitDriver, [`--port=${port}`], {
    stdio: "ignore", env: { ...process.env, DISPLAY: `:${display}` } });
  for (let k = 0; k < 100; ++k) {
    try {
      await fetch(`http://127.0.0.1:${port}/status`);
      break;
    } catch {
      await pause(50);
    }
  }
  webkit = { xvfb, driver, port, work, display };
}

async function webkitSession() {
  const call = async (method, path, body) => {
    const response = await fetch(`http://127.0.0.1:${webkit.port}${path}`, { method,
      headers: { "Content-Type": "application/json" }, body: body && JSON.stringify(body) });
    const { value } = await response.json();
    if (value && value.error) throw new Error(`WebDriver ${path}: ${value.error} ${value.message}`);
    return value;
  };
  const { sessionId } = await call("POST", "/session", { capabilities: { alwaysMatch: {
    "webkitgtk:browserOptions": { binary: join(root, "tests/web/minibrowser"),
      args: ["--automation"] } } } });
  const s = `/session/${sessionId}`;
  // Wide enough that the splash, in the middle of the window, leaves the board's cells free.
  await call("POST", `${s}/window/rect`, { width: 1280, height: 1000 });
  const element = async (selector) =>
    Object.values(await call("POST", `${s}/element`, { using: "css selector", value: selector }))[0];
  const keys = (list) => call("POST", `${s}/actions`, { actions: [{ type: "key", id: "keyboard",
    actions: list.flatMap((k) => [{ type: "keyDown", value: k }, { type: "keyUp", value: k }]) }] });
  return {
    goto: (url) => call("POST", `${s}/url`, { url }),
    evaluate: (fn, ...args) => call("POST", `${s}/execute/async`, {
      script: `const done = arguments[arguments.length - 1];
        Promise.resolve((${fn}).apply(null, Array.from(arguments).slice(0, -1))).then(done, (e) => done("error: " + e));`,
      args }),
    click: async (selector) => call("POST", `${s}/element/${await element(selector)}/click`, {}),
    // A press and release at the box's left or right edge (the middle otherwise): WebDriver
    // offsets count from the element's centre.
    clickAt: async (selector, where) => {
      const target = await element(selector);
      const { width } = await call("GET", `${s}/element/${target}/rect`);
      const x = where === "left" ? 2 - Math.floor(width / 2) : where === "right" ? Math.floor(width / 2) - 3 : 0;
      await call("POST", `${s}/actions`, { actions: [{ type: "pointer", id: "mouse", parameters: { pointerType: "mouse" },
        actions: [{ type: "pointerMove", origin: { "element-6066-11e4-a52e-4f735466cecf": target }, x, y: 0 },
          { type: "pointerDown", button: 0 }, { type: "pointerUp", button: 0 }] }] });
    },
    type: (text) => keys([...text]),
    press: (key) => keys([kKeys[key] ?? key]),
    resize: (width, height) => call("POST", `${s}/window/rect`, { width, height }),
    errors: null,  // see webkitConsole
    close: () => call("DELETE", s),
  };
}

const engines = [["Firefox", firefoxSession], ["WebKit", webkitSession]];

// MiniBrowser on its own, its console on its output (stderr, in fact), loading the page: every
// message of error level fails the test (WebKit reports, for one, CSP directives it does
// not know).
async function webkitConsole(url) {
  const browser = spawn("stdbuf", ["-oL", join(root, "tests/web/minibrowser"),
    "--enable-write-console-messages-to-stdout=true", url],
  // A profile of its own (a private window writes no console at all).
  { env: { ...process.env, DISPLAY: `:${webkit.display}`, HOME: webkit.work,
    XDG_DATA_HOME: join(webkit.work, "data"), XDG_CACHE_HOME: join(webkit.work, "cache") },
  stdio: ["ignore", "pipe", "pipe"] });
  let output = "";
  browser.stdout.on("data", (d) => { output += d; });
  browser.stderr.on("data", (d) => { output += d; });
  await pause(4000);
  browser.kill("SIGINT");
  await new Promise((resolve) => browser.once("exit", resolve));
  return output.split("\n").filter((line) => /CONSOLE \S* ?ERROR/.test(line));
}

let site;
before(async () => {
  site = await serve();
  await startWebKit();
});
after(async () => {
  site?.server.close();
  webkit?.driver.kill();
  webkit?.xvfb.kill();
  if (webkit) await rm(webkit.work, { recursive: true, force: true });
});

// A scene in a fresh session of the engine, ending with no console error.
async function play(open, body, origin = site.origin) {
  const b = await open();
  try {
    await b.goto(`${origin}/`);
    await waitFor(b, () => document.getElementById("txtZahl_80") !== null);
    await body(b);
    if (b.errors) assert.deepEqual(await b.errors(), []);
  } finally {
    await b.close();
  }
}

async function waitFor(b, predicate, what = String(predicate)) {
  for (let k = 0; k < 200; ++k) {
    if (await b.evaluate(predicate)) return;
    await pause(50);
  }
  assert.fail(`waited in vain for ${what}`);
}

const active = (b) => b.evaluate(() => document.activeElement.id);

describe("WebKit on its own", () => {
  test("loads the game without a console error", async () => {
    assert.deepEqual(await webkitConsole(`${site.origin}/`), []);
  });
});

for (const [engine, open] of engines) {
  describe(engine, () => {
    test("opens on an empty board; a typed digit moves on, an arrow steps back", () => play(open, async (b) => {
      assert.equal(await boardLine(b), ".".repeat(81));
      assert.equal(await active(b), "btnGO");
      await b.click("#txtZahl_8");
      await b.type("7");
      assert.equal(await active(b), "txtZahl_9");
      assert.equal(await b.evaluate(() => document.getElementById("lblFrei").textContent),
        "Freie Felder: 80");
      await b.press("ArrowLeft");
      assert.equal(await active(b), "txtZahl_2", "left of cell 9 is cell 2, in block 0");
    }));

    test("plays every scenario of the table with real clicks and keys", async () => {
      for (const scenario of await loadScenarios()) await play(open, (b) => playScenario(b, scenario));
    });

    test("a random walk of clicks and keys, on the desktop and in the phone arrangement, leaves a sound board",
      () => play(open, async (b) => {
        await randomWalk(b, { steps: 120, seed: 5 });
        await b.resize(900, 480);  // lower than the window: the phone arrangement, sideways
        await waitFor(b, () => document.body.classList.contains("phone"), `the phone arrangement (${await b.evaluate(() => [innerWidth, innerHeight])})`);
        await randomWalk(b, { steps: 120, seed: 6 });
      }));

    test("paints the thinking frame and makes the puzzle kalmotre-gen makes", () => play(open, async (b) => {
      const seconds = 7.25;
      const seen = await b.evaluate((s) => new Promise((resolve) => {
        window.kalmotreTest.fixClock(s);
        const frame = document.getElementById("Frame2");
        let painted = false;
        const watch = () => {
          if (!frame.hidden) painted = true;
          if (frame.hidden && painted) return resolve(true);
          requestAnimationFrame(watch);
        };
        requestAnimationFrame(() => {
          document.getElementById("btnGO").click();
          requestAnimationFrame(watch);
        });
        setTimeout(() => resolve(painted), 5000);
      }), seconds);
      assert.equal(seen, true, "Ich denke nach.... was painted");
      await waitFor(b, () => document.getElementById("Frame2").hidden);
      const expected = execFileSync(nativeGen, ["--level", "schwer", "--seed", seedOf(seconds)])
        .toString().trim();
      assert.equal(await boardLine(b), expected);
    }));

    test("the menu bar takes the keyboard with F10", () => play(open, async (b) => {
      await b.click("#txtZahl_0");
      await b.type("5");
      await b.press("F10");
      assert.equal(await active(b), "SudokuLaden");
      await b.press("ArrowRight");
      assert.equal(await active(b), "mnuEnde_1");
      await b.press("ArrowLeft");
      await b.press("Enter");  // "Sudoku neu Laden": the 5 goes
      assert.equal(await b.evaluate(() => document.getElementById("txtZahl_0").value), "");
    }));

    test("a new release reaches a returning visitor by the second visit", async () => {
      const { work, first, second, secondCache } = await stageReleases();
      const host = await serve(first);
      const b = await open();
      const visit = async () => {
        await b.goto(`${host.origin}/`);
        await waitFor(b, () => document.getElementById("txtZahl_80") !== null);
        await b.evaluate(() => navigator.serviceWorker.ready.then(() => true));
        return b.evaluate(() => window.kalmotreRelease ?? "first");
      };
      try {
        assert.equal(await visit(), "first");
        host.setRoot(second);
        await visit();
        for (let tries = 0; ; ++tries) {
          const keys = await b.evaluate(() => caches.keys());
          if (keys.length === 1 && keys[0] === secondCache) break;
          assert.ok(tries < 150, `the new release was not installed: ${keys}`);
          await pause(100);
        }
        assert.equal(await visit(), "second", "the second visit runs the new release");
        if (b.errors) assert.deepEqual(await b.errors(), []);
      } finally {
        await b.close();
        host.server.close();
        await rm(work, { recursive: true, force: true });
      }
    });
  });
}
