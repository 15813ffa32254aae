#include "app/vantix_link.hpp"

#include <QTcpSocket>
#include <QTimer>

namespace tarn::app {

VantixLink::VantixLink(QObject* parent, int watchMs)
    : QObject(parent), wskVantix_(new QTcpSocket(this)), tmrVantix_(new QTimer(this)) {
    wskVantix_->setObjectName(QStringLiteral("wskVantix"));
    tmrVantix_->setObjectName(QStringLiteral("tmrVantix"));
    connect(wskVantix_, &QTcpSocket::readyRead, this, &VantixLink::wskVantix_DataArrival);
    // A new connection is a new stream: an unfinished report of the old one cannot go on.
    connect(wskVantix_, &QTcpSocket::connected, this, [this] { framer_.reset(); });
    connect(tmrVantix_, &QTimer::timeout, this, &VantixLink::tmrVantix_Timer);
    tmrVantix_->start(watchMs);
}

void VantixLink::start(const QString& host, quint16 port) {
    host_ = host;
    port_ = port;
    active_ = true;
    wskVantix_->abort();
    wskVantix_->connectToHost(host_, port_);
}

void VantixLink::stop() {
    active_ = false;
    wskVantix_->abort();
}

void VantixLink::tmrVantix_Timer() {
    if (!active_) return;
    const bool connected = wskVantix_->state() == QAbstractSocket::ConnectedState;
    if (!connected) {
        wskVantix_->abort();
        wskVantix_->connectToHost(host_, port_);
    }
    emit watched(connected);
}

void VantixLink::wskVantix_DataArrival() {
    const QByteArray data = wskVantix_->readAll();
    const feed::Framed framed =
        framer_.push(std::string_view(data.constData(), static_cast<std::size_t>(data.size())));
    if (framed.dropped > 0) emit unframedDropped(framed.dropped);
    for (const std::string& report : framed.reports) {
        emit reportReceived(QByteArray(report.data(), static_cast<qsizetype>(report.size())));
    }
}

}  // namespace tarn::app
