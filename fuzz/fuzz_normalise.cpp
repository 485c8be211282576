// The one-pass prototype normalisation and its early-stopping prefix test,
// against the literal nine-pass normalisation.

#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "library/prototype.h"
#include "tests/support/reference_normalise.h"

using wrennet::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string expected = wrennet::reference::NormalisePrototype(text);
    Check(!wrennet::NormalisesToItself(text) || expected == text);

    // Appending must leave what the buffer already held in front.
    const std::string before = "left over\t ,( )";
    std::string appended = before;
    wrennet::AppendNormalisedPrototype(text, appended);
    Check(appended == before + expected);

    for (std::size_t cut = 0; cut <= expected.size(); cut += 1 + cut / 2)
        Check(wrennet::NormalisedBeginsWith(text, std::string_view(expected).substr(0, cut)));
    Check(!wrennet::NormalisedBeginsWith(text, expected + "x"));
    Check(expected.empty() || !wrennet::NormalisedBeginsWith(text, "\x01" + expected));
    return 0;
}
