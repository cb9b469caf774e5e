#pragma once

#include "reports/printsurface.h"

#include <string>
#include <vector>

namespace greenfold {

// Everything a report put on the recording surface, in order.
struct PrintedText {
    std::string text;
    int page = 1;
    double x = 0;
    double y = 0;
    std::string font;
    float size = 0;
    bool bold = false;
    bool lineend = true; // printed as a line, not left on the line
};

struct PrintedPicture {
    std::string name;
    int page = 1;
    double x = 0, y = 0, w = 0, h = 0;
};

struct PrintedDrawing {
    bool filled = false; // a filled box, else a line
    int page = 1;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int colour = 0;
    int width = 1;
};

struct Printout {
    int orientation = 0;
    std::vector<PrintedText> texts;
    std::vector<PrintedPicture> pictures;
    std::vector<PrintedDrawing> drawings;
    int pages = 1;
    int overflows = 0; // pages begun because a line did not fit
    int documents = 0; // documents ended

    // The lines of one page as they read: texts left on the line are joined to the
    // line that follows them.
    std::vector<std::string> lines(int page) const;
    // Every line of every page, each page's lines after the last of the one before.
    std::vector<std::string> alllines() const;
    // The texts that start with the given text, in order.
    std::vector<PrintedText> find(const std::string& start) const;
};

// A print surface that keeps everything it is given, measured as a 600-dots-per-inch
// printer with a monospaced font would measure it: 8 by 10.5 inches printable in
// portrait, a character 0.6 of the font size wide and a line 1.15 of it high.
class RecordingSurface : public PrintSurface {
  public:
    RecordingSurface();
    // Records into a printout the caller keeps, so it outlives the surface.
    explicit RecordingSurface(Printout& into);

    const Printout& printout() const { return out_; }

    // The device's font list and the font it starts with.
    std::vector<std::string> fonts = {"Arial", "Courier New", "Times New Roman"};
    std::string startfont = "Arial";
    double dpi = 600;

    void setorientation(int orientation) override;
    int fontcount() const override;
    std::string fontname(int i) const override;
    std::string currentfont() const override;
    void setfontname(const std::string& name) override;
    void setfontsize(float points) override;
    void setbold(bool bold) override;
    void printline(const std::string& text) override;
    void printtext(const std::string& text) override;
    double currentx() const override { return x_; }
    double currenty() const override { return y_; }
    void setposition(double x, double y) override;
    double pagewidth() const override;
    double pageheight() const override;
    double measurewidth(const std::string& text) const override;
    double measureheight(const std::string& text) const override;
    void newpage() override;
    bool enddocument() override;
    void setpen(int colour, int width) override;
    void drawline(double x1, double y1, double x2, double y2) override;
    void fillbox(double x1, double y1, double x2, double y2, int colour) override;
    void drawpicture(const PrintPicture& picture, double x, double y, double w, double h) override;

  private:
    double lineheight() const;
    void record(const std::string& text, bool lineend);

    Printout own_;
    Printout& out_;
    int orientation_ = orientation_portrait;
    std::string font_;
    bool fontset_ = false;
    float size_ = 10;
    bool bold_ = false;
    int colour_ = 0;
    int penwidth_ = 1;
    double x_ = 0;
    double y_ = 0;
};

} // namespace greenfold
