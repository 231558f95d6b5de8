// The page kelm-chains writes, in headless Chromium driven over the DevTools protocol (its
// pipe, so nothing but Node.js is needed): a link shows its plan's results; a click on a level
// button and a typed price change the results and the link; the page fetches nothing.
// node browser_test.mjs KELM_CHAINS PAGE_DRIVER TABLES CHROMIUM WORK_FOLDER
import assert from "node:assert/strict";
import { spawn, spawnSync } from "node:child_process";
import { mkdirSync, readFileSync, rmSync, statSync } from "node:fs";
import { nativeAnswers, results } from "./page_core.mjs";

const [kelmChains, driver, tables, chromium, work] = process.argv.slice(2);
rmSync(work, { recursive: true, force: true });
mkdirSync(work, { recursive: true });
const page = `${work}/kelm-calc.html`;
const written = spawnSync(kelmChains, ["page", "--tables", tables, "--output", page], { encoding: "utf8" });
assert.equal(written.status, 0, written.stderr);
assert.ok(statSync(page).size <= 400 * 1024, `the page has ${statSync(page).size} bytes`);
// Nothing in it names anything outside it.
for (const outside of ["http:", "https:", "//cdn", " src=", " href=", "url(", "@import", "fetch("])
  assert.ok(!readFileSync(page, "utf8").includes(outside), `the page holds «${outside}»`);

const browser = spawn(chromium, ["--headless", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
  "--disable-component-update", "--no-first-run", "--disable-sync", `--user-data-dir=${work}/profile`,
  "--remote-debugging-pipe", "about:blank"], { stdio: ["ignore", "ignore", "ignore", "pipe", "pipe"] });
const [, , , toBrowser, fromBrowser] = browser.stdio;
const waiting = new Map(), requested = [];
let lastId = 0, received = Buffer.alloc(0), session;
fromBrowser.on("data", data => {
  received = Buffer.concat([received, data]);
  for (let end; (end = received.indexOf(0)) >= 0; received = received.subarray(end + 1)) {
    const message = JSON.parse(received.subarray(0, end).toString());
    if (message.method === "Network.requestWillBeSent") requested.push(message.params.request.url);
    waiting.get(message.id)?.(message);
  }
});
function send(method, params = {}) {
  return new Promise((resolve, reject) => {
    waiting.set(++lastId, message => (message.error ? reject(new Error(`${method}: ${message.error.message}`)) : resolve(message.result)));
    toBrowser.write(JSON.stringify({ id: lastId, method, params, sessionId: session }) + "\0");
  });
}
async function evaluate(expression) {
  const { result, exceptionDetails } = await send("Runtime.evaluate",
                                                  { expression, returnByValue: true, awaitPromise: true, userGesture: true });
  assert.equal(exceptionDetails, undefined, `${expression}: ${JSON.stringify(exceptionDetails)}`);
  return result.value;
}
const pause = () => new Promise(resolve => setTimeout(resolve, 100));
// Waits, a bounded number of times, for the page to make `expression` true.
async function until(expression) {
  for (let tries = 0; tries < 300 && !(await evaluate(expression)); ++tries) await pause();
  assert.ok(await evaluate(expression), `the page never made ${expression} true`);
}
async function click(selector) {
  const box = await evaluate(`(() => { const e = document.querySelector('${selector}'); e.scrollIntoView({ block: "center" });
    const r = e.getBoundingClientRect(); return { x: r.x + r.width / 2, y: r.y + r.height / 2 }; })()`);
  for (const type of ["mousePressed", "mouseReleased"])
    await send("Input.dispatchMouseEvent", { type, x: box.x, y: box.y, button: "left", clickCount: 1 });
}
const shown = () => evaluate(`Object.fromEntries([...document.querySelectorAll("[data-result]")].map(e => [e.dataset.result, e.textContent]))`);
const fragment = () => evaluate("location.hash.slice(1)");
const expected = link => results(nativeAnswers(driver, tables, [link]).answers[0]);

try {
  const { targetId } = await send("Target.createTarget", { url: "about:blank" });
  ({ sessionId: session } = await send("Target.attachToTarget", { targetId, flatten: true }));
  await send("Network.enable");
  const link = "item=32&res=max&prod=min&manual=1&off=3&p=0:9000,0.1:3";
  await send("Page.navigate", { url: `file://${page}#${link}` });
  await until(`document.getElementById("page")?.hidden === false`);

  // The link's plan, with the results the window shows for it.
  assert.equal(await fragment(), link);
  assert.deepEqual(await shown(), expected(link));
  assert.equal(await evaluate(`document.querySelector('[data-key="3"]').disabled`), true);
  assert.equal(await evaluate(`document.querySelector('[data-key="manual"]').checked`), true);
  const report = JSON.parse(spawnSync(kelmChains, ["report", "--tables", tables, "--format", "json", "--level", "max"],
                                      { encoding: "utf8" }).stdout)[32];
  await send("Page.navigate", { url: `file://${page}#item=32&res=max&prod=max` });
  await until(`location.hash === "#item=32&res=max&prod=max" && document.querySelector('[data-result]').textContent === "${report.main_cost}"`);
  for (const [key, text] of Object.entries(await shown())) assert.equal(text, report[key], key);

  // A level button, then a typed price: new results, and the link says so.
  const before = await shown();
  await click('[data-key="res.min"]');
  await until(`location.hash.includes("res=min")`);
  assert.equal(await fragment(), "item=32&res=min&prod=max");
  assert.notDeepEqual(await shown(), before);
  assert.deepEqual(await shown(), expected("item=32&res=min&prod=max"));
  await click('[data-key="0.sale"]');
  await evaluate(`document.querySelector('[data-key="0.sale"]').select()`);
  await send("Input.insertText", { text: "12345" });
  await until(`location.hash.includes("p=")`);
  assert.equal(await fragment(), "item=32&res=min&prod=max&p=0:12345");
  assert.deepEqual(await shown(), expected("item=32&res=min&prod=max&p=0:12345"));
  // In automatic mode a transfer price is shown, not typed.
  assert.equal(await evaluate(`document.querySelector('[data-key="1.sale"]').readOnly`), true);

  // The picker filters by a part of a name as kelm-chains finds one: case, ё or е and
  // blanks do not matter.
  await evaluate(`(() => { const find = document.getElementById("find"); find.value = " БЕЛО ЗЕРСК";
    find.dispatchEvent(new Event("input", { bubbles: true })); })()`);
  const names = await evaluate(`[...document.getElementById("factory").options].map(o => o.text)`);
  assert.ok(names.length >= 3 && names.every(name => name.includes("Белозёрск")), names.join(", "));

  // Where the browser gives no clipboard API, as on a plain http address, the link is
  // copied all the same.
  const copied = await evaluate(`new Promise(resolve => {
    Object.defineProperty(navigator, "clipboard", { value: undefined });
    document.addEventListener("copy", () => resolve(document.getSelection().toString()), { once: true });
    document.getElementById("copy").click();
    setTimeout(() => resolve("nothing copied"), 10000);
  })`);
  assert.equal(copied, await evaluate("location.href"));
  await until(`document.getElementById("copied").textContent === "Ссылка скопирована."`);

  assert.deepEqual([...new Set(requested.map(url => url.replace(/#.*/, "")))], [`file://${page}`]);
  console.log(`Chromium: the link, a level button and a typed price give the core's results; requests: ${requested.length}, all for the page itself`);
} finally {
  toBrowser.write(JSON.stringify({ id: ++lastId, method: "Browser.close" }) + "\0");
  browser.kill();
}
