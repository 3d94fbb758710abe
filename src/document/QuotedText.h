#pragma once

#include <string>

namespace spurline {

// Texts quoted for another program to read: the CSV lists and spurline-calc's CSV and JSON.

// RFC 4180: a field with a comma, quote, CR or LF is quoted, its quotes doubled.
std::string CsvField(const std::string& text);
// A JSON string literal, quotes included.
std::string JsonString(const std::string& text);

} // namespace spurline
