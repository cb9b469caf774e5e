#pragma once

#include <string>

namespace greenfold {

inline constexpr int orientation_portrait = 1;
inline constexpr int orientation_landscape = 2;

// A picture to paint on the page: one of the program's own pictures or a file by name
// (":/pictures/cardlogo.png"), or an image already encoded as PNG bytes, as a chart
// frozen into a picture is.
struct PrintPicture {
    std::string name;
    std::string png;
};

// Where every printed report goes. The reports are plain layouts that drive this port
// line by line; the Qt implementation puts the lines on a printer or into a PDF file and
// the recording one keeps them for the tests.
//
// Positions and measures are in the device's pixels, with (0, 0) the top left corner of
// the printable area: the lists only care that a line advances by its font's height,
// while the cards and charts place their texts in fractions of the page.
class PrintSurface {
  public:
    virtual ~PrintSurface() = default;

    // 1 portrait, 2 landscape; takes effect for the document being started.
    virtual void setorientation(int orientation) = 0;

    // The fonts the device offers, and the one in use.
    virtual int fontcount() const = 0;
    virtual std::string fontname(int i) const = 0;
    virtual std::string currentfont() const = 0;

    // The font for the text printed next. Name, size and bold stay across pages.
    virtual void setfontname(const std::string& name) = 0;
    virtual void setfontsize(float points) = 0;
    virtual void setbold(bool bold) = 0;

    // Writes a text at the current position and moves to the start of the next line,
    // one line height of the font further down. An empty text only ends the line. A line
    // that would not fit on the page goes to the top of a new one.
    virtual void printline(const std::string& text) = 0;
    // Writes a text and stays on the line, just after it.
    virtual void printtext(const std::string& text) = 0;

    virtual double currentx() const = 0;
    virtual double currenty() const = 0;
    virtual void setposition(double x, double y) = 0;

    // The printable area, and the size of a text in the current font.
    virtual double pagewidth() const = 0;
    virtual double pageheight() const = 0;
    virtual double measurewidth(const std::string& text) const = 0;
    virtual double measureheight(const std::string& text) const = 0;

    // Finishes the page; the next text starts at the top of a new one.
    virtual void newpage() = 0;
    // Finishes the last page and hands the document over. False when the device failed
    // at any point of the job.
    virtual bool enddocument() = 0;

    // Lines and filled boxes for the charts; colours are the numbers of the 16-colour
    // palette (0 black .. 15 bright white). The pen colour is also the colour of text.
    virtual void setpen(int colour, int width) = 0;
    virtual void drawline(double x1, double y1, double x2, double y2) = 0;
    virtual void fillbox(double x1, double y1, double x2, double y2, int colour) = 0;
    // Paints a picture scaled into the rectangle.
    virtual void drawpicture(const PrintPicture& picture, double x, double y, double w,
                             double h) = 0;
};

} // namespace greenfold
