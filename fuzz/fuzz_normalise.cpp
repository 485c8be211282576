// The one-pass prototype normalisation and its early-stopping prefix test,
// against the literal nine-pass normalisation.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "prototype.h"
#include "reference_normalise.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string expected = wrennet::reference::NormalisePrototype(text);
    if (wrennet::NormalisesToItself(text) && expected != text) std::abort();

    // Appending must leave what the buffer already held in front.
    const std::string before = "left over\t ,( )";
    std::string appended = before;
    wrennet::AppendNormalisedPrototype(text, appended);
    if (appended != before + expected) std::abort();

    for (std::size_t cut = 0; cut <= expected.size(); cut += 1 + cut / 2) {
        if (!wrennet::NormalisedBeginsWith(text, std::string_view(expected).substr(0, cut))) {
            std::abort();
        }
    }
    if (wrennet::NormalisedBeginsWith(text, expected + "x")) std::abort();
    if (!expected.empty() && wrennet::NormalisedBeginsWith(text, "\x01" + expected)) std::abort();
    return 0;
}
