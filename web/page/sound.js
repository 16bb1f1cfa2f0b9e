// The game's sounds through Web Audio. A play resolves when the sound has
// ended, and never later than the bound below; a sound that cannot be
// played gives a short default beep instead.

// The default sound: a short plain tone.
const kBeepHz = 880;
const kBeepSeconds = 0.12;
const kBeepGain = 0.2;
// Sounds are decoded at this rate; the output converts them to its own.
const kDecodeRate = 44100;
// How long a play waits for an output it has just opened to start.
const kStartAudioMs = 250;

// A RIFF file of the WAVE type whose chunks lie within it, with a PCM or
// floating-point format chunk and a data chunk: nothing else reaches the
// browser's decoder.
function isWave(data) {
  if (data.byteLength < 12) return false;
  const bytes = new DataView(data);
  const tag = (offset) => String.fromCharCode(...new Uint8Array(data, offset, 4));
  if (tag(0) !== 'RIFF' || tag(8) !== 'WAVE') return false;
  let format = false;
  let samples = false;
  for (let at = 12; at + 8 <= data.byteLength;) {
    const size = bytes.getUint32(at + 4, true);
    if (at + 8 + size > data.byteLength) return false;
    if (tag(at) === 'fmt ') format = size >= 16 && [1, 3].includes(bytes.getUint16(at + 8, true));
    if (tag(at) === 'data') samples = true;
    at += 8 + size + (size % 2);  // chunks are padded to an even length
  }
  return format && samples;
}

function delay(ms) {
  return new Promise((resolve) => setTimeout(resolve, ms));
}

export class SoundPlayer {
  // `limits` are the desktop's: how long past a sound's own length to wait
  // for its end (graceMilliseconds, gracePercentOfLength), the longest part
  // of a sound that plays (longestMilliseconds), how much longer a play may
  // wait at most (overrunMilliseconds), the largest file read (mostBytes).
  constructor(limits) {
    this.limits = limits;
    this.buffers = new Map();  // absolute address -> decoded sound, or its promise
    this.AudioContext = window.AudioContext || window.webkitAudioContext;
    this.context = null;
    // Browsers let a page play sound only after a gesture: the audio output
    // is opened at the first press or key on the page, and not before. It is
    // opened once the press is on the screen (opening it takes a while on a
    // slow phone), which the gesture allows.
    const afterThisFrame = () => requestAnimationFrame(() => setTimeout(() => this.startAudio(), 0));
    // A touch counts as a gesture when it is lifted, a mouse press when it
    // goes down.
    for (const type of ['pointerdown', 'pointerup', 'keydown']) {
      window.addEventListener(type, afterThisFrame, { capture: true });
    }
  }

  // Fetches and decodes the sound files once, soon after the start: nothing
  // is fetched while the game runs. A play that comes first fetches its
  // file and waits for it. A file that fails to load is left out, so its
  // play gives the beep.
  preload(urls) {
    for (const url of urls) this.buffer(url);
  }

  buffer(url) {
    if (!this.buffers.has(url)) this.buffers.set(url, this.load(url));
    return this.buffers.get(url);
  }

  async load(url) {
    try {
      const response = await fetch(url);
      if (!response.ok || !this.AudioContext) return null;
      const data = await response.arrayBuffer();
      if (data.byteLength > this.limits.mostBytes || !isWave(data)) throw new Error('not a short WAV file');
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
    const buffer = (await this.buffer(new URL(url, location.href).href)) ?? this.beep();
    const source = this.context.createBufferSource();
    source.buffer = buffer;
    source.connect(this.context.destination);
    // A longer sound plays its first part only, and no play waits longer
    // than that part and the overrun, as on the desktop.
    const limits = this.limits;
    const lengthMs = Math.min(buffer.duration * 1000, limits.longestMilliseconds);
    const boundMs = Math.min(limits.longestMilliseconds + limits.overrunMilliseconds,
      lengthMs * (1 + limits.gracePercentOfLength / 100) + limits.graceMilliseconds);
    const ended = new Promise((resolve) => { source.onended = resolve; });
    source.start(0, 0, lengthMs / 1000);
    await Promise.race([ended, delay(boundMs)]);
    source.onended = null;
    try { source.stop(); } catch (error) { /* already ended */ }
    source.disconnect();
  }

  // Opens the audio output, or asks the browser again for one it holds
  // back; resolves once it runs, or never.
  startAudio() {
    if (!this.AudioContext) return null;
    if (!this.context) this.context = new this.AudioContext();
    return this.context.state === 'suspended' ? this.context.resume().catch(() => {}) : null;
  }

  // True while the browser lets the page play sound. Where it does not (no
  // gesture yet, or audio blocked), a play goes by at once, as with no
  // audio at all; the next press or key asks the browser again. Only a
  // play that comes before its own gesture has opened the output (a quick
  // second press) opens it and gives it a moment to start.
  async started() {
    if (!this.context) {
      const starting = this.startAudio();
      if (starting) await Promise.race([starting, delay(kStartAudioMs)]);
    }
    return this.context !== null && this.context.state === 'running';
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
