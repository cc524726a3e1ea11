// A simplified layout of a cloze text as the map view lays it out: "Arial" at 22 units,
// lines from 3.5 % of the width, a paragraph gap before each line of the source text,
// gaps as wide as " " + keyword (at least " XX"). It gives the gap objects a sensible
// starting position and lets the preview show whether the text fits the picture.
import { textBreite, zeilenHoehe } from './lib.mjs';

const SATZZEICHEN = '!,.:;?';

function zerlegen(absatz) {
  // Tags, keywords and words with their trailing blanks.
  const teile = [];
  const muster = /<(\/?)([BIU])>|<<(.*?)>>|((?:(?!<\/?[BIU]>|<<)\S)+\s*)|(\s+)/giy;
  let m;
  while ((m = muster.exec(absatz)) !== null) {
    if (m[2]) teile.push({ art: 'stil', stil: m[2].toUpperCase(), an: m[1] !== '/' });
    else if (m[3] !== undefined) teile.push({ art: 'luecke', wort: m[3] });
    else if (m[4] || m[5]) teile.push({ art: 'wort', text: m[4] || m[5] });
  }
  return teile;
}

// absaetze: source lines; W, H: map size in pixels; s: size scale.
export function lueckentextSetzen(absaetze, W, H, s) {
  const px = Math.round(22 * s);
  const h = zeilenHoehe(px);
  const abstand = Math.round(Math.round(h * 1.25) * 1.1);
  const absatzAbstand = Math.round((h * 1.25 * 0.02) / 0.055);
  const startX = Math.round(W * 0.035);
  let y = Math.round(H * 0.01);
  const laeufe = [];
  const luecken = [];
  for (const roh of absaetze) {
    y += absatzAbstand;
    let x = startX;
    const stil = { B: false, I: false, U: false };
    const teile = zerlegen(roh.trim() + ' ');
    for (let i = 0; i < teile.length; ++i) {
      const t = teile[i];
      if (t.art === 'stil') { stil[t.stil] = t.an; continue; }
      if (t.art === 'luecke') {
        const breite = Math.max(textBreite(' ' + t.wort, px, stil.B, stil.I), textBreite(' XX', px, stil.B, stil.I));
        if (x + breite > W && x > startX) { x = startX; y += abstand; }
        luecken.push({ wort: t.wort, kx: (x + breite / 2) / W, ky: (y + h + 4) / H, x, y, breite });
        x += breite;
        continue;
      }
      let text = t.text;
      const wortBreite = textBreite(text.trimEnd(), px, stil.B, stil.I);
      const nachLuecke = i > 0 && teile[i - 1].art === 'luecke' && SATZZEICHEN.includes(text[0]);
      if (!nachLuecke && x + wortBreite > W && x > startX) { x = startX; y += abstand; }
      laeufe.push({ text, x, y, px, fett: stil.B, kursiv: stil.I });
      x += textBreite(text, px, stil.B, stil.I);
    }
    y += abstand;
  }
  return { laeufe, luecken, ende: y, px, h };
}
