#include "bench/core/library_generator.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <string_view>

namespace wrennet::bench {

namespace {

// xorshift64: the same files on every run and every machine.
class Random {
  public:
    std::size_t below(std::size_t n) {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return static_cast<std::size_t>(state_ % n);
    }
    template <std::size_t N>
    std::string_view pick(const std::array<std::string_view, N>& words) {
        return words[below(N)];
    }

  private:
    std::uint64_t state_ = 0x9E3779B97F4A7C15ull;
};

constexpr std::array<std::string_view, 8> kTypes = {
    "int", "unsigned", "char *", "void", "long", "unsigned char", "const char *", "short"};
constexpr std::array<std::string_view, 12> kDevices = {
    "Port", "Timer", "Uart", "Adc", "Dma", "Flash", "Gpio", "Spi", "Can", "Clock", "Power", "Lcd"};
constexpr std::array<std::string_view, 12> kActions = {"Read",  "Write", "Open",   "Close",
                                                       "Reset", "Set",   "Get",    "Init",
                                                       "Start", "Stop",  "Status", "Mode"};
constexpr std::array<std::string_view, 8> kParams = {"port",  "mode",    "level", "count",
                                                     "flags", "timeout", "buf",   "len"};
constexpr std::array<std::string_view, 6> kInstructions = {"mov", "add", "ldr",
                                                           "str", "cmp", "bne"};

class Writer {
  public:
    explicit Writer(const std::string& path) : out_(path, std::ios::binary) {
        if (!out_) throw std::runtime_error("cannot write " + path);
    }
    void add(std::string_view text) {
        buffer_ += text;
        written_ += text.size();
        if (buffer_.size() > (1u << 20)) flush();
    }
    std::size_t written() const { return written_; }
    ~Writer() { flush(); }

  private:
    void flush() {
        out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
        buffer_.clear();
    }
    std::ofstream out_;
    std::string buffer_;
    std::size_t written_ = 0;
};

std::string FunctionName(Random& random, std::size_t serial) {
    std::string name(random.pick(kDevices));
    name += random.pick(kActions);
    name += std::to_string(serial);
    return name;
}

std::string ParameterList(Random& random, std::string_view comma) {
    const std::size_t count = random.below(5);
    if (count == 0) return "void";
    std::string list;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) list += comma;
        const std::string_view type = random.pick(kTypes);
        list += type == "void" ? "int" : type;
        list += ' ';
        list += random.pick(kParams);
        list += std::to_string(i);
    }
    return list;
}

std::string DocumentationBlock(Random& random, std::string_view name) {
    std::string block = "/**\n * @brief ";
    block += name;
    block += " does what its name says\n";
    block += " * @param port :{0,1,2,3}\n * @param mode :{RD|WR|EX}\n";
    block += " * @param level :{0-255}\n";
    if (random.below(4) == 0) block += " * @note Configure with setup.exe\n";
    block += " */\n";
    return block;
}

constexpr std::array<std::string_view, 6> kSentences = {
    " * The call returns at once when the device is not powered; use the\n"
    " * status call first when that matters.\n",
    " * Interrupts stay enabled while the registers are written, so a\n"
    " * handler may observe a half-written configuration.\n",
    " * Safe to call from any task.\n",
    " * The previous setting is kept when the arguments are out of range.\n",
    " * Blocks until the transfer has finished or the timeout has passed.\n",
    " * Values are latched on the next clock edge.\n"};

// A documentation comment of a few lines, as library headers carry before most
// declarations.
std::string LongDocumentation(Random& random, std::string_view name, std::string_view params) {
    std::string block = "/**\n * @brief ";
    block += name;
    block += " - ";
    block += random.pick(kActions);
    block += " the ";
    block += random.pick(kDevices);
    block += " block.\n *\n";
    block += random.pick(kSentences);
    block += random.pick(kSentences);
    if (random.below(2) == 0) block += random.pick(kSentences);
    block += " *\n";
    // One "@param" line per parameter named in the list.
    for (std::size_t at = params.find(' '); at != std::string_view::npos;
         at = params.find(' ', at + 1)) {
        const std::size_t end = params.find_first_of(",)", at);
        const std::string_view word = params.substr(
            at + 1, end == std::string_view::npos ? std::string_view::npos : end - at - 1);
        if (word.empty() || word == "*" || word.find(' ') != std::string_view::npos) continue;
        if (word.back() < '0' || word.back() > '9') continue;  // a type word, not a name
        block += " * @param ";
        block += word;
        block += "  value for this call\n";
    }
    block += " * @return 0 on success, a negative error code otherwise\n";
    if (random.below(2) == 0) {
        block += " * @see ";
        block += random.pick(kDevices);
        block += "Status()\n";
    }
    block += " */\n";
    return block;
}

std::string StructDefinition(Random& random, std::string_view name) {
    std::string text = "typedef struct ";
    text += name;
    text += "_s {\n";
    const std::size_t fields = 2 + random.below(4);
    for (std::size_t i = 0; i < fields; ++i) {
        text += "    ";
        text += random.pick(kTypes);
        text += " ";
        text += random.pick(kParams);
        text += std::to_string(i);
        text += ";  /* register offset " + std::to_string(4 * i) + " */\n";
    }
    text += "} ";
    text += name;
    text += "_t;\n\n";
    return text;
}

}  // namespace

void WriteHeader(const std::string& path, std::size_t bytes) {
    Writer out(path);
    Random random;
    out.add(
        "/*\n * Generated header: declarations of a large device library.\n *\n"
        " * Copyright notice and licence text would stand here.\n */\n\n"
        "#ifndef DEVICE_H\n#define DEVICE_H\n\n#include <stddef.h>\n\n"
        "#ifdef __cplusplus\nextern \"C\" {\n#endif\n\n");
    for (std::size_t serial = 0; out.written() < bytes; ++serial) {
        const std::string name = FunctionName(random, serial);
        const std::size_t extra = random.below(12);
        if (extra == 0) out.add(StructDefinition(random, name));
        if (extra == 1) {
            out.add("#define " + name + "_COUNT " + std::to_string(serial % 97) + "\n#define " +
                    name + "_MASK 0x" + std::to_string(serial % 8999 + 1000) + "u\n\n");
        }
        if (extra == 2) out.add("// " + name + " and the calls below share one lock.\n");
        if (extra == 3)
            out.add("typedef void (*" + name + "Handler)(int event, void *context);\n\n");
        const std::string params = ParameterList(random, ", ");
        const std::string_view type = random.pick(kTypes);
        if (random.below(5) != 0) out.add(LongDocumentation(random, name, params + ")"));
        if (random.below(6) == 0) {
            out.add("extern " + std::string(type) + "  " + name + " (" + params + ");  // " + name +
                    "\n\n");
        } else {
            out.add(std::string(type) + " " + name + "(" + params + ");\n\n");
        }
    }
    out.add("#ifdef __cplusplus\n}\n#endif\n\n#endif\n");
}

const char* TargetPrototype() {
    return "int TargetFunction(int port, int mode, int level, char * name)";
}

void WriteDenseHeader(const std::string& path, std::size_t bytes) {
    Writer out(path);
    Random random;
    out.add("/* Generated header: declarations of a large device library. */\n#pragma once\n\n");
    for (std::size_t serial = 0; out.written() < bytes; ++serial) {
        const std::string name = FunctionName(random, serial);
        switch (random.below(8)) {
            case 0:
                out.add(DocumentationBlock(random, name));
                break;
            case 1:
                out.add(
                    "/* Registers of block " + std::to_string(serial) +
                    "\n   are laid out as in the manual;\n   int NotADeclaration(int x);\n*/\n");
                break;
            case 2:
                out.add("#define " + name + "_COUNT " + std::to_string(serial % 97) + "\n");
                break;
            case 3:
                out.add("typedef struct { int a; long b; } " + name + "_t;\n");
                break;
            case 4:
                out.add("extern " + std::string(random.pick(kTypes)) + "  " + name + " (" +
                        ParameterList(random, " , ") + ");  // " + name + "\n");
                break;
            default:
                out.add(std::string(random.pick(kTypes)) + " " + name + "(" +
                        ParameterList(random, ", ") + ");\n");
        }
    }
}

void WriteAssembler(const std::string& path, std::size_t bytes) {
    Writer out(path);
    Random random;
    for (std::size_t line = 0; out.written() < bytes; ++line) {
        if (line % 20 == 0) {
            const std::string name = FunctionName(random, line);
            out.add("; C Function prototype: " + std::string(random.pick(kTypes)) + " " + name +
                    "(" + ParameterList(random, ", ") + ")\n" + name + ":\n");
        } else {
            out.add("\t" + std::string(random.pick(kInstructions)) + "\tr" +
                    std::to_string(random.below(13)) + ", r" + std::to_string(random.below(13)) +
                    "\t\t; step " + std::to_string(line % 1000) + "\n");
        }
    }
}

void WriteSource(const std::string& path, std::size_t bytes) {
    Writer out(path);
    Random random;
    const std::size_t targetAt = bytes - bytes / 100;
    bool targetWritten = false;
    out.add("#include \"device.h\"\n\nstatic int shared_state;\n\n");
    for (std::size_t serial = 0; out.written() < bytes || !targetWritten; ++serial) {
        std::string name = FunctionName(random, serial);
        std::string prototype = "int " + name + "(int port, int mode, int level)";
        if (!targetWritten && out.written() >= targetAt) {
            prototype = TargetPrototype();
            name = "TargetFunction";
            targetWritten = true;
        }
        out.add(DocumentationBlock(random, name));
        out.add(prototype +
                "\n{\n\tint i;\n\tfor (i = 0; i < level; ++i) {\n\t\tmode += port * i;"
                "\t// accumulate\n\t}\n\tshared_state = mode;\n\treturn mode;\n}\n\n");
    }
}

}  // namespace wrennet::bench
