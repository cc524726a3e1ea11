// Continents and the world: states of Africa, Asia, North and South America; the
// continents and oceans; Europe's capitals and seas. Borders: Natural Earth (world-atlas).
import { geoConicEqualArea, geoEqualEarth, geoGraticule, geoPath } from 'd3-geo';
import * as topojson from 'topojson-client';
import { beschriftungsDokument, grundkarteSvg, laenderVon, schwerpunkt, stadtSvg, svgRahmen, welt110 } from './karten.mjs';

// A map of named states. staaten: [name in the data, caption, anchor [lon, lat] or null,
// 'klein' for a box beside the country, 'rand' for the margin column].
function staatenKarte({ name, titel, bemerkung, breite, hoehe, rand, proj, staaten, fsize = -1, randSpalte = 0, gitter = [10, 10] }) {
  const laender = new Map(laenderVon().map((f) => [f.properties.name, f]));
  const labels = staaten.map(([daten, text, anker, art]) => {
    const land = laender.get(daten);
    if (!land) throw new Error(`Land ${daten} fehlt in den Daten`);
    return { text, punkt: proj(anker ?? schwerpunkt(land)), aufAnker: !art, amRand: art === 'rand' };
  });
  const svg = svgRahmen(breite, hoehe, grundkarteSvg(proj, breite, hoehe, { genannt: new Set(staaten.map((s) => s[0])), gitter }));
  return beschriftungsDokument({ name, titel, bemerkung, breite, hoehe, rand, svg, labels, fsize,
    randSpalte: randSpalte ? randSpalte : 0 });
}

const rahmen = (punkte) => ({ type: 'MultiPoint', coordinates: punkte });

export function afrika() {
  const B = 700, H = 760;
  const proj = geoConicEqualArea().parallels([-20, 20]).rotate([-18, 0])
    .fitExtent([[6, 6], [B - 6, H - 6]], rahmen([[-18, 37.5], [52, 37.5], [-18, -35], [52, -35], [17, -35.5], [10, 37.6]]));
  return staatenKarte({ name: 'erdkunde-afrika-staaten', titel: 'Afrika: große Staaten',
    bemerkung: 'Ordne die Namen der größeren Staaten Afrikas zu.', breite: B, hoehe: H, rand: [0.2, 0, 0.35, 0], proj,
    randSpalte: B * 1.2 + 6,
    staaten: [
      ['Morocco', 'Marokko', [-6.5, 32.5]], ['Algeria', 'Algerien', [2.5, 28]], ['Libya', 'Libyen'], ['Egypt', 'Ägypten'],
      ['Mauritania', 'Mauretanien'], ['Mali', 'Mali', [-2, 18]], ['Niger', 'Niger'], ['Chad', 'Tschad'], ['Sudan', 'Sudan'],
      ['Nigeria', 'Nigeria'], ['Ethiopia', 'Äthiopien'], ['Somalia', 'Somalia', [45.5, 5.5]],
      ['Dem. Rep. Congo', 'Demokratische\r\nRepublik Kongo'], ['Kenya', 'Kenia', null, 'rand'], ['Tanzania', 'Tansania'],
      ['Angola', 'Angola'], ['Zambia', 'Sambia'], ['Mozambique', 'Mosambik', [38, -14], 'rand'], ['Namibia', 'Namibia'],
      ['Botswana', 'Botsuana', null, 'klein'], ['South Africa', 'Südafrika', [24, -30]], ['Madagascar', 'Madagaskar', null, 'rand'],
      ['Cameroon', 'Kamerun', null, 'klein'], ['S. Sudan', 'Südsudan', null, 'klein'],
    ] });
}

export function asien() {
  const B = 1000, H = 700;
  const proj = geoConicEqualArea().parallels([15, 50]).rotate([-88, 0])
    .fitExtent([[6, 6], [B - 6, H - 6]], rahmen([[30, 42], [40, 10], [150, 50], [100, -8], [120, -8], [60, 75], [110, 75]]));
  return staatenKarte({ name: 'erdkunde-asien-staaten', titel: 'Asien: große Staaten',
    bemerkung: 'Ordne die Namen der größeren Staaten Asiens zu.', breite: B, hoehe: H, rand: [0, 0, 0.28, 0], proj,
    randSpalte: B + 6,
    staaten: [
      ['Russia', 'Russland', [95, 64]], ['Kazakhstan', 'Kasachstan'], ['Mongolia', 'Mongolei'], ['China', 'China', [102, 34]],
      ['India', 'Indien', [78, 21]], ['Pakistan', 'Pakistan', null, 'klein'], ['Afghanistan', 'Afghanistan', null, 'klein'],
      ['Iran', 'Iran'], ['Saudi Arabia', 'Saudi-Arabien'], ['Turkey', 'Türkei'], ['Iraq', 'Irak', null, 'klein'],
      ['Japan', 'Japan', [138.5, 36.5], 'rand'], ['Indonesia', 'Indonesien', [114, -1]], ['Thailand', 'Thailand', null, 'klein'],
      ['Myanmar', 'Myanmar', null, 'klein'], ['Vietnam', 'Vietnam', null, 'rand'], ['Philippines', 'Philippinen', [122, 12], 'rand'],
      ['South Korea', 'Südkorea', null, 'rand'], ['North Korea', 'Nordkorea', null, 'rand'], ['Turkmenistan', 'Turkmenistan', null, 'klein'],
      ['Uzbekistan', 'Usbekistan', null, 'klein'], ['Malaysia', 'Malaysia', [102, 4], 'klein'],
    ] });
}

export function nordamerika() {
  const B = 900, H = 760;
  const proj = geoConicEqualArea().parallels([20, 60]).rotate([95, 0])
    .fitExtent([[6, 6], [B - 6, H - 6]], rahmen([[-168, 60], [-140, 72], [-60, 82], [-20, 70], [-60, 45], [-78, 8], [-92, 14], [-118, 30]]));
  return staatenKarte({ name: 'erdkunde-nordamerika-staaten', titel: 'Nord- und Mittelamerika: Staaten',
    bemerkung: 'Ordne die Namen der Staaten Nord- und Mittelamerikas zu.', breite: B, hoehe: H, rand: [0, 0, 0.34, 0], proj,
    randSpalte: B + 6,
    staaten: [
      ['Canada', 'Kanada', [-100, 57]], ['United States of America', 'Vereinigte Staaten', [-98, 39]], ['Mexico', 'Mexiko', [-102, 24]],
      ['Greenland', 'Grönland', [-41, 74]], ['Cuba', 'Kuba', null, 'klein'], ['Guatemala', 'Guatemala', null, 'rand'],
      ['Honduras', 'Honduras', null, 'rand'], ['Nicaragua', 'Nicaragua', null, 'rand'], ['Costa Rica', 'Costa Rica', null, 'rand'],
      ['Panama', 'Panama', null, 'rand'], ['Haiti', 'Haiti', null, 'rand'], ['Dominican Rep.', 'Dominikanische\r\nRepublik', null, 'rand'],
      ['Jamaica', 'Jamaika', null, 'rand'],
    ] });
}

export function suedamerika() {
  const B = 640, H = 760;
  const proj = geoConicEqualArea().parallels([-40, 0]).rotate([60, 0])
    .fitExtent([[6, 6], [B - 6, H - 6]], rahmen([[-82, 12.5], [-34, -6], [-60, 12.5], [-75, -56], [-65, -56]]));
  return staatenKarte({ name: 'erdkunde-suedamerika-staaten', titel: 'Südamerika: Staaten',
    bemerkung: 'Ordne die Namen der Staaten Südamerikas zu.', breite: B, hoehe: H, rand: [0.3, 0, 0.3, 0], proj,
    staaten: [
      ['Brazil', 'Brasilien', [-52, -10]], ['Argentina', 'Argentinien', [-65, -35]], ['Chile', 'Chile', [-71, -30], 'klein'],
      ['Peru', 'Peru'], ['Colombia', 'Kolumbien'], ['Venezuela', 'Venezuela'], ['Bolivia', 'Bolivien'], ['Ecuador', 'Ecuador', null, 'klein'],
      ['Paraguay', 'Paraguay', null, 'klein'], ['Uruguay', 'Uruguay', null, 'klein'], ['Guyana', 'Guyana', null, 'klein'],
      ['Suriname', 'Suriname', null, 'klein'],
    ] });
}

// Continents and oceans on a world map (Equal Earth).
export function kontinenteOzeane() {
  const B = 1000, H = 520;
  const proj = geoEqualEarth().rotate([-10, 0]).fitExtent([[4, 4], [B - 4, H - 4]], { type: 'Sphere' });
  const pfad = geoPath(proj);
  const KONTINENT = [['Afrika', [20, 5]], ['Europa', [15, 52]], ['Asien', [90, 45]], ['Nordamerika', [-100, 45]],
    ['Südamerika', [-58, -12]], ['Australien', [134, -25]], ['Antarktis', [20, -80]]];
  // The land as one area: continents are not bounded by state borders.
  const land = topojson.merge(welt110, welt110.objects.countries.geometries);
  const teile = [`<path d="${pfad({ type: 'Sphere' })}" fill="#cfe6f6" stroke="#7a9cb8"/>`,
    `<path d="${pfad(geoGraticule().step([30, 30])())}" fill="none" stroke="#b5d3ea" stroke-width="0.8"/>`,
    `<path d="${pfad(land)}" fill="#e9dfc0" stroke="#5f8db3" stroke-width="0.7"/>`];
  const OZEANE = [['Pazifischer\r\nOzean', [-140, 5]], ['Atlantischer\r\nOzean', [-35, 25]], ['Indischer\r\nOzean', [78, -22]],
    ['Arktischer Ozean', [20, 82]], ['Südlicher Ozean', [-70, -62]]];
  const labels = [
    ...KONTINENT.map(([n, ort]) => ({ text: n, punkt: proj(ort), aufAnker: true })),
    ...OZEANE.map(([n, ort]) => ({ text: n, punkt: proj(ort), aufAnker: true })),
  ];
  const svg = `<svg xmlns="http://www.w3.org/2000/svg" width="${B}" height="${H}">\n<rect width="${B}" height="${H}" fill="#ffffff"/>\n${teile.join('\n')}\n</svg>`;
  return beschriftungsDokument({ name: 'erdkunde-kontinente-ozeane', titel: 'Die Kontinente und Ozeane',
    bemerkung: 'Die sieben Kontinente und die fünf Ozeane der Erde.', breite: B, hoehe: H, rand: [0, 0.08, 0, 0.08], svg, labels, fsize: 0 });
}

const EUROPA_RAHMEN = [[-12, 35], [32, 35], [40, 55], [-12, 60], [30, 66], [5, 66]];
function europaProjektion(B, H) {
  return geoConicEqualArea().parallels([40, 60]).rotate([-12, 0]).fitExtent([[6, 6], [B - 6, H - 6]], rahmen(EUROPA_RAHMEN));
}

// [capital, lon, lat]
const HAUPTSTAEDTE = [
  ['Berlin', 13.40, 52.52], ['Paris', 2.35, 48.86], ['London', -0.13, 51.51], ['Madrid', -3.70, 40.42], ['Lissabon', -9.14, 38.72],
  ['Rom', 12.50, 41.90], ['Wien', 16.37, 48.21], ['Bern', 7.45, 46.95], ['Brüssel', 4.35, 50.85], ['Amsterdam', 4.90, 52.37],
  ['Kopenhagen', 12.57, 55.68], ['Oslo', 10.75, 59.91], ['Stockholm', 18.07, 59.33], ['Helsinki', 24.94, 60.17],
  ['Warschau', 21.01, 52.23], ['Prag', 14.42, 50.08], ['Budapest', 19.04, 47.50], ['Athen', 23.73, 37.98],
  ['Dublin', -6.26, 53.35], ['Bukarest', 26.10, 44.43], ['Kiew', 30.52, 50.45], ['Belgrad', 20.46, 44.82],
];

export function europaHauptstaedte() {
  const B = 900, H = 720;
  const proj = europaProjektion(B, H);
  const punkte = HAUPTSTAEDTE.map(([, lon, lat]) => proj([lon, lat]));
  const svg = svgRahmen(B, H, grundkarteSvg(proj, B, H, { gitter: [10, 5] }) + punkte.map((p) => stadtSvg(p, true)).join(''));
  return beschriftungsDokument({ name: 'erdkunde-europa-hauptstaedte', titel: 'Europa: Hauptstädte auf der Karte',
    bemerkung: 'Beschrifte die Hauptstädte europäischer Länder.', breite: B, hoehe: H, rand: [0.15, 0, 0.15, 0], svg,
    labels: HAUPTSTAEDTE.map(([n], i) => ({ text: n, punkt: punkte[i] })), punkte, fsize: -1 });
}

const MEERE = [
  ['Nordsee', [3.5, 56]], ['Ostsee', [19.5, 57.5]], ['Mittelmeer', [6, 38.6]], ['Schwarzes Meer', [34, 43.3]],
  ['Atlantischer Ozean', [-8, 46]], ['Europäisches\r\nNordmeer', [2, 65]], ['Adria', [15.5, 43]], ['Ägäis', [25, 38.8]],
  ['Tyrrhenisches\r\nMeer', [12, 40]], ['Ärmelkanal', [-2.5, 50]], ['Golf von\r\nBiskaya', [-4.5, 45]], ['Irische See', [-5, 53.8]],
  ['Bottnischer\r\nMeerbusen', [20.5, 62.5]], ['Straße von\r\nGibraltar', [-5.6, 36]],
];

export function europaMeere() {
  const B = 900, H = 720;
  const proj = europaProjektion(B, H);
  const svg = svgRahmen(B, H, grundkarteSvg(proj, B, H, { gitter: [10, 5] }));
  return beschriftungsDokument({ name: 'erdkunde-europa-meere', titel: 'Europa: Meere und Gewässer',
    bemerkung: 'Beschrifte Meere, Meeresteile und Meerengen rund um Europa.', breite: B, hoehe: H, rand: [0.15, 0, 0.15, 0], svg,
    labels: MEERE.map(([n, ort]) => ({ text: n, punkt: proj(ort), aufAnker: !n.includes('Gibraltar') && !n.includes('Kanal') })),
    fsize: -1 });
}
