// The web build in Debian's headless Chromium: the title matches the native frame, a tap on Play reaches the
// level select, the player's folder reaches IndexedDB, and a second visit finds its career and does not unpack
// the creatures again.
// Usage: node browser_test.js PAGE_DIR REFERENCE_DIR OUT_DIR   (scripts/web_test.sh prepares all three)
'use strict';
const fs = require('fs');
const http = require('http');
const os = require('os');
const path = require('path');
const puppeteer = require('puppeteer-core');

const [pageDir, refDir, outDir] = process.argv.slice(2);
const CHROMIUM = process.env.CHROMIUM || '/usr/bin/chromium';
const W = 240, H = 320;
// Frames drawn by the same code from the same files; only colour rounding may differ, and not much of it.
const MAX_DIFF_FRACTION = 0.005;
const TYPES = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm', '.data': 'application/octet-stream' };
// Where the title's and the options screen's buttons are (their pictures' places plus a little).
const REPLAY_FRAME = 600;  // in scripts/web_test.sh too
const PLAY = [196, 180], OPTIONS = [170, 220], HARD = [175, 228], BACK = [30, 295];
// The player's folder as the page mounts it; IndexedDB keeps it in a database of that name.
const PLAYER = '/home/web_user/.local/share/vorlaine';
const DATA = '/usr/share/games/vorlaine';
const UNPACKING = 'Decompressing graphics.';

let passed = 0, failed = 0;
function check(ok, what) {
  if (ok) passed++; else failed++;
  console.log(`${ok ? 'PASS' : 'FAIL'} ${what}`);
  return ok;
}

// A static server on the loopback address for the page's folder only.
function serve(folder) {
  const root = path.resolve(folder);
  const server = http.createServer((req, res) => {
    const name = path.normalize(decodeURIComponent(new URL(req.url, 'http://x').pathname)).replace(/^(\.\.[/\\])+/, '');
    const file = path.join(root, name);
    if (!file.startsWith(root + path.sep) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      res.writeHead(404); res.end(); return;
    }
    res.writeHead(200, { 'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream' });
    fs.createReadStream(file).pipe(res);
  });
  return new Promise(resolve => server.listen(0, '127.0.0.1', () => resolve(server)));
}

const sleep = ms => new Promise(r => setTimeout(r, ms));

// Counts pixels whose colour differs by more than RGB565 rounding, decoding both PNGs in the browser.
async function pixelDiff(page, pngA, pngB) {
  return page.evaluate(async (a, b) => {
    async function pixels(b64) {
      const img = await createImageBitmap(await (await fetch('data:image/png;base64,' + b64)).blob());
      const c = new OffscreenCanvas(img.width, img.height);
      const g = c.getContext('2d');
      g.drawImage(img, 0, 0);
      return { w: img.width, h: img.height, d: g.getImageData(0, 0, img.width, img.height).data };
    }
    const [p, q] = [await pixels(a), await pixels(b)];
    if (p.w !== q.w || p.h !== q.h) return { size: `${p.w}x${p.h} against ${q.w}x${q.h}`, differing: p.w * p.h, total: p.w * p.h };
    let differing = 0;
    for (let i = 0; i < p.d.length; i += 4) {
      if (Math.max(Math.abs(p.d[i] - q.d[i]), Math.abs(p.d[i + 1] - q.d[i + 1]), Math.abs(p.d[i + 2] - q.d[i + 2])) > 16) differing++;
    }
    return { differing, total: p.w * p.h };
  }, pngA.toString('base64'), pngB.toString('base64'));
}

async function shot(page, name) {
  const png = await page.screenshot({ clip: { x: 0, y: 0, width: W, height: H } });
  fs.writeFileSync(path.join(outDir, name), png);
  return png;
}

// Waits until the page shows a frame close to the reference; returns the moment it did (Date.now()), or -1.
async function waitForFrame(page, reference, timeoutMs) {
  const start = Date.now();
  while (Date.now() - start < timeoutMs) {
    const looked = Date.now();
    const presented = await page.evaluate(() => Module.vorlainePresented || 0).catch(() => 0);
    if (presented > 0) {
      const png = await page.screenshot({ clip: { x: 0, y: 0, width: W, height: H } });
      const d = await pixelDiff(page, png, reference);
      if (d.differing / d.total < MAX_DIFF_FRACTION) return looked;
    }
    await sleep(100);
  }
  return -1;
}

// What IndexedDB holds of the player's folder: names (relative) and, for the career, its bytes.
function storedFiles(page) {
  return page.evaluate(db => new Promise(resolve => {
    const open = indexedDB.open(db);
    open.onerror = () => resolve({ error: String(open.error) });
    open.onsuccess = () => {
      const d = open.result;
      if (!d.objectStoreNames.contains('FILE_DATA')) { d.close(); resolve({ names: [] }); return; }
      const store = d.transaction('FILE_DATA', 'readonly').objectStore('FILE_DATA');
      const keys = store.getAllKeys(), career = store.get(db + '/career.dat');
      career.onsuccess = () => {
        d.close();
        const contents = career.result && career.result.contents;
        resolve({ names: keys.result.map(k => k.substring(db.length + 1)).filter(n => n),
                  career: contents ? Array.from(contents) : null });
      };
    };
  }), PLAYER);
}

async function waitForStored(page, wanted, timeoutMs) {
  const start = Date.now();
  let files = await storedFiles(page);
  while (!wanted(files) && Date.now() - start < timeoutMs) {
    await sleep(100);
    files = await storedFiles(page);
  }
  return files;
}

async function tap(page, [x, y]) {
  await page.touchscreen.tap(x, y);
  await sleep(600);  // the menus act 200 ms after a tap; a few frames more to draw the next screen
}

async function main() {
  fs.mkdirSync(outDir, { recursive: true });
  const title = fs.readFileSync(path.join(refDir, 'title.png'));
  const levelSelect = fs.readFileSync(path.join(refDir, 'level_select.png'));
  const server = await serve(pageDir);
  const url = `http://127.0.0.1:${server.address().port}/vorlaine.html`;
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'vorlaine-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: CHROMIUM, headless: true, userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync', '--force-color-profile=srgb',
           // as a browser with a window: sound waits for a tap or a key
           '--autoplay-policy=document-user-activation-required'],
  });
  const log = [];
  try {
    const page = await browser.newPage();
    page.on('console', m => log.push(m.text()));
    page.on('pageerror', e => log.push('page error: ' + e.message));
    page.on('dialog', d => { log.push(`dialog: ${d.message().replace(/\n+/g, ' ')}`); d.accept(); });
    await page.setViewport({ width: W, height: H, deviceScaleFactor: 1, hasTouch: true, isMobile: false });

    // First visit: the title as the native build draws it.
    const opened = Date.now();
    await page.goto(url, { waitUntil: 'load' });
    const loaded = Date.now();
    const toTitle = await waitForFrame(page, title, 60000);
    const shown = await shot(page, 'web_title.png');
    const diff = await pixelDiff(page, shown, title);
    console.log(`title frame ${toTitle < 0 ? 'never shown' : (toTitle - opened) + ' ms after opening the page'} ` +
                `(load event after ${loaded - opened} ms); ${diff.differing} of ${diff.total} pixels differ from the native frame`);
    check(toTitle >= 0 && diff.differing / diff.total < MAX_DIFF_FRACTION, 'the title frame matches the native build\'s');
    const firstTitleMs = toTitle - opened;

    // The first start unpacks the creature archives into the player's folder and hides each archive by a
    // whiteout. Those files are written without a save: they reach IndexedDB all the same, soon.
    const unpacked = await waitForStored(page, f => f.names && f.names.includes('graphics/gmean/.wh.gmean.zip'), 10000);
    const whiteouts = (unpacked.names || []).filter(n => /\/\.wh\.[^/]*\.zip$/.test(n));
    const frames = (unpacked.names || []).filter(n => /^graphics\/(ant|snow|zombie|gmean)\/[^/]*\.tga$/.test(n));
    check(log.filter(l => l === UNPACKING).length === 1 && whiteouts.length === 4 && frames.length > 100,
          `the first visit unpacks once, and the frames and whiteouts reach IndexedDB without a save ` +
          `(${frames.length} frames, whiteouts ${whiteouts.join(' ')})`);
    const box = await page.evaluate(() => {
      const r = document.getElementById('canvas').getBoundingClientRect();
      const hint = getComputedStyle(document.getElementById('hint')).display;
      return { x: r.x, y: r.y, w: r.width, h: r.height, hint, scrollW: document.documentElement.scrollWidth,
               scrollH: document.documentElement.scrollHeight };
    });
    check(box.x === 0 && box.y === 0 && box.w === W && box.h === H && box.hint === 'none' &&
          box.scrollW === W && box.scrollH === H, `a 240 x 320 window shows the frame 1:1 and nothing else (${JSON.stringify(box)})`);

    // A finger's tap on Play reaches the level select; sound starts with that first tap (its click plays).
    const sound = () => page.evaluate(() => ({
      context: Module.SDL2 && Module.SDL2.audioContext ? Module.SDL2.audioContext.state : 'none',
      device: !!(Module.SDL2 && Module.SDL2.audio && Module.SDL2.audio.scriptProcessorNode) }));
    const soundBefore = await sound();
    await tap(page, PLAY);
    const toSelect = await waitForFrame(page, levelSelect, 5000);
    await shot(page, 'web_level_select.png');
    check(toSelect >= 0 && log.includes('Clicked!'), 'a tap on Play reaches the level select');
    const soundAfter = await sound();
    check(soundBefore.context === 'suspended' && soundAfter.context === 'running' && soundAfter.device,
          `sound starts with the first tap (before ${JSON.stringify(soundBefore)}, after ${JSON.stringify(soundAfter)})`);

    // A career saved in this visit: HARD on the options screen, confirmed.
    await tap(page, BACK);
    await tap(page, OPTIONS);
    await tap(page, HARD);
    // Reloaded as soon as IndexedDB holds the saved career.
    const stored = await waitForStored(page, f => f.career && f.career[60] === 2, 5000);
    const optionsBefore = await shot(page, 'web_options_saved.png');
    check(log.includes('Successfully added career.'), 'the options screen saved the career');

    // Second visit: the same browser profile, the page loaded again.
    log.length = 0;
    const reopened = Date.now();
    await page.reload({ waitUntil: 'load' });
    const toTitleAgain = await waitForFrame(page, title, 60000);
    check(toTitleAgain >= 0, 'the title shows again after a reload');
    console.log(`title frame ${firstTitleMs} ms after opening the page on the first visit, ` +
                `${toTitleAgain < 0 ? 'never' : (toTitleAgain - reopened) + ' ms'} on the second`);
    check(toTitleAgain >= 0 && !log.includes(UNPACKING) && log.some(l => l.startsWith(`Data folder ${DATA}/;`)),
          'a second visit finds its data as an installed copy does and does not unpack the creatures again');
    await tap(page, OPTIONS);
    const optionsAfter = await shot(page, 'web_options_reloaded.png');
    const career = await page.evaluate((player, data) => {
      const read = p => { try { return Array.from(FS.readFile(p)); } catch (e) { return null; } };
      return { kept: read(player + '/career.dat'), besideData: read(data + '/career.dat') };
    }, PLAYER, DATA);
    const again = await pixelDiff(page, optionsAfter, optionsBefore);
    check(stored.career && career.kept && career.kept.length === 64 && career.kept[60] === 2 && !career.besideData &&
          !log.includes('No career file exists yet.') && again.differing / again.total < MAX_DIFF_FRACTION,
          `the career saved before the reload is still there, from the player's folder in IndexedDB ` +
          `(difficulty HARD; options screen ${again.differing} pixels apart)`);

    // A larger window: whole factors, with the key hint below the game.
    await page.setViewport({ width: 800, height: 1000, deviceScaleFactor: 1, hasTouch: true, isMobile: false });
    await sleep(300);
    const big = await page.evaluate(() => {
      const r = document.getElementById('canvas').getBoundingClientRect();
      return { w: r.width, h: r.height, hint: getComputedStyle(document.getElementById('hint')).display };
    });
    check(big.w === 3 * W && big.h === 3 * H && big.hint !== 'none', `an 800 x 1000 window shows the frame 3:1 with the hint (${JSON.stringify(big)})`);

    // A second tab does not start another copy; it asks the first to come to the front.
    const second = await browser.newPage();
    await second.goto(url, { waitUntil: 'load' });
    await sleep(1500);
    const secondHint = await second.evaluate(() => document.getElementById('hint').textContent);
    await second.close();
    // The first tab hears the request once it draws again (a hidden tab gets no frames).
    await page.bringToFront();
    await sleep(1000);
    check(/already running/.test(secondHint) && log.includes('Brought to the front by another start.'),
          `a second tab leaves the game to the first (${secondHint})`);

    // The same seed and clock step play the same game as the native build, frame for frame: the built-in
    // player through level 1, photographed into the page's own files (a fresh profile: NORMAL, as native).
    await page.close();
    const fresh = await browser.createBrowserContext();
    const replay = await fresh.newPage();
    const replayLog = [];
    replay.on('console', m => replayLog.push(m.text()));
    // ... on a phone's screen: 360 x 740 at 2.625 device pixels a pixel.
    await replay.setViewport({ width: 360, height: 740, deviceScaleFactor: 2.625, isMobile: true, hasTouch: true });
    const args = `--fixed-step 20 --seed 5 --level 1 --autoplay --frames ${REPLAY_FRAME} --screenshot ${REPLAY_FRAME}:/tmp/replay.png`;
    await replay.goto(`${url}?args=${encodeURIComponent(args)}`, { waitUntil: 'load' });
    const replayStart = Date.now();
    while (!(await replay.evaluate(() => Module.vorlainePresented > 2).catch(() => false)) && Date.now() - replayStart < 60000)
      await sleep(100);
    const phone = await replay.evaluate(() => {
      const c = document.getElementById('canvas'), r = c.getBoundingClientRect();
      return { backing: [c.width, c.height], css: [r.width, r.height] };
    });
    while (!replayLog.includes('Shell restored.') && Date.now() - replayStart < 120000) await sleep(200);
    let replayDiff = { differing: -1, total: W * H };
    if (replayLog.includes('Shell restored.')) {
      const png = Buffer.from(await replay.evaluate(() => Array.from(FS.readFile('/tmp/replay.png'))));
      fs.writeFileSync(path.join(outDir, 'web_replay.png'), png);
      replayDiff = await pixelDiff(replay, png, fs.readFileSync(path.join(refDir, 'replay.png')));
    }
    // The page's log of the run, beside the native one (reference/native_replay.log), for when they part.
    fs.writeFileSync(path.join(outDir, 'web_replay.log'), replayLog.join('\n') + '\n');
    check(phone.backing[0] === 2 * W && phone.backing[1] === 2 * H && phone.css[0] === 360 && phone.css[1] === 480,
          `a phone's screen gets the frame across its width, drawn at a whole 2:1 inside (${JSON.stringify(phone)})`);
    check(replayDiff.differing === 0, `seed 5 at 20 ms a frame plays level 1 as the native build: frame ${REPLAY_FRAME} ` +
          `${replayDiff.differing < 0 ? 'never written' : replayDiff.differing + ' pixels apart'}`);
    await fresh.close();

    const errors = log.filter(l => /page error|Aborted|exception/i.test(l));
    check(errors.length === 0, `no page errors${errors.length ? ': ' + errors.join(' | ') : ''}`);
  } finally {
    fs.writeFileSync(path.join(outDir, 'console.log'), log.join('\n') + '\n');
    await browser.close();
    server.close();
    fs.rmSync(profile, { recursive: true, force: true });
  }
}

main().catch(e => { console.log('FAIL the browser test stopped: ' + (e && e.stack || e)); failed++; })
  .finally(() => {
    console.log(`${passed} passed, ${failed} failed`);
    process.exit(failed ? 1 : 0);
  });
