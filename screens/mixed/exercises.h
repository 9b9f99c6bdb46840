// The three mixed exercises without their screen: how each question follows from the one before, what
// answer it expects, how a typed answer is marked and when a reward picture is earned. The questions
// and answers are exact fractions (fraction/fraction_value.h); the screen shows them and marks what was
// typed against them, so the cycles and the marking can be checked on their own.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fraction/exact.h"
#include "fraction/fraction_value.h"
#include "screens/common/written.h"

namespace screens::mixed {

using fraction::Exact;
using fraction::Fraction;
using fraction::MixedNumber;

// An answer as it stands written, typed by the pupil or written by the screen: some rules compare
// its texts as text ("07" is not "7"), others the fraction they write.
using Answer = WrittenFraction;

// The remainder of the dividend, rounded to a whole number, with the sign of the dividend
// (-4 mod 8 is -4).
Exact remainder(const Exact& dividend, int divisor);

// Exercise 1: a mixed number as a fraction, from 2 and 1/3.
MixedNumber firstMixedNumber();
MixedNumber nextMixedNumber(const MixedNumber& current);
// The mixed number written as one fraction, not reduced: 2 and 1/3 is 7/3. A negative numerator makes
// the whole mixed number negative: 2 and -2/3 is -(2 + 2/3), -8/3.
Fraction asFraction(const MixedNumber& number);

// Exercise 2: the question, its simplest form and the multiplier the next question is built with,
// from 10/15 (2/3, multiplier 2).
struct SimplestForm {
    Fraction question, answer;
    Exact multiplier;
    bool operator==(const SimplestForm&) const = default;
};
SimplestForm firstSimplestForm();
// The multiplier as a 16-bit whole number.
int readMultiplier(const Exact& multiplier);
SimplestForm nextSimplestForm(const SimplestForm& current);

// Exercise 3: the given fraction after `given` (from 5/3), and the multiples shown as its equal
// fractions.
Fraction firstGivenFraction();
Fraction nextGivenFraction(const Fraction& given);
Fraction multiple(const Fraction& fraction, int factor);

// Marking: which score caption grows by how much, in the order the captions are to be raised. Each
// exercise has its own earned and possible pair; the total pair is shared.
enum class Count { Earned, Possible, TotalEarned, TotalPossible };
struct Step {
    Count count;
    int amount;
    bool operator==(const Step&) const = default;
};
using Marking = std::vector<Step>;

// Exercise 1: each box is one mark, compared as exact text with the expected part as it is shown.
Marking markMixedNumber(const Fraction& expected, const Answer& typed);
// Exercise 2: two marks for the simplest form, one for an equal fraction reduced only part of the way.
Marking markSimplestForm(const SimplestForm& question, const Answer& typed);
// Exercise 3: a typed fraction equal to the given one, the given fraction itself excepted.
bool isEqualFraction(const Answer& typed, const Fraction& given);

// An exercise's earned marks are rewarded as the tests' are, while above four fifths of the possible
// (screens/common/rewards.h); the total earned is rewarded at every multiple of 4, 0 included.
bool earnsTotalReward(double totalEarned);

// Exercise 3 shows two equal fractions; when a change of one gives both the same numerator as text,
// the other is doubled to keep them apart. Empty when the other stays as it is.
std::optional<Answer> doubledToKeepApart(const Answer& changed, const Answer& other);

} // namespace screens::mixed
