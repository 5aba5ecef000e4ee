// The page's start, before a game and after one: play from the title, continue from the furthest
// stage reached, or practise any stage reached, each as the desktop's command line asks for it;
// and the kept settings and records carried out to a file and back in.
const lastStage = 20;  // the game's last stage
const choiceAcrossLoad = 'tilebounce.start';

const startPanel = document.getElementById('start');
const keepNote = document.getElementById('keep-note');
let runGameWith = null;   // given by offerStart: starts the game with these arguments
let gameReady = false;    // the game has loaded, with the kept folders
let chosen = null;        // the arguments chosen before the game had loaded
let gameOver = false;     // the game has ended: another needs the page loaded again

// The furthest stage reached, as the kept settings give it ([progress] furthest_stage); 1 where
// they give none. Only for what the choices say: the game reads the settings itself.
function furthestStage() {
  let text;
  try {
    text = Module.FS.readFile(keptFolders.settings + '/settings.ini', {encoding: 'utf8'});
  } catch {
    return 1;
  }
  let section = '';
  for (const line of text.split('\n').map(line => line.trim())) {
    if (line.startsWith('[')) {
      section = line.slice(1, line.indexOf(']')).trim();
    } else if (section === 'progress' && /^furthest_stage\s*=/.test(line)) {
      const stage = Number(line.slice(line.indexOf('=') + 1).trim());
      return Number.isInteger(stage) && stage >= 1 && stage <= lastStage ? stage : 1;
    }
  }
  return 1;
}

// The one way every choice starts the game (a later one, such as watching a recorded game, too):
// ARGS are the desktop's options beside the page's own. Once a game has ended its runtime is
// gone, so the page loads again and starts at once with the choice.
function startWith(args) {
  if (gameOver) {
    try {
      sessionStorage.setItem(choiceAcrossLoad, JSON.stringify(args));
    } catch {
      // storage refused: the page loads again with its start offered
    }
    location.reload();
    return;
  }
  startPanel.hidden = true;
  chosen = args;
  if (gameReady) {
    runGameWith(chosen);
  }
}

// The choices that need the kept folders, once they are read.
function showKeptChoices() {
  const furthest = furthestStage();
  const resume = document.getElementById('continue');
  resume.hidden = furthest <= 1;
  resume.querySelector('span').textContent = furthest;
  const stages = document.getElementById('practice-stage');
  stages.replaceChildren(...Array.from({length: furthest}, (_, i) => new Option(i + 1, i + 1)));
  stages.value = furthest;
  document.getElementById('practice').hidden = false;
  document.getElementById('keeping').hidden = false;
}

function download(name, text) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([text], {type: 'application/json'}));
  link.download = name;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 60000);
}

async function importPicked(file) {
  if (file.size > importBounds.bytes) {
    throw new ImportRefused(`it is larger than ${importBounds.bytes >> 20} MiB`);
  }
  const files = await importKept(await file.text());
  showKeptChoices();
  return files;
}

function wireKeeping() {
  document.getElementById('export').addEventListener('click', () => {
    download('tilebounce-kept.json', exportKept());
    keepNote.textContent = 'Settings and records exported.';
  });
  const picker = document.getElementById('import-file');
  document.getElementById('import').addEventListener('click', () => picker.click());
  picker.addEventListener('change', () => {
    const file = picker.files[0];
    picker.value = '';
    if (!file) {
      return;
    }
    importPicked(file).then(count => {
      keepNote.textContent = `Imported ${count} kept file${count === 1 ? '' : 's'}.`;
    }, error => {
      keepNote.textContent = error instanceof ImportRefused ?
        `Not imported: ${error.message}. Nothing was changed.` :
        `The import could not be saved: ${error}`;
    });
  });
}

// Shows the start (NOTE above the choices, if any); called before the game and once it ends.
function offerStart(note) {
  document.getElementById('start-note').textContent = note;
  startPanel.hidden = false;
  document.getElementById('play').focus();
}

// Wires the choices; RUN starts the game with the arguments chosen. A choice made on the page
// before it loaded again starts the game at once.
function wireStart(run) {
  runGameWith = run;
  document.getElementById('play').addEventListener('click', () => startWith([]));
  document.getElementById('continue').addEventListener('click', () => startWith(['--continue']));
  document.getElementById('practise').addEventListener('click', () =>
    startWith(['--stage', document.getElementById('practice-stage').value]));
  wireKeeping();
  wireRuns();
  let carried = null;
  try {
    carried = JSON.parse(sessionStorage.getItem(choiceAcrossLoad));
    sessionStorage.removeItem(choiceAcrossLoad);
  } catch {
    carried = null;  // none, or not ours
  }
  if (Array.isArray(carried) && carried.every(arg => typeof arg === 'string')) {
    startWith(carried);
  } else if (!watchRunInFragment()) {
    offerStart('');
  }
}

// The game has loaded and its kept folders are read: the choices that need them show, and a
// choice made meanwhile starts it.
function startReady() {
  gameReady = true;
  showKeptChoices();
  if (chosen) {
    runGameWith(chosen);
  }
}

// The game has ended (or could not load), with NOTE to say so.
function startAfterEnd(note) {
  gameOver = true;
  if (gameReady) {
    showKeptChoices();  // the game may have gone further
  }
  offerRunMade();
  offerStart(note);
}
