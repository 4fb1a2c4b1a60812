#pragma once

#include <QDialog>

namespace orca {

// frmSplash: up while the main window is being created. A key press or a
// click on its frame closes it early.
class SplashBox : public QDialog {
    Q_OBJECT

public:
    explicit SplashBox(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QWidget* frame1_;
};

}  // namespace orca
