#pragma once

// Printouts and chart drawings as text for the golden files: one line per thing drawn,
// positions to a tenth, texts between bars so that their spaces show.

#include "charts/recordingcanvas.h"
#include "reports/recordingsurface.h"

#include <cstdio>
#include <string>

namespace greenfold::testing {

inline std::string fixed(double v, int decimals = 1) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v + 0.0); // no "-0.0"
    return buf;
}

inline std::string corners(double x1, double y1, double x2, double y2) {
    return fixed(x1) + "," + fixed(y1) + "-" + fixed(x2) + "," + fixed(y2);
}

// Page by page its texts ("stay" when the text left the pen on its line), its lines and
// boxes, its pictures; then the orientation and the counts.
inline std::string dump(const Printout& out) {
    std::string s;
    for (int p = 1; p <= out.pages; ++p) {
        const std::string page = "p" + std::to_string(p) + " ";
        for (const auto& t : out.texts)
            if (t.page == p)
                s += page + "text " + fixed(t.x) + "," + fixed(t.y) + " \"" + t.font + "\" " +
                     fixed(t.size) + (t.bold ? " bold" : "") + (t.lineend ? "" : " stay") + " |" +
                     t.text + "|\n";
        for (const auto& d : out.drawings)
            if (d.page == p)
                s += page + (d.filled ? "box " : "line ") + corners(d.x1, d.y1, d.x2, d.y2) + " c" +
                     std::to_string(d.colour) + " w" + std::to_string(d.width) + "\n";
        for (const auto& i : out.pictures)
            if (i.page == p)
                s += page + "picture " + i.name + " " + fixed(i.x) + "," + fixed(i.y) + " " +
                     fixed(i.w) + "x" + fixed(i.h) + "\n";
    }
    return s + "end " + (out.orientation == orientation_landscape ? "landscape" : "portrait") +
           " pages " + std::to_string(out.pages) + " overflows " + std::to_string(out.overflows) +
           " documents " + std::to_string(out.documents) + "\n";
}

inline std::string pen(const Canvas::Pen& p) {
    return "c" + std::to_string(p.colour) + " w" + std::to_string(p.width) +
           (p.style == PenStyle::dotted ? " dotted" : "");
}

// Everything drawn, in order, with the pen it was drawn in; a wedge's centre, radius and
// angles in radians. The last line is the pen the drawing left.
inline std::string dump(const RecordingCanvas& c) {
    std::string s;
    for (const auto& d : c.drawn) {
        using enum Drawn::Kind;
        const std::string fill = " fill" + std::to_string(d.fill) + " ";
        if (d.kind == clear) s += "clear";
        if (d.kind == line) s += "line " + corners(d.x1, d.y1, d.x2, d.y2) + " " + pen(d.pen);
        if (d.kind == box) s += "box " + corners(d.x1, d.y1, d.x2, d.y2) + fill + pen(d.pen);
        if (d.kind == wedge)
            s += "wedge " + fixed(d.x1) + "," + fixed(d.y1) + " r" + fixed(d.x2) + " " +
                 fixed(d.start, 4) + ".." + fixed(d.end, 4) + fill + pen(d.pen);
        if (d.kind == text)
            s += "text " + fixed(d.x1) + "," + fixed(d.y1) + " " + fixed(d.points) + " " +
                 pen(d.pen) + " |" + d.text + "|";
        s += "\n";
    }
    return s + "end pen " + pen(c.pen()) + "\n";
}

} // namespace greenfold::testing
