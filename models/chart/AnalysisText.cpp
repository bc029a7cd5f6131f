#include "models/chart/AnalysisText.h"

#include "models/chart/ChartText.h"

#include "engine/support/Utf8.h"

using namespace engine;

namespace models {
namespace {

constexpr std::string_view kRelationsLabel = "刑冲合害：";
constexpr std::string_view kNoticeLabel = "提示：";
constexpr bool isStemKind(RelationKind kind)
{
    return kind == RelationKind::stemCombine || kind == RelationKind::stemClash;
}

// The items joined by `separator`.
std::string joined(const std::vector<std::string>& items, std::string_view separator)
{
    std::string text;
    for (const auto& item : items) {
        if (!text.empty())
            text += separator;
        text += item;
    }
    return text;
}

// Rows under one label: the label on the first, its width in spaces on the others.
void appendLabelled(std::vector<std::string>& out, std::string_view label, const std::vector<std::string>& items)
{
    const std::string indent(static_cast<std::size_t>(utf8::width(label)), ' ');
    for (std::size_t i = 0; i < items.size(); ++i)
        out.push_back((i == 0 ? std::string(label) : indent) + items[i]);
}

std::string counted(std::string_view name, int count)
{
    return std::string(name) + std::to_string(count);
}

std::string elementCounts(const std::array<int, 5>& counts)
{
    std::vector<std::string> items;
    for (std::size_t e = 0; e < counts.size(); ++e)
        items.push_back(counted(elementName(static_cast<Element>(e)), counts[e]));
    return joined(items, " ");
}

std::string tenGodCounts(const std::array<int, 10>& counts)
{
    std::vector<std::string> items;
    for (std::size_t g = 0; g < counts.size(); ++g)
        items.push_back(counted(tenGodName(static_cast<int>(g)), counts[g]));
    return joined(items, " ");
}

// 木旺 火相 水休 金囚 土死: the elements in the order of their vigour.
std::string seasonText(const std::array<Vigour, 5>& season)
{
    std::vector<std::string> items;
    for (int v = 0; v < 5; ++v)
        for (std::size_t e = 0; e < season.size(); ++e)
            if (static_cast<int>(season[e]) == v)
                items.push_back(std::string(elementName(static_cast<Element>(e))).append(vigourName(season[e])));
    return joined(items, " ");
}

} // namespace

std::string relationChars(const Relation& r)
{
    std::string chars;
    for (int i = 0; i < r.count; ++i)
        chars += isStemKind(r.kind) ? stemName(r.symbols[static_cast<std::size_t>(i)])
                                    : branchName(r.symbols[static_cast<std::size_t>(i)]);
    return chars;
}

std::string relationPlaces(const Relation& r)
{
    std::vector<std::string> places;
    for (int i = 0; i < r.count; ++i)
        places.emplace_back(placeName(r.pillars[static_cast<std::size_t>(i)]));
    return joined(places, "、");
}

std::string relationText(const Relation& r)
{
    std::string item(relationName(r.kind));
    item.append(" ").append(relationChars(r)).append("（").append(relationPlaces(r)).append("）");
    if (r.element)
        item.append(" ").append(elementName(*r.element));
    return item;
}

std::vector<std::string> analysisRows(const ChartAnalysis& a)
{
    std::vector<std::string> out;
    out.push_back(std::string(kBodyPalaceLabel) + a.bodyPalace + "    胎息：" + a.breath);
    std::vector<std::string> naYin;
    for (std::size_t i = 0; i < a.naYin.size(); ++i)
        naYin.push_back(std::string(kDerivedPillars[i]).append(a.naYin[i]));
    out.push_back("纳音：" + joined(naYin, "  "));
    std::string seats = "自坐： ";
    for (const std::string_view seat : a.selfSeats)
        seats += FormatString(std::string(seat), 8);
    out.push_back(std::move(seats));
    std::vector<std::string> relations;
    for (const Relation& r : a.relations)
        relations.push_back(relationText(r));
    appendLabelled(out, kRelationsLabel, relations.empty() ? std::vector<std::string>{"无"} : relations);
    out.push_back("五行统计：" + elementCounts(a.elements.visible) + "；含藏干：" +
                  elementCounts(a.elements.withHidden));
    out.push_back("十神统计：" + tenGodCounts(a.tenGods.visible) + "；含藏干：" + tenGodCounts(a.tenGods.withHidden));
    out.push_back("月令旺衰：" + seasonText(a.season));
    std::vector<std::string> notices;
    for (const Notice& n : a.notices)
        notices.push_back(n.text);
    appendLabelled(out, kNoticeLabel, notices);
    return out;
}

} // namespace models
