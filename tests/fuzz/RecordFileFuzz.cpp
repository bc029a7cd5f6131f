// The record-file reader and the name guard. A file that reads is written again by composeRecord and reads back to
// the same record (one blank line more at the end of the chart and of the remark, which composeRecord adds). A name
// the guard accepts stays one name inside its folder: no separator, never "." or "..", nothing a file system refuses.
#include "models/records/NameGuard.h"
#include "models/records/RecordFile.h"
#include "tests/fuzz/FuzzSupport.h"

#include <filesystem>

namespace {

constexpr std::string_view kCrLf = "\r\n";

bool linesEndWithCrLf(std::string_view text)
{
    return text.empty() || text.ends_with(kCrLf);
}

void checkRecord(std::string_view text)
{
    const auto record = models::parseRecord(text);
    if (!record)
        return;
    fuzz::check(linesEndWithCrLf(record->chart) && linesEndWithCrLf(record->remark), "every line ends with CR LF");
    if (engine::utf8::isValid(text)) {
        fuzz::checkUtf8(record->chart, "UTF-8 in, UTF-8 chart out");
        fuzz::checkUtf8(record->remark, "UTF-8 in, UTF-8 remark out");
        fuzz::checkUtf8(record->sex, "UTF-8 in, UTF-8 sex out");
    }
    const auto again = models::parseRecord(models::composeRecord(record->chart, record->remark));
    fuzz::check(again.has_value(), "a record read can be written and read again");
    fuzz::check(again->chart == record->chart + std::string(kCrLf), "the chart survives writing");
    fuzz::check(again->remark == record->remark + std::string(kCrLf), "the remark survives writing");
    fuzz::check(again->sex == record->sex && again->birth == record->birth, "sex and birth survive writing");
}

void checkName(std::string_view name, std::string_view extension)
{
    if (models::nameProblem(name, extension))
        return;
    fuzz::check(name != "." && name != "..", "an accepted name is no path step");
    fuzz::check(name.find_first_of("/\\") == std::string_view::npos, "an accepted name holds no separator");
    fuzz::checkUtf8(name, "an accepted name is UTF-8");
    fuzz::check(name.size() + extension.size() <= 255, "an accepted name fits a file system");
    const std::filesystem::path path = std::string(name) + std::string(extension);
    fuzz::check(!path.has_parent_path() && path.filename() == path, "an accepted name is one path component");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text = fuzz::asText(data, size);
    checkRecord(text);
    checkName(text, {});
    checkName(text, models::kRecordExtension);
    return 0;
}
