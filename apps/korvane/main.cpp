// The desktop program: the application object runs the main window; when the window
// closes, the program ends.
#include <QApplication>

#include "app/widgets/CKorvaneDlg.h"

namespace {

class CKorvaneApp {
 public:
  CKorvaneApp(int& argc, char** argv) : app_(argc, argv) {
    QApplication::setApplicationName(QStringLiteral("Korvane"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
  }

  int InitInstance() {
    korvane::app::CKorvaneDlg dlg;
    dlg.exec();
    return 0;
  }

 private:
  QApplication app_;
};

}  // namespace

int main(int argc, char** argv) {
  CKorvaneApp app(argc, argv);
  return app.InitInstance();
}
