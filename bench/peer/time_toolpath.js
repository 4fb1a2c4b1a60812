// node time_toolpath.js PROGRAM: interprets PROGRAM with gcode-toolpath,
// collecting every line and arc it reports, and prints the time taken.
'use strict';
const fs = require('fs');
const Toolpath = require('gcode-toolpath');

const file = process.argv[2];
if (!file) {
  console.error('usage: node time_toolpath.js PROGRAM');
  process.exit(2);
}
const text = fs.readFileSync(file, 'utf8');
let lines = 0;
let arcs = 0;
const toolpath = new Toolpath({
  addLine: () => { lines += 1; },
  addArcCurve: () => { arcs += 1; },
});
const start = process.hrtime.bigint();
toolpath.loadFromStringSync(text);
const ms = Number(process.hrtime.bigint() - start) / 1e6;
console.log(`gcode-toolpath: ${ms.toFixed(0)} ms, ${lines} lines, ${arcs} arcs, ` +
  `peak RSS ${(process.memoryUsage().rss / 1048576).toFixed(0)} MiB`);
