// The question cycles and the marking of the mixed exercises, without the screen.
#include "screens/common/rewards.h"
#include "screens/mixed/exercises.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "fraction/fraction.h"

namespace fraction {
void PrintTo(const Exact& x, std::ostream* out) { *out << numberText(x); }
void PrintTo(const Fraction& f, std::ostream* out) {
    *out << numberText(f.numerator) << "/" << numberText(f.denominator);
}
void PrintTo(const MixedNumber& n, std::ostream* out) {
    *out << numberText(n.whole) << " ";
    PrintTo(n.part, out);
}
} // namespace fraction

namespace screens::mixed {
void PrintTo(const Answer& a, std::ostream* out) { *out << a.numerator.text << "/" << a.denominator.text; }
} // namespace screens::mixed

namespace {

using namespace screens::mixed;
using fraction::numberText;

Exact number(std::string_view text) { return *Exact::read(text); }
// The texts of two answer boxes as typed.
struct Typed {
    const char *numerator, *denominator;
};
Answer read(const Typed& typed) { return Answer::read(typed.numerator, typed.denominator); }
MixedNumber mixedNumber(std::int64_t whole, std::int64_t numerator, std::int64_t denominator) {
    return {Exact::of(whole), Fraction::of(numerator, denominator)};
}

TEST(MixedCycles, RemainderKeepsTheSignOfTheRoundedDividend) {
    const struct {
        const char* dividend;
        int divisor;
        std::int64_t remainder;
    } rows[] = {{"9", 8, 1},   {"8", 8, 0},   {"-4", 8, -4},  {"-12", 8, -4},
                {"2.5", 7, 2}, {"3.5", 7, 4}, {"-9.5", 8, -2}};
    for (const auto& row : rows)
        EXPECT_EQ(remainder(number(row.dividend), row.divisor), Exact::of(row.remainder))
            << row.dividend << " mod " << row.divisor;
}

TEST(MixedCycles, MixedNumbersFollowEachOtherFromTwoAndOneThird) {
    const struct {
        std::int64_t whole, numerator, denominator;
        Fraction expected;
    } rows[] = {
        {3, 2, 4, Fraction::of(14, 4)},   {4, 3, 5, Fraction::of(23, 5)},   {5, 4, 6, Fraction::of(34, 6)},
        {6, 5, 7, Fraction::of(47, 7)},   {1, 6, 8, Fraction::of(14, 8)},   {2, 7, 9, Fraction::of(25, 9)},
        {3, 1, 10, Fraction::of(31, 10)}, {4, -5, 2, Fraction::of(-13, 2)}, {5, -4, 3, Fraction::of(-19, 3)},
        {6, -3, 4, Fraction::of(-27, 4)}, {1, -2, 5, Fraction::of(-7, 5)},  {2, -1, 6, Fraction::of(-13, 6)},
        {3, 1, 7, Fraction::of(22, 7)},
    };
    MixedNumber question = firstMixedNumber();
    EXPECT_EQ(question, mixedNumber(2, 1, 3));
    EXPECT_EQ(asFraction(question), Fraction::of(7, 3));
    for (const auto& row : rows) {
        question = nextMixedNumber(question);
        const MixedNumber expected = mixedNumber(row.whole, row.numerator, row.denominator);
        SCOPED_TRACE(::testing::PrintToString(expected));
        EXPECT_EQ(question, expected);
        EXPECT_EQ(asFraction(question), row.expected);
    }
}

TEST(MixedCycles, ANumeratorNotBelowTheDenominatorAsTextIsPulledDown) {
    // "2" is not before "0" as text: 0 - 5, then the zero denominator becomes 2.
    EXPECT_EQ(nextMixedNumber(mixedNumber(3, 1, 10)), mixedNumber(4, -5, 2));
    // "7" is not before "10" as text, though 7 < 10.
    EXPECT_EQ(nextMixedNumber(mixedNumber(1, 6, 9)), mixedNumber(2, 5, 10));
    // A numerator as large as the denominator pushes the denominator up.
    EXPECT_EQ(nextMixedNumber(mixedNumber(1, -5, 3)), mixedNumber(2, -4, 5));
}

TEST(MixedCycles, MixedNumbersNeverHaveAZeroPartOrAWholeFractionPart) {
    std::set<std::string> seen;
    MixedNumber question = firstMixedNumber();
    while (seen.insert(::testing::PrintToString(question)).second) {
        question = nextMixedNumber(question);
        EXPECT_FALSE(question.whole.isZero());
        EXPECT_FALSE(question.part.numerator.isZero());
        EXPECT_FALSE(question.part.denominator.isZero());
        EXPECT_NE(question.part.numerator.size(), question.part.denominator);
    }
    EXPECT_LE(seen.size(), 8U * 11U * 7U);
}

TEST(MixedCycles, SimplestFormsFollowEachOtherFromTwoThirds) {
    const struct {
        std::int64_t question[2], answer[2], multiplier;
    } rows[] = {
        {{6, 10}, {3, 5}, 3},    {{12, 21}, {4, 7}, 4},   {{20, 36}, {5, 9}, 5},   {{30, 55}, {6, 11}, 6},
        {{42, 78}, {7, 13}, 7},  {{56, 105}, {8, 15}, 8}, {{72, 136}, {9, 17}, 9}, {{90, 171}, {10, 19}, 10},
        {{10, 110}, {1, 11}, 2}, {{4, 26}, {2, 13}, 3},   {{9, 45}, {1, 5}, 4},    {{8, 28}, {2, 7}, 5},
        {{15, 45}, {1, 3}, 6},
    };
    SimplestForm form = firstSimplestForm();
    EXPECT_EQ(form, (SimplestForm{Fraction::of(10, 15), Fraction::of(2, 3), Exact::of(2)}));
    for (const auto& row : rows) {
        form = nextSimplestForm(form);
        SCOPED_TRACE(std::to_string(row.question[0]) + "/" + std::to_string(row.question[1]));
        EXPECT_EQ(form,
                  (SimplestForm{Fraction::of(row.question[0], row.question[1]),
                                Fraction::of(row.answer[0], row.answer[1]), Exact::of(row.multiplier)}));
    }
}

TEST(MixedCycles, SimplestFormQuestionsStayProperAndSmall) {
    SimplestForm form = firstSimplestForm();
    for (int press = 0; press < 1000; ++press) {
        form = nextSimplestForm(form);
        EXPECT_LT(form.question.numerator, form.question.denominator);
        EXPECT_GT(form.question.numerator, Exact::of(0));
        EXPECT_LT(numberText(form.question.denominator).size(), 5U) << press;
    }
}

TEST(MixedCycles, TheMultiplierIsReadAsA16BitWholeNumber) {
    const struct {
        const char* held;
        int multiplier;
    } rows[] = {{"2", 2},           {"10", 10},   {"2.5", 2}, {"3.5", 4},  {"32767", 32767},
                {"-32768", -32768}, {"32768", 2}, {"1e9", 2}, {"1e300", 2}};
    for (const auto& row : rows)
        EXPECT_EQ(readMultiplier(number(row.held)), row.multiplier) << row.held;
}

TEST(MixedCycles, GivenFractionsFollowEachOtherFromFiveThirds) {
    const std::int64_t rows[][2] = {{6, 4},  {7, 5},  {8, 6},  {9, 7},  {10, 8}, {11, 9}, {1, 10},
                                    {2, 11}, {3, 12}, {4, 13}, {5, 14}, {6, 2},  {7, 3}};
    Fraction given = firstGivenFraction();
    EXPECT_EQ(given, Fraction::of(5, 3));
    for (const auto& row : rows) {
        given = nextGivenFraction(given);
        EXPECT_EQ(given, Fraction::of(row[0], row[1])) << row[0] << "/" << row[1];
    }
    EXPECT_EQ(multiple(given, 2), Fraction::of(14, 6));
    EXPECT_EQ(multiple(given, 3), Fraction::of(21, 9));
}

constexpr Step kEarned1{Count::Earned, 1}, kPossible1{Count::Possible, 1}, kTotal1{Count::TotalEarned, 1};
constexpr Step kPossible2{Count::Possible, 2}, kTotalPossible2{Count::TotalPossible, 2};

TEST(MixedMarking, MixedNumberBoxesAreMarkedOneByOneAsExactText) {
    const Fraction seven = Fraction::of(7, 3);
    const struct {
        Typed typed;
        Marking marking;
    } rows[] = {
        {{"7", "3"}, {kEarned1, kPossible1, kTotal1, kEarned1, kPossible1, kTotal1, kTotalPossible2}},
        {{" 7 ", "3"}, {kEarned1, kPossible1, kTotal1, kEarned1, kPossible1, kTotal1, kTotalPossible2}},
        {{"7", "4"}, {kEarned1, kPossible1, kTotal1, kPossible1, kTotalPossible2}},
        {{"07", "3"}, {kPossible1, kEarned1, kPossible1, kTotal1, kTotalPossible2}},
        {{"7", ""}, {kPossible2, kTotalPossible2}},
        {{"-", "3"}, {kPossible2, kTotalPossible2}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(markMixedNumber(seven, read(row.typed)), row.marking)
            << row.typed.numerator << "/" << row.typed.denominator;
    // 4 and -5/2 is -13/2; 13 over -2 has the same value but neither box is right.
    EXPECT_EQ(markMixedNumber(Fraction::of(-13, 2), Answer::read("13", "-2")),
              (Marking{kPossible1, kPossible1, kTotalPossible2}));
}

TEST(MixedMarking, SimplestFormEarnsTwoWhenFullyReducedAndOneOnTheWay) {
    const Marking full{{Count::Earned, 2}, kPossible2, {Count::TotalEarned, 2}, kTotalPossible2};
    const Marking partly{kEarned1, kTotal1, kPossible2, kTotalPossible2};
    const Marking none{kPossible2, kTotalPossible2};
    const struct {
        Typed typed;
        const Marking& marking;
    } rows[] = {
        {{"2", "3"}, full},   {{"4", "6"}, partly}, {{"8", "12"}, partly},    {{"10", "15"}, none},
        {{"20", "30"}, none}, {{"2", "0"}, none},   {{"0", "0"}, none},       {{"", "3"}, none},
        {{"-", "3"}, none},   {{"3", "2"}, none},   {{"0.2", "0.3"}, partly}, // exactly 2/3, not in binary
    };
    const SimplestForm tenFifteenths = firstSimplestForm();
    for (const auto& row : rows)
        EXPECT_EQ(markSimplestForm(tenFifteenths, read(row.typed)), row.marking)
            << row.typed.numerator << "/" << row.typed.denominator;
}

TEST(MixedMarking, EqualFractionsExceptTheGivenOne) {
    const Fraction given = Fraction::of(5, 3);
    const struct {
        Typed typed;
        bool equal;
    } rows[] = {
        {{"10", "6"}, true},  {{"15", "9"}, true},  {{"-5", "-3"}, true},  {{"5", "3"}, false},
        {{"5.0", "3"}, true}, {{"10", "7"}, false}, {{"10", "0"}, false},  {{"", "6"}, false},
        {{"10", "-"}, false}, {{"0", "0"}, false},  {{"1.5", "0.9"}, true}}; // exactly 5/3, not in binary
    for (const auto& row : rows)
        EXPECT_EQ(isEqualFraction(read(row.typed), given), row.equal)
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
    const auto doubled = [](const char* changed, const char* other, const char* otherDenominator = "9") {
        return doubledToKeepApart(Answer::read(changed, "6"), Answer::read(other, otherDenominator));
    };
    EXPECT_EQ(doubled("15", "15"), Answer::of(Fraction::of(30, 18)));
    EXPECT_EQ(doubled("1.5", "1.5", "0.9"), Answer::of(*Fraction::read("3", "1.8")));
    EXPECT_FALSE(doubled("15", "10"));
    EXPECT_FALSE(doubled("15", "15.0"));
    EXPECT_FALSE(doubled("0", "0"));
}

} // namespace
