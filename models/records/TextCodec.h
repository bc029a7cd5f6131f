#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The text of a stored file as UTF-8, without Qt: the window's store and the tool read every record file through
// this one decoder, so both show a file alike.
namespace models {

inline constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD"; // U+FFFD in UTF-8

struct DecodedText
{
    std::string text;         // UTF-8
    std::size_t replaced = 0; // byte sequences that are no character, each shown as one U+FFFD
};

// The bytes as UTF-8 text. A leading UTF-8 byte-order mark is dropped; bytes that are then valid UTF-8 are taken as
// they are, anything else as GB18030, the encoding the window writes. One U+FFFD stands for each GB18030 sequence
// that is no character: a byte that starts none (80, FF), a lead byte whose next bytes complete no two- or
// four-byte form (the lead alone: the bytes after it are read again, so a line end after a stray byte is kept),
// or a whole form the encoding leaves unassigned.
DecodedText decodeStoredText(std::string_view bytes);

} // namespace models
