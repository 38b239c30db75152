// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Table text is Windows-1252; inside the program all text is QString. Conversion happens here.
#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace store {

QString fromCp1252(std::string_view bytes);
// nullopt when the text holds characters Windows-1252 cannot hold.
std::optional<std::string> toCp1252(const QString& text);
// Upper case as the table's text is folded: each character Windows-1252 holds goes through the
// code page's fold (ß and µ have no capital there and stay); any other character is kept as it is.
QString upperCp1252(const QString& text);
// The characters of text that Windows-1252 cannot hold, each once, in order of appearance.
QString unencodable(const QString& text);

}  // namespace store
