#include "engine/analysis/Analysis.h"

#include <gtest/gtest.h>

namespace {

using engine::Element;

// The element of every stem and branch, as any almanac's table of 五行 gives them.
TEST(Elements, EveryStemAndBranch)
{
    struct Case
    {
        const char* glyph;
        Element element;
    };
    const Case cases[] = {
        {"甲", Element::wood},  {"乙", Element::wood},  {"丙", Element::fire},  {"丁", Element::fire},
        {"戊", Element::earth}, {"己", Element::earth}, {"庚", Element::metal}, {"辛", Element::metal},
        {"壬", Element::water}, {"癸", Element::water}, {"子", Element::water}, {"丑", Element::earth},
        {"寅", Element::wood},  {"卯", Element::wood},  {"辰", Element::earth}, {"巳", Element::fire},
        {"午", Element::fire},  {"未", Element::earth}, {"申", Element::metal}, {"酉", Element::metal},
        {"戌", Element::earth}, {"亥", Element::water},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.glyph);
        EXPECT_EQ(engine::elementOf(c.glyph), c.element);
    }
    EXPECT_EQ(engine::elementName(Element::earth), "土");
    EXPECT_EQ(engine::elementName(Element::water), "水");
}

TEST(Elements, NothingForOtherTexts)
{
    for (const char* text : {"", "甲子", "木", "*", "\xe7\x94", "甲乙"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(engine::elementOf(text));
    }
}

} // namespace
