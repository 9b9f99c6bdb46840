#include "bench/probe.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <utility>

namespace bench {

namespace {

// Notes the first paint event of the top-level window of that name, seen by an application-wide
// filter so that the window may not exist yet; the paint itself runs right after the filter. A
// callback given is posted then, so it runs once the event that paints has been handled.
class PaintWatch : public QObject {
  public:
    explicit PaintWatch(QString window, void (*then)() = nullptr) : window_(std::move(window)), then_(then) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~PaintWatch() override { QCoreApplication::instance()->removeEventFilter(this); }
    bool seen() const { return seen_; }

  protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() != QEvent::Paint || seen_ || object->objectName() != window_ ||
            !static_cast<QWidget*>(object)->isWindow())
            return false;
        seen_ = true;
        if (then_)
            QTimer::singleShot(0, then_);
        return false;
    }

  private:
    QString window_;
    void (*then_)();
    bool seen_ = false;
};

} // namespace

void awaitPaint(const QString& window, const std::function<void()>& open) {
    const PaintWatch watch(window);
    open();
    QElapsedTimer waited;
    waited.start();
    // A paint event is handled inside one event; when processEvents returns it has finished.
    while (!watch.seen()) {
        QCoreApplication::processEvents();
        if (waited.elapsed() > 10'000)
            qFatal("%s was never painted", qPrintable(window));
    }
}

// The watch lives as long as the process: the callback ends it.
void afterFirstPaint(const QString& window, void (*then)()) { new PaintWatch(window, then); }

std::int64_t residentKiB() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            std::int64_t kib = 0;
            status >> kib;
            return kib;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

void reportAndExit() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::printf("%lld %lld\n", static_cast<long long>(std::chrono::nanoseconds(now).count()),
                static_cast<long long>(residentKiB()));
    std::fflush(stdout);
    std::_Exit(0);
}

} // namespace bench
