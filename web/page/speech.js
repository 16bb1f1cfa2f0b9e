// What the game tells a screen reader, said through a polite live region:
// the desktop's own sentences, filled from the same templates (layout.json's
// "spoken") in the same way, after each handler and for the status on S.

// "%1 boxes selected, worth %2" with 5, 12500: each %n is the nth value.
function fill(template, ...values) {
  return template.replace(/%(\d)/g, (_, place) => String(values[Number(place) - 1]));
}

function list(templates, items) {
  return items.reduce((said, item) => (said ? fill(templates.list, said, item) : item), '');
}

function selection(templates, after) {
  return after.selectedBoxes > 0 ? fill(templates.selected, after.selectedBoxes, after.selectionValue)
    : templates.nothingSelected;
}

function level(templates, after) {
  return after.nextLevelAt === null ? fill(templates.topLevel, after.level)
    : fill(templates.level, after.level, after.nextLevelAt);
}

// The sentence for one handler's outcome, or '' when there is nothing to say.
function afterHandler(templates, outcome) {
  const after = outcome.after;
  switch (outcome.what) {
    case 'pressed': {
      const said = [];
      if (outcome.removedBoxes > 0) {
        said.push(fill(templates.removed, outcome.removedBoxes, outcome.removedValue, after.points));
      }
      if (outcome.selected || (outcome.loneBox && outcome.removedBoxes === 0)) said.push(selection(templates, after));
      return list(templates, said);
    }
    case 'levelUp':
    case 'atTopLevel': return level(templates, after);
    case 'newGame': return fill(templates.newGame, after.level, after.points);
    case 'reshuffled': return fill(templates.reshuffled, after.points, after.nextResetCost);
    default: return '';
  }
}

function status(templates, after) {
  const left = after.boxesLeft;
  return list(templates, [
    after.nextLevelAt === null ? fill(templates.scoreAtTop, after.points, after.level)
      : fill(templates.score, after.points, after.level, after.nextLevelAt),
    selection(templates, after),
    fill(templates.boxesLeft, left.red, left.blue, left.green, left.yellow),
    fill(templates.nextResetCost, after.nextResetCost),
  ]);
}

export class Speech {
  constructor(root, templates) {
    this.templates = templates;
    this.latest = null;
    // Read by screen readers, not shown.
    this.region = document.createElement('div');
    this.region.dataset.control = 'spoken';
    this.region.setAttribute('role', 'status');
    this.region.setAttribute('aria-live', 'polite');
    Object.assign(this.region.style, {
      position: 'absolute', width: '1px', height: '1px', overflow: 'hidden', clipPath: 'inset(50%)',
    });
    root.append(this.region);
  }

  told(outcome) {
    this.latest = outcome.after;
    this.say(afterHandler(this.templates, outcome));
  }

  sayStatus() {
    if (this.latest) this.say(status(this.templates, this.latest));
  }

  say(words) {
    if (!words) return;
    // The same words again are a change too, so that they are said again.
    this.region.textContent = words === this.region.textContent ? `${words}\u00a0` : words;
  }
}
