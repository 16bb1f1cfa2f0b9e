// One event at a time, as the desktop's event loop delivers them: a handler
// that waits for a sound or the message box holds every later event back,
// and they run afterwards in the order they came. Ticks that pile up
// meanwhile count as one, as a timer's do.
export class EventQueue {
  constructor() {
    this.waiting = [];
    this.running = false;
    this.idle = [];
  }

  // `run` is an async function; `kind` names the event ("tick" ones merge).
  post(kind, run) {
    if (kind === 'tick' && this.waiting.some((event) => event.kind === 'tick')) return;
    this.waiting.push({ kind, run });
    if (!this.running) this.drain();
  }

  // Drops every waiting event: the window is gone.
  clear() {
    this.waiting.length = 0;
  }

  // Resolves once nothing runs and nothing waits.
  settled() {
    if (!this.running && this.waiting.length === 0) return Promise.resolve();
    return new Promise((resolve) => this.idle.push(resolve));
  }

  async drain() {
    this.running = true;
    while (this.waiting.length > 0) {
      const event = this.waiting.shift();
      try {
        await event.run();
      } catch (error) {
        console.error(error);
      }
    }
    this.running = false;
    for (const resolve of this.idle.splice(0)) resolve();
  }
}
