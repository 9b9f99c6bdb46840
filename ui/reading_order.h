// Expressions read right to left whatever their blanks. The Unicode bidirectional rules join a digit,
// a plus or minus sign and a digit ("24-15") into one left-to-right number, so on a right-to-left row
// "24-15" would show 24 on the left, read as 15 − 24, while "24 - 15" shows 24 on the right.
#pragma once

class QString;

namespace ui {

// The text as a right-to-left row draws it: a right-to-left mark on each side of a plus or minus sign
// between two digits, so its operands read right to left as they do with blanks. The marks have no
// width; the text itself, which screen readers and tests read, is never changed.
QString inReadingOrder(const QString& text);

} // namespace ui
