// The browser checks of runs as links: a run's link played back in the page, steered by its
// buttons, gives the golden console lines; a game played in the page leaves a link that the
// replay tool plays to the recording's end; a damaged or oversized link plays nothing.
import {spawnSync} from 'node:child_process';
import {readFileSync, writeFileSync} from 'node:fs';
import {join} from 'node:path';

const replays = new URL('../flow/replays/', import.meta.url).pathname;

export function runCases(kit) {
  const {expect, waitFor, openPage, choose, waitForPicture, linuxReplay} = kit;

  // The replay tool run on FILE: its standard output and the last line of its standard error.
  function replay(...args) {
    const run = spawnSync(linuxReplay, args, {encoding: 'utf8'});
    expect(run.status === 0, `${linuxReplay} ${args.join(' ')}: ${run.stderr}`);
    return {lines: run.stdout, end: run.stderr.trim().split('\n').pop()};
  }

  const note = page => page.$eval('#start', box => box.hidden ? '' :
    box.querySelector('#start-note').textContent.trim());
  // Waits for the start to show again, its note being one that `wanted` accepts.
  async function endedWith(page, wanted, patience = 1) {
    for (let round = 1; ; ++round) {
      try {
        return await waitFor('the page never ended', async () => {
          const text = await note(page);
          return {ok: wanted(text), why: `"${text}"`, text};
        });
      } catch (error) {
        if (round >= patience) {
          throw error;
        }
      }
    }
  }

  // The run PAGE plays, faster by four presses of Faster (which changes the pacing only), ends
  // with the console lines of the golden replay NAME and offers Play. SCREENSHOTS, if given,
  // keeps its picture.
  async function playsToTheEnd(page, name, screenshots) {
    await page.waitForSelector('#steer:not([hidden])');
    await waitFor('the run never showed', async () => ({
      ok: await page.evaluate(() => window.tbPresentTimes.length > 0), why: 'no picture',
    }));
    for (let press = 0; press < 4; ++press) {
      await page.click('#steer [data-code=BracketRight]');
    }
    if (screenshots) {
      await waitFor('stage 3 never came', async () =>
        ({ok: page.lines.includes('stage3'), why: page.lines.join()}));
      await page.screenshot({path: join(screenshots, 'page-run.png')});
    }
    await endedWith(page, text => text === 'The run has been played.', 10);
    const golden = readFileSync(join(replays, `${name}.stdout`), 'utf8');
    expect(page.lines.join('\n') + '\n' === golden,
           `${name}: console lines ${page.lines.join(' ')}`);
    expect(await page.$eval('#play', button => button.offsetParent !== null),
           `Play is not offered after ${name}`);
    kit.expectNoErrors(page);
    await page.close();
  }

  return {
    // full-game's link opened, and the fastest game chosen: the page plays each, made faster by
    // its button, to the golden lines, and then offers to play. TB_PAGE_SCREENSHOTS=FOLDER keeps
    // a picture of it playing.
    async runLink(browser, site) {
      const link = replay('--link', join(replays, 'full-game.keys')).lines.trim();
      const watched = await openPage(browser);
      await watched.goto(`${site.url}#run=${link}`);
      await playsToTheEnd(watched, 'full-game', process.env.TB_PAGE_SCREENSHOTS);
      const fastest = await openPage(browser);
      await fastest.goto(site.url);
      await choose(fastest, '#watch-fastest');
      await playsToTheEnd(fastest, 'fastest-game');
    },

    // A game played and quit: the link the page offers, replayed, ends as its recording does.
    async runRecorded(browser, site) {
      const page = await openPage(browser);
      await page.goto(site.url);
      await choose(page);
      await waitForPicture(page, 'title');
      await page.keyboard.press('Enter');
      await waitForPicture(page, 'card');
      await page.keyboard.press('ArrowRight');
      await waitForPicture(page, 'stage1', 600);  // but for the ball's trail
      await page.keyboard.press('Escape');
      await endedWith(page, text => text !== '');
      await page.waitForSelector('#run-made:not([hidden])');
      const shown = await page.$eval('#run-link', box => box.value);
      expect(shown.startsWith(site.url + '#run=tb1.'), `the link offered is "${shown}"`);
      const recording = await page.evaluate(() =>
        Module.FS.readFile('/tmp/recording.keys', {encoding: 'utf8'}));
      const linkFile = join(kit.work, 'recorded.link');
      writeFileSync(linkFile, shown);
      const {end} = replay(linkFile);
      const recorded = recording.trim().split('\n').pop();
      expect(recorded === `# ${end.replace(/ virtual_ms=.*/, '')}`,
             `the recording ends "${recorded}", its link's replay "${end}"`);
      kit.expectNoErrors(page);
      await page.close();
    },

    // A damaged and an oversized link: one message each, nothing played.
    async runRefused(browser, site) {
      const link = replay('--link', join(replays, 'full-game.keys')).lines.trim();
      const refusals = {[link.slice(0, -5)]: 'damaged or cut short',
                        [`tb1.1.${'A'.repeat(70000)}`]: 'longer than 65536 characters'};
      for (const [bad, why] of Object.entries(refusals)) {
        const page = await openPage(browser);
        await page.goto(`${site.url}#run=${bad}`);
        const {text} = await endedWith(page, text => text !== '');
        expect(text.startsWith('The run cannot be played: ') && text.endsWith(why),
               `a bad link says "${text}"`);
        expect(page.lines.length === 0, `a bad link played: ${page.lines.join()}`);
        expect(await page.evaluate(() => window.tbPresentTimes.length) === 0,
               'a bad link put pictures on the canvas');
        expect(await page.$eval('#steer', steer => steer.hidden), 'the steering stays');
        kit.expectNoErrors(page);
        await page.close();
      }
    },
  };
}
