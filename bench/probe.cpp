// SPDX-License-Identifier: MIT
#include "probe.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <utility>

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace bench {

namespace {

/// Lives as a child of the application; removes itself after the first paint.
class FirstPaintWatcher final : public QObject {
public:
    FirstPaintWatcher(QString windowName, std::function<void()> done)
        : QObject(QCoreApplication::instance()), m_windowName(std::move(windowName)),
          m_done(std::move(done)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || m_seen || !watched->isWidgetType())
            return false;
        // A window covered by opaque children gets no paint event of its own.
        const QWidget* window = static_cast<QWidget*>(watched)->window();
        if (window->objectName() != m_windowName)
            return false;
        m_seen = true;
        // Queued: runs once the whole window has been painted and flushed.
        QMetaObject::invokeMethod(
            this,
            [this] {
                QCoreApplication::instance()->removeEventFilter(this);
                const std::function<void()> done = std::move(m_done);
                deleteLater();
                done();
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    QString m_windowName;
    std::function<void()> m_done;
    bool m_seen = false;
};

} // namespace

std::int64_t monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

long statusKiB(const char* field) {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status)
        return -1;
    long value = -1;
    char line[256];
    const std::size_t length = std::strlen(field);
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, field, length) == 0 && line[length] == ':') {
            std::sscanf(line + length + 1, "%ld", &value);
            break;
        }
    }
    std::fclose(status);
    return value;
}

QObject* watchFirstPaint(const QString& windowName, std::function<void()> done) {
    auto* watcher = new FirstPaintWatcher(windowName, std::move(done));
    QCoreApplication::instance()->installEventFilter(watcher);
    return watcher;
}

void reportStartUp() {
    std::printf("first_paint_ns=%lld\nhwm_kib=%ld\nrss_kib=%ld\n",
                static_cast<long long>(monotonicNs()), statusKiB("VmHWM"), statusKiB("VmRSS"));
    std::fflush(stdout);
}

} // namespace bench
