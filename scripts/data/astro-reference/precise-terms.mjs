// Writes tests/astro/data/term-precise.tsv: a sample of term instants in TT from the Swiss Ephemeris (Debian's
// swetest with swe-basic-data, a compression of JPL DE431 good to 0.001"), which checks the library far more
// tightly than astronomy-engine's truncated series allow. astronomy-engine only seeds the search.
// Usage: apt-get install swetest swe-basic-data && npm ci && node precise-terms.mjs
import { execFileSync } from 'node:child_process';
import { writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import * as Astronomy from 'astronomy-engine';

const outFile = join(dirname(fileURLToPath(import.meta.url)), '../../../tests/astro/data/term-precise.tsv');
const ephemerisDir = '/usr/share/libswe/ephe';
const j2000 = 2451545.0;
const dayMs = 86_400_000;

// Both ends of the supported years, both ends of the calendar's range, and years in between.
const years = [1800, 1850, 1899, 1900, 1950, 1984, 2000, 2024, 2050, 2100, 2101, 2150, 2200];
// 小寒, 立春, 春分, 夏至, 秋分, 冬至: the Sun near perihelion, at both equinoxes and both solstices.
const terms = [0, 2, 5, 11, 17, 23];

// The Sun's apparent geocentric longitude of date and its speed, in degrees and degrees per day, at a TT Julian day.
function sun(jdTt) {
    const out = execFileSync('swetest', [`-edir${ephemerisDir}`, `-bj${jdTt.toFixed(10)}`, '-p0', '-fls', '-head', '-eswe']);
    const [longitude, speed] = out.toString().trim().split(/\s+/).map(Number);
    return { longitude, speed };
}

// Newton's method from astronomy-engine's instant, to a millisecond.
function termJdTt(year, n) {
    const target = (285 + 15 * n) % 360;
    const seed = Astronomy.SearchSunLongitude(target, new Date(Date.UTC(year, 0, 1) + (1 + 15.22 * n) * dayMs), 8);
    let jd = j2000 + seed.tt;
    for (let i = 0; i < 10; ++i) {
        const { longitude, speed } = sun(jd);
        const step = ((((target - longitude) % 360) + 540) % 360 - 180) / speed;
        jd += step;
        if (Math.abs(step) < 1e-8)
            return jd;
    }
    throw new Error(`no convergence for ${year} term ${n}`);
}

const rows = ['year\tn\ttt'];
for (const year of years) {
    for (const n of terms) {
        const jd = termJdTt(year, n);
        const tt = new Date(Date.UTC(2000, 0, 1, 12) + (jd - j2000) * dayMs).toISOString().slice(0, 23);
        rows.push(`${year}\t${n}\t${tt}`);
    }
}
writeFileSync(outFile, rows.join('\n') + '\n');
