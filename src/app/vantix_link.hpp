// The connection to the Vantix report server: the socket wskVantix, the connection watch
// tmrVantix (every 9000 ms from program start) and the framing of what arrives.
//
// What arrives is read, framed and handed on in slices of at most kSliceMs, the rest after
// the window's other events: a burst of reports never holds the window up. While
// kMaxQueued reports wait, nothing more is read; the socket buffers at most
// kReadBufferBytes, and beyond that the server is held back by TCP itself.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "feed/framing.hpp"

class QElapsedTimer;
class QTcpSocket;
class QTimer;

namespace tarn::app {

class VantixLink : public QObject {
    Q_OBJECT
public:
    static constexpr int kWatchMs = 9000;
    static constexpr int kSliceMs = 10;
    static constexpr std::size_t kMaxQueued = 500;
    static constexpr qint64 kReadBufferBytes = qint64{256} << 10;
    static constexpr qint64 kReadPieceBytes = qint64{64} << 10;

    struct Address {
        QString host;
        quint16 port = 0;
    };
    // Reads the server's address again (Tarn.INI); nothing when it cannot be had.
    using AddressSource = std::function<std::optional<Address>()>;

    enum class State {
        Off,           // the feed is not the input
        NoAddress,     // no usable address yet; the watch reads it again at every tick
        Connecting,    // first attempt after the start
        Connected,     // since `since()`
        Disconnected,  // since `since()`; the watch tries again at every tick
    };

    explicit VantixLink(QObject* parent, int watchMs = kWatchMs);

    // Connects to `first` (when there is one); at every tick of the watch that finds the
    // socket unconnected, `again` is asked for the address, and the last good one is tried.
    void start(std::optional<Address> first, AddressSource again);
    // Closes the socket and drops the reports not yet handed on; the watch does nothing
    // until the next start.
    void stop();
    bool active() const { return state_ != State::Off; }
    bool connected() const;

    State state() const { return state_; }
    QDateTime since() const { return since_; }
    const std::optional<Address>& address() const { return address_; }

    QTcpSocket* socket() const { return wskVantix_; }
    QTimer* timer() const { return tmrVantix_; }

signals:
    // Each tick of the watch while the feed is the input; when not connected the socket
    // has just been closed and connected again.
    void watched(bool connected);
    // A complete report, without its ETX, in the order received.
    void reportReceived(const QByteArray& report);
    // Text received without ETX beyond the limit was dropped.
    void unframedDropped(qulonglong bytes);
    void stateChanged();

private:
    void tmrVantix_Timer();
    void wskVantix_DataArrival();
    void handOn(const QElapsedTimer& slice);
    void nextSlice();
    void connectAgain();
    void socketStateChanged();
    void setState(State state);

    QTcpSocket* wskVantix_;
    QTimer* tmrVantix_;
    QTimer* next_;  // hands on the next slice of queued reports
    feed::ReportFramer framer_;
    std::deque<std::string> queued_;
    std::optional<Address> address_;
    AddressSource again_;
    State state_ = State::Off;
    QDateTime since_;
    bool restarting_ = false;  // the socket is being closed on purpose
};

}  // namespace tarn::app
