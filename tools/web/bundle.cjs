// Joins the page's modules into one script, so that a phone fetches one file
// where it fetched one per module (on a slow network every round trip
// counts). Each module keeps a scope of its own; what it exports is all the
// others see of it, and modules run in the order the browser would run them;
// whole-line comments, blank lines and indentation are left out.
// It knows the two forms the page uses, `import { a, b } from './x.js';` and
// `export` before a declaration, and refuses any other.
// Usage: node tools/web/bundle.cjs ENTRY.js OUT.js
'use strict';
const fs = require('fs');
const path = require('path');

const kImport = /^import\s*\{([^}]*)\}\s*from\s*'\.\/([\w-]+\.js)';[ \t]*$/;
const kExport = /^export\s+((?:async\s+)?(?:function\*?|class|const|let)\s+([A-Za-z_$][\w$]*))/;

function parse(file) {
  const imports = [];
  const exports = [];
  const lines = fs.readFileSync(file, 'utf8').split('\n').map((line, index) => {
    const where = `${path.basename(file)}:${index + 1}`;
    const imported = kImport.exec(line);
    if (imported) {
      const names = imported[1].split(',').map((name) => name.trim()).filter(Boolean);
      if (names.some((name) => !/^[A-Za-z_$][\w$]*$/.test(name))) throw new Error(`${where}: renamed import`);
      imports.push(imported[2]);
      return '';
    }
    if (/^import\b/.test(line)) throw new Error(`${where}: an import this bundler does not know`);
    const exported = kExport.exec(line);
    if (exported) {
      exports.push(exported[2]);
      return line.replace(/^export\s+/, '');
    }
    if (/^export\b/.test(line)) throw new Error(`${where}: an export this bundler does not know`);
    return line;
  });
  // Comments and indentation are for the reader: a phone need not fetch them.
  const body = lines.map((line) => line.trim()).filter((line) => line && !line.startsWith('//')).join('\n');
  return { imports, exports, body };
}

function bundle(entry) {
  const folder = path.dirname(entry);
  const done = new Set();
  const visiting = new Set();
  const exportedBy = new Map();
  const chunks = [];
  const visit = (name) => {
    if (done.has(name)) return;
    if (visiting.has(name)) throw new Error(`${name}: modules import each other in a circle`);
    visiting.add(name);
    const module = parse(path.join(folder, name));
    module.imports.forEach(visit);
    for (const exported of module.exports) {
      if (exportedBy.has(exported)) throw new Error(`${exported} is exported by ${exportedBy.get(exported)} and ${name}`);
      exportedBy.set(exported, name);
    }
    const names = module.exports.join(', ');
    chunks.push(module.exports.length
      ? `// ${name}\nconst { ${names} } = (() => {\n${module.body}\nreturn { ${names} };\n})();\n`
      : `// ${name}\n(() => {\n${module.body}\n})();\n`);
    visiting.delete(name);
    done.add(name);
  };
  visit(path.basename(entry));
  return chunks.join('\n');
}

const [entry, out] = process.argv.slice(2);
fs.writeFileSync(out, bundle(entry));
