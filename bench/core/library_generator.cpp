#include "library_generator.h"

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

}  // namespace

const char* TargetPrototype() {
    return "int TargetFunction(int port, int mode, int level, char * name)";
}

void WriteHeader(const std::string& path, std::size_t bytes) {
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
