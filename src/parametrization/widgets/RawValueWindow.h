#pragma once
// The raw converter value during a measurement: a small frameless window at the
// screen's top-left corner with one read-only field.
#include <QWidget>

#include "parametrization/ParametrizationDialogs.h"

class QLineEdit;

namespace korvane::parametrization {

class RawValueWindow : public QWidget, public RawValueView {
  Q_OBJECT

 public:
  explicit RawValueWindow(QWidget* parent = nullptr);
  void Open(std::uint32_t value) override;
  void Show(std::uint32_t value) override;
  void Close() override;
  QLineEdit* field() const { return field_; }

 private:
  QLineEdit* field_;
};

}  // namespace korvane::parametrization
