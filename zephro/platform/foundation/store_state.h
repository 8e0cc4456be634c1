// What a user-defaults store can do with its file.
#pragma once

namespace zephro::platform::foundation {

enum class StoreState {
  writable,     // values read from and written to the file
  readOnly,     // values read from the file; writes fail
  unavailable,  // no file could be opened: nothing reads, writes fail
};

}  // namespace zephro::platform::foundation
