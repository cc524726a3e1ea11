// "planeten": the solar system, labels numbered with letters in alphabetical order.
import { Geometrie, kopf, objekt, svgZuPng } from './lib.mjs';
import { antwortkastenBreite } from './platzierung.mjs';

const BREITE = 1000;
const HOEHE = 420;
const RAND = [0, 0.25, 0, 0.3];
const MITTE = 210;

// [caption, x, y, radius, fill, rim, label above (true) or below, box point x]
const KOERPER = [
  ['Merkur', 190, MITTE, 7, '#b5aca3', '#8a8178', false, 175],
  ['Venus', 245, MITTE, 12, '#e8c27a', '#c49a4f', true, 235],
  ['Erde', 305, MITTE, 13, '#4f8fd8', '#2d6cb3', false, 285],
  ['Mond', 330, MITTE - 24, 4, '#d8d8d8', '#9a9a9a', true, 322],
  ['Mars', 370, MITTE, 9, '#d2693c', '#a84a22', false, 385],
  ['Jupiter', 520, MITTE, 48, '#d9b48a', '#a9835a', false, 520],
  ['Saturn', 665, MITTE, 36, '#e6cf94', '#b89f62', true, 665],
  ['Uranus', 790, MITTE, 22, '#9fdbe3', '#6fb3bd', false, 790],
  ['Neptun', 900, MITTE, 21, '#4f6fd8', '#334fae', true, 900],
];

const MERKSATZ = [
  '<B>Merksatz</B> für die Reihenfolge der Planeten von der Sonne aus:',
  '<I>Mein Vater erklärt mir jeden Sonntag unseren Nachthimmel.</I>',
  'Die Anfangsbuchstaben stehen für <B>M</B>erkur, <B>V</B>enus, <B>E</B>rde, <B>M</B>ars, ' +
    '<B>J</B>upiter, <B>S</B>aturn, <B>U</B>ranus und <B>N</B>eptun.',
  'Die Größen im Bild sind nicht maßstabsgetreu: Die Sonne ist rund 109-mal so breit wie die Erde.',
].join('\r\n');

function sterne() {
  // A fixed linear congruential sequence keeps the picture identical on every run.
  let saat = 20240611;
  const zufall = () => ((saat = (saat * 1103515245 + 12345) % 2147483648) / 2147483648);
  const punkte = [];
  for (let i = 0; i < 140; ++i) {
    const x = zufall() * BREITE, y = zufall() * HOEHE, r = 0.6 + zufall() * 1.3;
    punkte.push(`<circle cx="${x.toFixed(1)}" cy="${y.toFixed(1)}" r="${r.toFixed(2)}" fill="${i % 3 ? '#ffffff' : '#9fb0d6'}"/>`);
  }
  const steine = [];
  for (let i = 0; i < 70; ++i) {
    const x = 405 + zufall() * 40, y = MITTE - 70 + zufall() * 140, r = 0.8 + zufall() * 1.6;
    steine.push(`<circle cx="${x.toFixed(1)}" cy="${y.toFixed(1)}" r="${r.toFixed(2)}" fill="#8d8373"/>`);
  }
  return [punkte.join(''), steine.join('')];
}

function bildSvg() {
  const [sternfeld, guertel] = sterne();
  const koerper = KOERPER.map(([, x, y, r, fuellung, rand]) =>
    `<circle cx="${x}" cy="${y}" r="${r}" fill="${fuellung}" stroke="${rand}" stroke-width="1.5"/>`).join('\n  ');
  return `<svg xmlns="http://www.w3.org/2000/svg" width="${BREITE}" height="${HOEHE}">
  <defs>
    <linearGradient id="raum" x1="0" y1="0" x2="1" y2="1"><stop offset="0" stop-color="#e4ebf8"/><stop offset="1" stop-color="#c9d5ec"/></linearGradient>
    <radialGradient id="sonne" cx="0.5" cy="0.5" r="0.5"><stop offset="0.6" stop-color="#ffd84a"/><stop offset="1" stop-color="#ff9d2e"/></radialGradient>
  </defs>
  <rect width="${BREITE}" height="${HOEHE}" fill="url(#raum)"/>
  ${sternfeld}
  <line x1="0" y1="${MITTE}" x2="${BREITE}" y2="${MITTE}" stroke="#aab7d3" stroke-width="1" stroke-dasharray="4 6"/>
  <circle cx="-120" cy="${MITTE}" r="250" fill="url(#sonne)" stroke="#f08a1c" stroke-width="2"/>
  ${guertel}
  <ellipse cx="665" cy="${MITTE}" rx="66" ry="14" fill="none" stroke="#c9b27a" stroke-width="7" transform="rotate(-18 665 ${MITTE})"/>
  ${koerper}
  <path d="M 607 ${MITTE + 13} A 66 14 0 0 0 723 ${MITTE - 13}" fill="none" stroke="#c9b27a" stroke-width="7" transform="rotate(-18 665 ${MITTE})" opacity="0"/>
  <path d="M 600 ${MITTE} A 66 14 0 0 0 730 ${MITTE}" fill="none" stroke="#c9b27a" stroke-width="7" transform="rotate(-18 665 ${MITTE})"/>
  <ellipse cx="790" cy="${MITTE}" rx="7" ry="30" fill="none" stroke="#8cc6cf" stroke-width="2" opacity="0.8"/>
  <path d="M 520 ${MITTE + 8} q 20 -4 40 0 M 482 ${MITTE - 14} q 30 -5 70 0" stroke="#b98d5f" stroke-width="5" fill="none" opacity="0.7"/>
  <circle cx="532" cy="${MITTE + 22}" r="6" fill="#c2704a" opacity="0.85"/>
  <rect x="0.5" y="0.5" width="${BREITE - 1}" height="${HOEHE - 1}" fill="none" stroke="#9aa9c9"/>
</svg>`;
}

export function planeten() {
  const geo = new Geometrie(BREITE, HOEHE, RAND);
  const oben = -0.12 * HOEHE, unten = HOEHE + 0.12 * HOEHE;
  const objekte = [];
  const zeilen = { 2: [], 4: [] };
  const beschriften = (text, ax, ay, kx, kyBasis, seite) => zeilen[seite].push({ text, ax, ay, kx, kyBasis, seite });
  beschriften('Sonne', 60, MITTE, 70, oben, 2);
  for (const [text, x, y, r, , , drueber, kx] of KOERPER)
    beschriften(text, x, drueber ? y - r : y + r, kx, drueber ? oben : unten, drueber ? 2 : 4);
  beschriften('Asteroidengürtel', 425, MITTE - 60, 460, oben, 2);
  // Each row keeps the worksheet's answer boxes apart: a box moves sideways from its wished
  // place as far as its neighbours need, and back from the right edge.
  const pixelJeEinheit = BREITE / 870;
  for (const zeile of Object.values(zeilen)) {
    zeile.sort((a, b) => a.kx - b.kx);
    const breite = zeile.map((b) => antwortkastenBreite(b.text, 0) * pixelJeEinheit + 6);
    let rechts = 0;
    zeile.forEach((b, i) => { b.kx = Math.max(b.kx, rechts + breite[i] / 2); rechts = b.kx + breite[i] / 2; });
    let grenze = BREITE;
    for (let i = zeile.length - 1; i >= 0; --i) {
      zeile[i].kx = Math.min(zeile[i].kx, grenze - breite[i] / 2);
      grenze = zeile[i].kx - breite[i] / 2;
    }
    for (const b of zeile) {
      const [sx, sy] = geo.anteil(b.ax, b.ay);
      const [kx2, ky] = geo.anteil(b.kx, b.kyBasis);
      objekte.push(objekt({ OB_Sx: sx, OB_Sy: sy, OB_Kx: kx2, OB_Ky: ky, OB_Cap: b.text, OB_KAusr: b.seite,
        OB_TAusr: 1, OB_Ebene: 1, OB_Typ: 0, OB_Sline: 1 }));
    }
  }
  const [ix, iy] = geo.anteil(950, HOEHE + 0.15 * HOEHE);
  objekte.push(objekt({ OB_Sx: ix, OB_Sy: iy, OB_Kx: ix, OB_Ky: iy, OB_Cap: MERKSATZ, OB_Ebene: 2, OB_Typ: 2 }));
  const dok = {
    kopf: kopf({
      HD_titel: 'Unser Sonnensystem',
      HD_bemerkung: 'Die Sonne, die acht Planeten, der Mond und der Asteroidengürtel.',
      HD_DokTyp: 0,
      HD_RandErw: RAND,
      HD_NumArt: 1,
      HD_GeordnetArt: 1,
    }),
    objekte,
  };
  return { name: 'planeten', dok, png: svgZuPng(bildSvg()), breite: BREITE, hoehe: HOEHE, vorschauBreite: BREITE };
}
