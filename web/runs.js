// Runs as links: the page opened with "#run=LINK" plays that run back, steered by the keys or by
// buttons; every game played is recorded, and at its end the page offers the link to it and its
// recording. The game itself reads and makes the links (--playback, --record-link).
const runFragment = '#run=';
const runFiles = {played: '/tmp/played.keys', recording: '/tmp/recording.keys',
                  link: '/tmp/recording.link'};
const watchArguments = ['--playback', runFiles.played];
// The link of the fastest game known, put in by assemble-page.mjs.
const fastestGameLink = '@FASTEST_GAME_LINK@';
// The playback's steering keys, sent as the keyboard sends them.
Object.assign(gameKeys, {KeyP: ['p', 80], Period: ['.', 190], BracketLeft: ['[', 219],
                         BracketRight: [']', 221], KeyN: ['n', 78]});

const steering = document.getElementById('steer');
const runMade = document.getElementById('run-made');
let watching = false;

const isWatching = args => args.length === watchArguments.length &&
  args.every((arg, i) => arg === watchArguments[i]);

function watch(link) {
  history.replaceState(null, '', runFragment + link);
  startWith(watchArguments);
}

// The page opened on a run's link plays it at once; false when it holds none.
function watchRunInFragment() {
  if (!location.hash.startsWith(runFragment)) {
    return false;
  }
  startWith(watchArguments);
  return true;
}

// The game's arguments for the choice ARGS: a run watched is written where --playback reads it
// (the game checks it); any other game is recorded, with its link.
function runArguments(args) {
  watching = isWatching(args);
  steering.hidden = !watching;
  runMade.hidden = true;
  if (watching) {
    Module.FS.writeFile(runFiles.played, location.hash);
    return args;
  }
  if (location.hash) {
    history.replaceState(null, '', location.pathname + location.search);
  }
  return args.concat(['--record', runFiles.recording, '--record-link', runFiles.link]);
}

// What the end says: a run that could not be watched names why, as the game put it.
function runEndNote(status, problem) {
  if (status === 0) {
    return watching ? 'The run has been played.' : 'The game has ended.';
  }
  return (watching ? 'The run cannot be played: ' : 'The game stopped: ') + problem;
}

function readRunFile(path) {
  try {
    return Module.FS.readFile(path, {encoding: 'utf8'});
  } catch {
    return '';
  }
}

// Once a recorded game has ended: its link to copy and its recording to download.
function offerRunMade() {
  steering.hidden = true;
  const recording = watching ? '' : readRunFile(runFiles.recording);
  if (!recording) {
    return;
  }
  const link = readRunFile(runFiles.link).trim();
  const linkBox = document.getElementById('run-link');
  linkBox.value = link ? location.href.split('#')[0] + runFragment + link : '';
  document.getElementById('copy-link').hidden = !link;
  linkBox.hidden = !link;
  const saved = document.getElementById('download-run');
  URL.revokeObjectURL(saved.href);
  saved.href = URL.createObjectURL(new Blob([recording], {type: 'text/plain'}));
  runMade.hidden = false;
}

function wireRuns() {
  document.getElementById('watch-fastest').addEventListener('click', () => watch(fastestGameLink));
  document.getElementById('copy-link').addEventListener('click', () => {
    const linkBox = document.getElementById('run-link');
    linkBox.select();
    navigator.clipboard.writeText(linkBox.value).then(
      () => { document.getElementById('run-note').textContent = 'Link copied.'; },
      () => { document.getElementById('run-note').textContent = 'Select the link and copy it.'; });
  });
  for (const button of steering.querySelectorAll('button')) {
    const release = () => sendKey('keyup', button.dataset.code);
    button.addEventListener('pointerdown', event => {
      event.preventDefault();
      sendKey('keydown', button.dataset.code);
    });
    button.addEventListener('pointerup', release);
    button.addEventListener('pointercancel', release);
  }
}
