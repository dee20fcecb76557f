// Turns one DWG file into DXF: node dwg2dxf.mjs PACKAGE_DIR IN.dwg OUT.dxf
// Run by the host as a separate program, so the GPL DWG library never joins the host's
// own code. Exit status 0 on success; otherwise one line on stderr says why.
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';

const [packageDir, input, output] = process.argv.slice(2);
if (!packageDir || !input || !output) {
  process.stderr.write('usage: dwg2dxf.mjs PACKAGE_DIR IN.dwg OUT.dxf\n');
  process.exit(2);
}

const fail = (why) => {
  process.stderr.write(`${why}\n`);
  process.exit(1);
};

// The library's critical error bits, worst first; those below 128 are warnings it
// recovered from.
const describe = (error) => {
  const reasons = [
    [8192, 'out of memory'],
    [4096, 'the file cannot be read'],
    [2048, 'not a valid DWG file: it is damaged or truncated'],
    [1024, 'the DWG reader met an internal error'],
    [512, 'a page of the DWG file is missing: it is damaged or truncated'],
    [256, 'a section of the DWG file is missing: it is damaged or truncated'],
    [128, 'the classes of the DWG file are missing'],
  ];
  for (const [bit, text] of reasons) if (error & bit) return text;
  return 'the DWG reader wrote nothing';
};

// The library's DXF writer marks every layer off (a negative colour) whatever the drawing
// says; its own reading of the layer table knows. Each LAYER record's 62 gets the sign of
// the layer's real state; layers the reading does not name stay as written.
const mendLayers = (text, offByName) => {
  const lines = text.split('\n');
  const value = (i) => lines[i].replace(/\r$/, '');
  const setValue = (i, v) => {
    lines[i] = lines[i].endsWith('\r') ? `${v}\r` : v;
  };
  let inLayers = false;
  let name = null;
  let colour = -1;
  const finish = () => {
    if (name !== null && colour >= 0 && offByName.has(name)) {
      const c = Math.abs(parseInt(value(colour), 10));
      if (Number.isFinite(c) && c > 0) setValue(colour, String(offByName.get(name) ? -c : c).padStart(6));
    }
    name = null;
    colour = -1;
  };
  for (let i = 0; i + 1 < lines.length; i += 2) {
    const code = value(i).trim();
    const v = value(i + 1).trim();
    if (code === '0') {
      finish();
      if (v === 'ENDTAB') inLayers = false;
      if (v === 'LAYER' && inLayers) name = '';
    } else if (code === '2' && i >= 2 && value(i - 2).trim() === '0' && value(i - 1).trim() === 'TABLE') {
      inLayers = v === 'LAYER';
    } else if (name === '' && code === '2') {
      name = v;
    } else if (name !== null && code === '62') {
      colour = i + 1;
    }
  }
  finish();
  return lines.join('\n');
};

let content;
try {
  content = readFileSync(input);
} catch (e) {
  fail(`cannot read: ${e.message}`);
}

let LibreDwg;
let Dwg_File_Type;
let lib;
try {
  ({ LibreDwg, Dwg_File_Type } = await import(pathToFileURL(join(packageDir, 'dist', 'libredwg-web.js')).href));
  lib = await LibreDwg.create(`${join(packageDir, 'wasm')}/`);
} catch (e) {
  fail(`cannot load the DWG library from ${packageDir}: ${e && e.message ? e.message.split('\n')[0] : e}`);
}
const raw = lib.wasmInstance;
let dxf;
try {
  raw.FS.writeFile('in.dwg', new Uint8Array(content));
  const error = raw.dwg_write_dxf('in.dwg', 'out.dxf');
  if (error >= 128 || !raw.FS.analyzePath('out.dxf', false).exists) fail(`${describe(error)} (DWG reader error ${error})`);
  dxf = Buffer.from(raw.FS.readFile('out.dxf')).toString('latin1');
} catch (e) {
  fail(`the DWG reader stopped: ${e && e.message ? e.message : e}`);
}
try {
  const data = lib.dwg_read_data(content.buffer.slice(content.byteOffset, content.byteOffset + content.length), Dwg_File_Type.DWG);
  const db = lib.convert(data);
  lib.dwg_free(data);
  const offByName = new Map(db.tables.LAYER.entries.map((l) => [l.name, Boolean(l.off)]));
  dxf = mendLayers(dxf, offByName);
} catch {
  // Without the library's reading the layers stay as its writer left them.
}
writeFileSync(output, Buffer.from(dxf, 'latin1'));
// The runtime keeps node's event loop alive after its work is done.
process.exit(0);
