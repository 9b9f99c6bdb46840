// The mixed-number panel at the bottom of the worked-solution screens: the pupil types a whole part w
// and a fraction n/d, and the panel shows w n/d as one fraction. It neither reads nor writes the
// problem above it. The screens place and colour it differently; its behaviour is the same.
#pragma once

#include <array>
#include <string_view>

#include "screens/solve/solve_texts.h"
#include "ui/form.h"

namespace screens {

struct Box {
    int left, top, width, height;
};
struct Bar {
    int left, right, top;
};

// One screen's column of the panel's layout.
struct PanelPlacement {
    ui::Color back; // fields, instructions and frames
    int maxLength;  // of each field; 0 for no limit
    int numeratorTab, denominatorTab, wholeTab;
    Box numerator, denominator, whole; // Text2(0), Text2(1), Text2(2)
    Bar fieldBar;                      // Line1
    Box equals, resultNumerator, resultDenominator;
    Bar resultBar; // Line2
    Box instructions, instructionsFrame, fieldsFrame, resultFrame;
};

namespace panel {

constexpr ui::Row at(ui::Row item, Box box) { return item.at(box.left, box.top, box.width, box.height); }

constexpr ui::Row field(const PanelPlacement& p, int index, Box box, std::string_view text, int tab) {
    return at(ui::textBox("Text2", index), box)
        .text(text)
        .colors(ui::kWhite, p.back)
        .withFont(ui::arial(18, true))
        .center()
        .rtl()
        .maxLen(p.maxLength)
        .tabAt(tab);
}

constexpr ui::Row frame(const PanelPlacement& p, std::string_view name, Box box) {
    return at(ui::shape(name), box).roundedCorners().outline(ui::kWhite, 3).filled(p.back);
}

constexpr ui::Row bar(std::string_view name, Bar b) {
    return ui::line(name, -1, b.left, b.top, b.right, b.top).outline(ui::kWhite, 3);
}

constexpr ui::Row result(std::string_view name, Box box, std::string_view text) {
    return at(ui::label(name), box).text(text).foreColor(ui::kWhite).withFont(ui::arial(18, true)).center();
}

} // namespace panel

// The panel's widgets, showing the example 3 1/2 = 7/2.
constexpr std::array<ui::Row, 12> mixedPanel(const PanelPlacement& p) {
    return {
        panel::field(p, 0, p.numerator, "1", p.numeratorTab).says(texts::kPanelNumeratorName),
        panel::field(p, 1, p.denominator, "2", p.denominatorTab).says(texts::kPanelDenominatorName),
        panel::field(p, 2, p.whole, "3", p.wholeTab).says(texts::kPanelWholeName),
        panel::bar("Line1", p.fieldBar),
        panel::at(ui::label("Label3"), p.equals)
            .text("=")
            .foreColor(ui::kWhite)
            .withFont(ui::msSans(18, true))
            .center(),
        panel::result("Label4", p.resultNumerator, "7"),
        panel::result("Label5", p.resultDenominator, "2"),
        panel::bar("Line2", p.resultBar),
        panel::at(ui::label("Label6"), p.instructions)
            .text(texts::kPanelInstructions)
            .tip(texts::kPanelTip)
            .colors(ui::kWhite, p.back)
            .withFont(ui::msSans(13.5))
            .center()
            .rtl(),
        panel::frame(p, "Shape3", p.instructionsFrame),
        panel::frame(p, "Shape1", p.fieldsFrame),
        panel::frame(p, "Shape2", p.resultFrame),
    };
}

// The panel's parts: the fields of w n/d and the fraction they make.
struct MixedPanel {
    ui::TextBox &numerator, &denominator, &whole;
    ui::Label &resultNumerator, &resultDenominator;
    ui::Label& instructions;
};

MixedPanel mixedPanelParts(const ui::Form& form);

// The panel's handlers; a refused denominator is replaced by `denominatorReset`.
void bindMixedPanel(ui::Form& form, MixedPanel& panel, std::string_view denominatorReset);

// A click on the screen's background takes the frame off every panel field.
void unframePanelFields(MixedPanel& panel);

} // namespace screens
