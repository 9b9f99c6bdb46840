#include "ui/print.h"

#include <QDir>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <cups/cups.h>
#include <dlfcn.h>

#include "ui/widgets.h"

namespace ui {

namespace {

QPageLayout::Orientation orientationFor(const QWidget& screen) {
    return screen.width() > screen.height() ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// The print dialog lets the person choose the printer, the copies and the paper. Without a printer
// the page would be lost without a word; the dialog's print-to-file then proposes a PDF file instead.
std::unique_ptr<QPrinter> systemPrinter(QWidget& screen, std::string_view documentName) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(qstr(documentName));
    printer->setPageOrientation(orientationFor(screen));
    if (QPrinterInfo::defaultPrinter().isNull())
        printer->setOutputFileName(QDir::home().filePath(qstr(documentName) + QStringLiteral(".pdf")));
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

// Qt hands a page for a printer to CUPS when the painter ends, and does not look at CUPS's answer; a
// printer that refuses jobs leaves its reason as CUPS's last error. Qt's print support has CUPS loaded
// by then, so it is looked up rather than linked: linked, it would load with a dozen libraries of its
// own at every start of the program.
bool refusedByCups(const QPrinter& printer) {
    if (printer.outputFormat() != QPrinter::NativeFormat)
        return false;
    void* cups = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (!cups)
        return false;
    const auto lastError = reinterpret_cast<decltype(&cupsLastError)>(dlsym(cups, "cupsLastError"));
    const bool refused = lastError && lastError() > IPP_STATUS_OK_EVENTS_COMPLETE;
    dlclose(cups);
    return refused;
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

bool print(QWidget& widget, QPrinter& printer) {
    if (QWidget* focused = widget.focusWidget())
        focused->clearFocus();
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QImage page = screenImage(widget);
    const QRectF area = painter.viewport();
    const QSizeF fitted = QSizeF(widget.size()).scaled(area.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRectF(area.center() - QPointF(fitted.width(), fitted.height()) / 2, fitted), page);
    return painter.end() && !refusedByCups(printer);
}

PrintOutcome printScreen(QWidget& screen, std::string_view documentName) {
    const std::unique_ptr<QPrinter> printer = provider()(screen, documentName);
    if (!printer)
        return PrintOutcome::Cancelled;
    return print(screen, *printer) ? PrintOutcome::Printed : PrintOutcome::Failed;
}

} // namespace ui
