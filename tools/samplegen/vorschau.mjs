// Preview of a document roughly as the program's learning view draws it at 100 %, with
// every label shown (not covered), so that boxes, leader lines and texts can be checked.
import { esc, svgZuPng, textBreite, zeilenHoehe, SCHRIFT } from './lib.mjs';
import { lueckentextSetzen } from './lueckentext.mjs';

function seite(o, aspekt) {
  if (o.OB_KAusrAkt >= 1) return o.OB_KAusrAkt;
  if (o.OB_KAusr >= 1) return o.OB_KAusr;
  const dx = o.OB_Kx - o.OB_Sx;
  const dy = (o.OB_Ky - o.OB_Sy) / aspekt;
  if (Math.abs(dy) > Math.abs(dx)) return dy < 0 ? 2 : 4;
  return dx >= 0 ? 1 : 3;
}

function umbrechen(text, px, rand) {
  const zeilen = [];
  for (const absatz of text.split('\r\n')) {
    let zeile = '';
    for (const wort of absatz.split(' ')) {
      const probe = zeile ? zeile + ' ' + wort : wort;
      if (zeile && textBreite(probe, px) > rand) { zeilen.push(zeile); zeile = wort; }
      else zeile = probe;
    }
    zeilen.push(zeile);
  }
  return zeilen;
}

function kasten(o, W, H, s, aspekt, zeilen, px) {
  const tw = Math.max(...zeilen.map((z) => textBreite(z, px)));
  const th = zeilen.length * zeilenHoehe(px);
  const scheibe = [2, 4, 5, 12, 13, 14, 15, 16].includes(o.OB_Typ);
  const w = scheibe ? Math.round(30 * s) : Math.max(tw, Math.round(30 * s));
  const h = scheibe ? Math.round(30 * s) : th + 4;
  const kx = Math.round(o.OB_Kx * W), ky = Math.round(o.OB_Ky * H);
  const sd = seite(o, aspekt);
  let l, t;
  if (sd === 1) { l = kx + Math.round(7 * s); t = ky - Math.round(h / 2); }
  else if (sd === 2) { l = kx - Math.round(w / 2); t = ky - h - Math.round(2 * s); }
  else if (sd === 3) { l = kx - w - Math.round(7 * s); t = ky - Math.round(h / 2); }
  else { l = kx - Math.round(w / 2); t = ky + Math.round(2 * s); }
  return { l, t, w, h, tw };
}

const SCHEIBE = { 2: ['Info', '#005ffd'], 12: ['<', '#0000ff'], 13: ['>', '#0000ff'], 14: ['|<', '#0000ff'],
  15: ['>|', '#0000ff'], 16: ['?', '#0000ff'] };

export function vorschauPng(dok, png, bw, bh, breite = 1200) {
  const [rl, ro, rr, ru] = dok.kopf.HD_RandErw;
  const W = breite;
  const H = Math.round((W * (ro + 1 + ru) * bh) / ((rl + 1 + rr) * bw));
  const s = W / 870;
  const f = W / ((rl + 1 + rr) * bw);
  const teile = [`<svg xmlns="http://www.w3.org/2000/svg" width="${W}" height="${H}">`,
    `<rect width="${W}" height="${H}" fill="#fff"/>`,
    `<image x="${rl * bw * f}" y="${ro * bh * f}" width="${bw * f}" height="${bh * f}" ` +
      `href="data:image/png;base64,${png.toString('base64')}"/>`];
  const text = (t, x, y, px, farbe = '#000', extra = '') =>
    `<text x="${x}" y="${y + Math.round(px * 0.905)}" font-family="${SCHRIFT}" font-size="${px}" fill="${farbe}" ` +
    `xml:space="preserve" ${extra}>${esc(t)}</text>`;
  if (dok.kopf.HD_lueckentext) {
    const satz = lueckentextSetzen(dok.kopf.HD_lueckentext.split('\r\n'), W, H, s);
    for (const l of satz.laeufe)
      teile.push(text(l.text, l.x, l.y, l.px, '#000',
        `${l.fett ? 'font-weight="bold"' : ''} ${l.kursiv ? 'font-style="italic"' : ''}`));
  }
  for (const o of dok.objekte) {
    if ([10, 11, 17].includes(o.OB_Typ) && o.OB_FrageNummer !== 1) continue;
    const px = Math.round((o.OB_Fsize * 2 + 22) * s);
    const zeilen = o.OB_Typ === 11 ? umbrechen(o.OB_Cap, px, W - 2 * o.OB_Kx * W) : o.OB_Cap.split('\r\n');
    const k = kasten(o, W, H, s, W / H, zeilen, px);
    const farbe = o.OB_Typ === 3 ? '#0000ff' : '#000';
    if (o.OB_Sline === 1)
      teile.push(`<line x1="${o.OB_Sx * W}" y1="${o.OB_Sy * H}" x2="${o.OB_Kx * W}" y2="${o.OB_Ky * H}" stroke="${farbe}"/>`);
    if (SCHEIBE[o.OB_Typ]) {
      const [beschriftung, fuellung] = SCHEIBE[o.OB_Typ];
      const bpx = Math.round((o.OB_Typ === 2 ? 12 : 16) * s);
      teile.push(`<ellipse cx="${k.l + k.w / 2}" cy="${k.t + k.h / 2}" rx="${k.w / 2}" ry="${k.h / 2}" fill="${fuellung}" stroke="#003"/>`);
      teile.push(text(beschriftung, k.l + k.w / 2, k.t + (k.h - zeilenHoehe(bpx)) / 2, bpx, '#fff', 'font-weight="bold" text-anchor="middle"'));
      continue;
    }
    teile.push(`<rect x="${k.l}" y="${k.t}" width="${k.w}" height="${k.h}" fill="none" stroke="#888" stroke-dasharray="2,2"/>`);
    zeilen.forEach((z, i) => {
      const zw = textBreite(z, px);
      const dx = o.OB_TAusr === 1 ? (k.w - zw) / 2 : o.OB_TAusr === 2 ? k.w - zw : 0;
      teile.push(text(z, k.l + dx, k.t + 2 + i * zeilenHoehe(px), px, farbe,
        o.OB_Typ === 3 ? 'text-decoration="underline"' : ''));
    });
  }
  teile.push('</svg>');
  return svgZuPng(teile.join('\n'));
}
