#include "quelvarinox/quelvarinox.hpp"

#include "library/loaded_grammar.h"

namespace quelvarinox {

namespace {

// The grammar read, or the exception that says why there is none.
std::shared_ptr<const detail::LoadedGrammar> loaded(detail::GrammarReading reading)
{
    if (reading.unreadable != 0)
        throw UnreadableGrammar(detail::placed(reading.file_name, reading.mistakes), reading.unreadable);
    if (!reading.grammar)
        throw GrammarError(std::move(reading.mistakes), reading.file_name);
    return std::move(reading.grammar);
}

}  // namespace

GrammarError::GrammarError(std::vector<GrammarMistake> mistakes, std::string_view path)
    : std::invalid_argument(detail::placed(path, mistakes)),
      mistakes_(std::make_shared<const std::vector<GrammarMistake>>(std::move(mistakes)))
{
}

std::uint32_t GrammarError::line() const noexcept { return mistakes_->empty() ? 0 : mistakes_->front().line; }

std::uint32_t GrammarError::column() const noexcept { return mistakes_->empty() ? 0 : mistakes_->front().column; }

const std::string& GrammarError::message() const noexcept
{
    static const std::string none;
    return mistakes_->empty() ? none : mistakes_->front().message;
}

const std::vector<GrammarMistake>& GrammarError::errors() const noexcept { return *mistakes_; }

UnreadableGrammar::UnreadableGrammar(const std::string& message, int error_number)
    : std::runtime_error(message), error_number_(error_number)
{
}

int UnreadableGrammar::error_number() const noexcept { return error_number_; }

Grammar::Grammar(std::shared_ptr<const detail::LoadedGrammar> grammar) : grammar_(std::move(grammar)) {}

Grammar Grammar::from_text(std::string_view text) { return Grammar(loaded(detail::read_grammar(text))); }

Grammar Grammar::from_file(const std::string& path)
{
    return Grammar(loaded(detail::read_grammar_file(path)));
}

Grammar::Grammar(const Grammar&) = default;
Grammar& Grammar::operator=(const Grammar&) = default;
Grammar::~Grammar() = default;

std::string_view Grammar::display_text() const { return grammar_->grammar().display_text; }
std::string_view Grammar::key() const { return grammar_->grammar().key; }
std::string_view Grammar::description() const { return grammar_->grammar().description; }
bool Grammar::reads_alternative_mode() const { return grammar_->grammar().reads_alternative_mode(); }

}  // namespace quelvarinox
