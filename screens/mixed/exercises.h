// The three mixed exercises without their screen: how each question follows from the one before, what
// answer it expects, how a typed answer is marked and when a reward picture is earned. Every function
// works on the numbers the captions hold or on typed texts, so the cycles and the marking can be
// checked on their own.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace screens::mixed {

// A fraction as two captions or two trimmed box texts.
struct FractionText {
    std::string numerator, denominator;
    bool operator==(const FractionText&) const = default;
};

// A fraction as the two numbers its captions hold.
struct Fraction {
    double numerator = 0, denominator = 0;
    bool operator==(const Fraction&) const = default;
};

// The remainder of the dividend, rounded to a whole number, with the sign of the dividend
// (-4 mod 8 is -4).
double remainder(double dividend, int divisor);

// Exercise 1: a mixed number as the numbers of its three captions. A negative numerator makes the
// whole number negative: 2 and -2/3 is -(2 + 2/3).
struct MixedNumber {
    double whole = 0, numerator = 0, denominator = 0;
    bool operator==(const MixedNumber&) const = default;
};
MixedNumber nextMixedNumber(const MixedNumber& current);
// The mixed number written as one fraction, not reduced: 2 and 1/3 is 7/3.
FractionText asFraction(const MixedNumber& number);

// Exercise 2: the question, its simplest form and the multiplier the next question will use.
struct SimplestForm {
    FractionText question, answer;
    std::string multiplier;
    bool operator==(const SimplestForm&) const = default;
};
// The multiplier as a 16-bit whole number.
int readMultiplier(double multiplier);
SimplestForm nextSimplestForm(const Fraction& previousAnswer, double multiplier);

// Exercise 3: the given fraction after `given`, and the multiples shown as its equal fractions.
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

// Exercise 1: each box is one mark, compared with the expected caption as exact text.
Marking markMixedNumber(const FractionText& expected, const FractionText& typed);
// Exercise 2: two marks for the simplest form, one for an equal fraction reduced only part of the way.
Marking markSimplestForm(double questionNumerator, const FractionText& answer, const FractionText& typed);
// Exercise 3: a typed fraction equal to the given one, the given fraction itself excepted.
bool isEqualFraction(const FractionText& typed, const FractionText& given);

// An exercise's earned marks are rewarded as the tests' are, while above four fifths of the possible
// (screens/common/rewards.h); the total earned is rewarded at every multiple of 4, 0 included.
bool earnsTotalReward(double totalEarned);

// Exercise 3 shows two equal fractions; when a change of one gives both the same numerator, the other
// is doubled to keep them apart.
bool mustDoubleOther(std::string_view changedNumerator, std::string_view otherNumerator);

} // namespace screens::mixed
