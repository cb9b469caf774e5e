#pragma once

#include <cstdint>
#include <string>

namespace greenfold {

// The picture area a chart is drawn on. The chart geometry drives it in twips (1440 to
// the inch, y growing downwards) and never knows whether it paints a window, a picture
// for the printer or a test's record.
//
// Colours are numbers of the 16-colour palette (0 black .. 15 bright white). Pen widths
// count screen pixels, as a picture box's drawing width does, so a line keeps its
// weight when the picture is drawn again at printer resolution.

enum class PenStyle { solid, dotted };

// 0xRRGGBB of palette colour n (taken modulo 16).
std::uint32_t palettergb(int n);

// The size the charts' texts use unless they name another.
inline constexpr double canvasfontpoints = 8;

class Canvas {
  public:
    struct Pen {
        int colour = 0;
        int width = 1;
        PenStyle style = PenStyle::solid;
    };

    virtual ~Canvas() = default;

    // The inner drawing area, in twips.
    virtual double width() const = 0;
    virtual double height() const = 0;

    // Paints the background over everything and puts the pen back at the top left.
    void clear();

    void setpencolour(int colour) { pen_.colour = colour; }
    void setpenwidth(int width) { pen_.width = width; }
    void setpenstyle(PenStyle style) { pen_.style = style; }
    const Pen& pen() const { return pen_; }

    // The current position: where the last line ended, or where the pen was moved.
    double currentx() const { return x_; }
    double currenty() const { return y_; }
    void move(double x, double y);
    // A line in the pen; the current position moves to its end. A line that starts
    // where it ends is a dot.
    void line(double x1, double y1, double x2, double y2);
    void lineto(double x, double y) { line(x_, y_, x, y); }

    // A box filled in a palette colour and outlined in the pen.
    virtual void box(double x1, double y1, double x2, double y2, int fillcolour) = 0;
    // A pie wedge, both radii and the arc outlined in the pen and filled in a palette
    // colour. Angles are radians counter-clockwise from 3 o'clock; the wedge runs
    // counter-clockwise from start to end, across 0 when end is the smaller. An end
    // equal to the start (closer than a millionth of a radian) is the whole circle.
    virtual void wedge(double cx, double cy, double radius, double start, double end,
                       int fillcolour) = 0;
    // A text in the pen's colour with its top left corner at (x, y).
    virtual void text(double x, double y, const std::string& s,
                      double points = canvasfontpoints) = 0;
    virtual double textheight(const std::string& s, double points = canvasfontpoints) const = 0;

  protected:
    virtual void erase() = 0;
    virtual void drawline(double x1, double y1, double x2, double y2) = 0;

  private:
    Pen pen_;
    double x_ = 0;
    double y_ = 0;
};

// The sweep of a wedge from start to end, counter-clockwise, in 0 < sweep <= 2 pi.
double wedgesweep(double start, double end);

} // namespace greenfold
