// The desktop program: runs the main window; when the window closes, the program ends.
#include <QApplication>

#include "app/widgets/MainWindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Korvane"));
  QApplication::setApplicationVersion(QStringLiteral("1.0"));
  korvane::app::MainWindow window;
  window.exec();
  return 0;
}
