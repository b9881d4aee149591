#include "configuration/DialogExchange.h"

#include "configuration/ConfigLists.h"

namespace korvane::configuration {
namespace {

int Choice(int index, int count) { return index >= 0 && index < count ? index : -1; }
int Check(int state) { return state != 0 ? 1 : 0; }

}  // namespace

void ControlRoundTrip(ConfigSettings& s) {
  for (int* source : {&s.IDC_RADIO1, &s.IDC_RADIO7, &s.IDC_RADIO_RELAY, &s.IDC_RADIO_RELAY2})
    *source = Choice(*source, 6);
  for (int* pair : {&s.IDC_STROM_SPANNUNG, &s.IDC_4TO20MA, &s.IDC_MINIMUM, &s.IDC_MINIMUM3}) *pair = Choice(*pair, 2);
  s.IDC_CHECK1 = Check(s.IDC_CHECK1);
  s.IDC_KAL_HOLD = Check(s.IDC_KAL_HOLD);
  s.phFix = Check(s.phFix);
  const int buffers = static_cast<int>(kPhBuffers.size());
  const int solutions = static_cast<int>(kKclSolutions.size());
  s.IDC_KAL_T1_PH = Choice(s.IDC_KAL_T1_PH, buffers);
  s.IDC_KAL_T2_PH = Choice(s.IDC_KAL_T2_PH, buffers);
  s.IDC_KAL_T1_LF = Choice(s.IDC_KAL_T1_LF, solutions);
  s.IDC_KAL_T2_LF = Choice(s.IDC_KAL_T2_LF, solutions);
  // The type list holds the entries from the offset on: 2..5, 20..23 or all types.
  const TypeList list = TypeListFor(s.typeListOffset);
  s.IDC_TYPAUSWAHL = Choice(s.IDC_TYPAUSWAHL, list.last - list.first + 1);
}

void OpenDialogData(ConfigSettings& s) {
  ApplySetupDialogRules(s);
  ControlRoundTrip(s);
}

}  // namespace korvane::configuration
