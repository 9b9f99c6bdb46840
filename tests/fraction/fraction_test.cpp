#include "fraction/fraction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

using fraction::Reduction;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kTwo53 = 9007199254740992.0;

TEST(Fraction, NumericTextsAndTheirValues) {
    struct Row {
        std::string text;
        bool numeric;
        double value;
    };
    const Row rows[] = {
        {"5", true, 5},         {" -3 ", true, -3},   {"\t7\t", true, 7},      {"+4", true, 4},
        {"2.5", true, 2.5},     {".5", true, 0.5},    {"5.", true, 5},         {"-.5", true, -0.5},
        {"1e3", true, 1000},    {"1E-2", true, 0.01}, {"-2.5e+2", true, -250}, {"007", true, 7},
        {"1e308", true, 1e308}, {"", false, 0},       {"   ", false, 0},       {"-", false, 0},
        {"+", false, 0},        {".", false, 0},      {"1e", false, 0},        {"1e+", false, 0},
        {"1 2", false, 0},      {"- 5", false, 0},    {"--5", false, 0},       {"+-5", false, 0},
        {"12a", false, 0},      {"a", false, 0},      {"1,5", false, 0},       {"0x10", false, 0},
        {"inf", false, 0},      {"-nan", false, 0},   {"1e999", false, 0},     {"-1e999", false, 0},
        {"1e-999", false, 0},   {"٣٤", false, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("text \"" + row.text + "\"");
        EXPECT_EQ(fraction::isNumeric(row.text), row.numeric);
        EXPECT_EQ(fraction::value(row.text), row.value);
    }
}

TEST(Fraction, VeryLongTextsAreJudgedWhole) {
    const std::string manyDigits(100000, '7');
    EXPECT_FALSE(fraction::isNumeric(manyDigits)); // beyond the range of a double
    EXPECT_FALSE(fraction::isNumeric("0." + std::string(100000, '0') + "1"));
    EXPECT_TRUE(fraction::isNumeric("0." + manyDigits));
    EXPECT_FALSE(fraction::isNumeric("0." + manyDigits + " 1"));
    EXPECT_EQ(fraction::filterInput(manyDigits + "x"), "");
}

TEST(Fraction, NumberText) {
    const struct {
        double value;
        std::string text;
    } rows[] = {
        {6, "6"},
        {-2, "-2"},
        {2.5, "2.5"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.333333333333333"},
        {-2.0 / 3, "-0.666666666666667"},
        {-0.0, "0"},
        {123456789012345, "123456789012345"},
        {1e15, "1E+15"},
        {1e20, "1E+20"},
        {-1e20, "-1E+20"},
        {std::numeric_limits<double>::max(), "1.79769313486231E+308"}, // not rounded beyond the range
        {-std::numeric_limits<double>::max(), "-1.79769313486231E+308"},
        {0.0001, "0.0001"},
        {1e-5, "1E-05"},
        {kInf, ""},
        {-kInf, ""},
        {kNaN, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(fraction::numberText(row.value), row.text);
    }
}

TEST(Fraction, RoundingAndIntegerValue) {
    const struct {
        double value;
        std::optional<std::int64_t> integer;
    } rows[] = {
        {2.5, 2},
        {3.5, 4},
        {-2.5, -2},
        {-3.5, -4},
        {0.5, 0},
        {2.4999, 2},
        {2.5001, 3},
        {-0.4, 0},
        {kTwo53, 9007199254740992},
        {-kTwo53, -9007199254740992},
        {kTwo53 + 2, std::nullopt},
        {1e300, std::nullopt},
        {kInf, std::nullopt},
        {kNaN, std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.value);
        EXPECT_EQ(fraction::integerValue(row.value), row.integer);
        if (row.integer) {
            EXPECT_EQ(fraction::roundHalfEven(row.value), static_cast<double>(*row.integer));
        }
    }
}

TEST(Fraction, DividesNeverDividesByZeroOrOverflows) {
    const struct {
        double divisor;
        double dividend;
        bool divides;
    } rows[] = {
        {3, 12, true},          {5, 12, false},          {2, -6, true},      {-4, -8, true},
        {-3, 7, false},         {2, -7, false},          {0, 0, false},      {0, 5, false},
        {0.4, 4, false},        {0.6, 4, true},          {2, 2.5, true},     {1, kTwo53, true},
        {1, kTwo53 + 2, false}, {kTwo53 + 2, 0, false},  {3, kTwo53, false}, {1, kNaN, false},
        {kInf, 0, false},       {-kTwo53, kTwo53, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.divisor) + " into " + std::to_string(row.dividend));
        EXPECT_EQ(fraction::divides(row.divisor, row.dividend), row.divides);
    }
}

TEST(Fraction, ReductionKeepsTheLastDivisorUpTo100) {
    const struct {
        std::string numerator, denominator;
        Reduction reduced;
    } rows[] = {
        {"12", "18", {"2", "3", 6}},      {"7", "5", {"7", "5", 1}},   {"200", "400", {"2", "4", 100}},
        {"286", "143", {"22", "11", 13}}, {"-6", "4", {"-3", "2", 2}}, {"-120", "240", {"-2", "4", 60}},
        {"130", "-130", {"2", "-2", 65}}, {"0", "6", {"0", "1", 6}},   {" 324 ", "162", {"4", "2", 81}},
        {"-105", "210", {"-3", "6", 35}}, {"1e20", "4", {"", "", 0}},  {"4", "1e300", {"", "", 0}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.numerator + "/" + row.denominator);
        const Reduction reduced = fraction::reduce(row.numerator, row.denominator);
        EXPECT_EQ(reduced.numerator, row.reduced.numerator);
        EXPECT_EQ(reduced.denominator, row.reduced.denominator);
        EXPECT_EQ(reduced.divisor, row.reduced.divisor);
    }
    EXPECT_EQ(fraction::reductionTooltip(6), "بقسمة البسط والمقام على  6");
}

TEST(Fraction, WholeNumberResult) {
    const struct {
        std::string numerator, denominator, whole;
    } rows[] = {
        {"-8", "4", "-2"}, {"8", "-4", "-2"}, {"0", "6", "0"},  {"7", "5", ""},    {"286", "143", "2"},
        {"7", "0", ""},    {"0", "0", ""},    {"4", "0.4", ""}, {"1e20", "1", ""}, {" 12 ", "3", "4"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.numerator + "/" + row.denominator);
        EXPECT_EQ(fraction::wholeNumberResult(row.numerator, row.denominator), row.whole);
    }
}

TEST(Fraction, BracketsOnlyNegativeNumbers) {
    const struct {
        std::string field, bracketed;
    } fields[] = {{"-3", "(-3)"}, {" -3 ", "(-3)"}, {"4", "4"},  {"-", "-"},
                  {"", ""},       {"0", "0"},       {"-0", "-0"}};
    for (const auto& row : fields) {
        SCOPED_TRACE("field \"" + row.field + "\"");
        EXPECT_EQ(fraction::bracketed(row.field), row.bracketed);
    }
    const struct {
        double value;
        std::string bracketed;
    } numbers[] = {{-3, "(-3)"}, {-2.5, "(-2.5)"}, {0, "0"}, {-0.0, "0"}, {7, "7"}, {-kInf, ""}};
    for (const auto& row : numbers) {
        SCOPED_TRACE(row.value);
        EXPECT_EQ(fraction::bracketedNumber(row.value), row.bracketed);
    }
}

TEST(Fraction, SameDenominatorComparesTrimmedText) {
    EXPECT_TRUE(fraction::sameDenominator("4", "4"));
    EXPECT_TRUE(fraction::sameDenominator(" 4", "4\t"));
    EXPECT_FALSE(fraction::sameDenominator("2", "02"));
    EXPECT_FALSE(fraction::sameDenominator("2", "2.0"));
}

TEST(Fraction, MixedNumerator) {
    const struct {
        double whole, numerator, denominator, result;
    } rows[] = {{3, 1, 2, 7}, {3, -1, 2, -7}, {-3, 1, 2, -5}, {3, 0, 2, 6}, {0, -4, 5, -4}};
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.whole) + " " + std::to_string(row.numerator));
        EXPECT_EQ(fraction::mixedNumerator(row.whole, row.numerator, row.denominator), row.result);
    }
}

TEST(Fraction, FilterInput) {
    const struct {
        std::string typed, kept;
    } rows[] = {
        {"a", ""},    {"-", "-"},   {"-5", "-5"}, {"12a", ""},    {"", ""},   {"--", ""},   {" 7 ", " 7 "},
        {"٣٤", "34"}, {"-٣", "-3"}, {"۱۲", "12"}, {"٠.٥", "0.5"}, {"٣a", ""}, {"\xD9", ""}, {"1e999", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE("typed \"" + row.typed + "\"");
        EXPECT_EQ(fraction::filterInput(row.typed), row.kept);
    }
}

TEST(Fraction, TextOrder) {
    const struct {
        std::string a, b;
        bool before;
    } rows[] = {
        {"14", "4", true}, {"4", "14", false}, {"10", "7", true}, {"7", "8", true},  {"8", "7", false},
        {"1", "10", true}, {"10", "1", false}, {"7", "7", false}, {"-5", "3", true}, {"9", "٣", true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.a + " before " + row.b);
        EXPECT_EQ(fraction::textBefore(row.a, row.b), row.before);
    }
}

} // namespace
