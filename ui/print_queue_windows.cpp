#include "ui/print_queue.h"

#include <QPrinter>

#include <windows.h>
#include <winspool.h>

#include <string>

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

// Qt reports a page the spooler would not take as a painter that cannot end. The spooler keeps a page
// for a printer that is paused, offline or in error in its queue until the printer runs again.
PrintOutcome queuedOutcome(const QPrinter& printer) {
    constexpr DWORD kHolding =
        PRINTER_STATUS_PAUSED | PRINTER_STATUS_OFFLINE | PRINTER_STATUS_ERROR | PRINTER_STATUS_NOT_AVAILABLE;
    return printerStatus(printer.printerName()) & kHolding ? PrintOutcome::Paused : PrintOutcome::Printed;
}

} // namespace ui
