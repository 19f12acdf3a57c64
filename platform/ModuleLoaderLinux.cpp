#include "ModuleLoader.h"

#include <dlfcn.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <string_view>

namespace {

thread_local std::string lastError;

bool EndsWithDll(const std::string& name)
{
    static constexpr std::string_view suffix = ".dll";
    if (name.size() < suffix.size()) {
        return false;
    }
    return std::equal(suffix.begin(), suffix.end(), name.end() - static_cast<std::ptrdiff_t>(suffix.size()),
                      [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

bool IsFile(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string DlErrorText()
{
    const char* text = ::dlerror();
    return text ? text : "unknown error";
}

}

std::string PlatformLibraryName(const std::string& windowsName)
{
    const std::string base = EndsWithDll(windowsName) ? windowsName.substr(0, windowsName.size() - 4) : windowsName;
    return "lib" + base + ".so";
}

ModuleHandle LoadModule(const std::string& windowsName, const std::string& programDir)
{
    const std::string fileName = PlatformLibraryName(windowsName);
    const int flags = RTLD_NOW | RTLD_LOCAL;

    // A copy in the program's folder wins, as it does for Windows' own search.
    // If that copy is there but broken, the failure is reported rather than
    // quietly loading some other copy from the system.
    if (!programDir.empty()) {
        const std::string local = programDir.back() == '/' ? programDir + fileName : programDir + "/" + fileName;
        if (IsFile(local)) {
            ModuleHandle module = ::dlopen(local.c_str(), flags);
            lastError = module ? std::string() : DlErrorText();
            return module;
        }
    }

    ModuleHandle module = ::dlopen(fileName.c_str(), flags);
    lastError = module ? std::string() : DlErrorText();
    return module;
}

void* FindEntryPoint(ModuleHandle module, const char* name)
{
    if (!module || !name) {
        lastError = "no module to look the entry point up in";
        return nullptr;
    }
    ::dlerror();
    void* address = ::dlsym(module, name);
    lastError = address ? std::string() : DlErrorText();
    return address;
}

void UnloadModule(ModuleHandle module)
{
    if (module) {
        ::dlclose(module);
    }
}

std::string LastModuleError()
{
    return lastError;
}
