#include "screens/solve/sum_rule.h"

#include "fraction/fraction.h"
#include "screens/solve/solve_texts.h"
#include "screens/common/step_text.h"

namespace screens {

namespace {

// The additive inverse of c as the difference's upper row writes it.
std::string inverseTerm(double c) {
    const std::string inverse = fraction::numberText(0 - c);
    return c >= 0 ? "(" + inverse + ")" : inverse;
}

} // namespace

double combined(const SumRule& rule, double x, double y) { return x + rule.sign * y; }

std::string commonNumeratorStep(const SumRule& rule, std::string_view a, std::string_view c, double cNumber) {
    const std::string second = rule.sign > 0 ? fraction::bracketed(c) : inverseTerm(cNumber);
    return fraction::bracketed(a) + std::string(step_text::kPlus) + second;
}

std::string crossProductStep(const SumRule& rule, std::string_view a, std::string_view b, std::string_view c,
                             std::string_view d) {
    const std::string cross(texts::kCross);
    return fraction::trimmed(d) + cross + fraction::trimmed(a) + std::string(rule.joiner) +
           fraction::trimmed(c) + cross + fraction::trimmed(b);
}

std::string productsStep(const SumRule& rule, double ad, double cb) {
    const std::string first = fraction::bracketedNumber(ad);
    const std::string second = fraction::bracketedNumber(cb);
    if (first.empty() || second.empty())
        return {};
    return first + std::string(rule.joiner) + second;
}

} // namespace screens
