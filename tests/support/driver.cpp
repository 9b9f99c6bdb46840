#include "tests/support/driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace driver {

ui::Form& open(std::string_view name) {
    ui::Form& form = ui::forms::show(name);
    settle();
    activate(form);
    return form;
}

void activate(QWidget& window) {
    // A window system of its own (Windows, under Wine) activates a window a moment later, and may
    // drop the request while it is still starting or resizing windows; it is asked once more.
    for (int attempt = 0; attempt < 2 && !window.isActiveWindow(); ++attempt) {
        window.activateWindow();
        static_cast<void>(QTest::qWaitForWindowActive(&window)); // the checks that need it say so
    }
}

void settle() {
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

void type(QWidget& target, const QString& text) {
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(&target, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(&target, &release);
    }
}

void overtype(QWidget& box, const QString& text) {
    click(box);
    key(box, Qt::Key_Home);
    key(box, Qt::Key_End, Qt::ShiftModifier);
    type(box, text);
}

void key(QWidget& target, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(&target, key, modifiers);
}

void click(QWidget& target) { clickAt(target, target.rect().center()); }

void clickAt(QWidget& target, QPoint point) {
    // A click on a window behind others brings it to the front first, as a person's click does.
    if (!target.window()->isActiveWindow()) {
        target.window()->activateWindow();
        QApplication::processEvents();
    }
    QTest::mouseClick(&target, Qt::LeftButton, Qt::NoModifier, point);
}

std::string textOf(const QWidget& widget) {
    if (auto* label = qobject_cast<const QLabel*>(&widget))
        return label->text().toStdString();
    if (auto* box = qobject_cast<const QLineEdit*>(&widget))
        return box->text().toStdString();
    if (auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return button->text().toStdString();
    return widget.windowTitle().toStdString();
}

// A message box runs its own event loop; a zero-interval timer keeps looking for it there.
MessageBoxes::MessageBoxes(std::function<bool()> answer) : timer_(new QTimer) {
    timer_->setInterval(0);
    connection_ = QObject::connect(timer_, &QTimer::timeout, [this, answer = std::move(answer)] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        const bool question = box->button(QMessageBox::Yes) != nullptr;
        QAbstractButton* shown = question ? box->defaultButton() : box->button(QMessageBox::Ok);
        (question ? asked_ : seen_)
            .push_back({box->windowTitle().toStdString(), box->text().toStdString(), box->windowFlags(),
                        shown->text().toStdString(), box->layoutDirection() == Qt::RightToLeft});
        if (question)
            shown = box->button(answer() ? QMessageBox::Yes : QMessageBox::No);
        shown->click();
    });
    timer_->start();
}

MessageBoxes::~MessageBoxes() {
    QObject::disconnect(connection_);
    delete timer_;
}

} // namespace driver
