#include "model/golf1.h"
#include "model/settingsfile.h"
#include "platform/qtdialogs.h"
#include "shell/startup.h"
#include "shell/ui/form2.h"

#include <QApplication>

#include <filesystem>
#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Greenfold");

    // The model lives for the whole run; data files are in the working folder.
    auto model = std::make_unique<greenfold::GOLF1>();
    greenfold::QtDialogs dialogs;
    greenfold::Form2 window(*model);
    dialogs.setparent(&window);

    auto started =
        greenfold::startup(*model, std::filesystem::current_path(), greenfold::getsystemdir());
    dialogs.show(started);
    window.show();
    return app.exec();
}
