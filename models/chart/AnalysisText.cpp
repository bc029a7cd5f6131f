#include "models/chart/AnalysisText.h"

#include "engine/support/Utf8.h"

#include <charconv>

using namespace engine;

namespace models {
namespace {

constexpr std::string_view kRelationsLabel = "刑冲合害：";
constexpr std::string_view kNoticeLabel = "提示：";
constexpr std::string_view kIndent = "          ";   // the width of kRelationsLabel
constexpr std::string_view kNoticeIndent = "      "; // the width of kNoticeLabel

constexpr bool isStemKind(RelationKind kind)
{
    return kind == RelationKind::stemCombine || kind == RelationKind::stemClash;
}

// Rows straight into the chart's text: a chart with its analysis is laid out in one buffer too.
struct Out
{
    std::string& text;
    std::string_view eol;

    Out& put(std::string_view piece)
    {
        text.append(piece);
        return *this;
    }
    Out& count(int n)
    {
        char digits[12];
        const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
        text.append(digits, end);
        return *this;
    }
    // A chart cell: the text made eight columns wide when narrower (a non-ASCII character counts two).
    Out& cell(std::string_view piece)
    {
        text.append(piece);
        const int width = utf8::width(piece);
        if (width < 8)
            text.append(static_cast<std::size_t>(8 - width), ' ');
        return *this;
    }
    void end() { text.append(eol); }
};

void writeRelation(Out& out, const Relation& r)
{
    out.put(relationName(r.kind)).put(" ");
    for (int i = 0; i < r.count; ++i) {
        const int symbol = r.symbols[static_cast<std::size_t>(i)];
        out.put(isStemKind(r.kind) ? stemName(symbol) : branchName(symbol));
    }
    out.put("（");
    for (int i = 0; i < r.count; ++i)
        out.put(i ? "、" : "").put(placeName(r.pillars[static_cast<std::size_t>(i)]));
    out.put("）");
    if (r.element)
        out.put(" ").put(elementName(*r.element));
}

void writeElementCounts(Out& out, const std::array<int, 5>& counts)
{
    for (std::size_t e = 0; e < counts.size(); ++e)
        out.put(e ? " " : "").put(elementName(static_cast<Element>(e))).count(counts[e]);
}

void writeTenGodCounts(Out& out, const std::array<int, 10>& counts)
{
    for (std::size_t g = 0; g < counts.size(); ++g)
        out.put(g ? " " : "").put(tenGodName(static_cast<int>(g))).count(counts[g]);
}

// 木旺 火相 水休 金囚 土死: the elements in the order of their vigour.
void writeSeason(Out& out, const std::array<Vigour, 5>& season)
{
    bool first = true;
    for (int v = 0; v < 5; ++v)
        for (std::size_t e = 0; e < season.size(); ++e)
            if (static_cast<int>(season[e]) == v) {
                out.put(first ? "" : " ").put(elementName(static_cast<Element>(e))).put(vigourName(season[e]));
                first = false;
            }
}

void writePalaces(Out& out, const ChartAnalysis& a)
{
    out.put(kBodyPalaceLabel).put(a.bodyPalace).put("    胎息：").put(a.breath).end();
    out.put("纳音：");
    for (std::size_t i = 0; i < a.naYin.size(); ++i)
        out.put(i ? "  " : "").put(kDerivedPillars[i]).put(a.naYin[i]);
    out.end();
    out.put("自坐： ");
    for (const std::string_view seat : a.selfSeats)
        out.cell(seat); // none of the stage names is wider than a cell
    out.end();
}

void writeRelations(Out& out, const std::vector<Relation>& relations)
{
    if (relations.empty())
        out.put(kRelationsLabel).put("无").end();
    for (std::size_t i = 0; i < relations.size(); ++i) {
        out.put(i ? kIndent : kRelationsLabel);
        writeRelation(out, relations[i]);
        out.end();
    }
}

} // namespace

std::string relationText(const Relation& r)
{
    std::string text;
    Out out{text, {}};
    writeRelation(out, r);
    return text;
}

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
    std::string places;
    for (int i = 0; i < r.count; ++i)
        places.append(i ? "、" : "").append(placeName(r.pillars[static_cast<std::size_t>(i)]));
    return places;
}

void writeAnalysisRows(std::string& text, const ChartAnalysis& a, std::string_view eol)
{
    Out out{text, eol};
    writePalaces(out, a);
    writeRelations(out, a.relations);
    out.put("五行统计：");
    writeElementCounts(out, a.elements.visible);
    out.put("；含藏干：");
    writeElementCounts(out, a.elements.withHidden);
    out.end();
    out.put("十神统计：");
    writeTenGodCounts(out, a.tenGods.visible);
    out.put("；含藏干：");
    writeTenGodCounts(out, a.tenGods.withHidden);
    out.end();
    out.put("月令旺衰：");
    writeSeason(out, a.season);
    out.end();
    for (std::size_t i = 0; i < a.notices.size(); ++i)
        out.put(i ? kNoticeIndent : kNoticeLabel).put(a.notices[i].text).end();
}

} // namespace models
