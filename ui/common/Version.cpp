#include "ui/common/Version.h"

namespace ui {

std::string_view productVersion()
{
    return LANDPP_VERSION; // the CMake project version, passed by the build
}

} // namespace ui
