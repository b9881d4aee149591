#include "configuration/widgets/ConfigurationDialog.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "configuration/SetupFile.h"
#include "configuration/ConfigLists.h"
#include "configuration/SetupPrint.h"
#include "link/Protocol.h"
#include "link/widgets/LineGate.h"
#include "platform/NumberText.h"
#include "platform/Ui.h"
#include "types/Cp1252.h"
#include "types/Texts.h"

namespace korvane::configuration {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The edits of the dialog; all of them hold numbers.
constexpr int kNumberEdits[] = {1075, 1076, 1077, 1078, 1084, 1085, 1087, 1088,
                                1081, 1079, 1080, 1086, 1082, 1107, 1110, 1163};

// The identity characters are whatever the module sent; show them readably even when
// they are not UTF-8.
QString RawText(const std::string& s) {
  QByteArray bytes = QByteArray::fromStdString(s);
  QString text = QString::fromUtf8(bytes);
  if (text.contains(QChar::ReplacementCharacter)) text = QString::fromLatin1(bytes);
  return text;
}

QLabel* NewLabel(const char* text, QWidget* parent) { return new QLabel(QString::fromUtf8(text), parent); }

}  // namespace

ConfigurationDialog::ConfigurationDialog(platform::Ui& ui, ConfigSettings& settings, TypeConfirmation* confirm,
                                         QWidget* parent, platform::Clock clock, LoggerLauncher* logger,
                                         link::Link* line)
    : QDialog(parent), ui_(ui), settings_(settings), confirm_(confirm), clock_(std::move(clock)), logger_(logger) {
  setWindowTitle(QStringLiteral("Konfiguration"));
  Build();
  SettingsToControls();
  SetupDialogControls();
  // OK asks the module, the series button opens the logger; none of the buttons acts
  // while a flow (the OK check, a logger transfer) has the line.
  auto* gate = new link::LineGate(line, this);
  for (int id : {1, 2, 1241, 1165, 1092, 1169}) gate->Add(control(id));
}

QButtonGroup* ConfigurationDialog::RadioGroup(int firstId, int count, QGroupBox* box, QGridLayout* grid, int column) {
  static const char* const kSourceCaptions[] = {"Messwert1", "Messwert2", "Messwert3",
                                                "Messwert4", "Messwert5", "Temperatur"};
  auto* group = new QButtonGroup(this);
  for (int i = 0; i < count; ++i) {
    auto* radio = new QRadioButton(box);
    if (count == 6) radio->setText(QString::fromUtf8(kSourceCaptions[i]));
    group->addButton(radio, i);
    grid->addWidget(radio, i, column);
    Register(firstId + i, radio);
  }
  radioGroups_[firstId] = group;
  return group;
}

void ConfigurationDialog::Build() {
  auto* top = new QHBoxLayout(this);
  auto* body = new QGridLayout;
  top->addLayout(body, 1);

  // Firmware and identity texts above the two DAC groups.
  auto* firmware = new QLabel(this);
  auto* identity = new QLabel(this);
  Register(1115, firmware);
  Register(1117, identity);
  body->addWidget(firmware, 0, 0);
  body->addWidget(identity, 0, 1);

  // A source group: six radio buttons, then two labelled edits.
  auto sourceGroup = [&](int groupId, const char* title, int firstRadio, int edit1, int label1, const char* caption1,
                         int edit2, int label2, const char* caption2, int row, int column) {
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
  sourceGroup(1137, "DAC Kanal0", 1001, 1075, 1140, "Unterer Wert", 1076, 1142, "Oberer Wert", 1, 0);
  sourceGroup(1138, "DAC Kanal1", 1007, 1077, 1141, "Unterer Wert", 1078, 1143, "Oberer Wert", 1, 1);
  sourceGroup(1139, "Relais1", 1013, 1084, 1144, "Grenzwert", 1085, 1145, "Hysterese", 1, 2);
  sourceGroup(1159, "Relais2", 1019, 1087, 1160, "Grenzwert", 1088, 1161, "Hysterese", 1, 3);

  // Two-button groups: output kind, current range, limit types of both relays.
  auto pairGroup = [&](int groupId, const char* title, int firstId, int secondId, const char* first, const char* second,
                       int column) {
    auto* box = new QGroupBox(QString::fromUtf8(title), this);
    Register(groupId, box);
    auto* layout = new QVBoxLayout(box);
    auto* group = new QButtonGroup(this);
    int id = 0;
    for (auto [rid, text] : {std::pair{firstId, first}, std::pair{secondId, second}}) {
      auto* radio = new QRadioButton(QString::fromUtf8(text), box);
      group->addButton(radio, id++);
      layout->addWidget(radio);
      Register(rid, radio);
    }
    radioGroups_[firstId] = group;
    body->addWidget(box, 2, column);
  };
  pairGroup(1148, "Ausgabe", 1101, 1102, "Spannung", "Strom", 0);
  pairGroup(1147, "Stromtyp", 1103, 1104, "0...20mA", "4...20mA", 1);
  pairGroup(1146, "Grenzwerttyp", 1105, 1106, "Minimum", "Maximum", 2);
  pairGroup(1162, "Grenzwerttyp", 1108, 1118, "Minimum", "Maximum", 3);

  // Calibration values and the two key controls; the key edits, combo boxes and the
  // "pH Fix" box share their places and are shown by type.
  {
    auto* box = new QGroupBox(QStringLiteral("Kalibrierwerte"), this);
    Register(1149, box);
    auto* grid = new QGridLayout(box);
    int row = 0;
    for (auto [editId, labelId, text] : {std::tuple{1081, 1150, "KAL0"}, std::tuple{1079, 1151, "KAL1"},
                                         std::tuple{1080, 1152, "KAL2"}, std::tuple{1086, 1158, "KAL3"}}) {
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
    Register(1153, key1);
    Register(1154, key2);
    auto* edit1 = new QLineEdit(box);
    auto* edit2 = new QLineEdit(box);
    Register(1082, edit1);
    Register(1107, edit2);
    editLabels_[1082] = key1;
    editLabels_[1107] = key2;
    auto* phFix = new QCheckBox(QStringLiteral("pH Fix"), box);
    Register(1242, phFix);
    for (int id : {1111, 1112, 1114, 1116}) {
      auto* c = new QComboBox(box);
      c->setEditable(false);
      if (id == 1111 || id == 1112)
        for (const char* text : kPhBuffers) c->addItem(QString::fromUtf8(text));
      else
        for (const char* text : kKclSolutions) c->addItem(QString::fromUtf8(text));
      Register(id, c);
    }
    grid->addWidget(key1, row, 0);
    for (int id : {1082, 1111, 1114, 1242}) grid->addWidget(controls_[id], row, 1);
    ++row;
    grid->addWidget(key2, row, 0);
    for (int id : {1107, 1112, 1116}) grid->addWidget(controls_[id], row, 1);
    body->addWidget(box, 3, 0, 1, 2);
  }

  // General settings.
  {
    auto* box = new QGroupBox(QStringLiteral("allgm."), this);
    Register(1155, box);
    auto* grid = new QGridLayout(box);
    auto* fixed = new QCheckBox(QStringLiteral("Festtemperatur"), box);
    Register(1113, fixed);
    grid->addWidget(fixed, 0, 0, 1, 2);
    auto labelled = [&](int row, int labelId, const char* text, int editId) {
      QLabel* l = NewLabel(text, box);
      auto* e = new QLineEdit(box);
      if (labelId) Register(labelId, l);
      Register(editId, e);
      editLabels_[editId] = l;
      grid->addWidget(l, row, 0);
      grid->addWidget(e, row, 1);
    };
    labelled(1, 1128, "Temperatur", 1110);
    labelled(2, 0, "Temp.-offset", 1163);
    labelled(3, 1156, "Adresse", 1083);
    auto* hold = new QCheckBox(QStringLiteral("Kal. Hold"), box);
    Register(1174, hold);
    grid->addWidget(hold, 4, 0, 1, 2);
    QLabel* typeLabel = NewLabel("Messwert Typ", box);
    Register(1157, typeLabel);
    auto* types = new QComboBox(box);
    types->setEditable(false);
    Register(1109, types);
    grid->addWidget(typeLabel, 5, 0);
    grid->addWidget(types, 5, 1);
    body->addWidget(box, 3, 2, 1, 2);
  }

  // Buttons down the right side.
  auto* buttons = new QVBoxLayout;
  top->addLayout(buttons);
  for (auto [id, text] : {std::pair{1, "OK"}, std::pair{2, "Abbrechen"}, std::pair{1241, "Öffnen"},
                          std::pair{1165, "Speichern"}, std::pair{1092, "Drucken"}, std::pair{1169, "QX 7100"}}) {
    auto* b = new QPushButton(QString::fromUtf8(text), this);
    b->setAutoDefault(false);
    Register(id, b);
    buttons->addWidget(b);
  }
  buttons->addStretch(1);
  static_cast<QPushButton*>(controls_[1])->setDefault(true);

  connect(button(1), &QAbstractButton::clicked, this, &ConfigurationDialog::accept);
  connect(button(2), &QAbstractButton::clicked, this, &ConfigurationDialog::reject);
  connect(button(1241), &QAbstractButton::clicked, this, &ConfigurationDialog::OnOpen);
  connect(button(1165), &QAbstractButton::clicked, this, &ConfigurationDialog::OnSave);
  connect(button(1092), &QAbstractButton::clicked, this, &ConfigurationDialog::OnPrint);
  connect(button(1169), &QAbstractButton::clicked, this, &ConfigurationDialog::OnSeriesButton);
}

QWidget* ConfigurationDialog::control(int id) const {
  auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : it->second;
}
QAbstractButton* ConfigurationDialog::button(int id) const { return qobject_cast<QAbstractButton*>(control(id)); }
QLineEdit* ConfigurationDialog::edit(int id) const { return qobject_cast<QLineEdit*>(control(id)); }
QComboBox* ConfigurationDialog::combo(int id) const { return qobject_cast<QComboBox*>(control(id)); }
QLabel* ConfigurationDialog::label(int id) const { return qobject_cast<QLabel*>(control(id)); }
QGroupBox* ConfigurationDialog::group(int id) const { return qobject_cast<QGroupBox*>(control(id)); }

QString ConfigurationDialog::caption(int id) const {
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
  ConfigSettings& s = settings_;
  // Settings hold Windows-1252 bytes, as the files do.
  auto text = [&](int id, const std::string& value) { edit(id)->setText(Q(types::FromWindows1252(value))); };
  text(1075, s.IDC_UNTERER_WERT0);
  text(1076, s.IDC_OBERER_WERT0);
  text(1077, s.IDC_UNTERER_WERT1);
  text(1078, s.IDC_OBERER_WERT1);
  text(1084, s.IDC_GRENZWERT);
  text(1085, s.IDC_HYSTERESE);
  text(1087, s.IDC_GRENZWERT3);
  text(1088, s.IDC_HYSTERESE3);
  text(1081, s.IDC_KAL0);
  text(1079, s.IDC_KAL1);
  text(1080, s.IDC_KAL2);
  text(1086, s.IDC_KAL3);
  text(1082, s.IDC_KAL_C1);
  text(1107, s.IDC_KAL_C2);
  text(1110, s.IDC_EDIT1);
  text(1163, s.IDC_OFFSET);
  edit(1083)->setText(QString::number(s.IDC_GERAETE_ADR));
  label(1115)->setText(RawText(s.IDC_VERSION));
  label(1117)->setText(RawText(s.IDC_HERSTELLER_NUM));

  SetRadioIndex(radioGroups_.at(1001), s.IDC_RADIO1);
  SetRadioIndex(radioGroups_.at(1007), s.IDC_RADIO7);
  SetRadioIndex(radioGroups_.at(1013), s.IDC_RADIO_RELAY);
  SetRadioIndex(radioGroups_.at(1019), s.IDC_RADIO_RELAY2);
  SetRadioIndex(radioGroups_.at(1101), s.IDC_STROM_SPANNUNG);
  SetRadioIndex(radioGroups_.at(1103), s.IDC_4TO20MA);
  SetRadioIndex(radioGroups_.at(1105), s.IDC_MINIMUM);
  SetRadioIndex(radioGroups_.at(1108), s.IDC_MINIMUM3);

  static_cast<QCheckBox*>(control(1113))->setChecked(s.IDC_CHECK1 != 0);
  static_cast<QCheckBox*>(control(1174))->setChecked(s.IDC_KAL_HOLD != 0);
  static_cast<QCheckBox*>(control(1242))->setChecked(s.phFix != 0);

  SetComboIndex(combo(1111), s.IDC_KAL_T1_PH);
  SetComboIndex(combo(1112), s.IDC_KAL_T2_PH);
  SetComboIndex(combo(1114), s.IDC_KAL_T1_LF);
  SetComboIndex(combo(1116), s.IDC_KAL_T2_LF);
  SetComboIndex(combo(1109), s.IDC_TYPAUSWAHL);

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
  std::map<int, std::string> texts;
  for (int id : kNumberEdits) {
    std::optional<std::string> value = FieldText(id);
    if (!value) return false;
    texts[id] = std::move(*value);
  }

  ConfigSettings& s = settings_;
  auto text = [&](int id) { return texts.at(id); };
  s.IDC_UNTERER_WERT0 = text(1075);
  s.IDC_OBERER_WERT0 = text(1076);
  s.IDC_UNTERER_WERT1 = text(1077);
  s.IDC_OBERER_WERT1 = text(1078);
  s.IDC_GRENZWERT = text(1084);
  s.IDC_HYSTERESE = text(1085);
  s.IDC_GRENZWERT3 = text(1087);
  s.IDC_HYSTERESE3 = text(1088);
  s.IDC_KAL0 = text(1081);
  s.IDC_KAL1 = text(1079);
  s.IDC_KAL2 = text(1080);
  s.IDC_KAL3 = text(1086);
  s.IDC_KAL_C1 = text(1082);
  s.IDC_KAL_C2 = text(1107);
  s.IDC_EDIT1 = text(1110);
  s.IDC_OFFSET = text(1163);
  s.IDC_GERAETE_ADR = check.value;

  s.IDC_RADIO1 = radioGroups_.at(1001)->checkedId();
  s.IDC_RADIO7 = radioGroups_.at(1007)->checkedId();
  s.IDC_RADIO_RELAY = radioGroups_.at(1013)->checkedId();
  s.IDC_RADIO_RELAY2 = radioGroups_.at(1019)->checkedId();
  s.IDC_STROM_SPANNUNG = radioGroups_.at(1101)->checkedId();
  s.IDC_4TO20MA = radioGroups_.at(1103)->checkedId();
  s.IDC_MINIMUM = radioGroups_.at(1105)->checkedId();
  s.IDC_MINIMUM3 = radioGroups_.at(1108)->checkedId();

  s.IDC_CHECK1 = static_cast<QCheckBox*>(control(1113))->isChecked() ? 1 : 0;
  s.IDC_KAL_HOLD = static_cast<QCheckBox*>(control(1174))->isChecked() ? 1 : 0;
  s.phFix = static_cast<QCheckBox*>(control(1242))->isChecked() ? 1 : 0;

  s.IDC_KAL_T1_PH = combo(1111)->currentIndex();
  s.IDC_KAL_T2_PH = combo(1112)->currentIndex();
  s.IDC_KAL_T1_LF = combo(1114)->currentIndex();
  s.IDC_KAL_T2_LF = combo(1116)->currentIndex();
  s.IDC_TYPAUSWAHL = combo(1109)->currentIndex();

  SetButtonTexts();
  return true;
}

std::string ConfigurationDialog::FieldName(int editId) const {
  QString name;
  QWidget* field = edit(editId);
  if (auto* box = qobject_cast<QGroupBox*>(field->parentWidget())) name = box->title() + QStringLiteral(": ");
  auto it = editLabels_.find(editId);
  if (it != editLabels_.end()) name += it->second->text();
  return name.toStdString();
}

std::optional<std::string> ConfigurationDialog::FieldText(int editId) {
  QLineEdit* field = edit(editId);
  const int lang = settings_.language;
  auto refuse = [&](const types::TextPair& why) -> std::optional<std::string> {
    ui_.Message(std::string(why(lang)) + " \"" + FieldName(editId) + "\": " + field->text().toStdString());
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
  QComboBox* types = combo(ctl::kTypeList);
  types->clear();
  for (const std::string& name : states_.typeListEntries) types->addItem(Q(name));
  SettingsToControls();
}

void ConfigurationDialog::SetButtonTexts() {
  const int lang = settings_.language;
  button(1092)->setText(QString::fromUtf8(texts::kPrint(lang)));
  button(2)->setText(QString::fromUtf8(texts::kCancel(lang)));
  button(1165)->setText(QString::fromUtf8(texts::kSave(lang)));
  button(1241)->setText(QString::fromUtf8(texts::kOpen(lang)));
  button(1)->setText(QString::fromUtf8(texts::kOk(lang)));
}

// ---------------------------------------------------------------------------------------
// Buttons

void ConfigurationDialog::OnOpen() {
  const LoadResult result = LoadSetupFile(ui_, settings_);
  // The loaded type may belong to another family: rebuild the controls for it, also
  // after a data-file error, so the loaded values are shown.
  if (result == LoadResult::kLoaded || result == LoadResult::kDataError) SetupDialogControls();
}

void ConfigurationDialog::OnSave() {
  if (!ControlsToSettings()) return;
  SaveSetupFile(ui_, settings_);
}

void ConfigurationDialog::OnPrint() {
  if (!ControlsToSettings()) return;
  PrintSetup(ui_, settings_, states_.sourceNames, clock_);
}

void ConfigurationDialog::OnSeriesButton() {
  if (!ControlsToSettings()) return;
  const int lang = settings_.language;
  const char* series = link::IsController(settings_.deviceKind)  ? texts::kLoggerSeriesKind5
                       : link::IsAmplifier(settings_.deviceKind) ? texts::kLoggerSeriesKind4
                                                                 : nullptr;
  if (!series) {
    ui_.Message(texts::kNotQx7100(lang));
    return;
  }
  if (logger_)
    logger_->OpenLogger(series, lang);
  else
    ui_.Message(types::kNotAvailable(lang));
}

void ConfigurationDialog::accept() {
  if (busy_) return;
  if (!ControlsToSettings()) return;
  if (confirm_) {
    // The check waits for the module while the event loop runs: no second OK, no
    // Cancel and no edits meanwhile.
    busy_ = true;
    setEnabled(false);
    const bool accepted = confirm_->CheckTypeOnOk(settings_) == TypeCheck::kAccepted;
    setEnabled(true);
    busy_ = false;
    if (!accepted) return;
  }
  QDialog::accept();
}

void ConfigurationDialog::reject() {
  if (busy_) return;
  QDialog::reject();
}

bool RunConfigurationDialog(QWidget* parent, platform::Ui& ui, ConfigSettings& settings, TypeConfirmation* confirm,
                            platform::Clock clock, LoggerLauncher* logger, link::Link* line) {
  ConfigurationDialog dialog(ui, settings, confirm, parent, std::move(clock), logger, line);
  return dialog.exec() == QDialog::Accepted;
}

ConfigurationEditor::Result QtConfigurationEditor::Edit(ConfigSettings& s, TypeConfirmation& confirm) {
  return RunConfigurationDialog(parent_, ui_, s, &confirm, clock_, logger_, line_) ? Result::kAccepted
                                                                                   : Result::kCancelled;
}

}  // namespace korvane::configuration
