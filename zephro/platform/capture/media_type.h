#pragma once

namespace zephro::platform::capture {

enum class MediaType { video, audio };

}  // namespace zephro::platform::capture
