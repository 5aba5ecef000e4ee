// Debian's Chromium, headless, for the browser checks and the page's benchmark: never a browser
// of puppeteer's own. Also what both do alike: the web build's zip unpacked and served, and the
// note kept in the page of each picture it puts on the canvas.
import {execFileSync} from 'node:child_process';
import {mkdirSync, rmSync} from 'node:fs';
import {join} from 'node:path';
import puppeteer from 'puppeteer-core';
import {serve} from './static-server.mjs';

export function launchChromium(profileFolder) {
  return puppeteer.launch({
    executablePath: '/usr/bin/chromium',
    headless: true,
    userDataDir: profileFolder,
    // As root the sandbox cannot start; the pages are our own.
    args: ['--no-sandbox', '--disable-gpu', '--window-size=1024,768'],
    defaultViewport: {width: 1024, height: 768},
  });
}

// unpackSite(WEB_DIR, NAME): a fresh folder WEB_DIR/NAME, returned, with tilebounce-web.zip
// unpacked into its `site` folder.
export function unpackSite(webDir, name) {
  const work = join(webDir, name);
  rmSync(work, {recursive: true, force: true});
  mkdirSync(work, {recursive: true});
  execFileSync('unzip', ['-q', join(webDir, 'tilebounce-web.zip'), '-d', join(work, 'site')]);
  return work;
}

// withSite(WORK, use): WORK/site served on 127.0.0.1 and Chromium, its profile in WORK/profile,
// given to use(browser, site); both closed after, however it ends.
export async function withSite(work, use) {
  const site = await serve(join(work, 'site'));
  try {
    const browser = await launchChromium(join(work, 'profile'));
    try {
      return await use(browser, site);
    } finally {
      await browser.close();
    }
  } finally {
    await site.close();
  }
}

// Run in the page (evaluateOnNewDocument): notes when each picture is put on the canvas
// (window.tbPresentTimes), and when the first one that is not all black came
// (window.tbFirstPictureMs).
export function notePresents() {
  const put = CanvasRenderingContext2D.prototype.putImageData;
  window.tbFirstPictureMs = null;
  window.tbPresentTimes = [];
  CanvasRenderingContext2D.prototype.putImageData = function (image, ...rest) {
    window.tbPresentTimes.push(performance.now());
    if (window.tbFirstPictureMs === null) {
      for (let i = 0; i < image.data.length; i += 4 * 97) {
        if (image.data[i] | image.data[i + 1] | image.data[i + 2]) {
          window.tbFirstPictureMs = performance.now();
          break;
        }
      }
    }
    return put.call(this, image, ...rest);
  };
}

export const sleep = ms => new Promise(done => setTimeout(done, ms));
