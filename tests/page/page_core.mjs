// The page's core for the tests: the WebAssembly module in Node.js, through the page's own
// script, and its native build (page_driver) answering the same requests.
import { spawnSync } from "node:child_process";
import { readFileSync } from "node:fs";

// page_core.js is a script of the page; here it is made a function and run as the page does.
export async function wasmCore(modulePath) {
  const source = readFileSync(new URL("../../tools/kelm-page/page_core.js", import.meta.url), "utf8");
  const startCore = new Function(`${source}\nreturn startCore;`)();
  return startCore(readFileSync(modulePath));
}

// The factory list and the answers of the native build to `requests`.
export function nativeAnswers(driver, folder, requests) {
  const run = spawnSync(driver, [`${folder}/wares.csv`, `${folder}/stations.csv`], {
    input: requests.map(request => request.replace("\n", "\t")).join("\n") + "\n",
    maxBuffer: 1 << 30, encoding: "utf8",
  });
  if (run.status !== 0) throw new Error(`page_driver: ${run.status} ${run.stderr}`);
  const [list, ...answers] = run.stdout.split("\n\n");
  return { list: list + "\n", answers: answers.slice(0, requests.length).map(answer => answer + "\n") };
}

// The seven results of an answer, by report key.
export function results(answer) {
  const keys = ["main_cost", "support1_cost", "support2_cost", "support3_cost", "total_cost", "main_income", "chain_income"];
  const shown = new Map(answer.split("\n").map(line => line.split("\t")).map(([key, , text]) => [key, text]));
  return Object.fromEntries(keys.map(key => [key, shown.get(key)]));
}
