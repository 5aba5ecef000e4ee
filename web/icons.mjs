// The installed page's icons: the game's 32 × 32 icon (an 8-bit RGBA PNG) made larger by whole
// multiples, each pixel a sharp square, as the picture is.
import {deflateSync, inflateSync} from 'node:zlib';

const signature = Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]);

const crcTable = Array.from({length: 256}, (_, n) => {
  let c = n;
  for (let k = 0; k < 8; ++k) {
    c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
  }
  return c >>> 0;
});

function crc32(bytes) {
  let c = 0xffffffff;
  for (const byte of bytes) {
    c = crcTable[(c ^ byte) & 0xff] ^ (c >>> 8);
  }
  return (c ^ 0xffffffff) >>> 0;
}

function chunk(type, data) {
  const head = Buffer.alloc(8);
  head.writeUInt32BE(data.length, 0);
  head.write(type, 4, 'latin1');
  const crc = Buffer.alloc(4);
  crc.writeUInt32BE(crc32(Buffer.concat([head.subarray(4), data])), 0);
  return Buffer.concat([head, data, crc]);
}

// The RGBA rows of a PNG: only the kind the game's icon is (8 bits a channel, RGBA, not
// interlaced); anything else is refused by name.
function readRgba(png) {
  if (!png.subarray(0, 8).equals(signature)) {
    throw new Error('not a PNG file');
  }
  let header;
  const compressed = [];
  for (let at = 8; at < png.length;) {
    const length = png.readUInt32BE(at);
    const type = png.toString('latin1', at + 4, at + 8);
    const data = png.subarray(at + 8, at + 8 + length);
    if (type === 'IHDR') {
      header = {width: data.readUInt32BE(0), height: data.readUInt32BE(4), depth: data[8],
                colour: data[9], interlace: data[12]};
    } else if (type === 'IDAT') {
      compressed.push(data);
    }
    at += 12 + length;
  }
  if (!header || header.depth !== 8 || header.colour !== 6 || header.interlace !== 0) {
    throw new Error('not an 8-bit RGBA PNG without interlacing');
  }
  const {width, height} = header;
  const raw = inflateSync(Buffer.concat(compressed));
  const stride = width * 4;
  const pixels = Buffer.alloc(stride * height);
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)];
    const line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    for (let x = 0; x < stride; ++x) {
      const left = x >= 4 ? pixels[y * stride + x - 4] : 0;
      const up = y > 0 ? pixels[(y - 1) * stride + x] : 0;
      const upLeft = x >= 4 && y > 0 ? pixels[(y - 1) * stride + x - 4] : 0;
      const guess = left + up - upLeft;
      // Paeth's: the nearest to the guess, ties going to the left, then up (the sort is stable).
      const nearest =
        [left, up, upLeft].sort((a, b) => Math.abs(guess - a) - Math.abs(guess - b))[0];
      const predictors = [0, left, up, (left + up) >> 1, nearest];
      if (predictors[filter] === undefined) {
        throw new Error(`unknown PNG filter ${filter}`);
      }
      pixels[y * stride + x] = (line[x] + predictors[filter]) & 0xff;
    }
  }
  return {width, height, pixels};
}

// The PNG bytes of `png` made `times` as wide and as tall.
export function enlargedPng(png, times) {
  const {width, height, pixels} = readRgba(png);
  const wide = width * times;
  const rows = [];
  for (let y = 0; y < height * times; ++y) {
    const row = Buffer.alloc(1 + wide * 4);  // filter 0: the bytes as they are
    for (let x = 0; x < wide; ++x) {
      const from = (Math.floor(y / times) * width + Math.floor(x / times)) * 4;
      pixels.copy(row, 1 + x * 4, from, from + 4);
    }
    rows.push(row);
  }
  const header = Buffer.alloc(13);
  header.writeUInt32BE(wide, 0);
  header.writeUInt32BE(height * times, 4);
  header.set([8, 6, 0, 0, 0], 8);
  return Buffer.concat([signature, chunk('IHDR', header),
                        chunk('IDAT', deflateSync(Buffer.concat(rows), {level: 9})),
                        chunk('IEND', Buffer.alloc(0))]);
}
