#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/name_set.h"
#include "cli/offensive_words.h"

namespace quelvarinox::cli {

// One condition a name must meet before it is written and counted. Conditions
// remember nothing, so the threads that make names can all ask them at once.
class NameCondition {
public:
    virtual ~NameCondition() = default;
    virtual bool admits(std::string_view name) const = 0;
    // What names the category ran out of, after «no da más nombres».
    virtual std::string unmet() const = 0;
};

// --min-letras, --max-letras: letters counted as characters, not bytes.
class LetterCount final : public NameCondition {
public:
    LetterCount(std::optional<std::uint64_t> min, std::optional<std::uint64_t> max) : min_(min), max_(max) {}
    bool admits(std::string_view name) const override;
    std::string unmet() const override;

private:
    std::optional<std::uint64_t> min_;
    std::optional<std::uint64_t> max_;
};

// --empieza: the start of the name, whatever its case and accents.
class StartsWith final : public NameCondition {
public:
    explicit StartsWith(std::string_view prefix);
    bool admits(std::string_view name) const override;
    std::string unmet() const override;

private:
    std::string written_;
    std::string folded_;
};

// --sin-malsonantes.
class WithoutOffensiveWords final : public NameCondition {
public:
    bool admits(std::string_view name) const override { return !words_.found_in(name); }
    std::string unmet() const override { return "sin palabras malsonantes"; }

private:
    OffensiveWords words_;
};

// --excluir: none of the names of a list.
class NotListed final : public NameCondition {
public:
    NotListed(NameSet names, std::string file) : names_(std::move(names)), file_(std::move(file)) {}
    bool admits(std::string_view name) const override { return !names_.contains(name); }
    std::string unmet() const override;

private:
    NameSet names_;
    std::string file_;
};

}  // namespace quelvarinox::cli
