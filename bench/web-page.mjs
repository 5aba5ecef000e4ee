// node bench/web-page.mjs WEB_DIR: the page of scripts/build-web in Debian's headless Chromium,
// served on 127.0.0.1. Prints `key value` lines: the time from navigation to the title on screen
// (the first picture that is not all black, Play chosen at once on the page's start; median of
// five loads, from the network and from the service worker's kept copy), presents a second over
// 10 s of play (the game's own pauses, when a ball is lost or a card is shown, left out), and
// over the same 10 s the page's main thread busy time and the CPU of all of Chromium's processes,
// each as a percentage of one core.
import {readFileSync, readdirSync} from 'node:fs';
import {resolve} from 'node:path';
import {notePresents, sleep, unpackSite, withSite} from '../tests/web/chromium.mjs';

const work = unpackSite(resolve(process.argv[2] || 'build/web'), 'bench');

// Processor time of a process and all its descendants, in seconds.
function treeCpuSeconds(pid) {
  const ticks = 100;  // USER_HZ on Linux
  const children = new Map();
  const cpu = new Map();
  for (const entry of readdirSync('/proc')) {
    if (!/^\d+$/.test(entry)) {
      continue;
    }
    try {
      const fields = readFileSync(`/proc/${entry}/stat`, 'utf8').replace(/^.*\) /, '').split(' ');
      const parent = Number(fields[1]);
      children.set(parent, [...(children.get(parent) || []), Number(entry)]);
      cpu.set(Number(entry), (Number(fields[11]) + Number(fields[12])) / ticks);
    } catch {
      // gone since the listing
    }
  }
  let total = 0;
  const pending = [pid];
  while (pending.length) {
    const next = pending.pop();
    total += cpu.get(next) || 0;
    pending.push(...(children.get(next) || []));
  }
  return total;
}

// A page loaded and played at once, as a player's first choice on the page's start does; from the
// network (no kept copy) or from the copy its service worker keeps.
async function openGame(browser, url, fromNetwork) {
  const page = await browser.newPage();
  await page.setBypassServiceWorker(fromNetwork);
  await page.evaluateOnNewDocument(notePresents);
  await page.goto(url);
  await page.click('#play');
  await page.waitForFunction(() => window.tbFirstPictureMs !== null, {timeout: 60000});
  return page;
}

// The median and range of five loads' times to the title, as `name` lines.
async function timeTitles(browser, url, name, fromNetwork) {
  const titleTimes = [];
  for (let load = 0; load < 5; ++load) {
    const page = await openGame(browser, url, fromNetwork);
    titleTimes.push(await page.evaluate(() => window.tbFirstPictureMs));
    await page.close();
  }
  titleTimes.sort((a, b) => a - b);
  console.log(`${name} ${titleTimes[2].toFixed(0)}`);
  console.log(`${name}_range ${titleTimes[0].toFixed(0)}-${titleTimes[4].toFixed(0)}`);
}

await withSite(work, async (browser, site) => {
  await timeTitles(browser, site.url, 'title_ms', true);
  const keeping = await browser.newPage();
  await keeping.goto(site.url);
  await keeping.evaluate(() => navigator.serviceWorker.ready.then(() => {}));
  await keeping.close();
  await timeTitles(browser, site.url, 'title_ms_kept_copy', false);

  const page = await openGame(browser, site.url, true);
  await page.keyboard.press('Enter');
  await sleep(1000);
  await page.keyboard.press('ArrowRight');
  await sleep(1000);
  const cdp = await page.createCDPSession();
  await cdp.send('Performance.enable');
  const busy = async () => (await cdp.send('Performance.getMetrics')).metrics
    .find(metric => metric.name === 'TaskDuration').value;
  const pid = browser.process().pid;
  const pageNow = () => page.evaluate(() => performance.now());
  const before = {busy: await busy(), cpu: treeCpuSeconds(pid), at: performance.now(),
                  pageAt: await pageNow()};
  await sleep(10000);
  const after = {busy: await busy(), cpu: treeCpuSeconds(pid), at: performance.now(),
                 pageAt: await pageNow()};
  const seconds = (after.at - before.at) / 1000;
  // The pace between presents; a gap of a tenth of a second or more is the game pausing on
  // purpose (the same stretches the desktop's pacing spends on a card or a lost ball).
  const times = (await page.evaluate(() => window.tbPresentTimes))
    .filter(at => at >= before.pageAt && at <= after.pageAt);
  const gaps = times.slice(1).map((at, i) => at - times[i]);
  const paced = gaps.filter(gap => gap < 100);
  const pacedMs = paced.reduce((sum, gap) => sum + gap, 0);
  console.log(`presents_per_second ${(paced.length * 1000 / pacedMs).toFixed(1)}`);
  console.log(`paused_ms ${(after.pageAt - before.pageAt - pacedMs).toFixed(0)}`);
  console.log(`main_thread_percent ${(100 * (after.busy - before.busy) / seconds).toFixed(1)}`);
  console.log(`chromium_cpu_percent ${(100 * (after.cpu - before.cpu) / seconds).toFixed(1)}`);
});
