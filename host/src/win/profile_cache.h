// Profile files as last read, kept while the kernel reports no change to them: every
// setting the module looks up reads the same few files again and again.
#pragma once

#include <memory>
#include <string>

#include "win/profile_text.h"

namespace zrxhost::profile {

// Inside a watch::FreshScope: the file at that host path, parsed; empty when it cannot be
// read. Read from the disk again when it, or any folder on its way, changed.
std::shared_ptr<const Profile> readProfile(const std::string& hostFile);
// Drops what is kept of the file (the host has just written it).
void forgetProfile(const std::string& hostFile);

}  // namespace zrxhost::profile
