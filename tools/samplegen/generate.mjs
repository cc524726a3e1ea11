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
import { afrika, asien, nordamerika, suedamerika, kontinenteOzeane, europaHauptstaedte, europaMeere } from './welt.mjs';
import { pflanzenzelle, fotosynthese, wortarten, grammatik, geometrie } from './faecher.mjs';
import { deutschlandLaender, deutschlandHauptstaedte, deutschlandFluesseGebirge } from './deutschland.mjs';

const hier = path.dirname(fileURLToPath(import.meta.url));
const ziel = path.resolve(hier, '../../samples');
const i = process.argv.indexOf('--vorschau');
const vorschauOrdner = i > 0 ? process.argv[i + 1] : null;
const nur = process.argv.slice(2).filter((a, k, alle) => !a.startsWith('--') && alle[k - 1] !== '--vorschau');

const ERZEUGER = {
  europa, wasserkreislauf, hauptstaedte, planeten,
  'erdkunde-deutschland-laender': deutschlandLaender,
  'erdkunde-deutschland-hauptstaedte': deutschlandHauptstaedte,
  'erdkunde-deutschland-fluesse-gebirge': deutschlandFluesseGebirge,
  'erdkunde-europa-hauptstaedte': europaHauptstaedte,
  'erdkunde-europa-meere': europaMeere,
  'erdkunde-kontinente-ozeane': kontinenteOzeane,
  'erdkunde-afrika-staaten': afrika,
  'erdkunde-asien-staaten': asien,
  'erdkunde-nordamerika-staaten': nordamerika,
  'erdkunde-suedamerika-staaten': suedamerika,
  'biologie-pflanzenzelle': pflanzenzelle,
  'biologie-fotosynthese': fotosynthese,
  'deutsch-wortarten': wortarten,
  'deutsch-grammatik-begriffe': grammatik,
  'mathematik-figuren-koerper': geometrie,
};

for (const [name, erzeuger] of Object.entries(ERZEUGER)) {
  if (nur.length && !nur.includes(name)) continue;
  const b = erzeuger();
  beispielSchreiben(ziel, b.name, b.dok, b.png);
  console.log(`${b.name}: ${b.dok.objekte.length} Objekte`);
  if (vorschauOrdner) {
    fs.mkdirSync(vorschauOrdner, { recursive: true });
    fs.writeFileSync(path.join(vorschauOrdner, `${b.name}.png`), vorschauPng(b.dok, b.png, b.breite, b.hoehe, b.vorschauBreite));
  }
}
