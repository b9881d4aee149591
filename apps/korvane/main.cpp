// The desktop program: runs the main window; when the window closes, the program ends.
#include <QApplication>

#include "app/widgets/MainWindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Korvane"));
  QApplication::setApplicationVersion(QStringLiteral("1.0"));
  // Ties the windows to the installed launcher (korvane.desktop) and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("korvane"));
  korvane::app::MainWindow window;
  QApplication::setWindowIcon(window.windowIcon());
  window.exec();
  return 0;
}
