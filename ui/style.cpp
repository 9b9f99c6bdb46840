#include "ui/style.h"

#include <QApplication>
#include <QCursor>
#include <QPalette>
#include <QPixmapCache>
#include <QProxyStyle>
#include <QStyleFactory>

#include "ui/fonts.h"
#include "ui/scaling.h"
#include "ui/widgets.h"

namespace ui {

namespace {

Qt::Alignment horizontal(Align align) {
    switch (align) {
    case Align::Right:
        return Qt::AlignRight | Qt::AlignAbsolute;
    case Align::Center:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft | Qt::AlignAbsolute;
    }
}

void setColor(QWidget& widget, QPalette::ColorRole role, Color c) {
    if (!c.set)
        return;
    QPalette palette = widget.palette();
    palette.setColor(role, qcolor(c));
    widget.setPalette(palette);
}

void applyText(QWidget& widget, const Row& item) {
    widget.setFont(screenFont(item.font));
    widget.setLayoutDirection(item.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    if (item.pointer)
        widget.setCursor(item.pointer());
}

void applyButtonColors(QWidget& widget, const Row& item) {
    setColor(widget, QPalette::Button, item.back);
    setColor(widget, QPalette::ButtonText, item.fore);
    setColor(widget, QPalette::Window, item.back);
    // A caption colour set for every state would hide that a button is disabled; grey it then.
    if (item.fore.set) {
        QPalette palette = widget.palette();
        palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x80, 0x80, 0x80));
        widget.setPalette(palette);
    }
}

// Fusion, whose dialog buttons go without icons: Qt's dialogs read right to left here, and Qt draws the
// text of a right-to-left button that has an icon against the button's far edge, half cut off.
class Look : public QProxyStyle {
  public:
    Look() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* answer) const override {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, answer);
    }
    // The sizes of option circles and of the spaces around captions grow with a scaled screen.
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        const int size = QProxyStyle::pixelMetric(metric, option, widget);
        return widget && scalesWithScreen(metric) ? static_cast<int>(std::lround(size * scaleOf(*widget)))
                                                  : size;
    }

  private:
    static bool scalesWithScreen(PixelMetric metric) {
        switch (metric) {
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_RadioButtonLabelSpacing:
        case PM_CheckBoxLabelSpacing:
        case PM_ButtonMargin:
            return true;
        default:
            return false;
        }
    }
};

} // namespace

void installStyle() {
    // NOLINTBEGIN(clang-analyzer-cplusplus.NewDeleteLeaks): QApplication takes the style
    QApplication::setStyle(new Look);
    // The style caches its drawn buttons in Qt's pixmap cache, under names that hold each widget's
    // palette, and every screen opened brings new palettes. Qt keeps a name after its picture is
    // dropped, and clearing the cache keeps the names too, so a day of opening screens piles up
    // names that never match again. Without the cache nothing is kept; a button is drawn afresh,
    // which costs microseconds.
    QPixmapCache::setCacheLimit(0);
    // NOLINTEND(clang-analyzer-cplusplus.NewDeleteLeaks)
}

void applyBackground(QWidget& widget, Color back) {
    if (!back.set)
        return;
    widget.setAutoFillBackground(true);
    setColor(widget, QPalette::Window, back);
}

Label* makeLabel(QWidget* parent, const Row& item) {
    auto* label = new Label(parent);
    applyText(*label, item);
    label->setText(qstr(item.caption));
    label->setWordWrap(true);
    label->setAlignment(horizontal(item.align) | Qt::AlignTop);
    setColor(*label, QPalette::WindowText, item.fore);
    applyBackground(*label, item.back);
    if (item.border)
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
    return label;
}

TextBox* makeTextBox(QWidget* parent, const Row& item) {
    auto* box = new TextBox(parent);
    applyText(*box, item);
    if (item.rightToLeft)
        box->setRightToLeft();
    box->setFrame(item.border);
    box->setAlignment(horizontal(item.align) | Qt::AlignVCenter);
    setColor(*box, QPalette::Base, item.back);
    setColor(*box, QPalette::Text, item.fore);
    if (item.maxLength > 0)
        box->setMaxLength(item.maxLength);
    box->setText(qstr(item.caption));
    return box;
}

Button* makeButton(QWidget* parent, const Row& item) {
    auto* button = new Button(parent);
    applyText(*button, item);
    applyButtonColors(*button, item);
    button->setText(qstr(item.caption));
    return button;
}

QWidget* makeOption(QWidget* parent, const Row& item) {
    QAbstractButton* option = nullptr;
    if (item.graphical)
        option = new GraphicalOption(parent);
    else
        option = new Option(parent);
    applyText(*option, item);
    applyButtonColors(*option, item);
    setColor(*option, QPalette::WindowText, item.fore);
    if (!item.graphical)
        applyBackground(*option, item.back);
    option->setText(qstr(item.caption));
    option->setChecked(item.checked);
    return option;
}

Frame* makeFrame(QWidget* parent, const Row& item) {
    auto* frame = new Frame(parent);
    applyText(*frame, item);
    setColor(*frame, QPalette::WindowText, item.fore);
    applyBackground(*frame, item.back);
    frame->setTitle(qstr(item.caption));
    return frame;
}

} // namespace ui
