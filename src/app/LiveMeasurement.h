#pragma once
// "Messung starten" / "Messung beenden": reads the module's type and calibration
// values, labels the six fields from the catalogue, polls the measured values and
// formats the replies of the live chain. A value the module leaves unanswered is shown
// as such while the chain goes on to the next. QtCore only; the window shows what it
// publishes. It also owns the poll timer that the calibration runs.
#include <QElapsedTimer>
#include <QJsonObject>
#include <QObject>
#include <QTimer>

#include <array>
#include <chrono>
#include <string>

#include "link/FlowContext.h"
#include "link/LineLease.h"
#include "measurement/LiveFormat.h"
#include "platform/Clock.h"
#include "platform/Language.h"

namespace korvane::link {
class Link;
}
namespace korvane::platform {
class Ui;
}

namespace korvane::app {

class LiveMeasurement : public QObject {
  Q_OBJECT

 public:
  static constexpr std::chrono::milliseconds kDefaultPollPeriod{2000};
  // Polls in a row without a complete chain after which the module counts as gone.
  static constexpr int kSilentPollsForLoss = 5;
  // The text of a value the module did not answer in the last chain.
  static constexpr const char* kNotAnswered = measurement::kNotAnswered;

  // The context gives the module's address and the language; it is read at every
  // start and poll, so it may change between them. The clock dates the last reply.
  LiveMeasurement(link::Link& link, platform::Ui& ui, const link::FlowContext& context,
                  platform::Clock clock = platform::SystemClock(), QObject* parent = nullptr);

  void setPollPeriod(std::chrono::milliseconds period) { pollPeriod_ = period; }
  std::chrono::milliseconds pollPeriod() const { return pollPeriod_; }
  // How long a value of the chain is waited for before the chain goes on without it
  // (default: half the link's reply time-out, so a chain missing one value still ends
  // within the poll period).
  void setStepTimeout(std::chrono::milliseconds timeout) { stepTimeout_ = timeout; }
  // The start also reads the module's identity (the history reads it anyway): the
  // window's status line names the module.
  void setReadIdentity(bool on) { readIdentity_ = on; }

  // Start: false when the port does not open, the module does not answer the first
  // read or the line goes away (the user was told, with the reason); the measurement
  // then does not run. It holds the line from here until it has stopped.
  bool Start(std::chrono::milliseconds recordingPeriod);
  // Stop: timers off at once; after two seconds (a chain in progress finishes) the
  // value texts are cleared, then the line is free.
  void Stop();
  // Stops the timers and frees the line without the pause and without clearing
  // (command line).
  void StopTimers();
  bool running() const { return running_; }
  // The values come from the module's latest chain: one completed since the start and
  // none of the polls since then went unanswered.
  bool valuesCurrent() const { return chains_ > 0 && silentPolls_ == 0; }
  // A poll of the running measurement went unanswered: the fields show old values,
  // last heard from the module at staleSince().
  bool stale() const { return stale_; }
  const platform::LocalTime& staleSince() const { return lastHeard_; }

  // The poll timer alone (calibration).
  void StartPolling();
  void StopPolling();
  bool polling() const { return pollTimer_.isActive(); }
  // One tick of the poll timer: starts a chain unless the one before still runs (its
  // last reply came within the reply time-out); such a tick is skipped and counted.
  void Poll();
  int skippedPolls() const { return skippedPolls_; }

  // One second, then the six value texts are emptied.
  void ClearValueDisplay();
  // Labels and units of the type the module reported, in the given language.
  void SetChannelCaptions(int typeIndex, Language language);
  void SetStatusLine(const std::string& text);

  // What the window shows: value texts of fields 1..5 and the temperature, labels of
  // the six fields, units of fields 1..5, calibration status line.
  const std::array<std::string, 6>& fieldTexts() const { return fields_; }
  // Which of them the module answered in the last chain (the others show kNotAnswered).
  const std::array<bool, 6>& answered() const { return answered_; }
  // The module the measurement talks to: its address from the start, its identity as
  // the start read it ("" when not read).
  std::uint8_t address() const { return address_; }
  const std::string& identity() const { return identity_; }
  const std::array<std::string, 6>& labels() const { return labels_; }
  const std::array<std::string, 5>& units() const { return units_; }
  // The type the labels and units belong to.
  int captionType() const { return captionType_; }
  const std::string& statusLine() const { return statusLine_; }
  std::chrono::milliseconds recordingPeriod() const { return recordingPeriod_; }

 signals:
  // The six value texts changed together (end of a chain, or cleared).
  void fieldTextsChanged();
  void captionsChanged();
  void statusLineChanged();
  void runningChanged(bool running);
  // The fields became stale, or current again.
  void staleChanged(bool stale);
  // A chain ended (after fieldTextsChanged).
  void chainCompleted();
  // Tick of the recording timer, while the values are current.
  void recordingTick();
  // The running measurement ended because the line was lost or the module fell
  // silent; the timers are stopped and the value texts emptied. The reason says which.
  void lost(const std::string& reason);

 private:
  void OnLiveValue(int channel);
  void OnChainEnd();
  // The awaited value did not come: it shows as unanswered and the chain goes on.
  void OnStepTimeout();
  void EndChain();
  void EndChainOnRelease();
  void OnRecordTimer();
  void Lose(const std::string& reason);
  void Halt();
  void SetStale(bool stale);
  // The values of the first and the latest chain, and the record of them once stopped.
  void KeepValues();
  void RecordLive();

  link::Link& link_;
  platform::Ui& ui_;
  const link::FlowContext& context_;
  platform::Clock clock_;
  link::LineLease line_;  // held while running and until a stop has finished
  QTimer pollTimer_;
  QTimer recordTimer_;
  QTimer stepTimer_;
  std::chrono::milliseconds pollPeriod_ = kDefaultPollPeriod;
  std::chrono::milliseconds stepTimeout_{0};  // 0: half the reply time-out
  bool readIdentity_ = false;
  std::uint8_t address_ = 0;
  std::string identity_;
  int awaiting_ = 0;  // the value request of the chain that waits for its reply
  std::chrono::milliseconds recordingPeriod_{0};
  bool running_ = false;
  int chains_ = 0;               // completed since the start
  int silentPolls_ = 0;          // polls in a row whose chain did not complete
  bool chainSincePoll_ = true;   // a chain completed since the previous poll
  bool replySincePoll_ = false;  // a chain's reply arrived since the previous poll
  bool chainRunning_ = false;    // a chain was started and has not ended
  QElapsedTimer chainProgress_;  // since its last request went out
  int skippedPolls_ = 0;
  bool stale_ = false;
  platform::LocalTime lastHeard_;       // of the last complete chain (or the start's reads)
  std::array<std::string, 6> pending_;  // texts of the chain in progress
  std::array<bool, 6> pendingAnswered_{};
  std::array<std::string, 6> fields_;
  std::array<bool, 6> answered_{};
  std::array<std::string, 6> labels_;
  std::array<std::string, 5> units_;
  int captionType_ = 0;
  std::string statusLine_;
  QJsonObject first_, last_;
  bool recorded_ = true;  // nothing to record before a start
};

}  // namespace korvane::app
