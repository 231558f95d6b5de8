// The page's core compiled to WebAssembly, run by Node.js, answers as its native build does,
// and its results at equal levels are kelm-chains report's: on the shipped tables, on random
// table sets made from them or by the tables' generator, and on a set whose results
// overflow. Every chain at the nine pairs of levels, with and without manual prices, and
// after a few actions.
// node core_test.mjs MODULE PAGE_DRIVER KELM_CHAINS TABLES WORK_FOLDER
import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import { mkdirSync, readFileSync, writeFileSync } from "node:fs";
import { nativeAnswers, results, wasmCore } from "./page_core.mjs";

const [modulePath, driver, kelmChains, shippedFolder, work] = process.argv.slice(2);
const levels = ["min", "avg", "max"];

// A small seeded generator (mulberry32), so every run tests the same sets.
function generator(seed) {
  return (low, high) => {
    seed = (seed + 0x6d2b79f5) | 0;
    let t = Math.imul(seed ^ (seed >>> 15), 1 | seed);
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
    return low + Math.floor((((t ^ (t >>> 14)) >>> 0) / 4294967296) * (high - low + 1));
  };
}

// The shipped tables with new numbers: each record's fields from `first` to `last` that
// `change` gives a value for. Names and comments stay, in their code page.
function varied(text, first, last, change) {
  return text.split("\r\n").map(line => {
    if (line.startsWith("//") || !line.includes(";")) return line;
    const fields = line.split(";");
    for (let k = first; k <= last && k < fields.length; ++k) {
      const value = change(k, Number.parseInt(fields[k], 10));
      if (value !== undefined) fields[k] = String(value) + fields[k].replace(/^\s*-?\d+/, "");
    }
    return fields.join(";");
  }).join("\r\n");
}

const shipped = { wares: readFileSync(`${shippedFolder}/wares.csv`, "latin1"),
                  stations: readFileSync(`${shippedFolder}/stations.csv`, "latin1") };
function randomSet(seed, priceTop, amountTop) {
  const random = generator(seed);
  return {
    wares: varied(shipped.wares, 1, 4, k => (k < 4 ? random(0, priceTop) : random(1, 60))),
    stations: varied(shipped.stations, 6, 8, (k, old) => (old ? random(1, amountTop) : undefined)),
  };
}
// Other economies of the shipped one's kind, from the tables' own generator.
function madeSet(seed) {
  const folder = `${work}/made-${seed}`;
  const made = spawnSync("python3", [`${shippedFolder}/../tools/make-tables/make_tables.py`, folder, String(seed)],
                         { encoding: "utf8" });
  assert.equal(made.status, 0, made.stderr);
  return { wares: readFileSync(`${folder}/wares.csv`, "latin1"), stations: readFileSync(`${folder}/stations.csv`, "latin1") };
}
const sets = { shipped, random1: randomSet(1, 500, 300), random2: randomSet(2, 100, 1000), made1: madeSet(1),
               made2: madeSet(2), overflow: randomSet(4, 2147483647, 100000) };

const core = await wasmCore(modulePath);
let compared = 0, overflowing = 0;
for (const [name, set] of Object.entries(sets)) {
  const folder = `${work}/${name}`;
  mkdirSync(folder, { recursive: true });
  writeFileSync(`${folder}/wares.csv`, set.wares, "latin1");
  writeFileSync(`${folder}/stations.csv`, set.stations, "latin1");

  const list = core.load(readFileSync(`${folder}/wares.csv`), readFileSync(`${folder}/stations.csv`));
  const items = list.split("\n").filter(Boolean).map(line => line.split("\t")[0]);
  assert.ok(items.length > 40, `${name}: ${items.length} complete chains`);
  const requests = [];
  for (const item of items) {
    for (const res of levels)
      for (const prod of levels)
        for (const manual of ["", "&manual=1"]) requests.push(`item=${item}&res=${res}&prod=${prod}${manual}`);
    for (const action of ["0.sale 99999", "1.active 0", "manual 1", "1.1.price 123456", "prod.min"])
      requests.push(`item=${item}&res=max\n${action}`);
  }
  const native = nativeAnswers(driver, folder, requests);
  assert.equal(list, native.list, `${name}: the factory list`);
  requests.forEach((request, k) => assert.equal(core.request(request), native.answers[k], `${name}: ${request}`));
  compared += requests.length;
  overflowing += native.answers.filter(answer => answer.includes("переполнение")).length;

  for (const level of levels) {
    for (const manual of [[], ["--manual"]]) {
      const report = spawnSync(kelmChains, ["report", "--tables", folder, "--format", "json", "--level", level, ...manual],
                               { encoding: "utf8", maxBuffer: 1 << 28 });
      assert.equal(report.status, 0, report.stderr);
      const rows = JSON.parse(report.stdout);
      assert.deepEqual(rows.map(row => String(row.item)), items, `${name}: the chains listed`);
      for (const row of rows) {
        const answer = core.request(`item=${row.item}&res=${level}&prod=${level}${manual.length ? "&manual=1" : ""}`);
        for (const [key, text] of Object.entries(results(answer))) assert.equal(text, row[key], `${name} ${level} ${row.item} ${key}`);
      }
    }
  }
}
assert.ok(overflowing > 0, "the overflow set shows «переполнение»");
console.log(`${compared} answers of the WebAssembly core equal the native build's, ${overflowing} of them with an overflow`);
