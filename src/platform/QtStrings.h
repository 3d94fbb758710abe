#pragma once

#include <QString>
#include <algorithm>
#include <string>
#include <string_view>

namespace spurline {

// The core speaks UTF-8 std::string; Qt speaks UTF-16 QString.
inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToStdString(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// A caret given as a QString index, expressed as a byte offset into the UTF-8 form of text.
inline int Utf8OffsetOf(const QString& text, int qtIndex) {
    return static_cast<int>(text.left(qtIndex).toUtf8().size());
}

// A byte offset into UTF-8 text, expressed as a QString index (a split character counts whole).
inline int QtIndexOf(std::string_view utf8, int byteOffset) {
    if (byteOffset <= 0) {
        return 0;
    }
    const std::size_t bytes = std::min(static_cast<std::size_t>(byteOffset), utf8.size());
    return static_cast<int>(ToQString(utf8.substr(0, bytes)).size());
}

} // namespace spurline
