#pragma once

#include <QString>

#include <string>
#include <string_view>

// The bridge between the program's UTF-8 std::string and Qt's QString, for the store and the windows above it.
namespace store {

inline QString toQt(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string fromQt(const QString& text)
{
    return text.toStdString(); // UTF-8
}

// Without the white space at either end, Unicode's (the ideographic space included) as Qt counts it.
inline std::string trimmed(std::string_view text)
{
    return fromQt(toQt(text).trimmed());
}

} // namespace store
