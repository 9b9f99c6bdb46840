// A screen's layout as data: one Row per widget, in the terms its screen is drawn in (names,
// kinds, captions, twips, colours, fonts). Rows are built with small constexpr setters so a table
// reads like a description of the screen:
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

// A picture drawn for a device pixel ratio.
using PictureFn = QPixmap (*)(double devicePixelRatio);
using CursorFn = const QCursor& (*)();

struct Row {
    Kind kind = Kind::Label;
    std::string_view name;
    int index = -1; // element of a control array, or -1 for a single widget
    // Left, Top, Width, Height in twips; for a Line the two end points x1, y1, x2, y2.
    int left = 0, top = 0, width = 0, height = 0;
    std::string_view caption; // caption or text, UTF-8
    std::string_view tooltip;
    std::string_view spoken; // what a screen reader calls the widget, where its text does not say it
    Color fore, back;        // an unset back colour leaves a label transparent
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
    bool unheard = false;    // left out of what screen readers are shown, as shapes, lines and pictures are
    int maxLength = 0;       // text boxes; 0 means no limit
    int tab = -1;            // tab position; -1 keeps the widget out of the tab order
    int interval = 0;        // timers, in milliseconds
    int lineWidth = 1;       // shapes and lines, in pixels
    Color lineColor, fill;   // shapes: border and fill; lines: colour
    std::string_view parent; // name of the enclosing Frame, if any
    PictureFn picture = nullptr;
    CursorFn pointer = nullptr;

    // A copy of this row with one property set; the builders below read as the table's columns.
    template <class T, class V> constexpr Row with(T Row::*property, V value) const {
        Row copy = *this;
        copy.*property = value;
        return copy;
    }

    constexpr Row called(std::string_view n, int i = -1) const { return with(&Row::name, n).idx(i); }
    constexpr Row idx(int i) const { return with(&Row::index, i); }
    constexpr Row at(int l, int t, int w, int h) const { return pos(l, t).size(w, h); }
    constexpr Row size(int w, int h) const { return with(&Row::width, w).with(&Row::height, h); }
    constexpr Row pos(int l, int t) const { return with(&Row::left, l).with(&Row::top, t); }
    constexpr Row text(std::string_view c) const { return with(&Row::caption, c); }
    constexpr Row tip(std::string_view t) const { return with(&Row::tooltip, t); }
    constexpr Row says(std::string_view s) const { return with(&Row::spoken, s); }
    constexpr Row silent() const { return with(&Row::unheard, true); }
    constexpr Row colors(Color f, Color b) const { return foreColor(f).backColor(b); }
    constexpr Row foreColor(Color f) const { return with(&Row::fore, f); }
    constexpr Row backColor(Color b) const { return with(&Row::back, b); }
    constexpr Row transparent() const { return with(&Row::back, Color{}); }
    constexpr Row withFont(Font f) const { return with(&Row::font, f); }
    constexpr Row center() const { return with(&Row::align, Align::Center); }
    constexpr Row right() const { return with(&Row::align, Align::Right); }
    constexpr Row rtl() const { return with(&Row::rightToLeft, true); }
    constexpr Row bordered(bool b = true) const { return with(&Row::border, b); }
    constexpr Row hidden(bool h = true) const { return with(&Row::visible, !h); }
    constexpr Row disabled() const { return with(&Row::enabled, false); }
    constexpr Row asGraphical() const { return with(&Row::graphical, true); }
    constexpr Row selected() const { return with(&Row::checked, true); }
    constexpr Row asBackdrop() const { return with(&Row::backdrop, true); }
    constexpr Row roundedCorners() const { return with(&Row::rounded, true); }
    constexpr Row maxLen(int n) const { return with(&Row::maxLength, n); }
    constexpr Row tabAt(int t) const { return with(&Row::tab, t); }
    constexpr Row every(int ms) const { return with(&Row::interval, ms); }
    constexpr Row outline(Color c, int width) const {
        return with(&Row::lineColor, c).with(&Row::lineWidth, width);
    }
    constexpr Row filled(Color c) const { return with(&Row::fill, c); }
    constexpr Row in(std::string_view frame) const { return with(&Row::parent, frame); }
    constexpr Row showing(PictureFn p) const { return with(&Row::picture, p); }
    constexpr Row cursor(CursorFn c) const { return with(&Row::pointer, c); }
};

constexpr Row make(Kind kind, std::string_view name, int index) {
    return Row{}.with(&Row::kind, kind).called(name, index);
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
