#include "link/widgets/LineGate.h"

#include "link/Link.h"

namespace korvane::link {

LineGate::LineGate(Link* link, QObject* parent) : QObject(parent) {
  if (!link) return;
  held_ = link->lineHeld();
  connect(link, &Link::lineHeldChanged, this, &LineGate::Follow);
}

void LineGate::Add(QWidget* control) {
  if (!control) return;
  for (const Entry& e : entries_)
    if (e.control == control) return;
  // A control disabled by its window's own rules stays so; the gate only adds its own.
  Entry e{control, !control->testAttribute(Qt::WA_ForceDisabled)};
  if (held_) control->setEnabled(false);
  entries_.push_back(e);
}

void LineGate::Add(std::initializer_list<QWidget*> controls) {
  for (QWidget* c : controls) Add(c);
}

void LineGate::Follow(bool held) {
  if (held == held_) return;
  held_ = held;
  for (Entry& e : entries_) {
    if (!e.control) continue;
    if (held) {
      e.ownEnabled = !e.control->testAttribute(Qt::WA_ForceDisabled);
      e.control->setEnabled(false);
    } else {
      e.control->setEnabled(e.ownEnabled);
    }
  }
}

}  // namespace korvane::link
