// The desktop program: runs the main window; when the window closes, the program ends.
// "korvane --bus 0,3,5-7" opens the bus view on those modules and starts it;
// "korvane --history FILE|postgresql://...|none" names the module history.
#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstring>

#include "app/widgets/MainWindow.h"
#include "bus/AddressList.h"
#include "bus/widgets/BusView.h"
#include "history/HistoryLocation.h"

int main(int argc, char** argv) {
  std::optional<std::vector<std::uint8_t>> bus;
  korvane::app::MainWindow::Options options;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--history") == 0) {
      korvane::history::HistoryChoice choice;
      std::string error = "--history needs a file, a postgresql:// URL or none";
      if (i + 1 >= argc || !*argv[i + 1] || !korvane::history::ParseHistoryOption(argv[i + 1], &choice, &error)) {
        std::fprintf(stderr, "korvane: %s\n", error.c_str());
        return 2;
      }
      options.history = argv[++i];
      continue;
    }
    if (std::strcmp(argv[i], "--bus") != 0) continue;
    std::string error;
    bus = i + 1 < argc ? korvane::bus::ParseAddressList(argv[i + 1], &error) : std::nullopt;
    if (!bus) {
      std::fprintf(stderr, "korvane: --bus needs addresses 0..31 such as 0,3,5-7: %s\n",
                   i + 1 < argc ? error.c_str() : "none given");
      return 2;
    }
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Korvane"));
  QApplication::setApplicationVersion(QStringLiteral("1.0"));
  // Ties the windows to the installed launcher (korvane.desktop) and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("korvane"));
  korvane::app::MainWindow window(options);
  QApplication::setWindowIcon(window.windowIcon());
  if (bus) {
    QTimer::singleShot(0, &window, [&] {
      korvane::bus::BusView* view = window.ShowBus(*bus);
      view->OnStartStop();
    });
  }
  window.exec();
  return 0;
}
