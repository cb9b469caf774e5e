#include "platform/qthelpviewer.h"
#include "platform/resources.h"

#include "help/helpindex.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace greenfold {

QtHelpViewer::QtHelpViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
    initresources();
    setObjectName("helpviewer");
    setWindowTitle("Greenfold Help");
    keyword_ = new QLineEdit(this);
    keyword_->setObjectName("helpkeyword");
    keyword_->setPlaceholderText("Type a keyword");
    index_ = new QListWidget(this);
    index_->setObjectName("helpindex");
    for (const auto& t : helptopics()) {
        auto* item = new QListWidgetItem(QString::fromStdString(t.keyword), index_);
        item->setData(Qt::UserRole, QString::fromStdString(t.page));
    }
    browser_ = new QTextBrowser(this);
    browser_->setObjectName("helpbrowser");
    browser_->setSearchPaths({":/help"});
    browser_->setOpenLinks(true);

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel("Help topics:", this));
    left->addWidget(keyword_);
    left->addWidget(index_, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addWidget(browser_, 3);
    resize(820, 560);

    connect(keyword_, &QLineEdit::textChanged, this, &QtHelpViewer::filter);
    connect(index_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { openpage(item->data(Qt::UserRole).toString()); });
    connect(index_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { openpage(item->data(Qt::UserRole).toString()); });
    connect(keyword_, &QLineEdit::returnPressed, this, [this] {
        for (int i = 0; i < index_->count(); ++i) {
            if (!index_->item(i)->isHidden()) {
                openpage(index_->item(i)->data(Qt::UserRole).toString());
                return;
            }
        }
    });
}

void QtHelpViewer::openpage(const QString& page) {
    browser_->setSource(QUrl(page));
}

QString QtHelpViewer::currentpage() const {
    return browser_->source().toString();
}

void QtHelpViewer::filter(const QString& text) {
    for (int i = 0; i < index_->count(); ++i)
        index_->item(i)->setHidden(!index_->item(i)->text().contains(text, Qt::CaseInsensitive));
}

void QtHelpViewer::show(const std::string& keyword) {
    openpage(QString::fromStdString(helppage(keyword)));
    QWidget::show();
    raise();
    activateWindow();
}

void QtHelpViewer::search() {
    keyword_->clear();
    if (browser_->source().isEmpty()) openpage(QString::fromStdString(helppage("Contents")));
    QWidget::show();
    raise();
    activateWindow();
    keyword_->setFocus();
}

void QtHelpViewer::quit() {
    close();
}

} // namespace greenfold
