// A monkey: random walks of a pupil's actions over whatever screens are loaded, driven through the
// automation contract only (object names and widget kinds), so a new screen is walked as soon as the
// menu opens it. After every action the screens' invariants are checked; a walk stops at the first
// broken one.
#pragma once

#include <QPointer>
#include <QTemporaryDir>

#include <cstdint>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "tests/support/driver.h"
#include "ui/form.h"

namespace monkey {

struct ScreenRules;

class Walk {
  public:
    explicit Walk(std::uint64_t seed);
    ~Walk();
    // Takes up to `count` actions; returns the first broken invariant, if any.
    std::optional<std::string> run(int count);
    // The seed and every action taken, one line each: what is printed when a walk fails, and when
    // the program dies under a sanitizer.
    std::string report() const;

  private:
    // The score captions a screen showed after the last action, to see that they never shrink.
    struct Scores {
        QPointer<const ui::Form> screen;
        std::vector<double> values;
    };

    void act();
    ui::Form& topScreen();
    void clickSomething(ui::Form& screen);
    void typeSomething(ui::Form& screen);
    void pressKey(ui::Form& screen);
    void letTimePass(ui::Form& screen);
    void switchScreen();
    std::string typedText();
    std::optional<std::string> broken(const std::string& lastAction);
    std::optional<std::string> badScore(const ui::Form& screen, const ScreenRules& rules,
                                        const std::string& lastAction);
    int below(int bound);
    void log(const ui::Form& screen, const std::string& action);

    std::uint64_t seed_;
    std::mt19937_64 random_;
    std::vector<std::string> actions_;
    std::map<std::string, Scores> scores_;
    QTemporaryDir pages_;
    // Questions (print the answer key?) answered yes or no at random.
    driver::MessageBoxes messageBoxes_{[this] { return below(2) == 0; }};
};

} // namespace monkey
