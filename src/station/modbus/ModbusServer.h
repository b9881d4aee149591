#pragma once
// The Modbus TCP server: read-only registers of a RegisterStore, on a thread of its own
// with non-blocking sockets, so that no client (slow, silent, half a frame sent, or not
// speaking Modbus at all) ever delays the bus poll, the MQTT side or another client.
// libmodbus builds the replies, but the requests are framed here and refused here
// before it sees them: its receive waits on one socket until a whole frame is in (for
// the first byte without a limit, then up to its byte time-out for each later one) and
// frames by the function code alone, and its reply to a bad register count sleeps its
// response time-out and flushes the socket. At most maxConnections at a time: a new one
// beyond closes the one idle the longest; a connection without a request for idle is
// closed; one whose bytes are no Modbus TCP request is closed at once. Each kind of
// closing is logged at most once a second, then with how many more there were.
#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>

#include <modbus/modbus.h>

#include "station/config/StationSettings.h"
#include "station/log/LogPace.h"
#include "station/log/StationLog.h"
#include "station/modbus/RegisterMap.h"

namespace korvane::station {

class RegisterStore;

struct ModbusServerSetup {
  std::string host;  // an IP address
  int port = 0;
  int unit = 1;
  FloatOrder floatOrder = FloatOrder::kAbcd;
  int maxConnections = 8;
  std::chrono::milliseconds idle{60000};
};

ModbusServerSetup MakeModbusServerSetup(const ModbusSettings& settings);

class ModbusServer {
 public:
  // report is called on the server's thread.
  using Report = std::function<void(LogLevel, const std::string&)>;
  ModbusServer(ModbusServerSetup setup, const RegisterStore& store, Report report);
  ~ModbusServer();
  ModbusServer(const ModbusServer&) = delete;
  ModbusServer& operator=(const ModbusServer&) = delete;

  // Listens and starts serving; false with *error when the address cannot be taken.
  bool Start(std::string* error);
  // Closes every connection and the listening socket; waits for the thread.
  void Stop();

  // "HOST:PORT", for messages.
  std::string Address() const;

 private:
  struct Connection;
  void Serve();
  void AcceptAll(std::vector<Connection>& connections);
  // False when the connection is to be closed.
  bool Receive(Connection& c);
  bool Answer(Connection& c, const std::uint8_t* request, std::size_t size);
  enum Closing : int { kPushedOut, kIdle, kRefused };
  void Say(Closing kind, LogLevel level, const std::string& text);
  void SayHeld();

  const ModbusServerSetup setup_;
  const RegisterStore& store_;
  Report report_;
  modbus_t* context_ = nullptr;
  int listen_ = -1;
  int wake_ = -1;  // an eventfd: Stop() writes it
  std::thread thread_;
  std::chrono::steady_clock::time_point acceptPausedUntil_{};
  LogPace pace_;
  // Both register tables of the replies: what a request reads is filled in just before.
  std::array<std::uint16_t, kMapRegisters> table_{};
  modbus_mapping_t mapping_{};
};

}  // namespace korvane::station
