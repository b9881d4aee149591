#pragma once

#include <QtGlobal>

namespace korvane::link {

// TCP keep-alive on a connected socket, so a peer whose machine vanished (a laptop shut,
// a network cut) is noticed within about 25 s even when nothing is sent.
void KeepAlive(qintptr fd);

}  // namespace korvane::link
