// Printing a screen's image: the window's client area drawn as one page, scaled to fit the printable
// area with its proportions kept, and centred on it.
#pragma once

#include <functional>
#include <memory>
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

// Draws the widget's client area on the printer as one page, without the caret, selection or focus
// frame of the focused widget. False when the printer could not take the page.
bool print(QWidget& widget, QPrinter& printer);

enum class PrintOutcome { Printed, Cancelled, Failed };

// Prints a screen's image: asks the provider for a printer, then prints the page on it. Cancelled when
// the person chose not to print, Failed when the printer or the file did not take the page.
PrintOutcome printScreen(QWidget& screen, std::string_view documentName);

} // namespace ui
