#include "tests/lsp/lsp_process.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <stdexcept>
#include <thread>

namespace wrennet::lsp {
namespace {

constexpr int kAnswerTimeoutMs = 10000;

}  // namespace

LspProcess::LspProcess(const std::vector<std::string>& arguments)
    : reader_([this](char* buffer, std::size_t size) { return readWithin(buffer, size); }) {
    int in[2];
    int out[2];
    if (pipe(in) != 0 || pipe(out) != 0) throw std::runtime_error("pipe");
    pid_ = fork();
    if (pid_ == 0) {
        dup2(in[0], STDIN_FILENO);
        dup2(out[1], STDOUT_FILENO);
        close(in[0]);
        close(in[1]);
        close(out[0]);
        close(out[1]);
        std::vector<char*> argv;
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    toServer_ = in[1];
    fromServer_ = out[0];
    signal(SIGPIPE, SIG_IGN);
}

LspProcess::~LspProcess() {
    closeInput();
    if (!status_ && pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    if (fromServer_ >= 0) close(fromServer_);
}

std::size_t LspProcess::readWithin(char* buffer, std::size_t size) {
    pollfd ready{fromServer_, POLLIN, 0};
    if (poll(&ready, 1, kAnswerTimeoutMs) <= 0) return 0;
    return ReadDescriptor(fromServer_, buffer, size);
}

void LspProcess::sendBytes(std::string_view bytes) { WriteDescriptor(toServer_, bytes); }

void LspProcess::send(const Json& message) { sendBytes(FrameMessage(Serialise(message))); }

void LspProcess::notify(std::string_view method, Json params) {
    send(NotificationMessage(method, std::move(params)));
}

std::optional<Json> LspProcess::next() {
    const Frame frame = reader_.next();
    if (frame.kind != Frame::Kind::Message) return std::nullopt;
    return Json::parse(frame.body);
}

Json LspProcess::request(std::string_view method, Json params) {
    const int id = nextId_++;
    send({{"jsonrpc", "2.0"}, {"id", id}, {"method", method}, {"params", std::move(params)}});
    while (std::optional<Json> message = next()) {
        if (message->contains("id") && (*message)["id"] == id) return *message;
        kept_.push_back(std::move(*message));
    }
    return nullptr;
}

Json LspProcess::diagnosticsFor(std::string_view uri) {
    const auto isFor = [&](const Json& message) {
        return message.value("method", "") == "textDocument/publishDiagnostics" &&
               message["params"]["uri"] == uri;
    };
    const auto kept = std::find_if(kept_.begin(), kept_.end(), isFor);
    if (kept != kept_.end()) {
        Json found = (*kept)["params"]["diagnostics"];
        kept_.erase(kept);
        return found;
    }
    while (std::optional<Json> message = next()) {
        if (isFor(*message)) return (*message)["params"]["diagnostics"];
        kept_.push_back(std::move(*message));
    }
    return nullptr;
}

void LspProcess::closeInput() {
    if (toServer_ >= 0) close(toServer_);
    toServer_ = -1;
}

int LspProcess::exitStatus() {
    for (int waited = 0; !status_ && waited < kAnswerTimeoutMs; waited += 10) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return status_.value_or(-1);
}

Json LspProcess::initialize(bool snippets, Json options) {
    Json params = {{"processId", nullptr},
                   {"capabilities",
                    {{"textDocument",
                      {{"completion", {{"completionItem", {{"snippetSupport", snippets}}}}}}}}}};
    if (!options.is_null()) params["initializationOptions"] = std::move(options);
    Json answer = request("initialize", std::move(params));
    notify("initialized", Json::object());
    return answer;
}

void LspProcess::open(std::string_view uri, std::string_view text) {
    notify("textDocument/didOpen",
           {{"textDocument", {{"uri", uri}, {"languageId", "c"}, {"version", 1}, {"text", text}}}});
}

}  // namespace wrennet::lsp
