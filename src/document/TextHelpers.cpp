#include "document/TextHelpers.h"

#include "document/NumberFormat.h"

namespace spurline {

namespace {

bool StartsWithAt(std::string_view text, std::size_t pos, std::string_view what) {
    return !what.empty() && text.substr(pos, what.size()) == what;
}

// The second and later bytes of a UTF-8 character.
bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Characters, not bytes: the texts are UTF-8, and a locale's grouping mark (a no-break space)
// or a remark's "ä" is one character of the width.
std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        if (!IsContinuationByte(c)) {
            ++count;
        }
    }
    return count;
}

} // namespace

double LeadingNumber(std::string_view text, const Locale& locale) {
    constexpr std::string_view numberCharacters = "1234567890,.+- ";
    std::size_t end = 0;
    while (end < text.size()) {
        if (numberCharacters.find(text[end]) != std::string_view::npos) {
            ++end;
        } else if (StartsWithAt(text, end, locale.decimalSeparator)) {
            end += locale.decimalSeparator.size();
        } else if (StartsWithAt(text, end, locale.groupSeparator)) {
            // Locales that group with a no-break space would otherwise read 1 234,5 as 1.
            end += locale.groupSeparator.size();
        } else {
            break;
        }
    }
    return ParseNumber(text.substr(0, end), locale).value_or(0.0);
}

bool UsesDecimalComma(const Locale& locale) {
    const std::string half = "0" + locale.decimalSeparator + "5";
    return half.find(',') != std::string::npos;
}

std::string PadLeft(std::string_view text, int width, char fill) {
    std::string trimmed = TrimBlanks(text);
    const auto length = static_cast<long long>(CharacterCount(trimmed));
    // A text too long for the width is shown whole: a number cut to fit would read as another.
    if (length >= width) {
        return trimmed;
    }
    return std::string(static_cast<std::size_t>(width - length), fill) + trimmed;
}

std::string FileNameFromPath(std::string_view path) {
    const auto lastSeparator = path.find_last_of("/\\");
    if (lastSeparator == std::string_view::npos) {
        return TrimBlanks(path);
    }
    return TrimBlanks(path.substr(lastSeparator + 1));
}

std::string CommandLineFile(const std::vector<std::string>& arguments,
                            const std::function<bool(const std::string&)>& fileExists) {
    const auto unquoted = [](std::string_view argument) {
        return RemoveAll(TrimBlanks(argument), "\"");
    };
    if (arguments.size() == 1) {
        return unquoted(arguments.front());
    }
    for (const auto& argument : arguments) {
        std::string file = unquoted(argument);
        if (!file.empty() && fileExists && fileExists(file)) {
            return file;
        }
    }
    return {};
}

double MinOf(double a, double b) {
    return a <= b ? a : b;
}

double MaxOf(double a, double b) {
    return a >= b ? a : b;
}

std::string TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::string RemoveAll(std::string_view text, std::string_view what) {
    return ReplaceAll(text, what, {});
}

std::string ReplaceAll(std::string_view text, std::string_view what, std::string_view with) {
    if (what.empty()) {
        return std::string(text);
    }
    std::string result;
    std::size_t start = 0;
    for (auto found = text.find(what); found != std::string_view::npos;
         found = text.find(what, start)) {
        result.append(text.substr(start, found - start));
        result.append(with);
        start = found + what.size();
    }
    result.append(text.substr(start));
    return result;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

} // namespace spurline
