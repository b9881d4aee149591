// The file dialog's detail columns show their whole headers in every language Qt speaks
// for the program, even when Qt brings back narrow columns a dialog in another language
// left behind: a longer header (French "Dernière modification") is not cut off.
#include <QApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QSettings>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTreeView>

#include <gtest/gtest.h>

#include "platform/QtTranslations.h"
#include "platform/widgets/QtUi.h"
#include "support/ModalWait.h"

namespace korvane::platform {
namespace {

TEST(FileDialogColumns, EveryHeaderFitsInEachLanguage) {
  // Qt's own settings go to a folder of the test's, holding a wide name and narrow others.
  QTemporaryDir config;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
  QStandardItemModel columns(0, 4);
  QHeaderView left(Qt::Horizontal);
  left.setModel(&columns);
  for (int i = 0; i < 4; ++i) left.resizeSection(i, i == 0 ? 400 : 40);
  QSettings qtProject(QSettings::UserScope, QStringLiteral("QtProject"));
  qtProject.setValue("FileDialog/treeViewHeader", left.saveState());
  qtProject.setValue("FileDialog/viewMode", "Detail");
  qtProject.sync();

  for (Language language : {Language::kGerman, Language::kEnglish, Language::kFrench}) {
    SCOPED_TRACE(static_cast<int>(language));
    QtTranslations qt;
    qt.Apply(language);
    QtUi ui;
    bool looked = false;
    test::WhenModalShows<QFileDialog>([&](QFileDialog& dlg) {
      auto* view = dlg.findChild<QTreeView*>(QStringLiteral("treeView"));
      ASSERT_NE(view, nullptr);
      QApplication::processEvents();  // the dialog's layout
      const QHeaderView* header = view->header();
      int right = 0;
      for (int i = 0; i < header->count(); ++i) {
        if (header->isSectionHidden(i)) continue;
        const QString title = view->model()->headerData(i, Qt::Horizontal).toString();
        EXPECT_GE(header->sectionSize(i), header->fontMetrics().horizontalAdvance(title)) << title.toStdString();
        right = std::max(right, header->sectionViewportPosition(i) + header->sectionSize(i));
      }
      EXPECT_LE(right, header->viewport()->width());
      looked = true;
      dlg.reject();
    });
    EXPECT_FALSE(ui.SaveFile({"txt", "*.txt", "", true, "columns"}).has_value());
    EXPECT_TRUE(looked);
  }
}

}  // namespace
}  // namespace korvane::platform
