#include "model/programstate.h"
#include "model/settingsfile.h"
#include "platform/qtdialogs.h"
#include "platform/qthelpviewer.h"
#include "platform/qtprintsurface.h"
#include "platform/qtservices.h"
#include "shell/ui/mainwindow.h"
#include "shell/ui/splashwindow.h"

#include <QApplication>

#include <filesystem>
#include <memory>

using namespace greenfold;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Greenfold");
    QApplication::setWindowIcon(QIcon(":/pictures/tool3.png"));

    // The model lives for the whole run; data files are in the working folder.
    auto model = std::make_unique<ProgramState>();
    QtDialogs dialogs;
    QtHelpViewer help;
    QtDisplay display;
    QtBusyPointer busy;
    QtPrinting printing(dialogs);
    Services services{dialogs, help, display, busy, printing};

    SplashWindow splash(*model, services);
    MainWindow window(*model, services);
    dialogs.setparent(&window);
    QObject::connect(&splash, &SplashWindow::lowcolour, &window, &MainWindow::uselowcolourtoolbar);
    QObject::connect(&splash, &SplashWindow::dismissed, &window, [&window] {
        window.setEnabled(true);
        window.show();
    });
    QObject::connect(&window, &MainWindow::aboutrequested, &splash, [&window, &splash] {
        window.setEnabled(false);
        window.hide();
        splash.load();
        splash.show();
        splash.setFocus();
    });

    splash.load();
    splash.show();
    window.load(std::filesystem::current_path(), getsystemdir());
    splash.raise();
    splash.setFocus();
    return app.exec();
}
