#include "screens/common/input.h"

#include "fraction/fraction.h"

namespace screens {

bool filterInput(ui::TextBox& box) {
    const std::string typed = box.value();
    const std::string kept = fraction::filterInput(typed);
    if (kept == typed)
        return true;
    box.assign(kept);
    return false;
}

} // namespace screens
