#pragma once

#include "platform/services.h"
#include "reports/printsurface.h"

#include <QFont>
#include <QImage>
#include <QPainter>

#include <functional>
#include <map>
#include <memory>
#include <string>

class QPrinter;
class QTemporaryFile;
class QWidget;

namespace greenfold {

struct Services;

// The print surface on a QPrinter: a real printer, or a PDF file when the machine has
// none. Positions are the printer's device pixels inside its printable area.
//
// The device is opened at the first thing drawn, so the orientation the report sets
// first still applies. The print font comes out monospaced: when the named font is not
// installed, a metric-compatible monospaced one takes its place (Liberation Mono for
// Courier New), so the columns of the lists line up as they do on the screen.
class QtPrintSurface : public PrintSurface {
  public:
    // Prints on a printer the caller keeps (the one chosen in Printer Setup).
    explicit QtPrintSurface(QPrinter& printer);
    // Writes a PDF file, replaced whole when the document ends.
    explicit QtPrintSurface(const std::string& pdffile);
    ~QtPrintSurface() override;

    const std::string& pdffile() const { return pdffile_; }
    // Whether the printer or the file failed at any point of the job.
    bool failed() const { return failed_; }

    void setorientation(int orientation) override;
    int fontcount() const override;
    std::string fontname(int i) const override;
    std::string currentfont() const override { return fontname_; }
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
    bool begin();
    void drawtext(const std::string& text);
    double lineheight() const;
    bool writepdf();
    const QImage& picture(const PrintPicture& picture);

    std::unique_ptr<QPrinter> own_;
    QPrinter* printer_;
    std::unique_ptr<QTemporaryFile> temp_;
    std::string pdffile_;
    QPainter painter_;
    QFont font_;
    std::string fontname_;
    // Pictures by name, loaded once, so a sheet of cards carries its logo only once.
    std::map<std::string, QImage> pictures_;
    int colour_ = 0;
    int penwidth_ = 1;
    double x_ = 0;
    double y_ = 0;
    bool started_ = false;
    bool ended_ = false;
    bool failed_ = false;
};

// The printer Printer Setup chose, the system's default until then; every later
// printout goes there.
QPrinter& chosenprinter();
bool printerinstalled();

// Printer Setup: the system's printer dialog. Cancel changes nothing; without any
// printer the user is told that printouts become PDF files.
void printersetup(Services& services, QWidget* parent);

// Printing on the chosen printer, or, with no printer installed, into a PDF file the
// user names in a save dialog.
class QtPrinting : public Printing {
  public:
    explicit QtPrinting(Dialogs& dialogs) : dialogs_(dialogs) {}
    std::unique_ptr<PrintSurface> open() override;
    void finished(const PrintSurface& surface) override;
    // The PDF file the user names; nothing when the dialog is cancelled.
    std::unique_ptr<PrintSurface> openpdf();

  private:
    Dialogs& dialogs_;
    const QtPrintSurface* last_ = nullptr; // the surface of the job under way
};

} // namespace greenfold
