#include "ui/print.h"

#include <QDir>
#include <QFileDialog>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "ui/widgets.h"

namespace ui {

namespace {

// Without a printer the page would be lost without a word; a PDF file keeps it.
std::unique_ptr<QPrinter> systemPrinter(QWidget& screen, std::string_view documentName) {
    const QPrinterInfo installed = QPrinterInfo::defaultPrinter();
    if (!installed.isNull())
        return std::make_unique<QPrinter>(installed, QPrinter::HighResolution);
    QFileDialog dialog(&screen, qstr("حفظ الصفحة في ملف PDF"),
                       QDir::home().filePath(qstr(documentName) + QStringLiteral(".pdf")),
                       QStringLiteral("PDF (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return nullptr;
    return pdfPrinter(dialog.selectedFiles().constFirst());
}

// Qt draws a widget for a printer through one bitmap at the printer's full resolution, megabytes for
// a page (and a recorded QPicture loses the direction of Arabic text); an image at four times the
// screen's size is as sharp as paper needs and a tenth of that.
QImage screenImage(QWidget& widget) {
    constexpr qreal kSharpness = 4;
    QImage image(widget.size() * kSharpness, QImage::Format_RGB32);
    image.setDevicePixelRatio(kSharpness);
    image.fill(Qt::white);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return image;
}

PrinterProvider& provider() {
    static PrinterProvider current = systemPrinter;
    return current;
}

} // namespace

std::unique_ptr<QPrinter> pdfPrinter(const QString& file) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(file);
    return printer;
}

void setPrinterProvider(PrinterProvider replacement) {
    provider() = replacement ? std::move(replacement) : PrinterProvider(systemPrinter);
}

bool print(QWidget& widget, QPrinter& printer) {
    printer.setPageOrientation(widget.width() > widget.height() ? QPageLayout::Landscape
                                                                : QPageLayout::Portrait);
    if (QWidget* focused = widget.focusWidget())
        focused->clearFocus();
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QImage page = screenImage(widget);
    const QRectF area = painter.viewport();
    const QSizeF fitted = QSizeF(widget.size()).scaled(area.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRectF(area.center() - QPointF(fitted.width(), fitted.height()) / 2, fitted), page);
    return painter.end();
}

bool printScreen(QWidget& screen, std::string_view documentName) {
    const std::unique_ptr<QPrinter> printer = provider()(screen, documentName);
    return printer && print(screen, *printer);
}

} // namespace ui
