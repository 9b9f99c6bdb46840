// Printing a screen's image: the window's client area drawn as one page, scaled to fit the printable
// area with its proportions kept, and centred on it.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

class QPrinter;
class QString;
class QWidget;

namespace ui {

// Where a screen's page goes: a printer ready to take it, or none when the person chose not to print.
using PrinterProvider =
    std::function<std::unique_ptr<QPrinter>(QWidget& screen, std::string_view documentName)>;

// Replaces where pages go (tests point them at a PDF file); an empty provider restores the default:
// the print dialog, with the system's default printer chosen and the page turned to suit the screen.
// On a machine without a printer the dialog offers a PDF file, "<documentName>.pdf" in the home folder.
void setPrinterProvider(PrinterProvider provider);

// A printer that writes its pages into a PDF file, the page turned to suit the screen.
std::unique_ptr<QPrinter> pdfPrinter(const QString& file, const QWidget& screen);

enum class PrintOutcome { Printed, Paused, Cancelled, Failed };

// Draws the widget's client area on the printer as one page, without the caret, selection or focus
// frame of the focused widget. Failed when the printer could not take the page; Paused when the print
// server took it for a printer that is stopped or takes no jobs, where it waits until the printer runs.
PrintOutcome print(QWidget& widget, QPrinter& printer);

struct PrintResult {
    PrintOutcome outcome;
    std::string printer; // the name of the printer the page went to; empty for a file
};

// Prints a screen's image: asks the provider for a printer, then prints the page on it. Cancelled when
// the person chose not to print.
PrintResult printScreen(QWidget& screen, std::string_view documentName);

} // namespace ui
