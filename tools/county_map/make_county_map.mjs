// Generates the county map of Pennsylvania that the map window shows, and the rectangle of
// each of its 67 county labels.
//
// Source of the facts: the county boundaries of the US Census Bureau (cartographic boundary
// files, 1:10,000,000, public domain) as the npm package us-atlas 3.0.1 ships them in
// counties-10m.json (TopoJSON, counties keyed by their five-digit FIPS code; Pennsylvania is
// state 42). topojson-client turns them into polygons, and d3-geo projects them with a
// Lambert conformal conic projection centred on the state (the projection of the state's
// own plane coordinates), fitted to the picture.
//
// What is made (run from this folder: npm ci && node make_county_map.mjs):
//   data/CountyMap.bmp            613 x 349 pixels, 24-bit: every county a white region closed
//                                 by a one-pixel border, so a flood fill from any point of a
//                                 county colours exactly that county
//   reports/county_map_labels.cpp the label of each county: a rectangle in twips (15 per pixel)
//                                 within the picture, wholly inside its county, in the order
//                                 of the map window's label array
//   tests/reports/county_map_regions.txt
//                                 per label, the pixel count and bounding box of its county's
//                                 white region, worked out from the boundaries, for the tests
//
// Each county's region is made of the pixels whose centre lies inside its boundary. A pixel
// is drawn as border when a neighbour to its right or below belongs to another county, or any
// neighbour lies outside the state: so two counties never touch without a border pixel
// between them (four-connected). A county whose region falls apart into pieces keeps its
// largest piece white; the slivers join the border. The script stops when a county is
// missing, a region is empty, or a label does not fit inside its county.

import { readFileSync, writeFileSync } from "node:fs";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";
import { geoConicConformal, geoPath } from "d3-geo";
import { feature } from "topojson-client";

const here = dirname(fileURLToPath(import.meta.url));
const root = join(here, "..", "..");
const atlas = JSON.parse(readFileSync(join(here, "node_modules", "us-atlas", "counties-10m.json"), "utf8"));

const WIDTH = 613;
const HEIGHT = 349;
const MARGIN = 6;
const TWIPS = 15;
const STATE_FIPS = "42";

// The label array of the map window, by index, as the labels spell the names.
const LABELS = [
  "Erie", "Crawford", "Mercer", "Lawrence", "Beaver", "Washington", "Greene", "Fayette",
  "Westmoreland", "Allegheny", "Butler", "Armstrong", "Clarion", "Venango", "Forest", "Warren",
  "Mc Kean", "Elk", "Jefferson", "Indiana", "Somerset", "Cambria", "Clearfield", "Cameron",
  "Potter", "Clinton", "Centre", "Blair", "Bedford", "Fulton", "Huntingdon", "Franklin", "Adams",
  "Cumberland", "Perry", "Juniata", "Mifflin", "Tioga", "Lycoming", "Union", "Snyder",
  "Northumberland", "Dauphin", "York", "Lancaster", "Lebanon", "Bradford", "Sullivan", "Montour",
  "Columbia", "Susquehanna", "Wyoming", "Lackawanna", "Wayne", "Pike", "Luzerne", "Monroe",
  "Carbon", "Schuylkill", "Northampton", "Lehigh", "Berks", "Bucks", "Montgomery", "Chester",
  "Delaware", "Philadelphia",
];

// Colours of the picture (red, green, blue).
const COUNTY = [255, 255, 255];
const BORDER = [64, 64, 64];
const OUTSIDE = [214, 228, 240];

// Largest label: wide enough for a comfortable pointer target, never past the county.
const MAX_HALF_WIDTH = 30;
const MAX_HALF_HEIGHT = 8;

const key = (name) => name.replace(/\s+/g, "").toLowerCase();

function counties() {
  const geometries = atlas.objects.counties.geometries.filter((g) => String(g.id).startsWith(STATE_FIPS));
  const collection = feature(atlas, { type: "GeometryCollection", geometries });
  const byName = new Map(collection.features.map((f) => [key(f.properties.name), f]));
  const features = LABELS.map((name) => {
    const f = byName.get(key(name));
    if (!f) throw new Error(`county ${name} not found in the boundaries`);
    return f;
  });
  if (byName.size !== LABELS.length) throw new Error(`expected ${LABELS.length} counties, found ${byName.size}`);
  return { collection, features };
}

// The projected rings of a feature, as arrays of [x, y].
function rings(path, f) {
  const out = [];
  let ring = null;
  path.context({
    moveTo(x, y) { ring = [[x, y]]; out.push(ring); },
    lineTo(x, y) { ring.push([x, y]); },
    closePath() {},
    arc() {},
  })(f);
  return out;
}

// Marks with `id` every pixel whose centre lies inside the rings (even-odd rule).
function rasterize(ids, polygonRings, id) {
  for (let y = 0; y < HEIGHT; y++) {
    const cy = y + 0.5;
    const xs = [];
    for (const ring of polygonRings) {
      for (let i = 0; i < ring.length; i++) {
        const [x1, y1] = ring[i];
        const [x2, y2] = ring[(i + 1) % ring.length];
        if ((y1 <= cy) !== (y2 <= cy)) xs.push(x1 + ((cy - y1) / (y2 - y1)) * (x2 - x1));
      }
    }
    xs.sort((a, b) => a - b);
    for (let k = 0; k + 1 < xs.length; k += 2) {
      const from = Math.max(0, Math.ceil(xs[k] - 0.5));
      const to = Math.min(WIDTH - 1, Math.floor(xs[k + 1] - 0.5));
      for (let x = from; x <= to; x++) ids[y * WIDTH + x] = id;
    }
  }
}

const idAt = (ids, x, y) => (x < 0 || y < 0 || x >= WIDTH || y >= HEIGHT ? 0 : ids[y * WIDTH + x]);

// White (region) pixels: inside a county and not on a border.
function regions(ids) {
  const region = new Int16Array(WIDTH * HEIGHT);
  for (let y = 0; y < HEIGHT; y++) {
    for (let x = 0; x < WIDTH; x++) {
      const id = ids[y * WIDTH + x];
      if (id === 0) continue;
      const right = idAt(ids, x + 1, y), down = idAt(ids, x, y + 1);
      const left = idAt(ids, x - 1, y), up = idAt(ids, x, y - 1);
      const border = right !== id || down !== id || left === 0 || up === 0;
      if (!border) region[y * WIDTH + x] = id;
    }
  }
  return region;
}

// Keeps the largest four-connected piece of each county; returns its statistics by id.
function keepLargestPieces(region, count) {
  const seen = new Uint8Array(WIDTH * HEIGHT);
  const best = new Array(count + 1).fill(null);
  const pieces = [];
  for (let start = 0; start < region.length; start++) {
    const id = region[start];
    if (id === 0 || seen[start]) continue;
    const pixels = [];
    const stack = [start];
    seen[start] = 1;
    while (stack.length) {
      const p = stack.pop();
      pixels.push(p);
      const x = p % WIDTH, y = (p - x) / WIDTH;
      for (const [nx, ny] of [[x + 1, y], [x - 1, y], [x, y + 1], [x, y - 1]]) {
        if (nx < 0 || ny < 0 || nx >= WIDTH || ny >= HEIGHT) continue;
        const q = ny * WIDTH + nx;
        if (!seen[q] && region[q] === id) { seen[q] = 1; stack.push(q); }
      }
    }
    const piece = { id, pixels };
    pieces.push(piece);
    if (!best[id] || best[id].pixels.length < pixels.length) best[id] = piece;
  }
  for (const piece of pieces) {
    if (best[piece.id] !== piece) for (const p of piece.pixels) region[p] = 0;
  }
  return best;
}

// The label rectangle of a county: centred on the pixel deepest inside its region, as wide
// and high as the region allows there (within the maximum), every pixel inside the region.
function labelRect(region, id, pixels) {
  const inside = (x, y) => x >= 0 && y >= 0 && x < WIDTH && y < HEIGHT && region[y * WIDTH + x] === id;
  const fits = (cx, cy, hw, hh) => {
    for (let y = cy - hh; y <= cy + hh; y++) for (let x = cx - hw; x <= cx + hw; x++) if (!inside(x, y)) return false;
    return true;
  };
  let best = null;
  for (const p of pixels) {
    const x = p % WIDTH, y = (p - x) / WIDTH;
    let r = 0;
    while (r < MAX_HALF_WIDTH && fits(x, y, r + 1, Math.min(r + 1, MAX_HALF_HEIGHT))) r++;
    if (!best || r > best.r) best = { x, y, r };
  }
  if (!best) throw new Error(`county ${LABELS[id - 1]} has no room for a label`);
  let hw = best.r, hh = Math.min(best.r, MAX_HALF_HEIGHT);
  while (hw < MAX_HALF_WIDTH && fits(best.x, best.y, hw + 1, hh)) hw++;
  while (hh < MAX_HALF_HEIGHT && fits(best.x, best.y, hw, hh + 1)) hh++;
  return { x: best.x - hw, y: best.y - hh, w: 2 * hw + 1, h: 2 * hh + 1 };
}

function bmp(region, ids) {
  const stride = Math.ceil((WIDTH * 3) / 4) * 4;
  const image = stride * HEIGHT;
  const out = Buffer.alloc(54 + image);
  out.write("BM", 0, "latin1");
  out.writeUInt32LE(54 + image, 2);
  out.writeUInt32LE(54, 10);
  out.writeUInt32LE(40, 14);
  out.writeInt32LE(WIDTH, 18);
  out.writeInt32LE(HEIGHT, 22);
  out.writeUInt16LE(1, 26);
  out.writeUInt16LE(24, 28);
  out.writeUInt32LE(image, 34);
  out.writeInt32LE(2835, 38);
  out.writeInt32LE(2835, 42);
  for (let y = 0; y < HEIGHT; y++) {
    const row = 54 + (HEIGHT - 1 - y) * stride;
    for (let x = 0; x < WIDTH; x++) {
      const p = y * WIDTH + x;
      const [r, g, b] = region[p] !== 0 ? COUNTY : ids[p] !== 0 ? BORDER : OUTSIDE;
      out[row + 3 * x] = b;
      out[row + 3 * x + 1] = g;
      out[row + 3 * x + 2] = r;
    }
  }
  return out;
}

function labelsSource(rects) {
  const rows = rects.map((r, i) => {
    const name = JSON.stringify(LABELS[i]);
    return `    {${name}, ${r.x * TWIPS}, ${r.y * TWIPS}, ${r.w * TWIPS}, ${r.h * TWIPS}},`;
  });
  return [
    "// Generated by tools/county_map/make_county_map.mjs from the US Census county boundaries;",
    "// do not edit. Each rectangle lies wholly inside its county on data/CountyMap.bmp.",
    '#include "reports/county_map_labels.h"',
    "",
    "namespace ks {",
    "",
    "const std::array<CountyMapLabel, kCountyMapLabelCount> kCountyMapLabels = {{",
    ...rows,
    "}};",
    "",
    "}  // namespace ks",
    "",
  ].join("\n");
}

function regionsText(best) {
  const lines = [
    "# Generated by tools/county_map/make_county_map.mjs: for each label of the county map, in order,",
    "# the number of white pixels of its county's region and their bounding box (left top right bottom).",
  ];
  LABELS.forEach((name, i) => {
    const piece = best[i + 1];
    let left = WIDTH, top = HEIGHT, right = -1, bottom = -1;
    for (const p of piece.pixels) {
      const x = p % WIDTH, y = (p - x) / WIDTH;
      left = Math.min(left, x); right = Math.max(right, x);
      top = Math.min(top, y); bottom = Math.max(bottom, y);
    }
    lines.push(`${name.replace(/ /g, "_")} ${piece.pixels.length} ${left} ${top} ${right} ${bottom}`);
  });
  return lines.join("\n") + "\n";
}

function main() {
  const { collection, features } = counties();
  const projection = geoConicConformal()
    .parallels([39.93, 41.95])
    .rotate([77.75, 0])
    .fitExtent([[MARGIN, MARGIN], [WIDTH - MARGIN, HEIGHT - MARGIN]], collection);
  const path = geoPath(projection);
  const ids = new Int16Array(WIDTH * HEIGHT);
  features.forEach((f, i) => rasterize(ids, rings(path, f), i + 1));
  const region = regions(ids);
  const best = keepLargestPieces(region, LABELS.length);
  best.slice(1).forEach((piece, i) => {
    if (!piece) throw new Error(`county ${LABELS[i]} has no region on the picture`);
  });
  const rects = LABELS.map((_, i) => labelRect(region, i + 1, best[i + 1].pixels));
  writeFileSync(join(root, "data", "CountyMap.bmp"), bmp(region, ids));
  writeFileSync(join(root, "reports", "county_map_labels.cpp"), labelsSource(rects));
  writeFileSync(join(root, "tests", "reports", "county_map_regions.txt"), regionsText(best));
  console.log(`county map: ${WIDTH} x ${HEIGHT}, ${LABELS.length} counties`);
}

main();
