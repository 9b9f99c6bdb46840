#include "ui/print.h"

#include <QDir>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <cups/cups.h>
#include <dlfcn.h>

#include <string>
#include <string_view>

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

// CUPS as Qt's print support has loaded it by the time a page is printed; it is looked up rather than
// linked: linked, it would load with a dozen libraries of its own at every start of the program.
class LoadedCups {
  public:
    LoadedCups() : library_(dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD)) {}
    ~LoadedCups() {
        if (library_)
            dlclose(library_);
    }
    LoadedCups(const LoadedCups&) = delete;
    LoadedCups& operator=(const LoadedCups&) = delete;

    // Qt hands the page to CUPS when the painter ends and does not look at the answer; a printer that
    // refuses jobs leaves its reason as CUPS's last error.
    bool refused() const {
        const auto lastError = find<decltype(cupsLastError)>("cupsLastError");
        return lastError && lastError() > IPP_STATUS_OK_EVENTS_COMPLETE;
    }

    // CUPS takes a job for a stopped printer, or one that has just stopped taking jobs, and keeps it
    // in the queue until the printer runs again. All instances of a queue share its state.
    bool holdsJobsFor(const QString& printerName) const {
        const auto getNamedDest = find<decltype(cupsGetNamedDest)>("cupsGetNamedDest");
        const auto getOption = find<decltype(cupsGetOption)>("cupsGetOption");
        const auto freeDests = find<decltype(cupsFreeDests)>("cupsFreeDests");
        if (!getNamedDest || !getOption || !freeDests)
            return false;
        const QByteArray queue = printerName.section(u'/', 0, 0).toUtf8();
        cups_dest_t* printer = getNamedDest(CUPS_HTTP_DEFAULT, queue.constData(), nullptr);
        if (!printer)
            return false;
        const auto option = [&](const char* name) {
            const char* value = getOption(name, printer->num_options, printer->options);
            return std::string_view(value ? value : "");
        };
        const bool held = option("printer-state") == std::to_string(IPP_PSTATE_STOPPED) ||
                          option("printer-is-accepting-jobs") == "false";
        freeDests(1, printer);
        return held;
    }

  private:
    template <typename Function> Function* find(const char* name) const {
        return library_ ? reinterpret_cast<Function*>(dlsym(library_, name)) : nullptr;
    }

    void* library_;
};

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
    QPainter painter;
    if (!painter.begin(&printer))
        return PrintOutcome::Failed;
    const QImage page = screenImage(widget);
    const QRectF area = painter.viewport();
    const QSizeF fitted = QSizeF(widget.size()).scaled(area.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRectF(area.center() - QPointF(fitted.width(), fitted.height()) / 2, fitted), page);
    if (!painter.end())
        return PrintOutcome::Failed;
    if (printer.outputFormat() != QPrinter::NativeFormat)
        return PrintOutcome::Printed;
    const LoadedCups cups;
    if (cups.refused())
        return PrintOutcome::Failed;
    return cups.holdsJobsFor(printer.printerName()) ? PrintOutcome::Paused : PrintOutcome::Printed;
}

PrintResult printScreen(QWidget& screen, std::string_view documentName) {
    const std::unique_ptr<QPrinter> printer = provider()(screen, documentName);
    if (!printer)
        return {PrintOutcome::Cancelled, {}};
    const bool toFile = printer->outputFormat() != QPrinter::NativeFormat;
    return {print(screen, *printer), toFile ? std::string() : printer->printerName().toStdString()};
}

} // namespace ui
