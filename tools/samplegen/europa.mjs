// "europa": a labelling document of Europe drawn from Natural Earth data (world-atlas 50m).
import { geoConicEqualArea, geoPath, geoGraticule, geoCentroid, geoArea } from 'd3-geo';
import * as topojson from 'topojson-client';
import { createRequire } from 'node:module';
import { Geometrie, kopf, objekt, svgZuPng } from './lib.mjs';

const welt = createRequire(import.meta.url)('world-atlas/countries-50m.json');

const BREITE = 1000;
const HOEHE = 800;
const RAND = [0, 0, 0.25, 0];

// [name in the data, caption, box point [lon, lat] or {rand: [x, y]} in pixels of the
//  extended image, optional anchor [lon, lat] where the centroid is a poor choice]
const LAENDER = [
  ['Iceland', 'Island', [-18.5, 67.4]],
  ['Ireland', 'Irland', [-13.5, 53.2]],
  ['United Kingdom', 'Vereinigtes\r\nKönigreich', [-12.0, 58.6], [-1.8, 52.8]],
  ['Portugal', 'Portugal', [-13.5, 39.8]],
  ['Spain', 'Spanien', [-4.0, 45.0]],
  ['France', 'Frankreich', [-7.8, 47.4], [2.4, 46.8]],
  ['Belgium', 'Belgien', [-6.2, 50.2]],
  ['Netherlands', 'Niederlande', [3.2, 55.3]],
  ['Germany', 'Deutschland', { rand: [1010, 240] }],
  ['Denmark', 'Dänemark', [6.0, 58.2], [9.2, 56.1]],
  ['Norway', 'Norwegen', [3.5, 63.3], [9.0, 61.3]],
  ['Sweden', 'Schweden', [18.9, 56.9], [15.0, 60.5]],
  ['Finland', 'Finnland', { rand: [1010, 170] }, [26.0, 62.6]],
  ['Poland', 'Polen', { rand: [1010, 380] }],
  ['Czechia', 'Tschechien', { rand: [1010, 425] }],
  ['Austria', 'Österreich', { rand: [1010, 515] }, [14.0, 47.9]],
  ['Switzerland', 'Schweiz', [4.8, 42.6]],
  ['Italy', 'Italien', [10.8, 39.6], [12.6, 42.8]],
  ['Croatia', 'Kroatien', [16.6, 41.6], [15.6, 45.6]],
  ['Hungary', 'Ungarn', { rand: [1010, 560] }, [19.3, 46.9]],
  ['Romania', 'Rumänien', [30.8, 44.0]],
  ['Bulgaria', 'Bulgarien', [30.3, 42.3]],
  ['Greece', 'Griechenland', [20.2, 37.6], [22.0, 39.6]],
  ['Ukraine', 'Ukraine', { rand: [1010, 470] }, [31.2, 49.0]],
  ['Belarus', 'Belarus', { rand: [1010, 330] }],
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

function hauptflaeche(land) {
  if (land.geometry.type !== 'MultiPolygon') return land;
  let beste = null;
  for (const ring of land.geometry.coordinates) {
    const teil = { type: 'Feature', geometry: { type: 'Polygon', coordinates: ring } };
    if (!beste || geoArea(teil) > geoArea(beste)) beste = teil;
  }
  return beste;
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
  const geo = new Geometrie(BREITE, HOEHE, RAND);
  const laender = new Map(topojson.feature(welt, welt.objects.countries).features.map((f) => [f.properties.name, f]));
  const objekte = [];
  for (const [name, beschriftung, kasten, anker] of LAENDER) {
    const land = laender.get(name);
    if (!land) throw new Error(`Land ${name} fehlt in den Daten`);
    const [sx, sy] = geo.anteil(...proj(anker ?? geoCentroid(hauptflaeche(land))));
    const [kx, ky] = kasten.rand ? geo.anteilErweitert(...kasten.rand) : geo.anteil(...proj(kasten));
    objekte.push(objekt({ OB_Sx: sx, OB_Sy: sy, OB_Kx: kx, OB_Ky: ky, OB_Cap: beschriftung,
      OB_TAusr: beschriftung.includes('\r\n') ? 1 : 0, OB_Ebene: 1, OB_Typ: 0, OB_Sline: 1, OB_Fsize: -3,
      OB_KAusr: kasten.rand ? 1 : 0 }));
  }
  const [ix, iy] = geo.anteilErweitert(1160, 40);
  objekte.push(objekt({ OB_Sx: ix, OB_Sy: iy, OB_Kx: ix, OB_Ky: iy, OB_Cap: INFOTEXT, OB_Ebene: 2, OB_Typ: 2 }));
  const png = svgZuPng(karteSvg(proj, new Set(LAENDER.map((l) => l[0]))));
  const dok = {
    kopf: kopf({
      HD_titel: 'Länder Europas',
      HD_bemerkung: 'Ordne die Namen den Ländern auf der Karte zu.',
      HD_DokTyp: 0,
      HD_RandErw: RAND,
    }),
    objekte,
  };
  return { name: 'europa', dok, png, breite: BREITE, hoehe: HOEHE };
}
