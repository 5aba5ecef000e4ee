'use strict';
// The page around the game: starts it where the browser can run it, keeps its settings folder in
// IndexedDB, turns on-screen touches into the game's keys and says when the game has ended.
(function () {
  const settingsFolder = '/home/web_user/.config/tilebounce';
  const gameKeys = {
    ArrowLeft: ['ArrowLeft', 37], ArrowUp: ['ArrowUp', 38], ArrowRight: ['ArrowRight', 39],
    ArrowDown: ['ArrowDown', 40], Space: [' ', 32], Enter: ['Enter', 13], Escape: ['Escape', 27],
  };
  const statusLine = document.getElementById('status');
  const canvas = document.getElementById('canvas');

  function say(text) {
    statusLine.textContent = text;
  }

  function missing() {
    if (typeof WebAssembly !== 'object' || typeof WebAssembly.instantiate !== 'function') {
      return 'WebAssembly';
    }
    return canvas.getContext && canvas.getContext('2d') ? '' : 'a canvas to draw on';
  }

  // The one message at the end: the status line says nothing beside it.
  function showEnd(text) {
    say('');
    document.getElementById('ended-text').textContent = text;
    document.getElementById('ended').hidden = false;
    document.getElementById('again').focus();
  }

  // The settings folder lives in IndexedDB: loaded before the game starts, saved after every file
  // the game writes there. Where IndexedDB is refused, the game plays with its defaults.
  let saving = false;
  let saveAgain = false;
  function saveSettings() {
    if (saving) {
      saveAgain = true;
      return;
    }
    saving = true;
    Module.FS.syncfs(false, error => {
      saving = false;
      if (error) {
        console.warn('tilebounce: the settings could not be kept:', error);
      }
      if (saveAgain) {
        saveAgain = false;
        saveSettings();
      }
    });
  }

  function loadSettings() {
    // The standard streams first: reading the kept folder opens files, and one left open by a
    // damaged entry would otherwise take the descriptor of standard input.
    Module.FS.init();
    try {
      Module.FS.mkdirTree(settingsFolder);
      Module.FS.mount(Module.IDBFS, {}, settingsFolder);
    } catch (error) {
      console.warn('tilebounce: no place to keep the settings:', error);
      return;
    }
    Module.addRunDependency('settings');
    Module.FS.syncfs(true, error => {
      if (error) {
        console.warn('tilebounce: the kept settings could not be read:', error);
      }
      Module.removeRunDependency('settings');
    });
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

  function sendKey(type, code) {
    const [key, keyCode] = gameKeys[code];
    const event = new KeyboardEvent(type, {code, key, bubbles: true, cancelable: true});
    // The constructor leaves the legacy codes at 0; SDL still reads them.
    Object.defineProperty(event, 'keyCode', {get: () => keyCode});
    Object.defineProperty(event, 'which', {get: () => keyCode});
    window.dispatchEvent(event);
  }

  // Each on-screen key is held while any touch is on it; several keys may be held at once.
  function wireTouchKeys() {
    for (const button of document.querySelectorAll('#touch button')) {
      const touches = new Set();
      const release = event => {
        if (touches.delete(event.pointerId) && touches.size === 0) {
          button.classList.remove('held');
          sendKey('keyup', button.dataset.code);
        }
      };
      button.addEventListener('pointerdown', event => {
        event.preventDefault();
        button.setPointerCapture(event.pointerId);
        touches.add(event.pointerId);
        if (touches.size === 1) {
          button.classList.add('held');
          sendKey('keydown', button.dataset.code);
        }
      });
      for (const type of ['pointerup', 'pointercancel', 'lostpointercapture']) {
        button.addEventListener(type, release);
      }
    }
    const touchScreen = () => document.body.classList.add('touch');
    if (navigator.maxTouchPoints > 0 || matchMedia('(pointer: coarse)').matches) {
      touchScreen();
    }
    window.addEventListener('touchstart', touchScreen, {once: true, passive: true});
    // SDL asks that the browser's own handling of every touch's end be prevented, a cancel's
    // too, which cannot be and which the browser reports as an error.
    canvas.addEventListener('touchcancel', event => {
      if (!event.cancelable) {
        event.preventDefault = () => {};
      }
    }, {capture: true});
  }

  function wirePage() {
    // The game's keys are the game's while it runs: the page neither scrolls nor clicks a button
    // with them.
    const ended = document.getElementById('ended');
    window.addEventListener('keydown', event => {
      if (gameKeys[event.code] && event.code !== 'Escape' && ended.hidden) {
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
    document.getElementById('again').addEventListener('click', () => location.reload());
    wireTouchKeys();
  }

  function cannotLoad(why) {
    console.warn('tilebounce: the game could not be loaded:', why);
    showEnd('The game could not be loaded. Reload the page to try again.');
  }

  // The game's WebAssembly, fetched beside its script or carried in the page, made here so that
  // a file missing or damaged ends in one message rather than in the runtime's abort.
  function instantiateGame(imports, receive) {
    const wasm = Module.wasmBinary ? Promise.resolve(Module.wasmBinary) :
      fetch(document.getElementById('game-code').dataset.src.replace(/\.js$/, '.wasm'))
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

  function startGame() {
    const holder = document.getElementById('game-code');
    const script = document.createElement('script');
    if (holder.dataset.src) {
      script.src = holder.dataset.src;
      script.onerror = () => cannotLoad(holder.dataset.src);
    } else {
      script.textContent = holder.textContent;
    }
    document.body.appendChild(script);
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
    // The page, not SDL, scales the 640 × 480 picture to the tab.
    arguments: ['--window', '--scale', '1'],
    print: line => console.log(line),
    printErr: line => {
      lastProblem = line;
      console.warn(line);
    },
    preRun: [loadSettings],
    instantiateWasm: instantiateGame,
    onRuntimeInitialized: () => say(''),
    onFullScreenWanted: showFullScreen,
    onFileWritten: path => {
      if (path.startsWith(settingsFolder + '/')) {
        saveSettings();
      }
    },
    onExit: status =>
      showEnd(status === 0 ? 'The game has ended.' : 'The game stopped: ' + lastProblem),
    onAbort: what => showEnd('The game stopped: ' + what),
  });
  startGame();
})();
