// What a completed result should hold, checked field by field so that a failure names the field.
#pragma once

#include <gtest/gtest.h>

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
