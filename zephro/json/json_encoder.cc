#include "zephro/json/json_encoder.h"

namespace zephro {

std::string JSONEncoder::dump(const nlohmann::ordered_json& tree) { return tree.dump(); }

}  // namespace zephro
