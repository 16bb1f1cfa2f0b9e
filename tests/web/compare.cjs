// Compares two pictures of the window for layout: each pixel must find a
// pixel of nearly its colour within a few pixels in the other picture, both
// ways. Text drawn by another engine then matches, while anything drawn in
// the wrong place, size, colour or font leaves blocks of misses.
'use strict';

// How far a pixel may be from its match, and how near its colour.
const kReach = 2;
const kColourTolerance = 72;  // summed over red, green and blue
// The pictures are judged in blocks this size; a block fails when more than
// this share of its pixels has no match.
const kBlock = 16;
const kLargestMissShare = 0.15;

// `a` and `b` are PNG data. Resolves to { failedBlocks: ["x,y", ...], worst }.
async function compareLayout(browser, a, b) {
  const page = await browser.newPage();
  try {
    return await page.evaluate(async (first, second, reach, tolerance, block, largest) => {
      const pixels = async (base64) => {
        const bitmap = await createImageBitmap(await (await fetch(`data:image/png;base64,${base64}`)).blob());
        const canvas = new OffscreenCanvas(bitmap.width, bitmap.height);
        const context = canvas.getContext('2d');
        context.drawImage(bitmap, 0, 0);
        return context.getImageData(0, 0, bitmap.width, bitmap.height);
      };
      const [one, two] = [await pixels(first), await pixels(second)];
      if (one.width !== two.width || one.height !== two.height)
        return { failedBlocks: [`size ${one.width}x${one.height} against ${two.width}x${two.height}`], worst: 1 };
      const { width, height } = one;
      const misses = new Uint8Array(width * height);
      const look = (from, into) => {
        for (let y = 0; y < height; ++y) {
          for (let x = 0; x < width; ++x) {
            const at = (y * width + x) * 4;
            let found = false;
            for (let dy = -reach; dy <= reach && !found; ++dy) {
              for (let dx = -reach; dx <= reach && !found; ++dx) {
                const xx = x + dx;
                const yy = y + dy;
                if (xx < 0 || yy < 0 || xx >= width || yy >= height) continue;
                const there = (yy * width + xx) * 4;
                const distance = Math.abs(from.data[at] - into.data[there]) +
                  Math.abs(from.data[at + 1] - into.data[there + 1]) +
                  Math.abs(from.data[at + 2] - into.data[there + 2]);
                found = distance <= tolerance;
              }
            }
            if (!found) misses[y * width + x] = 1;
          }
        }
      };
      look(one, two);
      look(two, one);
      const failedBlocks = [];
      let worst = 0;
      for (let top = 0; top < height; top += block) {
        for (let left = 0; left < width; left += block) {
          let missed = 0;
          let count = 0;
          for (let y = top; y < Math.min(height, top + block); ++y) {
            for (let x = left; x < Math.min(width, left + block); ++x) {
              missed += misses[y * width + x];
              ++count;
            }
          }
          const share = missed / count;
          worst = Math.max(worst, share);
          if (share > largest) failedBlocks.push(`${left},${top}`);
        }
      }
      return { failedBlocks, worst };
    }, a.toString('base64'), b.toString('base64'), kReach, kColourTolerance, kBlock, kLargestMissShare);
  } finally {
    await page.close();
  }
}

module.exports = { compareLayout };
