// Starts Qt, maps the fonts, shows the main window and runs until the program ends.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/forms.h"
#include "app/main_window.h"
#include "common/program.h"
#include "platform/qt/classic_style.h"
#include "platform/qt/desktop_view.h"
#include "platform/qt/fonts.h"
#include "platform/qt/qt_services.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(plat::qt::kAppTitle));
    // The program speaks Japanese whatever the machine's language, and so do Qt's own
    // dialogs (file, printer) and buttons.
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    QLocale::setDefault(japanese);
    QTranslator qtTexts;
    if (qtTexts.load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    plat::qt::installClassicStyle();
    plat::qt::registerFonts();
    QApplication::setFont(plat::qt::toQFont("ＭＳ Ｐゴシック", 9, false));

    plat::qt::QtServices services;
    Program program(services);
    registerForms(program);
    plat::qt::DesktopView view(program);
    view.setToolbarSource([&program] { return program.mainToolbar(); });
    services.setView(&view);

    // Its load step shows the main window.
    program.form<MDIForm1>();
    view.sync();
    if (program.ended()) return 0;
    int rc = app.exec();
    services.setView(nullptr);
    return rc;
}
