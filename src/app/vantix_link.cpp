#include "app/vantix_link.hpp"

#include <QElapsedTimer>
#include <QTcpSocket>
#include <QTimer>

namespace tarn::app {

VantixLink::VantixLink(QObject* parent, int watchMs)
    : QObject(parent),
      wskVantix_(new QTcpSocket(this)),
      tmrVantix_(new QTimer(this)),
      next_(new QTimer(this)) {
    wskVantix_->setObjectName(QStringLiteral("wskVantix"));
    wskVantix_->setReadBufferSize(kReadBufferBytes);
    tmrVantix_->setObjectName(QStringLiteral("tmrVantix"));
    next_->setSingleShot(true);
    next_->setInterval(0);
    connect(wskVantix_, &QTcpSocket::readyRead, this, &VantixLink::wskVantix_DataArrival);
    // A new connection is a new stream: an unfinished report of the old one cannot go on.
    connect(wskVantix_, &QTcpSocket::connected, this, [this] { framer_.reset(); });
    connect(wskVantix_, &QTcpSocket::stateChanged, this, &VantixLink::socketStateChanged);
    connect(tmrVantix_, &QTimer::timeout, this, &VantixLink::tmrVantix_Timer);
    connect(next_, &QTimer::timeout, this, &VantixLink::nextSlice);
    tmrVantix_->start(watchMs);
}

bool VantixLink::connected() const {
    return wskVantix_->state() == QAbstractSocket::ConnectedState;
}

void VantixLink::start(std::optional<Address> first, AddressSource again) {
    again_ = std::move(again);
    if (first) address_ = std::move(first);
    if (!address_) {
        restarting_ = true;
        wskVantix_->abort();
        restarting_ = false;
        setState(State::NoAddress);
        return;
    }
    setState(State::Connecting);
    connectAgain();
}

void VantixLink::stop() {
    restarting_ = true;
    wskVantix_->abort();
    restarting_ = false;
    queued_.clear();
    next_->stop();
    address_.reset();
    again_ = nullptr;
    setState(State::Off);
}

void VantixLink::connectAgain() {
    restarting_ = true;
    wskVantix_->abort();
    restarting_ = false;
    wskVantix_->connectToHost(address_->host, address_->port);
}

void VantixLink::tmrVantix_Timer() {
    if (!active()) return;
    const bool connected = this->connected();
    if (!connected) {
        // Tarn.INI may have been mended since: its address counts from now on.
        if (again_) {
            if (std::optional<Address> fresh = again_()) address_ = std::move(fresh);
        }
        if (address_) {
            if (state_ == State::NoAddress) setState(State::Connecting);
            connectAgain();
        }
    }
    emit watched(connected);
}

void VantixLink::socketStateChanged() {
    if (restarting_ || !active()) return;
    switch (wskVantix_->state()) {
        case QAbstractSocket::ConnectedState:
            setState(State::Connected);
            break;
        case QAbstractSocket::UnconnectedState:
            if (state_ != State::Disconnected) setState(State::Disconnected);
            break;
        default:
            break;  // a new attempt does not change what the operator is told
    }
}

void VantixLink::setState(State state) {
    state_ = state;
    since_ = QDateTime::currentDateTime();
    emit stateChanged();
}

void VantixLink::wskVantix_DataArrival() {
    QElapsedTimer slice;
    slice.start();
    // Read in pieces, framing each, while the slice lasts and the queue has room.
    while (queued_.size() < kMaxQueued && slice.elapsed() < kSliceMs && wskVantix_->bytesAvailable() > 0) {
        const QByteArray data = wskVantix_->read(kReadPieceBytes);
        const feed::Framed framed =
            framer_.push(std::string_view(data.constData(), static_cast<std::size_t>(data.size())));
        if (framed.dropped > 0) emit unframedDropped(framed.dropped);
        for (const std::string& report : framed.reports) queued_.push_back(report);
    }
    handOn(slice);
}

void VantixLink::handOn(const QElapsedTimer& slice) {
    while (!queued_.empty() && slice.elapsed() < kSliceMs) {
        const std::string report = std::move(queued_.front());
        queued_.pop_front();
        emit reportReceived(QByteArray(report.data(), static_cast<qsizetype>(report.size())));
    }
    // What is left waits for the window's other events.
    if (!queued_.empty() || wskVantix_->bytesAvailable() > 0) next_->start();
}

void VantixLink::nextSlice() {
    if (!active()) return;
    if (queued_.empty()) {
        wskVantix_DataArrival();
        return;
    }
    QElapsedTimer slice;
    slice.start();
    handOn(slice);
}

}  // namespace tarn::app
