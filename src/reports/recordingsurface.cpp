#include "reports/recordingsurface.h"

#include "model/textline.h"

namespace greenfold {

std::vector<std::string> Printout::lines(int page) const {
    std::vector<std::string> out;
    std::string pending;
    for (const auto& t : texts) {
        if (t.page != page) continue;
        pending += t.text;
        if (t.lineend) {
            out.push_back(pending);
            pending.clear();
        }
    }
    if (!pending.empty()) out.push_back(pending);
    return out;
}

std::vector<std::string> Printout::alllines() const {
    std::vector<std::string> out;
    for (int p = 1; p <= pages; ++p) {
        auto page = lines(p);
        out.insert(out.end(), page.begin(), page.end());
    }
    return out;
}

std::vector<PrintedText> Printout::find(const std::string& start) const {
    std::vector<PrintedText> out;
    for (const auto& t : texts)
        if (t.text.compare(0, start.size(), start) == 0) out.push_back(t);
    return out;
}

RecordingSurface::RecordingSurface() : out_(own_) {}

RecordingSurface::RecordingSurface(Printout& into) : out_(into) {}

void RecordingSurface::setorientation(int orientation) {
    orientation_ = orientation;
    out_.orientation = orientation;
}

int RecordingSurface::fontcount() const {
    return int(fonts.size());
}

std::string RecordingSurface::fontname(int i) const {
    return i >= 0 && i < fontcount() ? fonts[i] : std::string();
}

std::string RecordingSurface::currentfont() const {
    return fontset_ ? font_ : startfont;
}

void RecordingSurface::setfontname(const std::string& name) {
    font_ = name;
    fontset_ = true;
}

void RecordingSurface::setfontsize(float points) {
    size_ = points;
}

void RecordingSurface::setbold(bool bold) {
    bold_ = bold;
}

double RecordingSurface::lineheight() const {
    return size_ * dpi / 72 * 1.15;
}

void RecordingSurface::record(const std::string& text, bool lineend) {
    out_.texts.push_back({text, out_.pages, x_, y_, currentfont(), size_, bold_, lineend});
}

void RecordingSurface::printline(const std::string& text) {
    if (y_ > 0 && y_ + lineheight() > pageheight()) {
        newpage();
        ++out_.overflows;
    }
    record(text, true);
    x_ = 0;
    y_ += lineheight();
}

void RecordingSurface::printtext(const std::string& text) {
    record(text, false);
    x_ += measurewidth(text);
}

void RecordingSurface::setposition(double x, double y) {
    x_ = x;
    y_ = y;
}

double RecordingSurface::pagewidth() const {
    return (orientation_ == orientation_landscape ? 10.5 : 8.0) * dpi;
}

double RecordingSurface::pageheight() const {
    return (orientation_ == orientation_landscape ? 8.0 : 10.5) * dpi;
}

double RecordingSurface::measurewidth(const std::string& text) const {
    return double(textwidth(text)) * size_ * dpi / 72 * 0.6;
}

double RecordingSurface::measureheight(const std::string&) const {
    return lineheight();
}

void RecordingSurface::newpage() {
    ++out_.pages;
    x_ = 0;
    y_ = 0;
}

bool RecordingSurface::enddocument() {
    ++out_.documents;
    return true;
}

void RecordingSurface::setpen(int colour, int width) {
    colour_ = colour;
    penwidth_ = width;
}

void RecordingSurface::drawline(double x1, double y1, double x2, double y2) {
    out_.drawings.push_back({false, out_.pages, x1, y1, x2, y2, colour_, penwidth_});
}

void RecordingSurface::fillbox(double x1, double y1, double x2, double y2, int colour) {
    out_.drawings.push_back({true, out_.pages, x1, y1, x2, y2, colour, penwidth_});
}

void RecordingSurface::drawpicture(const PrintPicture& picture, double x, double y, double w,
                                   double h) {
    out_.pictures.push_back({picture.name, out_.pages, x, y, w, h});
}

} // namespace greenfold
