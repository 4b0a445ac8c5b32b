#pragma once

#include <cstring>
#include <dlfcn.h>
#include <link.h>

/**
 * Keeps the loaded Mesa DRI driver in memory until the process ends. Call it
 * once a chart has rendered: when the driver is unloaded at application exit,
 * the allocations it keeps can no longer be named in leak reports and escape
 * the platform suppressions of the sanitizer builds.
 */
inline void keepGlDriverLoaded()
{
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void*) {
            if (info->dlpi_name && std::strstr(info->dlpi_name, "_dri.so"))
                dlopen(info->dlpi_name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
            return 0;
        },
        nullptr);
}
