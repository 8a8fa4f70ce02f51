#pragma once

namespace vork {

// Drops the notices that windowless platforms (offscreen) print for every window they cannot
// resize or raise, and the one about a missing runtime folder; every other message passes.
void SilencePlatformNotices();

}  // namespace vork
