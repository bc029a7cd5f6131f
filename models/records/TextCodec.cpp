#include "models/records/TextCodec.h"

#include "engine/support/Utf8.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unicode/ucnv.h>
#endif

#include <climits>
#include <optional>

namespace models {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

constexpr bool within(unsigned char b, unsigned char low, unsigned char high)
{
    return b >= low && b <= high;
}

// GB18030's byte forms: an ASCII byte alone; a lead byte 81-FE, then a trail byte 40-7E or 80-FE (two bytes), or a
// digit 30-39, a byte 81-FE and a digit again (four bytes). The length of the form at the front of the non-empty
// bytes, 0 when none fits.
constexpr std::size_t formLength(std::string_view bytes)
{
    const auto at = [bytes](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    if (at(0) < 0x80)
        return 1;
    if (!within(at(0), 0x81, 0xFE) || bytes.size() < 2)
        return 0;
    if (within(at(1), 0x40, 0x7E) || within(at(1), 0x80, 0xFE))
        return 2;
    if (bytes.size() >= 4 && within(at(1), 0x30, 0x39) && within(at(2), 0x81, 0xFE) && within(at(3), 0x30, 0x39))
        return 4;
    return 0;
}

#ifdef _WIN32
// Windows knows GB18030 as code page 54936. Wine lacks it: its two-byte part, code page 936, then decodes what the
// Chinese Windows code page writes, and four-byte forms become U+FFFD.
class Gb18030
{
public:
    // The UTF-8 of whole forms; nothing when the code page cannot map one of them.
    std::optional<std::string> toUtf8(std::string_view bytes) const
    {
        if (bytes.empty())
            return std::string();
        if (bytes.size() > INT_MAX / 2) // the caller splits it
            return std::nullopt;
        const int size = static_cast<int>(bytes.size());
        const int units = MultiByteToWideChar(m_codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
        if (units <= 0)
            return std::nullopt;
        std::wstring wide(static_cast<std::size_t>(units), L'\0');
        MultiByteToWideChar(m_codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, wide.data(), units);
        const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
        std::string out(static_cast<std::size_t>(length), '\0');
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, out.data(), length, nullptr, nullptr);
        return out;
    }

private:
    UINT m_codePage = IsValidCodePage(54936) ? 54936 : 936;
};
#else
// ICU's GB18030 is the one Qt encodes with when the window writes a record, so every character written reads back
// as itself; glibc's iconv maps a few dozen codes differently.
class Gb18030
{
public:
    Gb18030()
    {
        UErrorCode error = U_ZERO_ERROR;
        m_converter = ucnv_open("GB18030", &error);
        if (U_FAILURE(error))
            m_converter = nullptr;
        else // a sequence it cannot map ends the conversion, so that this decoder decides what replaces it
            ucnv_setToUCallBack(m_converter, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &error);
    }
    ~Gb18030()
    {
        if (m_converter)
            ucnv_close(m_converter);
    }
    Gb18030(const Gb18030&) = delete;
    Gb18030& operator=(const Gb18030&) = delete;

    // The UTF-8 of whole forms; nothing when ICU cannot map one of them.
    std::optional<std::string> toUtf8(std::string_view bytes) const
    {
        if (!m_converter || bytes.size() > INT32_MAX / 2) // too long: the caller splits it
            return std::nullopt;
        std::string out(bytes.size() * 2, '\0'); // a form grows to at most 3 bytes of UTF-8 from 2, 4 from 4
        UErrorCode error = U_ZERO_ERROR;
        const int32_t length = ucnv_toAlgorithmic(UCNV_UTF8, m_converter, out.data(), static_cast<int32_t>(out.size()),
                                                  bytes.data(), static_cast<int32_t>(bytes.size()), &error);
        if (U_FAILURE(error))
            return std::nullopt;
        out.resize(static_cast<std::size_t>(length));
        return out;
    }

private:
    UConverter* m_converter = nullptr;
};
#endif

void appendReplacement(DecodedText& out)
{
    out.text += kReplacementCharacter;
    ++out.replaced;
}

// The last form boundary inside the run at or before its middle, or its first boundary: both halves are non-empty.
std::size_t middleBoundary(std::string_view run)
{
    std::size_t middle = formLength(run);
    for (std::size_t next = middle; next < run.size() && next <= run.size() / 2;) {
        middle = next;
        next += formLength(run.substr(next));
    }
    return middle;
}

// Appends the text of a run of whole forms. The run is converted at once; only when that fails is
// it halved at a form boundary, so a few bad forms in a large file cost a few conversions each.
void appendForms(const Gb18030& gb18030, std::string_view run, DecodedText& out)
{
    if (run.empty())
        return;
    if (auto text = gb18030.toUtf8(run)) {
        out.text += *text;
        return;
    }
    if (formLength(run) < run.size()) {
        const std::size_t middle = middleBoundary(run);
        appendForms(gb18030, run.substr(0, middle), out);
        appendForms(gb18030, run.substr(middle), out);
    } else if (run.size() == 1) { // ASCII is itself, even where no converter is at hand
        out.text += run;
    } else {
        appendReplacement(out);
    }
}

DecodedText fromGb18030(std::string_view bytes)
{
    const Gb18030 gb18030;
    DecodedText out;
    out.text.reserve(bytes.size() + bytes.size() / 2);
    std::size_t start = 0; // of the run of whole forms not yet converted
    for (std::size_t i = 0; i < bytes.size();) {
        if (const std::size_t length = formLength(bytes.substr(i))) {
            i += length;
            continue;
        }
        appendForms(gb18030, bytes.substr(start, i - start), out);
        appendReplacement(out); // the byte that starts no form
        start = ++i;
    }
    appendForms(gb18030, bytes.substr(start), out);
    return out;
}

} // namespace

DecodedText decodeStoredText(std::string_view bytes)
{
    if (bytes.starts_with(kByteOrderMark))
        bytes.remove_prefix(kByteOrderMark.size());
    if (engine::utf8::isValid(bytes))
        return {std::string(bytes), 0};
    return fromGb18030(bytes);
}

} // namespace models
