// The worksheet's printing: the pupils' page, drawn from the screen with what paper does not need
// left off, then, when the teacher wants it, the answer key on the same printer.
#include <string>

#include "screens/worksheet/answer_key.h"
#include "screens/worksheet/worksheet.h"
#include "ui/print.h"

namespace screens {

namespace {

using worksheet::kBoxes;
using worksheet::kFirstWholeBox;
using worksheet::kFractions;
using worksheet::kRows;

// The names of the printed pages, the question that offers the key and the messages of a print that
// did not happen.
namespace text {
constexpr std::string_view kPageName = "ورقة العمل";
constexpr std::string_view kKeyName = "ورقة الإجابات";
constexpr std::string_view kKeyQuestion = "هل تطبع ورقة الإجابات للمعلم؟";
constexpr std::string_view kWarning = "تنبيه";
constexpr std::string_view kPrintFailed =
    "لم تطبع الصفحة: تأكد من الطابعة أو من مكان حفظ الملف ثم أعد المحاولة";
std::string printerPaused(std::string_view printer) {
    return "الطابعة «" + std::string(printer) + "» متوقفة مؤقتا: ستطبع الصفحة حين تعمل الطابعة من جديد";
}
} // namespace text

} // namespace

// The dialog opens over the screen as it is; only the drawing of the page sees it with its buttons
// and frames left off, and the screen gets them back whether the page printed or failed. The key is
// offered once the pupils' page has gone to the printer or its file. A page that did not reach them is
// told, never lost without a word, and so is a page left waiting in the queue of a paused printer,
// which would otherwise pass for printed.
void Worksheet::printPage() {
    ui::PrintJob job(*this, text::kPageName);
    if (!job.chosen())
        return;
    hideForPrint();
    const ui::PrintOutcome page = job.printScreen(*this);
    restoreAfterPrint();
    if (page == ui::PrintOutcome::Failed) {
        ui::messageBox(this, text::kPrintFailed, text::kWarning, true);
        return;
    }
    ui::PrintOutcome key = ui::PrintOutcome::Cancelled;
    if (ui::ask(this, text::kKeyQuestion, text::kKeyName))
        key = job.printText(answerKey(), text::kKeyName);
    if (key == ui::PrintOutcome::Failed)
        ui::messageBox(this, text::kPrintFailed, text::kWarning, true);
    if (page == ui::PrintOutcome::Paused || key == ui::PrintOutcome::Paused)
        ui::messageBox(this, text::printerPaused(job.printerName()), text::kWarning, true);
}

// One row for each problem row of the sheet: its number, then its problem and answer when it is a
// complete problem.
ui::TextPage Worksheet::answerKey() const {
    const auto mixed = [this](int whole, int numerator) {
        return worksheet::MixedNumberBoxes{parts_.boxes[whole]->value(), parts_.boxes[numerator]->value(),
                                           parts_.boxes[numerator + 1]->value()};
    };
    ui::TextPage key{std::string(text::kKeyName), {}};
    for (int r = 0; r < kRows; ++r) {
        const std::string operation = parts_.operators[r]->caption();
        const worksheet::Problem problem{mixed(worksheet::kWholeBoxes[r].a, 4 * r), operation,
                                         mixed(worksheet::kWholeBoxes[r].b, 4 * r + 2)};
        std::string number = "(";
        number += std::to_string(r + 1) + ")";
        std::vector<std::string> row{std::move(number)};
        if (const std::string answer = worksheet::answerText(problem); !answer.empty())
            row.insert(row.end(), {worksheet::problemText(problem), "=", answer});
        key.rows.push_back(std::move(row));
    }
    return key;
}

bool Worksheet::isEmpty(int box) const { return parts_.boxes[box]->value().empty(); }

void Worksheet::showHeaderButtons(bool shown) {
    for (ui::Button* button : {&parts_.print, &parts_.back, &parts_.exit, &parts_.fillAll})
        button->setVisible(shown);
}

// The page leaves off the buttons, the frame, the boxes' borders, the bars over empty fractions and
// the empty whole-number boxes. The last fraction loses its bar when either of its boxes is empty.
void Worksheet::hideForPrint() {
    showHeaderButtons(false);
    for (ui::TextBox* box : parts_.boxes)
        box->setFrame(false);
    parts_.operations.hide();
    for (int k = 0; k < kFractions; ++k) {
        const bool numeratorEmpty = isEmpty(2 * k), denominatorEmpty = isEmpty(2 * k + 1);
        const bool hideBar =
            k == kFractions - 1 ? numeratorEmpty || denominatorEmpty : numeratorEmpty && denominatorEmpty;
        parts_.bars[k]->setHidden(hideBar);
    }
    for (int box = kFirstWholeBox; box < kBoxes; ++box)
        parts_.boxes[box]->setHidden(isEmpty(box));
}

void Worksheet::restoreAfterPrint() {
    showHeaderButtons(true);
    for (ui::TextBox* box : parts_.boxes) {
        box->setFrame(true);
        box->show();
    }
    parts_.operations.show();
    for (QWidget* bar : parts_.bars)
        bar->show();
}

} // namespace screens
