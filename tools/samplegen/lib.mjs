// Shared helpers of the sample generator: document records, SVG -> PNG, text measuring,
// a simplified layout of the cloze text and a preview of how the program draws labels.
import { Resvg } from '@resvg/resvg-js';
import fs from 'node:fs';
import path from 'node:path';

export const SCHRIFT = 'Liberation Sans';
const SCHRIFTDATEIEN = [
  '/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf',
  '/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf',
  '/usr/share/fonts/truetype/liberation2/LiberationSans-Italic.ttf',
];
const RESVG_OPTIONEN = {
  font: { fontFiles: SCHRIFTDATEIEN, loadSystemFonts: false, defaultFontFamily: SCHRIFT },
};

export const AUTOR = 'Kartello-Quiz Beispiele';

export function svgZuPng(svg) {
  return new Resvg(svg, RESVG_OPTIONEN).render().asPng();
}

export function esc(text) {
  return String(text).replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');
}

// Width in pixels of one line of text at the given pixel height (font size), as drawn.
const breitenCache = new Map();
export function textBreite(text, px, fett = false, kursiv = false) {
  const schluessel = `${px}|${fett}|${kursiv}|${text}`;
  if (breitenCache.has(schluessel)) return breitenCache.get(schluessel);
  // Measure between two fixed marks so that blanks at either end count with their advance.
  const messen = (t) => {
    const svg = `<svg xmlns="http://www.w3.org/2000/svg" width="4000" height="200">` +
      `<text x="10" y="100" font-family="${SCHRIFT}" font-size="${px}"${fett ? ' font-weight="bold"' : ''}` +
      `${kursiv ? ' font-style="italic"' : ''} xml:space="preserve">${esc(t)}</text></svg>`;
    const box = new Resvg(svg, RESVG_OPTIONEN).getBBox();
    return box ? box.x + box.width : 0;
  };
  const breite = messen('|' + text + '|') - messen('||');
  breitenCache.set(schluessel, breite);
  return breite;
}

// Line height of the program's multi-line text measurement for a pixel height.
export function zeilenHoehe(px) {
  return Math.round(px * 0.905) + Math.round(px * 0.212);
}

export const runde = (x, stellen = 5) => Number(x.toFixed(stellen));

// Fractions of the extended image from pixels of the base image.
export class Geometrie {
  constructor(breite, hoehe, randErw = [0, 0, 0, 0]) {
    this.bw = breite;
    this.bh = hoehe;
    this.rand = randErw;
    const [l, o, r, u] = randErw;
    this.W = (l + 1 + r) * breite;
    this.H = (o + 1 + u) * hoehe;
  }
  // Point of the base image -> fraction pair of the extended image.
  anteil(px, py) {
    return [runde((this.rand[0] * this.bw + px) / this.W), runde((this.rand[1] * this.bh + py) / this.H)];
  }
  // Pixel of the extended image -> fraction pair (for boxes in the white margin).
  anteilErweitert(x, y) {
    return [runde(x / this.W), runde(y / this.H)];
  }
}

export function kopf(felder) {
  return {
    HD_vers: '1.00',
    HD_titel: '',
    HD_autor: AUTOR,
    HD_bemerkung: '',
    HD_lueckentext: '',
    HD_fragentext: '',
    HD_AnzFrageNummern: 0,
    HD_DokTyp: 0,
    HD_RandErw: [0, 0, 0, 0],
    HD_NumArt: 0,
    HD_GeordnetArt: 0,
    ...felder,
  };
}

export function objekt(felder) {
  const o = {
    OB_Sx: 0, OB_Sy: 0, OB_Kx: 0, OB_Ky: 0, OB_Cap: '',
    OB_KAusr: 0, OB_TAusr: 0, OB_Ebene: 1, OB_Typ: 0, OB_Sline: 0, OB_Fsize: 0,
    OB_FrageNummer: -1, OB_KAusrAkt: 0,
    ...felder,
  };
  for (const k of ['OB_Sx', 'OB_Sy', 'OB_Kx', 'OB_Ky']) o[k] = runde(o[k]);
  return o;
}

// Writes samples/<name>/dokument.json and the base image beside it.
export function beispielSchreiben(zielOrdner, name, dok, png, bildname = 'bild.png') {
  const ordner = path.join(zielOrdner, name);
  fs.mkdirSync(ordner, { recursive: true });
  fs.writeFileSync(path.join(ordner, bildname), png);
  const kopfDaten = { ...dok.kopf };
  // The title line shows "(n Fragen)": for labelling and cloze documents every
  // label and gap is one question of the quiz.
  if (kopfDaten.HD_DokTyp !== 2 && kopfDaten.HD_AnzFrageNummern === 0)
    kopfDaten.HD_AnzFrageNummern = dok.objekte.filter((o) => o.OB_Typ === 0 || o.OB_Typ === 3).length;
  const json = { ...kopfDaten, Basisbild: { datei: bildname }, objekte: dok.objekte };
  fs.writeFileSync(path.join(ordner, 'dokument.json'), JSON.stringify(json, null, 2) + '\n');
}
