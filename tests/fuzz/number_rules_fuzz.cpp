// A fuzz target for the number rules: every rule is run on texts made of the input's bytes, and its
// result is checked against a reference written independently of fraction.cpp (a hand-written grammar,
// strtod and printf from the C library, nearbyint for rounding, a gcd for the reduction). Any
// disagreement prints the input's texts and aborts. Built with libFuzzer by `make fuzz`, and as a
// plain program that replays the committed corpus in the test suite.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <numeric>
#include <optional>
#include <string>
#include <string_view>

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

// The reduction keeps the largest divisor up to 100 of both integer values: the largest divisor
// up to 100 of their gcd (every divisor when both are 0).
void checkReduction(std::string_view numerator, std::string_view denominator) {
    const fraction::Reduction reduction = fraction::reduce(numerator, denominator);
    const auto n = referenceInteger(fraction::value(numerator));
    const auto d = referenceInteger(fraction::value(denominator));
    if (!n || !d) {
        check(reduction.divisor == 0 && reduction.numerator.empty() && reduction.denominator.empty(),
              "no reduction without integer values");
        return;
    }
    const std::int64_t gcd = std::gcd(*n, *d);
    int expected = 100;
    while (gcd != 0 && gcd % expected != 0)
        --expected;
    check(reduction.divisor == expected, "reduction divisor", std::to_string(reduction.divisor));
    const double n0 = fraction::value(numerator), d0 = fraction::value(denominator);
    check(reduction.numerator == fraction::numberText(n0 / expected), "reduced numerator",
          reduction.numerator);
    check(reduction.denominator == fraction::numberText(d0 / expected), "reduced denominator",
          reduction.denominator);
    // Whole values below 1e15 are written exactly, so the reduced pair times the divisor gives them back.
    if (n0 == *n && d0 == *d && std::fabs(n0) < 1e15 && std::fabs(d0) < 1e15) {
        check(fraction::value(reduction.numerator) * expected == n0, "reduced numerator divides exactly");
        check(fraction::value(reduction.denominator) * expected == d0, "reduced denominator divides exactly");
    }
}

void checkWholeNumber(std::string_view numerator, std::string_view denominator) {
    const std::string whole = fraction::wholeNumberResult(numerator, denominator);
    const double n0 = fraction::value(numerator), d0 = fraction::value(denominator);
    const auto n = referenceInteger(n0);
    const auto d = referenceInteger(d0);
    const bool divisible = n && d && *d != 0 && *n % *d == 0;
    check(whole == (divisible ? fraction::numberText(n0 / d0) : std::string()), "whole-number result", whole);
    if (divisible && n0 == *n && d0 == *d && std::fabs(n0) < 1e15)
        check(fraction::value(whole) * d0 == n0, "whole-number result multiplies back", whole);
}

// Arabic-Indic and Persian digits become 0-9; then the text is kept when numeric or "-", else emptied.
void checkInputFilter(std::string_view text) {
    static const char* const kDigitForms[] = {
        "\u0660", "\u0661", "\u0662", "\u0663", "\u0664", "\u0665", "\u0666", "\u0667", "\u0668", "\u0669",
        "\u06F0", "\u06F1", "\u06F2", "\u06F3", "\u06F4", "\u06F5", "\u06F6", "\u06F7", "\u06F8", "\u06F9"};
    std::string latin(text);
    for (int form = 0; form < 20; ++form)
        for (std::size_t at; (at = latin.find(kDigitForms[form])) != std::string::npos;)
            latin.replace(at, 2, 1, static_cast<char>('0' + form % 10));
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
    checkWholeNumber(numeratorText, denominatorText);
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        checkNumberText(raw);
        checkRounding(raw);
    }
    return 0;
}
