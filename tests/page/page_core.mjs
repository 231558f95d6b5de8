// The page's core for the tests: the WebAssembly module in Node.js, and its native build
// (page_driver) answering the same requests.
import { spawnSync } from "node:child_process";
import { readFileSync } from "node:fs";

export async function wasmCore(modulePath) {
  const unsupported = () => 52;
  const { instance } = await WebAssembly.instantiate(readFileSync(modulePath), {
    wasi_snapshot_preview1: { fd_close: unsupported, fd_seek: unsupported, fd_write: unsupported },
  });
  const core = instance.exports;
  core._initialize();
  const ask = (call, parts, ...args) => {
    let at = core.kelm_input(parts.reduce((size, part) => size + part.length, 0));
    for (const part of parts) {
      new Uint8Array(core.memory.buffer, at, part.length).set(part);
      at += part.length;
    }
    const answer = call(...args), memory = new Uint8Array(core.memory.buffer);
    return new TextDecoder().decode(memory.subarray(answer, memory.indexOf(0, answer)));
  };
  return {
    load: (wares, stations) => ask(core.kelm_load_tables, [wares, stations], wares.length, stations.length),
    request: text => {
      const bytes = new TextEncoder().encode(text);
      return ask(core.kelm_request, [bytes], bytes.length);
    },
  };
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
