// The script every page runs before its own: the login token, the current
// home and the six cloud settings as page globals.
#pragma once

#include <any>
#include <optional>
#include <string>

#include "zephro/sdk/zephro_cloud_config.h"

namespace zephro {

// `window.__token = "<token>";` when there is a token, then
// `window.__homeId = <home id>;` when there is one, then
// `window.__cloudConfig_<field> = "<value>";` for the six fields in order,
// with nothing between the statements. Texts are script string literals
// (script_literal.h). The home id is written as a number when it is one, or
// is a string holding a JSON number ("42" gives 42); any other string as a
// string literal; Booleans, null, lists and maps as their JSON text; kinds
// JSON cannot hold (dates, data) as null.
std::string startupScript(const std::optional<std::string>& token, const std::any& homeId,
                          const ZephroCloudConfig& config);

}  // namespace zephro
