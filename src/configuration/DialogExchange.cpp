#include "configuration/DialogExchange.h"

#include "configuration/ConfigFields.h"
#include "configuration/ConfigLists.h"

namespace korvane::configuration {
namespace {

int Choice(int index, int count) { return index >= 0 && index < count ? index : -1; }
int Check(int state) { return state != 0 ? 1 : 0; }

}  // namespace

void ControlRoundTrip(ConfigSettings& s) {
  for (const ConfigField& f : ConfigFields()) {
    switch (f.kind) {
      case FieldKind::kChoice: s.*f.number = Choice(s.*f.number, f.choices); break;
      case FieldKind::kCheck: s.*f.number = Check(s.*f.number); break;
      case FieldKind::kType: {
        // The type list holds the entries from the offset on: 2..5, 20..23 or all types.
        const TypeList list = TypeListFor(s.typeListOffset);
        s.*f.number = Choice(s.*f.number, list.last - list.first + 1);
        break;
      }
      case FieldKind::kNumber:
      case FieldKind::kText:
      case FieldKind::kAddress: break;  // texts and the address pass unchanged
    }
  }
}

void OpenDialogData(ConfigSettings& s) {
  ApplySetupDialogRules(s);
  ControlRoundTrip(s);
}

ConfigSettings OpenedOnRead(const ConfigSettings& read) {
  ConfigSettings s = read;
  KeyIndicesFromValues(s, s.AbsoluteType());
  OpenDialogData(s);
  return s;
}

}  // namespace korvane::configuration
