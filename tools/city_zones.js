// The IANA time zone of each position, for tools/make_cities.py.
//
// Usage: node tools/city_zones.js MODULE < positions > zones
//
// MODULE is the @photostructure/tz-lookup package: its folder, or its name when Node finds it by
// itself. Input: one "latitude longitude" line per place, decimal degrees, positive north and east.
// Output: a first line with the package's name and version, then one zone name per input line.
"use strict";

const fs = require("fs");
const path = require("path");

const modulePath = process.argv[2];
if (!modulePath) {
    process.stderr.write("usage: node city_zones.js MODULE < positions\n");
    process.exit(2);
}
// A folder is taken from the working directory, as any path on a command line.
const lookupModule = fs.existsSync(modulePath) ? path.resolve(modulePath) : modulePath;
let lookUpZone, name, version;
try {
    lookUpZone = require(lookupModule);
    ({ name, version } = require(path.join(lookupModule, "package.json")));
} catch (error) {
    process.stderr.write(`cannot load ${modulePath}: ${error.message.split("\n")[0]}\n`);
    process.exit(1);
}

const zones = [`${name} ${version}`];
for (const line of fs.readFileSync(0, "utf8").split("\n")) {
    if (!line.trim())
        continue;
    const [latitude, longitude] = line.trim().split(/\s+/).map(Number);
    zones.push(lookUpZone(latitude, longitude));
}
process.stdout.write(zones.join("\n") + "\n");
