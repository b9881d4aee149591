#pragma once
// The assistant's result: the verdict, the values as the result dialog gives them, each
// produced value before and after with its change and a bar against its plausibility
// range, for pH the slope in % of Nernst's and the zero point; "Speichern", "Beenden"
// and the certificate. After the run it shows how it ended, with the certificate still
// to be had.
#include <QWidget>

#include <functional>
#include <vector>

#include "calibration/AssistantUi.h"
#include "platform/Language.h"

class QGridLayout;
class QLabel;
class QPushButton;

namespace korvane::calibration {

class LimitBar;

class AssistantResultPage : public QWidget {
  Q_OBJECT

 public:
  explicit AssistantResultPage(QWidget* parent = nullptr);

  void Show(const ResultView& view, Language language);
  // The run is over: text says how; save and exit give way to "Schließen".
  void ShowEnd(const std::string& text, std::function<void()> printCertificate, Language language);

  QLabel* verdict() const { return verdict_; }
  QLabel* nernst() const { return nernst_; }
  QPushButton* saveButton() const { return save_; }
  QPushButton* exitButton() const { return exit_; }
  QPushButton* certificateButton() const { return certificate_; }
  const std::vector<LimitBar*>& bars() const { return bars_; }

 signals:
  void save();
  void exit();
  void closed();

 private:
  void Clear();

  std::function<void()> print_;
  QLabel* verdict_;
  QLabel* rows_;
  QGridLayout* table_;
  QWidget* tableHost_;
  QLabel* nernst_;
  QLabel* ending_;
  QPushButton* certificate_;
  QPushButton* save_;
  QPushButton* exit_;
  QPushButton* close_;
  std::vector<LimitBar*> bars_;
};

}  // namespace korvane::calibration
