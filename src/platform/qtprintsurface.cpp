#include "platform/qtprintsurface.h"

#include "model/safefile.h"
#include "platform/services.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QLocale>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryFile>

#include <array>

namespace greenfold {

namespace {

// The 16-colour palette the charts number their colours by.
QColor palettecolour(int n) {
    static const std::array<QRgb, 16> rgb{
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
        0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    return QColor(rgb[std::size_t(n & 15)]);
}

const QStringList& families() {
    static const QStringList list = QFontDatabase::families();
    return list;
}

// A font that is not installed gives way to a monospaced one with the same widths, so
// the lists keep their columns on any machine.
QString installedfamily(const QString& family) {
    if (QFontDatabase::hasFamily(family)) return family;
    for (const char* mono : {"Liberation Mono", "Cousine", "DejaVu Sans Mono"})
        if (QFontDatabase::hasFamily(mono)) return mono;
    return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
}

// The font database is asked once per name: a sheet of cards switches fonts often.
const QString& resolvedfamily(const std::string& name) {
    static std::map<std::string, QString> known;
    auto [it, fresh] = known.try_emplace(name);
    if (fresh) it->second = installedfamily(QString::fromStdString(name));
    return it->second;
}

bool endswithpdf(const std::string& name) {
    return QString::fromStdString(name).endsWith(".pdf", Qt::CaseInsensitive);
}

} // namespace

QtPrintSurface::QtPrintSurface(QPrinter& printer) : printer_(&printer) {
    setfontname("Courier New");
    font_.setPointSizeF(10);
}

QtPrintSurface::QtPrintSurface(const std::string& pdffile)
    : own_(std::make_unique<QPrinter>(QPrinter::HighResolution)), printer_(own_.get()),
      pdffile_(pdffile) {
    // The printout is drawn into a temporary file first and then written over the
    // chosen file in one piece, so a failure never leaves half a PDF behind.
    temp_ = std::make_unique<QTemporaryFile>(QDir::tempPath() + "/greenfold-XXXXXX.pdf");
    if (!temp_->open()) failed_ = true;
    temp_->close();
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(temp_->fileName());
    printer_->setPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem
                              ? QPageSize(QPageSize::Letter)
                              : QPageSize(QPageSize::A4));
    // A quarter inch, the margin of most printers: the long list needs the width.
    printer_->setPageMargins(QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch);
    setfontname("Courier New");
    font_.setPointSizeF(10);
}

QtPrintSurface::~QtPrintSurface() {
    if (started_ && !ended_) {
        printer_->abort();
        painter_.end();
    }
}

void QtPrintSurface::setorientation(int orientation) {
    if (started_) return;
    printer_->setPageOrientation(orientation == orientation_landscape ? QPageLayout::Landscape
                                                                      : QPageLayout::Portrait);
}

int QtPrintSurface::fontcount() const {
    return int(families().size());
}

std::string QtPrintSurface::fontname(int i) const {
    return i >= 0 && i < fontcount() ? families().at(i).toStdString() : std::string();
}

void QtPrintSurface::setfontname(const std::string& name) {
    fontname_ = name;
    const QString& family = resolvedfamily(name);
    font_.setFamily(family);
    font_.setStyleHint(family == QString::fromStdString(name) ? QFont::AnyStyle
                                                              : QFont::TypeWriter);
}

void QtPrintSurface::setfontsize(float points) {
    if (points > 0) font_.setPointSizeF(points);
}

void QtPrintSurface::setbold(bool bold) {
    font_.setBold(bold);
}

bool QtPrintSurface::begin() {
    if (started_) return !failed_;
    started_ = true;
    if (failed_ || !painter_.begin(printer_)) {
        failed_ = true;
        return false;
    }
    painter_.setRenderHint(QPainter::SmoothPixmapTransform);
    // Charts and the card logo are line art: keep them lossless in a PDF.
    painter_.setRenderHint(QPainter::LosslessImageRendering);
    return true;
}

double QtPrintSurface::lineheight() const {
    return QFontMetricsF(font_, printer_).lineSpacing();
}

void QtPrintSurface::drawtext(const std::string& text) {
    if (!begin() || text.empty()) return;
    painter_.setFont(font_);
    painter_.setPen(palettecolour(colour_));
    const QFontMetricsF fm(font_, printer_);
    painter_.drawText(QPointF(x_, y_ + fm.ascent()), QString::fromStdString(text));
}

void QtPrintSurface::printline(const std::string& text) {
    const double step = lineheight();
    if (y_ > 0 && y_ + step > pageheight()) newpage();
    drawtext(text);
    x_ = 0;
    y_ += step;
}

void QtPrintSurface::printtext(const std::string& text) {
    drawtext(text);
    x_ += measurewidth(text);
}

void QtPrintSurface::setposition(double x, double y) {
    x_ = x;
    y_ = y;
}

double QtPrintSurface::pagewidth() const {
    return printer_->pageLayout().paintRectPixels(printer_->resolution()).width();
}

double QtPrintSurface::pageheight() const {
    return printer_->pageLayout().paintRectPixels(printer_->resolution()).height();
}

double QtPrintSurface::measurewidth(const std::string& text) const {
    return QFontMetricsF(font_, printer_).horizontalAdvance(QString::fromStdString(text));
}

double QtPrintSurface::measureheight(const std::string&) const {
    return QFontMetricsF(font_, printer_).height();
}

void QtPrintSurface::newpage() {
    if (begin() && !printer_->newPage()) failed_ = true;
    x_ = 0;
    y_ = 0;
}

bool QtPrintSurface::enddocument() {
    if (ended_) return !failed_;
    begin();
    ended_ = true;
    if (painter_.isActive() && !painter_.end()) failed_ = true;
    if (printer_->printerState() == QPrinter::Error) failed_ = true;
    if (!failed_ && !pdffile_.empty()) failed_ = !writepdf();
    return !failed_;
}

bool QtPrintSurface::writepdf() {
    QFile drawn(temp_->fileName());
    if (!drawn.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = drawn.readAll();
    return !bytes.isEmpty() && atomicwrite(fs::path(pdffile_), bytes.toStdString());
}

void QtPrintSurface::setpen(int colour, int width) {
    colour_ = colour;
    penwidth_ = width;
}

void QtPrintSurface::drawline(double x1, double y1, double x2, double y2) {
    if (!begin()) return;
    painter_.setPen(QPen(palettecolour(colour_), penwidth_));
    painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void QtPrintSurface::fillbox(double x1, double y1, double x2, double y2, int colour) {
    if (!begin()) return;
    painter_.fillRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized(), palettecolour(colour));
}

void QtPrintSurface::drawpicture(const PrintPicture& picture, double x, double y, double w,
                                 double h) {
    if (!begin()) return;
    const QImage& image = this->picture(picture);
    if (!image.isNull()) painter_.drawImage(QRectF(x, y, w, h), image);
}

// A picture with a name is loaded once per document; one given only as bytes each time.
const QImage& QtPrintSurface::picture(const PrintPicture& picture) {
    auto [it, fresh] = pictures_.try_emplace(picture.name);
    if (!fresh && !picture.name.empty()) return it->second;
    if (!picture.png.empty())
        it->second.loadFromData(reinterpret_cast<const uchar*>(picture.png.data()),
                                int(picture.png.size()), "PNG");
    else
        it->second.load(QString::fromStdString(picture.name));
    return it->second;
}

QPrinter& chosenprinter() {
    // Kept for the whole run and never destroyed: it must outlive every window, and the
    // application object goes before static objects would.
    static QPrinter* printer = new QPrinter(QPrinter::HighResolution);
    return *printer;
}

bool printerinstalled() {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

void printersetup(Services& services, QWidget* parent) {
    if (!printerinstalled()) {
        services.dialogs.message({"No printer is installed on this computer.\r\n\r\n"
                                  "Greenfold saves each printout as a PDF file instead "
                                  "and asks you where to put it.",
                                  "Greenfold", Icon::information});
        return;
    }
    QPrintDialog dialog(&chosenprinter(), parent);
    dialog.setWindowTitle("Printer Setup");
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    for (auto* box : dialog.findChildren<QDialogButtonBox*>())
        if (QPushButton* ok = box->button(QDialogButtonBox::Ok)) ok->setText("OK");
    dialog.exec(); // a cancelled dialog leaves the printer as it was
}

std::unique_ptr<PrintSurface> QtPrinting::open() {
    if (!printerinstalled()) return openpdf();
    auto surface = std::make_unique<QtPrintSurface>(chosenprinter());
    last_ = surface.get();
    return surface;
}

std::unique_ptr<PrintSurface> QtPrinting::openpdf() {
    auto name = dialogs_.savefile("No printer installed: save the printout as PDF",
                                  "PDF Files (*.pdf)", "pdf");
    if (!name || name->empty()) return nullptr;
    if (!endswithpdf(*name)) *name += ".pdf";
    auto surface = std::make_unique<QtPrintSurface>(*name);
    last_ = surface.get();
    return surface;
}

void QtPrinting::finished(const PrintSurface& surface) {
    if (&surface != last_) return;
    const QtPrintSurface* qt = last_;
    last_ = nullptr;
    const std::string& pdf = qt->pdffile();
    if (qt->failed() && pdf.empty()) {
        dialogs_.message({"The printer reported an error. The printout may be "
                          "incomplete or missing.",
                          "Greenfold", Icon::exclamation});
    } else if (qt->failed()) {
        dialogs_.message(
            {"The printout could not be saved as\r\n" + pdf, "Greenfold", Icon::exclamation});
    } else if (!pdf.empty()) {
        dialogs_.message({"No printer is installed, so the printout was saved as a "
                          "PDF file:\r\n" +
                              pdf,
                          "Greenfold", Icon::information});
    }
}

} // namespace greenfold
