#include "common/cp932.h"

#include <gtest/gtest.h>

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

}  // namespace
