// The RGBA pixels of a PNG file as the converter writes them (8-bit palette or RGB, rows without
// a filter), for comparing PNG files whose compressors differ.
import { inflateSync } from "node:zlib";

export function pngPixels(file) {
  const png = Buffer.from(file.buffer, file.byteOffset, file.length);
  const chunks = {};
  for (let at = 8; at < png.length; ) {
    const length = png.readUInt32BE(at);
    const kind = png.toString("latin1", at + 4, at + 8);
    chunks[kind] = Buffer.concat([chunks[kind] ?? Buffer.alloc(0), png.subarray(at + 8, at + 8 + length)]);
    at += 12 + length;
  }
  const width = chunks.IHDR.readUInt32BE(0);
  const height = chunks.IHDR.readUInt32BE(4);
  const indexed = chunks.IHDR[9] === 3;
  const rows = inflateSync(chunks.IDAT);
  const stride = 1 + (indexed ? width : 3 * width);
  const pixels = Buffer.alloc(width * height * 4);
  for (let y = 0; y < height; ++y) {
    if (rows[y * stride] !== 0) throw new Error(`row ${y} has filter ${rows[y * stride]}`);
    for (let x = 0; x < width; ++x) {
      const from = indexed ? 3 * rows[y * stride + 1 + x] : y * stride + 1 + 3 * x;
      (indexed ? chunks.PLTE : rows).copy(pixels, 4 * (y * width + x), from, from + 3);
      pixels[4 * (y * width + x) + 3] = 255;
    }
  }
  return { width, height, pixels };
}
