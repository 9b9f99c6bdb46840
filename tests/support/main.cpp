// The test programs' main: one QApplication for all tests, and every screen closed after each test,
// so each test starts from a program with no screen loaded.
#include <QApplication>

#include <gtest/gtest.h>

#include "app/app.h"
#include "tests/support/driver.h"
#include "ui/form.h"

namespace {

class CloseScreens : public testing::EmptyTestEventListener {
    void OnTestEnd(const testing::TestInfo&) override {
        const std::vector<ui::Form*> open = ui::forms::loaded();
        for (ui::Form* form : open)
            form->unload();
        driver::settle();
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    app::prepare();
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new CloseScreens);
    return RUN_ALL_TESTS();
}
