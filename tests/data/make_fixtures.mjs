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

// The import wizard's workbook: a title, a blank row, headers on row 3, a blank row among the
// students, a totals row, CNPs as text and as a number, decimals, dates, empty cells and 30 columns
// (the last one, "AD", past "Z"). The CNPs are valid: sex digits 1, 2, 5 and 6, control digits right.
const cnp = (s, y, m, d, judet, nnn) => {
  const b = `${s}${String(y % 100).padStart(2, '0')}${String(m).padStart(2, '0')}${String(d).padStart(2, '0')}` +
    `${String(judet).padStart(2, '0')}${String(nnn).padStart(3, '0')}`;
  const w = '279146358279';
  let suma = 0;
  for (let i = 0; i < 12; i++) suma += Number(b[i]) * Number(w[i]);
  const c = suma % 11 === 10 ? 1 : suma % 11;
  return b + c;
};
const elevi = [
  ['Popescu Ion Marius', cnp(5, 2005, 3, 14, 40, 11), n(9.75, '9,75'), d(2005, 3, 14), 'Mecanic auto'],
  ['  Ionescu   Maria ', cnp(6, 2004, 2, 29, 12, 22), n(10), d(2004, 2, 29), 'Coafor'],
  null, // a blank row among the students
  ['Georgescu Andrei', Number(cnp(1, 1999, 12, 31, 5, 33)), n(8.5, '8,5'), d(1999, 12, 31), 'Sudor'],
  ['Dumitru Elena-Ioana', cnp(2, 1998, 1, 1, 1, 44), n(9.25, '9,25'), d(1998, 1, 1), null],
  ['Stan', cnp(6, 2006, 11, 20, 22, 55), null, null, 'Ospatar'],
];
const ultima = 29; // "AD"
const foaieElevi = {};
const pune = (foaie, r, c, v) => {
  if (v === null || v === undefined) return;
  const celula = typeof v === 'object' ? v : (typeof v === 'number' ? { t: 'n', v, w: String(v) } : t(v));
  foaie[XLSX.utils.encode_cell({ r, c })] = celula;
};
pune(foaieElevi, 0, 0, 'Tabel nominal - clasa a XII-a');
const antet = ['Nr.', 'Nume si prenume', 'CNP', 'Media', 'Data nasterii'];
for (let c = 5; c < ultima; c++) antet.push(`Coloana ${XLSX.utils.encode_col(c)}`);
antet.push('Calificarea');
antet.forEach((v, c) => pune(foaieElevi, 2, c, v));
let nr = 0;
elevi.forEach((e, i) => {
  const r = 3 + i;
  if (!e) return;
  nr++;
  pune(foaieElevi, r, 0, n(nr));
  pune(foaieElevi, r, 1, e[0]);
  pune(foaieElevi, r, 2, e[1]);
  pune(foaieElevi, r, 3, e[2]);
  pune(foaieElevi, r, 4, e[3]);
  if (nr % 2 === 1) pune(foaieElevi, r, 10, `k${nr}`);
  pune(foaieElevi, r, ultima, e[4]);
});
pune(foaieElevi, 3 + elevi.length + 1, 0, `Total elevi: ${nr}`);
foaieElevi['!ref'] = XLSX.utils.encode_range({ s: { r: 0, c: 0 }, e: { r: 3 + elevi.length + 1, c: ultima } });

// A row whose value is too long for the database, between two that are not.
const foaieLung = XLSX.utils.aoa_to_sheet([
  ['Nume', 'CNP'],
  ['Primul Elev', cnp(1, 2001, 5, 6, 40, 101)],
  ['x'.repeat(300), cnp(2, 2002, 7, 8, 40, 102)],
  ['Al Treilea', cnp(5, 2003, 9, 10, 40, 103)],
]);
// A row kept for a 13-digit number in another column, with an empty CNP cell.
const foaieFaraCnp = XLSX.utils.aoa_to_sheet([
  ['Nume', 'CNP', 'Telefon'],
  ['Fara Cnp', null, '0721000000123'],
  ['Cu Cnp', cnp(2, 2000, 1, 2, 40, 104), null],
]);

const registruElevi = XLSX.utils.book_new();
XLSX.utils.book_append_sheet(registruElevi, foaieElevi, 'Elevi');
XLSX.utils.book_append_sheet(registruElevi, foaieLung, 'Lung');
XLSX.utils.book_append_sheet(registruElevi, foaieFaraCnp, 'Fara CNP');
XLSX.writeFile(registruElevi, 'elevi.xlsx', { bookType: 'xlsx', bookSST: true });
XLSX.writeFile(registruElevi, 'elevi.xls', { bookType: 'xls' });
XLSX.writeFile(registruElevi, 'elevi.ods', { bookType: 'ods' });

// A password-protected workbook: SheetJS writes none, so its TABID record (six bytes, not needed to
// read the file) becomes a FILEPASS record of the XOR obfuscation, through SheetJS's own CFB module.
const CFB = (await import('cfb')).default;
const protejat = CFB.read(XLSX.write(registruElevi, { bookType: 'xls', type: 'buffer' }), { type: 'buffer' });
const flux = CFB.find(protejat, 'Workbook').content;
for (let o = 0; o + 4 <= flux.length;) {
  const tip = flux[o] | (flux[o + 1] << 8), lungime = flux[o + 2] | (flux[o + 3] << 8);
  if (tip === 0x13d && lungime === 6) {
    flux.set([0x2f, 0x00, 6, 0, 0, 0, 0x34, 0x12, 0x78, 0x56], o);
    break;
  }
  o += 4 + lungime;
}
writeFileSync('elevi_parola.xls', CFB.write(protejat, { type: 'buffer', fileType: 'cfb' }));
