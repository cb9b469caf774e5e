#pragma once

#include "charts/canvas.h"
#include "platform/qtforward.h"
#include "reports/printsurface.h"

#include <QString>

#include <functional>
#include <string>

namespace greenfold {

class QtCanvas;

// Pieces the chart windows share.

// A sunken panel showing a text, centred, a little in from its border.
QLabel* chartpanel(QWidget* parent, const char* name, const QString& text);
// A picture box showing the canvas, sized to it plus its border.
QLabel* picturebox(QWidget* parent, const char* name);
void showcanvas(QLabel* box, const QtCanvas& canvas);

// A chart drawn again on a canvas at printer resolution and frozen into a picture, so
// the printed chart is what the window shows, only sharper.
PrintPicture printpicture(double width, double height, const std::string& name,
                          const std::function<void(Canvas&)>& draw);

} // namespace greenfold
