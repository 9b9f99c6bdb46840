#include "ui/print_system.h"

#include <QDir>
#include <QFileDialog>
#include <QPrinter>
#include <QStandardPaths>

#include <windows.h>
#include <winspool.h>

#include <string>

#include "ui/widgets.h"

namespace ui {

namespace {

// The spooler's state of a printer, or 0 when it cannot be read.
DWORD printerStatus(const QString& printerName) {
    std::wstring name = printerName.toStdWString();
    HANDLE handle = nullptr;
    if (!OpenPrinterW(name.data(), &handle, nullptr))
        return 0;
    DWORD status = 0;
    PRINTER_INFO_6 info{};
    DWORD needed = 0;
    if (GetPrinterW(handle, 6, reinterpret_cast<BYTE*>(&info), sizeof info, &needed))
        status = info.dwStatus;
    ClosePrinter(handle);
    return status;
}

} // namespace

WithoutPrinter pdfInstead(QPrinter& printer, QWidget& screen, std::string_view documentName) {
    const QString name = qstr(documentName);
    const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    QFileDialog dialog(&screen, QStringLiteral("حفظ ") + name,
                       documents.filePath(name + QStringLiteral(".pdf")), QStringLiteral("PDF (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return WithoutPrinter::Cancelled;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dialog.selectedFiles().constFirst());
    return WithoutPrinter::FileChosen;
}

// Qt reports a page the spooler would not take as a painter that cannot end. The spooler keeps a page
// for a printer that is paused, offline or in error in its queue until the printer runs again.
PrintOutcome queuedOutcome(const QPrinter& printer) {
    constexpr DWORD kHolding =
        PRINTER_STATUS_PAUSED | PRINTER_STATUS_OFFLINE | PRINTER_STATUS_ERROR | PRINTER_STATUS_NOT_AVAILABLE;
    return printerStatus(printer.printerName()) & kHolding ? PrintOutcome::Paused : PrintOutcome::Printed;
}

} // namespace ui
