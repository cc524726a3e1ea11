// Generates the sample documents under samples/ (see README.md).
// node generate.mjs [--vorschau ORDNER]
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { beispielSchreiben } from './lib.mjs';
import { vorschauPng } from './vorschau.mjs';
import { europa } from './europa.mjs';
import { wasserkreislauf } from './wasserkreislauf.mjs';
import { hauptstaedte } from './hauptstaedte.mjs';
import { planeten } from './planeten.mjs';

const hier = path.dirname(fileURLToPath(import.meta.url));
const ziel = path.resolve(hier, '../../samples');
const i = process.argv.indexOf('--vorschau');
const vorschauOrdner = i > 0 ? process.argv[i + 1] : null;
const nur = process.argv.slice(2).filter((a, k, alle) => !a.startsWith('--') && alle[k - 1] !== '--vorschau');

for (const erzeuger of [europa, wasserkreislauf, hauptstaedte, planeten]) {
  const b = erzeuger();
  if (nur.length && !nur.includes(b.name)) continue;
  beispielSchreiben(ziel, b.name, b.dok, b.png);
  console.log(`${b.name}: ${b.dok.objekte.length} Objekte`);
  if (vorschauOrdner) {
    fs.mkdirSync(vorschauOrdner, { recursive: true });
    fs.writeFileSync(path.join(vorschauOrdner, `${b.name}.png`), vorschauPng(b.dok, b.png, b.breite, b.hoehe, b.vorschauBreite));
  }
}
