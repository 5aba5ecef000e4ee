// The page around the game: loads it where the browser can run it, starts it with the player's
// choice, shows it at full screen, keeps a served page for playing offline, and says when the
// game has ended. Put together with keep.js, touch.js, start.js and runs.js by assemble-page.mjs.
const statusLine = document.getElementById('status');
const canvas = document.getElementById('canvas');
const gameCode = document.getElementById('game-code');
// The page, not SDL, scales the 640 × 480 picture to the tab.
const pageArguments = ['--window', '--scale', '1'];

function say(text) {
  statusLine.textContent = text;
}

function missing() {
  if (typeof WebAssembly !== 'object' || typeof WebAssembly.instantiate !== 'function') {
    return 'WebAssembly';
  }
  // Made here, before SDL asks for it, so that the page chooses how it is shown: opaque, and
  // handed to the screen without waiting on the page's own painting.
  return canvas.getContext && canvas.getContext('2d', {alpha: false, desynchronized: true}) ? '' :
    'a canvas to draw on';
}

let gameRunning = false;

// The one message at the end, with the start offered again; the status line says nothing beside
// it.
function showEnd(text) {
  gameRunning = false;
  say('');
  startAfterEnd(text);
}

// The picture at full screen, for the button and Alt+Enter alike.
// The browser refuses when the player has not just acted; the game then stays in the tab.
function showFullScreen(fullScreen) {
  const game = document.getElementById('game');
  if (fullScreen && !document.fullscreenElement) {
    game.requestFullscreen().catch(error => console.warn('tilebounce: no full screen:', error));
  } else if (!fullScreen && document.fullscreenElement) {
    document.exitFullscreen().catch(error => console.warn('tilebounce: full screen kept:', error));
  }
}

function wirePage() {
  // The game's keys are the game's while it runs: the page neither scrolls nor clicks a button
  // with them. Before and after, they work the page's start.
  window.addEventListener('keydown', event => {
    if (gameKeys[event.code] && event.code !== 'Escape' && gameRunning) {
      event.preventDefault();
    }
  });
  const soundNote = document.getElementById('sound-note');
  const heard = () => soundNote.remove();
  for (const type of ['keydown', 'pointerdown']) {
    window.addEventListener(type, heard, {once: true});
  }
  document.getElementById('fullscreen').addEventListener('click', event => {
    event.currentTarget.blur();
    showFullScreen(true);
  });
  wireTouchKeys(canvas);
}

function cannotLoad(why) {
  console.warn('tilebounce: the game could not be loaded:', why);
  showEnd('The game could not be loaded. Play loads the page again to try again.');
}

// The game's WebAssembly, fetched beside its script or carried in the page, made here so that
// a file missing or damaged ends in one message rather than in the runtime's abort.
function instantiateGame(imports, receive) {
  const wasm = Module.wasmBinary ? Promise.resolve(Module.wasmBinary) :
    fetch(gameCode.dataset.src.replace(/\.js$/, '.wasm'))
      .then(response => {
        if (!response.ok) {
          throw new Error(`${response.url}: ${response.status} ${response.statusText}`);
        }
        return response.arrayBuffer();
      });
  wasm.then(bytes => WebAssembly.instantiate(bytes, imports))
    .then(made => receive(made.instance), cannotLoad);
  return {};
}

function loadGame() {
  const script = document.createElement('script');
  if (gameCode.dataset.src) {
    script.src = gameCode.dataset.src;
    script.onerror = () => cannotLoad(gameCode.dataset.src);
  } else {
    script.textContent = gameCode.textContent;
  }
  document.body.appendChild(script);
}

function runGame(args) {
  gameRunning = true;
  canvas.focus();
  Module.callMain(pageArguments.concat(runArguments(args)));
}

// A page served over HTTP keeps itself for playing offline (service-worker.js). The newer version
// a visit finds takes over once this page has all of its own (its game loaded), and a page whose
// worker changes before then loads again, so that no page ever runs a mix of two versions.
let gameLoaded = false;
function keepForOffline() {
  if (!gameCode.dataset.src || !navigator.serviceWorker || !/^https?:$/.test(location.protocol)) {
    return;
  }
  const hadWorker = Boolean(navigator.serviceWorker.controller);
  navigator.serviceWorker.addEventListener('controllerchange', () => {
    if (hadWorker && !gameLoaded) {
      location.reload();
    }
  });
  navigator.serviceWorker.register('service-worker.js').then(registration => {
    const takeOver = () => {
      if (registration.waiting && gameLoaded) {
        registration.waiting.postMessage('take over');
      }
    };
    const watch = worker => worker && worker.addEventListener('statechange', takeOver);
    watch(registration.installing);
    registration.addEventListener('updatefound', () => watch(registration.installing));
    window.addEventListener('tilebounce-loaded', takeOver);
    takeOver();
  }, error => console.warn('tilebounce: the page cannot be kept for offline play:', error));
}

wirePage();
const lacking = missing();
if (lacking) {
  say('This browser cannot run the game: it has no ' + lacking + '.');
  return;
}
let lastProblem = '';  // the game's last line on standard error, which names what went wrong
window.Module = Object.assign(window.Module || {}, {
  canvas,
  noInitialRun: true,
  print: line => console.log(line),
  printErr: line => {
    lastProblem = line;
    console.warn(line);
  },
  preRun: [loadKept],
  instantiateWasm: instantiateGame,
  onRuntimeInitialized: () => {
    say('');
    gameLoaded = true;
    window.dispatchEvent(new Event('tilebounce-loaded'));
    startReady();
  },
  onFullScreenWanted: showFullScreen,
  onFileWritten: path => {
    if (isKeptPath(path)) {
      saveKept().catch(error => console.warn('tilebounce: the kept files could not be saved:',
                                             error));
    }
  },
  onExit: status => showEnd(runEndNote(status, lastProblem)),
  onAbort: what => showEnd('The game stopped: ' + what),
});
wireStart(runGame);
keepForOffline();
loadGame();
