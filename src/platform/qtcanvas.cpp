#include "platform/qtcanvas.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <cmath>
#include <numbers>

namespace greenfold {

namespace {

// Twips in one pixel of a 96 dots-per-inch screen, the measure pen widths count in.
constexpr double twipsperpixel = 15;

QColor colour(int n) {
    return QColor(QRgb(palettergb(n)));
}

double degrees(double radians) {
    return radians * 180 / std::numbers::pi;
}

} // namespace

QtCanvas::QtCanvas(double width, double height, double pixelspertwip)
    : width_(width), height_(height), scale_(pixelspertwip),
      pixmap_(int(std::lround(width * pixelspertwip)), int(std::lround(height * pixelspertwip))) {
    pixmap_.fill(Qt::white);
}

double QtCanvas::screenscale() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return dpi / 1440.0;
}

PrintPicture QtCanvas::freeze(const std::string& name) const {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    pixmap_.save(&buffer, "PNG");
    return {name, bytes.toStdString()};
}

QPointF QtCanvas::at(double x, double y) const {
    return {x * scale_, y * scale_};
}

QPen QtCanvas::qpen() const {
    QPen p(colour(pen().colour));
    p.setWidthF(std::max(1.0, pen().width * twipsperpixel * scale_));
    p.setStyle(pen().style == PenStyle::dotted ? Qt::DotLine : Qt::SolidLine);
    return p;
}

QFont QtCanvas::font(double points) const {
    QFont f = QGuiApplication::font();
    f.setPixelSize(std::max(1, int(std::lround(points * 20 * scale_))));
    return f;
}

void QtCanvas::erase() {
    pixmap_.fill(Qt::white);
}

void QtCanvas::drawline(double x1, double y1, double x2, double y2) {
    QPainter painter(&pixmap_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(qpen());
    if (x1 == x2 && y1 == y2)
        painter.drawPoint(at(x1, y1));
    else
        painter.drawLine(at(x1, y1), at(x2, y2));
}

void QtCanvas::box(double x1, double y1, double x2, double y2, int fillcolour) {
    QPainter painter(&pixmap_);
    painter.setPen(qpen());
    painter.setBrush(colour(fillcolour));
    painter.drawRect(QRectF(at(x1, y1), at(x2, y2)).normalized());
}

void QtCanvas::wedge(double cx, double cy, double radius, double start, double end,
                     int fillcolour) {
    QPainter painter(&pixmap_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(qpen());
    painter.setBrush(colour(fillcolour));
    const QRectF circle(at(cx - radius, cy - radius), at(cx + radius, cy + radius));
    // Qt counts sixteenths of a degree, counter-clockwise from 3 o'clock, as we do.
    const int from = int(std::lround(degrees(start) * 16));
    const int span = int(std::lround(degrees(wedgesweep(start, end)) * 16));
    if (span >= 360 * 16)
        painter.drawEllipse(circle);
    else
        painter.drawPie(circle, from, span);
}

void QtCanvas::text(double x, double y, const std::string& s, double points) {
    QPainter painter(&pixmap_);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QFont f = font(points);
    painter.setFont(f);
    painter.setPen(colour(pen().colour));
    const QPointF topleft = at(x, y);
    painter.drawText(QPointF(topleft.x(), topleft.y() + QFontMetricsF(f).ascent()),
                     QString::fromStdString(s));
}

double QtCanvas::textheight(const std::string&, double points) const {
    return QFontMetricsF(font(points)).height() / scale_;
}

} // namespace greenfold
