#pragma once
// The controls of one window that start a flow: disabled while a flow holds the line,
// enabled again (as the window had them) when it is free. The one place where a window
// follows Link::lineHeldChanged, so no click on them is ever dropped in silence.
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <initializer_list>
#include <vector>

namespace korvane::link {

class Link;

class LineGate : public QObject {
  Q_OBJECT

 public:
  // Without a link (a window tested on its own) the controls stay as they are.
  LineGate(Link* link, QObject* parent);

  void Add(QWidget* control);
  void Add(std::initializer_list<QWidget*> controls);

 private:
  void Follow(bool held);

  struct Entry {
    QPointer<QWidget> control;
    bool ownEnabled;  // the window's own state, given back when the line is free
  };
  std::vector<Entry> entries_;
  bool held_ = false;
};

}  // namespace korvane::link
