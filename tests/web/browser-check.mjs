// The web build in Debian's headless Chromium.
// Usage: node browser-check.mjs WEB_DIR LINUX_REPLAY [CASE...] (all the cases when none is named)
// WEB_DIR holds tilebounce-web.zip and tilebounce.html (scripts/build-web's build/web). The zip is
// unpacked and served on 127.0.0.1; every picture is compared with the one the Linux replay tool
// LINUX_REPLAY draws for the same keys. Prints a line a case; exit status 1 at the first failure.
import {readFileSync, readdirSync} from 'node:fs';
import {join, resolve} from 'node:path';
import {notePresents, sleep, unpackSite, withSite} from './chromium.mjs';
import {pageCases} from './page-cases.mjs';
import {runCases} from './run-cases.mjs';
import {makeReferences} from './pictures.mjs';

const [webDir, linuxReplay] = process.argv.slice(2, 4).map(path => path && resolve(path));
const chosen = process.argv.slice(4);
if (!linuxReplay) {
  console.error('usage: node browser-check.mjs WEB_DIR LINUX_REPLAY [CASE...]');
  process.exit(2);
}
const patienceMs = 30000;  // a busy machine may be slow; nothing here is timed
const windowTitle = '\uC81C\uBAA9 \uC5C6\uAC70\uB369?';
const settingsFile = '/home/web_user/.config/tilebounce/settings.ini';
const work = unpackSite(webDir, 'browser-check');

class Failure extends Error {}
function expect(condition, what) {
  if (!condition) {
    throw new Failure(what);
  }
}

async function waitFor(what, probe) {
  const deadline = Date.now() + patienceMs;
  let last;
  while (Date.now() < deadline) {
    last = await probe();
    if (last.ok) {
      return last;
    }
    await sleep(100);
  }
  throw new Failure(`${what}: ${last.why}`);
}

// The canvas against a reference picture, counted in the page: pixels differing by more than 5 %
// in a channel (as the desktop's checks allow), and their mean column. Over the title, the band
// from row 392 down, where the presenter draws the hint of what to press (which the replay tool
// never draws), is left out, as the desktop's checks leave it out.
function compareInPage(name, rgbBase64) {
  window.tbReferences = window.tbReferences || {};
  if (rgbBase64) {
    window.tbReferences[name] = Uint8Array.from(atob(rgbBase64), c => c.charCodeAt(0));
  }
  const reference = window.tbReferences[name];
  const canvas = document.getElementById('canvas');
  if (!reference) {
    return {missing: true};
  }
  if (canvas.width !== 640 || canvas.height !== 480) {
    return {size: `${canvas.width} × ${canvas.height}`};
  }
  const rows = name === 'title' ? 392 : 480;
  const pixels = canvas.getContext('2d').getImageData(0, 0, 640, rows).data;
  let differing = 0;
  let columns = 0;
  for (let i = 0, j = 0; i < pixels.length; i += 4, j += 3) {
    if (Math.abs(pixels[i] - reference[j]) > 12 || Math.abs(pixels[i + 1] - reference[j + 1]) > 12 ||
        Math.abs(pixels[i + 2] - reference[j + 2]) > 12) {
      ++differing;
      columns += (i / 4) % 640;
    }
  }
  return {differing, meanColumn: differing ? columns / differing : -1};
}

const references = makeReferences(linuxReplay, work);
async function compare(page, name) {
  let result = await page.evaluate(compareInPage, name, null);
  if (result.missing) {
    result = await page.evaluate(compareInPage, name,
                                 references[name].rgb.toString('base64'));
  }
  return result;
}

// Waits until the canvas shows the reference NAME, but for at most `allowed` pixels.
function waitForPicture(page, name, allowed = 0) {
  return waitFor(`the canvas never showed ${name}`, async () => {
    const result = await compare(page, name);
    return {ok: result.differing !== undefined && result.differing <= allowed,
            why: result.size ? `canvas ${result.size}` : `${result.differing} pixels differ`,
            ...result};
  });
}

// Stage 1 in play: as the replay shows it but for the balls' trails (100 dots of 3 pixels).
const inPlay = page => waitForPicture(page, 'stage1', 600);

// The page's start: CHOICE (its button's selector) chosen as soon as it shows.
async function choose(page, choice = '#play') {
  await page.waitForSelector(`#start:not([hidden]) ${choice}:not([hidden])`, {timeout: patienceMs});
  await page.click(choice);
}

// Loads the page and plays, as the player's first choice does.
async function openGame(page, url) {
  await page.goto(url);
  await choose(page);
}

// From the title loading to stage 1 in play: Enter leaves the title, an arrow the card.
async function startPlaying(page) {
  await waitForPicture(page, 'title');
  await page.keyboard.press('Enter');
  await waitForPicture(page, 'card');
  await page.keyboard.press('ArrowRight');
  await inPlay(page);
}

// Holds an input (`hold(true)`, let go by `hold(false)`) until the ball's trail has moved to the
// right (sign 1) or the left (-1).
async function steerBy(page, what, hold, sign) {
  const before = (await compare(page, 'stage1')).meanColumn;
  await hold(true);
  try {
    await waitFor(`holding ${what} did not move the ball`, async () => {
      const now = (await compare(page, 'stage1')).meanColumn;
      return {ok: sign * (now - before) >= 10, why: `trail from column ${before} to ${now}`};
    });
  } finally {
    await hold(false);
  }
}

const steer = (page, key, sign) =>
  steerBy(page, key, down => down ? page.keyboard.down(key) : page.keyboard.up(key), sign);

// How many pictures the page has put on the canvas.
const presents = page => page.evaluate(() => window.tbPresentTimes.length);

// Expects no more than `most` presents over the next `ms` milliseconds (`where`, for the
// message); resolves to the count at the end.
async function expectHeld(page, ms, most, where) {
  const before = await presents(page);
  await sleep(ms);
  const after = await presents(page);
  expect(after - before <= most, `${after - before} presents ${where}`);
  return after;
}

// Waits until the game has presented more than ten pictures past the count `since`.
function expectGoingOn(page, since, what) {
  return waitFor(what, async () => {
    const now = await presents(page);
    return {ok: now > since + 10, why: `${now - since} presents since`};
  });
}

// Run in the page: `count` taps of - and = by turns, all dispatched in one go, as a key held
// down on a fast machine's auto-repeat or a script might.
function tapVolumeKeys(count) {
  for (let tap = 0; tap < count; ++tap) {
    const [key, code, keyCode] = tap % 2 ? ['-', 'Minus', 189] : ['=', 'Equal', 187];
    for (const type of ['keydown', 'keyup']) {
      const event = new KeyboardEvent(type, {key, code, bubbles: true, cancelable: true});
      Object.defineProperty(event, 'keyCode', {get: () => keyCode});
      Object.defineProperty(event, 'which', {get: () => keyCode});
      window.dispatchEvent(event);
    }
  }
}

// Presents a second since the page's time `since`, over the gaps of less than a tenth of a
// second (longer ones are the game pausing on purpose, on a card or a lost ball).
async function presentsPerSecond(page, since) {
  const times = (await page.evaluate(() => window.tbPresentTimes)).filter(at => at >= since);
  const gaps = times.slice(1).map((at, i) => at - times[i]).filter(gap => gap < 100);
  return gaps.length * 1000 / gaps.reduce((sum, gap) => sum + gap, 0);
}

// A gamepad of the standard layout, in place of the browser's own: plugged in by
// window.tbPlugPad(), its buttons (by their standard numbers) pressed by window.tbPadButton.
function standardPad() {
  const pad = {id: 'Test pad (STANDARD GAMEPAD)', index: 0, connected: true, mapping: 'standard',
               timestamp: 0, axes: [0, 0, 0, 0],
               buttons: Array.from({length: 17}, () => ({pressed: false, touched: false, value: 0}))};
  navigator.getGamepads = () => [pad, null, null, null];
  window.tbPadButton = (button, down) => {
    pad.buttons[button] = {pressed: down, touched: down, value: down ? 1 : 0};
    pad.timestamp = performance.now();
  };
  window.tbPlugPad = () => {
    const plugged = new Event('gamepadconnected');
    plugged.gamepad = pad;
    window.dispatchEvent(plugged);
  };
}
const PadButton = {start: 9, y: 3, right: 15};

async function pressPad(page, button) {
  await page.evaluate(button => window.tbPadButton(button, true), button);
  await sleep(200);  // held over a few polls
  await page.evaluate(button => window.tbPadButton(button, false), button);
}

// Notes the loudest sample the game's audio has put out: SDL fills each block of its script
// processor in the node's audioprocess handler, which is wrapped here to read the block after it.
function listenToAudio() {
  window.tbLoudest = 0;
  const create = AudioContext.prototype.createScriptProcessor;
  AudioContext.prototype.createScriptProcessor = function (...shape) {
    const node = create.apply(this, shape);
    Object.defineProperty(node, 'onaudioprocess', {
      set(fill) {
        node.addEventListener('audioprocess', block => {
          fill.call(node, block);
          for (let channel = 0; channel < block.outputBuffer.numberOfChannels; ++channel) {
            for (const sample of block.outputBuffer.getChannelData(channel)) {
              window.tbLoudest = Math.max(window.tbLoudest, Math.abs(sample));
            }
          }
        });
      },
    });
    return node;
  };
}

// A page whose console errors, uncaught exceptions, printed lines and presents are kept.
async function openPage(browser, setUp) {
  const page = await browser.newPage();
  await page.evaluateOnNewDocument(notePresents);
  page.errors = [];
  page.lines = [];
  page.warnings = [];
  page.on('console', message => {
    if (message.type() === 'error') {
      page.errors.push(message.text());
    } else if (message.type() === 'log') {
      page.lines.push(message.text());
    } else if (message.type() === 'warn') {
      page.warnings.push(message.text());
    }
  });
  page.on('pageerror', error => page.errors.push(String(error)));
  if (setUp) {
    await setUp(page);
  }
  return page;
}

function expectNoErrors(page) {
  expect(page.errors.length === 0, `console errors: ${page.errors.join(' | ')}`);
}

// The text of a file as the page keeps it in IndexedDB (emscripten's IDBFS: a database named
// after the folder, its files in the store FILE_DATA by path), or '' where there is none.
function keptFile(file) {
  return new Promise(done => {
    const opened = indexedDB.open(file.slice(0, file.lastIndexOf('/')));
    opened.onerror = () => done('');
    opened.onsuccess = () => {
      // Closed at once, so that it never holds up the page's own use of the database.
      const base = opened.result;
      const finish = text => {
        base.close();
        done(text);
      };
      if (!base.objectStoreNames.contains('FILE_DATA')) {
        finish('');
        return;
      }
      const read = base.transaction('FILE_DATA').objectStore('FILE_DATA').get(file);
      read.onsuccess = () => finish(read.result && read.result.contents ?
                                    new TextDecoder().decode(read.result.contents) : '');
      read.onerror = () => finish('');
    };
  });
}

// What the page says above its start once the game has ended; '' while the start is not shown.
const endNote = page => page.$eval('#start', box => box.hidden ? '' :
  box.querySelector('#start-note').textContent.trim());

// Run in the page: writes each file (by path, its text) and saves the kept folders to IndexedDB.
function writeKept(files) {
  for (const [path, text] of Object.entries(files)) {
    Module.FS.mkdirTree(path.slice(0, path.lastIndexOf('/')));
    Module.FS.writeFile(path, text);
  }
  return new Promise((done, failed) =>
    Module.FS.syncfs(false, error => error ? failed(error) : done()));
}

// The site's kept folders as a new player's: what a case keeps (a key bound away from Enter)
// must not reach the cases after it, which share the site.
async function forgetKept(browser, site) {
  const page = await browser.newPage();
  const cdp = await page.target().createCDPSession();
  await cdp.send('Storage.clearDataForOrigin',
                 {origin: new URL(site.url).origin, storageTypes: 'indexeddb'});
  await cdp.detach();
  await page.close();
}

const ended = page => waitFor('the page never said that the game ended', async () => {
  const text = await endNote(page);
  return {ok: text === 'The game has ended.', why: `"${text}"`};
});

// Alt+Enter, then waits until the element at full screen is `wanted` ('none': none).
async function toggleFullScreen(page, wanted) {
  await page.keyboard.down('Alt');
  await page.keyboard.press('Enter');
  await page.keyboard.up('Alt');
  await waitFor(`Alt+Enter did not make the full screen ${wanted}`, async () => {
    const now = await page.evaluate(() => (document.fullscreenElement || {id: 'none'}).id);
    return {ok: now === wanted, why: now};
  });
}

const cases = {
  // Loads cleanly, shows the title, the card and stage 1 as the replay tool draws them, steers,
  // and ends on Escape with the page saying so and offering its start again, whose Play loads
  // the page again and plays.
  async play(browser, site) {
    const page = await openPage(browser);
    await openGame(page, site.url);
    await waitForPicture(page, 'title');
    expect(await page.title() === windowTitle, `page title "${await page.title()}"`);
    const icon = await page.$eval('link[rel=icon]', link => link.href.slice(0, 22));
    expect(icon === 'data:image/x-icon;base', `favicon ${icon}`);
    await toggleFullScreen(page, 'game');
    await waitForPicture(page, 'title');
    await toggleFullScreen(page, 'none');
    await page.keyboard.press('Enter');
    await waitForPicture(page, 'card');
    await page.keyboard.press('ArrowRight');
    await inPlay(page);
    await steer(page, 'ArrowRight', 1);
    await steer(page, 'ArrowLeft', -1);
    const scrolled = await page.evaluate(() => window.scrollY + document.scrollingElement.scrollTop);
    expect(scrolled === 0, `the page scrolled by ${scrolled}`);
    await page.keyboard.press('Escape');
    await ended(page);
    expect(page.lines.join('\n') === 'stage1', `console lines: ${page.lines.join(' | ')}`);
    await choose(page);
    await waitForPicture(page, 'title');
    expectNoErrors(page);
    await page.close();
  },

  // On a touch screen the on-screen keys show; a tap on Enter leaves the title, and two fingers
  // at once hold two keys, which leave the card. A gamepad plugged in hides the keys, until the
  // screen is touched again.
  async touch(browser, site) {
    const page = await openPage(browser, async page => {
      await page.setViewport({width: 480, height: 800, isMobile: true, hasTouch: true});
      await page.evaluateOnNewDocument(standardPad);
    });
    await page.goto(site.url);
    await page.waitForSelector('#play');
    await page.tap('#play');
    await waitForPicture(page, 'title');
    expect(await page.$eval('#touch', keys => getComputedStyle(keys).display !== 'none'),
           'no on-screen keys on a touch screen');
    await page.tap('#touch button[data-code=Enter]');
    await waitForPicture(page, 'card');
    const centre = async selector => {
      const box = await (await page.$(selector)).boundingBox();
      return {x: box.x + box.width / 2, y: box.y + box.height / 2};
    };
    const right = await centre('#touch button[data-code=ArrowRight]');
    const space = await centre('#touch button[data-code=Space]');
    const cdp = await page.createCDPSession();
    await cdp.send('Input.dispatchTouchEvent',
                   {type: 'touchStart', touchPoints: [{...right, id: 1}, {...space, id: 2}]});
    const held = await page.$$eval('#touch button.held', keys => keys.map(k => k.dataset.code));
    expect(held.sort().join() === 'ArrowRight,Space', `held on two touches: ${held}`);
    await inPlay(page);
    await cdp.send('Input.dispatchTouchEvent', {type: 'touchEnd', touchPoints: []});
    const still = await page.$$eval('#touch button.held', keys => keys.length);
    expect(still === 0, `${still} keys still held after the touches ended`);
    // A touch on the picture that the browser takes back (a gesture of its own) is no error.
    const picture = await centre('#canvas');
    await cdp.send('Input.dispatchTouchEvent', {type: 'touchStart', touchPoints: [picture]});
    await cdp.send('Input.dispatchTouchEvent', {type: 'touchCancel', touchPoints: []});
    await sleep(200);
    const keysShown = () => page.$eval('#touch .pad', pad => pad.getClientRects().length > 0);
    await page.evaluate(() => window.tbPlugPad());
    expect(!await keysShown(), 'the on-screen keys stayed with a gamepad plugged in');
    await page.tap('#canvas');
    expect(await keysShown(), 'the on-screen keys did not come back at a touch');
    expectNoErrors(page);
    await page.close();
  },

  // A tab in the background pauses the game, as a window losing the focus does: it stays held
  // when the tab is shown again, and goes on once the player takes the pause off (P).
  async hidden(browser, site) {
    const page = await openPage(browser);
    await openGame(page, site.url);
    await startPlaying(page);
    const other = await browser.newPage();
    await other.bringToFront();
    await waitFor('the page never became hidden', async () => {
      const state = await page.evaluate(() => document.visibilityState);
      return {ok: state === 'hidden', why: state};
    });
    const held = await expectHeld(page, 2000, 1, 'in a hidden tab');
    await page.bringToFront();
    await page.keyboard.press('KeyP');
    await expectGoingOn(page, held, 'the game did not go on after P in the tab shown again');
    expectNoErrors(page);
    await other.close();
    await page.close();
  },

  // The sound note until the player's first act (the start's Play); silence through the title,
  // and the stage card's cue reaches the page's audio output.
  async sound(browser, site) {
    const page = await openPage(browser, page => page.evaluateOnNewDocument(listenToAudio));
    await page.goto(site.url);
    expect(await page.$('#sound-note') !== null, 'no sound note before the first act');
    await choose(page);
    expect(await page.$('#sound-note') === null, 'the sound note stayed after the first act');
    await waitForPicture(page, 'title');
    await sleep(1000);
    const silence = await page.evaluate(() => window.tbLoudest);
    expect(silence === 0, `sound through the title: loudest sample ${silence}`);
    await page.keyboard.press('Enter');
    await waitForPicture(page, 'card');
    await waitFor('the stage card\'s cue never reached the audio output', async () => {
      const loudest = await page.evaluate(() => window.tbLoudest);
      return {ok: loudest > 0.1, why: `loudest sample ${loudest}`};
    });
    expectNoErrors(page);
    await page.close();
  },

  // A gamepad plugged in while the title shows: Start leaves the title and the card, the D-pad
  // steers, Y pauses play and takes the pause off.
  async gamepad(browser, site) {
    const page = await openPage(browser, page => page.evaluateOnNewDocument(standardPad));
    await openGame(page, site.url);
    await waitForPicture(page, 'title');
    await page.evaluate(() => window.tbPlugPad());
    await pressPad(page, PadButton.start);
    await waitForPicture(page, 'card');
    await pressPad(page, PadButton.start);
    await inPlay(page);
    await steerBy(page, 'the D-pad right',
                  down => page.evaluate((button, down) => window.tbPadButton(button, down),
                                        PadButton.right, down), 1);
    await pressPad(page, PadButton.y);
    const held = await expectHeld(page, 1000, 2, 'in a second after Y paused the game');
    await pressPad(page, PadButton.y);
    await expectGoingOn(page, held, 'the game did not go on after Y again');
    expectNoErrors(page);
    await page.close();
  },

  // Taps of the volume keys by the thousand, all at once: play stays paced at 60 pictures a
  // second, and P after them pauses within a second.
  async flood(browser, site) {
    const page = await openPage(browser);
    await openGame(page, site.url);
    await startPlaying(page);
    const since = await page.evaluate(() => performance.now());
    await page.evaluate(tapVolumeKeys, 2000);
    await sleep(2000);
    const pace = await presentsPerSecond(page, since);
    expect(pace >= 54 && pace <= 66, `${pace.toFixed(1)} presents a second after the taps`);
    await page.keyboard.press('KeyP');
    await sleep(1000);
    await expectHeld(page, 1000, 1, 'in the second from 1 s after P');
    expectNoErrors(page);
    await page.close();
  },

  // A change of volume in the title's first two seconds (while the game sleeps on it) is kept
  // in IndexedDB within a second.
  async 'settings-soon'(browser, site) {
    const page = await openPage(browser);
    await openGame(page, site.url);
    await page.waitForFunction(() => window.tbFirstPictureMs !== null, {timeout: patienceMs});
    const pressed = Date.now();
    await page.keyboard.press('Minus');
    await waitFor('the volume was never kept', async () => {
      const kept = await page.evaluate(keptFile, settingsFile);
      return {ok: kept.includes('volume = 90'), why: `kept "${kept}"`};
    });
    const tookMs = Date.now() - pressed;
    expect(tookMs < 1000, `the volume kept ${tookMs} ms after the key`);
    expectNoErrors(page);
    await page.close();
  },

  // A settings file kept in IndexedDB as a file with no contents: one warning, and the game
  // plays with its standard streams where they belong (its line reaches the console).
  async 'settings-damaged'(browser, site) {
    const page = await openPage(browser);
    await openGame(page, site.url);
    await waitForPicture(page, 'title');
    await page.evaluate(file => new Promise((done, failed) => {
      const opened = indexedDB.open(file.slice(0, file.lastIndexOf('/')));
      opened.onerror = () => failed(opened.error);
      opened.onsuccess = () => {
        const put = opened.result.transaction('FILE_DATA', 'readwrite').objectStore('FILE_DATA')
          .put({timestamp: new Date(), mode: 0o100644}, file);
        put.onsuccess = () => {
          opened.result.close();
          done();
        };
        put.onerror = () => failed(put.error);
      };
    }), settingsFile);
    await page.reload();
    await choose(page);
    await startPlaying(page);
    await page.keyboard.press('Escape');
    await ended(page);
    expect(page.lines.join('\n') === 'stage1', `console lines: ${page.lines.join(' | ')}`);
    const told = page.warnings.filter(line => line.startsWith('tilebounce:'));
    expect(told.length === 1, `warnings: ${told.join(' | ')}`);
    expectNoErrors(page);
    await page.close();
  },

  // A .wasm missing, cut short or not WebAssembly at all: one message on the page, the
  // loading line gone, and no uncaught error.
  async 'broken-wasm'(browser, site) {
    const wasm = readFileSync(join(work, 'site', 'tilebounce.wasm'));
    const answers = {
      missing: {status: 404, body: ''},
      truncated: {status: 200, body: wasm.subarray(0, wasm.length >> 1)},
      garbage: {status: 200, body: Buffer.alloc(wasm.length, 'tilebounce ')},
    };
    for (const [name, answer] of Object.entries(answers)) {
      const page = await openPage(browser, async page => {
        await page.setBypassServiceWorker(true);  // a kept copy would answer before the network
        await page.setRequestInterception(true);
        page.on('request', request => request.url().endsWith('.wasm') ?
          request.respond({...answer, contentType: 'application/wasm'}) : request.continue());
      });
      await page.goto(site.url);
      const said = await waitFor(`${name}: the page never said that the game stopped`, async () => {
        const text = await endNote(page);
        return {ok: text !== '', why: 'no message', text};
      });
      await sleep(500);
      const status = await page.$eval('#status', line => line.textContent);
      expect(status === '', `${name}: the status line says "${status}" beside "${said.text}"`);
      const errors = page.errors.filter(line => !line.startsWith('Failed to load resource'));
      expect(errors.length === 0, `${name}: console errors: ${errors.join(' | ')}`);
      await page.close();
    }
  },

  // A browser without WebAssembly gets a message, not a blank page.
  async 'no-webassembly'(browser, site) {
    const page = await openPage(browser, page =>
      page.evaluateOnNewDocument(() => delete window.WebAssembly));
    await page.goto(site.url);
    const said = await page.$eval('#status', line => line.textContent);
    expect(said === 'This browser cannot run the game: it has no WebAssembly.', `status "${said}"`);
    expectNoErrors(page);
    await page.close();
  },

  // The single file plays straight from disk.
  async file(browser) {
    const page = await openPage(browser);
    await openGame(page, 'file://' + join(webDir, 'tilebounce.html'));
    await waitForPicture(page, 'title');
    await page.keyboard.press('Enter');
    await waitForPicture(page, 'card');
    expectNoErrors(page);
    await page.close();
  },

  // The settings folder lives in IndexedDB: a settings file put there (a key bound to Enter) is
  // there again after a reload, and the game reads it.
  async settings(browser, site) {
    const page = await openPage(browser);
    await openGame(page, site.url);
    await waitForPicture(page, 'title');
    const written = '[keys]\nEnter = X\n';
    await page.evaluate(writeKept, {[settingsFile]: written});
    expect(await page.evaluate(keptFile, settingsFile) === written, 'not kept in IndexedDB');
    await page.reload();
    await choose(page);
    await waitForPicture(page, 'title');
    const text = await page.evaluate(file => Module.FS.readFile(file, {encoding: 'utf8'}),
                                     settingsFile);
    expect(text === written, `after the reload the settings read "${text}"`);
    await page.keyboard.press('KeyX');
    await waitForPicture(page, 'card');
    expectNoErrors(page);
    await page.close();
  },
  ...pageCases({work, expect, waitFor, openPage, choose, openGame, waitForPicture, writeKept,
                keptFile, expectNoErrors, settingsFile}),
  ...runCases({work, expect, waitFor, openPage, choose, waitForPicture, expectNoErrors,
               linuxReplay}),
};

const unpacked = join(work, 'site');
const files = readdirSync(unpacked, {recursive: true}).sort().join(' ');
if (files !== 'LICENSE THIRD-PARTY.md icon-192.png icon-512.png index.html licences ' +
    'licences/Emscripten.txt licences/FreeType.txt licences/SDL2.txt licences/SDL2_ttf.txt ' +
    'manifest.webmanifest service-worker.js tilebounce.js tilebounce.wasm') {
  console.error(`browser-check: the zip holds ${files}`);
  process.exit(1);
}
let failed = false;
await withSite(work, async (browser, site) => {
  for (const [name, check] of Object.entries(cases)) {
    if (chosen.length && !chosen.includes(name)) {
      continue;
    }
    try {
      await forgetKept(browser, site);
      await check(browser, site);
      console.log(`browser-check: ${name} passed`);
    } catch (error) {
      failed = true;
      console.log(`browser-check: ${name} FAILED: ${error instanceof Failure ? error.message : error.stack}`);
    }
  }
});
process.exit(failed ? 1 : 0);
