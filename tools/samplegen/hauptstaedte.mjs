// "hauptstaedte": single questions on European capitals; every answer is a fair distractor
// for the others.
import { geoGraticule, geoOrthographic, geoPath } from 'd3-geo';
import * as topojson from 'topojson-client';
import { createRequire } from 'node:module';
import { esc, kopf, objekt, svgZuPng, SCHRIFT } from './lib.mjs';

const welt = createRequire(import.meta.url)('world-atlas/countries-110m.json');

const BREITE = 870;
const HOEHE = 620;

const FRAGEN = [
  ['Wie heißt die Hauptstadt von Frankreich?', 'Paris'],
  ['Welche Stadt ist die Hauptstadt Spaniens?', 'Madrid'],
  ['Welche Hauptstadt Italiens ist berühmt für das Kolosseum?', 'Rom'],
  ['Wie heißt die Hauptstadt von Polen?', 'Warschau'],
  ['Welche Stadt ist die Hauptstadt Schwedens?', 'Stockholm'],
  ['Wie heißt die Hauptstadt von Norwegen?', 'Oslo'],
  ['Welche Hauptstadt liegt an der Mündung des Tejo in Portugal?', 'Lissabon'],
  ['Die Donau teilt diese Hauptstadt in Buda und Pest. Wie heißt sie?', 'Budapest'],
  ['Wie heißt die Hauptstadt von Griechenland?', 'Athen'],
  ['Welche Stadt ist die Hauptstadt Irlands?', 'Dublin'],
  ['Durch welche Hauptstadt fließt die Moldau?', 'Prag'],
  ['Wie heißt die Hauptstadt von Österreich?', 'Wien'],
];

// Kinds 12 to 16 in this order carry these captions.
const KNOEPFE = [[12, '<', 0.42], [13, '>', 0.54], [14, '|<', 0.36], [15, '>|', 0.60], [16, '?', 0.48]];

function bildSvg() {
  const land = topojson.feature(welt, welt.objects.land);
  const proj = geoOrthographic().rotate([-15, -48]).scale(150).translate([715, 425]).clipAngle(90);
  const pfad = geoPath(proj);
  return `<svg xmlns="http://www.w3.org/2000/svg" width="${BREITE}" height="${HOEHE}">
  <defs><linearGradient id="grund" x1="0" y1="0" x2="1" y2="1">
    <stop offset="0" stop-color="#fbfdff"/><stop offset="1" stop-color="#e6f0fa"/></linearGradient></defs>
  <rect width="${BREITE}" height="${HOEHE}" fill="url(#grund)"/>
  <g opacity="0.8">
    <circle cx="715" cy="425" r="150" fill="#d6e8f7" stroke="#b4cde3" stroke-width="1.5"/>
    <path d="${pfad(geoGraticule().step([15, 15])())}" fill="none" stroke="#c2d9ee" stroke-width="1"/>
    <path d="${pfad(land)}" fill="#e3edd5" stroke="#b9cca6" stroke-width="1"/>
  </g>
  <rect width="${BREITE}" height="70" fill="#2f5d8a"/>
  <text x="30" y="46" font-family="${SCHRIFT}" font-size="30" font-weight="bold" fill="#ffffff">${esc('Hauptstädte Europas')}</text>
  <text x="${BREITE - 30}" y="44" font-family="${SCHRIFT}" font-size="16" fill="#cfe0f1" text-anchor="end">${esc(`${FRAGEN.length} Fragen`)}</text>
  <rect x="30" y="${HOEHE * 0.52}" width="500" height="3" fill="#2f5d8a" opacity="0.35"/>
  <rect x="0.5" y="0.5" width="${BREITE - 1}" height="${HOEHE - 1}" fill="none" stroke="#2f5d8a"/>
</svg>`;
}

export function hauptstaedte() {
  const objekte = [];
  FRAGEN.forEach(([frage, antwort], i) => {
    const nr = i + 1;
    objekte.push(objekt({ OB_Sx: 0.035, OB_Sy: 0.3, OB_Kx: 0.035, OB_Ky: 0.3, OB_Cap: frage, OB_KAusr: 1,
      OB_Typ: 11, OB_Fsize: 1, OB_FrageNummer: nr }));
    objekte.push(objekt({ OB_Sx: 0.035, OB_Sy: 0.47, OB_Kx: 0.035, OB_Ky: 0.47, OB_Cap: 'Antwort:', OB_KAusr: 1,
      OB_Typ: 17, OB_FrageNummer: nr }));
    objekte.push(objekt({ OB_Sx: 0.1, OB_Sy: 0.58, OB_Kx: 0.1, OB_Ky: 0.58, OB_Cap: antwort, OB_KAusr: 1,
      OB_Typ: 10, OB_FrageNummer: nr }));
  });
  for (const [typ, zeichen, x] of KNOEPFE)
    objekte.push(objekt({ OB_Sx: x, OB_Sy: 0.9, OB_Kx: x, OB_Ky: 0.9, OB_Cap: zeichen, OB_KAusr: 1, OB_Typ: typ }));
  const dok = {
    kopf: kopf({
      HD_titel: 'Hauptstädte Europas',
      HD_bemerkung: 'Einzelfragen: Wähle zu jeder Frage die richtige Hauptstadt.',
      HD_fragentext: FRAGEN.map(([f, a]) => `${f} // ${a}`).join('\r\n'),
      HD_AnzFrageNummern: FRAGEN.length,
      HD_DokTyp: 2,
    }),
    objekte,
  };
  return { name: 'hauptstaedte', dok, png: svgZuPng(bildSvg()), breite: BREITE, hoehe: HOEHE, vorschauBreite: BREITE };
}
