#include "app/help/tabout_splash.h"

#include <QPainter>
#include <QSvgRenderer>

#include "app/window_texts.h"
#include "app/workspace/tform1.h"
#include "windows/about_box.h"

namespace vork {

namespace {

constexpr QSize kSmallForm{602, 452};
constexpr QSize kSplash{606, 453};  // the picture is a little larger than the form, as drawn
constexpr QRect kCloseButton{500, 412, 88, 28};

QPixmap SplashPicture(qreal ratio) {
    QPixmap pixmap(kSplash * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QSvgRenderer(QString(":/pictures/splash.svg")).render(&painter, QRectF(QPointF(), kSplash));
    return pixmap;
}

}  // namespace

TAboutSplash::TAboutSplash(AppContext& context) : context_(context) {
    setObjectName("AboutBox");
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setFixedSize(kSmallForm);
    image_ = new QLabel(this);
    image_->setObjectName("Image1");
    image_->setGeometry(QRect(QPoint(), kSplash));
    image_->setPixmap(SplashPicture(devicePixelRatioF()));
    close_ = new QPushButton(this);
    close_->setObjectName("BotaoFechar");
    close_->setGeometry(kCloseButton);
    connect(close_, &QPushButton::clicked, this, [this] {
        close_->hide();
        close();
    });
    timer_ = new QTimer(this);
    timer_->setObjectName("Timer1");
    timer_->setInterval(kStartUpMs);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &TAboutSplash::Timer1Timer);
    ApplyWindowTexts(*this, kAboutBoxTexts, context.language());
}

void TAboutSplash::ShowFromMain() {
    timer_->stop();
    close_->show();
    CentreOnMain();
    show();
    raise();
}

void TAboutSplash::ShowAtStartUp() {
    setAttribute(Qt::WA_DeleteOnClose);
    close_->hide();
    CentreOnMain();
    show();
    repaint();
    timer_->start();
}

void TAboutSplash::Timer1Timer() {
    timer_->stop();
    close_->show();
    Q_EMIT startUpEnded();
    close();
}

void TAboutSplash::CentreOnMain() {
    QWidget* main = context_.mainWindow;
    if (!main) return;
    QRect frame = main->frameGeometry();
    move(frame.center() - rect().center());
}

}  // namespace vork
