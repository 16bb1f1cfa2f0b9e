// The game's sounds through Web Audio. A play resolves when the sound has
// ended, and never later than the bound below; a sound that cannot be
// played gives a short default beep instead.

// No play holds the game longer than this, whatever the sound.
const kLongestWaitMs = 5000;
// The default sound: a short plain tone.
const kBeepHz = 880;
const kBeepSeconds = 0.12;
const kBeepGain = 0.2;
// Sounds are decoded at this rate; the output converts them to its own.
const kDecodeRate = 44100;
// Our sounds are short: a larger file is not one of them.
const kLargestSoundBytes = 4 * 1024 * 1024;
// How long to wait for the browser to start audio before giving up on it.
const kStartAudioMs = 250;

// A RIFF file of the WAVE type, as its first twelve bytes say.
function isWave(data) {
  if (data.byteLength < 12) return false;
  const text = (offset) => String.fromCharCode(...new Uint8Array(data, offset, 4));
  return text(0) === 'RIFF' && text(8) === 'WAVE';
}

function delay(ms) {
  return new Promise((resolve) => setTimeout(resolve, ms));
}

export class SoundPlayer {
  // `grace` says how long past a sound's own length to wait for its end:
  // { milliseconds, percentOfLength }, as the desktop waits.
  constructor(grace) {
    this.grace = grace;
    this.buffers = new Map();  // absolute address -> decoded sound, or its promise
    this.AudioContext = window.AudioContext || window.webkitAudioContext;
    this.context = null;
    // Browsers let a page play sound only after a gesture: the audio output
    // is opened at the first press or key on the page, and not before.
    const start = () => {
      if (!this.AudioContext) return;
      if (!this.context) this.context = new this.AudioContext();
      if (this.context.state === 'suspended') this.context.resume().catch(() => {});
    };
    for (const type of ['pointerdown', 'keydown']) window.addEventListener(type, start, { capture: true });
  }

  // Fetches and decodes the sound files once, from the start: nothing is
  // fetched while the game runs. A play that comes first waits for its file.
  // A file that fails to load is left out, so its play gives the beep.
  preload(urls) {
    for (const url of urls) this.buffers.set(url, this.load(url));
  }

  async load(url) {
    try {
      const response = await fetch(url);
      if (!response.ok || !this.AudioContext) return null;
      const data = await response.arrayBuffer();
      if (data.byteLength > kLargestSoundBytes || !isWave(data)) throw new Error('not a short WAV file');
      // Decoded offline: no audio output is needed, nor a gesture.
      const decoder = new OfflineAudioContext(1, 1, kDecodeRate);
      return await decoder.decodeAudioData(data);
    } catch (error) {
      console.warn(`sound ${url} left out: ${error.message}`);
      return null;
    }
  }

  // Plays the sound at `url` to its end.
  async play(url) {
    if (!(await this.started())) return;
    const buffer = (await this.buffers.get(new URL(url, location.href).href)) ?? this.beep();
    const source = this.context.createBufferSource();
    source.buffer = buffer;
    source.connect(this.context.destination);
    const lengthMs = buffer.duration * 1000;
    const boundMs = Math.min(kLongestWaitMs,
      lengthMs * (1 + this.grace.percentOfLength / 100) + this.grace.milliseconds);
    const ended = new Promise((resolve) => { source.onended = resolve; });
    source.start();
    await Promise.race([ended, delay(boundMs)]);
    source.onended = null;
    try { source.stop(); } catch (error) { /* already ended */ }
    source.disconnect();
  }

  // True once the browser lets the page play sound.
  async started() {
    if (!this.context) return false;
    if (this.context.state === 'running') return true;
    await Promise.race([this.context.resume().catch(() => {}), delay(kStartAudioMs)]);
    return this.context.state === 'running';
  }

  beep() {
    if (!this.beepBuffer) {
      const rate = this.context.sampleRate;  // a fresh output's own rate
      const frames = Math.round(rate * kBeepSeconds);
      this.beepBuffer = this.context.createBuffer(1, frames, rate);
      const samples = this.beepBuffer.getChannelData(0);
      for (let i = 0; i < frames; ++i) {
        const fade = Math.min(1, i / 200, (frames - i) / 200);  // no clicks at either end
        samples[i] = kBeepGain * fade * Math.sin(2 * Math.PI * kBeepHz * i / rate);
      }
    }
    return this.beepBuffer;
  }
}
