// What a CSV import tells the user, in the words of the string table: the problems that refused a
// file (line, column, why), or what it changed.
#pragma once

#include <string>

#include "formats/csv_table.h"

// One problem: "<line> 行目「<column>」: <why>", without what the problem has not.
std::wstring CsvProblemText(const CsvProblem& problem);
// The refusal: what happened, then the first `shown` problems, one a line, and how many others.
std::wstring CsvProblemsMessage(const CsvImportResult& result, size_t shown = 10);
// What a successful import changed.
std::wstring CsvChangesMessage(const CsvImportResult& result);
