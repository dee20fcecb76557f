// Parsed profile files by host path, each with the watches that tell when it changes.
#include "win/profile_cache.h"

#include <optional>

#include "util/file_bytes.h"
#include "win/watched_cache.h"

namespace zrxhost::profile {
namespace {

watch::WatchedCache<std::shared_ptr<const Profile>>& kept()
{
    static watch::WatchedCache<std::shared_ptr<const Profile>> profiles(64);
    return profiles;
}

}  // namespace

std::shared_ptr<const Profile> readProfile(const std::string& hostFile)
{
    if (const auto* profile = kept().find(hostFile)) return *profile;
    // Watched before it is read: a change made while it is being read counts as after.
    watch::Sources sources;
    sources.addPath(hostFile, watch::Depth::Content);
    auto bytes = util::readFileBytes(hostFile);
    auto profile = std::make_shared<const Profile>(bytes ? parseProfile(*bytes) : Profile{});
    kept().keep(hostFile, profile, std::move(sources));
    return profile;
}

void forgetProfile(const std::string& hostFile) { kept().forget(hostFile); }

}  // namespace zrxhost::profile
