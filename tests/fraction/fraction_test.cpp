#include "fraction/fraction.h"
#include "fraction/exact.h"
#include "fraction/fraction_value.h"
#include "tests/fraction/written_results.h"

#include <gtest/gtest.h>

#include <cmath>
#include <compare>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace {

using written::Reduction;
using written::reductionOf;
using written::wholeResultOf;

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

// The greatest common divisor, however large: a search up to 100 gave 200/400 as 2/4 and 202/404 as
// 101/202, a wrong simplest form.
TEST(Fraction, ReductionDividesByTheGreatestCommonDivisor) {
    const struct {
        std::string numerator, denominator;
        Reduction reduced;
    } rows[] = {
        {"12", "18", {"2", "3", 6}},
        {"7", "5", {"7", "5", 1}},
        {"200", "400", {"1", "2", 200}},
        {"120", "-240", {"1", "-2", 120}},
        {"202", "404", {"1", "2", 202}},
        {"286", "143", {"2", "1", 143}},
        {"-6", "4", {"-3", "2", 2}},
        {"-120", "240", {"-1", "2", 120}},
        {"130", "-130", {"1", "-1", 130}},
        {"0", "6", {"0", "1", 6}},
        {"0", "-6", {"0", "-1", 6}},
        {" 324 ", "162", {"2", "1", 162}},
        {"-105", "210", {"-1", "2", 105}},
        {"48", "180", {"4", "15", 12}},
        {"100", "400", {"1", "4", 100}},
        {"2.5", "4", {"1.25", "2", 2}}, // the integer value of 2.5 is 2; the value itself is divided
        {"6", "0.4", {"1", "0.0666666666666667", 6}}, // 0.4 has the integer value 0, which 6 divides
        {"0", "0.4", {"0", "0.004", 100}},            // both integer values 0: every divisor divides both
        {"9007199254740992", "4503599627370496", {"2", "1", 4503599627370496}}, // 2^53 over 2^52
        {"3", "0.9", {"3", "0.9", 1}},
        {"2.5000000000000001", "4", {"2.5", "4", 1}}, // integer values as typed: 3, not the double's 2
        {"9007199254740993", "1", {"", "", 0}},       // 2^53 + 1 has no integer value, though its double has
        {"", "6", {"", "", 0}},                       // a text that is not numeric is no fraction
        {"1e20", "4", {"", "", 0}},
        {"4", "1e300", {"", "", 0}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.numerator + "/" + row.denominator);
        const Reduction reduced = reductionOf(row.numerator, row.denominator);
        EXPECT_EQ(reduced.numerator, row.reduced.numerator);
        EXPECT_EQ(reduced.denominator, row.reduced.denominator);
        EXPECT_EQ(reduced.divisor, row.reduced.divisor);
    }
}

TEST(Fraction, WholeNumberResult) {
    const struct {
        std::string numerator, denominator, whole;
    } rows[] = {
        {"-8", "4", "-2"},
        {"8", "-4", "-2"},
        {"0", "6", "0"},
        {"7", "5", ""},
        {"286", "143", "2"},
        {"7", "0", ""},
        {"0", "0", ""},
        {"4", "0.4", ""},
        {"1e20", "1", ""},
        {" 12 ", "3", "4"},
        {"9007199254740993", "1", ""},
        {"-9007199254740992", "-1", "9.00719925474099E+15"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.numerator + "/" + row.denominator);
        EXPECT_EQ(wholeResultOf(row.numerator, row.denominator), row.whole);
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
    } rows[] = {
        {3, 1, 2, 7},    {3, -1, 2, -7}, {-3, 1, 2, -5},
        {3, 0, 2, 6},    {0, -4, 5, -4}, {-3, -1, 2, -7}, // both negative: -(3 1/2), no longer -(-6 + 1) = 5
        {-2, -2, 3, -8}, {-3, 0, 2, -6},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.whole) + " " + std::to_string(row.numerator));
        EXPECT_EQ(fraction::mixedNumerator(row.whole, row.numerator, row.denominator), row.result);
    }
}

// Each text is the exact decimal it is written as, compared with no rounding; one double can stand
// for two different numbers (0.1 and 0.10000000000000001), and a quotient can leave the doubles' range.
TEST(Fraction, ExactComparisonByValue) {
    const std::string sevens = "0." + std::string(20000, '7');
    const struct {
        std::string a, b, c, d; // a = c, or a/b = c/d when b is not empty
        bool same;
    } rows[] = {
        {"15.0", "", " +015 ", "", true},
        {"1.5E+1", "", "15", "", true},
        {"0.001", "", "1e-3", "", true},
        {"0", "", "-0e999999999999999999999", "", true},
        {"1e308", "", "1" + std::string(308, '0'), "", true},
        {"-15", "", "15", "", false},
        {"0.1", "", "0.10000000000000001", "", false},
        {sevens, "", sevens + "000", "", true},
        {sevens, "", sevens + "1", "", false},
        {"15", "", "", "", false},
        {"-", "", "-", "", false},
        {"0.6", "0.4", "6", "4", true},   // 1.4999999999999998 in binary floating point
        {"1.4", "1.5", "14", "15", true}, // 0.9333333333333332 against 0.9333333333333333
        {"0.3", "0.1", "3", "1", true},   // 2.9999999999999996 against 3
        {"-6", "4", "6", "-4", true},
        {"6", "4", "-6", "4", false},
        {"0", "5", "0", "-2", true},
        {"5", "0", "5", "0", false}, // no denominator may be zero
        {"5", "-", "5", "6", false},
        {"1e308", "1e-300", "1e300", "1e-308", true},
        {"1e308", "1e-300", "1e300", "1.000000000000001e-308", false},
        {"2", "3", "0.6666666666666666", "1", false},
        {"123456789123456789", "987654321987654321", "13717421", "109739369", true},
        {"123456789123456789", "987654321987654321", "13717421", "109739370", false},
        {sevens, sevens, "2", "2", true},
        {sevens, "7", "1", "9", false}, // 0.777...7 falls short of 7/9
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.a.substr(0, 40) + "/" + row.b.substr(0, 40) + " and " + row.c.substr(0, 40) + "/" +
                     row.d.substr(0, 40));
        if (row.b.empty()) {
            EXPECT_EQ(fraction::sameValue(row.a, row.c), row.same);
            EXPECT_EQ(fraction::sameValue(row.c, row.a), row.same);
        } else {
            EXPECT_EQ(fraction::sameRatio(row.a, row.b, row.c, row.d), row.same);
            EXPECT_EQ(fraction::sameRatio(row.c, row.d, row.a, row.b), row.same);
        }
    }
}

// The exact number type: read once from a numeric text, compared by value and by size, rounded to
// its integer value exactly; huge texts stay as short as they are written.
TEST(Exact, ReadsANumericTextExactly) {
    constexpr std::int64_t kWhole53 = 9007199254740992;
    const std::string digits400(400, '9');
    const struct {
        std::string text;
        bool numeric;
        std::optional<std::int64_t> integer;
        double nearest;
    } rows[] = {
        {"15.0", true, 15, 15},
        {" -2.5 ", true, -2, -2.5},
        {"3.5", true, 4, 3.5},
        {"2.5000000000000001", true, 3, 2.5}, // above the half, though its double is the half
        {"0.49999999999999999", true, 0, 0.5},
        {"-0.5", true, 0, -0.5},
        {"-0", true, 0, 0},
        {"0.06e2", true, 6, 6},
        {"1e-5", true, 0, 1e-5},
        {"9007199254740992.5", true, kWhole53, kTwo53},
        {"-9007199254740992", true, -kWhole53, -kTwo53},
        {"9007199254740993", true, std::nullopt, kTwo53},
        {"1e308", true, std::nullopt, 1e308},
        {digits400 + "e-300", true, std::nullopt, 1e100},
        {"0." + digits400, true, 1, 1},
        {"", false, std::nullopt, 0},
        {"-", false, std::nullopt, 0},
        {"1e999", false, std::nullopt, 0},
        {"1e-999", false, std::nullopt, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE("text \"" + row.text.substr(0, 40) + "\"");
        const std::optional<fraction::Exact> number = fraction::Exact::read(row.text);
        ASSERT_EQ(number.has_value(), row.numeric);
        ASSERT_EQ(fraction::isNumeric(row.text), row.numeric);
        if (!number)
            continue;
        EXPECT_EQ(number->integerValue(), row.integer);
        EXPECT_EQ(number->nearestDouble(), row.nearest);
        EXPECT_EQ(number->nearestDouble(), fraction::value(row.text));
    }
}

TEST(Exact, ComparesByValueAndBySize) {
    using std::strong_ordering;
    const struct {
        std::string a, b;
        strong_ordering byValue, bySize;
    } rows[] = {
        {"3", "-4", strong_ordering::greater, strong_ordering::less},
        {"-3", "3", strong_ordering::less, strong_ordering::equal},
        {"0", "-0.0", strong_ordering::equal, strong_ordering::equal},
        {"12", "120e-1", strong_ordering::equal, strong_ordering::equal},
        {"0.1", "0.10000000000000001", strong_ordering::less, strong_ordering::less}, // one double
        {"0.125", "0.13", strong_ordering::less, strong_ordering::less},
        {"1e308", "9e307", strong_ordering::greater, strong_ordering::greater},
        {"-1e-300", "0", strong_ordering::less, strong_ordering::greater},
        {"-7", "-70", strong_ordering::greater, strong_ordering::less},
        {"1" + std::string(300, '0'), "1e300", strong_ordering::equal, strong_ordering::equal},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.a.substr(0, 40) + " and " + row.b.substr(0, 40));
        const auto a = fraction::Exact::read(row.a), b = fraction::Exact::read(row.b);
        ASSERT_TRUE(a && b);
        EXPECT_EQ(*a <=> *b, row.byValue);
        EXPECT_EQ(*b <=> *a, 0 <=> row.byValue);
        EXPECT_EQ(*a == *b, row.byValue == 0);
        EXPECT_EQ(fraction::compareSize(*a, *b), row.bySize);
        EXPECT_EQ(*a == *b, fraction::sameValue(row.a, row.b));
    }
    EXPECT_EQ(*fraction::Exact::read("1.5") * *fraction::Exact::read("-0.4"), *fraction::Exact::read("-0.6"));
}

// a/b and c/d, by value and by size: 3 over 0.9 and 6 over 1.8 have the size of 10 over 3, though
// their binary quotients differ from 10 / 3.
TEST(Exact, ComparesRatiosByValueAndBySize) {
    const struct {
        std::string a, b, c, d;
        bool sameRatio, sameSize;
    } rows[] = {
        {"3", "0.9", "10", "3", true, true},   {"6", "1.8", "10", "3", true, true},
        {"-3", "0.9", "10", "3", false, true}, {"3", "-0.9", "-10", "-3", false, true},
        {"0.6", "0.4", "6", "4", true, true},  {"1", "3", "0.333333333333333333", "1", false, false},
        {"0", "5", "-0", "2", true, true},     {"3", "0", "10", "3", false, false},
        {"10", "3", "3", "0", false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.a + "/" + row.b + " and " + row.c + "/" + row.d);
        const auto a = fraction::Exact::read(row.a), b = fraction::Exact::read(row.b);
        const auto c = fraction::Exact::read(row.c), d = fraction::Exact::read(row.d);
        ASSERT_TRUE(a && b && c && d);
        EXPECT_EQ(fraction::sameRatio(*a, *b, *c, *d), row.sameRatio);
        EXPECT_EQ(fraction::sameRatio(*c, *d, *a, *b), row.sameRatio);
        EXPECT_EQ(fraction::sameRatioSize(*a, *b, *c, *d), row.sameSize);
        EXPECT_EQ(fraction::sameRatioSize(*c, *d, *a, *b), row.sameSize);
        EXPECT_EQ(fraction::sameRatio(row.a, row.b, row.c, row.d), row.sameRatio);
    }
}

// Exact arithmetic on fractions, then lowest terms and the mixed number; a result whose parts do not
// fit in 128 bits, or a division by zero, has none.
TEST(FractionValue, ComputesExactlyInLowestTerms) {
    const struct {
        std::string x;
        char operation;
        std::string y, result; // "n/d", or "" for no result
        std::string whole;     // the whole part of the result
    } rows[] = {
        {"0.1", '+', "0.2", "3/10", "0"},
        {"2.5", '+', "-0.5", "2/1", "2"},
        {"-0", '-', "0.25", "-1/4", "0"},
        {"25", '/', "-6", "-25/6", "-4"},
        {"-3", '/', "-6", "1/2", "0"},
        {"1.5", '*', "-4", "-6/1", "-6"},
        {"9e9", '/', ".01", "900000000000/1", "900000000000"},
        {"7", '/', "0.0", "", ""},
        {"1e30", '*', "1e30", "", ""},
        {"1e37", '+', "1e37", "20000000000000000000000000000000000000/1",
         "20000000000000000000000000000000000000"},
        {"1e38", '+', "1e38", "200000000000000000000000000000000000000/1",
         "200000000000000000000000000000000000000"},
        {"1e-39", '+', "1", "", ""},
        {"1e39", '-', "1", "", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.x + " " + row.operation + " " + row.y);
        const auto x = fraction::Exact::read(row.x), y = fraction::Exact::read(row.y);
        ASSERT_TRUE(x && y);
        const fraction::Fraction a{*x}, b{*y};
        const std::optional<fraction::Fraction> result = row.operation == '+'   ? sum(a, b)
                                                         : row.operation == '-' ? difference(a, b)
                                                         : row.operation == '*' ? product(a, b)
                                                                                : quotient(a, b);
        const auto lowest = result ? fraction::lowestTerms(*result) : std::nullopt;
        const auto mixed = result ? fraction::asMixedNumber(*result) : std::nullopt;
        ASSERT_EQ(lowest.has_value(), !row.result.empty());
        ASSERT_EQ(mixed.has_value(), !row.result.empty());
        if (!lowest)
            continue;
        EXPECT_EQ(fraction::wholeText(lowest->numerator) + "/" + fraction::wholeText(lowest->denominator),
                  row.result);
        EXPECT_EQ(fraction::wholeText(mixed->whole), row.whole);
    }
}

TEST(Fraction, FilterInput) {
    const struct {
        std::string typed, kept;
    } rows[] = {
        {"a", ""},      {"-", "-"},    {"-5", "-5"},   {"12a", ""},    {"", ""},       {"--", ""},
        {" 7 ", " 7 "}, {"٣٤", "34"},  {"-٣", "-3"},   {"۱۲", "12"},   {"٠.٥", "0.5"}, {"٣a", ""},
        {"\xD9", ""},   {"1e999", ""}, {"٢٫٥", "2.5"}, {"-٫٥", "-.5"}, {"٫", ""},      {"١٫٢٫٣", ""},
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
