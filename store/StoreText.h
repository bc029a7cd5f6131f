#pragma once

#include <QString>
#include <QUtf8StringView>

#include <string>
#include <string_view>

// The store's own conversion between its UTF-8 std::string and Qt's QString, for paths and file text. It is private
// to the store and its tests: the windows convert through ui/common/QtText.h, and no store header includes this one.
namespace store {

// Qt reads and writes a std::string as UTF-8, the store's text.
inline QString toQt(std::string_view text)
{
    return QUtf8StringView(text.data(), static_cast<qsizetype>(text.size())).toString();
}

inline std::string fromQt(const QString& text)
{
    return text.toStdString();
}

} // namespace store
