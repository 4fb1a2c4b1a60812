#include "app/qt/splash_box.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

#include "app/app_identity.h"

namespace orca {

SplashBox::SplashBox(QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint), frame1_(new QFrame(this)) {
    setObjectName("frmSplash");
    frame1_->setObjectName("Frame1");
    static_cast<QFrame*>(frame1_)->setFrameShape(QFrame::Box);
    frame1_->installEventFilter(this);

    const QFont labelFont("ＭＳ Ｐゴシック", 12);
    auto* lblProductName = new QLabel(kAppTitle, frame1_);
    lblProductName->setObjectName("lblProductName");
    QFont titleFont = labelFont;
    titleFont.setPointSize(24);
    titleFont.setBold(true);
    lblProductName->setFont(titleFont);
    auto* lblVersion = new QLabel(QString::fromStdString(VersionText()), frame1_);
    lblVersion->setObjectName("lblVersion");
    lblVersion->setFont(labelFont);
    auto* lblMsg = new QLabel("起動中...", frame1_);
    lblMsg->setObjectName("lblMsg");
    lblMsg->setFont(labelFont);

    auto* inner = new QVBoxLayout(frame1_);
    inner->setContentsMargins(32, 24, 32, 24);
    inner->addWidget(lblProductName, 0, Qt::AlignCenter);
    inner->addWidget(lblVersion, 0, Qt::AlignRight);
    inner->addSpacing(16);
    inner->addWidget(lblMsg, 0, Qt::AlignLeft);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->addWidget(frame1_);
}

void SplashBox::keyPressEvent(QKeyEvent*) { close(); }

bool SplashBox::eventFilter(QObject* watched, QEvent* e) {
    if (watched == frame1_ && e->type() == QEvent::MouseButtonPress) {
        close();
        return true;
    }
    return QDialog::eventFilter(watched, e);
}

}  // namespace orca
