#include "ui/print_system.h"

#include <QDir>
#include <QPrinter>

#include <cups/cups.h>
#include <dlfcn.h>

#include <string>
#include <string_view>

#include "ui/widgets.h"

namespace ui {

namespace {

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

} // namespace

WithoutPrinter pdfInstead(QPrinter& printer, QWidget&, std::string_view documentName) {
    printer.setOutputFileName(QDir::home().filePath(qstr(documentName) + QStringLiteral(".pdf")));
    return WithoutPrinter::AskInPrintDialog;
}

PrintOutcome queuedOutcome(const QPrinter& printer) {
    const LoadedCups cups;
    if (cups.refused())
        return PrintOutcome::Failed;
    return cups.holdsJobsFor(printer.printerName()) ? PrintOutcome::Paused : PrintOutcome::Printed;
}

} // namespace ui
