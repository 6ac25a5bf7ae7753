// The web edition played in Chromium as a player would, and kalmotre-gen for Node against the
// native one.
import { describe, test } from "node:test";
import assert from "node:assert/strict";
import { execFileSync, spawn, spawnSync } from "node:child_process";
import { writeFileSync } from "node:fs";
import { rm } from "node:fs/promises";
import { join } from "node:path";
import { background, boardLine, chromiumDriver, expectedLayout, generate, loadScenarios, play as playIn,
  playScenario, randomWalk, root, seedOf, serve, siteAndBrowser, stageReleases } from "./harness.mjs";

const nativeGen = process.env.KALMOTRE_GEN ?? join(root, "build/debug/kalmotre-gen");
const nodeGen = join(root, "build/web/kalmotre-gen.js");
const kYellow = "rgb(255, 255, 0)", kWhite = "rgb(255, 255, 255)", kGreen = "rgb(0, 255, 0)";
const kMidGrey = "rgb(176, 176, 176)", kLightGrey = "rgb(224, 224, 224)";

const shared = siteAndBrowser();
// Each test plays in a page of its own and ends with no console error and no foreign request.
const play = (body, options) => playIn(shared, body, options);

const typeInto = async (page, cell, keys) => {
  await page.click(`#txtZahl_${cell}`);
  await page.keyboard.type(keys);
};

describe("the web edition", () => {
  test("opens on an empty board with the keyboard on Erzeuge neues Sodoku", () => play(async (page) => {
    assert.equal(await boardLine(page), ".".repeat(81));
    assert.equal(await page.textContent("#lblFrei"), "Freie Felder: 81");
    assert.equal(await page.inputValue("#txtShow"), "X");
    assert.equal(await page.evaluate(() => document.activeElement.id), "btnGO");
    assert.ok(await page.isChecked("#optLevel_1"), "Schwer is chosen");
    assert.ok(await page.locator("#Frame2").isHidden());
    // The right-hand panel lies beyond the start-up width, as on the desktop.
    const panel = await page.locator("#lblFrei").boundingBox();
    const win = await page.locator("#frmStart").boundingBox();
    assert.ok(panel.x >= win.x + win.width, "Freie Felder is outside the window until it is widened");
    // Its right edge, dragged with the mouse, brings the panel into view.
    await page.mouse.move(win.x + win.width - 2, win.y + win.height / 2);
    await page.mouse.down();
    await page.mouse.move(win.x + win.width + 250, win.y + win.height / 2, { steps: 5 });
    await page.mouse.up();
    const hit = await page.evaluate(({ x, y }) => document.elementFromPoint(x, y)?.id,
      { x: panel.x + panel.width / 2, y: panel.y + panel.height / 2 });
    assert.equal(hit, "lblFrei");
  }));

  test("every control sits where the layout puts it", () => play(async (page) => {
    await page.click("#btnGO");  // the splash window opens with it
    const boxes = await page.evaluate(() => {
      const found = {};
      for (const element of document.querySelectorAll("#frmStart [id], #frmSplash [id]")) {
        const box = element.type === "radio" ? element.parentElement : element;
        // A hidden box (the thinking frame, the help grid) has only the place it was given.
        const style = box.style;
        found[element.id] = box.offsetParent
          ? [box.offsetLeft, box.offsetTop, box.offsetWidth, box.offsetHeight]
          : [style.left, style.top, style.width, style.height].map(parseFloat);
      }
      return found;
    });
    assert.ok(await page.evaluate(() => {
      const box = document.getElementById("frmSplash").getBoundingClientRect();
      const top = document.elementFromPoint(box.left + box.width / 2, box.top + box.height / 2);
      return document.getElementById("frmSplash").contains(top);
    }), "the splash lies above the board");
    const expected = await expectedLayout();
    for (const [key, [left, top, width, height, sized]] of expected) {
      const [window, name] = key.split(" ");
      const box = boxes[window === "main" ? name : `frmSplash_${name}`];
      assert.ok(box, `${key} is on the page`);
      const [x, y, w, h] = box;
      if (!sized) {
        assert.deepEqual([x, y, w, h], [left, top, width, height].map((t) => t / 15), key);
      } else if (name === "lblPlatform" || name === "lblVersion") {
        // Right-aligned and sized to its text: the right edge holds (the frame's border aside).
        assert.ok(Math.abs(x + w - (left + width) / 15) <= 2, `${key} ends at ${(left + width) / 15}`);
        assert.equal(y, top / 15, key);
      } else {
        assert.deepEqual([x, y], [left / 15, top / 15], key);
      }
    }
  }));

  test("paints Ich denke nach.... in every generation", () => play(async (page) => {
    const painted = await page.evaluate(async () => {
      const frame = document.getElementById("Frame2");
      let shown = 0;
      for (let k = 0; k < 10; ++k) {
        // A sample in an animation frame is followed by that frame's paint.
        let seen = false, watching = true;
        const watch = () => {
          if (!frame.hidden) seen = true;
          if (watching) requestAnimationFrame(watch);
        };
        requestAnimationFrame(watch);
        await new Promise((resolve) => requestAnimationFrame(resolve));
        document.getElementById("btnGO").click();
        while (!frame.hidden) await new Promise((resolve) => setTimeout(resolve, 5));
        watching = false;
        if (seen) ++shown;
      }
      return shown;
    });
    assert.equal(painted, 10);
    assert.ok((await boardLine(page)).includes("."), "a puzzle was handed out");
  }));

  test("a page that gets no frames goes on at once when hidden and waits while shown", () => play(async (page) => {
    const frameShown = () => page.locator("#Frame2").isVisible();
    await page.clock.pauseAt(new Date("2026-12-09T12:01:00"));
    await page.evaluate(() => {
      window.requestAnimationFrame = () => 0;
      window.pageState = "hidden";
      Object.defineProperty(document, "visibilityState", { get: () => window.pageState });
      document.dispatchEvent(new Event("visibilitychange"));
      document.getElementById("btnGO").click();
    });
    assert.ok(await frameShown(), "Ich denke nach....");
    await page.clock.runFor(10);
    assert.ok(!(await frameShown()), "a hidden page goes on");
    await page.evaluate(() => {
      window.pageState = "visible";
      document.getElementById("btnGO").click();
    });
    await page.clock.runFor(1900);
    assert.ok(await frameShown(), "a shown page waits for its frames");
    await page.evaluate(() => {
      window.pageState = "hidden";
      document.dispatchEvent(new Event("visibilitychange"));
    });
    await page.clock.runFor(10);
    assert.ok(!(await frameShown()), "and goes on once it is hidden");
    await page.evaluate(() => document.getElementById("btnGO").click());
    await page.clock.runFor(10);
    assert.ok(!(await frameShown()));
    await page.evaluate(() => {
      window.pageState = "visible";
      document.getElementById("btnGO").click();
    });
    await page.clock.runFor(2000);
    assert.ok(!(await frameShown()), "nor does it wait for ever");
  }, { clock: true }));

  test("makes the puzzles kalmotre-gen makes, at each level", () => play(async (page) => {
    for (const [option, level, seconds] of [[0, "leicht", 43200.5], [1, "schwer", 7.25]]) {
      await page.evaluate((s) => window.kalmotreTest.fixClock(s), seconds);
      await page.click(`#optLevel_${option}`);
      await generate(page);
      const expected = execFileSync(nativeGen, ["--level", level, "--seed", seedOf(seconds)]).toString().trim();
      const line = await boardLine(page);
      assert.equal(line, expected, level);
      const open = [...line].filter((c) => c === ".").length;
      assert.equal(await page.textContent("#lblFrei"), `Freie Felder: ${open}`);
      for (let i = 0; i < 81; ++i) {
        const clue = await page.locator(`#txtZahl_${i}`).evaluate((e) => e.readOnly);
        assert.equal(await background(page, i), clue ? kWhite : kYellow, `cell ${i}`);
      }
    }
  }));

  test("plays every scenario of the table with real clicks and keys", async () => {
    for (const scenario of await loadScenarios()) {
      // The splash, in the middle of a 1280×800 window, leaves the board's cells free.
      await play((page) => playScenario(chromiumDriver(page), scenario), { device: { viewport: { width: 1280, height: 800 } } });
    }
  });

  test("a random walk of clicks and keys, on the desktop and zoomed, leaves a sound board", async () => {
    for (const [width, height, seed] of [[1280, 800, 1], [640, 400, 2]]) {
      await play((page) => randomWalk(chromiumDriver(page), { steps: 300, seed }), { device: { viewport: { width, height } } });
    }
  });

  test("the arrows stop at the board's edge", () => play(async (page) => {
    await typeInto(page, 80, "3");
    await page.keyboard.press("ArrowLeft");
    assert.equal(await page.evaluate(() => document.activeElement.id), "txtZahl_79");
    await page.keyboard.press("ArrowDown");
    assert.equal(await page.evaluate(() => document.activeElement.id), "txtZahl_79", "no wrap");
  }));

  test("a block adding up to 45 turns green once the focus leaves a cell", () => play(async (page) => {
    await page.click("#txtZahl_0");
    await page.keyboard.type("12345678");
    assert.notEqual(await background(page, 0), kGreen);
    await page.keyboard.type("9");  // the focus moves on to cell 9: block 0 is validated
    for (let i = 0; i < 9; ++i) assert.equal(await background(page, i), kGreen, `cell ${i}`);
    assert.equal(await background(page, 9), kYellow);
  }));

  test("+ greys the reach of the chosen digit", () => play(async (page) => {
    await typeInto(page, 0, "1");
    await page.click("#btnPlus");
    assert.equal(await page.inputValue("#txtShow"), "1");
    assert.equal(await background(page, 0), kLightGrey, "the 1 itself, filled");
    assert.equal(await background(page, 8), kMidGrey, "its block, empty");
    assert.equal(await background(page, 9), kMidGrey, "its row, empty");
    assert.equal(await background(page, 40), kYellow, "out of its reach");
  }));

  test("the solver fills the puzzle; restart and reload bring back the same board", () => play(async (page) => {
    await page.evaluate(() => window.kalmotreTest.fixClock(1234.5));
    await generate(page);
    const puzzle = await boardLine(page);
    const open = puzzle.indexOf(".");
    const cell = await page.evaluate((k) => {
      const row = Math.floor(k / 9), column = k % 9;
      return 9 * (3 * Math.floor(row / 3) + Math.floor(column / 3)) + 3 * (row % 3) + (column % 3);
    }, open);
    await typeInto(page, cell, "5");
    await page.click("#BtnZur");
    assert.equal(await boardLine(page), puzzle, "Spiel neu beginnen");
    await typeInto(page, cell, "6");
    await page.click("#SudokuLaden");
    assert.equal(await boardLine(page), puzzle, "Sudoku neu Laden");
    await page.click("#btnLoesung");
    assert.ok(!(await boardLine(page)).includes("."), "solved");
    assert.equal(await page.textContent("#lblFrei"), "Freie Felder: 0");
  }));

  test("Strg+P and the browser's print give the board alone on one page", () => play(async (page) => {
    // The puzzle of this clock reading has no clue in its eighth row.
    await page.evaluate(() => window.kalmotreTest.fixClock(15));
    await generate(page);
    assert.equal((await boardLine(page)).slice(63, 72), ".........");
    await typeInto(page, 3, "7");  // the first cell of the second row is open
    assert.equal((await boardLine(page))[9], "7");
    await page.evaluate(() => { window.print = () => { window.printed = (window.printed ?? 0) + 1; }; });
    await page.keyboard.press("Control+p");
    assert.equal(await page.evaluate(() => window.printed), 1, "Strg+P prints");
    const file = join(root, "build/web/printed.pdf");
    await page.pdf({ path: file, format: "A4" });
    assert.match(execFileSync("pdfinfo", [file]).toString(), /\nPages: +1\n/);
    const text = execFileSync("pdftotext", ["-layout", file, "-"]).toString();
    const lines = text.split("\n").map((line) => line.replace(/\s+/g, "")).filter((line) => line);
    // A row without a clue or an entry prints as a blank line, so the board ends where the level starts.
    const levelAt = lines.findIndex((line) => line.startsWith("Level:"));
    assert.ok(levelAt > 0, text);
    assert.equal(lines.slice(0, levelAt).join(""), (await boardLine(page)).replaceAll(".", ""));
    assert.deepEqual(lines.slice(levelAt), ["Level:Schwer", (await page.textContent("#lblFrei")).replaceAll(" ", "")]);
    for (const caption of ["Erzeuge", "Computer", "Spiel neu", "Hilfebereich", "Tavuro", "Beenden"]) {
      assert.ok(!text.includes(caption), caption);
    }
  }));

  test("the splash counts down on its own and never takes the keyboard", () => play(async (page, game) => {
    await page.click("#txtZahl_0");
    await page.click("#btnGO");
    const splash = page.locator("#frmSplash");
    assert.ok(await splash.isVisible());
    assert.equal(await page.textContent("#frmSplash_Label1"), "noch ~10 sec. dann geht's weiter");
    assert.equal(await page.evaluate(() => document.activeElement.id), "btnGO");
    await page.clock.runFor(1000);
    assert.equal(await page.textContent("#frmSplash_Label1"), "noch 5 sec dann geht's weiter");
    // Its logo opens the maker's page in a new tab, and the keyboard stays on the board.
    await game.context.route("https://tavuro.example/**",
      (route) => route.fulfill({ contentType: "text/html", body: "<title>Tavuro</title>" }));
    const opened = game.context.waitForEvent("page");
    await page.click("#frmSplash_imgLogo");
    const tab = await opened;
    assert.equal(tab.url(), "https://tavuro.example/");
    assert.equal(await tab.evaluate(() => window.opener), null, "noopener");
    await tab.close();
    game.problems.splice(0, game.problems.length,
      ...game.problems.filter((p) => !p.includes("tavuro.example")));
    assert.equal(await page.evaluate(() => document.activeElement.id), "btnGO");
    await page.clock.runFor(6000);
    assert.equal(await splash.count(), 0, "closed after the count");
  }, { clock: true }));

  test("the menu bar takes the keyboard with F10 or Alt alone", () => play(async (page) => {
    const active = () => page.evaluate(() => document.activeElement.id);
    const chosen = () => page.evaluate(() =>
      [...document.querySelectorAll(".menubar .highlighted")].map((e) => e.id).join());
    await typeInto(page, 0, "5");  // the focus moves on to cell 1
    await page.keyboard.press("F10");
    assert.equal(await chosen(), "SudokuLaden");
    assert.equal(await active(), "SudokuLaden");
    await page.keyboard.press("ArrowRight");
    assert.equal(await chosen(), "mnuEnde_1");
    await page.keyboard.press("ArrowRight");
    assert.equal(await chosen(), "SudokuLaden", "the choice wraps");
    await page.keyboard.press("Escape");
    assert.equal(await chosen(), "");
    assert.equal(await active(), "txtZahl_1", "the keyboard goes back where it was");
    await page.keyboard.press("Alt");
    assert.equal(await chosen(), "SudokuLaden");
    await page.keyboard.press("Enter");  // "Sudoku neu Laden": the 5 goes
    assert.equal(await chosen(), "");
    assert.equal(await page.inputValue("#txtZahl_0"), "");
    await page.keyboard.press("Alt+d");  // Alt with a key is the browser's
    assert.equal(await chosen(), "");
  }));

  test("Beenden ends the game at once and offers a way back", () => play(async (page) => {
    await page.click("#btnGO");
    await page.click("#mnuEnde_1");
    assert.equal(await page.locator("#frmStart").count(), 0);
    assert.equal(await page.locator("#frmSplash").count(), 0);
    assert.ok(await page.locator("#restartGame").isVisible());
  }));

  test("cells are named by place and state; Tab walks the buttons to the chosen level", () => play(async (page) => {
    const cell = page.locator("#txtZahl_24");
    assert.equal(await cell.getAttribute("aria-label"), "Zeile 3, Spalte 7");
    assert.equal(await cell.getAttribute("aria-description"), "frei");
    await typeInto(page, 24, "4");
    assert.equal(await cell.getAttribute("aria-description"), "4");
    assert.equal(await page.locator("#lblFrei").getAttribute("aria-live"), "polite");
    await page.focus("#btnGO");
    const walk = [];
    for (let k = 0; k < 3; ++k) {
      await page.keyboard.press("Tab");
      walk.push(await page.evaluate(() => document.activeElement.id));
    }
    assert.deepEqual(walk, ["btnLoesung", "optLevel_1", "BtnZur"]);
  }));

  test("after one visit the game starts without a network", () => play(async (page, game) => {
    await page.evaluate(async () => {
      await navigator.serviceWorker.ready;
      if (!navigator.serviceWorker.controller) {
        await new Promise((resolve) => navigator.serviceWorker.addEventListener("controllerchange", resolve));
      }
    });
    await game.context.setOffline(true);
    await page.reload();
    await page.locator("#txtZahl_80").waitFor();
    await generate(page);
    assert.match(await page.textContent("#lblFrei"), /^Freie Felder: [1-9][0-9]$/);
    const stored = await page.evaluate(() => ({ cookies: document.cookie, local: localStorage.length }));
    assert.deepEqual(stored, { cookies: "", local: 0 });
  }));
});

describe("releases", () => {
  test("a new release reaches a returning visitor by the second visit and plays offline", async () => {
    const { work, first, second, secondCache } = await stageReleases();

    const host = await serve(first);
    const context = await shared.browser.newContext();
    const problems = [];
    const visit = async () => {
      const page = await context.newPage();
      page.on("console", (m) => { if (m.type() === "error") problems.push(m.text()); });
      await page.goto(`${host.origin}/`);
      await page.locator("#txtZahl_80").waitFor();
      await page.evaluate(async () => {
        await navigator.serviceWorker.ready;
        if (!navigator.serviceWorker.controller) {
          await new Promise((resolve) => navigator.serviceWorker.addEventListener("controllerchange", resolve));
        }
      });
      return page;
    };
    const release = (page) => page.evaluate(() => window.kalmotreRelease ?? "first");
    try {
      assert.equal(await release(await visit()), "first");
      host.setRoot(second);
      // The next visit finds the new worker; it fetches the new files while the old ones play.
      const next = await visit();
      const installed = () => next.evaluate(async (name) => {
        const keys = await caches.keys();
        return keys.length === 1 && keys[0] === name;
      }, secondCache);
      for (let tries = 0; !(await installed()); ++tries) {
        assert.ok(tries < 150, "the new release was not installed within 15 s");
        await new Promise((resolve) => setTimeout(resolve, 100));
      }
      const again = await visit();
      assert.equal(await release(again), "second", "the second visit runs the new release");
      await context.setOffline(true);
      await again.reload();
      await again.locator("#txtZahl_80").waitFor();
      assert.equal(await release(again), "second");
      await generate(again);
      assert.match(await again.textContent("#lblFrei"), /^Freie Felder: [1-9][0-9]$/);
      assert.deepEqual(problems, []);
    } finally {
      await context.close();
      host.server.close();
      await rm(work, { recursive: true, force: true });
    }
  });
});

describe("kalmotre-gen for Node", () => {
  test("prints what the native one prints", () => {
    for (const args of [["--level", "leicht", "--seed", "11", "--count", "300"],
      ["--level", "schwer", "--seed", "18446744073709551500", "--count", "300"],
      ["--verify", "--count", "300", "--seed", "5"]]) {
      const native = execFileSync(nativeGen, args).toString();
      const node = execFileSync("node", [nodeGen, ...args]).toString();
      assert.equal(node, native, args.join(" "));
    }
    const draws = join(root, "build/web/zeros.txt");
    writeFileSync(draws, "0\n".repeat(1203));
    const args = ["--level", "leicht", "--draws", draws];
    assert.equal(execFileSync("node", [nodeGen, ...args]).toString(),
      execFileSync(nativeGen, args).toString());
    // Puzzles read from standard input: sound, ambiguous, contradictory, malformed, overlong.
    const made = execFileSync(nativeGen, ["--count", "50", "--seed", "8"]).toString();
    const input = `${made}${".".repeat(81)}\n12345678.........9${".".repeat(63)}\n1 2 | 3\n` +
      `${"1".repeat(200000)}\n55${".".repeat(79)}\n`;
    for (const mode of ["--solve", "--count-solutions"]) {
      const native = spawnSync(nativeGen, [mode], { input });
      const node = spawnSync("node", [nodeGen, mode], { input });
      assert.equal(native.status, 1, mode);
      assert.deepEqual([node.status, node.stdout.toString(), node.stderr.toString()],
        [native.status, native.stdout.toString(), native.stderr.toString()], mode);
    }
  });

  test("answers each puzzle before the next one is sent, natively and under Node", async () => {
    const puzzles = execFileSync(nativeGen, ["--count", "3", "--seed", "4"]).toString().split("\n");
    const solutions = execFileSync(nativeGen, ["--solve"], { input: puzzles.join("\n") })
      .toString().split("\n");
    for (const command of [[nativeGen], ["node", nodeGen]]) {
      const child = spawn(command[0], [...command.slice(1), "--solve"]);
      const answers = [];
      // The next puzzle goes only once the last one's answer is out: a program that buffered its
      // answers until the input ends would never answer.
      const ended = new Promise((resolve, reject) => {
        const stuck = setTimeout(() => reject(new Error(`${command.join(" ")} holds its answer`)), 20000);
        let text = "";
        child.stdout.on("data", (data) => {
          text += data;
          while (text.includes("\n")) {
            answers.push(text.slice(0, text.indexOf("\n")));
            text = text.slice(text.indexOf("\n") + 1);
            if (answers.length < 3) child.stdin.write(`${puzzles[answers.length]}\n`); else child.stdin.end();
          }
        });
        child.on("exit", (code) => { clearTimeout(stuck); resolve(code); });
      });
      child.stdin.write(`${puzzles[0]}\n`);
      assert.equal(await ended, 0);
      assert.deepEqual(answers, solutions.slice(0, 3), command.join(" "));
    }
  });
});
