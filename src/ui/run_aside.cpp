#include "ui/run_aside.h"

#include <QApplication>
#include <QEventLoop>
#include <thread>

namespace nerilo::ui {

Text runAside(const std::function<Text()>& work) {
    Text result;
    QEventLoop loop;
    // The quit is queued, so it is not lost when the work ends before the loop starts.
    std::thread worker([&] {
        result = work();
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    QApplication::setOverrideCursor(Qt::WaitCursor);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    QApplication::restoreOverrideCursor();
    worker.join();
    return result;
}

}  // namespace nerilo::ui
