// A screen's layout as data: one Row per widget, in the terms of the screen's description (names,
// kinds, captions, twips, colours, fonts). Rows are built with small constexpr setters so a table
// reads like the description it comes from:
//
//   constexpr auto kStep = ui::label("Label1").font(ui::trad(18, true)).colors(ui::kWhite,
//   ui::rgb(0x004040)); constexpr ui::Row kLayout[] = { kStep.idx(0).at(6420, 1620, 2475, 615).tip("..."),
//   ... };
#pragma once

#include <cstdint>
#include <string_view>

class QPixmap;
class QCursor;

namespace ui {

enum class Kind { Label, TextBox, Button, Option, Frame, Line, Shape, Image, Timer };
enum class Align { Left, Right, Center };

struct Color {
    std::uint32_t rgb = 0;
    bool set = false;
};
constexpr Color rgb(std::uint32_t value) { return {value, true}; }

inline constexpr Color kWhite = rgb(0xFFFFFF);
inline constexpr Color kBlack = rgb(0x000000);
inline constexpr Color kYellow = rgb(0xFFFF00);
inline constexpr Color kHighlightText = kWhite;     // the system's highlight-text colour
inline constexpr Color kDesktop = rgb(0x3A6EA5);    // the system's desktop colour
inline constexpr Color kWindow = kWhite;            // the system's window colour
inline constexpr Color kButtonFace = rgb(0xD4D0C8); // the system's button colour

struct Font {
    std::string_view face;
    double points = 0;
    bool bold = false;
};
constexpr Font arial(double points, bool bold = false) { return {"Arial", points, bold}; }
constexpr Font trad(double points, bool bold = false) { return {"Traditional Arabic", points, bold}; }
constexpr Font msSans(double points, bool bold = false) { return {"MS Sans Serif", points, bold}; }

using PictureFn = const QPixmap& (*)();
using CursorFn = const QCursor& (*)();

struct Row {
    Kind kind = Kind::Label;
    std::string_view name;
    int index = -1; // element of a control array, or -1 for a single widget
    // Left, Top, Width, Height in twips; for a Line the two end points x1, y1, x2, y2.
    int left = 0, top = 0, width = 0, height = 0;
    std::string_view caption; // caption or text, UTF-8
    std::string_view tooltip;
    Color fore, back; // an unset back colour leaves a label transparent
    Font font;
    Align align = Align::Left;
    bool rightToLeft = false;
    bool border = false; // BorderStyle 1: single border on labels, thin frame on text boxes
    bool visible = true;
    bool enabled = true;
    bool graphical = false;  // buttons and options drawn in their back colour
    bool checked = false;    // options
    bool backdrop = false;   // a picture behind every other widget
    bool rounded = false;    // shapes
    int maxLength = 0;       // text boxes; 0 means no limit
    int tab = -1;            // tab position; -1 keeps the widget out of the tab order
    int interval = 0;        // timers, in milliseconds
    int lineWidth = 1;       // shapes and lines, in pixels
    Color lineColor, fill;   // shapes: border and fill; lines: colour
    std::string_view parent; // name of the enclosing Frame, if any
    PictureFn picture = nullptr;
    CursorFn pointer = nullptr;

    constexpr Row called(std::string_view n, int i = -1) const {
        auto s = *this;
        s.name = n;
        s.index = i;
        return s;
    }
    constexpr Row idx(int i) const {
        auto s = *this;
        s.index = i;
        return s;
    }
    constexpr Row at(int l, int t, int w, int h) const {
        auto s = *this;
        s.left = l;
        s.top = t;
        s.width = w;
        s.height = h;
        return s;
    }
    constexpr Row size(int w, int h) const {
        auto s = *this;
        s.width = w;
        s.height = h;
        return s;
    }
    constexpr Row pos(int l, int t) const {
        auto s = *this;
        s.left = l;
        s.top = t;
        return s;
    }
    constexpr Row text(std::string_view c) const {
        auto s = *this;
        s.caption = c;
        return s;
    }
    constexpr Row tip(std::string_view t) const {
        auto s = *this;
        s.tooltip = t;
        return s;
    }
    constexpr Row colors(Color f, Color b) const {
        auto s = *this;
        s.fore = f;
        s.back = b;
        return s;
    }
    constexpr Row foreColor(Color f) const {
        auto s = *this;
        s.fore = f;
        return s;
    }
    constexpr Row backColor(Color b) const {
        auto s = *this;
        s.back = b;
        return s;
    }
    constexpr Row transparent() const {
        auto s = *this;
        s.back = {};
        return s;
    }
    constexpr Row withFont(Font f) const {
        auto s = *this;
        s.font = f;
        return s;
    }
    constexpr Row center() const {
        auto s = *this;
        s.align = Align::Center;
        return s;
    }
    constexpr Row right() const {
        auto s = *this;
        s.align = Align::Right;
        return s;
    }
    constexpr Row rtl() const {
        auto s = *this;
        s.rightToLeft = true;
        return s;
    }
    constexpr Row bordered(bool b = true) const {
        auto s = *this;
        s.border = b;
        return s;
    }
    constexpr Row hidden(bool h = true) const {
        auto s = *this;
        s.visible = !h;
        return s;
    }
    constexpr Row disabled() const {
        auto s = *this;
        s.enabled = false;
        return s;
    }
    constexpr Row asGraphical() const {
        auto s = *this;
        s.graphical = true;
        return s;
    }
    constexpr Row selected() const {
        auto s = *this;
        s.checked = true;
        return s;
    }
    constexpr Row asBackdrop() const {
        auto s = *this;
        s.backdrop = true;
        return s;
    }
    constexpr Row roundedCorners() const {
        auto s = *this;
        s.rounded = true;
        return s;
    }
    constexpr Row maxLen(int n) const {
        auto s = *this;
        s.maxLength = n;
        return s;
    }
    constexpr Row tabAt(int t) const {
        auto s = *this;
        s.tab = t;
        return s;
    }
    constexpr Row every(int ms) const {
        auto s = *this;
        s.interval = ms;
        return s;
    }
    constexpr Row outline(Color c, int width) const {
        auto s = *this;
        s.lineColor = c;
        s.lineWidth = width;
        return s;
    }
    constexpr Row filled(Color c) const {
        auto s = *this;
        s.fill = c;
        return s;
    }
    constexpr Row in(std::string_view frame) const {
        auto s = *this;
        s.parent = frame;
        return s;
    }
    constexpr Row showing(PictureFn p) const {
        auto s = *this;
        s.picture = p;
        return s;
    }
    constexpr Row cursor(CursorFn c) const {
        auto s = *this;
        s.pointer = c;
        return s;
    }
};

constexpr Row make(Kind kind, std::string_view name, int index) {
    Row s;
    s.kind = kind;
    s.name = name;
    s.index = index;
    return s;
}
constexpr Row label(std::string_view name, int index = -1) { return make(Kind::Label, name, index); }
constexpr Row textBox(std::string_view name, int index = -1) { return make(Kind::TextBox, name, index); }
constexpr Row button(std::string_view name, int index = -1) { return make(Kind::Button, name, index); }
constexpr Row option(std::string_view name, int index = -1) { return make(Kind::Option, name, index); }
constexpr Row frame(std::string_view name, int index = -1) { return make(Kind::Frame, name, index); }
constexpr Row shape(std::string_view name, int index = -1) { return make(Kind::Shape, name, index); }
constexpr Row image(std::string_view name, int index = -1) { return make(Kind::Image, name, index); }
constexpr Row timer(std::string_view name, int index = -1) { return make(Kind::Timer, name, index); }
// A line from (x1, y1) to (x2, y2), in twips.
constexpr Row line(std::string_view name, int index, int x1, int y1, int x2, int y2) {
    return make(Kind::Line, name, index).at(x1, y1, x2, y2);
}

} // namespace ui
