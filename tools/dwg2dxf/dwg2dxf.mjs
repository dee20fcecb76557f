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

// The library's critical error bits, worst first.
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

let content;
try {
  content = readFileSync(input);
} catch (e) {
  fail(`cannot read: ${e.message}`);
}

const wasmDir = join(packageDir, 'wasm');
const { default: createModule } = await import(pathToFileURL(join(wasmDir, 'libredwg-web.js')).href);
// The library prints its own progress on stdout; the host reads only the exit status.
const lib = await createModule({ print: () => {}, printErr: () => {}, locateFile: (f) => join(wasmDir, f) });
try {
  lib.FS.writeFile('in.dwg', new Uint8Array(content));
  const error = lib.dwg_write_dxf('in.dwg', 'out.dxf');
  // The library's error bits below 128 are warnings it recovered from.
  if (error >= 128 || !lib.FS.analyzePath('out.dxf', false).exists) fail(`${describe(error)} (DWG reader error ${error})`);
  writeFileSync(output, lib.FS.readFile('out.dxf'));
  // The runtime keeps node's event loop alive after its work is done.
  process.exit(0);
} catch (e) {
  fail(`the DWG reader stopped: ${e && e.message ? e.message : e}`);
}
