#include "reports/scorecards.h"

#include "model/textline.h"
#include "reports/printsteps.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace greenfold {

namespace {

// Measures in fractions of the printable width, so that a card keeps its shape.
constexpr double namecolumn = 0.3;
constexpr double hcpcolumn = 0.06;
constexpr double titleband = 0.034;
constexpr double headrow = 0.026;
constexpr double playerrow = 0.044;
constexpr double noteband = 0.024;
constexpr double cardgap = 0.05;
constexpr double dot = 0.008;
constexpr double inset = 0.006;
constexpr double dash = 0.012;
constexpr float smallest = 6.5f;

// A column of the grid: a hole (0-based), or a sum of the holes before it.
struct Column {
    std::string label;
    std::vector<int> holes; // one hole, or the holes summed
    bool sum = false;
};

std::vector<Column> columns(const std::vector<int>& holes) {
    std::vector<Column> out;
    std::vector<int> front, back;
    for (int h : holes) {
        out.push_back({std::to_string(h + 1), {h}, false});
        (h < 9 ? front : back).push_back(h);
        if (holes.size() == 18 && h == 8) out.push_back({"Out", front, true});
    }
    if (holes.size() == 18) out.push_back({"In", back, true});
    out.push_back({holes.size() == 18 ? "Tot" : "Total", holes, true});
    return out;
}

double cardheight(const Scorecard& c, double w) {
    return w * (titleband + 3 * headrow + double(c.lines.size()) * playerrow +
                (c.note.empty() ? 0 : noteband));
}

// Draws one card with its top at y.
class CardDrawer {
  public:
    CardDrawer(PrintSurface& s, const Scorecard& c, const std::string& font, double y)
        : s_(s), c_(c), font_(font), w_(s.pagewidth()), top_(y), cols_(columns(c.holes)) {
        cellw_ = w_ * (1 - namecolumn - hcpcolumn) / double(std::max<std::size_t>(cols_.size(), 1));
        thin_ = std::max(1, int(std::lround(w_ / 2400)));
    }

    void draw() {
        title();
        double y = top_ + w_ * titleband;
        const double gridtop = y;
        headrows(y);
        y += 3 * w_ * headrow;
        for (const CardLine& line : c_.lines) {
            rule(y, line.newmatch ? 2 * thin_ : thin_);
            player(line, y);
            y += w_ * playerrow;
        }
        rule(y, 2 * thin_);
        rule(gridtop, 2 * thin_);
        verticals(gridtop, y);
        if (!c_.note.empty()) text(c_.note, 0, y, w_ * noteband, 7, false, Align::left, w_);
    }

  private:
    enum class Align { left, centre, right };

    double colx(std::size_t k) const { return w_ * (namecolumn + hcpcolumn) + double(k) * cellw_; }

    // A text in its cell: made smaller, down to the smallest print that reads well, and
    // then cut, rather than run into the next cell.
    void text(const std::string& t, double x, double y, double h, float size, bool bold,
              Align align, double width) {
        if (t.empty()) return;
        s_.setpen(0, thin_);
        s_.setfontname(font_);
        s_.setbold(bold);
        const double pad = w_ * inset;
        const double room = width - (align == Align::centre ? pad / 2 : 2 * pad);
        s_.setfontsize(size);
        while (s_.measurewidth(t) > room && size > smallest) s_.setfontsize(size -= 0.5f);
        std::string shown = t;
        for (std::size_t n = textwidth(t); n > 1 && s_.measurewidth(shown) > room;)
            shown = charsubstr(t, 0, --n);
        const double tw = s_.measurewidth(shown);
        const double at = align == Align::left     ? x + pad
                          : align == Align::centre ? x + (width - tw) / 2
                                                   : x + width - tw - pad;
        s_.setposition(at, y + (h - s_.measureheight(shown)) / 2);
        s_.printtext(shown);
    }

    void rule(double y, int width) {
        s_.setpen(0, width);
        s_.drawline(0, y, w_, y);
    }

    void title() {
        const double h = w_ * titleband;
        text(c_.heading, 0, top_, h, 10, true, Align::left, w_ / 2);
        text(c_.title, w_ / 2, top_, h, 9, false, Align::right, w_ / 2);
    }

    // Hole, Par and Stroke index, with the sums of the par.
    void headrows(double y) {
        const double h = w_ * headrow;
        const double names = w_ * namecolumn;
        text("Hole", 0, y, h, 8, true, Align::left, names);
        text("Hcp", w_ * namecolumn, y, h, 8, true, Align::centre, w_ * hcpcolumn);
        text("Par", 0, y + h, h, 8, false, Align::left, names);
        text("Stroke index", 0, y + 2 * h, h, 8, false, Align::left, names);
        for (std::size_t k = 0; k < cols_.size(); ++k) {
            const Column& col = cols_[k];
            int par = 0;
            for (int hole : col.holes) par += c_.par[std::size_t(hole)];
            text(col.label, colx(k), y, h, 8, true, Align::centre, cellw_);
            text(par > 0 ? std::to_string(par) : "", colx(k), y + h, h, 8, col.sum, Align::centre,
                 cellw_);
            const int si = col.sum ? 0 : c_.index[std::size_t(col.holes.front())];
            text(si > 0 ? std::to_string(si) : "", colx(k), y + 2 * h, h, 8, false, Align::centre,
                 cellw_);
        }
        for (int r = 1; r <= 2; ++r) rule(y + r * h, thin_);
    }

    void player(const CardLine& line, double y) {
        const double h = w_ * playerrow;
        text(line.name, 0, y, h, 10, false, Align::left, w_ * namecolumn);
        text(line.handicap, w_ * namecolumn, y, h, 10, true, Align::centre, w_ * hcpcolumn);
        for (std::size_t k = 0; k < cols_.size(); ++k)
            if (!cols_[k].sum) marks(line.strokes[std::size_t(cols_[k].holes.front())], colx(k), y);
    }

    // A dot for each stroke received, a cross for each given back, along the cell's top.
    void marks(int strokes, double x, double y) {
        const double d = w_ * dot, pad = w_ * inset;
        for (int k = 0; k < std::min(std::abs(strokes), 4); ++k) {
            const double left = x + pad + k * 1.6 * d, top = y + pad;
            if (strokes > 0) {
                s_.fillbox(left, top, left + d, top + d, 0);
            } else {
                s_.setpen(0, thin_);
                s_.drawline(left, top + d / 2, left + d, top + d / 2);
                s_.drawline(left + d / 2, top, left + d / 2, top + d);
            }
        }
    }

    void verticals(double from, double to) {
        s_.setpen(0, 2 * thin_);
        s_.drawline(0, from, 0, to);
        s_.drawline(w_, from, w_, to);
        s_.setpen(0, thin_);
        s_.drawline(w_ * namecolumn, from, w_ * namecolumn, to);
        for (std::size_t k = 0; k < cols_.size(); ++k) {
            // The sums stand apart: a heavier rule before each.
            s_.setpen(0, cols_[k].sum ? 2 * thin_ : thin_);
            s_.drawline(colx(k), from, colx(k), to);
        }
    }

    PrintSurface& s_;
    const Scorecard& c_;
    const std::string& font_;
    double w_;
    double top_;
    std::vector<Column> cols_;
    double cellw_ = 0;
    int thin_ = 1;
};

// A dashed line across the page where the sheet is cut.
void cutline(PrintSurface& s, double y) {
    const double w = s.pagewidth(), step = w * dash;
    s.setpen(8, std::max(1, int(std::lround(w / 2400))));
    for (double x = 0; x < w; x += 2 * step) s.drawline(x, y, std::min(x + step, w), y);
}

void startsheet(PrintSurface& s, const std::string& font) {
    s.setposition(0, 0);
    resetprintfont(s, font);
}

} // namespace

int printscorecards(PrintSurface& s, const std::vector<Scorecard>& cards, const std::string& font) {
    s.setorientation(orientation_portrait);
    startsheet(s, font);
    const double w = s.pagewidth(), gap = w * cardgap;
    double y = 0;
    int printed = 0, onpage = 0;
    for (const Scorecard& c : cards) {
        const double h = cardheight(c, w);
        if (onpage > 0 && y + gap + h > s.pageheight()) {
            s.newpage();
            startsheet(s, font);
            y = 0;
            onpage = 0;
        }
        if (onpage > 0) {
            cutline(s, y + gap / 2);
            y += gap;
        }
        CardDrawer(s, c, font, y).draw();
        y += h;
        ++onpage;
        ++printed;
    }
    s.enddocument();
    return printed;
}

} // namespace greenfold
