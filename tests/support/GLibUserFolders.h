// The folders where GLib, and GTK and the libraries over it, keep what they write for the user.
#pragma once

#include <glib.h>

#include <string>
#include <vector>

namespace testsupport {

// The home, the configuration, data, cache and state folders and the runtime folder, as GLib took
// them from the environment when first asked (it keeps what it found for the life of the process).
inline std::vector<std::string> GLibUserFolders()
{
    return {g_get_home_dir(),       g_get_user_config_dir(), g_get_user_data_dir(),
            g_get_user_cache_dir(), g_get_user_state_dir(),  g_get_user_runtime_dir()};
}

} // namespace testsupport
