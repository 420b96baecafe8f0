#include "common/cp932.h"

#include <gtest/gtest.h>

#include "platform/utf8.h"

namespace {

TEST(Cp932, RoundTripsTheSymbolsOfTheScreensAndReports) {
    const char* texts[] = {"∴O.K",  "―",  "①②③④⑤⑥⑦⑧", "Σ", "φ", "δ", "゜", "ミラノス　Version 1.42",
                           "ﾌｧｲﾙ(&F)", "≦", "γ", "Ｃ=",       "㎡", "×", "√", "地盤の許容支持力度（長期）：qa="};
    for (const char* t : texts) EXPECT_EQ(cp932::decode(cp932::encode(t)), t) << t;
}

TEST(Cp932, KnownBytes) {
    EXPECT_EQ(cp932::encode("―"), "\x81\x5C");
    EXPECT_EQ(cp932::encode("①"), "\x87\x40");
    EXPECT_EQ(cp932::encode("ｱ"), "\xB1");
    EXPECT_EQ(cp932::encode("A1 .5"), "A1 .5");
    EXPECT_EQ(cp932::decode("\x8E\xA9"), "自");
}

TEST(Cp932, UnrepresentableCharactersBecomeQuestionMarks) {
    EXPECT_EQ(cp932::encode("a€b"), "a?b");
    EXPECT_EQ(cp932::encode("😀"), "?");
    EXPECT_EQ(cp932::encode("한"), "?");
}

TEST(Cp932, LineBreaksNeverReachTheFile) {
    EXPECT_EQ(cp932::encode("a\r\nb\nc"), "abc");
}

TEST(Cp932, BrokenBytesDecodeAsQuestionMarks) {
    EXPECT_EQ(cp932::decode("a\x81"), "a?");
    EXPECT_EQ(cp932::decode("\xA0x"), "?x");
}

TEST(Cp932, DecodesExactlyOnlyWholeCodePageText) {
    EXPECT_EQ(cp932::decodeExactly("\xC6\xBC-1"), "ﾆｼ-1");
    EXPECT_EQ(cp932::decodeExactly("\x93\x8c\x8b\x9e\x93\x73"), "東京都");
    EXPECT_EQ(cp932::decodeExactly(""), "");
    for (const char* broken : {"a\x81", "\xA0x", "\xEF\x40", "\xEF\xBB\xBF"})
        EXPECT_EQ(cp932::decodeExactly(broken), std::nullopt) << broken;
}

// The project file marks its UTF-8 lines with EF BB BF; that only holds while no
// character of the code page is written with the lead byte EF.
TEST(Cp932, NoCharacterIsWrittenWithTheLeadByteEF) {
    for (char32_t cp = 0x80; cp < 0x10000; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF) continue;
        const std::optional<std::string> bytes = cp932::encodeExactly(plat::fromCodePoint(cp));
        if (bytes) {
            ASSERT_NE(static_cast<unsigned char>(bytes->front()), 0xEF) << std::hex << static_cast<unsigned>(cp);
        }
    }
}

}  // namespace
