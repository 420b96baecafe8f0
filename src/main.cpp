// Starts Qt, maps the fonts, shows the main window and runs until the program ends.
#include <QApplication>
#include <QStyleFactory>

#include "app/main_window.h"
#include "common/program.h"
#include "platform/qt/desktop_view.h"
#include "platform/qt/fonts.h"
#include "platform/qt/qt_services.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(plat::qt::kAppTitle));
    plat::qt::registerFonts();
    QApplication::setFont(plat::qt::toQFont("ＭＳ Ｐゴシック", 9, false));

    plat::qt::QtServices services;
    Program program(services);
    program.registerForms();
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
