#pragma once

#include <string>
#include <string_view>
#include <unordered_set>

namespace quelvarinox::cli {

// One condition a name must meet before it is written and counted.
class NameFilter {
public:
    virtual ~NameFilter() = default;
    // A category's names start: a filter that remembers names forgets them here.
    virtual void start_category() {}
    virtual bool admits(std::string_view name) = 0;
    // How the run-out message says what could not be met any more, after
    // «la categoría X no da más nombres».
    virtual std::string_view unmet() const = 0;
};

// No name twice in a category's run; the names given are remembered.
class UniqueNames final : public NameFilter {
public:
    void start_category() override { seen_.clear(); }
    bool admits(std::string_view name) override { return seen_.emplace(name).second; }
    std::string_view unmet() const override { return "distintos"; }

private:
    std::unordered_set<std::string> seen_;
};

}  // namespace quelvarinox::cli
