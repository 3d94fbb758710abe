#pragma once

#include "document/Locale.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace spurline {

// The number a display text begins with: the longest prefix made of "1234567890,.+- " read with
// the locale's rules; 0 when the text is empty or that prefix is not a number.
double LeadingNumber(std::string_view text, const Locale& locale);

// True when the locale writes one half as "0,5".
bool UsesDecimalComma(const Locale& locale);

// Right-aligns the trimmed text in width characters with fill; a trimmed text at least as long
// as width is returned whole, never cut. Characters are counted in UTF-8, so a character of
// several bytes counts once.
std::string PadLeft(std::string_view text, int width, char fill);

// The file name of a path, trimmed; "/" and "\" both separate folders.
std::string FileNameFromPath(std::string_view path);

// The file named on the command line (the arguments after the program name). One argument is
// the file, unquoted and unchecked; with several, the first that names an existing file wins.
std::string CommandLineFile(const std::vector<std::string>& arguments,
                            const std::function<bool(const std::string&)>& fileExists);

double MinOf(double a, double b);
double MaxOf(double a, double b);

// Blanks (spaces) removed at both ends.
std::string TrimBlanks(std::string_view text);

// Every occurrence of what removed from text.
std::string RemoveAll(std::string_view text, std::string_view what);

// Every occurrence of what replaced by with.
std::string ReplaceAll(std::string_view text, std::string_view what, std::string_view with);

// Letter case of ASCII letters only; every other byte as it is. Unlike tolower and toupper these
// do not follow the C locale (Turkish has no one-byte lower case of 'I') and leave the bytes of
// UTF-8 characters alone.
constexpr char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
constexpr char UpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// ASCII case-insensitive equality, as the list uses for "Tx", "Rx" and "Plan".
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

} // namespace spurline
