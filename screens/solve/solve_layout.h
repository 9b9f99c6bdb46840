// Row prototypes of the worked-solution screens' layout tables, and the joining of a screen's own
// rows with those of its mixed-number panel.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

#include "screens/solve/mixed_panel.h"
#include "screens/solve/solve_texts.h"
#include "ui/layout_row.h"

namespace screens::layout {

inline constexpr ui::Color kFieldBack = ui::rgb(0x004040);

// A problem field: a number, 1 until the pupil types another.
constexpr ui::Row field(std::string_view name, ui::Color fore, ui::Color back, ui::Font font) {
    return ui::textBox(name).text("1").tip(texts::kFieldTip).colors(fore, back).withFont(font).center();
}

// A sign between fractions or steps: "+", "-", "×", "÷" or "=".
inline constexpr ui::Row kSign =
    ui::label("Label2").size(435, 555).foreColor(ui::kYellow).withFont(ui::trad(20.25, true)).center();

// A step box: bordered, hidden until its row is solved.
constexpr ui::Row step(ui::Color back) {
    return ui::label("Label1")
        .colors(ui::kWhite, back)
        .withFont(ui::trad(18, true))
        .center()
        .bordered()
        .hidden();
}

// The explanation line and the fixed instruction above the problem.
constexpr ui::Row explanation(ui::Color back) {
    return ui::label("Label7")
        .text(texts::kStepPrompt)
        .colors(ui::kWhite, back)
        .withFont(ui::arial(18))
        .center()
        .rtl();
}
constexpr ui::Row instruction(ui::Color back) {
    return ui::label("Label8")
        .text(texts::kInstruction)
        .colors(ui::kWhite, back)
        .withFont(ui::arial(15.75))
        .center()
        .rtl();
}

// A rounded frame drawn behind a label or a button.
constexpr ui::Row frame(std::string_view name, ui::Color border, ui::Color fill) {
    return ui::shape(name).roundedCorners().outline(border, 3).filled(fill);
}

constexpr ui::Row button(std::string_view name, std::string_view caption, ui::Color back, ui::Font font) {
    return ui::button(name).text(caption).colors(ui::kBlack, back).withFont(font).asGraphical();
}

template <std::size_t N, std::size_t M>
constexpr std::array<ui::Row, N + M> withPanel(const ui::Row (&screen)[N],
                                               const std::array<ui::Row, M>& panel) {
    std::array<ui::Row, N + M> rows{};
    std::ranges::copy(panel, std::ranges::copy(screen, rows.begin()).out);
    return rows;
}

} // namespace screens::layout
