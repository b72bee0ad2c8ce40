#include "tests/support/grammar_input_check.h"

#include <algorithm>
#include <cstddef>

#include "core/draw_log.h"
#include "core/generation_context.h"
#include "core/random_source.h"
#include "engine/grammar_engine.h"
#include "engine/grammar_loader.h"
#include "text/shown.h"
#include "text/utf8.h"

namespace quelvarinox::detail::testing {

namespace {

// Words of the longest syllables, each with its longest text after it, and
// the compound epithet: far beyond any name a grammar within the limits makes.
constexpr std::size_t longest_name =
    grammar_limits::words * (grammar_limits::syllables * 8 * TablePiece::room + grammar_limits::text_bytes) +
    2 * grammar_limits::text_bytes + 256;

// The first names of the grammar in both modes, each with its trace, or what
// is wrong with one of them.
struct Sample {
    std::string names;
    std::optional<std::string> problem;
};

Sample sample_of(const Grammar& grammar)
{
    SeededRandom random(7);
    DrawLog log;
    GenerationContext ctx(random, &log);
    std::string name;
    Sample sample;
    for (const char* mode : {"0", "1"}) {
        ctx.huevo = mode;
        for (std::uint64_t index = 1; index <= 32; ++index) {
            log.clear();
            random.start_name(1, index);
            make_grammar_name(grammar, ctx, name);
            if (!utf8_length(name))
                return {{}, "name " + std::to_string(index) + " is not UTF-8"};
            if (name.size() > longest_name)
                return {{}, "name " + std::to_string(index) + " has " + std::to_string(name.size()) + " bytes"};
            sample.names += name + '\t' + log.trace() + '\n';
        }
    }
    return sample;
}

// The grammar written out whole must read into one that makes the same names
// and traces.
std::optional<std::string> written_out_problem(std::string_view text, const GrammarPlace& place, const Sample& sample)
{
    const WholeGrammar whole = whole_grammar(text, place);
    if (!whole.mistakes.empty())
        return "the grammar could not be written out: " + whole.mistakes.front().message;
    const GrammarLoad again = load_grammar(whole.text, place);
    if (!again.grammar)
        return "the grammar written out does not read: " + placed("", again.mistakes) + "\n" + whole.text;
    if (sample_of(*again.grammar).names != sample.names)
        return "the grammar written out makes other names:\n" + whole.text;
    return std::nullopt;
}

}  // namespace

std::optional<std::string> grammar_input_problem(std::string_view text)
{
    // Only built-in grammars may be inherited: no file is read.
    GrammarPlace place;
    place.reads_files = false;
    const GrammarLoad load = load_grammar(text, place);
    if (load.mistakes.empty() != (load.grammar != nullptr))
        return std::string("a grammar came with mistakes, or neither came");
    const auto lines = static_cast<std::uint32_t>(std::count(text.begin(), text.end(), '\n')) + 1;
    for (const GrammarMistake& mistake : load.mistakes) {
        if (mistake.line < 1 || mistake.line > lines || mistake.column < 1)
            return "a mistake at " + std::to_string(mistake.line) + ":" + std::to_string(mistake.column) +
                   " lies outside the text: " + mistake.message;
        // What would not stand on one line of a message is escaped.
        if (mistake.message.empty() || escaped(mistake.message) != mistake.message)
            return "a mistake at " + std::to_string(mistake.line) + " is not one readable line: " +
                   shown(mistake.message);
    }
    if (!load.grammar)
        return std::nullopt;
    const Sample sample = sample_of(*load.grammar);
    return sample.problem ? sample.problem : written_out_problem(text, place, sample);
}

}  // namespace quelvarinox::detail::testing
