#include "shell/ui/splashwindow.h"

#include "model/programstate.h"
#include "platform/qtservices.h"
#include "platform/resources.h"
#include "platform/services.h"
#include "platform/widgets.h"

#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace greenfold {

SplashWindow::SplashWindow(ProgramState& model, Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), g_(model), services_(services) {
    initresources();
    setObjectName("Form1");
    setWindowTitle("Greenfold");
    image1_ = new QLabel(this);
    image1_->setObjectName("Image1");
    image1_->setPixmap(QPixmap(":/pictures/splash.png"));
    image1_->installEventFilter(this);
    picture2_ = new QLabel(this);
    picture2_->setObjectName("Picture2");
    picture2_->setMargin(4);
    bigfont(picture2_, 4);
    auto* label1 = new QLabel("Handicaps, rounds and teams for your golf league", this);
    label1->setObjectName("Label1");
    auto* label2 = new QLabel("Click, or press Enter or Space, to begin", this);
    label2->setObjectName("Label2");
    for (QLabel* l : {label1, label2}) l->setAlignment(Qt::AlignCenter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(image1_);
    layout->addWidget(picture2_);
    layout->addWidget(label1);
    layout->addWidget(label2);

    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setInterval(6000);
    connect(timer1_, &QTimer::timeout, this, &SplashWindow::toggle);
    setFocusPolicy(Qt::StrongFocus);
}

QString SplashWindow::titleline() {
    return QString("Greenfold %1").arg(QDate::currentDate().toString("yyyy"));
}

QString SplashWindow::helpline() {
    return "        Please check Help Menu for General program information.";
}

QString SplashWindow::striptext() const {
    return picture2_->text();
}

void SplashWindow::load() {
    adjustSize();
    centrewindow(this, 200);
    g_.screenwidth = int16_t(std::min(services_.display.screenwidth(), 32767));
    picture2_->setStyleSheet("background-color: #c0c0c0; color: black;");
    g_.colordepthok = 1;
    if (services_.display.colordepth() < 8) {
        g_.colordepthok = 0;
        QPixmap few("Golftp2.bmp");
        if (!few.isNull()) image1_->setPixmap(few);
        emit lowcolour();
    }
    showinghelp_ = false;
    picture2_->setText(titleline());
    timer1_->start();
}

void SplashWindow::toggle() {
    showinghelp_ = !showinghelp_;
    picture2_->setText(showinghelp_ ? helpline() : titleline());
}

void SplashWindow::dismiss() {
    timer1_->stop();
    hide();
    emit dismissed();
}

void SplashWindow::mousePressEvent(QMouseEvent*) {
    dismiss();
}

void SplashWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Space) {
        dismiss();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == image1_ && event->type() == QEvent::MouseButtonPress) {
        dismiss();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace greenfold
