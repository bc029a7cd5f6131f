#pragma once

#include <array>
#include <string>
#include <string_view>

// Answers keyed by two stems or branches, worked out once from the tables at first use: a chart asks the same few
// questions of the encoded rows dozens of times. The rows stay the only source; a text that is not exactly one stem
// or branch is searched as before.
namespace engine::memo {

inline constexpr int kSymbols = 22; // the ten stems, then the twelve branches

// 0-9 for a stem, 10-21 for a branch, -1 for any other text.
int symbolIndex(std::string_view text);
std::string_view symbolName(int index); // index in [0, 21]

// The answers of `search(a, b)` for every pair of symbols.
template <class Result> class PairMemo
{
public:
    template <class Search> explicit PairMemo(Search search)
    {
        for (int a = 0; a < kSymbols; ++a) {
            for (int b = 0; b < kSymbols; ++b)
                m_answers[a][b] = Result(search(symbolName(a), symbolName(b)));
        }
    }

    // The stored answer, or nothing when either text is no single stem or branch.
    const Result* find(std::string_view a, std::string_view b) const
    {
        const int i = symbolIndex(a);
        const int j = i < 0 ? -1 : symbolIndex(b);
        return j < 0 ? nullptr : &m_answers[i][j];
    }

private:
    std::array<std::array<Result, kSymbols>, kSymbols> m_answers;
};

// search(a, b), from a table built at first use when both texts are single stems or branches.
template <class Result, auto Search> Result memoized(std::string_view a, std::string_view b)
{
    static const PairMemo<Result> answers(Search);
    const Result* known = answers.find(a, b);
    return known ? *known : Result(Search(a, b));
}

// search(ganZhi) for a GanZhi text, memoized on its stem and branch.
template <class Result, auto Search> Result memoizedGanZhi(std::string_view ganZhi)
{
    constexpr std::size_t kCharBytes = 3; // every stem and branch is one three-byte character
    if (ganZhi.size() != 2 * kCharBytes)
        return Result(Search(ganZhi));
    constexpr auto joined = [](std::string_view stem, std::string_view branch) {
        std::string text(stem);
        text += branch;
        return Search(text);
    };
    static const PairMemo<Result> answers(joined);
    const Result* known = answers.find(ganZhi.substr(0, kCharBytes), ganZhi.substr(kCharBytes));
    return known ? *known : Result(Search(ganZhi));
}

} // namespace engine::memo
