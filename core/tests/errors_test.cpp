// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/errors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "core/checked.h"
#include "core/tests/message_of.h"

using namespace quarvel::core;
using quarvel::core::testing::messageOf;

namespace {

TEST(ErrorMessages, AreTheFixedFrenchTexts) {
    EXPECT_EQ(messageOf([] { throwDivisionByZero(); }), "Division par zéro en virgule flottante");
    EXPECT_EQ(messageOf([] { throwInvalidOperation(); }), "Opération en virgule flottante incorrecte");
    EXPECT_EQ(messageOf([] { throwRangeCheck(); }), "Erreur de vérification d'étendue");
    EXPECT_EQ(messageOf([] { throwIntegerOverflow(); }), "Débordement d'entier");
    EXPECT_EQ(messageOf([] { throwListIndex(-1); }), "Indice de liste hors limites (-1)");
    EXPECT_EQ(messageOf([] { throwCannotWrite("/tmp/x/Quarvel.ini"); }), "Impossible d'écrire dans /tmp/x/Quarvel.ini");
    EXPECT_EQ(messageOf([] { throwCannotOpen("/a/b.bmp", Message::data("No such file or directory")); }),
              "Impossible d'ouvrir le fichier \"/a/b.bmp\". No such file or directory");
    EXPECT_EQ(messageOf([] { throwBadBitmap(); }), "Image bitmap incorrecte");
}

// A message quotes 59 characters of a long text at most, whole UTF-8 characters.
TEST(ErrorMessages, QuoteLongTextsByTheirEnds) {
    const std::string sixty(60, '7');
    EXPECT_EQ(messageOf([&] { throwNotAnInteger(sixty); }), "'" + sixty + "' n'est pas une valeur entière correcte");
    EXPECT_EQ(messageOf([] { throwNotAReal(std::string(100000, '1') + "x"); }),
              "'" + std::string(29, '1') + "…" + std::string(28, '1') +
                  "x' n'est pas une valeur en virgule flottante correcte");
    std::string accents;
    for (int i = 0; i < 70; ++i) accents += "é";
    std::string half;
    for (int i = 0; i < 29; ++i) half += "é";
    EXPECT_EQ(messageOf([&] { throwNotAReal(accents); }),
              "'" + half + "…" + half + "' n'est pas une valeur en virgule flottante correcte");
}

// Values go in once: a name holding "%1" or "%" stays as it is.
TEST(ComposedTexts, PutEachValueInOnce) {
    EXPECT_EQ(compose("%1, ligne %2, [%3] : %4", {"a.ini", "7", "Capteur %1", "nom incorrect"}),
              "a.ini, ligne 7, [Capteur %1] : nom incorrect");
    EXPECT_EQ(compose("« %1 » : 100 %", {"%2"}), "« %2 » : 100 %");
    EXPECT_EQ(compose("%1 et %2", {"seul"}), "seul et %2");
}

TEST(ErrorBoxText, AppendsAPointAfterLettersAndDigitsOnly) {
    EXPECT_EQ(errorBoxText("Débordement d'entier"), "Débordement d'entier.");
    EXPECT_EQ(errorBoxText("Indice de liste hors limites (-1)"), "Indice de liste hors limites (-1)");
    EXPECT_EQ(errorBoxText("'x' n'est pas une valeur entière correcte"), "'x' n'est pas une valeur entière correcte.");
    EXPECT_EQ(errorBoxText("Impossible d'écrire dans /tmp/a/"), "Impossible d'écrire dans /tmp/a/.");
    EXPECT_EQ(errorBoxText("Fin."), "Fin.");
    EXPECT_EQ(errorBoxText("cité'"), "cité'");
    EXPECT_EQ(errorBoxText("dit \""), "dit \"");
    EXPECT_EQ(errorBoxText("blanc "), "blanc ");
    EXPECT_EQ(errorBoxText("café"), "café.");
    EXPECT_EQ(errorBoxText(""), "");
}

TEST(FixedMessages, RecogniseEveryRaisedMessage) {
    EXPECT_TRUE(isFixedMessage("'abc' n'est pas une valeur en virgule flottante correcte"));
    EXPECT_TRUE(isFixedMessage("Indice de liste hors limites (3)"));
    EXPECT_TRUE(isFixedMessage("Impossible d'ouvrir le fichier \"x\". raison"));
    EXPECT_TRUE(isFixedMessage("Débordement d'entier"));
    EXPECT_FALSE(isFixedMessage("Débordement d'entier!"));
    EXPECT_FALSE(isFixedMessage("Access violation"));
}

TEST(CheckedArithmetic, DivisionFailures) {
    EXPECT_EQ(messageOf([] { divide(1, 0); }), "Division par zéro en virgule flottante");
    EXPECT_EQ(messageOf([] { divide(-1, -0.0); }), "Division par zéro en virgule flottante");
    EXPECT_EQ(messageOf([] { divide(0, 0); }), "Opération en virgule flottante incorrecte");
    EXPECT_DOUBLE_EQ(divide(1, 4), 0.25);
}

TEST(CheckedArithmetic, SquareRootAndArcsineDomains) {
    EXPECT_EQ(messageOf([] { squareRoot(-1e-300); }), "Opération en virgule flottante incorrecte");
    EXPECT_EQ(squareRoot(-0.0), 0);
    EXPECT_EQ(messageOf([] { arcsine(1.0000001); }), "Opération en virgule flottante incorrecte");
    EXPECT_EQ(messageOf([] { arcsine(-1.5); }), "Opération en virgule flottante incorrecte");
    EXPECT_DOUBLE_EQ(arcsine(1), std::asin(1.0));
}

TEST(CheckedArithmetic, IntegerOverflowAndIndexes) {
    EXPECT_EQ(messageOf([] { multiplyInt32(46341, 46341); }), "Débordement d'entier");
    EXPECT_EQ(multiplyInt32(46340, 46340), 2147395600);
    EXPECT_EQ(messageOf([] { addInt32(2147483647, 1); }), "Débordement d'entier");
    EXPECT_EQ(messageOf([] { subtractInt32(-2147483647 - 1, 1); }), "Débordement d'entier");
    EXPECT_EQ(messageOf([] { checkListIndex(5, 5); }), "Indice de liste hors limites (5)");
    EXPECT_EQ(messageOf([] { checkRange(12, 0, 11); }), "Erreur de vérification d'étendue");
    EXPECT_EQ(checkListIndex(0, 1), 0);
}

}  // namespace
