// Data the page carries inside itself (written into index.html by
// tools/web/inline.cjs), so that a phone has it after one round trip.

// The bytes of the data block `id`, or null if the page has none; at most
// `largest` bytes.
export function carriedBytes(id, largest) {
  const block = document.getElementById(id);
  if (!block) return null;
  const text = block.textContent;
  if (text.length > Math.ceil(largest / 3) * 4) throw new Error(`${id} is too large`);
  return Uint8Array.from(atob(text.trim()), (character) => character.charCodeAt(0));
}

// The text of the data block `id`, or null; at most `largest` characters.
export function carriedText(id, largest) {
  const block = document.getElementById(id);
  if (!block) return null;
  if (block.textContent.length > largest) throw new Error(`${id} is too large`);
  return block.textContent;
}
