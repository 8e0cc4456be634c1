// Which socket messages reach the pages, and as what event.
#pragma once

#include <optional>
#include <string_view>

#include "zephro/sdk/event_model.h"

namespace zephro {

// The event for a JSON object whose "messageType" is "DeviceReport" and whose
// "name" is "Joined" (data: the compact JSON of data.userDevice, sent to the
// page "network-zigbee") or "Normal" (data: the compact JSON of the whole
// data object; named "learnCodeNotify" when data.identify is that string,
// else "deviceEvent"; sent to every page). Absent for everything else.
std::optional<EventModel> socketMessageEvent(std::string_view text);

}  // namespace zephro
