#pragma once

#include <QString>

#include <string>
#include <string_view>

// The store's own conversion between its UTF-8 std::string and Qt's QString, for paths and file text. It is private
// to the store and its tests: the windows convert through ui/common/QtText.h, and no store header includes this one.
namespace store {

inline QString toQt(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string fromQt(const QString& text)
{
    return text.toStdString(); // UTF-8
}

} // namespace store
