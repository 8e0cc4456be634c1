// Names the three JSON value wrappers for the rules that treat wrappers of
// the caller's own type apart (equality, hashing).
#pragma once

namespace zephro {

class AnyCodable;
class AnyDecodable;
class AnyEncodable;

enum class WrapperType { codable, decodable, encodable };

}  // namespace zephro
