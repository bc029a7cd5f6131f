#include "models/records/TextCodec.h"

#include "engine/support/Utf8.h"

#include <cerrno>
#include <iconv.h>

namespace models {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// glibc's iconv knows GB18030; a descriptor per call keeps the function free of shared state.
std::optional<std::string> fromGb18030(std::string_view bytes)
{
    const iconv_t cd = iconv_open("UTF-8", "GB18030");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::string out(bytes.size() * 2 + 16, '\0'); // a GB18030 character never grows beyond twice in UTF-8
    char* in = const_cast<char*>(bytes.data());   // iconv's signature; the input is not written
    std::size_t inLeft = bytes.size();
    char* to = out.data();
    std::size_t toLeft = out.size();
    const std::size_t done = iconv(cd, &in, &inLeft, &to, &toLeft);
    iconv_close(cd);
    if (done == static_cast<std::size_t>(-1) || inLeft != 0)
        return std::nullopt; // an invalid or cut-off sequence: not GB18030
    out.resize(out.size() - toLeft);
    return out;
}

} // namespace

std::optional<std::string> decodeStoredText(std::string_view bytes)
{
    if (bytes.starts_with(kByteOrderMark))
        bytes.remove_prefix(kByteOrderMark.size());
    if (engine::utf8::isValid(bytes))
        return std::string(bytes);
    return fromGb18030(bytes);
}

} // namespace models
