// A bridge invocation decoded into an AnyCodable and encoded back, against
// nlohmann-json parsing and dumping the same text.
#include <nlohmann/json.hpp>
#include <string>

#include "bench_support.h"
#include "zephro/json/any_codable.h"
#include "zephro/json/json_decoder.h"
#include "zephro/json/json_encoder.h"

int main() {
  using namespace zephro;
  const std::string invocation =
      R"({"scope":"app","method":"setUserDefaults","params":{"key":"homeId","value":{"id":42,)"
      R"("name":"客厅","tags":["a","b"],"on":true,"t":21.5}},"invokeId":12})";

  auto ours = [&] {
    AnyCodable value = JSONDecoder().decode<AnyCodable>(invocation);
    std::string text = JSONEncoder().encode(value);
    bench::keep(text);
  };
  auto baseline = [&] {
    std::string text = nlohmann::json::parse(invocation).dump();
    bench::keep(text);
  };

  bench::Comparison result = bench::compare(ours, baseline);
  bench::report("json_roundtrip", result);
  bench::printRatio("json_roundtrip", result.ratio());
}
