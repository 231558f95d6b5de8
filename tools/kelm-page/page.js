// The page moves texts only: the core (page_core.js) keeps the plan in the link and does every
// calculation; its answers go into the elements named by their data-key.
(async () => {
  const $ = id => document.getElementById(id);
  const bytesOf = id => Uint8Array.from(atob($(id).textContent.trim()), c => c.charCodeAt(0));
  const core = await startCore(bytesOf("core"));

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
    const [fragment, ...lines] = core.request(location.hash.slice(1) + (action ? "\n" + action : "")).split("\n");
    for (const line of lines) {
      const [key, state, text] = line.split("\t");
      document.querySelectorAll(`[data-key="${key}"]`).forEach(element => put(element, state, text));
    }
    history.replaceState(null, "", "#" + fragment);
  }

  const wares = bytesOf("wares"), stations = bytesOf("stations");
  const factories = core.load(wares, stations).split("\n").filter(Boolean).map(line => line.split("\t"))
                        .map(([item, name]) => [item, name, core.nameKey(name)]);
  const picker = $("factory"), find = $("find");
  function listFactories() {
    const part = core.nameKey(find.value), chosen = new URLSearchParams(location.hash.slice(1)).get("item");
    const shown = factories.filter(([, , key]) => key.includes(part));
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

  // Browsers give the clipboard's API to https and file addresses only; on a plain http
  // one the older copy of a selection still works.
  function copyBySelection(text) {
    const field = Object.assign(document.createElement("textarea"), { value: text, readOnly: true });
    document.body.append(field);
    field.select();
    const copied = document.execCommand("copy");
    field.remove();
    return copied;
  }
  $("copy").addEventListener("click", async () => {
    let copied;
    try {
      await navigator.clipboard.writeText(location.href);
      copied = true;
    } catch {
      copied = copyBySelection(location.href);
    }
    $("copied").textContent = copied ? "Ссылка скопирована." : "Не удалось скопировать: возьмите адрес из адресной строки.";
  });
  $("file-note").hidden = location.protocol !== "file:";

  if (!factories.length) throw new Error("в таблицах нет ни одной полной цепочки");
  listFactories();
  act("");
  $("page").hidden = false;
})().catch(error => {
  document.getElementById("trouble").textContent = `Расчет не запустился: ${error.message}`;
});
