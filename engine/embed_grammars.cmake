# Writes OUTPUT, a C++ file that holds the text of every grammar file in FILES
# (a list separated by "|"), named by its path under SOURCE_DIR. Run with -P.
set(body "")
string(REPLACE "|" ";" files "${FILES}")
foreach(file IN LISTS files)
  file(READ "${file}" text)
  if(text MATCHES "\\)grammar\"")
    message(FATAL_ERROR "${file} holds )grammar\", which ends the raw string it is embedded in")
  endif()
  file(RELATIVE_PATH name "${SOURCE_DIR}" "${file}")
  string(APPEND body "    {\"${name}\", R\"grammar(${text})grammar\"},\n")
endforeach()
file(WRITE "${OUTPUT}.new"
  "// Made from the grammar files by engine/embed_grammars.cmake.\n"
  "#include \"engine/builtin_grammars.h\"\n\n"
  "namespace quelvarinox::detail {\n\n"
  "namespace {\n\nconstexpr BuiltinGrammarText texts[] = {\n${body}};\n\n}  // namespace\n\n"
  "std::span<const BuiltinGrammarText> builtin_grammar_texts() { return texts; }\n\n"
  "}  // namespace quelvarinox::detail\n")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
