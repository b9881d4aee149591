// The progress window of a transfer belongs to the dialog that is open and is modal to
// it; its cancel button exists only where the flow asked for one.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPushButton>

#include "platform/widgets/QtUi.h"
#include "platform/widgets/TransferProgress.h"

namespace korvane::platform {
namespace {

TEST(TransferProgress, ModalToTheOpenDialogWithCancelOnlyWhereAsked) {
  QWidget main;
  QDialog dialog(&main);
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.show();
  ASSERT_EQ(QApplication::activeModalWidget(), &dialog);

  QtUi ui(&main);
  ui.ProgressOpen("Datenübertragung", "Datenübertragung läuft.", 0, 30);
  TransferProgress* progress = ui.progress();
  ASSERT_NE(progress, nullptr);
  EXPECT_EQ(progress->parentWidget(), &dialog);
  EXPECT_EQ(progress->windowModality(), Qt::WindowModal);
  EXPECT_EQ(progress->windowTitle(), "Datenübertragung");
  ui.ProgressSet(45);  // beyond the end: the bar stays full
  EXPECT_EQ(progress->value(), 30);

  // Without a cancel button, Esc and the close box do not stop the transfer.
  progress->reject();
  EXPECT_FALSE(ui.ProgressCancelled());
  EXPECT_TRUE(progress->isVisible());
  ui.ProgressAllowCancel();
  QPushButton* cancel = progress->findChild<QPushButton*>();
  ASSERT_NE(cancel, nullptr);
  EXPECT_EQ(cancel->text(), "Abbrechen");
  cancel->click();
  EXPECT_TRUE(ui.ProgressCancelled());
  ui.ProgressClose();
  EXPECT_EQ(ui.progress(), nullptr);

  // The notice that follows a stream is modal too.
  ui.NoticeOpen("Bitte warten, Daten werden konvertiert!");
  QWidget* notice = QApplication::activeModalWidget();
  ASSERT_NE(notice, &dialog);
  EXPECT_EQ(notice->parentWidget(), &dialog);
  ui.NoticeClose();
  EXPECT_EQ(QApplication::activeModalWidget(), &dialog);
}

}  // namespace
}  // namespace korvane::platform
