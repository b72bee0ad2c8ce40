#pragma once

#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "core/generation_context.h"

namespace quelvarinox::testing {

enum class Mode { normal, alternative };

// The generator of the category with this picture key; fails the test when
// there is none.
NameGenerator generator_of(std::string_view picture_key);

// Runs `generator` on scripted draws (see ScriptedRandom) and succeeds when it
// made exactly those draws and reseeds, in that order, and built `expected`.
::testing::AssertionResult builds(NameGenerator generator, std::string_view script, std::string_view expected,
                                  Mode mode = Mode::normal);

// Runs `generator` on scripted draws that end with a compound and succeeds when
// the draws match and the result slot LabelOut is empty afterwards.
::testing::AssertionResult leaves_result_slot_empty(NameGenerator generator, std::string_view script,
                                                    Mode mode = Mode::normal);

// The same for code that is not a whole generator (a text helper, a word
// builder): `run` gets a context on the scripted source and returns its result.
template <class Run>
::testing::AssertionResult draws_then_gives(std::string_view script, Run&& run, std::string_view expected);

}  // namespace quelvarinox::testing

#include "tests/support/generator_checks_impl.h"
