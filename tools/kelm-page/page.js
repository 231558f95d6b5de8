"use strict";
// The page moves texts only: the core (the calculator's C++ compiled to WebAssembly) keeps the
// plan in the link and does every calculation; its answers go into the elements named by
// their data-key.
(async () => {
  const $ = id => document.getElementById(id);
  const bytesOf = id => Uint8Array.from(atob($(id).textContent.trim()), c => c.charCodeAt(0));
  // The core opens no file; the three system calls it is linked with answer "not supported".
  const unsupported = () => 52;
  const { instance } = await WebAssembly.instantiate(bytesOf("core"), {
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

  function put(element, state, text) {
    element.hidden = state.includes("h");
    if (element.tagName === "FIELDSET") element.disabled = state.includes("d");
    else if (element.tagName === "BUTTON") element.setAttribute("aria-pressed", state.includes("p"));
    else if (element.type === "checkbox") element.checked = text === "1";
    else if (element.tagName === "INPUT") {
      element.readOnly = state.includes("r");
      if (element.value !== text) element.value = text;
    } else if (element.tagName === "SELECT") element.value = text;
    else if (!element.firstElementChild) element.textContent = text;  // a block or a row takes its state only
  }

  function act(action) {
    const request = new TextEncoder().encode(location.hash.slice(1) + (action ? "\n" + action : ""));
    const [fragment, ...lines] = ask(core.kelm_request, [request], request.length).split("\n");
    for (const line of lines) {
      const [key, state, text] = line.split("\t");
      document.querySelectorAll(`[data-key="${key}"]`).forEach(element => put(element, state, text));
    }
    history.replaceState(null, "", "#" + fragment);
  }

  const wares = bytesOf("wares"), stations = bytesOf("stations");
  const factories = ask(core.kelm_load_tables, [wares, stations], wares.length, stations.length)
    .split("\n").filter(Boolean).map(line => line.split("\t"));
  const picker = $("factory"), find = $("find");
  function listFactories() {
    const part = find.value.trim().toLocaleLowerCase("ru"), chosen = new URLSearchParams(location.hash.slice(1)).get("item");
    const shown = factories.filter(([, name]) => name.toLocaleLowerCase("ru").includes(part));
    picker.replaceChildren(...shown.map(([item, name]) => new Option(name, item, false, item === chosen)));
    $("found").textContent = part ? `Найдено: ${shown.length} из ${factories.length}` : "";
  }
  find.addEventListener("input", listFactories);
  find.addEventListener("keydown", event => {
    if (event.key !== "Enter" && event.key !== "ArrowDown") return;
    event.preventDefault();
    if (event.key === "Enter" && picker.options.length) act(`item ${picker.options[0].value}`);
    picker.focus();
  });
  picker.addEventListener("change", () => act(`item ${picker.value}`));
  document.addEventListener("click", event => {
    const button = event.target.closest("button[data-key]");
    if (button) act(button.dataset.key);
  });
  document.addEventListener("change", ({ target }) => {
    if (target.type === "checkbox") act(`${target.dataset.key} ${target.checked ? 1 : 0}`);
  });
  document.addEventListener("input", ({ target }) => {
    if (target.dataset.key && target.type === "text") act(`${target.dataset.key} ${target.value}`);
  });
  window.addEventListener("hashchange", () => act(""));

  $("copy").addEventListener("click", async () => {
    try {
      await navigator.clipboard.writeText(location.href);
      $("copied").textContent = "Ссылка скопирована.";
    } catch {
      $("copied").textContent = "Не удалось скопировать: возьмите адрес из адресной строки.";
    }
  });
  $("file-note").hidden = location.protocol !== "file:";

  if (!factories.length) throw new Error("в таблицах нет ни одной полной цепочки");
  listFactories();
  act("");
  $("page").hidden = false;
})().catch(error => {
  document.getElementById("trouble").textContent = `Расчет не запустился: ${error.message}`;
});
