#include "models/records/TextCodec.h"

#include "engine/support/Utf8.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace models {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

#ifdef _WIN32
// Windows knows GB18030 as code page 54936; invalid bytes fail the conversion rather than become U+FFFD.
std::optional<std::string> fromGb18030(std::string_view bytes)
{
    // Wine lacks 54936: its two-byte part, code page 936, then decodes what the Chinese Windows code page writes.
    const UINT kGb18030 = IsValidCodePage(54936) ? 54936 : 936;
    const int size = static_cast<int>(bytes.size());
    const int units = MultiByteToWideChar(kGb18030, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
    if (units <= 0)
        return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(units), L'\0');
    MultiByteToWideChar(kGb18030, MB_ERR_INVALID_CHARS, bytes.data(), size, wide.data(), units);
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, out.data(), length, nullptr, nullptr);
    return out;
}
#else
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
#endif

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
