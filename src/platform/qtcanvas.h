#pragma once

#include "charts/canvas.h"
#include "reports/printsurface.h"

#include <QFont>
#include <QPixmap>

namespace greenfold {

// The chart canvas on a QPixmap. The charts draw in twips; the pixmap holds them at a
// chosen number of pixels per twip: the screen's for the window, more for a picture the
// printer scales up to most of a page.
class QtCanvas : public Canvas {
  public:
    // A drawing area of width x height twips, white.
    QtCanvas(double width, double height, double pixelspertwip);

    // Pixels per twip of the screen the windows are on.
    static double screenscale();

    const QPixmap& pixmap() const { return pixmap_; }
    // The drawing as it stands, as a picture for the print surface.
    PrintPicture freeze(const std::string& name) const;

    double width() const override { return width_; }
    double height() const override { return height_; }
    void box(double x1, double y1, double x2, double y2, int fillcolour) override;
    void wedge(double cx, double cy, double radius, double start, double end,
               int fillcolour) override;
    void text(double x, double y, const std::string& s, double points) override;
    double textheight(const std::string& s, double points) const override;

  protected:
    void erase() override;
    void drawline(double x1, double y1, double x2, double y2) override;

  private:
    QPointF at(double x, double y) const;
    QPen qpen() const;
    QFont font(double points) const;

    double width_;
    double height_;
    double scale_;
    QPixmap pixmap_;
};

} // namespace greenfold
