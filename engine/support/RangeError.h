#pragma once

#include <stdexcept>
#include <string>

namespace engine {

// A value outside what the calendar tables cover. The message names the value.
class RangeError : public std::out_of_range
{
public:
    explicit RangeError(const std::string& what) : std::out_of_range(what) {}
};

// Floor modulo: the result lies in [0, m) for any sign of n, so a count can always index a table.
constexpr int floorMod(long long n, int m)
{
    const long long r = n % m;
    return static_cast<int>(r < 0 ? r + m : r);
}

constexpr long long floorDiv(long long n, int m)
{
    return (n - floorMod(n, m)) / m;
}

} // namespace engine
