"use strict";
// The calculator's core, compiled to WebAssembly, behind its C interface (page_module.h):
// texts go in and come out as UTF-8. The page runs it, and so do the tests, in Node.js.
async function startCore(moduleBytes) {
  // The core opens no file; the three system calls it is linked with answer "not supported".
  const unsupported = () => 52;
  const { instance } = await WebAssembly.instantiate(moduleBytes, {
    wasi_snapshot_preview1: { fd_close: unsupported, fd_seek: unsupported, fd_write: unsupported },
  });
  const core = instance.exports;
  core._initialize();

  // Puts the parts one after another into the core's input, calls it, reads its answer.
  function ask(call, parts, ...args) {
    let at = core.kelm_input(parts.reduce((size, part) => size + part.length, 0));
    for (const part of parts) {
      new Uint8Array(core.memory.buffer, at, part.length).set(part);
      at += part.length;
    }
    const answer = call(...args), memory = new Uint8Array(core.memory.buffer);
    return new TextDecoder().decode(memory.subarray(answer, memory.indexOf(0, answer)));
  }
  // A call on one text: its UTF-8 bytes as the input.
  function askAbout(call, text) {
    const bytes = new TextEncoder().encode(text);
    return ask(call, [bytes], bytes.length);
  }

  return {
    // The factories the page lists, from the bytes of wares.csv and stations.csv.
    load: (wares, stations) => ask(core.kelm_load_tables, [wares, stations], wares.length, stations.length),
    // The answer to a request: "FRAGMENT" or "FRAGMENT\nACTION".
    request: text => askAbout(core.kelm_request, text),
    // A name as it is compared: case, ё or е and blanks do not matter.
    nameKey: text => askAbout(core.kelm_name_key, text),
  };
}
