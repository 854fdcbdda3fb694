// Writes the spreadsheet fixtures of the import tests with SheetJS, a library this project did not write.
// Run once, in the UTC time zone (SheetJS reads Date objects in local time), then commit the outputs (CI does not run npm):
//   cd tests/data && npm install --no-save --no-package-lock xlsx@0.18.5 && TZ=UTC node make_fixtures.mjs
// Every file holds the same table (no booleans: FreeXL reads them as the numbers 1 and 0); each cell's `w` is the text the import must produce, which the CSV
// writer copies as it stands (numbers with "," decimals, dates dd/mm/yyyy, as a Romanian export).
import * as XLSX from 'xlsx';
import { writeFileSync } from 'node:fs';

const t = (v) => ({ t: 's', v });
const n = (v, w) => ({ t: 'n', v, w: w ?? String(v) });
const d = (y, m, dd) => ({ t: 'd', v: new Date(Date.UTC(y, m - 1, dd)), z: 'dd/mm/yyyy',
  w: `${String(dd).padStart(2, '0')}/${String(m).padStart(2, '0')}/${y}` });
const f = (formula, v, w) => ({ t: 'n', f: formula, v, w });

const randuri = [
  [t('Nume'), t('Prenume'), t('CNP'), t('Nota'), t('Data'), t('Medie'), t('Observatii')],
  [t('Ştefănescu'), t('Ana-Maria'), t('2990101123456'), n(9.5, '9,5'), d(2005, 3, 14), f('D2+0.25', 9.75, '9,75'), t('ĂÂÎȘȚăâîșț')],
  [t('Țurcanu'), t('Ion Îon'), t('1980512123457'), t('9,50'), d(1999, 12, 31), f('10-0.5', 9.5, '9,5'), null],
  [t('Bălan'), null, t('2000229123458'), n(10), d(2024, 2, 29), f('D4*1', 10, '10'), t('are "ghilimele"; și, virgule')],
];

const ws = {};
randuri.forEach((rand, r) => rand.forEach((c, col) => {
  if (c) ws[XLSX.utils.encode_cell({ r, c: col })] = c;
}));
ws['!ref'] = XLSX.utils.encode_range({ s: { r: 0, c: 0 }, e: { r: randuri.length - 1, c: 6 } });

const wb = XLSX.utils.book_new();
XLSX.utils.book_append_sheet(wb, ws, 'Elevi');
// The second sheet makes the .xls workbook stream large enough to leave the compound file's mini
// stream, which FreeXL 1.0.6 cannot read; tabel_mic.xls keeps only the first sheet and stays small.
const umplutura = [['a doua foaie']];
for (let i = 1; i <= 300; i++) umplutura.push([`rand ${i}`, i]);
XLSX.utils.book_append_sheet(wb, XLSX.utils.aoa_to_sheet(umplutura), 'Foaia 2');

XLSX.writeFile(wb, 'tabel.xlsx', { bookType: 'xlsx', bookSST: true });
XLSX.writeFile(wb, 'tabel.ods', { bookType: 'ods' });
XLSX.writeFile(wb, 'tabel.xls', { bookType: 'xls' });
const mic = XLSX.utils.book_new();
XLSX.utils.book_append_sheet(mic, ws, 'Elevi');
XLSX.writeFile(mic, 'tabel_mic.xls', { bookType: 'xls' });
// Five sheets that declare 65536 x 256 cells each though they hold 200: FreeXL would allocate
// them all, so the reader must refuse the file before.
const uriase = XLSX.utils.book_new();
for (let i = 1; i <= 5; i++) {
  const foaie = XLSX.utils.aoa_to_sheet(umplutura.slice(0, 200));
  foaie['!ref'] = 'A1:IV65536';
  XLSX.utils.book_append_sheet(uriase, foaie, `Foaia ${i}`);
}
XLSX.writeFile(uriase, 'foi_uriase.xls', { bookType: 'xls' });
// One sheet only: a CSV has no more; ";" as a Romanian export writes it, with a UTF-8 BOM.
writeFileSync('tabel.csv', '\uFEFF' + XLSX.utils.sheet_to_csv(ws, { FS: ';' }) + '\n');
