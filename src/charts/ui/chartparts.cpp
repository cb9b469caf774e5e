#include "charts/ui/chartparts.h"

#include "platform/qtcanvas.h"
#include "platform/qtservices.h"
#include "platform/widgets.h"

#include <QLabel>

namespace greenfold {

namespace {

// 300 dots to the inch: the graph comes out near 1900 pixels across, sharp on a page
// without making a large print job.
constexpr double printscale = 300.0 / 1440.0;

} // namespace

QLabel* chartpanel(QWidget* parent, const char* name, const QString& text) {
    QLabel* panel = centredpanel(parent, name, text);
    panel->setMargin(2);
    return panel;
}

QLabel* picturebox(QWidget* parent, const char* name) {
    auto* box = new QLabel(parent);
    box->setObjectName(name);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setLineWidth(2);
    box->setAlignment(Qt::AlignCenter);
    return box;
}

void showcanvas(QLabel* box, const QtCanvas& canvas) {
    box->setPixmap(canvas.pixmap());
    const int border = 2 * box->frameWidth();
    box->setFixedSize(canvas.pixmap().width() + border, canvas.pixmap().height() + border);
}

PrintPicture printpicture(double width, double height, const std::string& name,
                          const std::function<void(Canvas&)>& draw) {
    QtCanvas canvas(width, height, printscale);
    draw(canvas);
    return canvas.freeze(name);
}

} // namespace greenfold
