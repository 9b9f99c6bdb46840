#include "ui/application.h"

#include <QApplication>
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

void speakArabic() {
    static QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_ar"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts);
    else
        qWarning("Qt's Arabic texts (qt6-translations-l10n) are missing: dialogs will speak English");
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
}

void setWindowIcon(const QIcon& icon) { QApplication::setWindowIcon(icon); }

} // namespace ui
