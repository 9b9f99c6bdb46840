// The parts of printing that differ between CUPS systems and Windows: where a page goes on a machine
// without a printer, and what became of a page handed to the system's print queue.
#pragma once

#include <string_view>

#include "ui/print.h"

namespace ui {

enum class WithoutPrinter { AskInPrintDialog, FileChosen, Cancelled };

// On a machine without a printer the page goes into a PDF file, set as the printer's output file.
// On CUPS systems Qt's own print dialog proposes the file, "<documentName>.pdf" in the home folder,
// beside its printers (AskInPrintDialog). Windows' print dialog cannot write a PDF file, so the
// system's save dialog asks for it, in the documents folder (FileChosen, or Cancelled).
WithoutPrinter pdfInstead(QPrinter& printer, QWidget& screen, std::string_view documentName);

// Printed when the queue took the page for a printer that prints; Paused when it holds the page for
// a printer that is stopped or takes no jobs; Failed when it refused the page.
PrintOutcome queuedOutcome(const QPrinter& printer);

} // namespace ui
