#pragma once

#include <QString>

#include <string>
#include <string_view>

// The bridge between the program's UTF-8 std::string and Qt's QString for the windows: the one way text crosses
// between the models and the widgets.
namespace ui {

inline QString toQt(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string fromQt(const QString& text)
{
    return text.toStdString(); // UTF-8
}

} // namespace ui
