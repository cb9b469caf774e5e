#include "reports/ui/printcommands.h"

#include "model/programstate.h"
#include "model/textline.h"
#include "platform/qtprintsurface.h"
#include "platform/services.h"
#include "reports/chcpchart.h"
#include "reports/handicaplists.h"
#include "reports/listexport.h"

#include <QDate>

#include <filesystem>

namespace greenfold {

std::string todaysdate() {
    const QDate today = QDate::currentDate();
    return reportdate(today.year(), today.month(), today.day());
}

void runprint(Services& services, const std::function<void(PrintSurface&)>& layout) {
    auto surface = services.printing.open();
    if (!surface) return;
    whilebusy(services.busy, [&] { layout(*surface); });
    services.printing.finished(*surface);
}

void printlist(const ProgramState& g, Services& services, const ListLines& lines) {
    if (!listprintable(lines)) return;
    const Answer answer =
        services.dialogs.message(printquestion(), Buttons::yesnocancel, Answer::no);
    if (answer != Answer::yes && answer != Answer::no) return;
    const std::string date = todaysdate();
    runprint(services, [&](PrintSurface& s) {
        if (answer == Answer::yes)
            printlongreport(s, g, lines, date);
        else
            printshortreport(s, g, lines, date);
    });
}

void exportlisting(const ProgramState& g, Services& services, const ListLines& lines) {
    // The dialog adds ".txt" itself, so its own overwrite question covers the final name.
    const auto chosen = services.dialogs.savefile(exporttitle, exportfilter, "txt");
    const auto file = exportfilename(chosen.value_or(""));
    if (!file) {
        services.dialogs.beep();
        return;
    }
    // A name the dialog left with another ending gets ".txt" here, after its question:
    // ask before that name replaces a file.
    if (*file != *chosen && std::filesystem::exists(*file) &&
        services.dialogs.message(exportreplacequestion(*file), Buttons::yesno, Answer::no) !=
            Answer::yes)
        return;
    const Outcome written =
        whilebusy(services.busy, [&] { return shortprintfile(g, lines, todaysdate(), *file); });
    services.dialogs.show(written);
}

void PrintChcpChart(const ProgramState& g, Services& services, int course) {
    if (course < 1 || course > g.coursecount) return;
    TeeReply reply;
    do {
        reply = readteereply(services.dialogs.input(teequestion(), teequestiontitle));
    } while (reply.again);
    if (reply.tee == 0) return;
    runprint(services, [&](PrintSurface& s) { PrintChcpChart(s, g, course, reply.tee); });
}

} // namespace greenfold
