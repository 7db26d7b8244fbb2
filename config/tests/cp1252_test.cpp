// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/cp1252.h"

#include <gtest/gtest.h>

using namespace quarvel::config;

namespace {

TEST(Cp1252, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
}

TEST(Cp1252, DecodesAccentsAndTheHighControlRange) {
    EXPECT_EQ(cp1252ToUtf8("T\xE9lescope"), "Télescope");
    EXPECT_EQ(cp1252ToUtf8("Diam\xE8tre"), "Diamètre");
    EXPECT_EQ(cp1252ToUtf8("\x80\x8C\x89\x9F"), "€Œ‰Ÿ");
    EXPECT_EQ(utf8ToCp1252("€ Œuvre ‰"), "\x80 \x8Cuvre \x89");
}

TEST(Cp1252, UnencodableCharactersBecomeQuestionMarks) {
    EXPECT_EQ(utf8ToCp1252("日本"), "??");
    EXPECT_EQ(utf8ToCp1252("a😀b"), "a?b");
    EXPECT_EQ(utf8ToCp1252("\xC3"), "?");        // truncated sequence
    EXPECT_EQ(utf8ToCp1252("\xFF\xFE" "a"), "??a");  // not UTF-8 at all
}

TEST(Cp1252, FoldsCaseForNames) {
    EXPECT_EQ(foldCp1252('A'), 'a');
    EXPECT_EQ(foldCp1252(0xC9), 0xE9);  // É to é
    EXPECT_EQ(foldCp1252(0xD7), 0xD7);  // the multiplication sign has no case
    EXPECT_EQ(foldCp1252(0x8C), 0x9C);  // Œ to œ
    EXPECT_EQ(foldCp1252('1'), '1');
}

}  // namespace
