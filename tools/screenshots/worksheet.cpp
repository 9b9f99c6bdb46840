#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPrinter>
#include <QTimer>

#include "tools/screenshots/camera.h"
#include "screens/worksheet/worksheet.h"
#include "ui/form.h"
#include "ui/print.h"

namespace shots {

namespace {

// A moment of the tick counters, so the picture shows varied problems.
void setCounters(ui::Form& sheet) {
    const std::pair<const char*, const char*> kMoment[] = {
        {"Label2", "343"}, {"Label3", "118"}, {"Label4", "417"}, {"Label5", "1001"}};
    for (const auto& [counter, value] : kMoment)
        sheet.label(counter).setCaption(value);
}

// The printed page goes into a PDF file beside the pictures; the Makefile turns it into a PNG. The
// question that then offers the answer key is answered no as soon as it opens.
void printToPdf(ui::Form& sheet, const QString& file) {
    ui::setPrinterProvider(
        [file](QWidget& screen, std::string_view) { return ui::pdfPrinter(file, screen); });
    QTimer noKey;
    noKey.setInterval(0);
    QObject::connect(&noKey, &QTimer::timeout, [] {
        if (auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            question->button(QMessageBox::No)->click();
    });
    noKey.start();
    sheet.button("Command7").press();
    ui::setPrinterProvider({});
}

} // namespace

// The teacher picks all operations, fills the page and makes the last problem one without whole numbers.
void worksheetScreen(const Camera& camera) {
    ui::Form& sheet = open(screens::Worksheet::kName);
    setCounters(sheet);
    static_cast<QAbstractButton&>(sheet.widget("Option1", 4)).click();
    sheet.button("Command10").press();
    sheet.textBox("Text1", 28).assign("");
    sheet.textBox("Text1", 29).assign("");
    camera.take(sheet, sheet.objectName());
    printToPdf(sheet, camera.path(sheet.objectName() + QStringLiteral("-printed.pdf")));
}

} // namespace shots
