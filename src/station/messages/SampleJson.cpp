#include "station/messages/SampleJson.h"

#include "station/messages/JsonText.h"

namespace korvane::station {

std::string SampleJson(const bus::BusSample& s) {
  std::string json = "{\"time\":" + JsonString(IsoUtcMillis(s.time)) + ",\"address\":" + std::to_string(s.address) +
                     ",\"type\":" + std::to_string(s.type) + ",\"type_name\":" + JsonString(s.typeName) +
                     ",\"identity\":" + JsonString(s.identity) + ",\"values\":[";
  for (std::size_t i = 0; i < s.channels.size(); ++i) {
    const bus::ChannelSample& c = s.channels[i];
    if (i) json += ',';
    json += "{\"name\":" + JsonString(c.name) + ",\"value\":" + JsonNumber(bus::ShownNumber(c)) +
            ",\"unit\":" + JsonString(c.unit) + "}";
  }
  json += "],\"calibration\":" + JsonString(s.calibration) +
          ",\"state\":" + (s.state == bus::ModuleState::kLive ? "\"live\"" : "\"missing\"") + "}";
  return json;
}

}  // namespace korvane::station
