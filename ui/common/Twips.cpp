#include "ui/common/Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace ui {
namespace {

constexpr double kTwipsPerPixelAt96Dpi = 15.0;

double pixelsPerTwip()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    return (dpi > 0 ? dpi : 96.0) / 96.0 / kTwipsPerPixelAt96Dpi;
}

} // namespace

int twips(int length)
{
    return static_cast<int>(std::lround(length * pixelsPerTwip()));
}

QRect twipsRect(int left, int top, int width, int height)
{
    return {twips(left), twips(top), twips(width), twips(height)};
}

} // namespace ui
