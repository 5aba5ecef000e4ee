// node assemble-page.mjs OUT_DIR GAME_JS GAME_WASM ICON_ICO ICON_PNG FASTEST_GAME_LINK (a file
// holding the link the page offers to watch): writes into OUT_DIR the
// served page, index.html, which loads the game's .js and .wasm beside it, with its web app
// manifest, icons and service worker; and tilebounce.html, one file holding the page and the game,
// which plays when opened from disk (and is never installed: a file has no service worker).
import {createHash} from 'node:crypto';
import {readFileSync, writeFileSync} from 'node:fs';
import {basename, dirname, join} from 'node:path';
import {fileURLToPath} from 'node:url';
import {enlargedPng} from './icons.mjs';

const [outDir, gameJs, gameWasm, icon, iconPng, fastestLink] = process.argv.slice(2);
if (!fastestLink) {
  console.error('usage: node assemble-page.mjs OUT_DIR GAME_JS GAME_WASM ICON_ICO ICON_PNG ' +
                'FASTEST_GAME_LINK');
  process.exit(2);
}
const here = dirname(fileURLToPath(import.meta.url));
const read = name => readFileSync(join(here, name), 'utf8');
// Text inside a script element ends at the first "</script"; none may appear early.
const scriptText = text => text.replace(/<\/script/gi, '<\\/script');
// The page's scripts share one scope, page.js last: it starts the page.
const pageScript = ['keep.js', 'touch.js', 'start.js', 'runs.js', 'page.js'].map(read).join('\n')
  .replace('@FASTEST_GAME_LINK@', readFileSync(fastestLink, 'utf8').trim());

function page(head, game) {
  const parts = {
    '@ICON@': 'data:image/x-icon;base64,' + readFileSync(icon).toString('base64'),
    '@HEAD@': head,
    '@STYLE@': read('page.css'),
    '@PAGE@': scriptText(`'use strict';\n(function () {\n${pageScript}\n})();`),
    '@GAME@': game,
  };
  return read('page.html').replace(/@[A-Z]+@/g, name => parts[name]);
}

const icons = [192, 512].map(size => ({
  src: `icon-${size}.png`, sizes: `${size}x${size}`, type: 'image/png',
  bytes: enlargedPng(readFileSync(iconPng), size / 32),
}));
const manifest = {
  name: 'tilebounce', short_name: 'tilebounce', start_url: './', scope: './',
  display: 'standalone', orientation: 'landscape', background_color: '#000000',
  theme_color: '#000000', icons: icons.map(({src, sizes, type}) => ({src, sizes, type})),
};

const served = {
  'index.html': page('<link rel="manifest" href="manifest.webmanifest">',
                     '<script id="game-code" type="text/plain" data-src="tilebounce.js"></script>'),
  'manifest.webmanifest': JSON.stringify(manifest, null, 1) + '\n',
  ...Object.fromEntries(icons.map(({src, bytes}) => [src, bytes])),
  [basename(gameJs)]: readFileSync(gameJs),
  [basename(gameWasm)]: readFileSync(gameWasm),
};
const sha256 = bytes => createHash('sha256').update(bytes).digest('hex');
const bundle = Object.fromEntries(Object.entries(served).map(([file, bytes]) => [file, sha256(bytes)]));
// The version is the bundle's own: any byte changed makes another, and a worker of other bytes,
// which the browser then installs.
const version = sha256(JSON.stringify(bundle)).slice(0, 16);
served['service-worker.js'] = read('service-worker.js')
  .replace('@VERSION@', version).replace('@BUNDLE@', JSON.stringify(bundle, null, 1));
for (const [file, bytes] of Object.entries(served)) {
  writeFileSync(join(outDir, file), bytes);
}

const wasm = readFileSync(gameWasm).toString('base64');
// The page has made Module by the time this runs; the game's own code keeps it.
const inline = `Module.wasmBinary = Uint8Array.from(atob('${wasm}'), c => c.charCodeAt(0));\n` +
               readFileSync(gameJs, 'utf8');
writeFileSync(join(outDir, 'tilebounce.html'),
              page('', `<script id="game-code" type="text/plain">${scriptText(inline)}</script>`));
