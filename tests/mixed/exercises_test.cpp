// The question cycles and the marking of the mixed exercises, without the screen.
#include "screens/common/rewards.h"
#include "screens/mixed/exercises.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace screens::mixed;

} // namespace

namespace screens::mixed {
void PrintTo(const MixedNumber& n, std::ostream* out) {
    *out << n.whole << " " << n.numerator << "/" << n.denominator;
}
void PrintTo(const FractionText& f, std::ostream* out) { *out << f.numerator << "/" << f.denominator; }
void PrintTo(const Fraction& f, std::ostream* out) { *out << f.numerator << "/" << f.denominator; }
} // namespace screens::mixed

namespace {

TEST(MixedCycles, RemainderKeepsTheSignOfTheRoundedDividend) {
    const struct {
        double dividend;
        int divisor;
        double remainder;
    } rows[] = {{9, 8, 1}, {8, 8, 0}, {-4, 8, -4}, {-12, 8, -4}, {2.5, 7, 2}, {3.5, 7, 4}, {-9.5, 8, -2}};
    for (const auto& row : rows)
        EXPECT_EQ(remainder(row.dividend, row.divisor), row.remainder)
            << row.dividend << " mod " << row.divisor;
}

TEST(MixedCycles, MixedNumbersFollowEachOtherFromTwoAndOneThird) {
    const struct {
        MixedNumber question;
        FractionText expected;
    } rows[] = {
        {{3, 2, 4}, {"14", "4"}},   {{4, 3, 5}, {"23", "5"}},   {{5, 4, 6}, {"34", "6"}},
        {{6, 5, 7}, {"47", "7"}},   {{1, 6, 8}, {"14", "8"}},   {{2, 7, 9}, {"25", "9"}},
        {{3, 1, 10}, {"31", "10"}}, {{4, -5, 2}, {"-13", "2"}}, {{5, -4, 3}, {"-19", "3"}},
        {{6, -3, 4}, {"-27", "4"}}, {{1, -2, 5}, {"-7", "5"}},  {{2, -1, 6}, {"-13", "6"}},
        {{3, 1, 7}, {"22", "7"}},
    };
    MixedNumber question{2, 1, 3};
    EXPECT_EQ(asFraction(question), (FractionText{"7", "3"}));
    for (const auto& row : rows) {
        question = nextMixedNumber(question);
        SCOPED_TRACE(::testing::PrintToString(row.question));
        EXPECT_EQ(question, row.question);
        EXPECT_EQ(asFraction(question), row.expected);
    }
}

TEST(MixedCycles, ANumeratorNotBelowTheDenominatorAsTextIsPulledDown) {
    // "2" is not before "0" as text: 0 - 5, then the zero denominator becomes 2.
    EXPECT_EQ(nextMixedNumber({3, 1, 10}), (MixedNumber{4, -5, 2}));
    // "7" is not before "10" as text, though 7 < 10.
    EXPECT_EQ(nextMixedNumber({1, 6, 9}), (MixedNumber{2, 5, 10}));
    // A numerator as large as the denominator pushes the denominator up.
    EXPECT_EQ(nextMixedNumber({1, -5, 3}), (MixedNumber{2, -4, 5}));
}

TEST(MixedCycles, MixedNumbersNeverHaveAZeroPartOrAWholeFractionPart) {
    std::set<std::array<double, 3>> seen;
    MixedNumber question{2, 1, 3};
    while (seen.insert({question.whole, question.numerator, question.denominator}).second) {
        question = nextMixedNumber(question);
        EXPECT_NE(question.whole, 0);
        EXPECT_NE(question.numerator, 0);
        EXPECT_NE(question.denominator, 0);
        EXPECT_NE(std::abs(question.numerator), question.denominator);
    }
    EXPECT_LE(seen.size(), 8U * 11U * 7U);
}

TEST(MixedCycles, SimplestFormsFollowEachOtherFromTwoThirds) {
    const SimplestForm rows[] = {
        {{"6", "10"}, {"3", "5"}, "3"},    {{"12", "21"}, {"4", "7"}, "4"},
        {{"20", "36"}, {"5", "9"}, "5"},   {{"30", "55"}, {"6", "11"}, "6"},
        {{"42", "78"}, {"7", "13"}, "7"},  {{"56", "105"}, {"8", "15"}, "8"},
        {{"72", "136"}, {"9", "17"}, "9"}, {{"90", "171"}, {"10", "19"}, "10"},
        {{"10", "110"}, {"1", "11"}, "2"}, {{"4", "26"}, {"2", "13"}, "3"},
        {{"9", "45"}, {"1", "5"}, "4"},    {{"8", "28"}, {"2", "7"}, "5"},
        {{"15", "45"}, {"1", "3"}, "6"},
    };
    Fraction answer{2, 3};
    double multiplier = 2;
    for (const SimplestForm& row : rows) {
        const SimplestForm next = nextSimplestForm(answer, multiplier);
        SCOPED_TRACE(row.question.numerator + "/" + row.question.denominator);
        EXPECT_EQ(next, row);
        answer = {std::stod(next.answer.numerator), std::stod(next.answer.denominator)};
        multiplier = std::stod(next.multiplier);
    }
}

TEST(MixedCycles, SimplestFormQuestionsStayProperAndSmall) {
    Fraction answer{2, 3};
    double multiplier = 2;
    for (int press = 0; press < 1000; ++press) {
        const SimplestForm next = nextSimplestForm(answer, multiplier);
        EXPECT_LT(std::stoi(next.question.numerator), std::stoi(next.question.denominator));
        EXPECT_GT(std::stoi(next.question.numerator), 0);
        EXPECT_LT(next.question.denominator.size(), 5U) << press;
        answer = {std::stod(next.answer.numerator), std::stod(next.answer.denominator)};
        multiplier = std::stod(next.multiplier);
    }
}

TEST(MixedCycles, TheMultiplierIsReadAsA16BitWholeNumber) {
    const struct {
        double typed;
        int multiplier;
    } rows[] = {{2, 2}, {10, 10}, {2.5, 2}, {3.5, 4}, {32767, 32767}, {-32768, -32768}, {32768, 2}, {1e9, 2}};
    for (const auto& row : rows)
        EXPECT_EQ(readMultiplier(row.typed), row.multiplier) << row.typed;
}

TEST(MixedCycles, GivenFractionsFollowEachOtherFromFiveThirds) {
    const Fraction rows[] = {{6, 4},  {7, 5},  {8, 6},  {9, 7},  {10, 8}, {11, 9}, {1, 10},
                             {2, 11}, {3, 12}, {4, 13}, {5, 14}, {6, 2},  {7, 3}};
    Fraction given{5, 3};
    for (const Fraction& row : rows) {
        given = nextGivenFraction(given);
        EXPECT_EQ(given, row) << row.numerator << "/" << row.denominator;
    }
    EXPECT_EQ(multiple(given, 2), (Fraction{14, 6}));
    EXPECT_EQ(multiple(given, 3), (Fraction{21, 9}));
}

constexpr Step kEarned1{Count::Earned, 1}, kPossible1{Count::Possible, 1}, kTotal1{Count::TotalEarned, 1};
constexpr Step kPossible2{Count::Possible, 2}, kTotalPossible2{Count::TotalPossible, 2};

TEST(MixedMarking, MixedNumberBoxesAreMarkedOneByOneAsExactText) {
    const FractionText seven{"7", "3"};
    const struct {
        FractionText typed;
        Marking marking;
    } rows[] = {
        {{"7", "3"}, {kEarned1, kPossible1, kTotal1, kEarned1, kPossible1, kTotal1, kTotalPossible2}},
        {{"7", "4"}, {kEarned1, kPossible1, kTotal1, kPossible1, kTotalPossible2}},
        {{"07", "3"}, {kPossible1, kEarned1, kPossible1, kTotal1, kTotalPossible2}},
        {{"7", ""}, {kPossible2, kTotalPossible2}},
        {{"-", "3"}, {kPossible2, kTotalPossible2}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(markMixedNumber(seven, row.typed), row.marking)
            << row.typed.numerator << "/" << row.typed.denominator;
    // 4 and -5/2 is -13/2; 13 over -2 has the same value but neither box is right.
    EXPECT_EQ(markMixedNumber({"-13", "2"}, {"13", "-2"}),
              (Marking{kPossible1, kPossible1, kTotalPossible2}));
}

TEST(MixedMarking, SimplestFormEarnsTwoWhenFullyReducedAndOneOnTheWay) {
    const Marking full{{Count::Earned, 2}, kPossible2, {Count::TotalEarned, 2}, kTotalPossible2};
    const Marking partly{kEarned1, kTotal1, kPossible2, kTotalPossible2};
    const Marking none{kPossible2, kTotalPossible2};
    const struct {
        FractionText typed;
        const Marking& marking;
    } rows[] = {
        {{"2", "3"}, full},   {{"4", "6"}, partly}, {{"8", "12"}, partly},    {{"10", "15"}, none},
        {{"20", "30"}, none}, {{"2", "0"}, none},   {{"0", "0"}, none},       {{"", "3"}, none},
        {{"-", "3"}, none},   {{"3", "2"}, none},   {{"0.2", "0.3"}, partly}, // exactly 2/3, not in binary
    };
    for (const auto& row : rows)
        EXPECT_EQ(markSimplestForm(10, {"2", "3"}, row.typed), row.marking)
            << row.typed.numerator << "/" << row.typed.denominator;
}

TEST(MixedMarking, EqualFractionsExceptTheGivenOne) {
    const FractionText given{"5", "3"};
    const struct {
        FractionText typed;
        bool equal;
    } rows[] = {
        {{"10", "6"}, true},  {{"15", "9"}, true},  {{"-5", "-3"}, true},  {{"5", "3"}, false},
        {{"5.0", "3"}, true}, {{"10", "7"}, false}, {{"10", "0"}, false},  {{"", "6"}, false},
        {{"10", "-"}, false}, {{"0", "0"}, false},  {{"1.5", "0.9"}, true}}; // exactly 5/3, not in binary
    for (const auto& row : rows)
        EXPECT_EQ(isEqualFraction(row.typed, given), row.equal)
            << row.typed.numerator << "/" << row.typed.denominator;
}

TEST(MixedRewards, ExerciseRewardAboveFourFifthsOnly) {
    const struct {
        double earned, possible;
        bool earns;
    } rows[] = {{1, 0, false},   {0, 0, false}, {2, 1, true},  {4, 5, false}, {8, 10, false},
                {12, 15, false}, {5, 6, true},  {9, 11, true}, {1, 2, false}};
    for (const auto& row : rows)
        EXPECT_EQ(screens::rewards::aboveFourFifths(row.earned, row.possible), row.earns)
            << row.earned << "/" << row.possible;
}

TEST(MixedRewards, TotalRewardAtMultiplesOfFour) {
    for (int total = 0; total <= 16; ++total)
        EXPECT_EQ(earnsTotalReward(total), total % 4 == 0) << total;
    EXPECT_TRUE(earnsTotalReward(3.5));
    EXPECT_FALSE(earnsTotalReward(4.5 + 1));
}

TEST(MixedRewards, PicturesComeInOrderAndTheLastStaysAfterAllAreShown) {
    constexpr int order[] = {20, 21, 30, 23};
    std::set<int> shown;
    const auto isShown = [&](int picture) { return shown.contains(picture); };
    std::vector<int> appeared;
    for (int reward = 0; reward < 6; ++reward) {
        appeared.push_back(screens::rewards::nextToShow(order, isShown));
        shown.insert(appeared.back());
    }
    EXPECT_EQ(appeared, (std::vector<int>{20, 21, 30, 23, 23, 23}));
    shown = {20, 30};
    EXPECT_EQ(screens::rewards::nextToShow(order, isShown), 21);
}

TEST(MixedRewards, EqualNumeratorsDoubleTheOtherFractionUnlessZero) {
    EXPECT_TRUE(mustDoubleOther("15", "15"));
    EXPECT_FALSE(mustDoubleOther("15", "10"));
    EXPECT_FALSE(mustDoubleOther("15", "15.0"));
    EXPECT_FALSE(mustDoubleOther("0", "0"));
}

} // namespace
