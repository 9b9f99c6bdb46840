#include "ui/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>

#include "ui/form.h"

namespace ui {

namespace {

// One of a screen's spoken texts, as a static text with no widget of its own.
class SpokenText : public QAccessibleInterface {
  public:
    SpokenText(Form& screen, size_t which) : screen_(&screen), which_(which) {}

    bool isValid() const override { return !screen_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return screen_ ? screen_->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(screen_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && screen_ ? qstr(screen_->spokenTexts()[which_]()) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override { return {}; }

  private:
    QPointer<Form> screen_;
    size_t which_;
};

class ScreenAccessible : public QAccessibleWidget {
  public:
    explicit ScreenAccessible(Form& screen)
        : QAccessibleWidget(&screen, QAccessible::Window), screen_(screen) {}
    ~ScreenAccessible() override {
        for (QAccessible::Id id : spoken_)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return static_cast<int>(heard().size() + spoken().size()); }

    QAccessibleInterface* child(int index) const override {
        const std::vector<QWidget*> widgets = heard();
        if (index < 0)
            return nullptr;
        if (static_cast<size_t>(index) < widgets.size())
            return QAccessible::queryAccessibleInterface(widgets[index]);
        const size_t text = index - widgets.size();
        return text < spoken().size() ? QAccessible::accessibleInterface(spoken()[text]) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        const std::vector<QWidget*> widgets = heard();
        for (size_t i = 0; i < widgets.size(); ++i)
            if (child->object() == widgets[i])
                return static_cast<int>(i);
        for (size_t i = 0; i < spoken().size(); ++i)
            if (QAccessible::accessibleInterface(spoken()[i]) == child)
                return static_cast<int>(widgets.size() + i);
        return -1;
    }

  private:
    // The screen's own widgets that screen readers are shown, in the order they were made.
    std::vector<QWidget*> heard() const {
        std::vector<QWidget*> widgets;
        for (QObject* object : screen_.children())
            if (auto* widget = qobject_cast<QWidget*>(object);
                widget && !widget->isWindow() && screen_.heard(*widget))
                widgets.push_back(widget);
        return widgets;
    }

    // The spoken texts' elements, made as the screen adds texts. Qt owns each element once it is
    // registered; the destructor gives them back.
    const std::vector<QAccessible::Id>& spoken() const {
        while (spoken_.size() < screen_.spokenTexts().size())
            spoken_.push_back( // NOLINT(clang-analyzer-cplusplus.NewDeleteLeaks): Qt owns it
                QAccessible::registerAccessibleInterface(new SpokenText(screen_, spoken_.size())));
        return spoken_;
    }

    Form& screen_;
    mutable std::vector<QAccessible::Id> spoken_;
};

QAccessibleInterface* screenAccessible(const QString&, QObject* object) {
    auto* screen = dynamic_cast<Form*>(object);
    return screen ? new ScreenAccessible(*screen) : nullptr;
}

} // namespace

void installScreenAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(screenAccessible);
        return true;
    }();
    (void)installed;
}

} // namespace ui
