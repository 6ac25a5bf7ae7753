// The web edition on phones, a tablet and a zoomed desktop window: Chromium's emulation at each
// size below, the page measured on screen as a player's eye and thumb meet it, and a whole
// puzzle played with taps.
import { describe, test } from "node:test";
import assert from "node:assert/strict";
import { chromiumDriver, loadScenarios, play, playScenario, randomWalk, siteAndBrowser } from "./harness.mjs";

const touchScreen = (width, height) =>
  ({ viewport: { width, height }, isMobile: true, hasTouch: true, deviceScaleFactor: 2 });
// `full`: the commands and "Freie Felder" are on the first screen too, not only the board and
// the digits.
const kScreens = [
  { name: "320×568", device: touchScreen(320, 568), full: false },
  { name: "360×740", device: touchScreen(360, 740), full: true },
  { name: "390×844", device: touchScreen(390, 844), full: true },
  { name: "412×915", device: touchScreen(412, 915), full: true },
  { name: "844×390 sideways", device: touchScreen(844, 390), full: true, sideways: true },
  // Low phones held sideways: the board, the digits and the commands on the first screen.
  { name: "740×360 sideways", device: touchScreen(740, 360), full: false, sideways: true, commands: true },
  { name: "640×360 sideways", device: touchScreen(640, 360), full: false, sideways: true, commands: true },
  { name: "768×1024 tablet", device: touchScreen(768, 1024), full: true },
  // A 1280×800 desktop at 200 % zoom, with a mouse.
  { name: "640×400 zoomed", device: { viewport: { width: 640, height: 400 }, deviceScaleFactor: 2 },
    full: true, sideways: true, mouse: true },
];
const kPad = ["1", "2", "3", "4", "5", "6", "7", "8", "9", "Löschen"];

const shared = siteAndBrowser();

// What a player meets on the screen: each visible text with its rendered size, each control
// with its box, the cells' centres and what lies at each.
const survey = (page) => page.evaluate(() => {
  const boxOf = (e) => {
    const r = e.getBoundingClientRect();
    return { left: r.left, top: r.top, right: r.right, bottom: r.bottom, width: r.width, height: r.height };
  };
  const seen = (e) => e.getClientRects().length > 0 && getComputedStyle(e).visibility !== "hidden" &&
    !e.closest(".visually-hidden, .print-sheet");
  const texts = [];
  const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
  for (let node = walker.nextNode(); node; node = walker.nextNode()) {
    const element = node.parentElement;
    if (!node.textContent.trim() || !seen(element)) continue;
    texts.push({ text: node.textContent.trim().slice(0, 24), splash: !!element.closest(".splash"),
      size: parseFloat(getComputedStyle(element).fontSize) });
  }
  const controls = [...document.querySelectorAll("#phone button, #phone .option, #phone input.box")]
    .filter(seen).map((e) => ({ name: e.textContent.trim() || e.id, ...boxOf(e) }));
  const cells = Array.from({ length: 81 }, (_, k) => {
    const cell = document.getElementById(`txtZahl_${k}`);
    const box = boxOf(cell);
    const x = (box.left + box.right) / 2, y = (box.top + box.bottom) / 2;
    return { ...box, x, y, size: parseFloat(getComputedStyle(cell).fontSize),
      onTop: document.elementFromPoint(x, y)?.id ?? "" };
  });
  const region = (selector) => boxOf(document.querySelector(selector));
  return {
    texts, controls, cells,
    scrollWidth: document.documentElement.scrollWidth, width: innerWidth, height: innerHeight,
    phone: document.body.classList.contains("phone"),
    pad: region("#phone .pad"), counter: region("#lblFrei"), commands: region('[data-region="commands"]'),
    menu: region("#phone .menubar"),
  };
});

const inView = (box, s) => box.left >= -0.5 && box.top >= -0.5 && box.right <= s.width + 0.5 &&
  box.bottom <= s.height + 0.5;

// Legible, finger-sized, nothing scrolling sideways, no cell hidden.
function checkScreen(s, screen, when) {
  const where = `${screen.name}, ${when}`;
  assert.ok(s.phone, `${where}: the phone arrangement`);
  assert.ok(s.scrollWidth <= s.width, `${where}: scrolls sideways (${s.scrollWidth} > ${s.width})`);
  for (const t of s.texts) {
    assert.ok(t.size >= (t.splash ? 12 : 14), `${where}: "${t.text}" at ${t.size} px`);
  }
  for (const c of s.controls) {
    assert.ok(c.width >= 44 && c.height >= 44, `${where}: ${c.name} is ${c.width}×${c.height}`);
  }
  for (const [k, c] of s.cells.entries()) {
    assert.ok(c.width >= (screen.sideways ? 36 : 32) && c.height >= (screen.sideways ? 36 : 32),
      `${where}: cell ${k} is ${c.width}×${c.height}`);
    assert.ok(c.size >= 20, `${where}: cell ${k}'s digits at ${c.size} px`);
    assert.equal(c.onTop, `txtZahl_${k}`, `${where}: cell ${k} is covered at its centre`);
    assert.ok(inView(c, s), `${where}: cell ${k} is off the first screen`);
  }
  assert.ok(inView(s.pad, s), `${where}: the digits are off the first screen`);
  if (screen.commands) assert.ok(inView(s.commands, s), `${where}: commands out of view`);
  if (screen.full) {
    for (const part of ["counter", "commands", "menu"]) assert.ok(inView(s[part], s), `${where}: ${part} out of view`);
  }
}

describe("on phones, a tablet and a zoomed window", () => {
  for (const screen of kScreens) {
    test(`${screen.name}: legible, finger-sized, a whole puzzle by touch, and back after a reload`,
      () => play(shared, async (page, game) => {
        const tap = (x, y) => (screen.mouse ? page.mouse.click(x, y) : page.touchscreen.tap(x, y));
        const tapOn = (locator) => (screen.mouse ? locator.click() : locator.tap());
        checkScreen(await survey(page), screen, "at the start");
        const pad = page.getByRole("group", { name: "Ziffern" });
        assert.deepEqual(await pad.getByRole("button").allTextContents(), kPad);
        if (!screen.mouse) {
          assert.deepEqual(await page.evaluate(() => [...new Set([...document.querySelectorAll("#phone input")]
            .filter((e) => e.type !== "radio").map((e) => e.inputMode))]), ["none"], "no soft keyboard");
        }

        await page.evaluate(() => window.kalmotreTest.fixClock(4321.5));
        await tapOn(page.locator("#btnGO"));
        await page.locator("#Frame2").waitFor({ state: "hidden" });
        assert.ok(await page.locator("#frmSplash").isVisible());
        const withSplash = await survey(page);
        checkScreen(withSplash, screen, "with the splash up");
        assert.ok(withSplash.texts.some((t) => t.splash && /noch ~\d+ sec/.test(t.text)), "the countdown shows");
        // A tap on the splash beside its links puts it away and opens nothing.
        const splash = await page.locator("#frmSplash").boundingBox();
        await tap(splash.x + splash.width - 3, splash.y + 3);
        await page.locator("#frmSplash").waitFor({ state: "detached" });
        assert.equal(game.context.pages().length, 1);

        // A digit, "Löschen", and the whole puzzle from the pad; the cursor moves on as after a
        // typed digit.
        const centres = withSplash.cells;
        const grid = await page.evaluate(() =>
          Array.from({ length: 81 }, (_, k) => document.getElementById(`lblZahl_${k}`).textContent));
        const open = [];
        for (let cell = 0; cell < 81; ++cell) {
          if (!(await page.locator(`#txtZahl_${cell}`).evaluate((e) => e.readOnly))) open.push(cell);
        }
        const first = open[0];
        await tap(centres[first].x, centres[first].y);
        await tapOn(pad.getByRole("button", { name: "7", exact: true }));
        assert.equal(await page.inputValue(`#txtZahl_${first}`), "7");
        assert.equal(await page.evaluate(() => document.activeElement.id), `txtZahl_${first + 1}`);
        assert.equal(await page.textContent("#lblFrei"), `Freie Felder: ${open.length - 1}`);
        await tap(centres[first].x, centres[first].y);
        await tapOn(pad.getByRole("button", { name: "Löschen" }));
        assert.equal(await page.inputValue(`#txtZahl_${first}`), "");
        for (const cell of open) {
          await tap(centres[cell].x, centres[cell].y);
          await tapOn(pad.getByRole("button", { name: grid[cell], exact: true }));
        }
        assert.equal(await page.textContent("#lblFrei"), "Freie Felder: 0");

        // A reload (or a tab the browser discarded) brings the game back as it was.
        await tapOn(page.locator("#btnPlus"));
        await tap(centres[open[1]].x, centres[open[1]].y);
        await tapOn(pad.getByRole("button", { name: "Löschen" }));
        await tap(centres[open[2]].x, centres[open[2]].y);
        const state = () => page.evaluate(() => ({
          cells: [...document.querySelectorAll(".cell")].map((e) => [e.value, e.readOnly, e.style.backgroundColor]),
          digit: document.getElementById("txtShow").value,
          counter: document.getElementById("lblFrei").textContent,
          focus: document.activeElement.id,
        }));
        const before = await state();
        await page.reload();
        await page.locator("#txtZahl_80").waitFor();
        assert.deepEqual(await state(), before);
      }, { device: screen.device }));
  }

  test("turning the phone, or a window grown and shrunk, keeps the game and the focus", () =>
    play(shared, async (page) => {
      const state = () => page.evaluate(() => ({
        phone: document.body.classList.contains("phone"),
        cells: Array.from({ length: 81 }, (_, k) => document.getElementById(`txtZahl_${k}`).value).join(""),
        focus: document.activeElement.id,
      }));
      await page.click("#btnGO");
      await page.locator("#Frame2").waitFor({ state: "hidden" });
      const cell = await page.evaluate(() => [...document.querySelectorAll(".cell")].find((e) => !e.readOnly).id);
      await page.click(`#${cell}`);
      await page.keyboard.type("5");
      const desktop = await state();
      assert.equal(desktop.phone, false);
      for (const [width, height, phone] of [[400, 700, true], [700, 400, true], [1000, 720, false]]) {
        await page.setViewportSize({ width, height });
        await page.waitForFunction((want) => document.body.classList.contains("phone") === want, phone);
        assert.deepEqual(await state(), { ...desktop, phone }, `${width}×${height}`);
      }
      // Keys still reach the core after the moves: the arrows walk the board.
      await page.keyboard.press("ArrowLeft");
      assert.equal(await page.evaluate(() => document.activeElement.id), cell);
    }));

  test("the game is the tab's alone, and a spoilt copy starts afresh", () => play(shared, async (page, context) => {
    await page.tap("#btnGO");
    await page.locator("#Frame2").waitFor({ state: "hidden" });
    assert.deepEqual(await page.evaluate(() => [localStorage.length, document.cookie]), [0, ""]);
    const other = await context.context.newPage();
    await other.goto(`${shared.site.origin}/`);
    await other.locator("#txtZahl_80").waitFor();
    assert.equal(await other.textContent("#lblFrei"), "Freie Felder: 81", "a new tab starts afresh");
    await other.close();
    for (const spoilt of ["nonsense", (await page.evaluate(() => sessionStorage.getItem("kalmotre.game")))
      .replace(/solution (\d)(\d)/, "solution $2$1")]) {
      await page.evaluate((text) => sessionStorage.setItem("kalmotre.game", text), spoilt);
      await page.reload();
      await page.locator("#txtZahl_80").waitFor();
      assert.equal(await page.textContent("#lblFrei"), "Freie Felder: 81");
      assert.notEqual(await page.evaluate(() => sessionStorage.getItem("kalmotre.game")), spoilt);
    }
  }, { device: kScreens[1].device }));

  test("plays every scenario of the table with taps and a keyboard", async () => {
    for (const scenario of await loadScenarios()) {
      await play(shared, (page) => playScenario(chromiumDriver(page, { touch: true }), scenario), { device: kScreens[1].device });
    }
  });

  test("a random walk of taps and keys, upright and sideways, leaves a sound board", async () => {
    for (const [screen, seed] of [[kScreens[1], 3], [kScreens[5], 4]]) {
      await play(shared, (page) => randomWalk(chromiumDriver(page, { touch: true }), { steps: 300, seed }),
        { device: screen.device });
    }
  });
});
