// The rules as the desktop build plays them: the transcript program in its
// replay mode, fed one event at a time. Its answers are what the page must
// show.
'use strict';
const { spawn } = require('child_process');
const readline = require('readline');

const kTextNames = ['lvl', 'Pts', 'SelPts', 'Nmmc', 'NEXTLEVEL', 'Label4', 'Label6', 'Label8', 'Label10', 'Label12'];

class Oracle {
  // A game whose generator starts at `state` with the clock standing at
  // `second` and `month`.
  constructor(program, state, second, month) {
    this.child = spawn(program, ['replay', state.toString(), String(second), String(month)]);
    this.lines = [];
    this.waiters = [];
    readline.createInterface({ input: this.child.stdout }).on('line', (line) => {
      const waiter = this.waiters.shift();
      if (waiter) waiter(line);
      else this.lines.push(line);
    });
  }

  line() {
    if (this.lines.length > 0) return Promise.resolve(this.lines.shift());
    return new Promise((resolve) => this.waiters.push(resolve));
  }

  async state() {
    const board = (await this.line()).trim();
    const values = (await this.line()).trim().split('|');
    const texts = Object.fromEntries(kTextNames.map((name, index) => [name, values[index]]));
    return { board, texts };
  }

  // The first board, before any event.
  first() { return this.state(); }

  // An event ("press X Y", "settle", "level-up", "reset"); the state after it.
  send(event) {
    this.child.stdin.write(`${event}\n`);
    return this.state();
  }

  // { row, column, x, y }: a cell and the middle of its box in twips, as
  // the rules place it.
  async answeredCell(question) {
    this.child.stdin.write(`${question}\n`);
    const [word, row, column, x, y] = (await this.line()).split(' ');
    return word === 'cell' ? { row: Number(row), column: Number(column), x: Number(x), y: Number(y) } : null;
  }

  cell(row, column) { return this.answeredCell(`cell ${row} ${column}`); }

  // The cell whose press selects the most boxes, or null.
  biggestGroup() { return this.answeredCell('biggest'); }

  close() { this.child.stdin.end(); }
}

module.exports = { Oracle, kTextNames };
