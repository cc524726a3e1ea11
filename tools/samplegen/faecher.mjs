// Biology, German and mathematics: a labelled drawing of a plant cell, two cloze texts and
// two documents of single questions. The drawings are made here.
import { esc, kopf, objekt, runde, svgZuPng, SCHRIFT } from './lib.mjs';
import { beschriftungsDokument } from './karten.mjs';
import { lueckentextSetzen } from './lueckentext.mjs';

export function pflanzenzelle() {
  const B = 760, H = 560;
  const chloroplast = (x, y, w) => `<g transform="rotate(${w} ${x} ${y})"><ellipse cx="${x}" cy="${y}" rx="26" ry="13" fill="#5fae4a" stroke="#2f6d25" stroke-width="2"/>` +
    `<path d="M${x - 16} ${y - 4} h32 M${x - 18} ${y + 2} h36 M${x - 14} ${y + 7} h28" stroke="#2f6d25" stroke-width="1.5"/></g>`;
  const mitochondrium = (x, y, w) => `<g transform="rotate(${w} ${x} ${y})"><ellipse cx="${x}" cy="${y}" rx="22" ry="11" fill="#f0a35e" stroke="#a65a1c" stroke-width="2"/>` +
    `<path d="M${x - 15} ${y} q4 -8 8 0 t8 0 t8 0 t6 0" fill="none" stroke="#a65a1c" stroke-width="1.5"/></g>`;
  const svg = `<svg xmlns="http://www.w3.org/2000/svg" width="${B}" height="${H}">
  <rect width="${B}" height="${H}" fill="#fbfaf4"/>
  <rect x="150" y="70" width="460" height="420" rx="26" fill="#cfe8a9" stroke="#5e8a2e" stroke-width="14"/>
  <rect x="162" y="82" width="436" height="396" rx="18" fill="#e9f5d2" stroke="#8fbf5a" stroke-width="3"/>
  <path d="M250 170 C 300 120, 470 130, 520 190 C 560 250, 540 360, 470 390 C 390 420, 280 400, 250 330 C 225 270, 225 210, 250 170 Z" fill="#cfe6f6" stroke="#6a9ec8" stroke-width="3"/>
  <circle cx="230" cy="400" r="42" fill="#d9c3e6" stroke="#7b4f96" stroke-width="3"/>
  <circle cx="222" cy="392" r="13" fill="#9d6fbb"/>
  ${chloroplast(215, 140, -20)}${chloroplast(560, 150, 30)}${chloroplast(565, 300, 80)}${chloroplast(390, 440, 5)}${chloroplast(195, 280, 70)}
  ${mitochondrium(520, 440, -15)}${mitochondrium(320, 120, 10)}
  <text x="${B / 2}" y="40" font-family="${SCHRIFT}" font-size="24" font-weight="bold" fill="#3d5a1e" text-anchor="middle">${esc('Die Pflanzenzelle')}</text>
  <text x="${B / 2}" y="535" font-family="${SCHRIFT}" font-size="14" fill="#5b6b4a" text-anchor="middle">${esc('Zeichnung, stark vereinfacht (Lichtmikroskop)')}</text>
</svg>`;
  const labels = [
    ['Zellwand', [150, 250]], ['Zellmembran', [598, 230]], ['Zellkern', [255, 430]], ['Kernkörperchen', [222, 392]],
    ['Vakuole', [400, 280]], ['Chloroplast', [560, 150]], ['Mitochondrium', [520, 440]], ['Zellplasma', [330, 455]],
  ].map(([text, punkt]) => ({ text, punkt, amRand: punkt[0] < 390 ? 'links' : 'rechts' }));
  // Labels stand in the margins left and right of the drawing, as in a textbook.
  return beschriftungsDokument({ name: 'biologie-pflanzenzelle', titel: 'Biologie: die Pflanzenzelle',
    bemerkung: 'Beschrifte die Bestandteile einer Pflanzenzelle.', breite: B, hoehe: H, rand: [0.55, 0, 0.55, 0], svg, labels, fsize: -1,
    randSpalte: B * 1.55 + 6, randSpalteLinks: B * 0.55 - 6 });
}

function lueckentextDokument({ name, titel, bemerkung, text, B, H, bildOben, bild }) {
  const satz = lueckentextSetzen(text, B, H, 1);
  if (satz.ende > bildOben) throw new Error(`${name}: Lückentext reicht bis ${satz.ende}, das Bild beginnt bei ${bildOben}`);
  const objekte = satz.luecken.map((l) => objekt({ OB_Sx: runde(l.kx), OB_Sy: runde(l.ky), OB_Kx: runde(l.kx), OB_Ky: runde(l.ky),
    OB_Cap: l.wort, OB_KAusr: 2, OB_TAusr: 1, OB_Ebene: 1, OB_Typ: 3 }));
  const svg = `<svg xmlns="http://www.w3.org/2000/svg" width="${B}" height="${H}"><rect width="${B}" height="${H}" fill="#fffdf6"/>${bild}` +
    `<rect x="0.5" y="0.5" width="${B - 1}" height="${H - 1}" fill="none" stroke="#c9c2a8"/></svg>`;
  const dok = { kopf: kopf({ HD_titel: titel, HD_bemerkung: bemerkung, HD_lueckentext: text.join('\r\n'), HD_DokTyp: 1 }), objekte };
  return { name, dok, png: svgZuPng(svg), breite: B, hoehe: H, vorschauBreite: B };
}

export function fotosynthese() {
  const B = 870, H = 720, O = 470;
  const text = [
    '<B>Die Fotosynthese</B>',
    'Grüne Pflanzen stellen ihre Nahrung selbst her. Dazu brauchen sie das Licht der <<Sonne>>, ' +
      'Wasser aus dem Boden und das Gas <<Kohlenstoffdioxid>> aus der Luft.',
    'Das Wasser nehmen die <<Wurzeln>> auf. Das Kohlenstoffdioxid gelangt durch winzige <<Spaltöffnungen>> in die <<Blätter>>.',
    'In den <<Chloroplasten>> sitzt der grüne Farbstoff <<Chlorophyll>>. Mit der Energie des Lichts entsteht ' +
      'dort Traubenzucker, also <<Glucose>>.',
    'Dabei wird <<Sauerstoff>> frei, den Menschen und Tiere zum <<Atmen>> brauchen.',
  ];
  const y = O;
  const bild = `<circle cx="90" cy="${y + 70}" r="40" fill="#ffd23f" stroke="#f4a300" stroke-width="3"/>
  <path d="M140 ${y + 95} L330 ${y + 150}" stroke="#f4a300" stroke-width="4" stroke-dasharray="10 6"/>
  <rect y="${y + 200}" width="${B}" height="${H - y - 200}" fill="#b68a5a"/>
  <path d="M420 ${y + 200} L420 ${y + 80}" stroke="#3f7d2c" stroke-width="8"/>
  <ellipse cx="370" cy="${y + 120}" rx="50" ry="20" fill="#5fae4a" transform="rotate(-25 370 ${y + 120})"/>
  <ellipse cx="470" cy="${y + 100}" rx="50" ry="20" fill="#5fae4a" transform="rotate(25 470 ${y + 100})"/>
  <ellipse cx="420" cy="${y + 60}" rx="22" ry="40" fill="#6cbf55"/>
  <path d="M420 ${y + 200} l-30 40 M420 ${y + 200} l25 45 M420 ${y + 200} l0 55 M405 ${y + 220} l-25 10" stroke="#f1e4c8" stroke-width="3"/>
  <text x="600" y="${y + 60}" font-family="${SCHRIFT}" font-size="20" fill="#2f6d25">CO₂ →</text>
  <text x="600" y="${y + 130}" font-family="${SCHRIFT}" font-size="20" fill="#2f6d25">← O₂</text>
  <text x="520" y="${y + 235}" font-family="${SCHRIFT}" font-size="18" fill="#fff">Wasser ↑</text>`;
  return lueckentextDokument({ name: 'biologie-fotosynthese', titel: 'Biologie: die Fotosynthese',
    bemerkung: 'Lückentext: Setze die fehlenden Wörter ein.', text, B, H, bildOben: O, bild });
}

export function wortarten() {
  const B = 870, H = 650, O = 500;
  const text = [
    '<B>Die Wortarten</B>',
    '<<Nomen>> bezeichnen Lebewesen, Dinge und Gedanken. Man schreibt sie immer <<groß>>. ' +
      'Vor ihnen steht oft ein <<Artikel>> wie „der“, „die“ oder „das“.',
    '<<Verben>> sagen, was jemand tut oder was geschieht. Sie verändern ihre Form nach <<Person>> und <<Zeit>>.',
    '<<Adjektive>> beschreiben, wie jemand oder etwas ist. Die meisten kann man <<steigern>>: schnell, schneller, am schnellsten.',
    '<<Pronomen>> stehen für ein Nomen, zum Beispiel „er“, „sie“ oder „es“. <<Präpositionen>> wie „auf“, ' +
      '„unter“ oder „neben“ zeigen, wo etwas ist.',
  ];
  const karten = [['Nomen', '#f4a582', 'der Hund'], ['Verb', '#92c5de', 'laufen'], ['Adjektiv', '#b7d98b', 'bunt'],
    ['Pronomen', '#c2a5cf', 'sie'], ['Präposition', '#fdd49e', 'unter']];
  const bild = karten.map(([art, farbe, beispiel], i) => {
    const x = 40 + i * 162;
    return `<rect x="${x}" y="${O + 30}" width="148" height="92" rx="12" fill="${farbe}" stroke="#6b6250" stroke-width="1.5"/>` +
      `<text x="${x + 74}" y="${O + 66}" font-family="${SCHRIFT}" font-size="19" font-weight="bold" text-anchor="middle">${esc(art)}</text>` +
      `<text x="${x + 74}" y="${O + 100}" font-family="${SCHRIFT}" font-size="18" font-style="italic" text-anchor="middle">${esc(beispiel)}</text>`;
  }).join('\n');
  return lueckentextDokument({ name: 'deutsch-wortarten', titel: 'Deutsch: Wortarten',
    bemerkung: 'Lückentext: Setze die fehlenden Wörter ein.', text, B, H, bildOben: O, bild });
}

// Kinds 12 to 16 in this order carry these captions.
const KNOEPFE = [[12, '<', 0.42], [13, '>', 0.54], [14, '|<', 0.36], [15, '>|', 0.60], [16, '?', 0.48]];

function einzelfragenDokument({ name, titel, bemerkung, fragen, farbe, zeichnung }) {
  const B = 870, H = 620;
  const objekte = [];
  fragen.forEach(([frage, antwort], i) => {
    const nr = i + 1;
    objekte.push(objekt({ OB_Sx: 0.035, OB_Sy: 0.3, OB_Kx: 0.035, OB_Ky: 0.3, OB_Cap: frage, OB_KAusr: 1, OB_Typ: 11, OB_Fsize: 1, OB_FrageNummer: nr }));
    objekte.push(objekt({ OB_Sx: 0.035, OB_Sy: 0.47, OB_Kx: 0.035, OB_Ky: 0.47, OB_Cap: 'Antwort:', OB_KAusr: 1, OB_Typ: 17, OB_FrageNummer: nr }));
    objekte.push(objekt({ OB_Sx: 0.1, OB_Sy: 0.58, OB_Kx: 0.1, OB_Ky: 0.58, OB_Cap: antwort, OB_KAusr: 1, OB_Typ: 10, OB_FrageNummer: nr }));
  });
  for (const [typ, zeichen, x] of KNOEPFE)
    objekte.push(objekt({ OB_Sx: x, OB_Sy: 0.9, OB_Kx: x, OB_Ky: 0.9, OB_Cap: zeichen, OB_KAusr: 1, OB_Typ: typ }));
  const svg = `<svg xmlns="http://www.w3.org/2000/svg" width="${B}" height="${H}">
  <rect width="${B}" height="${H}" fill="#fbfdff"/>
  <g opacity="0.75">${zeichnung}</g>
  <rect width="${B}" height="70" fill="${farbe}"/>
  <text x="30" y="46" font-family="${SCHRIFT}" font-size="30" font-weight="bold" fill="#ffffff">${esc(titel)}</text>
  <text x="${B - 30}" y="44" font-family="${SCHRIFT}" font-size="16" fill="#ffffff" text-anchor="end">${esc(`${fragen.length} Fragen`)}</text>
  <rect x="30" y="${H * 0.52}" width="500" height="3" fill="${farbe}" opacity="0.35"/>
  <rect x="0.5" y="0.5" width="${B - 1}" height="${H - 1}" fill="none" stroke="${farbe}"/>
</svg>`;
  const dok = { kopf: kopf({ HD_titel: titel, HD_bemerkung: bemerkung, HD_fragentext: fragen.map(([f, a]) => `${f} // ${a}`).join('\r\n'),
    HD_AnzFrageNummern: fragen.length, HD_DokTyp: 2 }), objekte };
  return { name, dok, png: svgZuPng(svg), breite: B, hoehe: H, vorschauBreite: B };
}

export function grammatik() {
  return einzelfragenDokument({ name: 'deutsch-grammatik-begriffe', titel: 'Deutsch: Grammatik-Begriffe',
    bemerkung: 'Einzelfragen: Wähle zu jeder Frage den richtigen Fachbegriff.', farbe: '#8a3b5c',
    zeichnung: '<text x="700" y="470" font-family="Liberation Sans" font-size="150" fill="#ead3dd" text-anchor="middle">Aa</text>',
    fragen: [
      ['Wie heißt die Grundform eines Verbs, zum Beispiel „spielen“?', 'Infinitiv'],
      ['Wie heißt die Mehrzahl eines Nomens?', 'Plural'],
      ['Wie heißt die Einzahl eines Nomens?', 'Singular'],
      ['Nach welchem Fall fragt man mit „Wessen?“', 'Genitiv'],
      ['Nach welchem Fall fragt man mit „Wem?“', 'Dativ'],
      ['Nach welchem Fall fragt man mit „Wen oder was?“', 'Akkusativ'],
      ['Wie heißt die Zeitform in „Ich ging nach Hause.“?', 'Präteritum'],
      ['Wie heißt die Zeitform in „Ich bin nach Hause gegangen.“?', 'Perfekt'],
      ['Wie heißt die erste Steigerungsstufe, zum Beispiel „größer“?', 'Komparativ'],
      ['Wie heißt die höchste Steigerungsstufe, zum Beispiel „am größten“?', 'Superlativ'],
      ['Welches Satzglied erfragt man mit „Wer oder was?“', 'Subjekt'],
      ['Welches Satzglied sagt, was jemand tut, zum Beispiel „lacht“?', 'Prädikat'],
    ] });
}

export function geometrie() {
  const zeichnung = '<g fill="none" stroke="#c5d7ea" stroke-width="6">' +
    '<rect x="600" y="330" width="120" height="120"/><circle cx="780" cy="250" r="55"/><path d="M560 560 L640 470 L720 560 Z"/></g>';
  return einzelfragenDokument({ name: 'mathematik-figuren-koerper', titel: 'Mathematik: Figuren und Körper',
    bemerkung: 'Einzelfragen: Wähle zu jeder Beschreibung den richtigen Namen.', farbe: '#2f6d8a', zeichnung,
    fragen: [
      ['Ein Viereck mit vier gleich langen Seiten und vier rechten Winkeln heißt …', 'Quadrat'],
      ['Ein Viereck mit vier rechten Winkeln, dessen Seiten nicht alle gleich lang sind, heißt …', 'Rechteck'],
      ['Ein Viereck mit vier gleich langen Seiten ohne rechte Winkel heißt …', 'Raute'],
      ['Ein Viereck mit genau einem Paar paralleler Seiten heißt …', 'Trapez'],
      ['Ein Viereck, dessen gegenüberliegende Seiten parallel sind, heißt allgemein …', 'Parallelogramm'],
      ['Alle Punkte, die von einem Mittelpunkt gleich weit entfernt sind, bilden einen …', 'Kreis'],
      ['Ein Körper aus sechs gleich großen Quadraten heißt …', 'Würfel'],
      ['Ein Körper aus sechs Rechtecken, wie ein Schuhkarton, heißt …', 'Quader'],
      ['Ein Körper ohne Ecken und Kanten, wie ein Ball, heißt …', 'Kugel'],
      ['Ein Körper mit zwei gleichen Kreisen als Grund- und Deckfläche heißt …', 'Zylinder'],
      ['Ein Körper mit einem Kreis als Grundfläche und einer Spitze heißt …', 'Kegel'],
      ['Ein Körper mit einem Vieleck als Grundfläche und dreieckigen Seitenflächen, die sich in einer Spitze treffen, heißt …', 'Pyramide'],
    ] });
}
