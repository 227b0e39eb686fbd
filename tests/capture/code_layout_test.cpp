// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/code_layout.h"
#include "support/log_capture.h"

#include <gtest/gtest.h>

using namespace quorvane;

namespace {

// Widths are powers of two so the arithmetic in the assertions is exact: every
// four-letter box of width kBox makes the mean character width kChar.
constexpr double kBox = 0.0625;
constexpr double kChar = kBox / 4;
constexpr double kHeight = 0.125;

TextObservation box(double x, double y, double width, const std::optional<QString> &text,
                    double height = kHeight)
{
    return {QRectF(x, y, width, height), text};
}

} // namespace

TEST(CodeLayout, EmptyInputGivesEmptyText)
{
    EXPECT_EQ(extractTextWithIndentation({}), "");
}

TEST(CodeLayout, SingleBoxGivesItsTextWithoutIndentation)
{
    EXPECT_EQ(extractTextWithIndentation({box(0.4, 0.5, kBox, "main")}), "main");
}

TEST(CodeLayout, OrdersLinesTopToBottomAndBoxesLeftToRight)
{
    // Origin lower left: the larger y is the upper line.
    const QList<TextObservation> boxes{
        box(0.0, 0.2, kBox, "ret0"),
        box(kBox + kChar, 0.6, kBox, "main"),
        box(0.0, 0.6, kBox, "void"),
    };
    EXPECT_EQ(extractTextWithIndentation(boxes), "void main\nret0");
}

TEST(CodeLayout, LinesAreQuotedInTheLogOnlyWhenTheTextCategoryIsOn)
{
    for (const QString &rules : {QString(), QStringLiteral("quorvane.*.info=true")}) {
        test::LogCapture logs(rules);
        extractTextWithIndentation({box(0.0, 0.6, kBox, "pass")});
        EXPECT_EQ(logs.quoting(QStringLiteral("pass")), QStringList()) << rules.toStdString();
    }
    test::LogCapture logs(QStringLiteral("quorvane.text.debug=true"));
    extractTextWithIndentation({box(0.0, 0.6, kBox, "pass")});
    EXPECT_EQ(logs.quoting(QStringLiteral("pass")).size(), 1);
}

TEST(CodeLayout, BoxesShareALineOnlyWhenCentresAreCloserThanHalfTheMeanHeight)
{
    // Tolerance = kHeight / 2 = 0.0625.
    const QList<TextObservation> closeBoxes{
        box(0.0, 0.5, kBox, "aaaa"),
        box(kBox + kChar, 0.5 + 0.0625 - 1e-9, kBox, "bbbb"),
    };
    EXPECT_EQ(extractTextWithIndentation(closeBoxes), "aaaa bbbb");

    const QList<TextObservation> exactlyHalf{
        box(0.0, 0.5, kBox, "aaaa"),
        box(kBox + kChar, 0.5625, kBox, "bbbb"),
    };
    EXPECT_EQ(extractTextWithIndentation(exactlyHalf), "     bbbb\naaaa");
}

TEST(CodeLayout, LineMembershipIsJudgedAgainstTheLinesFirstBoxNotItsNeighbour)
{
    // Each box is 0.04 below the previous one, the tolerance is 0.0625: the third box is
    // close to the second but too far from the first, which opened the line.
    const QList<TextObservation> boxes{
        box(0.0, 0.50, kBox, "aaaa"),
        box(2 * kBox, 0.46, kBox, "bbbb"),
        box(4 * kBox, 0.42, kBox, "cccc"),
    };
    EXPECT_EQ(extractTextWithIndentation(boxes),
              QStringLiteral("aaaa") + QString(4, ' ') + "bbbb\n" + QString(16, ' ') + "cccc");
}

TEST(CodeLayout, GapSpacesFollowTheThresholdAndRoundHalvesAwayFromZero)
{
    const auto pair = [](double secondX) {
        return extractTextWithIndentation({box(0.0, 0.5, kBox, "left"), box(secondX, 0.5, kBox, "rite")});
    };
    EXPECT_EQ(pair(kBox + 0.29 * kChar), "leftrite");
    EXPECT_EQ(pair(kBox + 0.31 * kChar), "left rite");
    EXPECT_EQ(pair(kBox + 2.5 * kChar), "left   rite");
    EXPECT_EQ(pair(kBox + 2.49 * kChar), "left  rite");
    EXPECT_EQ(pair(kBox - kChar), "leftrite") << "overlapping boxes get no space";
}

TEST(CodeLayout, GapOfExactlyThreeTenthsOfACharacterAddsNoSpace)
{
    // The first box ends at 0 so the gap is the second box's x without rounding.
    const QList<TextObservation> boxes{
        box(-kBox, 0.5, kBox, "left"),
        box(0.3 * kChar, 0.5, kBox, "rite"),
    };
    EXPECT_EQ(extractTextWithIndentation(boxes), "leftrite");
}

TEST(CodeLayout, IndentationIsMeasuredFromTheLeftmostBoxOfTheWholeCapture)
{
    const QList<TextObservation> boxes{
        box(0.125, 0.8, kBox, "func"),
        box(0.125 + 4.5 * kChar, 0.6, kBox, "body"),
        box(0.125 + 4 * kChar, 0.4, kBox, "tail"),
        box(0.125, 0.2, kBox, "done"),
    };
    EXPECT_EQ(extractTextWithIndentation(boxes), "func\n     body\n    tail\ndone");
}

TEST(CodeLayout, NoGapSpacesAfterLeadingSpacesOrAfterATrailingSpace)
{
    const QList<TextObservation> boxes{
        box(0.0, 0.8, kBox, "head"),
        box(4 * kChar, 0.5, kBox, "ab  "),
        box(4 * kChar + kBox + 2 * kChar, 0.5, kBox, "next"),
    };
    EXPECT_EQ(extractTextWithIndentation(boxes), "head\n    ab  next");
}

TEST(CodeLayout, BoxWithoutCandidateAddsNoTextAndDoesNotMoveTheRightEdge)
{
    const QList<TextObservation> boxes{
        box(0.0, 0.5, kBox, "left"),
        box(kBox, 0.5, 2 * kChar, std::nullopt),  // ends 1 char before "rite"
        box(kBox + 3 * kChar, 0.5, kBox, "rite"),
    };
    EXPECT_EQ(extractTextWithIndentation(boxes), "left   rite");
}

TEST(CodeLayout, BoxWithoutCandidateStillCountsForMarginHeightAndLines)
{
    const QList<TextObservation> boxes{
        box(0.0, 0.8, kBox, std::nullopt),
        box(2 * kChar, 0.5, kBox, "code"),
    };
    // The empty upper line survives as an empty output line; the margin is the empty box's.
    EXPECT_EQ(extractTextWithIndentation(boxes), "\n  code");

    // A tall candidate-less box widens the tolerance enough to merge the two lines.
    const QList<TextObservation> merged{
        box(0.0, 0.50, kBox, "aaaa", 0.1),
        box(2 * kBox, 0.44, kBox, "bbbb", 0.1),
        box(0.0, 0.0, 0.01, std::nullopt, 0.4),
    };
    EXPECT_EQ(extractTextWithIndentation(merged), "aaaa    bbbb\n");
}

TEST(CodeLayout, WithoutAnyTextTheFallbackCharacterWidthGivesLeadingSpacesOnly)
{
    const QList<TextObservation> boxes{
        box(0.0, 0.8, 0.1, QString()),
        box(0.024, 0.5, 0.1, QString()),
    };
    EXPECT_EQ(extractTextWithIndentation(boxes), "\n   ");  // 0.024 / 0.008
}

TEST(CodeLayout, CountsCharactersAsGraphemeClusters)
{
    // "é" written as e + combining acute: two code points, one character, so the mean
    // character width is the box width and not half of it.
    const QString decomposed = QStringLiteral("e\u0301");
    const QList<TextObservation> boxes{
        box(0.0, 0.8, kChar, decomposed),
        box(2 * kChar, 0.5, kChar, decomposed),
    };
    EXPECT_EQ(extractTextWithIndentation(boxes), decomposed + "\n  " + decomposed);
}
