// The board's eight tile pictures come in one file, the eight PNG files one
// after the other (made by tools/web/build.sh), so that a slow phone fetches
// one file where it fetched eight; the double-size ones come inside the page
// itself. Each picture is checked to be a whole PNG within the file before
// the browser's decoder sees it.
import { carriedBytes } from './carried.js';

// The order of the pictures in the file, by tile name.
const kTileNames = ['b', 'g', 'r', 'y', 'bh', 'gh', 'rh', 'yh'];
// Eight small pictures; a file far larger is not them.
const kLargestBytes = 1024 * 1024;
const kSignature = [0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a];

// The length of the PNG file that starts at `at` in `bytes`, or 0 if there
// is none whole: a signature, then chunks (length, type, data, checksum)
// up to the end chunk.
function pngLength(bytes, at) {
  const view = new DataView(bytes.buffer, bytes.byteOffset, bytes.byteLength);
  if (at + kSignature.length > bytes.length || kSignature.some((byte, i) => bytes[at + i] !== byte)) return 0;
  for (let chunk = at + kSignature.length; chunk + 12 <= bytes.length;) {
    const end = chunk + 12 + view.getUint32(chunk);
    if (end > bytes.length) return 0;
    if (String.fromCharCode(...bytes.subarray(chunk + 4, chunk + 8)) === 'IEND') return end - at;
    chunk = end;
  }
  return 0;
}

// The tile pictures in the plain (`drawings` 1) or the double-size (2)
// drawings, as a map from tile name to a decoded picture.
export async function loadTileSheet(drawings) {
  const sharp = drawings === 2;
  let bytes = sharp ? carriedBytes('tiles@2x', kLargestBytes) : null;
  if (!bytes) {
    const response = await fetch(`assets/tiles${sharp ? '@2x' : ''}.bin`);
    if (!response.ok) throw new Error(`tile pictures: ${response.status}`);
    bytes = new Uint8Array(await response.arrayBuffer());
  }
  if (bytes.length > kLargestBytes) throw new Error('tile pictures: too large');
  const pictures = [];
  for (let at = 0; pictures.length < kTileNames.length;) {
    const length = pngLength(bytes, at);
    if (length === 0) throw new Error(`tile pictures: no whole picture at byte ${at}`);
    pictures.push(bytes.subarray(at, at + length));
    at += length;
  }
  const decoded = await Promise.all(pictures.map((picture) =>
    createImageBitmap(new Blob([picture], { type: 'image/png' }))));
  return new Map(kTileNames.map((name, index) => [name, decoded[index]]));
}
