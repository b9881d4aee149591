// The desktop program: runs the main window; when the window closes, the program ends.
// Its options are one table (app/DesktopLine.cpp): --bus, --history, --help, --version.
#include <QApplication>
#include <QTimer>

#include <iostream>

#include "app/DesktopLine.h"
#include "app/widgets/MainWindow.h"
#include "bus/widgets/BusView.h"
#include "platform/Version.h"

int main(int argc, char** argv) {
  using namespace korvane;
  std::string error;
  // Read before the application starts: --help and a usage error need no display.
  const auto line = app::ReadDesktopLine({argv + 1, argv + argc}, &error);
  if (!line) return platform::AnswerUsageError("korvane", error, std::cerr);
  if (line->request != platform::LineRequest::kRun)
    return platform::AnswerHelpOrVersion(app::DesktopLineSpec(), line->request, std::cout);
  app::MainWindow::Options options;
  options.history = line->history;

  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Korvane"));
  QApplication::setApplicationVersion(QString::fromLatin1(platform::kVersion));
  // Ties the windows to the installed launcher (korvane.desktop) and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("korvane"));
  app::MainWindow window(options);
  QApplication::setWindowIcon(window.windowIcon());
  if (line->bus) {
    QTimer::singleShot(0, &window, [&] {
      bus::BusView* view = window.ShowBus(*line->bus);
      view->OnStartStop();
    });
  }
  window.exec();
  return 0;
}
