#include "ui/text_page.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <vector>

#include "ui/print.h"
#include "ui/reading_order.h"
#include "ui/widgets.h"

namespace ui {

namespace {

constexpr double kTitlePoints = 28, kRowPoints = 20;

QFont pageFont(const Font& font, double scale) {
    QFont result(qstr(font.face));
    result.setPointSizeF(font.points * scale);
    result.setBold(font.bold);
    return result;
}

// Each column as wide as its widest cell, in the order the columns are laid from the right.
std::vector<double> columnWidths(const TextPage& page, const QFontMetricsF& metrics) {
    std::vector<double> widths;
    for (const auto& row : page.rows)
        for (std::size_t column = 0; column < row.size(); ++column) {
            widths.resize(std::max(widths.size(), column + 1));
            widths[column] =
                std::max(widths[column], metrics.horizontalAdvance(inReadingOrder(qstr(row[column]))));
        }
    return widths;
}

void drawRightToLeft(QPainter& painter, const QRectF& box, int alignment, const std::string& text) {
    painter.drawText(box, alignment | Qt::AlignVCenter | Qt::TextForceRightToLeft,
                     inReadingOrder(qstr(text)));
}

} // namespace

void drawTextPage(QPainter& painter, const TextPage& page) {
    const QRectF paper = painter.viewport();
    const QRectF area = paper.adjusted(paper.width() / 20, paper.height() / 20, -paper.width() / 20, 0);
    painter.setLayoutDirection(Qt::RightToLeft);
    painter.setPen(Qt::black);

    painter.setFont(pageFont(arial(kTitlePoints, true), 1));
    const double titleHeight = 2 * QFontMetricsF(painter.font(), painter.device()).height();
    drawRightToLeft(painter, QRectF(area.left(), area.top(), area.width(), titleHeight), Qt::AlignHCenter,
                    page.title);

    QFont rowFont = pageFont(arial(kRowPoints, true), 1);
    QFontMetricsF metrics(rowFont, painter.device());
    const double gap = 2 * metrics.horizontalAdvance(u'0');
    std::vector<double> widths = columnWidths(page, metrics);
    double needed = 0;
    for (double width : widths)
        needed += width + gap;
    if (needed > area.width()) {
        rowFont = pageFont(arial(kRowPoints, true), area.width() / needed);
        metrics = QFontMetricsF(rowFont, painter.device());
        widths = columnWidths(page, metrics);
    }
    painter.setFont(rowFont);
    const double rowHeight = 2.2 * metrics.height();
    double top = area.top() + titleHeight;
    for (const auto& row : page.rows) {
        double right = area.right();
        for (std::size_t column = 0; column < row.size(); ++column) {
            drawRightToLeft(painter, QRectF(right - widths[column], top, widths[column], rowHeight),
                            Qt::AlignRight, row[column]);
            right -= widths[column] + gap;
        }
        top += rowHeight;
    }
}

} // namespace ui
