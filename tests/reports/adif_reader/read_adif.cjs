// Reads the ADIF file named on the command line with a published ADIF parser and prints its
// records, one a line, each field as NAME=value (name in upper case), fields separated by tabs.
const fs = require("fs");
const { AdifParser } = require("adif-parser-ts");

const text = fs.readFileSync(process.argv[2], "latin1");
const parsed = AdifParser.parseAdi(text);
const clean = (value) => String(value).replace(/[\t\r\n]/g, " ");
for (const record of parsed.records || []) {
  const fields = Object.entries(record).map(([name, value]) => `${name.toUpperCase()}=${clean(value)}`);
  process.stdout.write(fields.join("\t") + "\n");
}
