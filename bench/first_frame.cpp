// Linked into the start-up variants only: as soon as the application exists it
// watches for the first paint of a top-level window; once that frame is done
// it prints the monotonic clock in nanoseconds and ends the program.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>

namespace {

class FirstFrame : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!seen_ && event->type() == QEvent::Paint) {
            auto* w = qobject_cast<QWidget*>(watched);
            if (w && w->isWindow()) {
                seen_ = true;
                // Runs once the whole frame has been painted and flushed.
                QTimer::singleShot(0, [] {
                    timespec t{};
                    clock_gettime(CLOCK_MONOTONIC, &t);
                    std::printf("%lld\n", static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec);
                    std::fflush(stdout);
                    QCoreApplication::quit();
                });
            }
        }
        return false;
    }

private:
    bool seen_ = false;
};

void watch() { QCoreApplication::instance()->installEventFilter(new FirstFrame); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(watch)
