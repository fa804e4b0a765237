#pragma once
// The data files hold Windows-1252 bytes. This codec converts them at the edge
// of a window or a terminal and nowhere else.

#include <string>
#include <string_view>

std::string Cp1252ToUtf8(std::string_view bytes);
// Characters cp1252 cannot hold become "?"; invalid UTF-8 bytes too.
std::string Utf8ToCp1252(std::string_view text);
