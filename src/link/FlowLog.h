#pragma once
// What a flow did to which module, told to whoever keeps a record of it (the module
// history of the desktop program and the command line, a list in the tests). A flow
// builds one record when it is done; it never waits for, nor depends on, its keeping.
#include <QJsonArray>
#include <QJsonObject>

#include <string>

#include "types/KeyValueText.h"

namespace korvane::link {

class Link;
struct FlowContext;

// Which module a record is about; what the flow did not learn stays unknown.
struct ModuleIdentity {
  std::string identity;  // parameter 26 as the module sent it (Windows-1252 bytes)
  int address = -1;
  int type = 0;          // wire type 1..31 (parameter 28); 0 unknown
  int deviceKind = -1;   // parameter 29; -1 unknown
  std::string firmware;  // "1.20" (parameter 31); "" unknown
};

struct FlowRecord {
  std::string kind;  // "calibration", "config-read", "config-write", "logger-read", ...
  ModuleIdentity module;
  QJsonObject details;
  // Asks the module for what the flow did not learn of its identity before the record
  // is handed on (the display unit has no identity to ask for).
  bool identify = true;
};

class FlowLog {
 public:
  virtual ~FlowLog() = default;
  // Takes the record; returns at once.
  virtual void Record(FlowRecord record) = 0;
};

// A single-precision value as the double of its shortest decimal text (-59.2f becomes
// -59.2, not -59.200000762939453), so details keep the numbers the module holds.
double FlowNumber(float value);
// Texts of files and modules (Windows-1252 bytes) as the details hold them (UTF-8).
QJsonValue FlowText(const std::string& windows1252);
// A file the flow read or wrote, by its absolute path: a record outlives the folder the
// program was started in.
QJsonValue FlowPath(const std::string& path);
// A file's KEY==value lines as one object, key by key.
QJsonObject FlowFields(const types::KeyValues& lines);
// Changed values as [{"key", "before", "after"}, ...], in their order.
QJsonArray FlowChanges(const std::vector<types::ValueChange>& changes);

// The module's identity as the link's module object holds it after the flow's reads.
ModuleIdentity IdentityFromModule(const Link& link, int address);

// Completes the record's identity: when it is incomplete and the line still answers,
// the missing parameters are read, each with the scan's short time-out, and the reads
// stop at the first that gets no reply.
void IdentifyRecord(Link& link, const FlowContext& context, FlowRecord& record);

// Hands the record to context.log (nothing without one). When the record's identity is
// incomplete and the line still answers, the missing parameters are read first, each
// with the scan's short time-out, and the reads stop at the first that gets no reply.
void RecordFlow(Link& link, const FlowContext& context, FlowRecord record);

}  // namespace korvane::link
