// What the worked-solution tests share: typing a problem, pressing a solve button and reading a row
// of step boxes as the pupil sees it.
#pragma once

#include <QLabel>
#include <QLineEdit>

#include <array>
#include <string>
#include <vector>

#include "tests/support/driver.h"

namespace solve {

using Row = std::vector<std::string>;

inline QString name(const char* array, int index) { return QStringLiteral("%1(%2)").arg(array).arg(index); }

inline QLabel& box(const QWidget& screen, int index) {
    return driver::find<QLabel>(screen, name("Label1", index));
}
inline QLineEdit& field(const QWidget& screen, const char* array, int index) {
    return driver::find<QLineEdit>(screen, name(array, index));
}
inline std::string text(const QWidget& screen, const QString& widget) {
    return driver::textOf(driver::find(screen, widget));
}

// Overtypes the four fields of a problem, in order, as a pupil would.
inline void typeProblem(const QWidget& screen, const char* array, const std::array<const char*, 4>& numbers) {
    for (int index = 0; index < 4; ++index)
        driver::overtype(field(screen, array, index), QString::fromUtf8(numbers[index]));
}

inline void press(const QWidget& screen, const char* button) { driver::click(driver::find(screen, button)); }

// The captions of `Label1(first)` to `Label1(last)` as shown; a hidden box reads as "".
inline std::vector<std::string> shownRow(const QWidget& screen, int first, int last) {
    std::vector<std::string> row;
    for (int index = first; index <= last; ++index)
        row.push_back(box(screen, index).isHidden() ? "" : driver::textOf(box(screen, index)));
    return row;
}

// The indexes of the "=" and other signs `Label2(i)` that are shown.
inline std::vector<int> shownSigns(const QWidget& screen) {
    std::vector<int> shown;
    for (int index = 0; index <= 11; ++index)
        if (auto* sign = screen.findChild<QLabel*>(name("Label2", index)); sign && !sign->isHidden())
            shown.push_back(index);
    return shown;
}

// True when the label's caption, wrapped at blanks, lies within the label in its own font.
// An empty caption draws nothing, whatever the height of a line of its font.
inline bool captionFits(const QLabel& label) {
    if (label.text().isEmpty())
        return true;
    const QRect room = label.contentsRect();
    const QRect needed = QFontMetrics(label.font())
                             .boundingRect(room, Qt::TextWordWrap | int(label.alignment()), label.text());
    return needed.width() <= room.width() && needed.height() <= room.height();
}

inline std::string tooltip(const QWidget& widget) { return widget.toolTip().toStdString(); }

inline constexpr const char* kPressPrompt = "اضغط في  المكان  الذي تريد  فهمه ";
inline constexpr const char* kBackgroundPrompt = "انقر على أى مستطيل لترى توضيح وشرح مبسط ";
inline constexpr const char* kFieldTip = "غير الرقم مباشرة للحصول على مسألة جديدة";
inline constexpr const char* kZeroDenominator = "المقام لا يساوي صفر إن كنت لاتريد مقام ضع فيه  1 ";
inline constexpr const char* kReducedBy = "بقسمة البسط والمقام على  ";

} // namespace solve
