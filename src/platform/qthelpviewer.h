#pragma once

#include "platform/services.h"

#include <QWidget>

class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace greenfold {

// The help window: the keyword index on the left (typing filters it), the page on
// the right. Pages are the program's own HTML files, built into the program.
class QtHelpViewer : public QWidget, public HelpViewer {
    Q_OBJECT

  public:
    explicit QtHelpViewer(QWidget* parent = nullptr);

    void show(const std::string& keyword) override;
    void search() override;
    void quit() override;

    QString currentpage() const;

  private:
    void openpage(const QString& page);
    void filter(const QString& text);

    QLineEdit* keyword_;
    QListWidget* index_;
    QTextBrowser* browser_;
};

} // namespace greenfold
