#pragma once

#include <string>

// What the tool needs of Windows at its edge, and nothing elsewhere: the UTF-16 command line made UTF-8, and standard
// streams that carry bytes unchanged. Defined only in a Windows build.
namespace platform {

#ifdef _WIN32
std::string utf8(const wchar_t* text);
void useUtf8Streams();
#endif

} // namespace platform
