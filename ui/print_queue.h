// What became of a page handed to the system's print queue; the one part of printing that differs
// between CUPS systems and Windows.
#pragma once

#include "ui/print.h"

namespace ui {

// Printed when the queue took the page for a printer that prints; Paused when it holds the page for
// a printer that is stopped or takes no jobs; Failed when it refused the page.
PrintOutcome queuedOutcome(const QPrinter& printer);

} // namespace ui
