#pragma once
// Reading a data logger out into an export file, clearing it and the display unit's
// information text, over the Link and the Ui. QtCore only.
#include <QObject>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "link/FlowContext.h"
#include "logger/LoggerRecords.h"

namespace korvane::link {
class Link;
}
namespace korvane::platform {
class Ui;
}

namespace korvane::logger {

// What is read out: a display unit (at the context's address, 0x80) or a module of
// device kind 4 or 5 whose type and identity the configuration read supplied.
struct ReadoutSource {
  bool displayUnit = false;
  int deviceKind = 2;
  int typeIndex = 0;
  std::string identity;  // four characters, parameter 26
};

struct ReadoutResult {
  enum class Status {
    kDone,       // the stream ended: every announced record or fewer (see records)
    kNoAnswer,   // no reply to the size request, or the port did not open
    kEmpty,      // the logger holds nothing
    kFileError,  // the export file could not be created or written
    kCancelled,  // the user stopped the transfer; the file keeps the whole records
    kLineLost,   // the line went away during the transfer
  };
  Status status = Status::kNoAnswer;
  int records = 0;    // whole records written
  int announced = 0;  // records the size reply announced
  int outOfStep = 0;  // long records whose pointer was out of step
  std::uint16_t firstBadPointer = 0;
  bool shortOfAnnounced() const {
    return status != Status::kNoAnswer && status != Status::kEmpty && records < announced;
  }
};

class LoggerReadout : public QObject {
  Q_OBJECT

 public:
  LoggerReadout(link::Link& link, platform::Ui& ui, const link::FlowContext& context, QObject* parent = nullptr);

  // The readout into path. The file takes the place of an earlier one only once its
  // header (after the device answered) is whole, and ends with the last whole record
  // whatever ends the transfer; a file that could not take its header is not left
  // behind. Tells the user what went wrong, and once at the end what was short or out
  // of step. A module's link runs at its fast rate for the stream and at 4800 baud again
  // afterwards, whatever ended the transfer; a module that did not answer the return is
  // named as possibly still fast.
  ReadoutResult Read(const std::string& path, const ReadoutSource& source);

  // The display unit's information text; nullopt (after the communication error) when
  // the unit does not answer the size request.
  std::optional<std::string> InformationText();

  // Asks "Datenlogger wirklich löschen?" and clears on yes: true when the device
  // acknowledged. confirmed skips the question (command line --yes).
  bool Clear(bool displayUnit, bool confirmed = false);

  // The long records of the last module readout (at most 4000) and its column names.
  const std::vector<LongRecord>& table() const { return table_; }
  const std::array<std::string, 2>& columnNames() const { return columns_; }

  static constexpr std::size_t kTableSize = 4000;

 private:
  // Opens the port; a port that does not open is shown to the user.
  bool OpenPort();
  // The bytes the size reply announces (the records into result); a module's count of
  // data sets is shown.
  int Announced(const ReadoutSource& source, bool longRecords, ReadoutResult& result);
  std::function<void(const std::string&)> TellUser();
  // Asks the channel names; the export file's header line. A module's first two name
  // its table's columns.
  std::string ReadHeader(int channels, const ReadoutSource& source);
  void ReturnToSlowRate(std::uint8_t address, int deviceKind);
  // Tells the user what went wrong, and what was short or out of step.
  void Report(const ReadoutResult& result, const std::string& path, const std::string& fileError);
  // Tells the context's log what the readout brought (nothing when the device never
  // answered).
  void RecordReadout(const ReadoutResult& result, const std::string& path, const ReadoutSource& source);

  link::Link& link_;
  platform::Ui& ui_;
  const link::FlowContext& context_;
  std::vector<LongRecord> table_;
  std::array<std::string, 2> columns_;
};

}  // namespace korvane::logger
