#include "ui/application.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include "ui/widgets.h"

namespace ui {

void identifyApplication(std::string_view name, std::string_view version, std::string_view domain,
                         std::string_view desktopEntry) {
    QCoreApplication::setApplicationName(qstr(name));
    QCoreApplication::setApplicationVersion(qstr(version));
    QCoreApplication::setOrganizationDomain(qstr(domain));
    QGuiApplication::setDesktopFileName(qstr(desktopEntry));
}

namespace {

// The program built for Windows holds both catalogues itself; elsewhere Qt's is Qt's own file.
bool loadQtCatalogue(QTranslator& translator) {
    for (const QString& folder :
         {QStringLiteral(":/translations"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)})
        if (translator.load(QStringLiteral("qtbase_ar"), folder))
            return true;
    return false;
}

// Our catalogue sits beside the programs of a build tree (the tests one folder down) or, installed,
// in the data folder of the prefix the program is installed in (in the program itself on Windows).
bool loadOurCatalogue(QTranslator& translator) {
    const QDir programs(QCoreApplication::applicationDirPath());
    for (const char* folder : {"translations", "../translations", ZEMORA_INSTALLED_CATALOGUES})
        if (translator.load(QStringLiteral("zemora_qt_ar"), programs.filePath(QString::fromUtf8(folder))))
            return true;
    return false;
}

} // namespace

void speakArabic() {
    static QTranslator qtTexts, ourTexts;
    if (loadQtCatalogue(qtTexts))
        QCoreApplication::installTranslator(&qtTexts);
    else
        qWarning("Qt's Arabic texts (qt6-translations-l10n) are missing: dialogs will speak English");
    // Installed last, so Qt asks it first: it holds only what Qt's catalogue leaves in English.
    if (loadOurCatalogue(ourTexts))
        QCoreApplication::installTranslator(&ourTexts);
    else
        qWarning(
            "The program's own Arabic catalogue is missing: parts of the print dialog will speak English");
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
}

void setWindowIcon(const QIcon& icon) { QApplication::setWindowIcon(icon); }

} // namespace ui
