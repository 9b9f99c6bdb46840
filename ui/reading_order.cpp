#include "ui/reading_order.h"

#include <QString>

#include "ui/widgets.h"

namespace ui {

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// A sign the bidirectional rules would join with the digits on both sides into one number.
bool joinsDigits(const QString& text, qsizetype at) {
    return (text[at] == u'+' || text[at] == u'-') && at > 0 && at + 1 < text.size() &&
           isDigit(text[at - 1]) && isDigit(text[at + 1]);
}

} // namespace

QString inReadingOrder(const QString& text) {
    constexpr QChar kRightToLeftMark(0x200F);
    QString drawn;
    drawn.reserve(text.size());
    for (qsizetype at = 0; at < text.size(); ++at) {
        const bool marked = joinsDigits(text, at);
        if (marked)
            drawn += kRightToLeftMark;
        drawn += text[at];
        if (marked)
            drawn += kRightToLeftMark;
    }
    return drawn;
}

QString Label::drawnText() const {
    return textFlags() & Qt::TextForceRightToLeft ? inReadingOrder(text()) : text();
}

} // namespace ui
