// Places the label boxes of a labelling document so that none overlaps another, neither as
// the learning view draws it (text box), nor as the quiz draws an open position (a disc of
// 30 units), nor as the worksheet draws its larger answer box. It works at the program's
// reference scale: the composed map 870 pixels wide, where one unit is one pixel.
import { textBreite, zeilenHoehe } from './lib.mjs';

const REF = 870;
const LUECKE = 3; // free pixels between two footprints

// Size of the text box of a caption at a font step, as the map view measures it.
export function kastenGroesse(text, fsize) {
  const px = fsize * 2 + 22;
  const zeilen = text.split('\r\n');
  const tw = Math.max(...zeilen.map((z) => textBreite(z, px)));
  return { w: Math.max(Math.ceil(tw) + 1, 30), h: zeilen.length * zeilenHoehe(px) + 4 };
}

// Width of the worksheet's answer box of a caption drawn above or below its point.
export function antwortkastenBreite(text, fsize) {
  const { w } = kastenGroesse(text, fsize);
  return w + 2 * Math.round(0.18 * w) + 2 * 0.01 * REF;
}

// Everything the program may draw for one label with its box centred at (cx, cy) on the
// given side, as [left, top, right, bottom] at the reference scale.
function fussabdruck(cx, cy, w, h, seite) {
  const l = cx - w / 2, t = cy - h / 2;
  const e = Math.round(0.18 * w);
  const zuX = 0.01 * REF;
  let al = l - e, ar = l + w + e;
  if (seite === 1) { al = l; ar = l + w + 2 * e; }
  if (seite === 3) { al = l - 2 * e; ar = l + w; }
  const rechteck = [Math.min(l, al - zuX), t - 0.1 * h - 1, Math.max(l + w, ar + zuX), t + h + 0.1 * h + 1];
  // The open position's disc sits where the box begins on its side.
  const k = ankerpunkt(cx, cy, w, h, seite);
  let d;
  if (seite === 1) d = [k[0] + 7, k[1] - 15];
  else if (seite === 3) d = [k[0] - 37, k[1] - 15];
  else if (seite === 2) d = [k[0] - 15, k[1] - 32];
  else d = [k[0] - 15, k[1] + 2];
  return [Math.min(rechteck[0], d[0]), Math.min(rechteck[1], d[1]), Math.max(rechteck[2], d[0] + 30),
    Math.max(rechteck[3], d[1] + 30)];
}

// The box point (where the leader line ends) for a box centred at (cx, cy).
function ankerpunkt(cx, cy, w, h, seite) {
  if (seite === 1) return [cx - w / 2 - 7, cy];
  if (seite === 3) return [cx + w / 2 + 7, cy];
  if (seite === 2) return [cx, cy + h / 2 + 2];
  return [cx, cy - h / 2 - 2];
}

const schneiden = (a, b) => a[0] < b[2] + LUECKE && b[0] < a[2] + LUECKE && a[1] < b[3] + LUECKE && b[1] < a[3] + LUECKE;
const enthaelt = (r, p, rand = 0) => p[0] >= r[0] - rand && p[0] <= r[2] + rand && p[1] >= r[1] - rand && p[1] <= r[3] + rand;

// Whether the segment p-q crosses rectangle r (sampled; the segments are short).
function linieDurch(p, q, r) {
  for (let i = 1; i < 20; ++i) {
    const t = i / 20;
    if (enthaelt(r, [p[0] + (q[0] - p[0]) * t, p[1] + (q[1] - p[1]) * t])) return true;
  }
  return false;
}

function kreuzen(a, b, c, d) {
  const r = (p, q, s) => (q[0] - p[0]) * (s[1] - p[1]) - (q[1] - p[1]) * (s[0] - p[0]);
  return r(a, b, c) * r(a, b, d) < 0 && r(c, d, a) * r(c, d, b) < 0;
}

function kandidaten(l, W, H) {
  const liste = [];
  if (l.aufAnker) liste.push({ dx: 0, dy: 0, kosten: 0 });
  if (l.wunsch) liste.push({ dx: l.wunsch[0] - l.ax, dy: l.wunsch[1] - l.ay, kosten: 0 });
  const radien = [0.3, 0.6, 0.9, 1.2, 1.6, 2.0, 2.5, 3.1, 3.8, 4.6, 5.5, 6.6, 8, 10, 12.5, 15];
  for (const r of radien) {
    for (let k = 0; k < 24; ++k) {
      const w = (k * Math.PI) / 12;
      // Boxes beside a point keep clear of it: the distance counts in box halves.
      const dx = Math.cos(w) * (l.w / 2 + 10) * r / 1.3;
      const dy = Math.sin(w) * (l.h / 2 + 8) * r / 1.3;
      const d = Math.hypot(dx, dy);
      liste.push({ dx, dy, kosten: (l.aufAnker ? 3 * d + 25 : d) + 0.004 * d * d });
    }
  }
  return liste.filter((k) => {
    const cx = l.ax + k.dx, cy = l.ay + k.dy;
    return cx - l.w / 2 > 0.012 * W && cx + l.w / 2 < 0.988 * W && cy - l.h / 2 > 0.01 * H && cy + l.h / 2 < 0.99 * H;
  }).sort((a, b) => a.kosten - b.kosten);
}

function seiteFuer(dx, dy) {
  if (Math.abs(dy) > Math.abs(dx) * 0.8) return dy < 0 ? 2 : 4;
  return dx >= 0 ? 1 : 3;
}

// labels: [{ text, ax, ay (pixels of the extended image), fsize, aufAnker (the box may cover
// its own anchor: areas), rand: [x, y] fixed box centre in the margin (optional), wunsch:
// [x, y] a box centre tried first at no cost (optional) }]
// W, H: size of the extended image in pixels. Returns per label { kx, ky, seite, linie }
// in pixels of the extended image, or throws when a label finds no place.
// scheiben: discs of info points [x, y, side] (box point in pixels of the extended image).
// randSpalte, randSpalteLinks: x (extended image) where the right margin column begins and
// where the left one ends; labels with amRand go there (amRand 'links': the left one).
export function platzieren(labels, W, H, { punkte = [], scheiben = [], randSpalte = 0, randSpalteLinks = 0 } = {}) {
  const f = REF / W;
  const Wr = REF, Hr = H * f;
  const ls = labels.map((l, i) => ({ ...l, i, ax: l.ax * f, ay: l.ay * f, ...kastenGroesse(l.text, l.fsize),
    wunsch: l.wunsch && [l.wunsch[0] * f, l.wunsch[1] * f] }));
  // Point features (towns) stay visible: no box covers another label's point.
  const freiePunkte = [...punkte.map(([x, y]) => [x * f, y * f]), ...ls.filter((l) => !l.aufAnker).map((l) => [l.ax, l.ay])];
  const belegt = scheiben.map(([x, y, seite]) => {
    const k = [x * f, y * f];
    const l = seite === 3 ? k[0] - 37 : k[0] + 7;
    return { fp: [l, k[1] - 15, l + 30, k[1] + 15], a: k, k };
  });
  const ergebnis = new Array(ls.length);
  const setzen = (l, cx, cy, seite) => {
    const fp = fussabdruck(cx, cy, l.w, l.h, seite);
    const k = ankerpunkt(cx, cy, l.w, l.h, seite);
    belegt.push({ fp, l, a: [l.ax, l.ay], k });
    ergebnis[l.i] = { kx: k[0] / f, ky: k[1] / f, seite, linie: !l.aufAnker || Math.hypot(cx - l.ax, cy - l.ay) > Math.max(l.w, l.h) / 2 };
  };
  for (const l of ls.filter((l) => l.rand)) setzen(l, l.rand[0] * f, l.rand[1] * f, l.randSeite ?? 1);
  // Labels sent to a margin column stand in the order of their anchors, top to bottom,
  // so that their leader lines do not cross; each as near to its anchor's height as it can.
  const spalteSetzen = (spalte, x0, seite) => {
    spalte.sort((a, b) => a.ay - b.ay);
    const hoehe = (l) => fussabdruck(0, 0, l.w, l.h, seite)[3] - fussabdruck(0, 0, l.w, l.h, seite)[1] + LUECKE + 1;
    const ys = [];
    let unten = 0.01 * Hr;
    for (const l of spalte) {
      const y = Math.max(l.ay, unten + hoehe(l) / 2);
      ys.push(y);
      unten = y + hoehe(l) / 2;
    }
    let grenze = 0.99 * Hr;
    for (let i = spalte.length - 1; i >= 0; --i) {
      ys[i] = Math.min(ys[i], grenze - hoehe(spalte[i]) / 2);
      grenze = ys[i] - hoehe(spalte[i]) / 2;
    }
    spalte.forEach((l, i) => {
      const cx = seite === 1 ? x0 + 7 + l.w / 2 : x0 - 7 - l.w / 2;
      const fp = fussabdruck(cx, ys[i], l.w, l.h, seite);
      if (fp[0] < 0 || fp[2] > Wr) throw new Error(`„${l.text}“ passt nicht in die Randspalte`);
      setzen(l, cx, ys[i], seite);
      l.rand = true;
    });
  };
  if (randSpalte) spalteSetzen(ls.filter((l) => l.amRand && l.amRand !== 'links'), randSpalte * f, 1);
  if (randSpalteLinks) spalteSetzen(ls.filter((l) => l.amRand === 'links'), randSpalteLinks * f, 3);
  // Every label starts at its best place alone; then each in turn moves to the place that
  // costs least beside the others, until no box overlaps another (a few rounds).
  const offen = ls.filter((l) => !l.rand);
  const feste = belegt.slice();
  const moeglich = new Map(offen.map((l) => [l, kandidaten(l, Wr, Hr).map((k) => {
    const cx = l.ax + k.dx, cy = l.ay + k.dy;
    const seite = k.dx === 0 && k.dy === 0 ? 4 : seiteFuer(k.dx, k.dy);
    const fp = fussabdruck(cx, cy, l.w, l.h, seite);
    let kosten = k.kosten;
    for (const p of freiePunkte)
      if ((p[0] !== l.ax || p[1] !== l.ay) && enthaelt(fp, p, 4)) kosten += 3000;
    const frei = l.aufAnker || !enthaelt(fp, [l.ax, l.ay], 4);
    return { cx, cy, seite, fp, k: ankerpunkt(cx, cy, l.w, l.h, seite), kosten, frei };
  }).filter((k) => k.frei && k.fp[0] >= 0 && k.fp[2] <= Wr && k.fp[1] >= 0 && k.fp[3] <= Hr)]));
  const wahl = new Map(offen.map((l) => [l, moeglich.get(l)[0]]));
  // A label that stays in conflict grows heavier, so that its neighbours make way.
  const gewicht = new Map(offen.map((l) => [l, 0]));
  const preis = (l, k) => {
    let kosten = k.kosten;
    for (const b of feste) if (schneiden(k.fp, b.fp)) kosten += 10000;
    for (const m of offen) {
      if (m === l) continue;
      const n = wahl.get(m);
      if (schneiden(k.fp, n.fp)) kosten += 10000 * (1 + gewicht.get(l) + gewicht.get(m));
      if (linieDurch([l.ax, l.ay], k.k, n.fp)) kosten += 300;
      if (linieDurch([m.ax, m.ay], n.k, k.fp)) kosten += 300;
      if (kreuzen([l.ax, l.ay], k.k, [m.ax, m.ay], n.k)) kosten += 300;
    }
    return kosten;
  };
  const konflikt = (l) => feste.some((b) => schneiden(wahl.get(l).fp, b.fp)) ||
    offen.some((m) => m !== l && schneiden(wahl.get(l).fp, wahl.get(m).fp));
  for (let runde = 0; runde < 200; ++runde) {
    let geaendert = false;
    for (const l of offen) if (konflikt(l)) gewicht.set(l, gewicht.get(l) + 1);
    for (const l of offen) {
      let beste = wahl.get(l), bestPreis = preis(l, beste);
      for (const k of moeglich.get(l)) {
        if (k.kosten >= bestPreis) break;
        if (k === beste) continue;
        const p = preis(l, k);
        if (p < bestPreis) { beste = k; bestPreis = p; }
      }
      if (beste !== wahl.get(l)) { wahl.set(l, beste); geaendert = true; }
    }
    if (!geaendert && !offen.some(konflikt)) break;
  }
  for (const l of offen) {
    const k = wahl.get(l);
    if (konflikt(l)) {
      const mit = offen.filter((m) => m !== l && schneiden(k.fp, wahl.get(m).fp)).map((m) => m.text);
      throw new Error(`Kein Platz für „${l.text}“ (überdeckt ${mit.join(', ')})`);
    }
    setzen(l, k.cx, k.cy, k.seite);
  }
  return ergebnis;
}
