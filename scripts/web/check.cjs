// The checks of make web-check (scripts/web/check): Vestor's browser build in headless Chromium.
// Usage: node check.cjs WEB_DIR OUT_DIR LINUX_RUN_DIR "LINUX_TIMING_LINE"
"use strict";
const fs = require("fs");
const path = require("path");
const zlib = require("zlib");
const { spawn, execFileSync } = require("child_process");
const puppeteer = require("puppeteer-core");

const [webDir, outDir, linuxRun, linuxTiming] = process.argv.slice(2);
const shots = path.join(outDir, "shots");
const downloads = path.join(outDir, "downloads");
for (const dir of [shots, downloads]) {
  fs.rmSync(dir, { recursive: true, force: true });
  fs.mkdirSync(dir, { recursive: true });
}
const port = 8000 + Math.floor(Math.random() * 2000);
const site = `http://127.0.0.1:${port}/`;
const results = [];
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

function report(name, ok, saw) {
  results.push({ name, ok });
  console.log(`${ok ? "PASS" : "FAIL"}  ${name}: ${saw}`);
}

async function check(name, body) {
  try {
    const [ok, saw] = await body();
    report(name, ok, saw);
  } catch (e) {
    report(name, false, `${e.message.split("\n")[0]}`);
  }
}

function serve() {
  const server = spawn("python3", ["-m", "http.server", String(port), "--bind", "127.0.0.1", "--directory", webDir],
                       { stdio: "ignore" });
  return server;
}

async function waitForServer() {
  for (let i = 0; i < 100; ++i) {
    try {
      await fetch(site);
      return;
    } catch {
      await sleep(100);
    }
  }
  throw new Error("the web server did not start");
}

// The program's window: the largest canvas the page holds, in its own shadow trees too.
async function windowBox(page) {
  return page.evaluate(() => {
    const canvases = [];
    const walk = (root) => {
      for (const e of root.querySelectorAll("*")) {
        if (e.tagName === "CANVAS")
          canvases.push(e);
        if (e.shadowRoot)
          walk(e.shadowRoot);
      }
    };
    walk(document);
    let best = null;
    for (const c of canvases) {
      const r = c.getBoundingClientRect();
      if (r.width * r.height > 0 && (!best || r.width * r.height > best.width * best.height))
        best = { x: r.x, y: r.y, width: r.width, height: r.height };
    }
    return best;
  });
}

async function windowShot(page, name) {
  const box = await windowBox(page);
  await sleep(150);
  const file = path.join(shots, `${name}.png`);
  const png = await page.screenshot({ path: file, clip: box });
  return png;
}

// What a run shows after a step, where a lesson opened again must show the same: the decayed
// panel and the count beside it on the Decay Chamber page (the chamber itself is drawn afresh from
// its particles in an opened lesson, without the marks earlier removals left), and the data file
// the Collected Data Table saves.
async function afterStep(page, name) {
  await sleep(150);
  const b = page.box;
  const part = (x, y, width, height) => page.screenshot({ clip: { x: b.x + x, y: b.y + y, width, height } });
  const panel = await part(30, 111, 120, 354), count = await part(216, 140, 37, 26);
  fs.writeFileSync(path.join(shots, `${name}-panel.png`), panel);
  await clickTab(page, "table");
  const since = Date.now();
  await alt(page, "s");
  await sleep(600);
  await page.keyboard.press("Enter");
  const data = fs.readFileSync(await waitForNewest(/^data.*\.txt$/, since));
  fs.writeFileSync(path.join(shots, `${name}-data.txt`), data);
  return Buffer.concat([panel, count, data]);
}

async function opened(browser, query, options = {}) {
  const page = await browser.newPage();
  await page.setViewport({ width: 1024, height: 700, hasTouch: !!options.touch, isMobile: false });
  page.on("console", (m) => { if (m.type() === "error") console.log(`  [page] ${m.text()}`); });
  const started = Date.now();
  await page.goto(site + (query || ""), { waitUntil: "domcontentloaded" });
  await page.waitForFunction(() => document.getElementById("loading").hidden, { timeout: 60000 });
  let box = null;
  while (!box || box.width < 700) {
    box = await windowBox(page);
    if (Date.now() - started > 60000)
      throw new Error("no window within a minute");
    if (!box || box.width < 700)
      await sleep(20);
  }
  // One frame more: the window's first drawing is on screen.
  await page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
  page.firstWindowMs = Date.now() - started;
  page.box = box;
  return page;
}

// The tabs of the pages, where the 800-pixel window has them.
const TABS = { configuration: 52, chamber: 158, table: 283, graph: 380 };
async function clickTab(page, name) {
  await page.mouse.click(page.box.x + TABS[name], page.box.y + 45);
  await sleep(300);
}

async function alt(page, letter) {
  await page.keyboard.down("Alt");
  await page.keyboard.press(letter);
  await page.keyboard.up("Alt");
  await sleep(120);
}

async function ctrl(page, key, shift) {
  await page.keyboard.down("Control");
  if (shift)
    await page.keyboard.down("Shift");
  await page.keyboard.press(key);
  if (shift)
    await page.keyboard.up("Shift");
  await page.keyboard.up("Control");
  await sleep(200);
}

async function waitForDownload(name, since, timeout = 15000) {
  const file = path.join(downloads, name);
  const end = Date.now() + timeout;
  while (Date.now() < end) {
    if (fs.existsSync(file) && fs.statSync(file).mtimeMs >= since - 1000)
      return file;
    await sleep(100);
  }
  throw new Error(`no download ${name}`);
}

// The newest download whose name matches, begun after `since`: the browser names a second
// data.txt "data (1).txt".
async function waitForNewest(pattern, since, timeout = 15000) {
  const end = Date.now() + timeout;
  while (Date.now() < end) {
    const files = fs.readdirSync(downloads).filter((f) => pattern.test(f))
      .map((f) => path.join(downloads, f)).filter((f) => fs.statSync(f).mtimeMs >= since - 1000)
      .sort((x, y) => fs.statSync(y).mtimeMs - fs.statSync(x).mtimeMs);
    if (files.length)
      return files[0];
    await sleep(100);
  }
  throw new Error(`no download like ${pattern}`);
}

const same = (a, b) => Buffer.compare(a, b) === 0;

(async () => {
  // The whole download, compressed as a web server would send it.
  let gz = 0;
  for (const f of fs.readdirSync(webDir))
    gz += zlib.gzipSync(fs.readFileSync(path.join(webDir, f)), { level: 9 }).length;
  report("download size", gz <= 8 * 1024 * 1024, `${(gz / 1048576).toFixed(2)} MB with gzip -9 (budget 8 MB)`);

  let server = serve();
  await waitForServer();
  const profile = fs.mkdtempSync("/tmp/vestor-web-check-");
  const launch = (lang) => puppeteer.launch({
    executablePath: "/usr/bin/chromium",
    headless: true,
    userDataDir: lang ? fs.mkdtempSync("/tmp/vestor-web-check-de-") : profile,
    // --accept-lang is the browser's language as its settings set it (navigator.languages).
    args: ["--no-sandbox", `--lang=${lang || "en-US"}`, `--accept-lang=${lang ? `${lang},de` : "en-US,en"}`,
           "--window-size=1024,700"],
    env: { ...process.env, LANGUAGE: lang || "en", LANG: lang ? "de_DE.UTF-8" : "en_US.UTF-8" },
  });
  let browser = await launch();
  // Downloads go to the check's folder. Set from the browser's own session, which lives as long as
  // the browser: set from a tab's, it ends when that tab closes, and later downloads are refused.
  const browserSession = await browser.target().createCDPSession();
  await browserSession.send("Browser.setDownloadBehavior", { behavior: "allow", downloadPath: downloads });
  const context = browser.defaultBrowserContext();
  // The check reads the copied link back from the clipboard, as a teacher pastes it.
  await context.overridePermissions(site, ["clipboard-read", "clipboard-write", "clipboard-sanitized-write"]).catch((e) => console.log(`  ${e.message}`));

  // A first visit fills the browser's cache and the service worker's copy; the time counted is a
  // second opening, as a class opens the page after the teacher's first.
  let page = null;
  await check("a progress bar while the program loads", async () => {
    const tab = await browser.newPage();
    await tab.setViewport({ width: 1024, height: 700 });
    await tab.goto(site, { waitUntil: "domcontentloaded" });
    const shown = await tab.evaluate(() => !document.getElementById("loading").hidden
                                          && !document.getElementById("progress").hidden);
    await tab.screenshot({ path: path.join(shots, "loading.png") });
    await tab.close();
    return [shown, `the bar ${shown ? "shown" : "not shown"} as the page opened: shots/loading.png`];
  });
  page = await opened(browser, "");
  await page.close();
  page = await opened(browser, "?seed=20261208");
  report("first window", page.firstWindowMs <= 3000, `drawn ${page.firstWindowMs} ms after opening the page (budget 3000 ms)`);

  await check("a browser without WebAssembly gets a message", async () => {
    const tab = await browser.newPage();
    await tab.evaluateOnNewDocument(() => { delete window.WebAssembly; });
    await tab.goto(site, { waitUntil: "load" });
    await sleep(500);
    const text = await tab.evaluate(() => document.getElementById("message").textContent);
    await tab.screenshot({ path: path.join(shots, "no-webassembly.png") });
    await tab.close();
    return [text.includes("lacks WebAssembly"), `"${text}": shots/no-webassembly.png`];
  });

  await check("Configuration page screenshot", async () => {
    const png = await windowShot(page, "configuration");
    return [png.length > 20000 && page.box.width >= 780,
            `window ${Math.round(page.box.width)}x${Math.round(page.box.height)}, ${png.length} bytes: shots/configuration.png`];
  });

  // The seeded run of vestor-seededrun, from the keyboard: ten steps of Time and Remove. On the
  // Configuration page Alt+D first reaches the Dice choice, which shares its letter; pressed again
  // it turns to the Decay Chamber.
  let before, after;
  await check("keyboard reaches the chamber", async () => {
    const config = await windowShot(page, "chamber-config");
    await alt(page, "d");
    await alt(page, "d");
    before = await windowShot(page, "chamber-start");
    const turned = !same(config, before);
    await alt(page, "t");
    after = await windowShot(page, "chamber-time");
    const timeChanged = !same(before, after);
    await alt(page, "r");
    const removed = await windowShot(page, "chamber-remove");
    const removeChanged = !same(after, removed);
    for (let step = 1; step < 10; ++step) {
      await alt(page, "t");
      await alt(page, "r");
    }
    await windowShot(page, "chamber-ten-steps");
    return [turned && timeChanged && removeChanged, `Alt+D twice ${turned ? "turned" : "did not turn"} the page, ` +
            `Alt+T ${timeChanged ? "changed" : "did not change"} the chamber, ` +
            `Alt+R ${removeChanged ? "changed" : "did not change"} it: shots/chamber-*.png`];
  });

  await check("seeded data file matches the Linux build's", async () => {
    await clickTab(page, "table");
    await windowShot(page, "table");
    const since = Date.now();
    await alt(page, "s");
    await sleep(600);
    await windowShot(page, "save-dialog");
    await page.keyboard.press("Enter");
    const file = await waitForDownload("data.txt", since);
    const web = fs.readFileSync(file);
    const linux = fs.readFileSync(path.join(linuxRun, "data.txt"));
    return [same(web, linux), `downloaded data.txt, ${web.length} bytes; the Linux build's ${linux.length} bytes: ` +
            (same(web, linux) ? "the same bytes" : "different")];
  });

  // A lesson saved in the middle of a run of its own, where the next Time step still decays particles.
  let lessonFile, link, nextStep;
  await check("lesson saved as a download", async () => {
    const saving = await opened(browser, "?seed=5");
    await alt(saving, "d");
    await alt(saving, "d");
    for (let step = 0; step < 3; ++step) {
      await alt(saving, "t");
      await alt(saving, "r");
    }
    const since = Date.now();
    await ctrl(saving, "s", true);
    await sleep(600);
    await saving.keyboard.press("Enter");
    lessonFile = await waitForDownload("lesson.vestor", since);
    // The link, from the clipboard, as a teacher pastes it.
    await alt(saving, "f");
    await saving.keyboard.press("l");
    await sleep(500);
    await windowShot(saving, "link-copied");
    await saving.keyboard.press("Enter");
    await saving.bringToFront();
    link = await saving.evaluate(() => navigator.clipboard.readText());
    await alt(saving, "t");
    nextStep = await afterStep(saving, "lesson-next-step");
    await saving.close();
    return [fs.statSync(lessonFile).size > 100, `lesson.vestor ${fs.statSync(lessonFile).size} bytes; link ${link.length} characters`];
  });

  // The next Time step of a lesson opened in another tab, against the one the saving tab took:
  // the data file of the counts, and the decayed panel and the count beside it to the pixel.
  const goesOn = async (tab, name) => {
    await sleep(800);
    await alt(tab, "t");
    const shot = await afterStep(tab, name);
    await tab.close();
    return [same(shot, nextStep), same(shot, nextStep) ? "the same counts as the saved lesson's next step"
                                                       : `different counts: shots/${name}*, shots/lesson-next-step*`];
  };

  await check("lesson opened through the file picker goes on at the same step", async () => {
    const fresh = await opened(browser, "?seed=1");
    const [chooser] = await Promise.all([fresh.waitForFileChooser({ timeout: 10000 }), ctrl(fresh, "o")]);
    await chooser.accept([lessonFile]);
    return goesOn(fresh, "lesson-reopened-next-step");
  });

  await check("lesson opened from its copied link goes on at the same step", async () => {
    if (!link.includes("#lesson="))
      return [false, `the clipboard held "${link.slice(0, 80)}"`];
    return goesOn(await opened(browser, link.slice(site.length)), "link-next-step");
  });

  await check("a damaged link is refused and the program starts", async () => {
    const tab = await opened(browser, "#lesson=AAAAdamaged");
    await sleep(500);
    const shot = await windowShot(tab, "damaged-link");
    await tab.keyboard.press("Enter");
    await sleep(300);
    const after = await windowShot(tab, "damaged-link-after");
    await tab.close();
    return [!same(shot, after), "a message was shown and closed: shots/damaged-link*.png"];
  });

  // The desktop asks before it closes over counts not saved; a browser closes a tab without asking
  // the program, so the page has the browser ask.
  await check("closing the tab asks only while counts are not saved", async () => {
    const asked = [];
    for (const work of ["nothing", "a step", "a typed initial count"]) {
      const tab = await opened(browser, "?seed=3");
      await alt(tab, "d");
      await alt(tab, "d");
      if (work === "a step") {
        await alt(tab, "t");
        await alt(tab, "r");
      } else if (work === "a typed initial count") {
        // Edit Graph Data, the Initial Count field typed over and left with Tab.
        await tab.mouse.click(tab.box.x + 466, tab.box.y + 45);
        await sleep(300);
        await tab.mouse.click(tab.box.x + 185, tab.box.y + 220, { clickCount: 2 });
        await tab.keyboard.type("350");
        await tab.keyboard.press("Tab");
        await sleep(300);
      }
      let dialog = "none";
      tab.on("dialog", async (d) => { dialog = d.type(); await d.accept(); });
      await tab.close({ runBeforeUnload: true });
      await sleep(800);
      asked.push(dialog);
    }
    return [asked[0] === "none" && asked[1] === "beforeunload" && asked[2] === "beforeunload",
            `with nothing recorded: ${asked[0]}; after a step: ${asked[1]}; after a typed initial count: ${asked[2]}`];
  });

  await check("Print gives a one-page PDF with the graph and the name", async () => {
    // Keys go to the tab in front, and in it to the program once it has been clicked (on its
    // status line, which does nothing).
    await page.bringToFront();
    await page.mouse.click(page.box.x + 400, page.box.y + 590);
    await sleep(200);
    // The name first: Edit > User Name.
    await alt(page, "e");
    await page.keyboard.press("u");
    await sleep(500);
    await page.keyboard.type("Ada Lovelace");
    await page.keyboard.press("Enter");
    await sleep(300);
    await clickTab(page, "graph");
    await windowShot(page, "graph");
    const since = Date.now();
    await ctrl(page, "p");
    const pdf = await waitForDownload("vestor-graph.pdf", since);
    const pages = /Pages:\s+(\d+)/.exec(execFileSync("pdfinfo", [pdf]).toString())[1];
    const text = execFileSync("pdftotext", [pdf, "-"]).toString();
    execFileSync("pdftoppm", ["-png", "-r", "50", "-singlefile", pdf, path.join(shots, "print")]);
    const named = text.includes("Ada Lovelace");
    return [pages === "1" && named, `${pages} page(s), the name ${named ? "on it" : "missing"}: shots/print.png`];
  });

  // A Time step of 1000 particles: the lesson vestor-seededrun saved, opened from a link. Both
  // builds first take twenty steps and start the run again with Reset, as a class goes on past its
  // first run: the browser compiles the program's code better once it has run (Chromium's
  // WebAssembly tiers), and the time of a first step is that of compiling.
  await check("Time step of 1000 particles", async () => {
    const lesson = fs.readFileSync(path.join(linuxRun, "lesson-1000.vestor"));
    const header = Buffer.alloc(4);
    header.writeUInt32BE(lesson.length);
    const packed = Buffer.concat([header, zlib.deflateSync(lesson, { level: 9 })]).toString("base64url");
    const tab = await opened(browser, `#lesson=${packed}`);
    await sleep(500);
    const opening = await windowShot(tab, "thousand-opened");
    for (let step = 0; step < 20; ++step) {
      await alt(tab, "t");
      await alt(tab, "r");
    }
    // Reset, with the mouse: its letter is Remove's while Remove is out.
    await tab.mouse.click(tab.box.x + 75, tab.box.y + 521);
    await sleep(500);
    // The key goes to the element that has the focus, which hands it to the program at once.
    const timeKey = (letter) => tab.evaluate((letter) => {
      const target = document.activeElement && document.activeElement.shadowRoot
        ? document.activeElement.shadowRoot.activeElement || document.activeElement : document.activeElement;
      const init = { key: letter, code: `Key${letter.toUpperCase()}`, keyCode: letter.toUpperCase().charCodeAt(0),
                     altKey: true, bubbles: true, cancelable: true, composed: true };
      const start = performance.now();
      target.dispatchEvent(new KeyboardEvent("keydown", init));
      target.dispatchEvent(new KeyboardEvent("keyup", init));
      return performance.now() - start;
    }, letter);
    const times = [], ignored = [];
    for (let step = 0; step < 9; ++step) {
      // Alt+J, which no control takes: what a key costs on its way to the program.
      ignored.push(await timeKey("j"));
      times.push(await timeKey("t"));
      // Remove, untimed, as vestor-seededrun does between its timed steps.
      await alt(tab, "r");
      await tab.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
    }
    // A lesson the browser refused would leave its message in front, and the steps would change nothing.
    const stepped = !same(opening, await windowShot(tab, "thousand-steps"));
    await tab.close();
    const median = (list) => [...list].sort((a, b) => a - b)[4];
    const web = median(times), webKey = median(ignored);
    const native = Number(/([\d.]+) ms/.exec(linuxTiming)[1]);
    const nativeKey = /Alt\+J\): ([\d.]+) ms/.exec(linuxTiming);
    if (!stepped)
      return [false, "the Linux build's lesson of 1000 particles did not open and step: shots/thousand-*.png"];
    return [web <= 3 * native && web > 0.01, `${web.toFixed(2)} ms in the browser, ${native.toFixed(2)} ms in the Linux ` +
            `build: ratio ${(web / native).toFixed(2)} (budget 3); Alt+J, which nothing takes, ${webKey.toFixed(2)} ms ` +
            `in the browser, ${nativeKey ? nativeKey[1] : "?"} ms in the Linux build`];
  });

  await check("touch: tap a tab, tap Time, drag a scroll bar", async () => {
    const tab = await opened(browser, "?seed=7", { touch: true });
    const b = tab.box;
    const start = await windowShot(tab, "touch-start");
    // The "Decay Chamber" tab, the Time button and the first scroll bar's thumb, where the pages
    // put them in the 800-pixel window.
    await tab.touchscreen.tap(b.x + TABS.chamber, b.y + 45);
    await sleep(300);
    const chamber = await windowShot(tab, "touch-chamber");
    await tab.touchscreen.tap(b.x + 345, b.y + 521);
    await sleep(300);
    const stepped = await windowShot(tab, "touch-time");
    await tab.touchscreen.tap(b.x + TABS.configuration, b.y + 45);
    await sleep(300);
    const config = await windowShot(tab, "touch-config");
    await tab.touchscreen.touchStart(b.x + 640, b.y + 177);
    for (let dx = 5; dx <= 60; dx += 5)
      await tab.touchscreen.touchMove(b.x + 640 + dx, b.y + 177);
    await tab.touchscreen.touchEnd();
    await sleep(300);
    const dragged = await windowShot(tab, "touch-drag");
    await tab.close();
    const turned = !same(start, chamber), time = !same(chamber, stepped), moved = !same(config, dragged);
    return [turned && time && moved, `tab ${turned ? "turned the page" : "did nothing"}, Time ${time ? "stepped" : "did nothing"}, ` +
            `drag ${moved ? "moved the thumb" : "did nothing"}: shots/touch-*.png`];
  });
  await page.close();

  await check("offline after the first load", async () => {
    server.kill();
    await sleep(500);
    let reachable = true;
    try { await fetch(site); } catch { reachable = false; }
    const tab = await opened(browser, "");
    await windowShot(tab, "offline");
    await tab.close();
    return [!reachable, `server stopped (${reachable ? "still answering" : "not answering"}), the window drew ` +
            `${tab.firstWindowMs} ms after opening: shots/offline.png`];
  });
  await browser.close();

  await check("German browser: the pages in German", async () => {
    server = serve();
    await waitForServer();
    const german = await launch("de-DE");
    const tab = await opened(german, "");
    const language = await tab.evaluate(() => navigator.language);
    const shot = await windowShot(tab, "german-configuration");
    const english = fs.readFileSync(path.join(shots, "configuration.png"));
    await german.close();
    server.kill();
    return [language.startsWith("de") && !same(shot, english), `navigator.language ${language}; ` +
            `the page ${same(shot, english) ? "is the English one" : "differs from the English one"}: shots/german-configuration.png`];
  });

  const failed = results.filter((r) => !r.ok).length;
  console.log(`web-check: ${results.length - failed} of ${results.length} passed; screenshots in ${shots}`);
  process.exit(failed ? 1 : 0);
})().catch((e) => {
  console.error(e);
  process.exit(1);
});
