// The connection to the Vantix report server: the socket wskVantix, the connection watch
// tmrVantix (every 9000 ms from program start) and the framing of what arrives.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include "feed/framing.hpp"

class QTcpSocket;
class QTimer;

namespace tarn::app {

class VantixLink : public QObject {
    Q_OBJECT
public:
    static constexpr int kWatchMs = 9000;

    explicit VantixLink(QObject* parent, int watchMs = kWatchMs);

    // Closes the socket and connects it to the server; the watch keeps it connected.
    void start(const QString& host, quint16 port);
    // Closes the socket; the watch does nothing until the next start.
    void stop();
    bool active() const { return active_; }

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

private:
    void tmrVantix_Timer();
    void wskVantix_DataArrival();

    QTcpSocket* wskVantix_;
    QTimer* tmrVantix_;
    feed::ReportFramer framer_;
    QString host_;
    quint16 port_ = 0;
    bool active_ = false;
};

}  // namespace tarn::app
