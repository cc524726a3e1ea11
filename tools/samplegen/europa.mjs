// "europa": a labelling document of Europe drawn from Natural Earth data (world-atlas 50m).
import { geoConicEqualArea, geoPath, geoGraticule } from 'd3-geo';
import * as topojson from 'topojson-client';
import { createRequire } from 'node:module';
import { beschriftungsDokument, laenderVon, schwerpunkt } from './karten.mjs';

const welt = createRequire(import.meta.url)('world-atlas/countries-50m.json');

const BREITE = 1000;
const HOEHE = 800;
const RAND = [0, 0, 0.3, 0];

// [name in the data, caption, anchor [lon, lat] where the centroid is a poor choice, small:
//  true: the box goes beside the country with a leader line, 'rand': into the margin column]
const LAENDER = [
  ['Iceland', 'Island'],
  ['Ireland', 'Irland'],
  ['United Kingdom', 'Vereinigtes\r\nKönigreich', [-1.8, 52.8]],
  ['Portugal', 'Portugal'],
  ['Spain', 'Spanien'],
  ['France', 'Frankreich', [2.4, 46.8]],
  ['Belgium', 'Belgien', null, true],
  ['Netherlands', 'Niederlande', null, true],
  ['Germany', 'Deutschland', null, 'rand'],
  ['Denmark', 'Dänemark', [9.2, 56.1], 'rand'],
  ['Norway', 'Norwegen', [9.0, 61.3]],
  ['Sweden', 'Schweden', [15.0, 60.5]],
  ['Finland', 'Finnland', [26.0, 62.6]],
  ['Poland', 'Polen', null, 'rand'],
  ['Czechia', 'Tschechien', null, 'rand'],
  ['Austria', 'Österreich', [14.0, 47.6], 'rand'],
  ['Switzerland', 'Schweiz', null, 'rand'],
  ['Italy', 'Italien', [12.6, 42.8]],
  ['Croatia', 'Kroatien', [15.6, 45.6], 'rand'],
  ['Hungary', 'Ungarn', [19.3, 46.9], 'rand'],
  ['Romania', 'Rumänien'],
  ['Bulgaria', 'Bulgarien', null, true],
  ['Greece', 'Griechenland', [22.0, 39.6]],
  ['Ukraine', 'Ukraine', [31.2, 49.0]],
  ['Belarus', 'Belarus', null, 'rand'],
];

const INFOTEXT = [
  '<B>Europa</B> ist mit rund 10 Millionen km² nach Australien der <I>zweitkleinste</I> Kontinent der Erde.',
  'Im Norden grenzt Europa an das <I>Europäische Nordmeer</I>, im Westen an den <I>Atlantischen Ozean</I> ' +
    'und im Süden an das <I>Mittelmeer</I>. Im Osten bilden meist das <B>Uralgebirge</B> und der Fluss Ural die Grenze zu Asien.',
  'Der längste Fluss Europas ist die <B>Wolga</B> mit etwa 3530 km.',
  '<U>Tipp:</U> Beschriftungen mit einem langen Strich zeigen auf Länder, die zu klein für ein Schild auf der Karte sind.',
].join('\r\n');

function projektion() {
  const rahmen = { type: 'MultiPoint', coordinates: [[-24, 34], [40, 34], [48, 56], [-24, 71.5], [36, 71.5]] };
  return geoConicEqualArea().parallels([40, 62]).rotate([-12, 0])
    .fitExtent([[0, 0], [BREITE, HOEHE]], rahmen);
}

function karteSvg(proj, genannt) {
  const pfad = geoPath(proj);
  const laender = topojson.feature(welt, welt.objects.countries).features;
  const grenzen = topojson.mesh(welt, welt.objects.countries, (a, b) => a !== b);
  const kueste = topojson.mesh(welt, welt.objects.countries, (a, b) => a === b);
  const teile = [`<svg xmlns="http://www.w3.org/2000/svg" width="${BREITE}" height="${HOEHE}">`,
    `<rect width="${BREITE}" height="${HOEHE}" fill="#cfe6f6"/>`,
    `<path d="${pfad(geoGraticule().step([10, 5])())}" fill="none" stroke="#b5d3ea" stroke-width="0.8"/>`];
  for (const land of laender) {
    const farbe = genannt.has(land.properties.name) ? '#f4e4b0' : '#ebe6d8';
    teile.push(`<path d="${pfad(land)}" fill="${farbe}"/>`);
  }
  teile.push(`<path d="${pfad(grenzen)}" fill="none" stroke="#9c8f78" stroke-width="0.7" stroke-linejoin="round"/>`);
  teile.push(`<path d="${pfad(kueste)}" fill="none" stroke="#5f8db3" stroke-width="0.9" stroke-linejoin="round"/>`);
  teile.push(`<rect x="0.5" y="0.5" width="${BREITE - 1}" height="${HOEHE - 1}" fill="none" stroke="#7a9cb8"/>`);
  teile.push('</svg>');
  return teile.join('\n');
}

export function europa() {
  const proj = projektion();
  const laender = new Map(laenderVon().map((f) => [f.properties.name, f]));
  // The Benelux names stand in the North Sea and the Channel, beside their coasts.
  const WUNSCH = { Netherlands: [3.2, 54.6], Belgium: [-1.2, 49.9] };
  const labels = LAENDER.map(([name, text, anker, klein]) => {
    const land = laender.get(name);
    if (!land) throw new Error(`Land ${name} fehlt in den Daten`);
    return { text, punkt: proj(anker ?? schwerpunkt(land)), aufAnker: !klein, amRand: klein === 'rand',
      wunsch: WUNSCH[name] && proj(WUNSCH[name]) };
  });
  return beschriftungsDokument({ name: 'europa', titel: 'Länder Europas',
    bemerkung: 'Ordne die Namen den Ländern auf der Karte zu.', breite: BREITE, hoehe: HOEHE, rand: RAND,
    svg: karteSvg(proj, new Set(LAENDER.map((l) => l[0]))), labels, fsize: -1, info: INFOTEXT, infoOrt: [1160 + 37, 40], randSpalte: BREITE + 8 });
}
