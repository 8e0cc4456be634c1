// What a test must put back for the next one to find the kit as a fresh
// program would: state the kit keeps for the whole process.
#pragma once

namespace zephro::testing {

// Forgets the copy of the stored login kept in memory, withdraws the host's
// socket manager, takes the H5 manager out of debug mode (default debug host),
// forgets the origins added as trusted and closes the standard user-defaults store so that the next use opens it
// again where the store path then points.
void resetKit();

}  // namespace zephro::testing
