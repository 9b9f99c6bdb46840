// What a completed result should hold, checked field by field so that a failure names the field.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <string>

#include "screens/quiz/quiz_rules.h"

struct ExpectedCompletion {
    const char *reducedNumerator, *reducedDenominator, *whole;
    bool asksReduced, asksWhole;
};

inline void expectCompletion(const screens::quiz::Completion& done, const ExpectedCompletion& expected) {
    EXPECT_EQ(done.reducedNumerator, expected.reducedNumerator);
    EXPECT_EQ(done.reducedDenominator, expected.reducedDenominator);
    EXPECT_EQ(done.whole, expected.whole);
    EXPECT_EQ(done.asksReduced, expected.asksReduced);
    EXPECT_EQ(done.asksWhole, expected.asksWhole);
}

// What the completion of N over D must be by exact arithmetic: the pair reduced by the greatest
// common divisor, unless it is whole under reduced-or-whole; the whole number when D divides N.
inline void expectExactCompletion(screens::quiz::WholeRule rule, const std::string& nText,
                                  const std::string& dText, std::int64_t n, std::int64_t d) {
    const screens::quiz::Completion done = screens::quiz::complete(rule, nText, dText);
    const std::int64_t g = std::gcd(n, d);
    const bool whole = n % d == 0;
    const bool reducedOrWhole = rule == screens::quiz::WholeRule::ReducedOrWhole;
    const bool reduces = g > 1 && n != 0 && !(whole && reducedOrWhole);
    EXPECT_EQ(done.reducedNumerator, reduces ? std::to_string(n / g) : "") << nText << "/" << dText;
    EXPECT_EQ(done.reducedDenominator, reduces ? std::to_string(d / g) : "");
    EXPECT_EQ(done.whole, whole ? std::to_string(n / d) : "");
    EXPECT_EQ(done.asksReduced, reduces);
    EXPECT_EQ(done.asksWhole, n == 0 || (whole && (reduces || reducedOrWhole)));
}
