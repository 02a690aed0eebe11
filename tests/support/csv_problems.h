// An import's problems as a test failure shows them: line, column and reason, one a problem.
#pragma once

#include <string>

#include "formats/csv_table.h"

inline std::string ProblemList(const CsvImportResult& result) {
  std::string list = std::to_string(result.problem_count) + " problems";
  for (const CsvProblem& problem : result.problems) {
    list += "\n  line " + std::to_string(problem.line) + " \"" + problem.column + "\" reason " +
            std::to_string(static_cast<int>(problem.reason));
  }
  return list;
}
