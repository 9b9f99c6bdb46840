#include "ui/print.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <string>
#include <string_view>

#include "ui/print_system.h"
#include "ui/text_page.h"
#include "ui/widgets.h"

namespace ui {

namespace {

QPageLayout::Orientation orientationFor(const QWidget& screen) {
    return screen.width() > screen.height() ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// The print dialog lets the person choose the printer, the copies and the paper. Without a printer
// the page would be lost without a word; a PDF file is offered instead.
std::unique_ptr<QPrinter> systemPrinter(QWidget& screen, std::string_view documentName) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(qstr(documentName));
    printer->setPageOrientation(orientationFor(screen));
    if (QPrinterInfo::defaultPrinter().isNull()) {
        switch (pdfInstead(*printer, screen, documentName)) {
        case WithoutPrinter::Cancelled:
            return nullptr;
        case WithoutPrinter::FileChosen:
            return printer;
        case WithoutPrinter::AskInPrintDialog:
            break;
        }
    }
    QPrintDialog dialog(printer.get(), &screen);
    // A screen keeps a left-to-right layout, which a dialog over it would take from it.
    dialog.setLayoutDirection(Qt::RightToLeft);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return printer;
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

// "ورقة العمل.pdf" and "ورقة الإجابات" give "ورقة العمل - ورقة الإجابات.pdf", in the same folder.
QString besideFile(const QString& file, std::string_view documentName) {
    const QFileInfo first(file);
    const QString suffix = first.suffix().isEmpty() ? QString() : QStringLiteral(".") + first.suffix();
    return first.dir().filePath(first.completeBaseName() + QStringLiteral(" - ") + qstr(documentName) +
                                suffix);
}

// Draws one page and hands it to the printer: Failed when the printer could not take it.
PrintOutcome printPage(QPrinter& printer, const std::function<void(QPainter&)>& draw) {
    QPainter painter;
    if (!painter.begin(&printer))
        return PrintOutcome::Failed;
    draw(painter);
    if (!painter.end())
        return PrintOutcome::Failed;
    if (printer.outputFormat() != QPrinter::NativeFormat)
        return PrintOutcome::Printed;
    return queuedOutcome(printer);
}

PrinterProvider& provider() {
    static PrinterProvider current = systemPrinter;
    return current;
}

} // namespace

std::unique_ptr<QPrinter> pdfPrinter(const QString& file, const QWidget& screen) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(file);
    printer->setPageOrientation(orientationFor(screen));
    return printer;
}

void setPrinterProvider(PrinterProvider replacement) {
    provider() = replacement ? std::move(replacement) : PrinterProvider(systemPrinter);
}

PrintOutcome print(QWidget& widget, QPrinter& printer) {
    if (QWidget* focused = widget.focusWidget())
        focused->clearFocus();
    return printPage(printer, [&widget](QPainter& painter) {
        const QImage page = screenImage(widget);
        const QRectF area = painter.viewport();
        const QSizeF fitted = QSizeF(widget.size()).scaled(area.size(), Qt::KeepAspectRatio);
        painter.drawImage(QRectF(area.center() - QPointF(fitted.width(), fitted.height()) / 2, fitted), page);
    });
}

PrintJob::PrintJob(QWidget& screen, std::string_view documentName)
    : printer_(provider()(screen, documentName)) {}

PrintJob::~PrintJob() = default;

std::string PrintJob::printerName() const {
    return printer_ && printer_->outputFormat() == QPrinter::NativeFormat
               ? printer_->printerName().toStdString()
               : std::string();
}

PrintOutcome PrintJob::printScreen(QWidget& screen) {
    return printer_ ? print(screen, *printer_) : PrintOutcome::Cancelled;
}

PrintOutcome PrintJob::printText(const TextPage& page, std::string_view documentName) {
    if (!printer_)
        return PrintOutcome::Cancelled;
    printer_->setDocName(qstr(documentName));
    printer_->setCopyCount(1);
    printer_->setPrintRange(QPrinter::AllPages);
    if (printer_->outputFormat() != QPrinter::NativeFormat)
        printer_->setOutputFileName(besideFile(printer_->outputFileName(), documentName));
    return printPage(*printer_, [&page](QPainter& painter) { drawTextPage(painter, page); });
}

} // namespace ui
