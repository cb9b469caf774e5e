#include "charts/recordingcanvas.h"

namespace greenfold {

std::vector<Drawn> RecordingCanvas::all(Drawn::Kind kind) const {
    std::vector<Drawn> out;
    for (const auto& d : drawn)
        if (d.kind == kind) out.push_back(d);
    return out;
}

void RecordingCanvas::erase() {
    drawn.push_back({Drawn::Kind::clear, 0, 0, 0, 0, 0, 0, 0, {}, 0, pen()});
}

void RecordingCanvas::drawline(double x1, double y1, double x2, double y2) {
    drawn.push_back({Drawn::Kind::line, x1, y1, x2, y2, 0, 0, 0, {}, 0, pen()});
}

void RecordingCanvas::box(double x1, double y1, double x2, double y2, int fillcolour) {
    drawn.push_back({Drawn::Kind::box, x1, y1, x2, y2, 0, 0, fillcolour, {}, 0, pen()});
}

void RecordingCanvas::wedge(double cx, double cy, double radius, double start, double end,
                            int fillcolour) {
    drawn.push_back({Drawn::Kind::wedge, cx, cy, radius, 0, start, end, fillcolour, {}, 0, pen()});
}

void RecordingCanvas::text(double x, double y, const std::string& s, double points) {
    drawn.push_back({Drawn::Kind::text, x, y, 0, 0, 0, 0, 0, s, points, pen()});
}

double RecordingCanvas::textheight(const std::string&, double points) const {
    return points * 20 * 1.15;
}

} // namespace greenfold
