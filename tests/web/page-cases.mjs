// The browser checks of the page around the game: its layout on five screens, its start, its
// copy kept for offline play and replaced whole by a newer one, and the kept folders carried out
// to a file and back. browser-check.mjs gives them its means (`kit`) and runs them.
import {createHash} from 'node:crypto';
import {cpSync, existsSync, mkdirSync, readFileSync, rmSync, writeFileSync} from 'node:fs';
import {join} from 'node:path';
import {serve} from './static-server.mjs';

// Phone across and upright, a tablet, two desktop screens.
const screens = [[844, 390], [390, 844], [1024, 768], [1280, 800], [1920, 1080]];
const recordsFolder = '/home/web_user/.local/share/tilebounce';

// Run in the page: the picture's box and the on-screen keys' boxes.
function boxesInPage() {
  const box = element => {
    const {x, y, width, height} = element.getBoundingClientRect();
    return {x, y, width, height};
  };
  return {picture: box(document.getElementById('canvas')),
          keys: Array.from(document.querySelectorAll('#touch button'), box)};
}

const overlap = (a, b) =>
  a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
const inside = (box, width, height) =>
  box.x >= 0 && box.y >= 0 && box.x + box.width <= width + 0.5 && box.y + box.height <= height + 0.5;

export function pageCases(kit) {
  const {expect, waitFor, openPage, choose, openGame, waitForPicture} = kit;

  // A copy of the unpacked site served on a port of its own: another origin, another worker.
  async function servedCopy(name) {
    const folder = join(kit.work, name);
    rmSync(folder, {recursive: true, force: true});
    cpSync(join(kit.work, 'site'), folder, {recursive: true});
    return {folder, ...await serve(folder)};
  }

  // Loads URL and waits until its worker is active, its version kept whole.
  async function visitAndKeep(browser, url) {
    const page = await openPage(browser);
    await page.goto(url);
    await page.evaluate(() => navigator.serviceWorker.ready.then(() => {}));
    await page.close();
  }

  const keptVersions = page => page.evaluate(() => caches.keys());

  return {
    // At each screen size, on a touch screen with the game's title up: the picture 4:3 and at
    // least 90 % of the largest 4:3 box the screen holds, and every on-screen key at least 48 px,
    // on the screen and off the picture. TB_PAGE_SCREENSHOTS=FOLDER keeps a picture of each.
    async layout(browser, site) {
      for (const [width, height] of screens) {
        const page = await openPage(browser, page =>
          page.setViewport({width, height, isMobile: true, hasTouch: true}));
        await page.goto(site.url);
        // The start grows once the game has loaded (its kept choices show), which moves Play:
        // a tap aimed before that may land beside it.
        await page.waitForSelector('#start:not([hidden]) #keeping:not([hidden])');
        await page.tap('#play');
        await waitForPicture(page, 'title');
        const {picture, keys} = await page.evaluate(boxesInPage);
        const where = `at ${width} × ${height}`;
        const largest = Math.min(width, height * 4 / 3);
        expect(picture.width >= 0.9 * largest && inside(picture, width, height),
               `${where} the picture is ${picture.width} × ${picture.height} at ` +
               `${picture.x}, ${picture.y}`);
        expect(Math.abs(picture.width * 3 - picture.height * 4) < 4,
               `${where} the picture is ${picture.width} × ${picture.height}, not 4:3`);
        for (const key of keys) {
          expect(key.width >= 48 && key.height >= 48 && inside(key, width, height) &&
                 !overlap(key, picture), `${where} a key is ${JSON.stringify(key)}`);
        }
        console.log(`browser-check: layout ${where}: picture ` +
                    `${picture.width.toFixed(0)} × ${picture.height.toFixed(0)}`);
        if (process.env.TB_PAGE_SCREENSHOTS) {
          await page.screenshot({path: join(process.env.TB_PAGE_SCREENSHOTS,
                                            `page-${width}x${height}.png`)});
        }
        kit.expectNoErrors(page);
        await page.close();
      }
    },

    // With stage 5 kept as the furthest reached, Continue starts there, and Practise at the stage
    // chosen; each after the title, as on the desktop.
    async start(browser, site) {
      const page = await openPage(browser);
      await page.goto(site.url);
      await page.waitForSelector('#keeping:not([hidden])');
      await page.evaluate(kit.writeKept,
                          {[kit.settingsFile]: '[progress]\nfurthest_stage = 5\n'});
      await page.reload();
      await choose(page, '#continue');
      expect(await page.$eval('#continue', button => button.textContent) ===
             'Continue from stage 5', 'Continue does not name stage 5');
      const reaches = async (page, stage) => {
        await waitForPicture(page, 'title');
        await page.keyboard.press('Enter');
        await waitFor(`the game never started at stage ${stage}`, async () => ({
          ok: page.lines.join() === `stage${stage}`, why: `console lines ${page.lines.join()}`,
        }));
      };
      await reaches(page, 5);
      const practice = await openPage(browser);
      await practice.goto(site.url);
      await practice.waitForSelector('#practice:not([hidden])');
      await practice.select('#practice-stage', '3');
      await choose(practice, '#practise');
      await reaches(practice, 3);
      kit.expectNoErrors(page);
      kit.expectNoErrors(practice);
      await page.close();
      await practice.close();
    },

    // After one visit the page plays with the network gone.
    async offline(browser) {
      const site = await servedCopy('offline');
      await visitAndKeep(browser, site.url);
      await site.close();
      const page = await openPage(browser);
      await openGame(page, site.url);
      await waitForPicture(page, 'title');
      kit.expectNoErrors(page);
      await page.close();
    },

    // A newer version served: the next visit still plays the kept one while the newer is kept
    // whole; the newer takes over, the older's copy goes, and the visit after plays the newer.
    async update(browser) {
      const site = await servedCopy('update');
      await visitAndKeep(browser, site.url);
      const index = join(site.folder, 'index.html');
      const worker = join(site.folder, 'service-worker.js');
      const sha256 = text => createHash('sha256').update(text).digest('hex');
      const older = readFileSync(index, 'utf8');
      const newer = older.replace('<title>', '<meta name="tilebounce-check" content="newer"><title>');
      // A server caught halfway: the newer worker, but still the older page.
      writeFileSync(worker, readFileSync(worker, 'utf8').replace(sha256(older), sha256(newer))
        .replace(/const version = '[0-9a-f]+'/, 'const version = \'newer\''));
      const halfway = await openPage(browser);
      await halfway.goto(site.url);
      const workers = () => halfway.evaluate(async () => {
        const registration = await navigator.serviceWorker.getRegistration();
        return {busy: registration.installing !== null, waiting: registration.waiting !== null,
                kept: await caches.keys()};
      }).catch(error => ({busy: true, error: String(error)}));  // the page loading again
      await halfway.evaluate(() => navigator.serviceWorker.getRegistration()
        .then(registration => registration.update()));
      const tried = await waitFor('the half-served update was never settled', async () => {
        const now = await workers();
        return {ok: !now.busy, why: JSON.stringify(now), ...now};
      });
      expect(!tried.waiting && tried.kept.length === 1 && tried.kept[0] !== 'tilebounce-newer',
             `a half-served update was kept: ${JSON.stringify(tried)}`);
      await halfway.close();
      writeFileSync(index, newer);
      const marked = page => page.$('meta[name=tilebounce-check]').then(meta => meta !== null);
      const between = await openPage(browser);
      await between.goto(site.url);
      expect(!await marked(between), 'the newer page came before it was kept whole');
      await waitFor('the newer version never took over', async () => {
        const names = await keptVersions(between);
        return {ok: names.join() === 'tilebounce-newer', why: `kept: ${names.join()}`};
      });
      await between.close();
      const page = await openPage(browser);
      await openGame(page, site.url);
      expect(await marked(page), 'the older page still came after the newer took over');
      await waitForPicture(page, 'title');
      kit.expectNoErrors(page);
      await page.close();
      await site.close();
    },

    // The settings and the records exported to a file and imported again come back as they were,
    // over later changes; a damaged or foreign file is refused, and changes nothing.
    async keep(browser, site) {
      const downloads = join(kit.work, 'downloads');
      rmSync(downloads, {recursive: true, force: true});
      mkdirSync(downloads);
      const cdp = await browser.target().createCDPSession();
      await cdp.send('Browser.setDownloadBehavior', {behavior: 'allow', downloadPath: downloads});
      const page = await openPage(browser);
      await page.goto(site.url);
      await page.waitForSelector('#keeping:not([hidden])');
      const record = `${recordsFolder}/bests/stage1.keys`;
      const kept = {[kit.settingsFile]: '[keys]\nEnter = X\n', [record]: 'stage 1\n12 R\n'};
      await page.evaluate(kit.writeKept, kept);
      await page.click('#export');
      const exported = join(downloads, 'tilebounce-kept.json');
      await waitFor('the export was never downloaded', async () =>
        ({ok: existsSync(exported), why: 'no file'}));
      await page.evaluate(kit.writeKept, {[kit.settingsFile]: '[keys]\nEnter = Z\n',
                                          [`${recordsFolder}/later.keys`]: 'stage 2\n'});
      const files = () => page.evaluate(folders => folders.flatMap(function walk(folder) {
        return Module.FS.readdir(folder).filter(name => name !== '.' && name !== '..')
          .flatMap(name => {
            const path = `${folder}/${name}`;
            return Module.FS.isDir(Module.FS.stat(path).mode) ? walk(path) :
              [[path, Module.FS.readFile(path, {encoding: 'utf8'})]];
          });
      }), [kit.settingsFile.slice(0, kit.settingsFile.lastIndexOf('/')), recordsFolder])
        .then(entries => Object.fromEntries(entries));
      const importFile = async (file, said) => {
        await (await page.$('#import-file')).uploadFile(file);
        await waitFor(`importing ${file} never said "${said}"`, async () => {
          const note = await page.$eval('#keep-note', line => line.textContent);
          return {ok: note.startsWith(said), why: `"${note}"`};
        });
      };
      await importFile(exported, 'Imported 2 kept files.');
      expect(JSON.stringify(await files()) === JSON.stringify(kept),
             `after the import the folders hold ${JSON.stringify(await files())}`);
      expect(await page.evaluate(kit.keptFile, kit.settingsFile) === kept[kit.settingsFile],
             'the imported settings are not in IndexedDB');
      const damaged = join(downloads, 'damaged.json');
      writeFileSync(damaged, readFileSync(exported).subarray(0, 60));
      const foreign = join(kit.work, 'site', 'icon-192.png');
      for (const file of [damaged, foreign]) {
        await page.$eval('#keep-note', line => {
          line.textContent = '';
        });
        await importFile(file, 'Not imported: it is not a file of kept settings and records.');
        expect(JSON.stringify(await files()) === JSON.stringify(kept),
               `${file} changed the folders: ${JSON.stringify(await files())}`);
      }
      kit.expectNoErrors(page);
      await page.close();
      await cdp.detach();
    },
  };
}
