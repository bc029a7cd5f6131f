// Writes the reference fixtures of the astronomy tests from astronomy-engine, an independent implementation
// (VSOP87 Earth, IAU 2000B nutation, its own search), so the tests compare two unrelated computations.
//   tests/astro/data/term-reference.tsv  every solar term 1900-2100
//   tests/astro/data/eot-reference.tsv   the equation of time twice a month in a few years
// Usage: npm ci && node generate.mjs
import { writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import * as Astronomy from 'astronomy-engine';

const outDir = join(dirname(fileURLToPath(import.meta.url)), '../../../tests/astro/data');
const firstYear = 1900;
const lastYear = 2100;
const dayMs = 86_400_000;
const j2000Ms = Date.UTC(2000, 0, 1, 12); // the zero of astronomy-engine's day counts

// "YYYY-MM-DDTHH:MM:SS" of a millisecond count, rounded to the whole second.
function isoSeconds(ms) {
    return new Date(Math.round(ms / 1000) * 1000).toISOString().slice(0, 19);
}

// Term n of a year: the Sun's apparent longitude of date reaches 285 + 15n degrees. The instant lies near
// day 5 + 15.22n of the year; a window of eight days around it holds exactly one crossing.
function termTime(year, n) {
    const target = (285 + 15 * n) % 360;
    const start = new Date(Date.UTC(year, 0, 1) + (1 + 15.22 * n) * dayMs);
    const time = Astronomy.SearchSunLongitude(target, start, 8);
    if (!time)
        throw new Error(`no crossing of ${target} degrees for ${year} term ${n}`);
    return time;
}

// utc is astronomy-engine's UT (its Espenak-Meeus 2006 delta T), tt its Terrestrial Time to the millisecond.
function termRows() {
    const rows = ['year\tn\tutc\ttt'];
    for (let year = firstYear; year <= lastYear; ++year) {
        for (let n = 0; n < 24; ++n) {
            const time = termTime(year, n);
            const tt = new Date(j2000Ms + time.tt * dayMs).toISOString().slice(0, 23);
            rows.push(`${year}\t${n}\t${isoSeconds(time.date.getTime())}Z\t${tt}`);
        }
    }
    return rows;
}

// Apparent minus mean solar time at Greenwich, in seconds: the Sun's Greenwich hour angle (apparent sidereal
// time minus its geocentric apparent right ascension of date) against UT - 12 h.
function equationOfTimeSeconds(date) {
    const time = Astronomy.MakeTime(date);
    const sunJ2000 = Astronomy.GeoVector(Astronomy.Body.Sun, time, true);
    const sunOfDate = Astronomy.RotateVector(Astronomy.Rotation_EQJ_EQD(time), sunJ2000);
    const raHours = Astronomy.EquatorFromVector(sunOfDate).ra;
    const utHours = (date.getTime() - Date.UTC(date.getUTCFullYear(), date.getUTCMonth(), date.getUTCDate())) / 3.6e6;
    let hours = Astronomy.SiderealTime(time) - raHours + 12 - utHours;
    hours -= 24 * Math.round(hours / 24);
    return hours * 3600;
}

// Noon UTC on the 1st and 15th of every month, at both ends of the calendar's range and in a recent year.
function eotRows() {
    const rows = ['utc\teot_seconds'];
    for (const year of [1900, 2024, 2100]) {
        for (let month = 0; month < 12; ++month) {
            for (const day of [1, 15]) {
                const date = new Date(Date.UTC(year, month, day, 12));
                rows.push(`${isoSeconds(date.getTime())}Z\t${equationOfTimeSeconds(date).toFixed(2)}`);
            }
        }
    }
    return rows;
}

writeFileSync(join(outDir, 'term-reference.tsv'), termRows().join('\n') + '\n');
writeFileSync(join(outDir, 'eot-reference.tsv'), eotRows().join('\n') + '\n');
