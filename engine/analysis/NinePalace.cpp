#include "engine/LandPP.h"

#include "engine/analysis/Analysis.h"
#include "engine/analysis/EncodedTable.h"

#include <algorithm>

using namespace engine;

namespace {

// Row: star name, '*', then the eight pairs "<male number><female number>" that fall under the star.
// clang-format off
constexpr std::array<std::string_view, 8> kJiuGongRows = {
    "生气*14,41,28,82,39,93,67,76", "天医*13,31,27,72,49,94,68,86", "延年*19,91,26,62,34,43,78,87",
    "六煞*16,61,29,92,38,83,47,74", "伏位*11,22,33,44,66,77,88,99", "祸害*17,71,23,32,46,64,89,98",
    "绝命*12,21,37,73,48,84,69,96", "五鬼*18,81,24,42,36,63,79,97",
};
// clang-format on
static_assert(kJiuGongRows.size() == 8);
static_assert(std::ranges::all_of(kJiuGongRows, [](std::string_view row) { return utf8::length(row) == 26; }));

struct Verdict
{
    std::string_view star;
    std::string_view grade;
    std::string_view text;
};

// One verdict per star of the match table. 六煞 has a full stop before its last clause where the others have a comma.
// clang-format off
constexpr std::array<Verdict, 8> kVerdicts = {{
    {"生气", "上等婚", "婚主多子多福，儿孙满堂，子孝孙贤，有福有禄，上吉之配。"},
    {"天医", "上等婚", "婚主无灾无病，一生平安，儿女和睦，无奸无盗，上吉之配。"},
    {"延年", "上等婚", "婚主长寿有福，男女和谐，积德积庆，终生安康，上吉之配。"},
    {"六煞", "中等婚", "婚主化险为夷，夫妻和顺，虽富不达，丰衣足食。寻常之配。"},
    {"伏位", "中等婚", "婚主一生平淡，有子有女，团圆和气，无惊无险，寻常之配。"},
    {"祸害", "中等婚", "婚主遇难可解，逢凶化吉，坎坷劳碌，可保小康，寻常之配。"},
    {"绝命", "下等婚", "婚主平生坎坷，生世艰辛，东离西走，家遭凶祸，大凶之配。"},
    {"五鬼", "下等婚", "婚主口舌是非，生活不宁，邻里不和，时有官司，次凶之配。"},
}};
// clang-format on
static_assert(kVerdicts.size() == kJiuGongRows.size());

// Male: (2900 - year) mod 9; female: (year - 1004) mod 9. The centre palace 5 is not used for a person.
constexpr int kMaleBase = 2900;
constexpr int kFemaleBase = 1004;
constexpr int kMaleForFive = 2;
constexpr int kFemaleForFive = 8;

// Bone weights (称骨) in 钱. Years from 辛巳 (1881) in cycle order.
// clang-format off
constexpr std::array<int, 60> kYearWeights = {
    6,  8, 7, 5,  15, 6, 16, 15, 7, 9, 12, 10, 7, 15, 6, 5, 14, 14, 9, 7, 7, 9, 12, 8,  7, 13, 5, 14, 5,  9,
    17, 5, 7, 12, 8,  8, 6,  19, 6, 8, 16, 10, 7, 12, 9, 6, 7,  12, 5, 9, 8, 7, 8,  15, 9, 16, 8, 8,  19, 12,
};
// clang-format on
constexpr int kCycleStartYear = 1881;
// Lunar month 1-12 and day 1-30; index 0 is unused. A leap month weighs as the month it repeats.
constexpr std::array<int, 13> kMonthWeights = {0, 6, 7, 18, 9, 5, 16, 9, 15, 18, 8, 9, 5};
// clang-format off
constexpr std::array<int, 31> kDayWeights = {0, 5, 10, 8, 15, 16, 15, 8, 16, 8,  16, 9, 17, 8,  17, 10,
                                             8, 9, 18, 5, 15, 10, 9,  8, 9,  15, 18, 7, 8,  16, 6};
// clang-format on
// Hour branch 子 to 亥.
constexpr std::array<int, 12> kHourWeights = {16, 6, 7, 10, 9, 16, 10, 8, 8, 9, 6, 6};

// The verse of each total from 21 to 72 钱, opening with the weight in 两 and 钱; 70 has a blank after its colon.
constexpr int kLightest = 21;
constexpr int kHeaviest = 72;
// clang-format off
constexpr std::array<std::string_view, kHeaviest - kLightest + 1> kChengGuRows = {
    "2两1：短命非业谓大凶，平生灾难事重重，凶祸频临限逆境，终世困苦事不成",
    "2两2：身寒骨冷苦伶仃，此命推来行乞人，劳劳碌碌无度日，中年打拱过平生",
    "2两3：此命推来骨轻轻，求谋做事事难成，妻儿兄弟应难许，别处他乡作散人",
    "2两4：此命推来福禄无，门庭困苦总难荣，六亲骨肉皆无靠，流到他乡作老人",
    "2两5：此命推来祖业微，门庭营度似希奇，六亲骨肉如水炭，一世勤劳自把持",
    "2两6：平生一路苦中求，独自营谋事不休，离祖出门宜早计，晚来衣禄自无忧",
    "2两7：一生做事少商量，难靠祖宗作主张，独马单枪空作去，早年晚岁总无长",
    "2两8：一生作事似飘蓬，祖宗产业在梦中，若不过房并改姓，也当移徒二三通",
    "2两9：初年运限未曾亨，纵有功名在后成，须过四旬方可上，移居改姓使为良",
    "3两：劳劳碌碌苦中求，东走西奔何日休，若能终身勤与俭，老来稍可免忧愁",
    "3两1：忙忙碌碌苦中求，何日云开见日头，难得祖基家可立，中年衣食渐无忧",
    "3两2：初年运错事难谋，渐有财源如水流，到的中年衣食旺，那时名利一齐来",
    "3两3：早年做事事难成，百计徒劳枉费心，半世自如流水去，后来运到始得金",
    "3两4：此命福气果如何，僧道门中衣禄多，离祖出家方得妙，终朝拜佛念弥陀",
    "3两5：生平福量不周全，祖业根基觉少传，营事生涯宜守旧，时来衣食胜从前",
    "3两6：不须劳碌过平生，独自成家福不轻，早有福星常照命，任君行去百般成",
    "3两7：此命般般事不成，弟兄少力自孤成，虽然祖业须微有，来的明时去的暗",
    "3两8：一生骨肉最清高，早入学门姓名标，待看年将三十六，蓝衣脱去换红袍",
    "3两9：此命少年运不通，劳劳做事尽皆空，苦心竭力成家计，到得那时在梦中",
    "4两：平生衣禄是绵长，件件心中自主张，前面风霜都受过，从来必定享安泰",
    "4两1：此命推来事不同，为人能干异凡庸，中年还有逍遥福，不比前年云未通",
    "4两2：得宽怀处且宽怀，何用双眉总不开，若使中年命运济，那时名利一齐来",
    "4两3：为人心性最聪明，做事轩昂近贵人，衣禄一生天数定，不须劳碌是丰亨",
    "4两4：来事由天莫苦求，须知福禄胜前途，当年财帛难如意，晚景欣然便不忧",
    "4两5：福中取贵格求真，明敏才华志自伸，福禄寿全家道吉，桂兰毓秀晚荣臻",
    "4两6：东西南北尽皆通，出姓移名更觉隆，衣禄无亏天数定，中年晚景一般同",
    "4两7：此命推来旺末年，妻荣子贵自怡然，平生原有滔滔福，可有财源如水流",
    "4两8：幼年运道未曾享，苦是蹉跎再不兴，兄弟六亲皆无靠，一身事业晚年成",
    "4两9：此命推来福不轻，自立自成显门庭，从来富贵人亲近，使婢差奴过一生",
    "5两：为利为名终日劳，中年福禄也多遭，老来是有财星照，不比前番目下高",
    "5两1：一世荣华事事通，不须劳碌自亨通，兄弟叔侄皆如意，家业成时福禄宏",
    "5两2：一世亨通事事能，不须劳思自然能，宗施欣然心皆好，家业丰亨自称心",
    "5两3：此格推来气象真，兴家发达在其中，一生福禄安排定，却是人间一富翁",
    "5两4：此命推来厚且清，诗书满腹看功成，丰衣足食自然稳，正是人间有福人",
    "5两5：走马扬鞭争名利，少年做事废筹论，一朝福禄源源至，富贵荣华显六亲",
    "5两6：此格推来礼仪通，一生福禄用无穷，甜酸苦辣皆尝过，财源滚滚稳且丰",
    "5两7：福禄盈盈万事全，一生荣耀显双亲，名扬威震人钦敬，处世逍遥似遇春",
    "5两8：平生福禄自然来，名利兼全福禄偕，雁塔提名为贵客，紫袍金带走金鞋",
    "5两9：细推此格妙且清，必定才高礼仪通，甲第之中应有分，扬鞭走马显威荣",
    "6两：一朝金榜快提名，显祖荣宗立大功，衣食定然原欲足，田园财帛更丰盈",
    "6两1：不做朝中金榜客，定为世上一财翁，聪明天赋经书熟，名显高克自是荣",
    "6两2：此名生来福不穷，读书必定显亲荣，紫衣金带为卿相，富贵荣华皆可同",
    "6两3：命主为官福禄长，得来富贵定非常，名题金塔传金榜，定中高科天下扬",
    "6两4：此格权威不可当，紫袍金带坐高堂，荣华富贵谁能及，积玉堆金满储仓",
    "6两5：细推此命福不轻，安国安邦极品人，文绣雕梁政富贵，威声照耀四方闻",
    "6两6：此格人间一福人，堆金积玉满堂春，从来富贵由天定，正笏垂绅谒圣君",
    "6两7：此名生来福自宏，田园家业最高隆，平生衣禄丰盈足，一世荣华万事通",
    "6两8：富贵由天莫苦求，万金家计不须谋，十年不比前番事，祖业根基水上舟",
    "6两9：君是人间衣禄星，一生福贵众人钦，纵然福禄由天定，安享荣华过一生",
    "7两： 此命推来福不轻，不须愁虑苦劳心，一生天定衣与禄，富贵荣华过一生",
    "7两1：此名生来大不同，公侯卿相在其中，一生自有逍遥福，富贵荣华极品隆",
    "7两2：此格世界罕有生，十代积善产此人，天上紫微来照命，统治万民乐太平",
};
// clang-format on
static_assert(kChengGuRows.size() == 52);
static_assert(utf8::left(kChengGuRows.front(), 3) == "2两1" && utf8::left(kChengGuRows.back(), 3) == "7两2");

// Personality texts by digit: a character sketch, then youth, middle age and old age.
// clang-format off
constexpr std::array<std::string_view, 10> kShenFenZhengRows = {
    "天资聪明伶俐，心思细密，反应敏捷，学习新的事物往往一点就通。"
    "待人真诚有礼，言谈风趣，颇得长辈赏识与朋友信赖。"
    "唯个性略显好强，遇事宜多听他人意见，切忌自恃聪明而轻率行事。"
    "少年时期读书顺遂，成绩出众，常受师长器重，亦为父母所骄傲。"
    "中年事业渐入佳境，凭借才智与勤勉，可望独当一面，财源稳定，家庭和乐。"
    "晚年福寿双全，子孙孝顺，生活安适，平日读书会友，安享清闲之福。",
    "个性忠厚老实，为人正直，重情重义，做事脚踏实地，从不投机取巧。"
    "对朋友推心置腹，对家人更是体贴入微，是众人眼中值得托付大事的可靠之人。"
    "虽不善言辞，有时略显固执，但凡答应之事必尽心完成，因而日久见人心，信誉极佳。"
    "少年时期家境平平，需靠自身努力求学，虽辛苦却磨练出坚韧意志，为日后打下根基。"
    "中年以后贵人渐多，事业稳步上升，积蓄日渐丰厚，家庭和睦美满。"
    "晚年衣食无忧，儿女孝顺，身体康健，含饴弄孙，安享天伦之乐。",
    "婚姻运势多有波折，感情路上易有起伏，宜以诚相待、互相体谅，方能白头偕老、长长久久。"
    "为人热情大方，心地善良，富有同情心，乐于为亲友排忧解难，令人倍感温馨。"
    "处事灵活，点子多，然有时优柔寡断，遇重大抉择宜多加思量，不可意气用事。"
    "少年时期聪颖好动，兴趣广泛，但读书需专心，切莫三心二意。"
    "中年时事业有成，多得朋友相助，财运亨通，惟感情与家庭须多用心经营，晚婚者较为美满。"
    "晚年心境开阔，生活安稳，夫妻相伴，儿孙绕膝，福泽绵长。",
    "虽然性情较为奇变巧诈，令人一时难以捉摸，实则机智过人，心存善念，懂得审时度势、随机应变。"
    "口才出众，善于与人交际，在人群中常能左右逢源，遇事总有对策。"
    "若能以真诚待人，收敛锋芒，多行善事，必能赢得众人敬重。"
    "少年时期思维活跃，好奇心强，读书不喜死记硬背，却常有独到见解，每令师长刮目相看。"
    "中年眼光敏锐，适合经商或从事策划之业，财运几经起伏之后渐趋稳定。"
    "晚年阅历丰富，处世圆融，家业兴旺，儿孙孝顺，生活安乐，无忧无虑。",
    "个性温柔慈悲，心地纯良，待人宽厚，凡事为人着想，见他人有难总会伸出援手，是亲友心中最贴心可靠之人。"
    "性情平和，不喜争执，遇事能忍让包容，因而人缘极好，处处受人欢迎。"
    "唯心肠过软，有时不好意思拒绝他人，宜学会量力而行。"
    "少年时期乖巧懂事，深得父母疼爱，学业平稳，循序渐进，少有波折。"
    "中年多得贵人提携，事业稳健，宜从事教育、医护或服务之业，积善之家必有余庆。"
    "晚年福报深厚，家庭温馨，子女孝顺，身心安泰，常与老友相聚，颐养天年。",
    "个性忠厚老实，为人稳重踏实，言行一致，待人诚恳，从不搬弄是非，深受长辈与同侪信任。"
    "责任心极强，凡事亲力亲为，从不推诿，虽不善表现自己，却是团队中不可缺少的中坚力量。"
    "偶有保守之处，面对新的机会时宜多一分勇气，莫让良机白白错过。"
    "少年时期朴实勤奋，读书用功，虽非一鸣惊人，却能稳扎稳打，步步向前。"
    "中年凭借多年积累，事业稳中有升，收入丰足，家庭和顺，夫妻相敬如宾，儿女乖巧懂事。"
    "晚年德高望重，受人尊敬，子孙满堂，安享清福，福寿绵长，为乡里所称道。",
    "个性开朗亲切、乐于助人，笑容常挂在脸上，走到哪里都能带来欢乐，朋友遍布五湖四海。"
    "心胸宽广，不计小节，待人热诚，因而常有贵人相助，逢难亦能化险为夷。"
    "做事有干劲，惟有时过于热心，容易揽事上身，宜分清轻重缓急。"
    "少年时期活泼好学，人缘极佳，常担任团体中的重要角色，深受同学爱戴。"
    "中年事业顺利，适合与人合作或从事公关、营销之业，财源广进，积蓄丰厚，家庭美满幸福。"
    "晚年生活丰足，亲友往来频繁，儿女孝顺，心情愉快，安享晚福。",
    "个性多变，兴趣广泛，思想新颖，富有创意，常能想出别人想不到的好主意，令人眼前一亮。"
    "感受敏锐，情感丰富，喜欢自由自在的生活，不愿受太多拘束。"
    "有时情绪起伏较大，做事易有始无终，宜培养恒心与耐性，方能成就大事。"
    "少年时期聪明活泼，多才多艺，但学业时好时坏，须有良师益友引导。"
    "中年阅历渐丰，心性趋于稳定，若能专注一业，必有所成，财运亦随之而来。"
    "晚年心境平和，生活安逸舒适，家庭和乐，儿孙常伴，自得其乐。",
    "天生资质灵敏，悟性极高，观察入微，做事有条不紊，能从细微之处发现关键所在。"
    "为人谦和，不喜张扬，却自有一股令人信服的气度，众人皆乐于追随。"
    "志向远大，肯下苦功，惟有时思虑过多，宜适度放松身心。"
    "少年时期学业优异，常得师长称赞，易于崭露头角，前途可期。"
    "中年事业有成，步步高升，名利双收，可在专业领域中独树一帜，家庭亦美满幸福。"
    "晚年德望俱隆，受人敬仰，儿孙有成，生活富足安康，福寿绵长。",
    "个性急进，行动力强，做事干脆利落，说到做到，最不喜拖泥带水。"
    "富有冒险精神，敢为人先，遇到困难也不轻言放弃，越挫越勇。"
    "为人豪爽直率，讲义气，朋友遍天下，惟性子稍急，言语偶有冲动，宜三思而后行。"
    "少年时期精力充沛，活泼好动，好胜心强，学业与运动皆有出色表现，但须防急躁误事。"
    "中年是奋斗收获之时，事业开拓有成，适合创业或担任领导之职，财运亨通，积蓄丰厚。"
    "晚年性情渐趋温和，家业稳固，子女成器，生活安乐富足，深受晚辈敬爱。",
};
// clang-format on
static_assert(kShenFenZhengRows.size() == 10);

template <std::size_t N> int weightAt(const std::array<int, N>& weights, int index, const char* what)
{
    if (index < 0 || index >= static_cast<int>(N))
        throw RangeError(std::string("no bone weight for ") + what + " " + std::to_string(index));
    return weights[static_cast<std::size_t>(index)];
}

} // namespace

namespace engine {

int ninePalaceNumber(int year, int sex)
{
    int r = 0;
    if (sex == 1) {
        r = floorMod(kMaleBase - static_cast<long long>(year), 9); // [0, 8]
        if (r == 5)
            r = kMaleForFive;
    } else {
        r = floorMod(static_cast<long long>(year) - kFemaleBase, 9); // [0, 8]
        if (r == 5)
            r = kFemaleForFive;
    }
    return r == 0 ? 9 : r;
}

std::string_view marriageStar(int male, int female)
{
    const std::string key = std::to_string(male) + std::to_string(female);
    return utf8::left(tables::findRowContaining(kJiuGongRows, key), 2);
}

std::string marriageVerdict(int manYear, int womanYear)
{
    const std::string_view star = marriageStar(ninePalaceNumber(manYear, 1), ninePalaceNumber(womanYear, 0));
    const auto verdict = std::ranges::find(kVerdicts, star, &Verdict::star);
    if (star.empty() || verdict == kVerdicts.end())
        return ":";
    return std::string(verdict->grade) + ":" + std::string(star) + std::string(verdict->text);
}

int boneWeight(const NongLiDate& date, int hour)
{
    return kYearWeights[floorMod(date.Year - kCycleStartYear, 60)] + // [0, 59]
           weightAt(kMonthWeights, date.Month, "lunar month") + weightAt(kDayWeights, date.Day, "lunar day") +
           kHourWeights[hourBranch(hour)];
}

std::string_view boneWeightVerse(int qian)
{
    return kChengGuRows[std::clamp(qian, kLightest, kHeaviest) - kLightest]; // [0, 51]
}

std::string_view personalityText(std::string_view digits)
{
    if (digits.empty())
        return {};
    // The first digit the string lacks chooses the text; a string with all ten takes the first.
    for (char d = '0'; d <= '9'; ++d) {
        if (digits.find(d) == std::string_view::npos)
            return kShenFenZhengRows[static_cast<std::size_t>(d - '0')];
    }
    return kShenFenZhengRows[0];
}

} // namespace engine

std::int16_t LandPP::JiuGongDuShu(std::int16_t sYear, std::int16_t iSex) const
{
    return static_cast<std::int16_t>(ninePalaceNumber(sYear, iSex));
}

std::string LandPP::JiuGongHun(std::int16_t iGong1, std::int16_t iGong2) const
{
    return std::string(marriageStar(iGong1, iGong2));
}

std::string LandPP::LvCai(std::string& sTime1, std::string& sTime2) const
{
    const int manYear = GetNongLiDate(sTime1).Year;
    return marriageVerdict(manYear, GetNongLiDate(sTime2).Year);
}

std::string LandPP::ChengGu(std::string& sTime) const
{
    const NongLiDate date = GetNongLiDate(sTime);
    const auto t = readTime(sTime); // readable now: GetNongLiDate puts today's date in place of a bad text
    return std::string(boneWeightVerse(boneWeight(date, t ? toCivil(*t).hour : 0)));
}

std::string LandPP::ShenFenZheng(const std::string& sNum) const
{
    return std::string(personalityText(sNum));
}
