#include "models/solartime/CityTable.h"

#include "engine/support/Utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Every place of the mean-solar-time table, in printed order: name, longitude and the difference from zone time.
namespace {

constexpr bool kMended = true;

struct Place
{
    const char* name;
    const char* longitude;
    const char* difference;
    bool mended = false; // a printed line whose longitude or difference is corrected
};

// clang-format off
const Place kPlaces[] = {
    {"台北", "121度31分", "+6分04秒"},
    {"太原", "112度33分", "-29分48秒"},
    {"石家庄", "114度26分", "-22分16秒"},
    {"保定", "115度28分", "-18分08秒"},
    {"鞍山", "123度00分", "+12分00秒"},
    {"吉林", "126度36分", "+26分24秒"},
    {"上海", "121度26分", "+5分44秒"},
    {"徐州", "117度12分", "-11分12秒"},
    {"济南", "117度02分", "-11分52秒"},
    {"杭州", "120度10分", "+0分40秒"},
    {"温州", "120度38分", "+2分32秒"},
    {"福州", "119度19分", "-2分44秒"},
    {"湘潭", "112度51分", "-28分36秒"},
    {"监利", "112度53分", "-28分28秒"},
    {"新乡", "113度54分", "-24分24秒"},
    {"广州", "113度18分", "-26分48秒"},
    {"汕头", "116度40分", "-13分20秒", kMended}, // the printed table has 16度40分; the difference is that of 116度40分
    {"南宁", "108度21分", "-46分36秒"},
    {"贵阳", "106度43分", "-53分08秒"},
    {"万县", "108度22分", "-46分32秒"},
    {"西安", "108度55分", "-44分20秒"},
    {"酒泉", "98度30分", "-86分00秒"},
    {"乌鲁木齐", "87度36分", "-129分36秒"},
    {"拉萨", "91度02分", "-115分52秒"},
    {"贡嘎", "90度58分", "-116分08秒"},
    {"呼和浩特", "111度38分", "-33分28秒"},
    {"临汾", "111度31分", "-33分56秒"},
    {"唐山", "118度09分", "-7分24秒"},
    {"张家口", "114度55分", "-20分20秒"},
    {"锦州", "123度09分", "+12分36秒"},
    {"哈尔滨", "126度38分", "+26分32秒"},
    {"南京", "118度46分", "-4分56秒"},
    {"合肥", "117度16分", "-10分56秒"},
    {"烟台", "121度22分", "+5分28秒"},
    {"绍兴", "120度40分", "+2分40秒"},
    {"南昌", "115度53分", "-16分28秒"},
    {"厦门", "118度04分", "-7分44秒"},
    {"常德", "111度39分", "-33分24秒"},
    {"沙市", "112度17分", "-30分52秒"},
    {"许昌", "113度48分", "-24分48秒"},
    {"珠海", "113度18分", "-26分48秒"},
    {"深圳", "113度33分", "-25分48秒"},
    {"桂林", "110度10分", "-39分20秒"},
    {"遵义", "106度53分", "-52分28秒"},
    {"内江", "105度03分", "-59分48秒"},
    {"延安", "109度26分", "-42分16秒"},
    {"天水", "105度33分", "-57分48秒"},
    {"克拉玛依", "84度51分", "-140分36秒"},
    {"达孜", "91度23分", "-114分28秒"},
    {"林周", "91度17分", "-114分52秒"},
    {"包头", "110度00分", "-40分00秒"},
    {"大同", "113度13分", "-27分08秒"},
    {"秦皇岛", "119度37分", "-1分32秒"},
    {"北京", "116度28分", "-14分08秒"},
    {"大连", "121度38分", "+6分32秒"},
    {"牡丹江", "129度36分", "+38分24秒"},
    {"无锡", "120度18分", "+1分12秒"},
    {"芜湖", "118度20分", "-6分40秒"},
    {"青岛", "120度19分", "+1分16秒"},
    {"宁波", "121度34分", "+6分16秒"},
    {"九江", "115度59分", "-16分04秒"},
    {"泉州", "118度37分", "-5分32秒"},
    {"衡阳", "112度34分", "-29分44秒"},
    {"宜昌", "111度15分", "-35分00秒"},
    {"洛阳", "112度26分", "-30分16秒"},
    {"澳门", "113度18分", "-26分48秒"},
    {"香港", "113度33分", "-25分48秒"},
    {"梧州", "111度18分", "-34分48秒"},
    {"成都", "104度10分", "-63分20秒", kMended}, // 4 x (104度10分 - 120度) = -63分20秒; the printed table has -63分06秒
    {"泸州", "105度27分", "-58分12秒"},
    {"宝鸡", "107度09分", "-51分24秒"},
    {"银川", "106度13分", "-55分08秒"},
    {"哈密", "93度29分", "-106分04秒"},
    {"林芝", "94度28分", "-102分08秒"},
    {"那曲", "92度03分", "-111分48秒"},
    {"海拉尔", "119度43分", "-1分08秒"},
    {"长治", "113度13分", "-27分08秒"},
    {"承德", "117度52分", "-8分32秒"},
    {"沈阳", "123度23分", "+13分32秒"},
    {"长春", "125度18分", "+21分12秒"},
    {"齐齐哈尔", "123度55分", "+15分40秒"},
    {"苏州", "120度39分", "+2分36秒"},
    {"安庆", "117度02分", "-11分52秒"},
    {"天津", "117度10分", "-11分20秒"},
    {"金华", "119度49分", "-0分44秒", kMended}, // west of 120度, so behind zone time; the printed table has +0分44秒
    {"赣州", "114度56分", "-20分16秒"},
    {"长沙", "112度55分", "-28分20秒"},
    {"武汉", "114度20分", "-22分40秒"},
    {"郑州", "113度42分", "-25分12秒"},
    {"开封", "114度23分", "-22分28秒"},
    {"韶关", "113度33分", "-25分48秒"},
    {"海口", "110度19分", "-38分44秒"},
    {"柳州", "109度19分", "-42分44秒"},
    {"重庆", "106度33分", "-53分48秒"},
    {"昆明", "102度42分", "-69分12秒"},
    {"兰州", "103度50分", "-64分40秒"},
    {"西宁", "101度49分", "-72分44秒"},
    {"和田", "79度55分", "-160分20秒"},
    {"曲水", "90度44分", "-117分04秒"},
};
// clang-format on
static_assert(std::size(kPlaces) == 99);

// The longitude starts at display column 9 and the difference at column 20.
std::string placeLine(const Place& p)
{
    std::string line = p.name;
    line.append(static_cast<std::size_t>(9 - engine::utf8::width(line)), ' ');
    line += p.longitude;
    line.append(static_cast<std::size_t>(20 - engine::utf8::width(line)), ' ');
    return line + p.difference;
}

// The window's text split at CR LF.
std::vector<std::string> shownLines()
{
    const std::string text = models::cityTableText();
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

void expectPlaces(bool mended)
{
    const std::vector<std::string> lines = shownLines();
    ASSERT_EQ(lines.size(), std::size(kPlaces) + 1);
    EXPECT_EQ(lines[0], "地区     经度       时差");
    for (std::size_t i = 0; i < std::size(kPlaces); ++i) {
        if (kPlaces[i].mended != mended)
            continue;
        SCOPED_TRACE(std::to_string(i + 1) + " " + kPlaces[i].name);
        EXPECT_EQ(lines[i + 1], placeLine(kPlaces[i]));
    }
}

TEST(CityTable, EveryPlaceInPrintedOrder)
{
    expectPlaces(false);
}

// The three lines whose longitude or difference is corrected: each difference is now 4 minutes per degree east of
// 120度.
TEST(CityTable, MendedRowsFollowTheirLongitude)
{
    expectPlaces(true);
}

} // namespace
