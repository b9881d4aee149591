#include "configuration/widgets/ConfigurationDialog.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "configuration/ConfigDiff.h"
#include "configuration/ConfigFields.h"
#include "configuration/ConfigLists.h"
#include "configuration/DialogExchange.h"
#include "configuration/SetupFile.h"
#include "configuration/widgets/CompareDialog.h"
#include "link/widgets/LineGate.h"
#include "platform/NumberText.h"
#include "platform/Texts.h"
#include "platform/Ui.h"
#include "types/Cp1252.h"
#include "types/Texts.h"

namespace korvane::configuration {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The edits of the dialog, all of which hold numbers, in the order they are checked.
constexpr ctl::Control kNumberEdits[] = {
    ctl::kOutput0Lower,    ctl::kOutput0Upper,     ctl::kOutput1Lower,     ctl::kOutput1Upper,
    ctl::kRelay1Limit,     ctl::kRelay1Hysteresis, ctl::kRelay2Limit,      ctl::kRelay2Hysteresis,
    ctl::kCalibration1,    ctl::kCalibration2,     ctl::kCalibration3,     ctl::kCalibration4,
    ctl::kCalibrationKey1, ctl::kCalibrationKey2,  ctl::kFixedTemperature, ctl::kTemperatureOffset};

// The identity characters are whatever the module sent; show them readably even when
// they are not UTF-8.
QString RawText(const std::string& s) {
  QByteArray bytes = QByteArray::fromStdString(s);
  QString text = QString::fromUtf8(bytes);
  if (text.contains(QChar::ReplacementCharacter)) text = QString::fromLatin1(bytes);
  return text;
}

QLabel* NewLabel(const char* text, QWidget* parent) { return new QLabel(QString::fromUtf8(text), parent); }

constexpr platform::Text kCompareButton{"configuration", QT_TRANSLATE_NOOP("configuration", "Vergleichen…")};
constexpr platform::Text kCompareQuestion{
    "configuration", QT_TRANSLATE_NOOP("configuration",
                                       "Die Werte des Dialogs vergleichen mit den Werten des Moduls (neu gelesen) "
                                       "oder einer Setup-Datei?")};
constexpr platform::Text kModule{"configuration", QT_TRANSLATE_NOOP("configuration", "Modul")};
constexpr platform::Text kSetupFile{"configuration", QT_TRANSLATE_NOOP("configuration", "Setup-Datei")};
constexpr platform::Text kNoDifferences{"configuration", QT_TRANSLATE_NOOP("configuration", "Keine Unterschiede.")};

}  // namespace

ConfigurationDialog::ConfigurationDialog(platform::Ui& ui, ConfigSettings& settings, ConfigurationActions& actions,
                                         QWidget* parent, link::Link* line)
    : QDialog(parent), ui_(ui), settings_(settings), actions_(actions) {
  setWindowTitle(QStringLiteral("Konfiguration"));
  Build();
  SettingsToControls();
  SetupDialogControls();
  // OK and "Vergleichen" ask the module, the series button opens the logger; none of the
  // buttons acts while a flow (the OK check, a logger transfer) has the line.
  auto* gate = new link::LineGate(line, this);
  for (ctl::Control id :
       {ctl::kOk, ctl::kCancel, ctl::kOpen, ctl::kSave, ctl::kPrint, ctl::kCompare, ctl::kSeriesButton})
    gate->Add(control(id));
}

QButtonGroup* ConfigurationDialog::RadioGroup(ctl::Control first, int count, QGroupBox* box, QGridLayout* grid,
                                              int column) {
  static const char* const kSourceCaptions[] = {"Messwert1", "Messwert2", "Messwert3",
                                                "Messwert4", "Messwert5", "Temperatur"};
  auto* group = new QButtonGroup(this);
  for (int i = 0; i < count; ++i) {
    auto* radio = new QRadioButton(box);
    if (count == 6) radio->setText(QString::fromUtf8(kSourceCaptions[i]));
    group->addButton(radio, i);
    grid->addWidget(radio, i, column);
    Register(first + i, radio);
  }
  radioGroups_[first] = group;
  return group;
}

void ConfigurationDialog::Build() {
  auto* top = new QHBoxLayout(this);
  auto* body = new QGridLayout;
  top->addLayout(body, 1);

  // Firmware and identity texts above the two DAC groups.
  auto* firmware = new QLabel(this);
  auto* identity = new QLabel(this);
  Register(ctl::kFirmware, firmware);
  Register(ctl::kIdentity, identity);
  body->addWidget(firmware, 0, 0);
  body->addWidget(identity, 0, 1);

  BuildOutputs(body);
  BuildCalibration(body);
  BuildGeneral(body);
  BuildButtons(top);
}

void ConfigurationDialog::BuildOutputs(QGridLayout* body) {
  // A source group: six radio buttons, then two labelled edits.
  using C = ctl::Control;
  auto sourceGroup = [&](C groupId, const char* title, C firstRadio, C edit1, C label1, const char* caption1, C edit2,
                         C label2, const char* caption2, int row, int column) {
    auto* box = new QGroupBox(QString::fromUtf8(title), this);
    Register(groupId, box);
    auto* grid = new QGridLayout(box);
    RadioGroup(firstRadio, 6, box, grid, 0);
    grid->setColumnMinimumWidth(0, 110);
    int r = 6;
    for (auto [editId, labelId, text] : {std::tuple{edit1, label1, caption1}, std::tuple{edit2, label2, caption2}}) {
      QLabel* l = NewLabel(text, box);
      auto* e = new QLineEdit(box);
      Register(labelId, l);
      Register(editId, e);
      editLabels_[editId] = l;
      grid->addWidget(l, r, 0);
      grid->addWidget(e, r + 1, 0);
      r += 2;
    }
    body->addWidget(box, row, column);
  };
  sourceGroup(ctl::kGroupDac0, "DAC Kanal0", ctl::kDac0First, ctl::kOutput0Lower, ctl::kLabelOutput0Lower,
              "Unterer Wert", ctl::kOutput0Upper, ctl::kLabelOutput0Upper, "Oberer Wert", 1, 0);
  sourceGroup(ctl::kGroupDac1, "DAC Kanal1", ctl::kDac1First, ctl::kOutput1Lower, ctl::kLabelOutput1Lower,
              "Unterer Wert", ctl::kOutput1Upper, ctl::kLabelOutput1Upper, "Oberer Wert", 1, 1);
  sourceGroup(ctl::kGroupRelay1, "Relais1", ctl::kRelay1First, ctl::kRelay1Limit, ctl::kLabelRelay1Limit, "Grenzwert",
              ctl::kRelay1Hysteresis, ctl::kLabelRelay1Hysteresis, "Hysterese", 1, 2);
  sourceGroup(ctl::kGroupRelay2, "Relais2", ctl::kRelay2First, ctl::kRelay2Limit, ctl::kLabelRelay2Limit, "Grenzwert",
              ctl::kRelay2Hysteresis, ctl::kLabelRelay2Hysteresis, "Hysterese", 1, 3);

  // Two-button groups: output kind, current range, limit types of both relays.
  auto pairGroup = [&](C groupId, const char* title, C firstId, const char* first, const char* second, int column) {
    auto* box = new QGroupBox(QString::fromUtf8(title), this);
    Register(groupId, box);
    auto* layout = new QVBoxLayout(box);
    auto* group = new QButtonGroup(this);
    int id = 0;
    for (auto [rid, text] : {std::pair{firstId, first}, std::pair{firstId + 1, second}}) {
      auto* radio = new QRadioButton(QString::fromUtf8(text), box);
      group->addButton(radio, id++);
      layout->addWidget(radio);
      Register(rid, radio);
    }
    radioGroups_[firstId] = group;
    body->addWidget(box, 2, column);
  };
  pairGroup(ctl::kGroupOutput, "Ausgabe", ctl::kVoltage, "Spannung", "Strom", 0);
  pairGroup(ctl::kGroupCurrentType, "Stromtyp", ctl::k0To20, "0...20mA", "4...20mA", 1);
  pairGroup(ctl::kGroupRelay1LimitType, "Grenzwerttyp", ctl::kRelay1Minimum, "Minimum", "Maximum", 2);
  pairGroup(ctl::kGroupRelay2LimitType, "Grenzwerttyp", ctl::kRelay2Minimum, "Minimum", "Maximum", 3);
}

void ConfigurationDialog::BuildCalibration(QGridLayout* body) {
  // Calibration values and the two key controls; the key edits, combo boxes and the
  // "pH Fix" box share their places and are shown by type.
  auto* box = new QGroupBox(QStringLiteral("Kalibrierwerte"), this);
  Register(ctl::kGroupCalibration, box);
  auto* grid = new QGridLayout(box);
  int row = 0;
  for (auto [editId, labelId, text] : {std::tuple{ctl::kCalibration1, ctl::kLabelCalibration1, "KAL0"},
                                       std::tuple{ctl::kCalibration2, ctl::kLabelCalibration2, "KAL1"},
                                       std::tuple{ctl::kCalibration3, ctl::kLabelCalibration3, "KAL2"},
                                       std::tuple{ctl::kCalibration4, ctl::kLabelCalibration4, "KAL3"}}) {
    QLabel* l = NewLabel(text, box);
    auto* e = new QLineEdit(box);
    Register(labelId, l);
    Register(editId, e);
    editLabels_[editId] = l;
    grid->addWidget(l, row, 0);
    grid->addWidget(e, row, 1);
    ++row;
  }
  QLabel* key1 = NewLabel("Kal.-WertT1", box);
  QLabel* key2 = NewLabel("Kal.-WertT2", box);
  Register(ctl::kLabelCalibrationKey1, key1);
  Register(ctl::kLabelCalibrationKey2, key2);
  auto* edit1 = new QLineEdit(box);
  auto* edit2 = new QLineEdit(box);
  Register(ctl::kCalibrationKey1, edit1);
  Register(ctl::kCalibrationKey2, edit2);
  editLabels_[ctl::kCalibrationKey1] = key1;
  editLabels_[ctl::kCalibrationKey2] = key2;
  auto* phFix = new QCheckBox(QStringLiteral("pH Fix"), box);
  Register(ctl::kPhFix, phFix);
  for (ctl::Control id : {ctl::kKey1Buffer, ctl::kKey2Buffer, ctl::kKey1Solution, ctl::kKey2Solution}) {
    auto* c = new QComboBox(box);
    c->setEditable(false);
    if (id == ctl::kKey1Buffer || id == ctl::kKey2Buffer)
      for (const char* text : kPhBuffers) c->addItem(QString::fromUtf8(text));
    else
      for (const char* text : kKclSolutions) c->addItem(QString::fromUtf8(text));
    Register(id, c);
  }
  grid->addWidget(key1, row, 0);
  for (ctl::Control id : {ctl::kCalibrationKey1, ctl::kKey1Buffer, ctl::kKey1Solution, ctl::kPhFix})
    grid->addWidget(controls_[id], row, 1);
  ++row;
  grid->addWidget(key2, row, 0);
  for (ctl::Control id : {ctl::kCalibrationKey2, ctl::kKey2Buffer, ctl::kKey2Solution})
    grid->addWidget(controls_[id], row, 1);
  body->addWidget(box, 3, 0, 1, 2);
}

void ConfigurationDialog::BuildGeneral(QGridLayout* body) {
  // General settings.
  auto* box = new QGroupBox(QStringLiteral("allgm."), this);
  Register(ctl::kGroupGeneral, box);
  auto* grid = new QGridLayout(box);
  auto* fixed = new QCheckBox(QStringLiteral("Festtemperatur"), box);
  Register(ctl::kFixedTemperatureOn, fixed);
  grid->addWidget(fixed, 0, 0, 1, 2);
  auto labelled = [&](int row, std::optional<ctl::Control> labelId, const char* text, ctl::Control editId) {
    QLabel* l = NewLabel(text, box);
    auto* e = new QLineEdit(box);
    if (labelId) Register(*labelId, l);
    Register(editId, e);
    editLabels_[editId] = l;
    grid->addWidget(l, row, 0);
    grid->addWidget(e, row, 1);
  };
  labelled(1, ctl::kLabelFixedTemperature, "Temperatur", ctl::kFixedTemperature);
  labelled(2, std::nullopt, "Temp.-offset", ctl::kTemperatureOffset);
  labelled(3, ctl::kLabelAddress, "Adresse", ctl::kAddress);
  auto* hold = new QCheckBox(QStringLiteral("Kal. Hold"), box);
  Register(ctl::kCalibrationHold, hold);
  grid->addWidget(hold, 4, 0, 1, 2);
  QLabel* typeLabel = NewLabel("Messwert Typ", box);
  Register(ctl::kLabelMeasurementType, typeLabel);
  auto* types = new QComboBox(box);
  types->setEditable(false);
  Register(ctl::kMeasurementType, types);
  grid->addWidget(typeLabel, 5, 0);
  grid->addWidget(types, 5, 1);
  body->addWidget(box, 3, 2, 1, 2);
}

void ConfigurationDialog::BuildButtons(QHBoxLayout* top) {
  // Buttons down the right side.
  auto* buttons = new QVBoxLayout;
  top->addLayout(buttons);
  for (auto [id, text] :
       {std::pair{ctl::kOk, "OK"}, std::pair{ctl::kCancel, "Abbrechen"}, std::pair{ctl::kOpen, "Öffnen"},
        std::pair{ctl::kSave, "Speichern"}, std::pair{ctl::kPrint, "Drucken"}, std::pair{ctl::kCompare, "Vergleichen…"},
        std::pair{ctl::kSeriesButton, "QX 7100"}}) {
    auto* b = new QPushButton(QString::fromUtf8(text), this);
    b->setAutoDefault(false);
    Register(id, b);
    buttons->addWidget(b);
  }
  buttons->addStretch(1);
  static_cast<QPushButton*>(controls_[ctl::kOk])->setDefault(true);

  connect(button(ctl::kOk), &QAbstractButton::clicked, this, &ConfigurationDialog::accept);
  connect(button(ctl::kCancel), &QAbstractButton::clicked, this, &ConfigurationDialog::reject);
  connect(button(ctl::kOpen), &QAbstractButton::clicked, this, &ConfigurationDialog::OnOpen);
  connect(button(ctl::kSave), &QAbstractButton::clicked, this, &ConfigurationDialog::OnSave);
  connect(button(ctl::kPrint), &QAbstractButton::clicked, this, &ConfigurationDialog::OnPrint);
  connect(button(ctl::kSeriesButton), &QAbstractButton::clicked, this, &ConfigurationDialog::OnSeriesButton);
  connect(button(ctl::kCompare), &QAbstractButton::clicked, this, &ConfigurationDialog::OnCompare);
}

QWidget* ConfigurationDialog::control(ctl::Control id) const {
  auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : it->second;
}
QAbstractButton* ConfigurationDialog::button(ctl::Control id) const {
  return qobject_cast<QAbstractButton*>(control(id));
}
QLineEdit* ConfigurationDialog::edit(ctl::Control id) const { return qobject_cast<QLineEdit*>(control(id)); }
QComboBox* ConfigurationDialog::combo(ctl::Control id) const { return qobject_cast<QComboBox*>(control(id)); }
QLabel* ConfigurationDialog::label(ctl::Control id) const { return qobject_cast<QLabel*>(control(id)); }
QGroupBox* ConfigurationDialog::group(ctl::Control id) const { return qobject_cast<QGroupBox*>(control(id)); }

QString ConfigurationDialog::caption(ctl::Control id) const {
  if (auto* b = button(id)) return b->text();
  if (auto* l = label(id)) return l->text();
  if (auto* g = group(id)) return g->title();
  return {};
}

// ---------------------------------------------------------------------------------------
// Settings <-> controls

namespace {

void SetRadioIndex(QButtonGroup* group, int index) {
  if (QAbstractButton* b = group->button(index)) {
    b->setChecked(true);
    return;
  }
  // No button for the index (-1, or 255 from a setup file): none is selected.
  group->setExclusive(false);
  for (QAbstractButton* b : group->buttons()) b->setChecked(false);
  group->setExclusive(true);
}

void SetComboIndex(QComboBox* combo, int index) {
  combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

}  // namespace

void ConfigurationDialog::SettingsToControls() {
  const ConfigSettings& s = settings_;
  for (const ConfigField& f : ConfigFields()) {
    switch (f.kind) {
      // Settings hold Windows-1252 bytes, as the files do.
      case FieldKind::kNumber: edit(f.control)->setText(Q(types::FromWindows1252(s.*f.text))); break;
      case FieldKind::kText: label(f.control)->setText(RawText(s.*f.text)); break;
      case FieldKind::kAddress: edit(f.control)->setText(QString::number(s.*f.byte)); break;
      case FieldKind::kCheck: static_cast<QCheckBox*>(control(f.control))->setChecked(s.*f.number != 0); break;
      case FieldKind::kChoice:
      case FieldKind::kType:
        if (auto radios = radioGroups_.find(f.control); radios != radioGroups_.end())
          SetRadioIndex(radios->second, s.*f.number);
        else
          SetComboIndex(combo(f.control), s.*f.number);
        break;
    }
  }
  SetButtonTexts();
}

bool ConfigurationDialog::ControlsToSettings() {
  // The address first: a refused address leaves every setting as it was.
  QLineEdit* address = edit(ctl::kAddress);
  const AddressCheck check = CheckAddressText(address->text().toStdString(), settings_.language);
  if (!check.ok) {
    ui_.Message(check.message);
    address->setFocus();
    address->selectAll();
    return false;
  }

  // Every text is checked before any setting changes: a refused field leaves them all.
  std::map<ctl::Control, std::string> texts;
  for (ctl::Control id : kNumberEdits) {
    std::optional<std::string> value = FieldText(id);
    if (!value) return false;
    texts[id] = std::move(*value);
  }

  ConfigSettings& s = settings_;
  for (const ConfigField& f : ConfigFields()) {
    switch (f.kind) {
      case FieldKind::kNumber: s.*f.text = texts.at(f.control); break;
      case FieldKind::kAddress: s.*f.byte = check.value; break;
      case FieldKind::kCheck: s.*f.number = static_cast<QCheckBox*>(control(f.control))->isChecked() ? 1 : 0; break;
      case FieldKind::kChoice:
      case FieldKind::kType:
        if (auto radios = radioGroups_.find(f.control); radios != radioGroups_.end())
          s.*f.number = radios->second->checkedId();
        else
          s.*f.number = combo(f.control)->currentIndex();
        break;
      case FieldKind::kText: break;  // only the module sets these
    }
  }

  SetButtonTexts();
  return true;
}

std::string ConfigurationDialog::FieldName(ctl::Control editId) const {
  QString name;
  QWidget* field = edit(editId);
  if (auto* box = qobject_cast<QGroupBox*>(field->parentWidget())) name = box->title() + QStringLiteral(": ");
  auto it = editLabels_.find(editId);
  if (it != editLabels_.end()) name += it->second->text();
  return name.toStdString();
}

std::optional<std::string> ConfigurationDialog::FieldText(ctl::Control editId) {
  QLineEdit* field = edit(editId);
  const Language lang = settings_.language;
  auto refuse = [&](const types::Text& why) -> std::optional<std::string> {
    ui_.Message(Tr(lang, why) + " \"" + FieldName(editId) + "\": " + field->text().toStdString());
    field->setFocus();
    field->selectAll();
    return std::nullopt;
  };
  std::optional<std::string> bytes = types::ToWindows1252Exactly(field->text().toStdString());
  if (!bytes) return refuse(texts::kNoWindows1252);
  if (SetupFile::HoldsChecksumKey(*bytes)) return refuse(texts::kChecksumKeyInValue);
  // A field the user cannot edit keeps what the module or a file put there.
  if (!field->isEnabled() || field->isHidden() || bytes->empty()) return bytes;
  const std::optional<std::string> number = platform::NumberEntryText(*bytes);
  if (!number) return refuse(texts::kNotANumber);
  if (*number != *bytes) field->setText(Q(*number));
  return number;
}

void ConfigurationDialog::SetupDialogControls() {
  states_ = configuration::SetupDialogControls(settings_, states_);
  for (const auto& [id, state] : states_.controls) {
    QWidget* w = control(id);
    if (!w) continue;
    w->setEnabled(state.enabled);
    w->setVisible(state.visible);
    if (!state.caption) continue;
    const QString text = QString::fromStdString(*state.caption);
    if (auto* b = qobject_cast<QAbstractButton*>(w))
      b->setText(text);
    else if (auto* l = qobject_cast<QLabel*>(w))
      l->setText(text);
    else if (auto* g = qobject_cast<QGroupBox*>(w))
      g->setTitle(text);
  }
  QComboBox* types = combo(ctl::kMeasurementType);
  types->clear();
  for (const std::string& name : states_.typeListEntries) types->addItem(Q(name));
  SettingsToControls();
}

void ConfigurationDialog::SetButtonTexts() {
  const Language lang = settings_.language;
  button(ctl::kPrint)->setText(QString::fromUtf8(Tr(lang, texts::kPrint)));
  button(ctl::kCancel)->setText(QString::fromUtf8(Tr(lang, texts::kCancel)));
  button(ctl::kSave)->setText(QString::fromUtf8(Tr(lang, texts::kSave)));
  button(ctl::kOpen)->setText(QString::fromUtf8(Tr(lang, texts::kOpen)));
  button(ctl::kOk)->setText(QString::fromUtf8(Tr(lang, texts::kOk)));
  button(ctl::kCompare)->setText(QString::fromUtf8(Tr(lang, kCompareButton)));
}

// ---------------------------------------------------------------------------------------
// Buttons

void ConfigurationDialog::OnOpen() {
  const LoadResult result = actions_.Load(settings_);
  // The loaded type may belong to another family: rebuild the controls for it, also
  // after a data-file error, so the loaded values are shown.
  if (result == LoadResult::kLoaded || result == LoadResult::kDataError) SetupDialogControls();
}

void ConfigurationDialog::OnSave() {
  if (!ControlsToSettings()) return;
  actions_.Save(settings_);
}

void ConfigurationDialog::OnPrint() {
  if (!ControlsToSettings()) return;
  actions_.Print(settings_, states_.sourceNames);
}

void ConfigurationDialog::OnSeriesButton() {
  if (!ControlsToSettings()) return;
  actions_.OpenLogger(settings_);
}

void ConfigurationDialog::OnCompare() {
  if (busy_ || !ControlsToSettings()) return;
  const Language lang = settings_.language;
  const std::string mine = SetupFile::BuildSetupText(settings_);
  std::string other, heading;
  if (ui_.YesNo(texts::kYesNoTitle, Tr(lang, kCompareQuestion), Tr(lang, kModule), Tr(lang, kSetupFile))) {
    // The module as the dialog would show it when opened on it.
    ConfigSettings module;
    module.language = lang;
    busy_ = true;
    setEnabled(false);
    const bool read = actions_.ReadModule(module);
    setEnabled(true);
    busy_ = false;
    if (!read) return;
    KeyIndicesFromValues(module, module.AbsoluteType());
    OpenDialogData(module);
    other = SetupFile::BuildSetupText(module);
    heading = Tr(lang, kModule);
  } else {
    const std::optional<ChosenSetup> file = actions_.ChooseSetupFile(lang);
    if (!file) return;
    other = file->text;
    heading = QFileInfo(Q(file->path)).fileName().toStdString();
  }
  const std::vector<FieldDifference> rows = CompareSetupTexts(mine, other, lang);
  if (rows.empty()) {
    ui_.Message(Tr(lang, kNoDifferences));
    return;
  }
  CompareDialog table(rows, heading, lang, this);
  table.exec();
}

void ConfigurationDialog::accept() {
  if (busy_) return;
  if (!ControlsToSettings()) return;
  // The check waits for the module while the event loop runs: no second OK, no
  // Cancel and no edits meanwhile.
  busy_ = true;
  setEnabled(false);
  const bool accepted = actions_.CheckTypeOnOk(settings_) == TypeCheck::kAccepted;
  setEnabled(true);
  busy_ = false;
  if (!accepted) return;
  QDialog::accept();
}

void ConfigurationDialog::reject() {
  if (busy_) return;
  QDialog::reject();
}

bool RunConfigurationDialog(QWidget* parent, platform::Ui& ui, ConfigSettings& settings, ConfigurationActions& actions,
                            link::Link* line) {
  ConfigurationDialog dialog(ui, settings, actions, parent, line);
  return dialog.exec() == QDialog::Accepted;
}

ConfigurationEditor::Result QtConfigurationEditor::Edit(ConfigSettings& s, ConfigurationActions& actions) {
  return RunConfigurationDialog(parent_, ui_, s, actions, line_) ? Result::kAccepted : Result::kCancelled;
}

}  // namespace korvane::configuration
