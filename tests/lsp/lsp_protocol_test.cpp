// The real `wrennet-cli lsp` over pipes: each message, the errors, the rescan
// and the end of a session.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/lsp/lsp_process.h"

namespace wrennet::lsp {
namespace {

namespace fs = std::filesystem;

const std::string kCli = WRENNET_CLI;
const std::string kPortHeader = std::string(WRENNET_SAMPLES) + "/Include/Port.h";
const std::string kZetLibrary = std::string(WRENNET_SAMPLES) + "/LibZet4410.s79";
constexpr const char* kUri = "file:///work/call.c";

std::vector<std::string> ServerOn(const std::vector<std::string>& libraries) {
    std::vector<std::string> arguments = {kCli, "lsp"};
    for (const std::string& library : libraries) {
        arguments.push_back("--library");
        arguments.push_back(library);
    }
    return arguments;
}

Json At(int line, int character) {
    return {{"textDocument", {{"uri", kUri}}},
            {"position", {{"line", line}, {"character", character}}}};
}

std::string OutputOf(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    for (std::size_t got; (got = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, got);
    pclose(pipe);
    return output;
}

// A folder of its own for a test that changes its library.
class ScratchFolder {
  public:
    ScratchFolder()
        : path_(fs::temp_directory_path() / ("wrennet-lsp-" + std::to_string(getpid()))) {
        fs::create_directories(path_);
    }
    ~ScratchFolder() { fs::remove_all(path_); }
    std::string write(const std::string& name, const std::string& text) const {
        const fs::path file = path_ / name;
        std::ofstream(file, std::ios::binary) << text;
        return file.string();
    }

  private:
    fs::path path_;
};

TEST(LspProtocolTest, InitializeAnnouncesWhatTheServerAnswers) {
    LspProcess server(ServerOn({kPortHeader}));
    const Json answer = server.initialize(true);
    const Json& capabilities = answer["result"]["capabilities"];
    EXPECT_EQ(capabilities["hoverProvider"], true);
    EXPECT_TRUE(capabilities.contains("completionProvider"));
    EXPECT_EQ(capabilities["signatureHelpProvider"]["triggerCharacters"], Json({"(", ","}));
    EXPECT_EQ(capabilities["textDocumentSync"]["change"], 2);
}

TEST(LspProtocolTest, CompletionInsertsASnippetWithAChoicePerList) {
    LspProcess server(ServerOn({kPortHeader}));
    server.initialize(true);
    server.open(kUri, "void f(void) {\n  portr\n}\n");
    const Json result = server.request("textDocument/completion", At(1, 7))["result"];
    EXPECT_EQ(result["isIncomplete"], false);
    ASSERT_EQ(result["items"].size(), 2u);
    const Json& item = result["items"][0];
    EXPECT_EQ(item["label"], "int PortRead(int port, int mode)");
    EXPECT_EQ(item["filterText"], "PortRead");
    EXPECT_EQ(item["detail"], "Port.h");
    EXPECT_EQ(item["insertTextFormat"], 2);
    EXPECT_EQ(item["textEdit"]["newText"], "PortRead(${1|0,1,2,3|},${2|RD,WR|})");
    EXPECT_EQ(item["textEdit"]["range"]["start"], Json({{"line", 1}, {"character", 2}}));
    EXPECT_NE(item["documentation"]["value"].get<std::string>().find("@param port :{0,1,2,3}"),
              std::string::npos);
    EXPECT_EQ(result["items"][1]["textEdit"]["newText"], "PortReset()");
}

TEST(LspProtocolTest, CompletionWithoutSnippetsInsertsPlainText) {
    LspProcess server(ServerOn({kZetLibrary}));
    server.initialize(false);
    server.open(kUri, "ZetTimerSt");
    const Json result = server.request("textDocument/completion", At(0, 10))["result"];
    ASSERT_EQ(result["items"].size(), 1u);
    EXPECT_EQ(result["items"][0]["insertTextFormat"], 1);
    EXPECT_EQ(result["items"][0]["textEdit"]["newText"], "ZetTimerStart(0,prescale,reload)");
    // The range is told in the documentation, as the snippet cannot hold it.
    EXPECT_NE(result["items"][0]["documentation"]["value"].get<std::string>().find(
                  "`reload`: range 0x0001-0xFFFF"),
              std::string::npos);
}

TEST(LspProtocolTest, ResolveAddsTheDocumentationOfAnItemStillListed) {
    LspProcess server(ServerOn({kPortHeader}));
    server.initialize(true);
    const Json item = {{"label", "int PortRead(int port, int mode)"},
                       {"data", {{"library", 0}, {"entry", 2}}}};
    // The list is sorted: entry 2 of Port.h is PortRead.
    const Json resolved = server.request("completionItem/resolve", item)["result"];
    EXPECT_NE(
        resolved["documentation"]["value"].get<std::string>().find("- `port`: one of 0,1,2,3"),
        std::string::npos);
    for (const Json& data :
         {Json({{"library", 0}, {"entry", 1}}), Json({{"library", 5}, {"entry", 2}}),
          Json({{"library", 0}, {"entry", 99999}}), Json("x")}) {
        Json stale = item;
        stale["data"] = data;
        EXPECT_EQ(server.request("completionItem/resolve", stale)["result"], stale) << data;
    }
}

TEST(LspProtocolTest, LongAnswersAreCutAndMarkedIncomplete) {
    ScratchFolder folder;
    std::string header;
    for (int i = 0; i < 1000; ++i) header += "int F" + std::to_string(i) + "(int a, int b);\n";
    const std::string library = folder.write("big.h", header);
    LspProcess server(ServerOn({library}));
    server.initialize(true);
    server.open(kUri, "f\nF471");
    const Json all = server.request("textDocument/completion", At(0, 1))["result"];
    EXPECT_EQ(all["isIncomplete"], true);
    EXPECT_EQ(all["items"].size(), 200u);
    const Json few = server.request("textDocument/completion", At(1, 4))["result"];
    EXPECT_EQ(few["isIncomplete"], false);
    ASSERT_EQ(few["items"].size(), 1u);
    // No documentation anywhere: the parameters still get their tab stops.
    EXPECT_EQ(few["items"][0]["textEdit"]["newText"], "F471(${1:a},${2:b})");
}

TEST(LspProtocolTest, HoverShowsWhatShowPrints) {
    for (const auto& [library, prototype, name] :
         std::vector<std::tuple<std::string, std::string, std::string>>{
             {kPortHeader, "int PortRead(int port, int mode)", "PortRead"},
             {kZetLibrary, "void ZetTimerStart(int timer, int prescale, unsigned reload)",
              "ZetTimerStart"}}) {
        LspProcess server(ServerOn({library}));
        server.initialize(true);
        server.open(kUri, "  " + name + "(1, 2);\n");
        const Json hover = server.request("textDocument/hover", At(0, 4))["result"];
        std::string shown = OutputOf(kCli + " show '" + library + "' '" + prototype + "'");
        if (!shown.ends_with('\n')) shown.push_back('\n');
        EXPECT_EQ(hover["contents"]["value"], "```c\n" + shown + "```") << name;
        EXPECT_EQ(hover["range"]["start"]["character"], 2) << name;
        EXPECT_TRUE(server.request("textDocument/hover", At(0, 0))["result"].is_null()) << name;
    }
}

TEST(LspProtocolTest, SignatureHelpCountsTheCommasBeforeTheCursor) {
    LspProcess server(ServerOn({kPortHeader}));
    server.initialize(true);
    const std::string text = "x = PortRead(1, f(a, b), /* , */ \",\" ";
    server.open(kUri, text);
    struct Case {
        int character;
        Json active;  // null: no signature help
    };
    const std::vector<Case> cases = {{4, nullptr}, {13, 0}, {15, 1}, {20, 1},
                                     {22, 1},      {24, 2}, {36, 2}};
    for (const Case& c : cases) {
        const Json help =
            server.request("textDocument/signatureHelp", At(0, c.character))["result"];
        if (c.active.is_null()) {
            EXPECT_TRUE(help.is_null()) << c.character;
            continue;
        }
        ASSERT_FALSE(help.is_null()) << c.character;
        EXPECT_EQ(help["activeParameter"], c.active) << c.character;
        const Json& signature = help["signatures"][0];
        EXPECT_EQ(signature["label"], "int PortRead(int port, int mode)");
        EXPECT_EQ(signature["parameters"][0]["label"], Json({13, 21}));
        EXPECT_EQ(signature["parameters"][1]["documentation"], "flags RD|WR");
    }
}

TEST(LspProtocolTest, DiagnosticsWarnOnLiteralsOutsideTheDocumentation) {
    struct Case {
        std::string text;
        std::vector<std::string> messages;
    };
    const std::vector<Case> cases = {
        {"PortRead(7, RD);", {"port: 7 is not one of the documented values 0,1,2,3"}},
        {"PortRead(0x3, RD|WR);", {}},
        {"PortRead(1, RD|EX);", {"mode: EX is not one of the documented flags RD|WR"}},
        {"ZetTimerStart(0, 1, 0x10000);",
         {"reload: 0x10000 is outside the documented range 0x0001-0xFFFF"}},
        {"ZetTimerStart(5, 1, 0);",
         {"timer: 5 is not one of the documented values 0,1,2",
          "reload: 0 is outside the documented range 0x0001-0xFFFF"}},
        {"PortRead(port, mode); PortRead(n + 1, flags | RD);", {}},
        {"PortRead(1, RD | XX | WR | 8);", {"mode: XX is not one of the documented flags RD|WR"}},
        {"PortRead((7), RD); PortRead(7 /* , */, RD) ", {}},
        {"PortRead(7, RD; PortRead(9", {}},
        {"// PortRead(7, RD);\n\"PortRead(7, RD)\"; s.PortRead(7, RD);", {}},
        {"int PortRead(int port, int mode);", {}},
    };
    LspProcess server(ServerOn({kPortHeader, kZetLibrary}));
    server.initialize(true);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const std::string uri = "file:///work/d" + std::to_string(i) + ".c";
        server.open(uri, cases[i].text);
        std::vector<std::string> messages;
        for (const Json& diagnostic : server.diagnosticsFor(uri)) {
            EXPECT_EQ(diagnostic["severity"], 2);
            messages.push_back(diagnostic["message"]);
        }
        EXPECT_EQ(messages, cases[i].messages) << cases[i].text;
    }
}

TEST(LspProtocolTest, DiagnosticsFollowEachChange) {
    LspProcess server(ServerOn({kPortHeader}));
    server.initialize(true);
    server.open(kUri, "PortRead(1, RD);\n");
    EXPECT_TRUE(server.diagnosticsFor(kUri).empty());
    // The "1" becomes "9": an incremental change of one character.
    server.notify("textDocument/didChange", {{"textDocument", {{"uri", kUri}, {"version", 2}}},
                                             {"contentChanges",
                                              {{{"range",
                                                 {{"start", {{"line", 0}, {"character", 9}}},
                                                  {"end", {{"line", 0}, {"character", 10}}}}},
                                                {"text", "9"}}}}});
    const Json diagnostics = server.diagnosticsFor(kUri);
    ASSERT_EQ(diagnostics.size(), 1u);
    EXPECT_EQ(diagnostics[0]["range"]["start"], Json({{"line", 0}, {"character", 9}}));
    server.notify("textDocument/didChange", {{"textDocument", {{"uri", kUri}, {"version", 3}}},
                                             {"contentChanges", {{{"text", "PortRead(2, WR);"}}}}});
    EXPECT_TRUE(server.diagnosticsFor(kUri).empty());
}

TEST(LspProtocolTest, ErrorsAreAnsweredAsTheProtocolSays) {
    LspProcess server(ServerOn({kPortHeader}));
    const Json early = server.request("textDocument/hover", At(0, 0));
    EXPECT_EQ(early["error"]["code"], -32002);
    server.initialize(true);

    const auto nextError = [&] { return server.next().value_or(Json())["error"]["code"]; };
    server.sendBytes(FrameMessage("{\"jsonrpc\": \"2.0\", \"id\": 1, "));
    EXPECT_EQ(nextError(), -32700);
    server.sendBytes("Content-Length: twelve\r\n\r\n");
    EXPECT_EQ(nextError(), -32700);
    // A length too short: the body is cut, and its rest is a header without a length.
    server.sendBytes("Content-Length: 5\r\n\r\n{\"jsonrpc\":\"2.0\"}\r\n\r\n");
    EXPECT_EQ(nextError(), -32700);
    EXPECT_EQ(nextError(), -32700);
    server.sendBytes(FrameMessage("[1, 2]"));
    EXPECT_EQ(nextError(), -32600);
    server.sendBytes(FrameMessage("{\"jsonrpc\":\"2.0\",\"id\":7,\"method\":\"no/such\"}"));
    EXPECT_EQ(nextError(), -32601);
    server.sendBytes(
        FrameMessage("{\"jsonrpc\":\"2.0\",\"id\":8,\"method\":\"textDocument/hover\"}"));
    EXPECT_EQ(nextError(), -32602);
    // Invalid UTF-8 is no JSON.
    server.sendBytes(FrameMessage(std::string("{\"a\":\"\xff\xfe\"}")));
    EXPECT_EQ(nextError(), -32700);
    // A notification nobody knows changes nothing and is not answered.
    server.notify("$/unknown", Json::object());
    // After all of it, the server still answers.
    EXPECT_EQ(server.request("shutdown", nullptr)["result"], nullptr);
}

TEST(LspProtocolTest, BinaryAndHugeDocumentsGetNoDiagnostics) {
    LspProcess server(ServerOn({kPortHeader}));
    server.initialize(true);
    server.open("file:///bin.c", std::string("\0\x01PortRead(\0, 7)\x7f", 18));
    EXPECT_TRUE(server.diagnosticsFor("file:///bin.c").is_array());
    std::string huge(9 * 1024 * 1024, ' ');
    huge += "PortRead(7, RD);";
    server.open("file:///huge.c", huge);
    EXPECT_TRUE(server.diagnosticsFor("file:///huge.c").empty());
    const Json hover =
        server.request("textDocument/hover", {{"textDocument", {{"uri", "file:///huge.c"}}},
                                              {"position", {{"line", 0}, {"character", 9437190}}}});
    EXPECT_FALSE(hover["result"]["contents"].is_null());
    // A length past any limit is read past, and the stream goes on.
    server.sendBytes("Content-Length: 99999999999999\r\n\r\n");
    server.closeInput();
    EXPECT_EQ(server.exitStatus(), 1);
}

TEST(LspProtocolTest, ALibraryIsReadAgainWhenItChangesAndAnswersNothingWhenGone) {
    ScratchFolder folder;
    const std::string library = folder.write("lib.h", "int Alpha(int a);\n");
    LspProcess server(ServerOn({library}));
    server.initialize(true);
    server.open(kUri, "Al");
    const auto labels = [&] {
        const Json answer = server.request("textDocument/completion", At(0, 2));
        std::vector<std::string> found;
        for (const Json& item : answer["result"]["items"]) found.push_back(item["label"]);
        return found;
    };
    EXPECT_EQ(labels(), std::vector<std::string>{"int Alpha(int a)"});
    folder.write("lib.h", "int Alpha(int a);\nint Alps(int b, int c);\n");
    EXPECT_EQ(labels(), (std::vector<std::string>{"int Alpha(int a)", "int Alps(int b, int c)"}));
    fs::remove(library);
    EXPECT_TRUE(labels().empty());
    EXPECT_TRUE(server.request("textDocument/hover", At(0, 1))["result"].is_null());
    folder.write("lib.h", "int Alto(void);\n");
    EXPECT_EQ(labels(), std::vector<std::string>{"int Alto(void)"});
}

TEST(LspProtocolTest, LibrariesMayComeFromTheClient) {
    LspProcess server({kCli, "lsp"});
    server.initialize(true, {{"libraries", {kPortHeader}}});
    server.open(kUri, "PortW");
    const Json items = server.request("textDocument/completion", At(0, 5))["result"]["items"];
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0]["filterText"], "PortWrite");
}

TEST(LspProtocolTest, ExitEndsTheServerWithTheStatusTheHandshakeAsks) {
    struct Case {
        const char* what;
        bool shutdown;
        bool sayExit;
        int status;
    };
    const std::vector<Case> cases = {
        {"shutdown, then exit", true, true, 0},
        {"exit alone", false, true, 1},
        {"the client goes away after shutdown", true, false, 0},
        {"the client goes away", false, false, 1},
    };
    for (const Case& c : cases) {
        LspProcess server(ServerOn({kPortHeader}));
        server.initialize(true);
        if (c.shutdown) {
            EXPECT_TRUE(server.request("shutdown", nullptr)["result"].is_null()) << c.what;
            EXPECT_EQ(server.request("textDocument/hover", At(0, 0))["error"]["code"], -32600)
                << c.what;
        }
        if (c.sayExit)
            server.notify("exit", nullptr);
        else
            server.closeInput();
        EXPECT_EQ(server.exitStatus(), c.status) << c.what;
    }
}

}  // namespace
}  // namespace wrennet::lsp
