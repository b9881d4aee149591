#include "display/StoredByte.h"

#include "link/Link.h"
#include "platform/Ui.h"
#include "types/Texts.h"

namespace korvane::display {

bool WriteByteAndStore(link::Link& link, platform::Ui& ui, const link::FlowContext& context, std::uint8_t value) {
  if (!link.Write(context.address, link::kDisplayStoredByte, link::ByteData(value))) {
    ui.Message(link.commErrorMessage(context.language));
    return false;
  }
  link.Request(context.address, link::kStoreByte, link::ByteData(value));
  return true;
}

}  // namespace korvane::display
