#pragma once

#include <optional>
#include <string>
#include <string_view>

// The text of a stored file as UTF-8, without Qt: the tool reads the records the window writes.
namespace models {

// The bytes as UTF-8 text: UTF-8 as it is (a leading byte-order mark dropped), else GB18030, the encoding the
// window writes. Nothing when the bytes are neither.
std::optional<std::string> decodeStoredText(std::string_view bytes);

} // namespace models
