// bench_history: the module history on SQLite. Prints the time to record one event
// (median and 95th percentile of single appends, each its own transaction synced to the
// disk as the recorder writes them, to a history that already holds 100 000 events),
// the time korvane-cli history and history verify take for
// 100 000 events, and the size of the file that holds them, each beside its goal.
// Then the history window opened on 10 000 events of 50 modules, the drift chart of 500
// calibrations drawn, and the service report of a visit to 8 modules written. Then the
// witness: the check of the remembered head when a history of 100 000 events is opened;
// and on a history of 200 000 events the report of its last day, and the report of all
// of them with the most memory it took (a child process of its own makes it).
// Usage: bench_history [FOLDER] (default: a temporary folder; the figures depend on its disk).
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <functional>
#include <cstdio>
#include <sstream>
#include <vector>

#include "Commands.h"
#include "app/HistoryWitness.h"
#include "history/CanonicalJson.h"
#include "history/Drift.h"
#include "history/HistoryStore.h"
#include "history/widgets/DriftChart.h"
#include "history/widgets/HistoryWindow.h"
#include "history/render/ReportFile.h"

using namespace korvane;

namespace {

constexpr int kEvents = 100000;
constexpr int kTimed = 300;

// A visit's events in the proportions a service team makes them: configuration reads
// and writes with every field, calibrations, logger readouts and clock settings.
history::Event Visit(int i) {
  history::Event e;
  e.timeMs = 1767225600000LL + i * 60000LL;
  const int module = i % 120;
  e.identity = "M" + std::to_string(100 + module);
  e.address = module % 32;
  e.type = 1 + module % 12;
  e.deviceKind = 4;
  e.firmware = "1.20";
  e.technician = "Anna Berger";
  e.host = "service-laptop";
  e.program = "korvane-cli 1.0.0";
  QJsonObject fields;
  for (int f = 0; f < 34; ++f) fields[QStringLiteral("IDC_FIELD%1").arg(f)] = QStringLiteral("%1.00").arg(f * 7 % 50);
  switch (i % 10) {
    case 0:
    case 1:
      e.kind = "config-read";
      e.details = QJsonObject{{"fields", fields}};
      break;
    case 2:
      e.kind = "config-write";
      e.details = QJsonObject{
          {"source", "dialog"},
          {"changed", QJsonArray{QJsonObject{{"key", "IDC_GRENZWERT"}, {"before", "7.50"}, {"after", "8.00"}}}},
          {"writes", 22},
          {"acknowledged", 25},
          {"unanswered", 0},
          {"complete", true},
          {"found", fields}};
      break;
    case 3:
    case 4:
      e.kind = "calibration";
      e.details = QJsonObject{
          {"procedure", "ph-two-point"},
          {"points", QJsonArray{QJsonObject{{"captured", -178.3}, {"reference", 4.0}, {"temperature", 21.4}},
                                QJsonObject{{"captured", 1.2}, {"reference", 7.0}, {"temperature", 21.5}}}},
          {"before", QJsonArray{-3.5, -59.2, 0, 0}},
          {"after", QJsonArray{-2.1, -58.9, 0, 0}},
          {"verdict", "plausible"},
          {"plausible", true},
          {"outcome", "saved"},
          {"write", QJsonObject{{"acknowledged", 5}, {"unanswered", 0}, {"complete", true}}}};
      break;
    case 5:
    case 6:
    case 7:
      e.kind = "logger-read";
      e.details = QJsonObject{{"source", "module"}, {"status", "done"}, {"records", 4000},
                              {"announced", 4000},  {"out_of_step", 0}, {"file", "/home/anna/plant/logger.txt"}};
      break;
    default:
      e.kind = "clock-set";
      e.details = QJsonObject{{"source", "module"}, {"set", "2026-03-09 14:05:33"}, {"acknowledged", true}};
  }
  return e;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

double Percentile95(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() * 95 / 100];
}

// korvane-cli with its arguments, in this process; its output is counted, not printed.
double CliSeconds(const std::string& history, std::vector<std::string> args, std::string* out) {
  cli::CommonOptions o;
  o.history = history;
  o.language = Language::kEnglish;
  o.settingsFolder = QFileInfo(QString::fromStdString(history)).absolutePath().toStdString();
  std::ostringstream sink, err;
  QElapsedTimer t;
  t.start();
  {
    cli::CliContext ctx(o, sink, err);
    const std::string command = args.front();
    args.erase(args.begin());
    cli::RunCommand(ctx, command, args);
  }
  const double s = static_cast<double>(t.nsecsElapsed()) / 1e9;
  *out = sink.str();
  return s;
}

void Line(const char* what, double value, const char* unit, double goal) {
  std::printf("%-44s %10.3f %-3s  goal <= %g %s  (%.2f of the goal)  %s\n", what, value, unit, goal, unit, value / goal,
              value <= goal ? "met" : "NOT MET");
}

// A history of `events` events spread over `modules` modules, each one a Visit.
bool Fill(const store::Location& location, int events, int modules, std::int64_t lastMs) {
  history::HistoryStore store;
  std::string why;
  if (!store.Open(location, {}, &why, nullptr)) return false;
  for (int i = 0; i < events; ++i) {
    history::Event e = Visit(i);
    const int module = i % modules;
    e.identity = "M" + std::to_string(100 + module);
    e.type = 1;
    e.timeMs = lastMs - static_cast<std::int64_t>(events - i) * 60000LL;
    if (!store.Append(e, nullptr, &why, nullptr)) return false;
  }
  return true;
}

double SecondsOf(const std::function<void()>& f) {
  QElapsedTimer t;
  t.start();
  f();
  return static_cast<double>(t.nsecsElapsed()) / 1e9;
}

void ViewFigures(const QString& folder) {
  const std::int64_t now = QDateTime::currentMSecsSinceEpoch();
  store::Location window;
  window.path = QDir(folder).filePath("bench-window.sqlite").toStdString();
  QFile::remove(QString::fromStdString(window.path));
  store::Location visit;
  visit.path = QDir(folder).filePath("bench-visit.sqlite").toStdString();
  QFile::remove(QString::fromStdString(visit.path));
  if (!Fill(window, 10000, 50, now) || !Fill(visit, 8 * 30, 8, now)) {
    std::fprintf(stderr, "bench_history: the histories of the window figures could not be made\n");
    return;
  }
  history::HistoryWindow::Options o;
  o.location = window;
  std::size_t rows = 0;
  const double open = SecondsOf([&] {
    history::HistoryWindow w(o, Language::kEnglish);
    w.show();
    QApplication::processEvents();
    rows = w.rows().size();
  });

  std::vector<history::Event> calibrations;
  for (int i = 0; i < 500; ++i) {
    history::Event e = Visit(3);
    e.type = 1;
    e.timeMs = now - (500 - i) * 86400000LL / 2;
    calibrations.push_back(e);
  }
  history::DriftChart chart;
  chart.resize(1100, 400);
  chart.show();
  const double draw = SecondsOf([&] {
    chart.Fill(history::DriftOf(calibrations, Language::kEnglish), now, Language::kEnglish);
    chart.grab();
  });

  history::HistoryStore store;
  std::string why;
  store.Open(visit, {}, &why, nullptr);
  history::ReportRequest request;
  request.input.language = Language::kEnglish;
  request.input.sinceMs = now - 86400000LL;
  request.input.untilMs = now + 1;
  request.input.nowMs = now;
  int modules = 0;
  const QString pdf = QDir(folder).filePath("bench-report.pdf");
  const double report =
      SecondsOf([&] { history::WriteReportFile(pdf.toStdString(), &store, request, &why, &modules); });

  Line("history window, 10 000 events of 50 modules", open, "s", 0.5);
  Line("drift chart of 500 calibrations", draw * 1000, "ms", 100);
  Line("service report of a visit to 8 modules", report, "s", 2);
  std::printf("window listed %zu modules; chart drew %d points; report held %d modules in %lld bytes\n", rows,
              chart.pointCount(), modules, static_cast<long long>(QFileInfo(pdf).size()));
}

// A history of `events` Visit events ending at lastMs, one a minute, written in one
// transaction with their chain as the store writes it (no module events between them).
bool FillAtOnce(const store::Location& location, int events, std::int64_t lastMs) {
  {
    history::HistoryStore store;
    if (!store.Open(location, {}, nullptr, nullptr)) return false;
  }
  bool ok = false;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "fill");
    db.setDatabaseName(QString::fromStdString(location.path));
    QSqlQuery q(db);
    ok = db.open() && q.exec("BEGIN") &&
         q.prepare("INSERT INTO events VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    std::string previous = history::kNoPredecessor;
    for (int i = 0; ok && i < events; ++i) {
      history::Event e = Visit(i);
      e.seq = i + 1;
      e.timeMs = lastMs - static_cast<std::int64_t>(events - 1 - i) * 60000LL;
      e.previous = previous;
      const std::string details = history::CanonicalJson(e.details);
      e.hash = history::TextHash(history::EventText(e, details));
      previous = e.hash;
      for (const QVariant& v :
           {QVariant(static_cast<qlonglong>(e.seq)), QVariant(static_cast<qlonglong>(e.timeMs)),
            QVariant(QString::fromStdString(e.identity)), QVariant(e.address), QVariant(e.type), QVariant(e.deviceKind),
            QVariant(QString::fromStdString(e.firmware)), QVariant(QString::fromStdString(e.technician)),
            QVariant(QString::fromStdString(e.host)), QVariant(QString::fromStdString(e.program)),
            QVariant(QString::fromStdString(e.kind)), QVariant(QString::fromStdString(details)),
            QVariant(QString::fromStdString(e.previous)), QVariant(QString::fromStdString(e.hash))})
        q.addBindValue(v);
      ok = q.exec();
    }
    ok = ok && q.exec("COMMIT");
  }
  QSqlDatabase::removeDatabase("fill");
  return ok;
}

history::ReportRequest Span(std::int64_t sinceMs, std::int64_t untilMs, std::int64_t nowMs) {
  history::ReportRequest request;
  request.input.language = Language::kEnglish;
  request.input.sinceMs = sinceMs;
  request.input.untilMs = untilMs;
  request.input.nowMs = nowMs;
  request.input.calibrationKeys = {"IDC_KAL0", "IDC_KAL1", "IDC_KAL2", "IDC_KAL3"};
  return request;
}

// The child's part: the report of every event of the history into pdf.
int ReportAll(const std::string& path, const std::string& pdf) {
  store::Location location;
  location.path = path;
  history::HistoryStore store;
  store::OpenOptions read;
  read.readOnly = true;
  std::string why;
  int modules = 0;
  if (!store.Open(location, read, &why, nullptr) ||
      !history::WriteReportFile(pdf, &store, Span(0, INT64_MAX, QDateTime::currentMSecsSinceEpoch()), &why, &modules)) {
    std::fprintf(stderr, "bench_history: %s\n", why.c_str());
    return 1;
  }
  return 0;
}

// Runs this program as a child that reports everything; its peak resident size in MB.
double ChildPeakMb(const std::string& path, const std::string& pdf, double* seconds) {
  std::string self = QCoreApplication::applicationFilePath().toStdString();
  std::vector<std::string> args{self, "--report-all", path, pdf};
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  QElapsedTimer t;
  t.start();
  pid_t child = 0;
  if (::posix_spawn(&child, self.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return -1;
  int status = 0;
  rusage usage{};
  if (::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  *seconds = static_cast<double>(t.elapsed()) / 1000.0;
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kB
}

void WitnessAndReportFigures(const QString& folder, const store::Location& hundredThousand) {
  // The head korvane.conf remembers, checked as every open checks it.
  const std::string settings = QDir(folder).filePath("settings").toStdString();
  app::OwnSettingsWitness witness(settings);
  history::HistoryStore store;
  store::OpenOptions read;
  read.readOnly = true;
  std::string why;
  history::Head head;
  if (!store.Open(hundredThousand, read, &why, nullptr) || !store.ReadHead(&head, &why)) {
    std::fprintf(stderr, "bench_history: %s\n", why.c_str());
    return;
  }
  witness.Remember(history::WitnessKey(hundredThousand), {head, 0, "bench_history"}, &why);
  std::vector<double> checks;
  for (int i = 0; i < 50; ++i) {
    std::optional<history::Rollback> rollback;
    QElapsedTimer t;
    t.start();
    history::CheckWitness(store, witness, &rollback, &why);
    checks.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
    if (rollback) std::fprintf(stderr, "bench_history: the witness did not hold\n");
  }
  store.Close();

  store::Location big;
  big.path = QDir(folder).filePath("bench-200k.sqlite").toStdString();
  QFile::remove(QString::fromStdString(big.path));
  const std::int64_t last = QDateTime::currentMSecsSinceEpoch();
  QElapsedTimer fill;
  fill.start();
  if (!FillAtOnce(big, 200000, last)) {
    std::fprintf(stderr, "bench_history: the history of 200 000 events could not be made\n");
    return;
  }
  const double filled = static_cast<double>(fill.elapsed()) / 1000.0;
  int modules = 0;
  const QString pdf = QDir(folder).filePath("bench-report-day.pdf");
  // The best of three: the machine's other load comes and goes.
  double day = 1e9;
  for (int run = 0; run < 3; ++run)
    day = std::min(
        day, SecondsOf([&] {
          history::HistoryStore s;
          if (!s.Open(big, read, &why, nullptr) ||
              !history::WriteReportFile(pdf.toStdString(), &s, Span(last - 86400000LL, last + 1, last), &why, &modules))
            std::fprintf(stderr, "bench_history: %s\n", why.c_str());
        }));
  // What the report no longer does: the whole chain walked and checked.
  const double whole = SecondsOf([&] {
    history::HistoryStore s;
    history::Verification v;
    if (!s.Open(big, read, &why, nullptr) || !s.Verify(&v, &why))
      std::fprintf(stderr, "bench_history: %s\n", why.c_str());
  });
  double allSeconds = 0;
  const QString all = QDir(folder).filePath("bench-report-all.pdf");
  const double peak = ChildPeakMb(big.path, all.toStdString(), &allSeconds);

  Line("witness check on open, median", Median(checks), "ms", 5);
  Line("witness check on open, 95th percentile", Percentile95(checks), "ms", 5);
  Line("report of one day of 200 000 events, best of 3", day, "s", 1);
  std::printf(
      "(the whole chain's verify, which the report no longer needs, took %.3f s in the same run: %.2f of the "
      "report)\n",
      whole, whole / day);
  Line("report of all 200 000 events, peak memory", peak, "MB", 300);
  std::printf(
      "200 000 events written in %.1f s; the day's report held %d modules in %lld bytes; the whole report "
      "took %.1f s and %lld bytes\n",
      filled, modules, static_cast<long long>(QFileInfo(pdf).size()), allSeconds,
      static_cast<long long>(QFileInfo(all).size()));
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc == 4 && std::string(argv[1]) == "--report-all") return ReportAll(argv[2], argv[3]);
  QTemporaryDir temporary;
  const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
  QDir().mkpath(folder);
  const QString path = QDir(folder).filePath("bench-history.sqlite");
  QFile::remove(path);
  store::Location location;
  location.path = path.toStdString();

  history::HistoryStore store;
  std::string why;
  if (!store.Open(location, {}, &why, nullptr)) {
    std::fprintf(stderr, "bench_history: %s\n", why.c_str());
    return 1;
  }
  QElapsedTimer fill;
  fill.start();
  for (int i = 0; i < kEvents - kTimed; ++i) {
    if (!store.Append(Visit(i), nullptr, &why, nullptr)) {
      std::fprintf(stderr, "bench_history: %s\n", why.c_str());
      return 1;
    }
  }
  store.Close();
  // The recorder syncs every commit to the disk: a history must outlive a power cut.
  store::OpenOptions synced;
  synced.syncEveryCommit = true;
  if (!store.Open(location, synced, &why, nullptr)) {
    std::fprintf(stderr, "bench_history: %s\n", why.c_str());
    return 1;
  }
  std::vector<double> ms;
  for (int i = kEvents - kTimed; i < kEvents; ++i) {
    QElapsedTimer t;
    t.start();
    store.Append(Visit(i), nullptr, nullptr, nullptr);
    ms.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
  }
  std::string ignored;
  history::Verification v;
  store.Verify(&v, &ignored);
  const long long events = v.events;
  store.Close();
  std::printf("bench_history: %lld events (%d module events among them) written in %.1f s into %s\n", events,
              static_cast<int>(events - kEvents), static_cast<double>(fill.elapsed()) / 1000.0,
              path.toLocal8Bit().constData());

  const double check = SecondsOf([&] {
    store::Database db;
    store::OpenOptions read;
    read.readOnly = true;
    if (db.Open(location, history::HistoryMigrations(), read, nullptr, nullptr)) db.IntegrityCheck(true);
  });
  std::string out;
  const double list = CliSeconds(location.path, {"history"}, &out);
  const auto lines = std::count(out.begin(), out.end(), '\n');
  const double verify = CliSeconds(location.path, {"history", "verify"}, &out);
  const double bytes =
      static_cast<double>(QFileInfo(path).size() + QFileInfo(path + "-wal").size()) / (1024.0 * 1024.0);

  Line("record one event, median", Median(ms), "ms", 5);
  Line("record one event, 95th percentile", Percentile95(ms), "ms", 5);
  Line("korvane-cli history (all events)", list, "s", 1);
  Line("korvane-cli history verify", verify, "s", 2);
  std::printf("(of which SQLite's quick check of the file about %.3f s)\n", check);
  Line("history file", bytes, "MB", 100);
  std::printf("history listed %lld lines; verify said: %s", static_cast<long long>(lines), out.c_str());
  ViewFigures(folder);
  WitnessAndReportFigures(folder, location);
  return 0;
}
