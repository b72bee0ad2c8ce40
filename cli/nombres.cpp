#include "cli/nombres.h"

#include <algorithm>
#include <fcntl.h>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "categories/category_table.h"
#include "cli/grammar_files.h"
#include "cli/learning_run.h"
#include "cli/line_format.h"
#include "cli/messages.h"
#include "cli/name_condition.h"
#include "cli/name_files.h"
#include "cli/name_run.h"
#include "cli/options.h"
#include "cli/output.h"
#include "cli/progress.h"
#include "cli/rejection_sample.h"
#include "cli/usage.h"
#include "core/random_source.h"
#include "engine/grammar_file.h"
#include "text/shown.h"
#include "version/version.h"

namespace quelvarinox::cli {

namespace {

// From this many names on, a run uses every core unless told otherwise.
constexpr std::uint64_t names_worth_threads = 1'000'000;

std::string valid_categories()
{
    std::string list;
    for (const detail::Category& category : detail::category_table()) {
        list += list.empty() ? "" : ", ";
        list += category.display_text;
        list += " (";
        list += category.picture_key;
        list += ')';
    }
    return list;
}

void write_list(Output& out)
{
    for (const detail::Category& category : detail::category_table()) {
        out.write(std::to_string(position_of(category)));
        out.write("\t");
        out.write(category.display_text);
        out.write("\t");
        out.write(category.picture_key);
        out.write(category.reads_huevo ? "\tsí\n" : "\tno\n");
    }
}

// The categories asked for, or every one. A name that is no category or one
// asked for twice gives a Spanish message in `error`; a grammar file that is
// wrong, its own messages, already placed, in `file_errors`. The grammars
// read are kept in `grammars`.
std::vector<const detail::Category*> chosen_categories(const Options& options,
                                               std::vector<std::unique_ptr<GrammarFile>>& grammars,
                                               std::string& error, std::vector<std::string>& file_errors,
                                               std::ostream& err)
{
    std::vector<const detail::Category*> chosen;
    for (const CategoryRequest& request : options.categories) {
        if (request.grammar_file) {
            auto file = std::make_unique<GrammarFile>(read_grammar_file(request.name, err));
            file_errors.insert(file_errors.end(), file->errors.begin(), file->errors.end());
            if (file->grammar)
                chosen.push_back(&file->category);
            grammars.push_back(std::move(file));
            continue;
        }
        const detail::Category* category = detail::find_category_by_name(request.name);
        if (!category) {
            error = "Categoría desconocida: " + detail::shown(request.name) + ". Las categorías válidas son: " +
                    valid_categories() + ".";
            return {};
        }
        if (std::find(chosen.begin(), chosen.end(), category) != chosen.end()) {
            error = "La categoría " + detail::shown(category->display_text) + " se pide más de una vez.";
            return {};
        }
        chosen.push_back(category);
    }
    if (!file_errors.empty())
        return {};
    if (chosen.empty())
        for (const detail::Category& category : detail::category_table())
            chosen.push_back(&category);
    return chosen;
}

// Why a write to the output failed, in words that are true of it.
std::string output_failure(int fd, int error)
{
    if (error == EBADF) {
        const int flags = ::fcntl(fd, F_GETFL);
        if (flags != -1 && (flags & O_ACCMODE) == O_RDONLY)
            return "la salida está abierta solo para leer";
        return "la salida está cerrada";
    }
    return detail::describe_errno(error);
}

unsigned thread_count(const Options& options, std::uint64_t total)
{
    if (options.threads)
        return static_cast<unsigned>(*options.threads);
    return total >= names_worth_threads ? std::max(1u, std::thread::hardware_concurrency()) : 1u;
}

}  // namespace

int run_nombres(int argc, char** argv, int out_fd, std::ostream& err, bool err_is_a_terminal)
{
    const ParsedOptions parsed = parse_options(argc, argv);
    if (!parsed.error.empty()) {
        err << program << parsed.error << '\n';
        return 2;
    }
    const Options& options = parsed.options;
    Output out(out_fd);
    const auto finish = [&](int status) {
        out.flush();
        if (out.state() == Output::State::failed) {
            err << program << "No se pudo escribir la salida: " << output_failure(out_fd, out.error()) << ".\n";
            return 1;
        }
        return status;
    };
    if (options.help) {
        out.write(usage);
        return finish(0);
    }
    if (options.version) {
        out.write("quelvarinox-nombres " QUELVARINOX_VERSION "\n");
        return finish(0);
    }
    if (options.list) {
        write_list(out);
        return finish(0);
    }
    if (options.export_category) {
        const ExportedGrammar exported = export_grammar(*options.export_category);
        for (const std::string& error : exported.errors)
            err << error << '\n';
        if (!exported.errors.empty())
            return 2;
        out.write(exported.text);
        return finish(0);
    }
    if (options.learn_file)
        return finish(write_learned_grammar(options, out, err));
    if (options.check_file) {
        const GrammarFile file = read_grammar_file(*options.check_file, err);
        for (const std::string& message : file.errors)
            err << message << '\n';
        if (!file.grammar)
            return 2;
        out.write(detail::shown(*options.check_file) + ": la gramática " + detail::shown(file.grammar->display_text) +
                  " (clave " + detail::shown(file.grammar->key) + ") está bien.\n");
        if (const auto warning = rejection_warning(file.category)) {
            out.flush();
            err << detail::grammar_file_name(*options.check_file) << ": " << *warning << ".\n";
        }
        return finish(0);
    }

    std::string error;
    std::vector<std::string> file_errors;
    std::vector<std::unique_ptr<GrammarFile>> grammars;
    const std::vector<const detail::Category*> categories = chosen_categories(options, grammars, error, file_errors, err);
    for (const std::string& message : file_errors)
        err << message << '\n';
    if (!error.empty())
        err << program << error << '\n';
    if (!error.empty() || !file_errors.empty())
        return 2;
    std::unique_ptr<NameRecorder> recorder;
    if (options.record_file) {
        recorder = std::make_unique<NameRecorder>(*options.record_file, error);
        if (!error.empty()) {
            err << program << error << '\n';
            return 2;
        }
    }
    std::vector<std::unique_ptr<NameCondition>> conditions;
    bool unique = options.unique;
    if (options.exclude_file) {
        NameList excluded = read_name_list(*options.exclude_file);
        if (!excluded.error.empty()) {
            err << program << excluded.error << '\n';
            return 2;
        }
        // Reading and noting one list: what this run writes is not to come back in it either.
        unique = unique || (recorder && recorder->is_file(*options.exclude_file));
        conditions.push_back(std::make_unique<NotListed>(std::move(excluded.names), *options.exclude_file));
    }
    if (options.min_letters || options.max_letters)
        conditions.push_back(std::make_unique<LetterCount>(options.min_letters, options.max_letters));
    if (options.prefix)
        conditions.push_back(std::make_unique<StartsWith>(*options.prefix));
    if (options.without_offensive)
        conditions.push_back(std::make_unique<WithoutOffensiveWords>());
    std::vector<const NameCondition*> condition_views;
    for (const auto& condition : conditions)
        condition_views.push_back(condition.get());

    const bool labelled = options.categories.size() != 1;
    const auto format = make_line_format(options.format, labelled, options.trace);
    out.write(format->header());
    const std::uint64_t total = options.count * categories.size();
    const RunSettings settings{options.count, options.first_index, options.seed.value_or(detail::random_run_seed()),
                               options.alternative, options.trace, unique, thread_count(options, total),
                               condition_views, *format};
    Progress progress(err, err_is_a_terminal, total);
    NameRun run(settings, out, recorder.get(), progress, err);
    int status = 0;
    for (const detail::Category* category : categories) {
        const NameRun::Outcome outcome = run.write_names(*category);
        if (outcome != NameRun::Outcome::done || !out.open()) {
            status = 1;
            break;
        }
    }
    progress.clear();
    if (out.state() == Output::State::reader_gone)
        status = 0;
    return finish(status);
}

}  // namespace quelvarinox::cli
