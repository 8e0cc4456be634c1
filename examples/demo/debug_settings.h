// The developer's debug settings, kept in the kit's store between runs: pages
// from a development server stay in force until --no-debug-host (or --reset).
#pragma once

#include "demo_options.h"

namespace zephro::demo {

// Before preparation: applies --reset, --debug-host and --no-debug-host to
// the store.
void storeDebugSettings(const DemoOptions& options);

// After preparation: a page folder wins over a stored debug host for this run.
// Says where pages come from unless it is the installed bundle, so that a
// debug host stored long ago does not pass for a broken bundle.
void announcePageSource(const DemoOptions& options);

}  // namespace zephro::demo
