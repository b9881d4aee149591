#pragma once
// The display unit's configuration dialog: what each of the eight positions shows, the
// two virtual channels, which positions drive the outputs and relays, logger, serial
// output and contrast, with the logger and clock buttons and display files. Thin: the
// display transfer reads, writes and talks to the unit.
#include <QDialog>

#include <array>
#include <memory>

#include "display/DisplayEditor.h"
#include "platform/Language.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace korvane::link {
class Link;
}
namespace korvane::platform {
class SpinEdit;
class Ui;
}  // namespace korvane::platform

namespace korvane::display {

using platform::SpinEdit;

class DisplayUnitDialog : public QDialog {
  Q_OBJECT

 public:
  // outputs: the editor of "Konfigurieren" (nullptr: the outputs dialog over this one);
  // line: the buttons and the contrast wait while a flow holds it (nullptr: never).
  DisplayUnitDialog(platform::Ui& ui, DisplaySettings& settings, DisplayActions& actions,
                    OutputsEditor* outputs = nullptr, QWidget* parent = nullptr, link::Link* line = nullptr);
  ~DisplayUnitDialog() override;

  // OK: the fields are checked in order; the first out of its range is named with its
  // range and the dialog stays open. Otherwise the values are taken.
  void accept() override;

  // Button handlers (public so the tests press them without a mouse).
  void OnInformation();
  void OnReadLogger();
  void OnClock();
  void OnClearLogger();
  void OnOutputs();
  void OnSave();
  void OnOpen();

  struct PositionRow {
    SpinEdit* address;
    QComboBox* choice;
  };
  struct VirtualRow {
    SpinEdit* address1;
    QComboBox* operand1;
    SpinEdit* address2;
    QComboBox* operand2;
    QComboBox* operation;
  };
  const PositionRow& position(int i) const { return positions_[static_cast<std::size_t>(i)]; }
  const VirtualRow& virtualRow(int j) const { return virtuals_[static_cast<std::size_t>(j)]; }
  SpinEdit* contrast() const { return contrast_; }
  SpinEdit* loggerInterval() const { return loggerInterval_; }
  SpinEdit* serialInterval() const { return serialInterval_; }
  QLabel* information() const { return information_; }
  QLabel* serialCaption() const { return serialCaption_; }

 private:
  void ShowSettings();
  // The controls into s; with check, false (after the message) for a field out of range.
  bool TakeControls(DisplaySettings& s, bool check);
  void OnContrastChanged(int value);

  platform::Ui& ui_;
  DisplaySettings& settings_;
  DisplayActions& actions_;
  std::unique_ptr<OutputsEditor> ownOutputsEditor_;
  OutputsEditor* outputsEditor_;
  Language language_;
  bool filling_ = false;
  std::array<PositionRow, 8> positions_{};
  std::array<VirtualRow, 2> virtuals_{};
  QComboBox *dac0_, *dac1_, *relay0_, *relay1_;
  SpinEdit *contrast_, *loggerInterval_, *serialInterval_;
  QCheckBox *loggerEnabled_, *serialEnabled_;
  QLabel *firmware_, *information_, *serialCaption_;
};

class QtDisplayEditor : public DisplayEditor {
 public:
  QtDisplayEditor(QWidget* parent, platform::Ui& ui, link::Link* line = nullptr)
      : parent_(parent), ui_(ui), line_(line) {}
  Result Edit(DisplaySettings& s, DisplayActions& actions) override;

 private:
  QWidget* parent_;
  platform::Ui& ui_;
  link::Link* line_;
};

}  // namespace korvane::display
