// A fuzz target for the number rules: every rule is run on texts made of the input's bytes, and its
// result is checked against a reference written independently of fraction.cpp and exact.cpp (a
// hand-written grammar, strtod and printf from the C library, nearbyint for rounding, the integer value
// rounded from the text's digits, Euclid's gcd for the reduction, doubles for the exact comparison where
// doubles are exact enough, and the comparison by value for the comparison by size). Any disagreement prints
// the input's texts and aborts. Built with libFuzzer by `make fuzz`, and as a plain program that replays the
// committed corpus in the test suite.
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "fraction/exact.h"
#include "fraction/fraction_value.h"
#include "tests/fraction/written_results.h"
#include "fraction/fraction.h"

namespace {

constexpr double kLargestWhole = 9007199254740992.0; // 2^53: every whole number below is a double

std::string_view numeratorText, denominatorText; // the texts of the input being checked

[[noreturn]] void fail(const char* rule, const std::string& detail) {
    std::fprintf(stderr, "%s: %s\n  numerator text \"%.*s\"\n  denominator text \"%.*s\"\n", rule,
                 detail.c_str(), static_cast<int>(numeratorText.size()), numeratorText.data(),
                 static_cast<int>(denominatorText.size()), denominatorText.data());
    std::abort();
}

void check(bool holds, const char* rule, const std::string& detail = {}) {
    if (!holds)
        fail(rule, detail);
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t digitsFrom(std::string_view text, std::size_t at) {
    std::size_t end = at;
    while (end < text.size() && isDigit(text[end]))
        ++end;
    return end - at;
}

// The grammar of a numeric text: blanks, [+-], digits with an optional point (at least one digit),
// an optional exponent [eE][+-]digits, blanks. Returns the number's part without blanks.
std::optional<std::string> numberPart(std::string_view text) {
    std::size_t first = 0, last = text.size();
    while (first < last && isBlank(text[first]))
        ++first;
    while (last > first && isBlank(text[last - 1]))
        --last;
    const std::string_view body = text.substr(first, last - first);
    std::size_t at = body.starts_with('+') || body.starts_with('-') ? 1 : 0;
    std::size_t digits = digitsFrom(body, at);
    at += digits;
    if (at < body.size() && body[at] == '.') {
        const std::size_t fraction = digitsFrom(body, at + 1);
        digits += fraction;
        at += 1 + fraction;
    }
    if (digits == 0)
        return std::nullopt;
    if (at < body.size() && (body[at] == 'e' || body[at] == 'E')) {
        std::size_t sign = at + 1 < body.size() && (body[at + 1] == '+' || body[at + 1] == '-') ? 1 : 0;
        const std::size_t exponent = digitsFrom(body, at + 1 + sign);
        if (exponent == 0)
            return std::nullopt;
        at += 1 + sign + exponent;
    }
    if (at != body.size())
        return std::nullopt;
    return std::string(body);
}

// The reference value: strtod of the grammar's number, refused when it reads as infinity or as a zero
// the pupil did not type (a non-zero digit before the exponent). Subnormal values are kept.
std::optional<double> referenceValue(std::string_view text) {
    const std::optional<std::string> number = numberPart(text);
    if (!number)
        return std::nullopt;
    const double parsed = std::strtod(number->c_str(), nullptr);
    const std::string_view mantissa = std::string_view(*number).substr(0, number->find_first_of("eE"));
    const bool typedNonZero = mantissa.find_first_of("123456789") != std::string_view::npos;
    if (std::isinf(parsed) || (parsed == 0.0 && typedNonZero))
        return std::nullopt;
    return parsed;
}

std::optional<std::int64_t> referenceInteger(double value) {
    const double whole = std::nearbyint(value); // the default rounding mode takes halves to even
    if (!std::isfinite(whole) || std::fabs(whole) > kLargestWhole)
        return std::nullopt;
    return static_cast<std::int64_t>(whole);
}

// The integer value of the number as written, rounded half to even, from the text's digits: the
// point moved by the exponent, the whole digits read, the digits after them compared with a half.
// Empty for texts that are not numeric (0 is taken for them by the rules) and sizes beyond 2^53.
std::optional<std::int64_t> referenceExactInteger(std::string_view text) {
    if (!referenceValue(text))
        return std::nullopt;
    std::string number = *numberPart(text);
    const bool negative = number.starts_with('-');
    if (number.starts_with('-') || number.starts_with('+'))
        number.erase(0, 1);
    const std::size_t e = number.find_first_of("eE");
    long long exponent = 0;
    if (e != std::string::npos) {
        std::string digits = number.substr(e + 1);
        const bool negativeExponent = digits.starts_with('-');
        if (digits.starts_with('-') || digits.starts_with('+'))
            digits.erase(0, 1);
        digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
        // A numeric text with a long exponent is 0 (with a non-zero digit it would be out of range).
        exponent = digits.size() > 15 ? 0 : std::atoll(digits.c_str());
        exponent = negativeExponent ? -exponent : exponent;
        number.resize(e);
    }
    const std::size_t point = std::min(number.find('.'), number.size());
    std::string digits = number.substr(0, point) + (point < number.size() ? number.substr(point + 1) : "");
    if (digits.find_first_not_of('0') == std::string::npos)
        return 0;
    const long long place = static_cast<long long>(point) + exponent; // digits before the point
    std::string whole, rest;
    if (place <= 0) {
        rest = std::string(static_cast<std::size_t>(-place), '0') + digits;
    } else if (static_cast<std::size_t>(place) >= digits.size()) {
        whole = digits + std::string(static_cast<std::size_t>(place) - digits.size(), '0');
    } else {
        whole = digits.substr(0, static_cast<std::size_t>(place));
        rest = digits.substr(static_cast<std::size_t>(place));
    }
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
    if (whole.size() > 16)
        return std::nullopt;
    long long result = whole.empty() ? 0 : std::atoll(whole.c_str());
    rest.erase(std::min(rest.find_last_not_of('0') + 1, rest.size()));
    if (!rest.empty() && (rest > "5" || (rest == "5" && result % 2 == 1)))
        ++result;
    if (result > 9007199254740992LL)
        return std::nullopt;
    return negative ? -result : result;
}

// The integer value the rules give a text: that of its number, 0 for a text that is not numeric (its
// value is 0).
std::optional<std::int64_t> referenceRulesInteger(std::string_view text) {
    return fraction::isNumeric(text) ? referenceExactInteger(text) : 0;
}

std::string show(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

void checkNumericText(std::string_view text) {
    const std::optional<double> expected = referenceValue(text);
    check(fraction::isNumeric(text) == expected.has_value(), "numeric test");
    const double value = fraction::value(text);
    check(expected ? value == *expected : value == 0.0, "value", show(value));
}

// The number text: empty exactly for non-finite values; otherwise a numeric text in the shortest form
// of at most 15 significant digits, reading back as the value rounded to 15 significant digits.
void checkNumberText(double value) {
    const std::string text = fraction::numberText(value);
    if (!std::isfinite(value)) {
        check(text.empty(), "number text of a non-finite value", text);
        return;
    }
    check(fraction::isNumeric(text), "number text is numeric", text + " for " + show(value));
    char rounded[64];
    std::snprintf(rounded, sizeof rounded, "%.14e", value);
    // The largest doubles would round beyond the range; they are written rounded towards zero.
    double expected = std::strtod(rounded, nullptr);
    if (std::isinf(expected))
        expected = std::copysign(1.79769313486231e308, value);
    check(fraction::value(text) == expected, "number text reads back", text + " for " + show(value));
    check(!text.starts_with('+') && text.find('e') == std::string::npos, "number text form", text);
    const std::size_t mantissaEnd = std::min(text.find('E'), text.size());
    const std::string_view mantissa = std::string_view(text).substr(0, mantissaEnd);
    if (mantissa.find('.') != std::string_view::npos)
        check(!mantissa.ends_with('0') && !mantissa.ends_with('.'), "number text is shortest", text);
    const std::size_t firstSignificant = mantissa.find_first_not_of("-0.");
    std::size_t significant = 0;
    if (firstSignificant != std::string_view::npos)
        for (char c : mantissa.substr(firstSignificant))
            significant += isDigit(c) ? 1 : 0;
    check(significant <= 15, "number text has at most 15 significant digits", text);
    if (value == std::trunc(value) && std::fabs(value) < 1e15)
        check(text.find_first_of(".E") == std::string::npos, "whole number text", text);
}

void checkRounding(double value) {
    if (!std::isfinite(value))
        return;
    check(fraction::roundHalfEven(value) == std::nearbyint(value), "round half to even", show(value));
    check(fraction::integerValue(value) == referenceInteger(value), "integer value", show(value));
}

// The reduction divides by the greatest common divisor of both integer values, found here by
// Euclid's algorithm on magnitudes; when both are 0, every divisor divides both and 100 is kept.
std::int64_t referenceGcd(std::int64_t a, std::int64_t b) {
    a = a < 0 ? -a : a; // |values| are at most 2^53
    b = b < 0 ? -b : b;
    while (b != 0) {
        const std::int64_t rest = a % b;
        a = b;
        b = rest;
    }
    return a;
}

void checkReduction(std::string_view numerator, std::string_view denominator) {
    const written::Reduction reduction = written::reductionOf(numerator, denominator);
    const auto n = referenceRulesInteger(numerator);
    const auto d = referenceRulesInteger(denominator);
    if (!n || !d || !fraction::isNumeric(numerator) || !fraction::isNumeric(denominator)) {
        check(reduction.divisor == 0 && reduction.numerator.empty() && reduction.denominator.empty(),
              "no reduction without integer values");
        return;
    }
    const std::int64_t gcd = referenceGcd(*n, *d);
    const std::int64_t expected = gcd == 0 ? 100 : gcd;
    check(reduction.divisor == expected, "reduction divisor", std::to_string(reduction.divisor));
    const double n0 = fraction::value(numerator), d0 = fraction::value(denominator);
    const double by = static_cast<double>(expected);
    check(reduction.numerator == fraction::numberText(n0 / by), "reduced numerator", reduction.numerator);
    check(reduction.denominator == fraction::numberText(d0 / by), "reduced denominator",
          reduction.denominator);
    // Whole values below 1e15 are written exactly, so the reduced pair times the divisor gives them back,
    // the reduced pair has no common divisor left, and it is the same number as N over D.
    if (n0 == *n && d0 == *d && std::fabs(n0) < 1e15 && std::fabs(d0) < 1e15) {
        check(fraction::value(reduction.numerator) * by == n0, "reduced numerator divides exactly");
        check(fraction::value(reduction.denominator) * by == d0, "reduced denominator divides exactly");
        if (gcd != 0) {
            const auto rn = referenceInteger(fraction::value(reduction.numerator));
            const auto rd = referenceInteger(fraction::value(reduction.denominator));
            check(rn && rd && referenceGcd(*rn, *rd) == 1, "reduced pair is in lowest terms");
        }
        // Only for texts that are those whole numbers exactly: 1.0000000000000001 reads as the double 1.
        const bool exactlyWhole = fraction::sameValue(numerator, std::to_string(*n)) &&
                                  fraction::sameValue(denominator, std::to_string(*d));
        if (d0 != 0 && exactlyWhole)
            check(fraction::sameRatio(reduction.numerator, reduction.denominator, numerator, denominator),
                  "reduced pair has the same value");
    }
}

// The number part of a numeric text with its sign turned: "-x" for "x" or "+x", "x" for "-x".
std::string negated(std::string_view text) {
    const std::optional<std::string> number = numberPart(text);
    if (!number)
        return std::string(text);
    if (number->starts_with('-'))
        return number->substr(1);
    return "-" + (number->starts_with('+') ? number->substr(1) : *number);
}

// Digits of the mantissa from the first non-zero one to the last non-zero one.
std::size_t significantDigits(const std::string& number) {
    const std::string mantissa = number.substr(0, number.find_first_of("eE"));
    std::string digits;
    for (char c : mantissa)
        if (isDigit(c))
            digits += c;
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return 0;
    return digits.find_last_not_of('0') - first + 1;
}

// The exact comparison against doubles: an exact equality is an equality of the doubles too, and two
// numbers of at most 15 significant digits in the normal range with one double are the same number
// (15 decimal digits survive the way through a double). A ratio is itself, and its negatives.
void checkExactComparison(std::string_view a, std::string_view b) {
    const std::optional<double> x = referenceValue(a), y = referenceValue(b);
    const bool same = fraction::sameValue(a, b);
    check(fraction::sameValue(a, a) == x.has_value(), "a numeric text has its own value");
    check(same == fraction::sameValue(b, a), "the same value both ways");
    if (!x || !y) {
        check(!same, "a text that is not numeric has no value to compare");
        return;
    }
    if (same)
        check(*x == *y, "same exact value, different doubles");
    const bool shortAndNormal =
        significantDigits(*numberPart(a)) <= 15 && significantDigits(*numberPart(b)) <= 15 &&
        (*x == 0 || std::fabs(*x) >= DBL_MIN) && (*y == 0 || std::fabs(*y) >= DBL_MIN);
    if (shortAndNormal && *x == *y)
        check(same, "15 significant digits and one double, but not the same value");
    check(fraction::sameRatio(a, "1", b, "1") == same, "a ratio over 1 is its numerator");
    const bool ratio = *y != 0;
    check(fraction::sameRatio(a, b, a, b) == ratio, "a ratio is itself");
    check(fraction::sameRatio(a, b, negated(a), negated(b)) == ratio, "a ratio is the ratio of negatives");
    check(fraction::sameRatio(b, b, "1", "1") == ratio, "a number over itself is 1");
    if (ratio && *x != 0)
        check(!fraction::sameRatio(a, b, negated(a), b), "a ratio is not its negative");
}

// The exact number type: it reads exactly the numeric texts, to the double the text reads as and to
// the integer value of its digits; its orders agree with the comparison by value, with the doubles'
// order where the doubles differ (rounding to a double never reverses an order), and with themselves
// both ways; the size is the value without its sign; a ratio's size is that of the ratio or of its
// negative.
void checkExactType(std::string_view a, std::string_view b) {
    using fraction::Exact;
    const std::optional<Exact> x = Exact::read(a), y = Exact::read(b);
    check(x.has_value() == fraction::isNumeric(a) && y.has_value() == fraction::isNumeric(b), "exact: read");
    if (!x || !y)
        return;
    check(x->nearestDouble() == fraction::value(a), "exact: nearest double", show(x->nearestDouble()));
    check(x->integerValue() == referenceExactInteger(a), "exact: integer value",
          std::to_string(x->integerValue().value_or(-1)));
    const double dx = fraction::value(a), dy = fraction::value(b);
    const std::strong_ordering order = *x <=> *y;
    check((order == 0) == fraction::sameValue(a, b) && (*x == *y) == (order == 0), "exact: equal by value");
    check((*y <=> *x) == (0 <=> order), "exact: the order both ways");
    if (dx != dy)
        check((order < 0) == (dx < dy), "exact: order of different doubles");
    const std::strong_ordering size = fraction::compareSize(*x, *y);
    check((fraction::compareSize(*y, *x)) == (0 <=> size), "exact: the size order both ways");
    if (std::fabs(dx) != std::fabs(dy))
        check((size < 0) == (std::fabs(dx) < std::fabs(dy)), "exact: size order of different doubles");
    const std::optional<Exact> minusX = Exact::read(negated(a));
    check(minusX && fraction::compareSize(*x, *minusX) == 0, "exact: a number and its negative, one size");
    check((size == 0) == (fraction::sameValue(a, b) || fraction::sameValue(negated(a), b)),
          "exact: same size");
    check(x->size() == (x->isNegative() ? *minusX : *x) && !x->size().isNegative(), "exact: size");
    const std::optional<Exact> one = Exact::read("1");
    check(*x * *one == *x && (*x * *y == *y * *x), "exact: product");
    const bool ratio = !y->isZero() && !x->isZero();
    const bool sameSize = fraction::sameRatioSize(*x, *y, *y, *x);
    check(sameSize ==
              (ratio && (fraction::sameRatio(a, b, b, a) || fraction::sameRatio(a, b, negated(b), a))),
          "exact: ratio size against ratio value");
    check(fraction::sameRatioSize(*x, *y, *minusX, *y) == !y->isZero(),
          "exact: a ratio's negative, one size");
    const Exact sum = *x + *y;
    check(sum == *y + *x && sum - *y == *x && *x - *x == Exact{} && *x + -*x == Exact{},
          "exact: sum and difference");
    check((sum <=> *x) == (*y <=> Exact{}), "exact: a sum lies on the side of what is added");
    // The fraction x over y in lowest terms, where it fits: the same number, whole numbers over a
    // positive denominator, and already in lowest terms.
    const fraction::Fraction written{*x, *y};
    if (const auto lowest = fraction::lowestTerms(written))
        check(fraction::sameValue(*lowest, written) && lowest->numerator.isWhole() &&
                  lowest->denominator.isWhole() && !lowest->denominator.isNegative() &&
                  fraction::lowestTerms(*lowest) == lowest,
              "fraction: lowest terms");
    else
        check(y->isZero() || x->digits().size() + y->digits().size() > 38 ||
                  std::max(x->exponent(), y->exponent()) - std::min(x->exponent(), y->exponent()) > 0,
              "fraction: lowest terms of what fits");
}

void checkWholeNumber(std::string_view numerator, std::string_view denominator) {
    const std::string whole = written::wholeResultOf(numerator, denominator);
    if (!fraction::Fraction::read(numerator, denominator)) {
        check(whole.empty(), "no whole-number result without a fraction");
        return;
    }
    const double n0 = fraction::value(numerator), d0 = fraction::value(denominator);
    const auto n = referenceRulesInteger(numerator);
    const auto d = referenceRulesInteger(denominator);
    const bool divisible = n && d && *d != 0 && *n % *d == 0;
    check(whole == (divisible ? fraction::numberText(n0 / d0) : std::string()), "whole-number result", whole);
    if (divisible && n0 == *n && d0 == *d && std::fabs(n0) < 1e15)
        check(fraction::value(whole) * d0 == n0, "whole-number result multiplies back", whole);
}

// Arabic-Indic and Persian digits become 0-9 and the Arabic decimal separator a point; then the text is
// kept when numeric or "-", else emptied.
void checkInputFilter(std::string_view text) {
    static const char* const kDigitForms[] = {
        "\u0660", "\u0661", "\u0662", "\u0663", "\u0664", "\u0665", "\u0666", "\u0667", "\u0668", "\u0669",
        "\u06F0", "\u06F1", "\u06F2", "\u06F3", "\u06F4", "\u06F5", "\u06F6", "\u06F7", "\u06F8", "\u06F9"};
    std::string latin(text);
    for (int form = 0; form < 20; ++form)
        for (std::size_t at; (at = latin.find(kDigitForms[form])) != std::string::npos;)
            latin.replace(at, 2, 1, static_cast<char>('0' + form % 10));
    for (std::size_t at; (at = latin.find("\u066B")) != std::string::npos;)
        latin.replace(at, 2, 1, '.');
    const std::string kept = fraction::filterInput(text);
    const bool accepted = referenceValue(latin).has_value() || latin == "-";
    check(kept == (accepted ? latin : std::string()), "input filter", kept);
    check(fraction::filterInput(kept) == kept, "input filter keeps what it kept", kept);
}

void checkBrackets(std::string_view text) {
    const std::string trimmed = fraction::trimmed(text);
    const bool negative = fraction::value(text) < 0.0;
    check(fraction::bracketed(text) == (negative ? "(" + trimmed + ")" : trimmed), "brackets");
}

} // namespace

// The input is a numerator text, a newline and a denominator text; its first eight bytes are also
// taken as a double, to reach values no text gives (subnormals, NaNs, infinities).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = std::min(input.find('\n'), input.size());
    numeratorText = input.substr(0, split);
    denominatorText = input.substr(std::min(split + 1, input.size()));
    for (std::string_view text : {numeratorText, denominatorText}) {
        checkNumericText(text);
        checkRounding(fraction::value(text));
        checkNumberText(fraction::value(text));
        checkInputFilter(text);
        checkBrackets(text);
    }
    const double n = fraction::value(numeratorText), d = fraction::value(denominatorText);
    for (double computed : {n + d, n - d, n * d, n / d})
        checkNumberText(computed);
    checkReduction(numeratorText, denominatorText);
    checkExactComparison(numeratorText, denominatorText);
    checkExactType(numeratorText, denominatorText);
    checkWholeNumber(numeratorText, denominatorText);
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        checkNumberText(raw);
        checkRounding(raw);
    }
    return 0;
}
