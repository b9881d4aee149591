#include "link/NetworkLine.h"

#include <QElapsedTimer>

#include "link/FarStation.h"
#include "link/KeepAlive.h"
#include "platform/NumberText.h"
#include "platform/Reasons.h"
#include "platform/Texts.h"

namespace korvane::link {
namespace {

namespace r = platform::reasons;

}  // namespace

NetworkLine::NetworkLine(QObject* parent) : Line(parent) {
  connect(&socket_, &QTcpSocket::readyRead, this, &NetworkLine::OnReadyRead);
  connect(&socket_, &QTcpSocket::disconnected, this, &NetworkLine::OnGone);
  connect(&socket_, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError) {
    if (socket_.state() != QAbstractSocket::ConnectedState) OnGone();
  });
}

NetworkLine::~NetworkLine() {
  connected_ = false;
  socket_.disconnect(this);
  socket_.abort();
}

std::string NetworkLine::Reason(const platform::Text& text) const {
  return platform::FormatReason(text, language_, device_);
}

bool NetworkLine::Open(const LineSettings& settings) {
  language_ = settings.language;
  timeout_ = settings.answerTimeout;
  openError_.clear();
  const DeviceName name = ParseDeviceName(settings.device, language_);
  if (!name.error.empty()) {
    openError_ = name.error;
    return false;
  }
  if (connected_ && settings.device == device_) {
    delivering_ = true;
    return baud_ == settings.baud || SetRate(settings.baud);
  }
  Close();
  device_ = settings.device;
  kind_ = name.kind;
  if (!Connect(name)) return false;
  if (kind_ == LineKind::kRfc2217 && (!Negotiate() || !SetRate(settings.baud))) {
    Close();
    return false;
  }
  baud_ = settings.baud;
  delivering_ = true;
  return true;
}

bool NetworkLine::Connect(const DeviceName& name) {
  decoder_ = {};
  signature_.clear();
  comPortAgreed_ = comPortRefused_ = false;
  waiting_ = true;
  socket_.connectToHost(QString::fromStdString(name.host), static_cast<quint16>(name.port));
  const bool up = socket_.waitForConnected(static_cast<int>(kConnectTimeout.count()));
  waiting_ = false;
  if (!up) {
    switch (socket_.error()) {
      case QAbstractSocket::ConnectionRefusedError: openError_ = Reason(r::kRefused); break;
      case QAbstractSocket::HostNotFoundError: openError_ = Reason(r::kHostUnknown); break;
      case QAbstractSocket::SocketTimeoutError: openError_ = Reason(r::kConnectTimeout); break;
      default: openError_ = Reason(r::kNetworkFailed) + " (" + socket_.errorString().toStdString() + ")"; break;
    }
    socket_.abort();
    return false;
  }
  socket_.setSocketOption(QAbstractSocket::LowDelayOption, 1);
  KeepAlive(socket_.socketDescriptor());
  connected_ = true;
  return true;
}

bool NetworkLine::Negotiate() {
  Send(telnet::Greeting());
  if (!WaitFor([this] { return comPortAgreed_ || comPortRefused_; })) {
    if (openError_.empty()) openError_ = Reason(r::kNoTelnet);
    return false;
  }
  if (comPortRefused_) {
    openError_ = Reason(r::kNoComPortControl);
    return false;
  }
  // 8 data bits, no parity, 1 stop bit; the rate follows.
  const std::uint8_t eight = 8, none = telnet::kParityNone, one = 1;
  Send(telnet::ComPort(telnet::kSetDataSize, {&eight, 1}));
  Send(telnet::ComPort(telnet::kSetParity, {&none, 1}));
  Send(telnet::ComPort(telnet::kSetStopSize, {&one, 1}));
  return true;
}

bool NetworkLine::SetRate(int baud) {
  openError_.clear();
  if (!connected_) return false;
  if (kind_ == LineKind::kRawTcp) {
    openError_ = Reason(r::kRateFixed);
    return false;
  }
  rateAnswered_ = false;
  Send(telnet::SetBaudRate(static_cast<std::uint32_t>(baud)));
  if (!WaitFor([this] { return rateAnswered_; })) {
    if (openError_.empty()) openError_ = Reason(r::kRateNotConfirmed);
    // Broken while a flow had the line: that is the lost line, not only a failed change.
    if (!connected_ && baud_ != 0) {
      baud_ = 0;
      emit lineLost(QString::fromStdString(openError_));
    }
    return false;
  }
  if (rateAnswer_ != static_cast<std::uint32_t>(baud)) {
    // A station's service port answers with the rate it keeps when the client is not alone.
    if (const std::optional<FarStation> station = ParseStationSignature(signature_))
      openError_ = platform::Fill(Tr(language_, r::kStationKeptRate), device_, station->name, baud,
                                  static_cast<int>(rateAnswer_));
    else
      openError_ = platform::Fill(Tr(language_, r::kRateAnsweredOther), device_, baud, static_cast<int>(rateAnswer_));
    return false;
  }
  baud_ = baud;
  return true;
}

bool NetworkLine::WaitFor(const std::function<bool()>& done) {
  QElapsedTimer t;
  t.start();
  waiting_ = true;
  while (!done() && connected_) {
    const qint64 left = timeout_.count() - t.elapsed();
    if (left <= 0) break;
    if (socket_.bytesAvailable() == 0 && !socket_.waitForReadyRead(static_cast<int>(left))) {
      if (socket_.state() != QAbstractSocket::ConnectedState) {
        connected_ = false;
        openError_ = Reason(r::kConnectionBroken);
      }
      continue;
    }
    Take(socket_.readAll(), delivering_);
  }
  waiting_ = false;
  return done();
}

void NetworkLine::OnReadyRead() {
  if (waiting_) return;  // WaitFor reads for itself
  Take(socket_.readAll(), delivering_);
}

void NetworkLine::Take(const QByteArray& bytes, bool deliver) {
  if (bytes.isEmpty()) return;
  telnet::Bytes data;
  if (kind_ == LineKind::kRawTcp) {
    if (deliver) emit bytesReceived(bytes);
    return;
  }
  std::vector<telnet::Event> events;
  decoder_.Feed({reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())},
                data, events);
  for (const telnet::Event& e : events) {
    if (e.kind == telnet::Event::Kind::kNegotiation && e.option == telnet::kComPort) {
      if (e.verb == telnet::kDo) comPortAgreed_ = true;
      if (e.verb == telnet::kDont) comPortRefused_ = true;
    }
    if (const auto answer = telnet::Answer(e)) Send(*answer);
    // The server's SIGNATURE (sent unasked by a station's service port).
    if (e.kind == telnet::Event::Kind::kSubnegotiation && e.option == telnet::kComPort && !e.payload.empty() &&
        e.payload.front() == telnet::kServerOffset)
      signature_.assign(e.payload.begin() + 1, e.payload.end());
    if (const auto a = telnet::ReadComPortAnswer(e); a && a->command == telnet::kSetBaudRate) {
      rateAnswered_ = true;
      rateAnswer_ = a->value;
    }
  }
  if (deliver && !data.empty())
    emit bytesReceived(QByteArray(reinterpret_cast<const char*>(data.data()), static_cast<qsizetype>(data.size())));
}

void NetworkLine::Send(const telnet::Bytes& bytes) {
  socket_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
  socket_.flush();
}

void NetworkLine::Transmit(const Frame& frame) {
  if (!connected_) return;
  // What came before the request is no part of its reply.
  if (socket_.bytesAvailable() > 0) Take(socket_.readAll(), false);
  telnet::Bytes out;
  if (kind_ == LineKind::kRfc2217) {
    const std::uint8_t both = telnet::kPurgeBoth;
    out = telnet::ComPort(telnet::kPurgeData, {&both, 1});
    const telnet::Bytes data = telnet::Escape(frame);
    out.insert(out.end(), data.begin(), data.end());
  } else {
    out.assign(frame.begin(), frame.end());
  }
  Send(out);
}

void NetworkLine::Close() {
  delivering_ = false;
  connected_ = false;
  baud_ = 0;
  socket_.abort();
}

void NetworkLine::OnGone() {
  if (!connected_ || waiting_) return;
  connected_ = false;
  delivering_ = false;
  emit lineLost(QString::fromStdString(Reason(r::kConnectionBroken)));
}

}  // namespace korvane::link
