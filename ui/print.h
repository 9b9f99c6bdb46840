// Printing a screen's image: the window's client area drawn as one page, scaled to fit the printable
// area with its proportions kept, and centred on it; and pages of text printed after it.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

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

// A page of text, drawn as text in the screens' fonts and right to left: a title, then rows of cells,
// each column as wide as its widest cell.
struct TextPage {
    std::string title;
    std::vector<std::vector<std::string>> rows;
};

// One print: the printer the person chose for a screen's page, and the pages printed on it.
class PrintJob {
  public:
    // Asks the provider for a printer (by default the print dialog, over the screen).
    PrintJob(QWidget& screen, std::string_view documentName);
    ~PrintJob();
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    // False when the person chose not to print.
    bool chosen() const { return printer_ != nullptr; }
    // The name of the printer the pages go to; empty for a file.
    std::string printerName() const;
    // The screen's image as one page, as print() draws it, in the copies the person asked for.
    PrintOutcome printScreen(QWidget& screen);
    // A text page after it on the same printer: one copy, whatever the copies asked for; where the
    // pages go to a file, into a file of its own beside it, named after the document
    // ("ورقة العمل - ورقة الإجابات.pdf" beside "ورقة العمل.pdf").
    PrintOutcome printText(const TextPage& page, std::string_view documentName);

  private:
    std::unique_ptr<QPrinter> printer_;
};

} // namespace ui
