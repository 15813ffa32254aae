// Coalesced updates of what the operator sees. A request runs the update at once when the
// last one is at least one interval old, otherwise once when the interval is over: however
// fast reports come, the screen is redrawn at most once per interval, and a report is on
// the screen at most one interval after it was decoded.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

namespace tarn::app {

class Coalescer : public QObject {
    Q_OBJECT
public:
    // A tenth of a second: faster than this nobody reads a changing text.
    static constexpr int kIntervalMs = 100;

    Coalescer(QObject* parent, std::function<void()> update, int intervalMs = kIntervalMs);

    void request();
    // Runs a requested update now (before a command that reads what is shown).
    void flush();
    bool pending() const { return timer_.isActive(); }

private:
    void run();

    std::function<void()> update_;
    int intervalMs_;
    QTimer timer_;
    QElapsedTimer last_;
};

}  // namespace tarn::app
