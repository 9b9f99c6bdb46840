// The screenshot tool's shared parts: each area of the program has a function that opens its
// screens, drives them into the state worth showing and takes their pictures.
#pragma once

#include <QDir>
#include <QString>

#include <string_view>

class QWidget;

namespace ui {
class Form;
}

namespace shots {

// Opens a screen as the menu does, its captions fitted as they are once it is shown, before a person
// can act on it (the window's activation comes later, as the pictures have always shown it).
ui::Form& open(std::string_view name);

class Camera {
  public:
    explicit Camera(QDir folder) : folder_(std::move(folder)) {}
    // Lets pending events run, then saves the widget's picture as folder/name.png.
    void take(QWidget& window, const QString& name) const;
    // Where a file of that name goes in the pictures' folder.
    QString path(const QString& file) const { return folder_.filePath(file); }

  private:
    QDir folder_;
};

void menu(const Camera& camera);
void solveScreens(const Camera& camera);
void testScreens(const Camera& camera);
// The multiplication and division tests after marking.
void mulDivScreens(const Camera& camera);
void mixedScreen(const Camera& camera);
void worksheetScreen(const Camera& camera);
void scaledTwice(const Camera& camera);

} // namespace shots
