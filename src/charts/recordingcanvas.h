#pragma once

#include "charts/canvas.h"

#include <string>
#include <vector>

namespace greenfold {

// One thing drawn on the recording canvas, with the pen it was drawn in.
struct Drawn {
    enum class Kind { clear, line, box, wedge, text };
    Kind kind = Kind::clear;
    // Line ends and box corners; a wedge's centre is (x1, y1) and its radius x2; a text's
    // top left corner is (x1, y1).
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    double start = 0, end = 0; // wedge angles
    int fill = 0;              // box and wedge fill colour
    std::string text;
    double points = 0;
    Canvas::Pen pen;
};

// A canvas that keeps everything drawn on it, for the tests. Texts measure 1.15 of
// their size in height, as the recording print surface measures a line.
class RecordingCanvas : public Canvas {
  public:
    RecordingCanvas(double width, double height) : width_(width), height_(height) {}

    std::vector<Drawn> drawn;
    // The drawings of one kind, in order.
    std::vector<Drawn> all(Drawn::Kind kind) const;

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
    double width_;
    double height_;
};

} // namespace greenfold
