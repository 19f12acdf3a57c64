#pragma once

#include <string>

// Claims the system-wide name for this process. Returns false when another
// running copy holds it. The claim lasts until the process ends, however it
// ends: a crashed copy never blocks the next start.
bool ClaimSingleInstance(const std::string& name);
