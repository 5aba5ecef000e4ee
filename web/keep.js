// The folders the game keeps between visits (its settings, and the player's records) live in
// IndexedDB through emscripten's IDBFS: read before the game starts, saved after every file the
// game writes there, and carried out and back in as one file that the player downloads and picks
// again.
const keptFolders = {
  settings: '/home/web_user/.config/tilebounce',
  records: '/home/web_user/.local/share/tilebounce',
};
const keptFileFormat = 'tilebounce kept folders';
const keptFileVersion = 1;
// What an imported file may hold at most: more is no file this page wrote.
const importBounds = {bytes: 16 << 20, files: 1000, depth: 8};

const isKeptPath = path => Object.values(keptFolders).some(folder => path.startsWith(folder + '/'));

// Mounts the kept folders and holds the game's start until IndexedDB has filled them. Where
// IndexedDB is refused the game plays with its defaults, and keeps nothing.
function loadKept() {
  // The standard streams first: reading the kept folders opens files, and one left open by a
  // damaged entry would otherwise take the descriptor of standard input.
  Module.FS.init();
  try {
    for (const folder of Object.values(keptFolders)) {
      Module.FS.mkdirTree(folder);
      Module.FS.mount(Module.IDBFS, {}, folder);
    }
  } catch (error) {
    console.warn('tilebounce: no place to keep the settings and records:', error);
    return;
  }
  Module.addRunDependency('kept folders');
  Module.FS.syncfs(true, error => {
    if (error) {
      console.warn('tilebounce: the kept settings and records could not be read:', error);
    }
    Module.removeRunDependency('kept folders');
  });
}

const syncOut = () => new Promise((done, failed) =>
  Module.FS.syncfs(false, error => error ? failed(error) : done()));

// Saves the kept folders to IndexedDB; resolves once a save begun after this call has ended.
// Calls during a save share the one save after it.
let saving = null;
let nextSave = null;
function saveKept() {
  if (!saving) {
    saving = syncOut().finally(() => {
      saving = null;
    });
    return saving;
  }
  if (!nextSave) {
    nextSave = saving.catch(() => {}).then(() => {
      nextSave = null;
      return saveKept();
    });
  }
  return nextSave;
}

function bytesToBase64(bytes) {
  let text = '';
  for (let at = 0; at < bytes.length; at += 0x8000) {
    text += String.fromCharCode(...bytes.subarray(at, at + 0x8000));
  }
  return btoa(text);
}

// Each file under FOLDER, by its path inside it.
function keptFilesUnder(folder, inside = '') {
  const files = {};
  const here = inside ? folder + '/' + inside : folder;
  if (!Module.FS.analyzePath(here).exists) {
    return files;
  }
  for (const name of Module.FS.readdir(here)) {
    if (name === '.' || name === '..') {
      continue;
    }
    const path = inside ? inside + '/' + name : name;
    const mode = Module.FS.stat(folder + '/' + path).mode;
    if (Module.FS.isDir(mode)) {
      Object.assign(files, keptFilesUnder(folder, path));
    } else if (Module.FS.isFile(mode)) {
      files[path] = Module.FS.readFile(folder + '/' + path);
    }
  }
  return files;
}

// The text of the file the player downloads: every kept file, by folder.
function exportKept() {
  const folders = {};
  for (const [name, folder] of Object.entries(keptFolders)) {
    folders[name] = Object.fromEntries(Object.entries(keptFilesUnder(folder))
      .map(([path, bytes]) => [path, bytesToBase64(bytes)]));
  }
  return JSON.stringify({format: keptFileFormat, version: keptFileVersion, folders}, null, 1);
}

class ImportRefused extends Error {}

function checkedPath(path) {
  const parts = path.split('/');
  if (parts.length > importBounds.depth ||
      parts.some(part => part === '' || part === '.' || part === '..' || part.length > 255 ||
                         /[\0\\]/.test(part))) {
    throw new ImportRefused(`it names a file "${path.slice(0, 80)}" that cannot be kept`);
  }
  return parts;
}

function base64ToBytes(text, path) {
  if (typeof text !== 'string' || text.length % 4 || !/^[A-Za-z0-9+/]*={0,2}$/.test(text)) {
    throw new ImportRefused(`the contents of ${path.slice(0, 80)} are damaged`);
  }
  return Uint8Array.from(atob(text), c => c.charCodeAt(0));
}

// The files an exported text holds, as [folder, path, bytes], checked whole before any is
// written; an ImportRefused that says why otherwise.
function readKeptFile(text) {
  let kept;
  try {
    kept = JSON.parse(text);
  } catch {
    kept = null;
  }
  if (!kept || typeof kept !== 'object' || kept.format !== keptFileFormat) {
    throw new ImportRefused('it is not a file of kept settings and records');
  }
  if (kept.version !== keptFileVersion) {
    throw new ImportRefused(`it is of version ${String(kept.version).slice(0, 20)}; this page ` +
                            `reads version ${keptFileVersion}`);
  }
  const folders = kept.folders;
  if (!folders || typeof folders !== 'object' ||
      Object.keys(folders).some(name => !(name in keptFolders))) {
    throw new ImportRefused('it holds folders this page does not keep');
  }
  const files = [];
  for (const [name, contents] of Object.entries(folders)) {
    if (!contents || typeof contents !== 'object') {
      throw new ImportRefused(`its folder ${name} is damaged`);
    }
    const paths = new Set(Object.keys(contents));
    for (const [path, base64] of Object.entries(contents)) {
      const parts = checkedPath(path);
      // A file where another file needs a folder could never be written.
      if (parts.some((_, depth) => depth > 0 && paths.has(parts.slice(0, depth).join('/')))) {
        throw new ImportRefused(`it names ${path.slice(0, 80)} inside a file`);
      }
      files.push([keptFolders[name], path, base64ToBytes(base64, path)]);
    }
  }
  if (files.length > importBounds.files) {
    throw new ImportRefused(`it holds ${files.length} files, more than ${importBounds.files}`);
  }
  return files;
}

function removeUnder(folder) {
  for (const name of Module.FS.readdir(folder)) {
    if (name === '.' || name === '..') {
      continue;
    }
    const path = folder + '/' + name;
    if (Module.FS.isDir(Module.FS.stat(path).mode)) {
      removeUnder(path);
      Module.FS.rmdir(path);
    } else {
      Module.FS.unlink(path);
    }
  }
}

// Puts the kept folders back as an exported TEXT holds them, in place of what they hold now, and
// saves them. A damaged or foreign text is refused (an ImportRefused) and changes nothing.
function importKept(text) {
  const files = readKeptFile(text);
  for (const folder of Object.values(keptFolders)) {
    removeUnder(folder);
  }
  for (const [folder, path, bytes] of files) {
    const file = folder + '/' + path;
    Module.FS.mkdirTree(file.slice(0, file.lastIndexOf('/')));
    Module.FS.writeFile(file, bytes);
  }
  return saveKept().then(() => files.length);
}
