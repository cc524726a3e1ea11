// Shared parts of the map documents: the Natural Earth layers drawn as SVG, and a labelling
// document whose boxes are placed by platzierung.mjs.
import { geoArea, geoCentroid, geoGraticule, geoPath } from 'd3-geo';
import * as topojson from 'topojson-client';
import { createRequire } from 'node:module';
import { esc, Geometrie, kopf, objekt, svgZuPng, SCHRIFT } from './lib.mjs';
import { platzieren } from './platzierung.mjs';

const laden = createRequire(import.meta.url);
export const welt50 = laden('world-atlas/countries-50m.json');
export const welt110 = laden('world-atlas/countries-110m.json');

export const FARBEN = {
  meer: '#cfe6f6', gitter: '#b5d3ea', land: '#ebe6d8', genannt: '#f4e4b0', grenze: '#9c8f78',
  kueste: '#5f8db3', fluss: '#3d7fc4', stadt: '#b0302a',
};

export function laenderVon(welt = welt50) {
  return topojson.feature(welt, welt.objects.countries).features;
}

// The largest part of a country, so that a centroid lands on the mainland.
export function hauptflaeche(land) {
  if (land.geometry.type !== 'MultiPolygon') return land;
  let beste = null;
  for (const ring of land.geometry.coordinates) {
    const teil = { type: 'Feature', properties: land.properties, geometry: { type: 'Polygon', coordinates: ring } };
    if (!beste || geoArea(teil) > geoArea(beste)) beste = teil;
  }
  return beste;
}

export const schwerpunkt = (land) => geoCentroid(hauptflaeche(land));

// Sea, graticule, countries (the named ones highlighted), borders and coast lines.
export function grundkarteSvg(proj, breite, hoehe, { welt = welt50, genannt = new Set(), gitter = [10, 10],
  farbe = (land) => (genannt.has(land.properties.name) ? FARBEN.genannt : FARBEN.land) } = {}) {
  const pfad = geoPath(proj);
  const teile = [`<rect width="${breite}" height="${hoehe}" fill="${FARBEN.meer}"/>`];
  if (gitter) teile.push(`<path d="${pfad(geoGraticule().step(gitter)())}" fill="none" stroke="${FARBEN.gitter}" stroke-width="0.8"/>`);
  for (const land of laenderVon(welt)) teile.push(`<path d="${pfad(land)}" fill="${farbe(land)}"/>`);
  const grenzen = topojson.mesh(welt, welt.objects.countries, (a, b) => a !== b);
  const kueste = topojson.mesh(welt, welt.objects.countries, (a, b) => a === b);
  teile.push(`<path d="${pfad(grenzen)}" fill="none" stroke="${FARBEN.grenze}" stroke-width="0.7" stroke-linejoin="round"/>`);
  teile.push(`<path d="${pfad(kueste)}" fill="none" stroke="${FARBEN.kueste}" stroke-width="0.9" stroke-linejoin="round"/>`);
  return teile.join('\n');
}

export function svgRahmen(breite, hoehe, inhalt) {
  return `<svg xmlns="http://www.w3.org/2000/svg" width="${breite}" height="${hoehe}">\n${inhalt}\n` +
    `<rect x="0.5" y="0.5" width="${breite - 1}" height="${hoehe - 1}" fill="none" stroke="#7a9cb8"/>\n</svg>`;
}

// A town: a red dot with a white rim (capitals get a ring).
export function stadtSvg([x, y], hauptstadt = false) {
  return hauptstadt
    ? `<circle cx="${x.toFixed(1)}" cy="${y.toFixed(1)}" r="5" fill="#ffffff" stroke="${FARBEN.stadt}" stroke-width="2"/>` +
      `<circle cx="${x.toFixed(1)}" cy="${y.toFixed(1)}" r="2.2" fill="${FARBEN.stadt}"/>`
    : `<circle cx="${x.toFixed(1)}" cy="${y.toFixed(1)}" r="3.5" fill="${FARBEN.stadt}" stroke="#ffffff" stroke-width="1"/>`;
}

// A small caption drawn into the base image (not a quiz label), e.g. a neighbour's name.
export function kartenText([x, y], text, { px = 13, farbe = '#6b6250', kursiv = true, anker = 'middle' } = {}) {
  return `<text x="${x.toFixed(1)}" y="${y.toFixed(1)}" font-family="${SCHRIFT}" font-size="${px}" fill="${farbe}"` +
    `${kursiv ? ' font-style="italic"' : ''} text-anchor="${anker}">${esc(text)}</text>`;
}

// A labelling document. labels: [{ text, punkt: [x, y] in base-image pixels, aufAnker,
// fsize, rand: [x, y] box centre in pixels of the extended image (optional) }].
export function beschriftungsDokument({ name, titel, bemerkung, breite, hoehe, rand = [0, 0, 0, 0], svg,
  labels, info = null, infoOrt = null, fsize = 0, punkte = [], randSpalte = 0, randSpalteLinks = 0 }) {
  const geo = new Geometrie(breite, hoehe, rand);
  const versatz = ([x, y]) => [rand[0] * breite + x, rand[1] * hoehe + y];
  const roh = labels.map((l) => ({ ...l, fsize: l.fsize ?? fsize, ax: versatz(l.punkt)[0], ay: versatz(l.punkt)[1],
    wunsch: l.wunsch && versatz(l.wunsch) }));
  const infoPunkt = infoOrt ?? [geo.W - 30, 28];
  const plaetze = platzieren(roh, geo.W, geo.H, { punkte: punkte.map(versatz), scheiben: info ? [[...infoPunkt, 3]] : [], randSpalte, randSpalteLinks });
  const objekte = roh.map((l, i) => {
    const p = plaetze[i];
    const [sx, sy] = geo.anteilErweitert(l.ax, l.ay);
    const [kx, ky] = geo.anteilErweitert(p.kx, p.ky);
    return objekt({ OB_Sx: sx, OB_Sy: sy, OB_Kx: kx, OB_Ky: ky, OB_Cap: l.text, OB_KAusr: p.seite,
      OB_TAusr: l.text.includes('\r\n') ? 1 : 0, OB_Ebene: 1, OB_Typ: 0, OB_Sline: p.linie ? 1 : 0, OB_Fsize: l.fsize });
  });
  if (info) {
    const [ix, iy] = geo.anteilErweitert(...infoPunkt);
    objekte.push(objekt({ OB_Sx: ix, OB_Sy: iy, OB_Kx: ix, OB_Ky: iy, OB_Cap: info, OB_Ebene: 2, OB_Typ: 2, OB_KAusr: 3 }));
  }
  const dok = { kopf: kopf({ HD_titel: titel, HD_bemerkung: bemerkung, HD_DokTyp: 0, HD_RandErw: rand }), objekte };
  return { name, dok, png: svgZuPng(svg), breite, hoehe };
}
