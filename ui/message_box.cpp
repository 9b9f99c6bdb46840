#include <QEvent>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include "ui/form.h"

namespace ui {

namespace {

// Some window managers (openbox) offer to minimize a modal box whatever it asks for. Minimized, it
// takes its screen with it and leaves every window of the program blocked with nothing to answer,
// so it comes straight back.
class ComesBackWhenMinimized : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::WindowStateChange && box->isMinimized())
            QTimer::singleShot(0, box, [box] {
                box->showNormal();
                box->raise();
                box->activateWindow();
            });
        return false;
    }
};

// No minimize or maximize: a minimized modal box would leave every window of the program blocked with
// nothing to answer.
constexpr Qt::WindowFlags kBoxFlags =
    Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// Right to left like Qt's other dialogs here, rather than in the left-to-right layout of its screen.
void prepare(QMessageBox& box) {
    box.installEventFilter(new ComesBackWhenMinimized(&box));
    box.setLayoutDirection(Qt::RightToLeft);
}

} // namespace

void messageBox(QWidget* parent, std::string_view text, std::string_view title, bool alignRight) {
    QMessageBox box(QMessageBox::Information, qstr(title), qstr(text), QMessageBox::Ok, parent, kBoxFlags);
    prepare(box);
    // The word an Arabic desktop's message boxes use for OK (Qt's translation says "حسنًا").
    box.button(QMessageBox::Ok)->setText(qstr("موافق"));
    if (alignRight)
        if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter | Qt::AlignAbsolute);
    box.exec();
}

bool ask(QWidget* parent, std::string_view question, std::string_view title) {
    QMessageBox box(QMessageBox::Question, qstr(title), qstr(question), QMessageBox::Yes | QMessageBox::No,
                    parent, kBoxFlags);
    prepare(box);
    box.button(QMessageBox::Yes)->setText(qstr("نعم"));
    box.button(QMessageBox::No)->setText(qstr("لا"));
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace ui
