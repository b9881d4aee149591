#pragma once
// Recording of the live values to a tab-separated text file: the set-up flow of
// "Setup Messung" (file, interval) and the line writer of the recording timer.
// Each line goes out in one unbuffered write, so a killed program leaves only
// whole lines.
#include <array>
#include <chrono>
#include <functional>
#include <string>

#include "measurement/Interval.h"
#include "measurement/IntervalPicker.h"
#include "platform/AppendFile.h"
#include "platform/Clock.h"
#include "platform/Language.h"

namespace korvane::platform {
class Ui;
}

namespace korvane::measurement {

// A recording interval of 00:00:00 would write lines as fast as the timer can fire.
inline constexpr std::chrono::milliseconds kMinimumRecordingPeriod{1000};

class Recording {
 public:
  enum class SetupResult {
    kDone,               // file created, interval taken: start may be enabled
    kFileCancelled,      // file dialog cancelled (a previous file continues)
    kIntervalCancelled,  // interval dialog cancelled: no file is open now
    kCreateFailed,       // the chosen file could not be created (the user was told)
  };

  Recording(platform::Ui& ui, platform::Clock clock);
  ~Recording();
  Recording(const Recording&) = delete;
  Recording& operator=(const Recording&) = delete;

  // "Setup Messung". On kDone the file is open and empty, `interval` holds the
  // picked interval and statusText() names the file.
  SetupResult Setup(Language language, Interval& interval, IntervalPicker& picker);

  // Opens (creating it if needed) a file for appending; false with a reason. Anything
  // but a regular file (or a link to one) is refused without waiting. The reason is in
  // language. A file it created and never wrote a line into
  // is removed again by Close.
  bool OpenForAppend(const std::string& path, std::string* error, Language language);
  void Close();
  // The file went to another writer (a logger export into it): closed, and no longer
  // named by the status text.
  void Release();
  bool isOpen() const { return file_.isOpen(); }
  const std::string& path() const { return path_; }

  // One tick of the recording timer. Returns true when the line was written. A tick
  // without a file or a failed write skips the line (a part of a line that reached the
  // file is taken back) and closes the file; the first such tick after a
  // working state returns its notice in *notice (empty otherwise), so the user is
  // told once and not at every tick.
  bool WriteLine(int typeIndex, const std::array<float, 6>& values, Language language, std::string* notice);
  // The same with the cells of unanswered values left empty.
  bool WriteLine(int typeIndex, const std::array<float, 6>& values, const std::array<bool, 6>& answered,
                 Language language, std::string* notice);
  // The same for a line made elsewhere (the bus recording's), whole with its line end.
  bool WriteText(const std::string& line, Language language, std::string* notice);

  // A line could not be written (full disk, file deleted or replaced): the recording
  // stopped. Cleared by the next file opened.
  bool failed() const { return failed_; }

  // "Aufzeichnungsdatei: name" / "Logging file: name"; empty until a set-up.
  const std::string& statusText() const { return statusText_; }

  // The texts of the notices (also used by tests).
  static std::string NoFileNotice(Language language);
  static std::string WriteFailedNotice(Language language, const std::string& reason);

 private:
  bool Create(const std::string& path, std::string* error, Language language);
  bool Open(const std::string& path, bool truncate, std::string* error, Language language);

  platform::Ui& ui_;
  platform::Clock clock_;
  platform::AppendFile file_;
  std::string path_;
  bool created_ = false;  // by OpenForAppend, and still without a line
  std::string statusText_;
  bool noticeGiven_ = false;
  bool failed_ = false;
};

}  // namespace korvane::measurement
