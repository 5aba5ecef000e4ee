// The on-screen keys: shown where the screen is touched, each held while a finger is on it,
// see-through at the player's choice (kept), and out of the way while a gamepad plays.
const gameKeys = {
  ArrowLeft: ['ArrowLeft', 37], ArrowUp: ['ArrowUp', 38], ArrowRight: ['ArrowRight', 39],
  ArrowDown: ['ArrowDown', 40], Space: [' ', 32], Enter: ['Enter', 13], Escape: ['Escape', 27],
};
const seeThroughKept = 'tilebounce.see-through-keys';

function sendKey(type, code) {
  const [key, keyCode] = gameKeys[code];
  const event = new KeyboardEvent(type, {code, key, bubbles: true, cancelable: true});
  // The constructor leaves the legacy codes at 0; SDL still reads them.
  Object.defineProperty(event, 'keyCode', {get: () => keyCode});
  Object.defineProperty(event, 'which', {get: () => keyCode});
  window.dispatchEvent(event);
}

// Each on-screen key is held while any touch is on it; several keys may be held at once.
function wireHeldKeys(canvas) {
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
  // SDL asks that the browser's own handling of every touch's end be prevented, a cancel's
  // too, which cannot be and which the browser reports as an error.
  canvas.addEventListener('touchcancel', event => {
    if (!event.cancelable) {
      event.preventDefault = () => {};
    }
  }, {capture: true});
}

// The keys show on a touch screen, and again at any touch; a gamepad plugged in (a browser
// reports one only once a button is pressed) hides them until the screen is touched again or no
// gamepad is left. Nothing is polled: SDL alone reads the gamepads.
function wireKeysShown() {
  const classes = document.body.classList;
  const touched = () => classes.add('touch');
  if (navigator.maxTouchPoints > 0 || matchMedia('(pointer: coarse)').matches) {
    touched();
  }
  window.addEventListener('touchstart', () => {
    touched();
    classes.remove('gamepad');
  }, {passive: true});
  window.addEventListener('gamepadconnected', () => classes.add('gamepad'));
  window.addEventListener('gamepaddisconnected', () => {
    if (!Array.from(navigator.getGamepads ? navigator.getGamepads() : []).some(pad => pad)) {
      classes.remove('gamepad');
    }
  });
}

// The page's control that makes the keys see-through, or solid again; kept in the browser.
function wireSeeThrough() {
  const button = document.getElementById('see-through');
  const show = seeThrough => {
    document.body.classList.toggle('see-through', seeThrough);
    button.setAttribute('aria-pressed', String(seeThrough));
  };
  const kept = () => {
    try {
      return localStorage.getItem(seeThroughKept) === 'yes';
    } catch {
      return false;  // storage refused: the keys start solid
    }
  };
  show(kept());
  button.addEventListener('click', () => {
    const seeThrough = !document.body.classList.contains('see-through');
    show(seeThrough);
    button.blur();
    try {
      localStorage.setItem(seeThroughKept, seeThrough ? 'yes' : 'no');
    } catch (error) {
      console.warn('tilebounce: the choice of see-through keys could not be kept:', error);
    }
  });
}

function wireTouchKeys(canvas) {
  wireHeldKeys(canvas);
  wireKeysShown();
  wireSeeThrough();
}
