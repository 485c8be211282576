// wrennet-cli: the window's reading of a library, for scripts and editors.
// Never touches Wrennet.ini: the library and the function come from the
// command line, exactly as they would stand in the two combos.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"
#include "cli/lsp_command.h"
#include "cli/snippet_file.h"

namespace {

constexpr std::string_view kUsage =
    "usage: wrennet-cli list LIB\n"
    "       wrennet-cli show LIB PROTO\n"
    "       wrennet-cli params LIB PROTO\n"
    "       wrennet-cli call LIB PROTO [VALUE...]\n"
    "       wrennet-cli snippets LIB...\n"
    "       wrennet-cli lsp [--library LIB]...\n";

constexpr std::string_view kAbout =
    "\n"
    "Reads a library as the Wrennet window does: an assembler source with\n"
    "\"; C Function prototype:\" lines, or a C header with its C source beside it.\n"
    "LIB is the library file, PROTO a function entry exactly as `list` prints it.\n"
    "Messages go to standard error; the exit status is 1 when LIB or PROTO is\n"
    "not found, 2 for a wrong command line.\n"
    "`lsp` serves an editor over standard input and output (the Language Server\n"
    "Protocol) from each LIB, or from the libraries of Wrennet.ini when none is given.\n";

constexpr int kUsageStatus = 2;

void Write(std::FILE* stream, std::string_view bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
}

int Usage() {
    Write(stderr, kUsage);
    return kUsageStatus;
}

// A script that gets exit status 0 relies on the output being all there; a
// full disk or a closed pipe must not pass for success. The errno of the
// failed write, or 0 when everything was written.
int OutputError() {
    errno = 0;
    std::cout.flush();
    if (std::cout.good() && std::fflush(stdout) == 0 && std::ferror(stdout) == 0) return 0;
    return errno != 0 ? errno : EIO;
}

int ReportUnwritten(int error) {
    Write(stderr, "Could not write the output: ");
    Write(stderr, std::strerror(error));
    Write(stderr, "\n");
    return 1;
}

int Finish(int status) {
    const int error = OutputError();
    return error == 0 ? status : ReportUnwritten(error);
}

int Report(const wrennet::cli::CommandOutcome& outcome) {
    const int error = OutputError();
    for (const wrennet::Message& message : outcome.messages) {
        Write(stderr, message.text);
        Write(stderr, "\n");
    }
    return error == 0 ? outcome.status : ReportUnwritten(error);
}

}  // namespace

int main(int argc, char** argv) {
    // Entries and pane texts are bytes; keep the C++ stream unsynchronised and
    // buffered, and write messages only after it has been flushed.
    std::ios::sync_with_stdio(false);
    if (argc < 2) return Usage();
    const std::string_view command = argv[1];
    if (argc == 2 && (command == "--help" || command == "-h")) {
        Write(stdout, kUsage);
        Write(stdout, kAbout);
        return Finish(0);
    }
    if (argc == 2 && command == "--version") {
        Write(stdout, "Wrennet " WRENNET_VERSION "\n");
        return Finish(0);
    }
    const std::vector<std::string> args(argv + 2, argv + argc);
    const wrennet::PosixFileReader files;

    if (command == "list" && args.size() == 1) {
        return Report(wrennet::cli::ListFunctions(files, args[0], std::cout));
    }
    if (command == "show" && args.size() == 2) {
        return Report(wrennet::cli::ShowSource(files, args[0], args[1], std::cout));
    }
    if (command == "params" && args.size() == 2) {
        return Report(wrennet::cli::DescribeParams(files, args[0], args[1], std::cout));
    }
    if (command == "call" && args.size() >= 2) {
        const std::vector<std::string> values(args.begin() + 2, args.end());
        return Report(wrennet::cli::ComposeCall(files, args[0], args[1], values, std::cout));
    }
    if (command == "snippets" && !args.empty()) {
        return Report(wrennet::cli::WriteSnippetFile(files, args, std::cout));
    }
    if (command == "lsp") {
        const auto libraries = wrennet::cli::LspLibraries(args);
        if (!libraries) return Usage();
        return wrennet::cli::RunLspCommand(*libraries);
    }
    return Usage();
}
