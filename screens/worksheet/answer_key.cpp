#include "screens/worksheet/answer_key.h"

#include <optional>

#include "fraction/fraction.h"
#include "fraction/fraction_value.h"

namespace screens::worksheet {

namespace {

using fraction::Exact;
using fraction::Fraction;

// A box's number: absent when the box is empty, unreadable when it holds anything else (a lone "-").
struct Box {
    bool filled = false;
    std::optional<Exact> number;
};

Box read(std::string_view text) {
    const std::string trimmed = fraction::trimmed(text);
    return {!trimmed.empty(), Exact::read(trimmed)};
}

// A mixed number's value, or why it has none.
struct Value {
    enum { Known, Incomplete, DividesByZero } state;
    Fraction number;
};
const Value kIncomplete{Value::Incomplete, {}};

bool isNegative(const Fraction& x) {
    return !x.numerator.isZero() && x.numerator.isNegative() != x.denominator.isNegative();
}

Fraction sizeOf(const Fraction& x) { return {x.numerator.size(), x.denominator.size()}; }

// A mixed number is negative when either of its parts is, and as large as both together: -2 and 1/2
// is -2 1/2, as it is written. A fraction part of 1 or more counts by its value (2 and 9/6 is 3 1/2).
Fraction joined(const fraction::MixedNumber& mixed) {
    const Fraction whole{mixed.whole};
    if (!mixed.whole.isNegative() && !isNegative(mixed.part))
        return sum(whole, mixed.part);
    return difference({}, sum(sizeOf(whole), sizeOf(mixed.part)));
}

Value valueOf(const MixedNumberBoxes& mixed) {
    const Box whole = read(mixed.whole), numerator = read(mixed.numerator),
              denominator = read(mixed.denominator);
    for (const Box* box : {&whole, &numerator, &denominator})
        if (box->filled && !box->number)
            return kIncomplete;
    if (!numerator.filled && !denominator.filled)
        return whole.filled ? Value{Value::Known, Fraction{*whole.number}} : kIncomplete;
    if (!numerator.filled || !denominator.filled)
        return kIncomplete;
    if (denominator.number->isZero())
        return {Value::DividesByZero, {}};
    const Fraction part{*numerator.number, *denominator.number};
    return {Value::Known, whole.filled ? joined({*whole.number, part}) : part};
}

std::optional<Fraction> operate(const Fraction& x, std::string_view operation, const Fraction& y) {
    if (operation == "+")
        return sum(x, y);
    if (operation == "-")
        return difference(x, y);
    if (operation == "×")
        return product(x, y);
    return quotient(x, y);
}

bool knownOperation(std::string_view operation) {
    return operation == "+" || operation == "-" || operation == "×" || operation == "÷";
}

std::string fractionText(const Fraction& number) {
    return fraction::wholeText(number.numerator) + "/" + fraction::wholeText(number.denominator);
}

// The fraction, then its whole number, as the sheet places a whole-number box after its fraction.
std::string mixedText(const MixedNumberBoxes& mixed) {
    std::string whole = fraction::trimmed(mixed.whole);
    if (fraction::trimmed(mixed.numerator).empty())
        return whole;
    const std::string part = fraction::trimmed(mixed.numerator) + "/" + fraction::trimmed(mixed.denominator);
    return whole.empty() ? part : part + " " + whole;
}

// Empty where the result's parts are too large to be put in lowest terms.
std::string resultText(const Fraction& result) {
    const std::optional<Fraction> lowest = fraction::lowestTerms(result);
    const std::optional<fraction::MixedNumber> mixed = fraction::asMixedNumber(result);
    if (!lowest || !mixed)
        return {};
    if (mixed->part.numerator.isZero())
        return fraction::wholeText(mixed->whole);
    if (mixed->whole.isZero())
        return fractionText(*lowest);
    return fractionText(*lowest) + " = " + fractionText(sizeOf(mixed->part)) + " " +
           fraction::wholeText(mixed->whole);
}

} // namespace

std::string problemText(const Problem& problem) {
    const Value first = valueOf(problem.first), second = valueOf(problem.second);
    if (first.state == Value::Incomplete || second.state == Value::Incomplete ||
        !knownOperation(problem.operation))
        return {};
    return mixedText(problem.first) + " " + std::string(problem.operation) + " " + mixedText(problem.second);
}

std::string answerText(const Problem& problem) {
    if (problemText(problem).empty())
        return {};
    const Value first = valueOf(problem.first), second = valueOf(problem.second);
    if (first.state == Value::DividesByZero || second.state == Value::DividesByZero ||
        (problem.operation == "÷" && second.number.numerator.isZero()))
        return std::string(kNoResult);
    const auto result = operate(first.number, problem.operation, second.number);
    return result ? resultText(*result) : std::string();
}

} // namespace screens::worksheet
