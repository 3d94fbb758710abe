#include "document/TextEncoding.h"

#include <gtest/gtest.h>

namespace spurline {
namespace {

TEST(TextEncoding, DecodesWindows1252AndKeepsUtf8) {
    EXPECT_EQ(DecodeFileText("\x80"), "\xE2\x82\xAC");         // €
    EXPECT_EQ(DecodeFileText("\x9F\x8A"), "\xC5\xB8\xC5\xA0"); // Ÿ Š
    EXPECT_EQ(DecodeFileText("\x93x\x94"), "\xE2\x80\x9Cx\xE2\x80\x9D");
    EXPECT_EQ(DecodeFileText("\xA0\xFF"), "\xC2\xA0\xC3\xBF");
    // The bytes the code page leaves undefined become the C1 control of the same value.
    EXPECT_EQ(DecodeFileText("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
    EXPECT_EQ(DecodeFileText("S\xC3\xA4gewerk \xE2\x82\xAC"), "S\xC3\xA4gewerk \xE2\x82\xAC");
    EXPECT_EQ(DecodeFileText("\xEF\xBB\xBF\xC3\x98"), "\xC3\x98");
    EXPECT_EQ(DecodeFileText("\xEF\xBB\xBF\xEF\xBB\xBFx"), "x"); // marked twice
    EXPECT_EQ(DecodeFileText("plain;text,\r\n"), "plain;text,\r\n");
    EXPECT_EQ(DecodeFileText(""), "");
    // One byte of Windows-1252 in otherwise valid UTF-8 makes the whole file Windows-1252.
    EXPECT_EQ(DecodeFileText("\xC3\xA4 \xE4"), "\xC3\x83\xC2\xA4 \xC3\xA4");
}

TEST(TextEncoding, EncodesWindows1252WhenEveryCharacterFits) {
    EXPECT_EQ(EncodeFileText("\xC3\x98 \xE2\x82\xAC \xE2\x84\xA2"), "\xD8 \x80 \x99");
    EXPECT_EQ(EncodeFileText("ASCII only;\r\n"), "ASCII only;\r\n");
    // Ł has no Windows-1252 byte: the whole text stays UTF-8.
    EXPECT_EQ(EncodeFileText("S\xC3\xA4gewerk \xC5\x81\xC3\xB3"
                             "d\xC5\xBA"),
              "S\xC3\xA4gewerk \xC5\x81\xC3\xB3"
              "d\xC5\xBA");
    // "Ã¤" in Windows-1252 would read back as UTF-8 "ä", so it is written as UTF-8.
    EXPECT_EQ(EncodeFileText("\xC3\x83\xC2\xA4"), "\xC3\x83\xC2\xA4");
    // Every one of the 256 bytes survives decoding and encoding again.
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    const std::string decoded = DecodeFileText(all);
    EXPECT_TRUE(IsValidUtf8(decoded));
    EXPECT_EQ(EncodeFileText(decoded), all);
}

TEST(TextEncoding, Utf8Validation) {
    EXPECT_TRUE(IsValidUtf8(""));
    EXPECT_TRUE(IsValidUtf8("abc"));
    EXPECT_TRUE(IsValidUtf8("\xE2\x82\xAC\xF0\x9F\x93\xA1"));
    // The first and last lead bytes of each length.
    EXPECT_TRUE(
        IsValidUtf8("\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF"));
    // Overlong "/" twice, a surrogate, above U+10FFFF, cut short, a lone continuation, Latin-1.
    for (const char* bad : {"\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                            "\xE2\x82", "\x80", "S\xE4gewerk"})
        EXPECT_FALSE(IsValidUtf8(bad)) << bad;
}

} // namespace
} // namespace spurline
