// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Table text is Windows-1252; a command-line tool on Linux speaks UTF-8.
#include <string>
#include <string_view>

namespace cli {

// The UTF-8 form of Windows-1252 bytes (the five bytes that code page leaves undefined keep
// their C1 control code points, as the system's converters do).
std::string cp1252ToUtf8(std::string_view bytes);

}  // namespace cli
