#include "app/coalescer.hpp"

namespace tarn::app {

Coalescer::Coalescer(QObject* parent, std::function<void()> update, int intervalMs)
    : QObject(parent), update_(std::move(update)), intervalMs_(intervalMs) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &Coalescer::run);
}

void Coalescer::request() {
    if (timer_.isActive()) return;
    const qint64 since = last_.isValid() ? last_.elapsed() : intervalMs_;
    if (since >= intervalMs_) {
        run();
    } else {
        timer_.start(static_cast<int>(intervalMs_ - since));
    }
}

void Coalescer::flush() {
    if (timer_.isActive()) run();
}

void Coalescer::run() {
    timer_.stop();
    last_.start();
    update_();
}

}  // namespace tarn::app
