// tunerprobe: checks that the FM tuner's USB device is seen by the transport
// libraries, and exchanges a block of bytes with it.

#include "HexBytes.h"
#include "TunerLink.h"

#include <charconv>
#include <cstdint>
#include <cstring>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

enum ExitStatus { Success = 0, NoTuner = 1, UsageError = 2, TransferFailed = 3 };

constexpr const char* HelpText = R"(Usage: tunerprobe [--library korvel|marlowin] [list]
       tunerprobe [--library korvel|marlowin] send HEX... [--read N]
       tunerprobe --help

Checks that the FM tuner's USB device is seen by the transport libraries
Korvel (vendor driver) and Marlowin (HID).

Commands:
  list          open the tuner through each library and say whether it was
                found (the default)
  send HEX...   send the bytes HEX through the first library that finds the
                tuner, then read the reply and print it in hex; HEX is pairs
                of hex digits, separated or not by spaces, colons or commas:
                "0a ff 01", 0a:ff:01, 0aff01

Options:
  --library L   use only library L: korvel or marlowin
  --read N      reply bytes to ask for (default: as many as sent; 0: send
                only). Marlowin waits until the tuner delivers a report.
  --help        show this text

Where the libraries look on Linux:
  korvel        the first node of /dev/korvel/, a character device of a
                vendor driver (Korvel prints the path it opens)
  marlowin      the hidraw devices of /sys/class/hidraw whose HID_ID names
                vendor 040B and product 4100, opened as /dev/hidrawN; the
                user needs read and write access to that node

Exit status: 0 done, 1 no tuner found, 2 usage error, 3 a transfer failed.
)";

struct Options {
    bool help = false;
    std::string command = "list";
    std::optional<std::string> library;
    std::string hex;
    std::optional<std::uint32_t> readLength;
};

int Usage(const std::string& message)
{
    std::cerr << "tunerprobe: " << message << "\nTry 'tunerprobe --help'.\n";
    return UsageError;
}

std::optional<std::uint32_t> ParseCount(std::string_view text)
{
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<Options> Refuse(const std::string& message)
{
    Usage(message);
    return std::nullopt;
}

// Nothing (after telling the user) when the arguments make no sense.
std::optional<Options> ParseArguments(int argc, char** argv)
{
    Options options;
    bool haveCommand = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--library") {
            if (!hasValue)
                return Refuse("--library needs korvel or marlowin");
            options.library = argv[++i];
            if (*options.library != "korvel" && *options.library != "marlowin")
                return Refuse("unknown library '" + *options.library + "': use korvel or marlowin");
        } else if (arg == "--read") {
            options.readLength = hasValue ? ParseCount(argv[++i]) : std::nullopt;
            if (!options.readLength)
                return Refuse("--read needs a number of bytes");
        } else if (arg.starts_with("-")) {
            return Refuse("unknown option '" + std::string(arg) + "'");
        } else if (!haveCommand) {
            if (arg != "list" && arg != "send")
                return Refuse("unknown command '" + std::string(arg) + "'");
            options.command = arg;
            haveCommand = true;
        } else if (options.command == "send") {
            options.hex += ' ';
            options.hex += arg;
        } else {
            return Refuse("list takes no arguments");
        }
    }
    return options;
}

std::vector<std::unique_ptr<TunerLink>> Links(const std::optional<std::string>& library)
{
    std::vector<std::unique_ptr<TunerLink>> links;
    if (!library || *library == "korvel")
        links.push_back(MakeKorvelLink());
    if (!library || *library == "marlowin")
        links.push_back(MakeMarlowinLink());
    return links;
}

std::string Names(const std::vector<std::unique_ptr<TunerLink>>& links)
{
    std::string names;
    for (const auto& link : links)
        names += (names.empty() ? "" : " or ") + std::string(link->Name());
    return names;
}

int ReportNoTuner(const std::vector<std::unique_ptr<TunerLink>>& links)
{
    std::cerr << "tunerprobe: no tuner found through " << Names(links)
              << " (is it plugged in, and may this user open its device node?)\n";
    return NoTuner;
}

int List(const std::vector<std::unique_ptr<TunerLink>>& links)
{
    bool found = false;
    for (const auto& link : links) {
        const bool opened = link->Open();
        std::cout << link->Name() << ": " << (opened ? "tuner found" : "no tuner found") << '\n';
        found = found || opened;
    }
    return found ? Success : ReportNoTuner(links);
}

int Send(const std::vector<std::unique_ptr<TunerLink>>& links, const Options& options)
{
    const std::optional<std::vector<std::uint8_t>> block = ParseHexBytes(options.hex);
    if (!block)
        return Usage("'" + options.hex.substr(1) + "' is not a block of hex bytes");
    if (block->empty())
        return Usage("send needs the bytes to send");
    TunerLink* link = nullptr;
    for (const auto& candidate : links) {
        if (candidate->Open()) {
            link = candidate.get();
            break;
        }
    }
    if (!link)
        return ReportNoTuner(links);
    const std::uint32_t readLength = options.readLength.value_or(static_cast<std::uint32_t>(block->size()));
    if (block->size() > link->TransferLimit() || readLength > link->TransferLimit())
        return Usage(std::string(link->Name()) + " moves at most " + std::to_string(link->TransferLimit())
                     + " bytes per transfer");

    const std::optional<std::int64_t> sent = link->Write(*block);
    if (!sent) {
        std::cerr << "tunerprobe: sending through " << link->Name() << " failed\n";
        return TransferFailed;
    }
    std::cout << "sent " << *sent << " bytes through " << link->Name() << '\n';
    if (readLength == 0)
        return Success;
    const std::optional<std::vector<std::uint8_t>> reply = link->Read(readLength);
    if (!reply) {
        std::cerr << "tunerprobe: reading the reply through " << link->Name() << " failed\n";
        return TransferFailed;
    }
    std::cout << "reply (" << reply->size() << " bytes): " << FormatHexBytes(*reply) << '\n';
    return Success;
}

} // namespace

int main(int argc, char** argv)
{
    const std::optional<Options> options = ParseArguments(argc, argv);
    if (!options)
        return UsageError;
    if (options->help) {
        std::cout << HelpText;
        return Success;
    }
    const std::vector<std::unique_ptr<TunerLink>> links = Links(options->library);
    return options->command == "send" ? Send(links, *options) : List(links);
}
