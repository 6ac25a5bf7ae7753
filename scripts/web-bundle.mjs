// Joins the page's modules into the one main.js the site serves: one request where there were
// six. The source stays split by idea; each module the page imports from its own folder is put in
// once, before the module that first imports it, its import lines dropped and its exports made
// plain declarations (no two modules declare the same name).
//   node scripts/web-bundle.mjs web/main.js build/web/dist/main.js
import { readFileSync, writeFileSync } from "node:fs";
import { dirname, join } from "node:path";

const [entry, target] = process.argv.slice(2);
const kLocal = /^import .* from "\.\/(?!kalmotre\.js)([\w-]+\.js)";$/;
const seen = new Set();

function inline(file) {
  if (seen.has(file)) return [];
  seen.add(file);
  const lines = [];
  for (const line of readFileSync(file, "utf8").split("\n")) {
    const local = kLocal.exec(line);
    if (local) lines.push(...inline(join(dirname(file), local[1])));
    else lines.push(line.replace(/^export (?=function|class|const|let|async function)/, ""));
  }
  return lines;
}

writeFileSync(target, inline(entry).join("\n"));
