// Where a file dialog starts: the folder last used for its kind of file, else the
// user's documents (or home) folder, never the working directory.
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <map>

#include "platform/widgets/QtUi.h"

namespace korvane::platform {
namespace {

TEST(FolderMemory, EachKindStartsWhereItWasLastUsed) {
  QTemporaryDir dir;
  std::map<std::string, std::string> kept{{"setup", dir.path().toStdString()}, {"trace", "/no/such/folder"}};
  QtUi ui;
  ui.setFolderMemory({[&](const std::string& kind) { return kept.count(kind) ? kept[kind] : std::string(); },
                      [&](const std::string& kind, const std::string& folder) { kept[kind] = folder; }});
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString first = QDir(documents).exists() ? documents : QDir::homePath();
  const struct {
    FileDialogSpec dialog;
    QString folder;
  } rows[] = {
      {{"qx4", "*.qx4", "", true, "setup"}, dir.path()},
      {{"txt", "*.txt", "", true, "trace"}, first},  // the kept folder is gone
      {{"txt", "*.txt", "", true, "recording"}, first},
      {{"qx4", "*.qx4", "", true, ""}, first},  // the extension stands for the kind: "qx4", not "setup"
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.dialog.kind + "/" + r.dialog.defaultExtension);
    EXPECT_EQ(ui.StartFolder(r.dialog), r.folder);
  }
}

}  // namespace
}  // namespace korvane::platform
