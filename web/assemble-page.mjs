// node assemble-page.mjs OUT_DIR GAME_JS GAME_WASM ICON: writes OUT_DIR/index.html, the page that
// loads the game's .js and .wasm beside it, and OUT_DIR/tilebounce.html, one file holding all of
// it that plays when opened from disk.
import {readFileSync, writeFileSync} from 'node:fs';
import {dirname, join} from 'node:path';
import {fileURLToPath} from 'node:url';

const [outDir, gameJs, gameWasm, icon] = process.argv.slice(2);
if (!icon) {
  console.error('usage: node assemble-page.mjs OUT_DIR GAME_JS GAME_WASM ICON');
  process.exit(2);
}
const here = dirname(fileURLToPath(import.meta.url));
const read = name => readFileSync(join(here, name), 'utf8');
// Text inside a script element ends at the first "</script"; none may appear early.
const scriptText = text => text.replace(/<\/script/gi, '<\\/script');

function page(game) {
  const parts = {
    '@ICON@': 'data:image/x-icon;base64,' + readFileSync(icon).toString('base64'),
    '@STYLE@': read('page.css'),
    '@PAGE@': scriptText(read('page.js')),
    '@GAME@': game,
  };
  return read('page.html').replace(/@[A-Z]+@/g, name => parts[name]);
}

writeFileSync(join(outDir, 'index.html'),
              page('<script id="game-code" type="text/plain" data-src="tilebounce.js"></script>'));
const wasm = readFileSync(gameWasm).toString('base64');
// The page has made Module by the time this runs; the game's own code keeps it.
const inline = `Module.wasmBinary = Uint8Array.from(atob('${wasm}'), c => c.charCodeAt(0));\n` +
               readFileSync(gameJs, 'utf8');
writeFileSync(join(outDir, 'tilebounce.html'),
              page(`<script id="game-code" type="text/plain">${scriptText(inline)}</script>`));
