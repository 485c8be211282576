// The one-pass prototype normalisation against the literal nine-pass one.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "prototype.h"
#include "reference_normalise.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string expected = wrennet::reference::NormalisePrototype(text);
    if (wrennet::NormalisePrototype(text) != expected) std::abort();

    // The buffer variant must not depend on what the buffer held before.
    std::string reused = "left over from an earlier line\t ,( )";
    wrennet::NormalisePrototypeInto(text, reused);
    if (reused != expected) std::abort();
    return 0;
}
