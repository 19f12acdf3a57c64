#include "SingleInstance.h"

#include <windows.h>

bool ClaimSingleInstance(const std::string& name)
{
    // Opening needs no access right: success alone shows that another copy
    // created the mutex.
    HANDLE existing = ::OpenMutexA(0, FALSE, name.c_str());
    if (existing) {
        ::CloseHandle(existing);
        return false;
    }

    // Owned from the start and never closed: the system keeps the name
    // claimed until this process ends. Two copies starting together both
    // get past the open; the later one sees ERROR_ALREADY_EXISTS here.
    HANDLE mutex = ::CreateMutexA(nullptr, TRUE, name.c_str());
    return !(mutex && ::GetLastError() == ERROR_ALREADY_EXISTS);
}
