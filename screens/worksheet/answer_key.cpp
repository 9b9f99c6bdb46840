#include "screens/worksheet/answer_key.h"

#include <optional>

#include "fraction/fraction.h"
#include "fraction/ratio.h"

namespace screens::worksheet {

namespace {

using fraction::Ratio;

// A box's number: absent when the box is empty, unreadable when it holds anything else (a lone "-").
struct Box {
    bool filled = false;
    std::optional<Ratio> number;
};

Box read(std::string_view text) {
    const std::string trimmed = fraction::trimmed(text);
    return {!trimmed.empty(), Ratio::read(trimmed)};
}

// A mixed number's value, or why it has none.
struct Value {
    enum { Known, Incomplete, DividesByZero } state;
    Ratio number;
};
constexpr Value kIncomplete{Value::Incomplete, {}};

// A mixed number is negative when either of its parts is, and as large as both together: -2 and 1/2
// is -2 1/2, as it is written. A fraction part of 1 or more counts by its value (2 and 9/6 is 3 1/2).
std::optional<Ratio> joined(const Ratio& whole, const Ratio& part) {
    if (!whole.isNegative() && !part.isNegative())
        return sum(whole, part);
    const auto size = sum(whole.size(), part.size());
    return size ? difference({}, *size) : std::nullopt;
}

Value valueOf(const MixedNumber& mixed) {
    const Box whole = read(mixed.whole), numerator = read(mixed.numerator),
              denominator = read(mixed.denominator);
    for (const Box* box : {&whole, &numerator, &denominator})
        if (box->filled && !box->number)
            return kIncomplete;
    if (!numerator.filled && !denominator.filled)
        return whole.filled ? Value{Value::Known, *whole.number} : kIncomplete;
    if (!numerator.filled || !denominator.filled)
        return kIncomplete;
    if (denominator.number->isZero())
        return {Value::DividesByZero, {}};
    const auto part = quotient(*numerator.number, *denominator.number);
    const auto value = part && whole.filled ? joined(*whole.number, *part) : part;
    return value ? Value{Value::Known, *value} : kIncomplete;
}

std::optional<Ratio> operate(const Ratio& x, std::string_view operation, const Ratio& y) {
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

std::string fractionText(const Ratio& number) {
    return number.numeratorText() + "/" + number.denominatorText();
}

// The fraction, then its whole number, as the sheet places a whole-number box after its fraction.
std::string mixedText(const MixedNumber& mixed) {
    std::string whole = fraction::trimmed(mixed.whole);
    if (fraction::trimmed(mixed.numerator).empty())
        return whole;
    const std::string part = fraction::trimmed(mixed.numerator) + "/" + fraction::trimmed(mixed.denominator);
    return whole.empty() ? part : part + " " + whole;
}

std::string resultText(const Ratio& result) {
    if (result.isWhole())
        return result.numeratorText();
    const Ratio whole = result.wholePart();
    if (whole.isZero())
        return fractionText(result);
    const auto rest = difference(result, whole); // smaller than the result, so it always fits
    if (!rest)
        return fractionText(result);
    return fractionText(result) + " = " + fractionText(rest->size()) + " " + whole.numeratorText();
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
        (problem.operation == "÷" && second.number.isZero()))
        return std::string(kNoResult);
    const auto result = operate(first.number, problem.operation, second.number);
    return result ? resultText(*result) : std::string();
}

} // namespace screens::worksheet
