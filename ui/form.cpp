#include "ui/form.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QShortcut>

#include <algorithm>
#include <map>

#include "ui/accessibility.h"
#include "ui/caption_fit.h"
#include "ui/forms_list.h"
#include "ui/scaling.h"
#include "ui/style.h"

namespace ui {

QString widgetName(std::string_view name, int index) {
    const QString base = qstr(name);
    return index < 0 ? base : QStringLiteral("%1(%2)").arg(base).arg(index);
}

namespace {

// Stacking layers: what a layout table lists is created layer by layer, so later layers cover
// earlier ones whatever the order of the table.
int layerOf(const Row& item) {
    if (item.backdrop)
        return 0;
    switch (item.kind) {
    case Kind::Shape:
        return 1;
    case Kind::Label:
    case Kind::Line:
    case Kind::Image:
    case Kind::Timer:
        return 2;
    default:
        return 3;
    }
}

bool pressable(const QAbstractButton* button) { return button && shown(*button) && button->isEnabled(); }

bool hasCaption(Kind kind) {
    return kind == Kind::Label || kind == Kind::TextBox || kind == Kind::Button || kind == Kind::Option ||
           kind == Kind::Frame;
}

// The zoom keys act on the whole program from any screen, whatever has the focus (a text box too:
// the key never reaches it).
void bindZoomKeys(Form& form) {
    const auto bind = [&form](const QKeySequence& keys, auto action) {
        QObject::connect(new QShortcut(keys, &form), &QShortcut::activated, &form, action);
    };
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)})
        bind(keys, [&form] { forms::zoomIn(form); });
    bind(QKeySequence(Qt::CTRL | Qt::Key_Minus), [] { forms::zoomOut(); });
    bind(QKeySequence(Qt::CTRL | Qt::Key_0), [] { forms::resetZoom(); });
}

} // namespace

Form::Form(std::string_view name, std::string_view caption, int widthTwips, int heightTwips, Color back) {
    setObjectName(qstr(name));
    // A screen has a fixed size: it can be minimized and closed, never maximized.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(qstr(caption));
    setAttribute(Qt::WA_DeleteOnClose);
    sizeAtOne_ = QSize(pixels(widthTwips), pixels(heightTwips));
    setFixedSize(sizeAtOne_);
    setLayoutDirection(Qt::LeftToRight);
    applyBackground(*this, back);
    installScreenAccessibility();
    bindZoomKeys(*this);
    forms::loadedList().push_back(this);
}

Form::~Form() { std::erase(forms::loadedList(), this); }

void Form::build(std::span<const Row> layout) {
    for (int layer = 0; layer <= 3; ++layer)
        for (const Row& item : layout)
            if (layerOf(item) == layer)
                byName_.insert(widgetName(item.name, item.index), create(item));
    setTabOrder(layout);
}

void Form::setScale(double scale) {
    if (scale == scale_)
        return;
    scale_ = scale;
    setFixedSize(scaled(QRect(QPoint(), sizeAtOne_), scale).size());
    rescaleChildren(*this, scale);
    fitCaptions(*this);
}

QObject* Form::create(const Row& item) {
    QWidget* parent = item.parent.empty() ? this : &widget(item.parent);
    QWidget* created = nullptr;
    switch (item.kind) {
    case Kind::Label:
        created = makeLabel(parent, item);
        break;
    case Kind::TextBox:
        created = makeTextBox(parent, item);
        break;
    case Kind::Button:
        created = makeButton(parent, item);
        break;
    case Kind::Option:
        created = makeOption(parent, item);
        break;
    case Kind::Frame:
        created = makeFrame(parent, item);
        break;
    case Kind::Shape:
        created = new Shape(parent, item);
        break;
    case Kind::Line:
        created = new Line(parent, item);
        break;
    case Kind::Image:
        created = new Image(parent, item.picture);
        break;
    case Kind::Timer: {
        auto* timer = new Timer(this);
        timer->setObjectName(widgetName(item.name, item.index));
        timer->setInterval(item.interval);
        timer->start();
        return timer;
    }
    }
    created->setObjectName(widgetName(item.name, item.index));
    if (item.kind != Kind::Line)
        place(*created, QRect(pixels(item.left), pixels(item.top), pixels(item.width), pixels(item.height)));
    if (hasCaption(item.kind))
        keepBuiltFont(*created);
    if (!item.tooltip.empty())
        created->setToolTip(qstr(item.tooltip));
    if (!item.spoken.empty())
        created->setAccessibleName(qstr(item.spoken));
    // Shapes, lines and pictures only decorate; screen readers hear what they mean elsewhere.
    if (item.unheard || item.kind == Kind::Shape || item.kind == Kind::Line || item.kind == Kind::Image)
        unheard_.insert(created);
    created->setEnabled(item.enabled);
    created->setVisible(item.visible);
    created->raise();
    return created;
}

void Form::setTabOrder(std::span<const Row> layout) {
    std::vector<const Row*> ordered;
    for (const Row& item : layout)
        if (item.tab >= 0)
            ordered.push_back(&item);
    std::stable_sort(ordered.begin(), ordered.end(), [](auto* a, auto* b) { return a->tab < b->tab; });
    for (const Row* item : ordered)
        tabOrder_.push_back(&widget(item->name, item->index));
    for (size_t i = 1; i < tabOrder_.size(); ++i)
        QWidget::setTabOrder(tabOrder_[i - 1], tabOrder_[i]);
}

template <class T> T& Form::find(std::string_view name, int index) const {
    const QString key = widgetName(name, index);
    auto* typed = dynamic_cast<T*>(byName_.value(key));
    if (!typed)
        qFatal("%s has no widget %s of the kind asked for", qPrintable(objectName()), qPrintable(key));
    return *typed;
}

QWidget& Form::widget(std::string_view name, int index) const { return find<QWidget>(name, index); }
Label& Form::label(std::string_view name, int index) const { return find<Label>(name, index); }
TextBox& Form::textBox(std::string_view name, int index) const { return find<TextBox>(name, index); }
Button& Form::button(std::string_view name, int index) const { return find<Button>(name, index); }
OptionEvents& Form::option(std::string_view name, int index) const { return find<OptionEvents>(name, index); }
Shape& Form::shape(std::string_view name, int index) const { return find<Shape>(name, index); }
Image& Form::image(std::string_view name, int index) const { return find<Image>(name, index); }
Frame& Form::frame(std::string_view name, int index) const { return find<Frame>(name, index); }
Line& Form::line(std::string_view name, int index) const { return find<Line>(name, index); }
Timer& Form::timer(std::string_view name, int index) const { return find<Timer>(name, index); }

void Form::bindBack(Button& button) {
    button.onClick = [this] { unload(); };
}

void Form::bindExit(Button& button) {
    button.onClick = [] {
        if (!forms::loaded().empty())
            forms::loaded().back()->unload();
        forms::end();
    };
}

void Form::spokenTextsChanged() {
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface* screen = QAccessible::queryAccessibleInterface(this);
    for (int i = screen->childCount() - static_cast<int>(spokenTexts_.size()); i < screen->childCount();
         ++i) {
        QAccessibleEvent changed(screen->child(i), QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void Form::setDefaultButton(Button& button, std::function<bool()> enterMayPress) {
    defaultButton_ = &button;
    enterMayPress_ = std::move(enterMayPress);
}

void Form::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Escape && pressable(cancelButton_)) {
        cancelButton_->press();
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        if (focused && !focused->isCheckable())
            focused->click();
        else if (pressable(defaultButton_) && (!enterMayPress_ || enterMayPress_()))
            defaultButton_->press();
    } else {
        QWidget::keyPressEvent(event);
    }
}

void Form::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && onFormClick)
        onFormClick();
}

// Captions are fitted once the window is on the desktop: measuring them loads the fonts, which the
// screen's first paint loads anyway, and a window that waits for no font appears sooner. The fit is
// queued before the window is mapped, so it runs before the paint that the mapping brings.
void Form::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (std::exchange(shownOnce_, true))
        return;
    QMetaObject::invokeMethod(
        this, [this] { fitCaptions(*this); }, Qt::QueuedConnection);
    focusFirstInTabOrder();
}

// The first focusable widget in tab order takes the focus when the screen opens, and its GotFocus
// runs then (the window's own activation is not a new focus, see the widgets).
void Form::focusFirstInTabOrder() {
    for (QWidget* candidate : tabOrder_) {
        if (!shown(*candidate) || !candidate->isEnabled() || candidate->focusPolicy() == Qt::NoFocus)
            continue;
        candidate->setFocus(Qt::OtherFocusReason);
        if (auto* box = dynamic_cast<TextBox*>(candidate); box && box->onGotFocus)
            box->onGotFocus();
        else if (auto* button = dynamic_cast<Button*>(candidate); button && button->onGotFocus)
            button->onGotFocus();
        return;
    }
}

// The window manager tells the frame's size once the window is on the desktop; a screen sized before
// that is fitted again with it.
void Form::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (shownOnce_)
        forms::fitToDesktop(*this);
}

void Form::closeEvent(QCloseEvent* event) {
    std::erase(forms::loadedList(), this);
    hide();
    event->accept();
}

} // namespace ui
