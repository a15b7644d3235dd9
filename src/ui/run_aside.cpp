#include "ui/run_aside.h"

#include <QApplication>
#include <QEventLoop>
#include <thread>

namespace nerilo::ui {

std::string runAside(const std::function<std::string()>& work) {
    std::string result;
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
