// What a completed result should hold, checked field by field so that a failure names the field, and
// a problem's numbers as whole numbers.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <numeric>
#include <string>

#include "fraction/fraction.h"
#include "screens/quiz/quiz_rules.h"

struct ExpectedCompletion {
    const char *reducedNumerator, *reducedDenominator, *whole;
    bool asksReduced, asksWhole;
};

// The texts the screen writes for a completion: empty where it has no reduced pair or whole number.
struct CompletionTexts {
    std::string reducedNumerator, reducedDenominator, whole;
};

inline CompletionTexts textsOf(const screens::quiz::Completion& done) {
    const auto text = [](const fraction::Exact& number) { return fraction::numberText(number); };
    return {done.reduced ? text(done.reduced->numerator) : "",
            done.reduced ? text(done.reduced->denominator) : "", done.whole ? text(*done.whole) : ""};
}

inline void expectCompletion(const screens::quiz::Completion& done, const ExpectedCompletion& expected) {
    const CompletionTexts texts = textsOf(done);
    EXPECT_EQ(texts.reducedNumerator, expected.reducedNumerator);
    EXPECT_EQ(texts.reducedDenominator, expected.reducedDenominator);
    EXPECT_EQ(texts.whole, expected.whole);
    EXPECT_EQ(done.asksReduced(), expected.asksReduced);
    EXPECT_EQ(done.asksWhole, expected.asksWhole);
}

// What the completion of N over D must be by exact arithmetic: the pair reduced by the greatest
// common divisor, unless it is whole under reduced-or-whole; the whole number when D divides N.
inline void expectExactCompletion(screens::quiz::WholeRule rule, const fraction::Fraction& result,
                                  std::int64_t n, std::int64_t d) {
    const screens::quiz::Completion done = screens::quiz::complete(rule, result);
    const CompletionTexts texts = textsOf(done);
    const std::int64_t g = std::gcd(n, d);
    const bool whole = n % d == 0;
    const bool reducedOrWhole = rule == screens::quiz::WholeRule::ReducedOrWhole;
    const bool reduces = g > 1 && n != 0 && !(whole && reducedOrWhole);
    EXPECT_EQ(texts.reducedNumerator, reduces ? std::to_string(n / g) : "") << n << "/" << d;
    EXPECT_EQ(texts.reducedDenominator, reduces ? std::to_string(d / g) : "");
    EXPECT_EQ(texts.whole, whole ? std::to_string(n / d) : "");
    EXPECT_EQ(done.asksReduced(), reduces);
    EXPECT_EQ(done.asksWhole, n == 0 || (whole && (reduces || reducedOrWhole)));
}

// A problem's numbers a, b, c and d, each a whole number; d is 1 where the second number is whole.
inline std::array<std::int64_t, 4> numbersOf(const screens::quiz::Problem& p) {
    const fraction::Exact* parts[] = {&p.first.numerator, &p.first.denominator, &p.second.numerator,
                                      &p.second.denominator};
    std::array<std::int64_t, 4> numbers{};
    for (size_t i = 0; i < numbers.size(); ++i) {
        EXPECT_TRUE(parts[i]->isWhole()) << i;
        numbers[i] = parts[i]->integerValue().value_or(0);
    }
    return numbers;
}
