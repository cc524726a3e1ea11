// "wasserkreislauf": a cloze text about the water cycle above a simple drawing.
import { kopf, objekt, runde, svgZuPng } from './lib.mjs';
import { lueckentextSetzen } from './lueckentext.mjs';

const BREITE = 870;
const HOEHE = 750;
const BILD_OBEN = 450; // the drawing starts here; the text stays above it

const TEXT = [
  '<B>Der Wasserkreislauf</B>',
  'Die <<Sonne>> erwärmt das Wasser der Meere, Seen und Flüsse. Dabei <<verdunstet>> es und steigt als ' +
    'unsichtbarer <<Wasserdampf>> in die Luft auf.',
  'In großer Höhe ist die Luft kalt. Der Wasserdampf kühlt ab und <<kondensiert>> zu winzigen Tröpfchen. ' +
    'So entstehen <<Wolken>>.',
  'Der Wind treibt die Wolken über das Land. Werden die Tropfen zu schwer, fallen sie als <<Niederschlag>> ' +
    'zur Erde: als Regen, Hagel oder <<Schnee>>.',
  'Ein Teil des Wassers <<versickert>> im Boden und sammelt sich als <<Grundwasser>>. Der andere Teil fließt ' +
    'in Bächen und <<Flüssen>> zurück ins <<Meer>>.',
  'Dort beginnt der <I>ewige</I> <<Kreislauf>> von vorn.',
];

function bildSvg() {
  const y0 = BILD_OBEN;
  const tropfen = [];
  for (let i = 0; i < 14; ++i) {
    const x = 470 + (i % 7) * 22 + (i > 6 ? 11 : 0);
    const y = y0 + 92 + (i > 6 ? 30 : 0) + (i % 3) * 6;
    tropfen.push(`<line x1="${x}" y1="${y}" x2="${x - 5}" y2="${y + 16}" stroke="#4a8fd6" stroke-width="2.5" stroke-linecap="round"/>`);
  }
  const pfeil = (x, y1, y2) =>
    `<path d="M${x} ${y1} C ${x - 12} ${(y1 + y2) / 2 + 20}, ${x + 12} ${(y1 + y2) / 2 - 20}, ${x} ${y2}" ` +
    `fill="none" stroke="#e07a3a" stroke-width="3" stroke-dasharray="7 5" marker-end="url(#spitze)"/>`;
  return `<svg xmlns="http://www.w3.org/2000/svg" width="${BREITE}" height="${HOEHE}">
  <defs>
    <linearGradient id="himmel" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#fdfbf3"/><stop offset="1" stop-color="#dcefff"/>
    </linearGradient>
    <linearGradient id="meer" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#5aa7e0"/><stop offset="1" stop-color="#2f6fae"/>
    </linearGradient>
    <marker id="spitze" viewBox="0 0 10 10" refX="5" refY="5" markerWidth="5" markerHeight="5" orient="auto">
      <path d="M0 0 L10 5 L0 10 z" fill="#e07a3a"/>
    </marker>
  </defs>
  <rect width="${BREITE}" height="${HOEHE}" fill="#fffdf6"/>
  <rect y="${y0}" width="${BREITE}" height="${HOEHE - y0}" fill="url(#himmel)"/>
  <circle cx="90" cy="${y0 + 70}" r="38" fill="#ffd23f" stroke="#f4a300" stroke-width="3"/>
  ${[0, 45, 90, 135, 180, 225, 270, 315].map((w) => {
    const r = (w * Math.PI) / 180;
    return `<line x1="${90 + Math.cos(r) * 48}" y1="${y0 + 70 + Math.sin(r) * 48}" x2="${90 + Math.cos(r) * 62}" ` +
      `y2="${y0 + 70 + Math.sin(r) * 62}" stroke="#f4a300" stroke-width="4" stroke-linecap="round"/>`;
  }).join('\n  ')}
  <g fill="#ffffff" stroke="#9bb3c9" stroke-width="2">
    <ellipse cx="300" cy="${y0 + 62}" rx="62" ry="26"/><ellipse cx="340" cy="${y0 + 45}" rx="45" ry="30"/>
    <ellipse cx="520" cy="${y0 + 70}" rx="80" ry="28"/><ellipse cx="565" cy="${y0 + 48}" rx="55" ry="34"/>
    <ellipse cx="490" cy="${y0 + 55}" rx="42" ry="26"/>
  </g>
  ${tropfen.join('\n  ')}
  <path d="M0 ${y0 + 215} Q 150 ${y0 + 200} 300 ${y0 + 218} T 520 ${y0 + 230} L520 ${HOEHE} L0 ${HOEHE} Z" fill="url(#meer)"/>
  <path d="M420 ${HOEHE} L560 ${y0 + 150} L610 ${y0 + 190} L680 ${y0 + 120} L800 ${y0 + 230} L${BREITE} ${y0 + 200} L${BREITE} ${HOEHE} Z" fill="#8fae6b" stroke="#6d8a4f" stroke-width="2"/>
  <path d="M680 ${y0 + 120} L655 ${y0 + 143} L670 ${y0 + 140} L683 ${y0 + 150} L697 ${y0 + 136} L708 ${y0 + 146} Z" fill="#ffffff"/>
  <path d="M560 ${y0 + 150} L545 ${y0 + 166} L560 ${y0 + 162} L572 ${y0 + 168} Z" fill="#ffffff"/>
  <path d="M655 ${y0 + 205} C 620 ${y0 + 235}, 590 ${y0 + 225}, 560 ${y0 + 250} S 480 ${y0 + 262}, 452 ${y0 + 268}" fill="none" stroke="#4a8fd6" stroke-width="7" stroke-linecap="round"/>
  <path d="M430 ${HOEHE - 18} Q 600 ${HOEHE - 30} 860 ${HOEHE - 22}" fill="none" stroke="#4a8fd6" stroke-width="3" stroke-dasharray="10 6" opacity="0.7"/>
  ${pfeil(170, y0 + 200, y0 + 110)}${pfeil(240, y0 + 205, y0 + 105)}
  <g fill="#ffffff" opacity="0.6">
    <path d="M30 ${y0 + 240} q 20 -8 40 0 M120 ${y0 + 255} q 20 -8 40 0 M260 ${y0 + 250} q 20 -8 40 0" stroke="#ffffff" stroke-width="2" fill="none"/>
  </g>
  <rect x="0.5" y="0.5" width="${BREITE - 1}" height="${HOEHE - 1}" fill="none" stroke="#c9c2a8"/>
</svg>`;
}

export function wasserkreislauf() {
  const satz = lueckentextSetzen(TEXT, BREITE, HOEHE, 1);
  if (satz.ende > BILD_OBEN) throw new Error(`Lückentext reicht bis ${satz.ende}, das Bild beginnt bei ${BILD_OBEN}`);
  // One gap object per keyword, in order; the map view moves them to where the gaps fall.
  const objekte = satz.luecken.map((l) => objekt({
    OB_Sx: runde(l.kx), OB_Sy: runde(l.ky), OB_Kx: runde(l.kx), OB_Ky: runde(l.ky), OB_Cap: l.wort,
    OB_KAusr: 2, OB_TAusr: 1, OB_Ebene: 1, OB_Typ: 3,
  }));
  const dok = {
    kopf: kopf({
      HD_titel: 'Der Wasserkreislauf',
      HD_bemerkung: 'Lückentext: Setze die fehlenden Wörter ein.',
      HD_lueckentext: TEXT.join('\r\n'),
      HD_DokTyp: 1,
    }),
    objekte,
  };
  return { name: 'wasserkreislauf', dok, png: svgZuPng(bildSvg()), breite: BREITE, hoehe: HOEHE, vorschauBreite: BREITE };
}
