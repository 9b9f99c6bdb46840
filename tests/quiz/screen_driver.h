// Driving a test screen in its own terms: answer boxes, counters, score and stars.
#pragma once

#include <QAbstractButton>
#include <QLineEdit>

#include <string>
#include <vector>

#include "tests/support/driver.h"
#include "ui/form.h"

namespace screen {

// "Label1", 7 is the widget "Label1(7)"; index -1 names a single widget.
inline QString nameOf(const char* name, int index) { return ui::widgetName(name, index); }

// Opens a screen with its tick counters stopped, so that a test decides the counter values.
inline ui::Form& openStill(const char* name) {
    ui::Form& form = driver::open(name);
    form.timer("Timer1").stop();
    form.timer("Timer2").stop();
    return form;
}

inline void setCounters(ui::Form& form, int t1, int t2) {
    form.label("Label7").setCaption(std::to_string(t1));
    form.label("Label8").setCaption(std::to_string(t2));
}

inline std::string caption(const ui::Form& form, const char* name, int index) {
    return driver::textOf(driver::find(form, nameOf(name, index)));
}

inline bool shown(const ui::Form& form, const char* name, int index) {
    return ui::shown(driver::find(form, nameOf(name, index)));
}

inline QLineEdit& box(const ui::Form& form, int index) {
    return driver::find<QLineEdit>(form, nameOf("Text1", index));
}

// Types into the answer boxes, given as index and text.
inline void answer(const ui::Form& form, std::initializer_list<std::pair<int, const char*>> answers) {
    for (const auto& [index, text] : answers)
        driver::overtype(box(form, index), QString::fromUtf8(text));
}

inline void press(const ui::Form& form, const char* button) {
    driver::click(driver::find(form, QString::fromLatin1(button)));
}

// The score as "right/attempts".
inline std::string score(const ui::Form& form) {
    return driver::textOf(driver::find(form, "Label3")) + "/" + driver::textOf(driver::find(form, "Label4"));
}

// The indexes of the lit stars, in index order.
inline std::vector<int> litStars(const ui::Form& form) {
    std::vector<int> lit;
    for (int i = 0; i < 50; ++i)
        if (shown(form, "Image1", i))
            lit.push_back(i);
    return lit;
}

} // namespace screen
