#include "ModuleLoader.h"

#include <windows.h>

namespace {

thread_local std::string lastError;

std::string SystemErrorText(DWORD code)
{
    char* text = nullptr;
    const DWORD length = ::FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
        reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = length ? std::string(text, length) : "error " + std::to_string(code);
    ::LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) {
        message.pop_back();
    }
    return message;
}

}

std::string PlatformLibraryName(const std::string& windowsName)
{
    return windowsName;
}

ModuleHandle LoadModule(const std::string& windowsName, const std::string&)
{
    // The system's own search already starts in the program's folder.
    HMODULE module = ::LoadLibraryA(windowsName.c_str());
    lastError = module ? std::string() : SystemErrorText(::GetLastError());
    return reinterpret_cast<ModuleHandle>(module);
}

void* FindEntryPoint(ModuleHandle module, const char* name)
{
    if (!module || !name) {
        lastError = "no module to look the entry point up in";
        return nullptr;
    }
    FARPROC address = ::GetProcAddress(static_cast<HMODULE>(module), name);
    lastError = address ? std::string() : SystemErrorText(::GetLastError());
    return reinterpret_cast<void*>(address);
}

void UnloadModule(ModuleHandle module)
{
    if (module) {
        ::FreeLibrary(static_cast<HMODULE>(module));
    }
}

std::string LastModuleError()
{
    return lastError;
}
