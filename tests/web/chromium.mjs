// Debian's Chromium, headless, for the browser checks and the page's benchmark: never a browser
// of puppeteer's own.
import puppeteer from 'puppeteer-core';

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
