#include "app/qt/background_work.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <atomic>
#include <thread>

#include "base/cancel_flag.h"

namespace orca {
namespace {

// Esc anywhere in the program, while the work runs, is the cancel request,
// but for an open menu's: there it closes the menu, as it always does.
class EscCancels : public QObject {
public:
    explicit EscCancels(CancelFlag& cancel) : cancel_(cancel) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~EscCancels() override { QCoreApplication::instance()->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape &&
            !QApplication::activePopupWidget()) {
            cancel_.request();
            return true;
        }
        return QObject::eventFilter(watched, e);
    }

private:
    CancelFlag& cancel_;
};

}  // namespace

void RunBesideEventLoop(const std::function<void()>& work, CancelFlag& cancel) {
    QEventLoop loop;
    const EscCancels esc(cancel);
    std::atomic<bool> done{false};
    std::thread worker([&] {
        work();
        done.store(true);
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    // The loop also ends when the application quits (every loop does then);
    // the work is then cancelled and awaited.
    if (!done.load()) loop.exec();
    if (!done.load()) cancel.request();
    worker.join();
}

}  // namespace orca
