// Any bytes at all, read as a grammar file: what the loader and the engine do
// with them must hold up (tests/support/grammar_input_check.h). An input that
// breaks something is kept in tests/engine/found/, which a test replays.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "tests/support/grammar_input_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto problem = quelvarinox::detail::testing::grammar_input_problem(text)) {
        std::fprintf(stderr, "%s\n", problem->c_str());
        std::abort();
    }
    return 0;
}
