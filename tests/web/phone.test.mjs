// The web edition on phones: Chromium's phone emulation (a mobile viewport, touch only), played
// with nothing but taps at each of the sizes below.
import { describe, test } from "node:test";
import assert from "node:assert/strict";
import { play, siteAndBrowser } from "./harness.mjs";

const kScreens = [
  { width: 320, height: 568 },
  { width: 360, height: 740 },
  { width: 390, height: 844 },
  { width: 844, height: 390 },
];
const kPad = ["1", "2", "3", "4", "5", "6", "7", "8", "9", "Löschen"];

const shared = siteAndBrowser();
const onPhone = (screen, body) => play(shared, (page, game) => body(page, game.context),
  { device: { viewport: screen, isMobile: true, hasTouch: true, deviceScaleFactor: 2 } });

// The centre of each cell on the screen, in CellIndex order.
const cellCentres = (page) => page.evaluate(() => Array.from({ length: 81 }, (_, k) => {
  const box = document.getElementById(`txtZahl_${k}`).getBoundingClientRect();
  return { x: box.left + box.width / 2, y: box.top + box.height / 2 };
}));

const box = (page, selector) => page.locator(selector).evaluate((e) => {
  const b = e.getBoundingClientRect();
  return { left: b.left, top: b.top, right: b.right, bottom: b.bottom };
});
const within = (inner, outer) => inner.left >= outer.left - 0.5 && inner.top >= outer.top - 0.5 &&
  inner.right <= outer.right + 0.5 && inner.bottom <= outer.bottom + 0.5;
const apart = (a, b) => a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top;
const focused = (page) => page.evaluate(() => document.activeElement.id);

// The complete grid as the hidden help grid shows it, in CellIndex order.
const solution = (page) => page.evaluate(() =>
  Array.from({ length: 81 }, (_, k) => document.getElementById(`lblZahl_${k}`).textContent));

describe("on a phone", () => {
  for (const screen of kScreens) {
    test(`${screen.width}×${screen.height}: a whole puzzle by touch, and back after a reload`,
      () => onPhone(screen, async (page, context) => {
        const viewport = { left: 0, top: 0, right: screen.width, bottom: screen.height };
        const scroll = await page.evaluate(() => [document.documentElement.scrollWidth,
          document.documentElement.scrollHeight]);
        assert.ok(scroll[0] <= screen.width && scroll[1] <= screen.height, `no scrolling: ${scroll}`);
        const win = await box(page, "#frmStart");
        assert.ok(within(win, viewport), "the window is on the screen");

        // The digit pad: ten buttons of a finger's size, on screen beside the window, and no
        // soft keyboard from a box.
        const pad = page.getByRole("group", { name: "Ziffern" });
        const buttons = pad.getByRole("button");
        assert.deepEqual(await buttons.allTextContents(), kPad);
        for (const caption of kPad) {
          const b = await pad.getByRole("button", { name: caption, exact: true }).boundingBox();
          assert.ok(b.width >= 44 && b.height >= 44, `${caption}: ${b.width}×${b.height}`);
          const edges = { left: b.x, top: b.y, right: b.x + b.width, bottom: b.y + b.height };
          assert.ok(within(edges, viewport) && apart(edges, win), `${caption} lies beside the window`);
        }
        assert.deepEqual(await page.evaluate(() => [...new Set([...document.querySelectorAll(".client input")]
          .filter((e) => e.type !== "radio").map((e) => e.inputMode))]), ["none"]);
        assert.ok(await page.locator("#SudokuLaden").evaluate((e) => e.offsetHeight >= 44),
          "menu items grow for a finger");

        // A tap beside "+", within a finger's reach of it, is a tap on it.
        const plus = await page.locator("#btnPlus").boundingBox();
        await page.touchscreen.tap(plus.x + plus.width + 8, plus.y + plus.height / 2);
        assert.equal(await page.inputValue("#txtShow"), "1");

        await page.evaluate(() => window.kalmotreTest.fixClock(4321.5));
        await page.tap("#btnGO");
        await page.locator("#Frame2").waitFor({ state: "hidden" });
        assert.ok(await page.locator("#frmSplash").isVisible());
        assert.ok(within(await box(page, "#frmSplash"), viewport), "the splash lies on the screen");

        // No cell centre is under the logo or the maker line; a tap on the splash over a cell
        // puts it away and opens nothing.
        const centres = await cellCentres(page);
        const hits = await page.evaluate((points) => points.map((p) => {
          const e = document.elementFromPoint(p.x, p.y);
          return e.closest(".splash") ? (e.closest(".link") ? "link" : "splash") : e.id;
        }), centres);
        assert.ok(!hits.includes("link"), "a tap meant for a cell never reaches the maker's page");
        const covered = hits.indexOf("splash");
        const splash = await page.locator("#frmSplash").boundingBox();
        await page.touchscreen.tap(covered >= 0 ? centres[covered].x : splash.x + 4,
          covered >= 0 ? centres[covered].y : splash.y + 4);
        await page.locator("#frmSplash").waitFor({ state: "detached" });
        assert.equal(context.pages().length, 1);

        // Every cell takes a tap at its centre.
        for (let cell = 0; cell < 81; ++cell) {
          await page.touchscreen.tap(centres[cell].x, centres[cell].y);
          assert.equal(await focused(page), `txtZahl_${cell}`);
        }

        // A digit, "Löschen", and the whole puzzle from the pad; the cursor moves on as after a
        // typed digit, and the cell keeps the focus through a tap on the pad.
        const grid = await solution(page);
        const open = [];
        for (let cell = 0; cell < 81; ++cell) {
          if (!(await page.locator(`#txtZahl_${cell}`).evaluate((e) => e.readOnly))) open.push(cell);
        }
        const first = open[0];
        await page.touchscreen.tap(centres[first].x, centres[first].y);
        await pad.getByRole("button", { name: "7", exact: true }).tap();
        assert.equal(await page.inputValue(`#txtZahl_${first}`), "7");
        assert.equal(await focused(page), `txtZahl_${first + 1}`);
        assert.equal(await page.textContent("#lblFrei"), `Freie Felder: ${open.length - 1}`);
        await page.touchscreen.tap(centres[first].x, centres[first].y);
        await pad.getByRole("button", { name: "Löschen" }).tap();
        assert.equal(await page.inputValue(`#txtZahl_${first}`), "");
        assert.equal(await focused(page), `txtZahl_${first + 1}`);
        for (const cell of open) {
          await page.touchscreen.tap(centres[cell].x, centres[cell].y);
          await pad.getByRole("button", { name: grid[cell], exact: true }).tap();
        }
        assert.equal(await page.textContent("#lblFrei"), "Freie Felder: 0");
        for (let cell = 0; cell < 81; ++cell) {
          assert.equal(await page.inputValue(`#txtZahl_${cell}`), grid[cell]);
        }

        // A reload (or a tab the browser discarded) brings the game back as it was.
        await page.tap("#btnPlus");
        await page.touchscreen.tap(centres[open[1]].x, centres[open[1]].y);
        await pad.getByRole("button", { name: "Löschen" }).tap();
        await page.touchscreen.tap(centres[open[2]].x, centres[open[2]].y);
        const before = await page.evaluate(() => ({
          cells: [...document.querySelectorAll(".cell")].map((e) => [e.value, e.readOnly, e.style.backgroundColor]),
          digit: document.getElementById("txtShow").value,
          counter: document.getElementById("lblFrei").textContent,
          level: document.getElementById("optLevel_1").checked,
          focus: document.activeElement.id,
        }));
        await page.reload();
        await page.locator("#txtZahl_80").waitFor();
        assert.deepEqual(await page.evaluate(() => ({
          cells: [...document.querySelectorAll(".cell")].map((e) => [e.value, e.readOnly, e.style.backgroundColor]),
          digit: document.getElementById("txtShow").value,
          counter: document.getElementById("lblFrei").textContent,
          level: document.getElementById("optLevel_1").checked,
          focus: document.activeElement.id,
        })), before);
        assert.deepEqual(await solution(page), grid);
      }));
  }

  test("the game is the tab's alone, and a spoilt copy starts afresh", () => onPhone(kScreens[1], async (page, context) => {
    await page.tap("#btnGO");
    await page.locator("#Frame2").waitFor({ state: "hidden" });
    assert.deepEqual(await page.evaluate(() => [localStorage.length, document.cookie]), [0, ""]);
    const other = await context.newPage();
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
  }));

  test("a finger on the window's edge widens it to show Freie Felder", () => onPhone(kScreens[3], async (page) => {
    const grip = await page.locator(".grip").boundingBox();
    const from = { x: grip.x + grip.width / 2, y: grip.y + grip.height / 2 };
    const cdp = await page.context().newCDPSession(page);
    const touch = (type, x) => cdp.send("Input.dispatchTouchEvent",
      { type, touchPoints: type === "touchEnd" ? [] : [{ x, y: from.y }] });
    await touch("touchStart", from.x);
    for (let dx = 20; dx <= 300; dx += 20) await touch("touchMove", from.x + dx);
    await touch("touchEnd");
    const counter = await page.locator("#lblFrei").boundingBox();
    const hit = await page.evaluate(({ x, y }) => document.elementFromPoint(x, y)?.id,
      { x: counter.x + counter.width / 2, y: counter.y + counter.height / 2 });
    assert.equal(hit, "lblFrei");
  }));
});
