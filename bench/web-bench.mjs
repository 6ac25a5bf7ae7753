// The web edition's speed beside the native build, in one run: generation per puzzle in Node
// (kalmotre-gen.js against kalmotre-gen) and in Chromium (the page's form against the native
// form's click, from bench/bench_main.cpp), the time from navigation to a playable board, and
// what the page loads. Needs scripts/web --build and the release build.
//   node bench/web-bench.mjs [COUNT]
import { execFileSync } from "node:child_process";
import { readFileSync, statSync } from "node:fs";
import { gzipSync } from "node:zlib";
import { join } from "node:path";
import { dist, launch, openGame, root, serve } from "../tests/web/harness.mjs";

const count = Number(process.argv[2] ?? 20000);
const nativeGen = join(root, "build/release/kalmotre-gen");
const nodeGen = join(root, "build/web/kalmotre-gen.js");

const seconds = (command, args) => {
  const start = process.hrtime.bigint();
  execFileSync(command, args, { stdio: ["ignore", "ignore", "inherit"] });
  return Number(process.hrtime.bigint() - start) / 1e9;
};
for (const level of ["leicht", "schwer"]) {
  const args = ["--level", level, "--count", String(count), "--seed", "1", "--jobs", "1"];
  // Start-up alone, measured with one puzzle, is taken off both.
  const nativeStart = seconds(nativeGen, ["--level", level, "--count", "1"]);
  const nodeStart = seconds("node", [nodeGen, "--level", level, "--count", "1"]);
  const native = (seconds(nativeGen, args) - nativeStart) / count * 1e6;
  const wasm = (seconds("node", [nodeGen, ...args]) - nodeStart) / count * 1e6;
  console.log(`${level}: native ${native.toFixed(1)} µs, Node ${wasm.toFixed(1)} µs per puzzle, ` +
    `${(wasm / native).toFixed(2)}×`);
}

const site = await serve(dist, { gzip: true });
const browser = await launch();
const { page, context } = await openGame(browser, site.origin);
for (const [option, level] of [[0, "leicht"], [1, "schwer"]]) {
  const perPuzzle = await page.evaluate(([o, n]) => window.kalmotreTest.generationMicroseconds(o, n),
    [option, count]);
  console.log(`${level}: Chromium ${perPuzzle.toFixed(1)} µs per puzzle (grid and carving)`);
}
const perClick = await page.evaluate((n) => window.kalmotreTest.clickMicroseconds("btnGO", n), 200);
console.log(`Chromium: a click on "Erzeuge neues Sodoku" up to the board shown ${perClick.toFixed(0)} µs`);
// Digits typed into the open cells as a player types them, a key pressed and let go after a
// click into the cell: the calls into the core a digit costs, and their time with the lists
// applied (focus moves included).
await page.evaluate(() => window.kalmotreTest.fixClock(4321.5));
await page.click("#btnGO");
await page.locator("#Frame2").waitFor({ state: "hidden" });
const open = await page.evaluate(() => [...document.querySelectorAll(".cell")].filter((e) => !e.readOnly).map((e) => e.id));
let calls = 0, milliseconds = 0;
for (const [k, id] of open.entries()) {
  await page.click(`#${id}`);
  const before = await page.evaluate(() => window.kalmotreTest.coreCalls());
  await page.keyboard.press(String(1 + (k % 9)));
  const after = await page.evaluate(() => window.kalmotreTest.coreCalls());
  calls += after.count - before.count;
  milliseconds += after.milliseconds - before.milliseconds;
}
console.log(`Chromium: a typed digit ${(calls / open.length).toFixed(2)} calls into the core, ` +
  `${(milliseconds / open.length * 1000).toFixed(0)} µs with the lists applied`);
await context.close();

// Ten cold loads: a fresh profile each, so nothing is cached; the time is the page's own
// performance.now() when the board is playable. The phone profile slows the processor four
// times and the network to a slow mobile one (150 ms, 1.6 Mbit/s down, 750 kbit/s up).
async function coldLoads(phone) {
  const loads = [];
  for (let k = 0; k < 10; ++k) {
    const fresh = await browser.newContext();
    const tab = await fresh.newPage();
    if (phone) {
      const cdp = await fresh.newCDPSession(tab);
      await cdp.send("Emulation.setCPUThrottlingRate", { rate: 4 });
      await cdp.send("Network.emulateNetworkConditions", { offline: false, latency: 150,
        downloadThroughput: 1.6e6 / 8, uploadThroughput: 750e3 / 8 });
    }
    await tab.goto(`${site.origin}/`);
    await tab.locator("#txtZahl_80").waitFor();
    await tab.waitForFunction(() => document.activeElement?.id === "btnGO");
    loads.push(Math.round(await tab.evaluate(() => window.kalmotreReadyAt)));
    await fresh.close();
  }
  loads.sort((a, b) => a - b);
  return `median ${(loads[4] + loads[5]) / 2} ms (${loads.join(", ")})`;
}
console.log(`navigation to a playable board: ${await coldLoads(false)}`);
console.log(`the same with 4× slower processor and a slow mobile network: ${await coldLoads(true)}`);
await browser.close();
site.server.close();

let bytes = 0, gzipped = 0;
for (const file of ["kalmotre.wasm", "kalmotre.js", "main.js", "sw.js"]) {
  const path = join(dist, file);
  bytes += statSync(path).size;
  gzipped += gzipSync(readFileSync(path), { level: 9 }).length;
}
console.log(`WebAssembly and JavaScript loaded: ${(bytes / 1024).toFixed(1)} KiB, ` +
  `${(gzipped / 1024).toFixed(1)} KiB gzipped`);
