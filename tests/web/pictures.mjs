// The replay tool's pictures, for comparing with what the page's canvas shows.
import {spawnSync} from 'node:child_process';
import {readFileSync} from 'node:fs';
import {join} from 'node:path';

// The key-script lines whose last picture is each reference, as the desktop's end-to-end tests
// take them.
export const referenceScripts = {
  title: ['1 -', '1 -'],
  card: ['1 -', '1 Enter', '2 -'],
  stage1: ['1 -', '1 Enter', '1 Right', '10 -'],
};

// An uncompressed 24- or 32-bit .bmp as 640 × 480 RGB bytes, top row first.
export function readBmp(bytes) {
  const offset = bytes.readUInt32LE(10);
  const width = bytes.readInt32LE(18);
  const height = bytes.readInt32LE(22);
  const depth = bytes.readUInt16LE(28);
  if (bytes.toString('latin1', 0, 2) !== 'BM' || (depth !== 24 && depth !== 32)) {
    throw new Error(`not a 24- or 32-bit .bmp (depth ${depth})`);
  }
  const rows = Math.abs(height);
  const pitch = Math.ceil(width * depth / 32) * 4;
  const rgb = Buffer.alloc(width * rows * 3);
  for (let y = 0; y < rows; ++y) {
    const row = offset + (height > 0 ? rows - 1 - y : y) * pitch;
    for (let x = 0; x < width; ++x) {
      const at = row + x * depth / 8;
      rgb[(y * width + x) * 3] = bytes[at + 2];
      rgb[(y * width + x) * 3 + 1] = bytes[at + 1];
      rgb[(y * width + x) * 3 + 2] = bytes[at];
    }
  }
  return {width, height: rows, rgb};
}

// Each reference picture, as the replay tool REPLAY draws it, in FOLDER/NAME.bmp.
export function makeReferences(replay, folder) {
  const pictures = {};
  for (const [name, lines] of Object.entries(referenceScripts)) {
    const file = join(folder, `${name}.bmp`);
    const run = spawnSync(replay, ['--screenshot', file, '-'], {input: lines.join('\n') + '\n'});
    if (run.status !== 0) {
      throw new Error(`${replay} could not draw ${name}: ${run.stderr}`);
    }
    pictures[name] = readBmp(readFileSync(file));
  }
  return pictures;
}
