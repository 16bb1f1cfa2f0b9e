// The page in the player's language: the first of the browser's languages
// (navigator.languages) that the game has, its texts laid over the layout.
// The texts come from the desktop's catalogues through the layout exporter
// (lang/<language>.json); without one the page stays English.

// A language's texts are a few kilobytes; anything far larger is not them.
const kLargestTextsBytes = 256 * 1024;

// The game's language for the browser's preferences, or null for English:
// a language the game has exactly, else the same language of another
// country ("pt-PT" gets "pt-BR"); English anywhere before stops the search.
export function chooseLanguage(preferred, available) {
  for (const wanted of preferred) {
    const exact = available.find((code) => code.toLowerCase() === wanted.toLowerCase());
    if (exact) return exact;
    const language = wanted.split('-')[0].toLowerCase();
    if (language === 'en') return null;
    const same = available.find((code) => code.split('-')[0].toLowerCase() === language);
    if (same) return same;
  }
  return null;
}

// Lays `texts` over `base`: strings replace strings, objects go by key, a
// list of named controls takes each one's texts by its name. Only what the
// layout already has is replaced.
export function overlay(base, texts) {
  for (const [key, value] of Object.entries(texts)) {
    if (!Object.hasOwn(base, key)) continue;
    const target = base[key];
    if (Array.isArray(target)) {
      for (const item of target) if (item && Object.hasOwn(value, item.name)) overlay(item, value[item.name]);
    } else if (target && typeof target === 'object') {
      overlay(target, value);
    } else if (typeof target === 'string' && typeof value === 'string') {
      base[key] = value;
    }
  }
  return base;
}

// Puts the player's language into `layout`; resolves to its code ("en"
// when the game has none of the browser's languages or its texts fail).
export async function localise(layout) {
  const language = chooseLanguage(navigator.languages ?? [navigator.language], layout.languages ?? []);
  if (!language) return 'en';
  try {
    const response = await fetch(`lang/${language}.json`);
    if (!response.ok) throw new Error(`lang/${language}.json: ${response.status}`);
    const text = await response.text();
    if (text.length > kLargestTextsBytes) throw new Error(`lang/${language}.json is too large`);
    overlay(layout, JSON.parse(text));
    return language;
  } catch (error) {
    console.warn(`${error.message}; the page stays in English`);
    return 'en';
  }
}

// A text the rules wrote in English, as the window shows it: the refusal's
// words, or the NEXT LEVEL line with its number.
export function shownGameText(words, text) {
  if (Object.hasOwn(words.messages, text)) return words.messages[text];
  if (text.startsWith(words.nextLevelPrefix)) return words.nextLevel.replace('%1', text.slice(words.nextLevelPrefix.length));
  return text;
}
