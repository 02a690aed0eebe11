// The messages of the CSV import, from the shared string table (shared_strings.rc).
#include "win32/csv_messages.h"

#include <algorithm>

#include "platform/win_text_boundary.h"
#include "win32/shared_strings.h"
#include "win32/string_table.h"

namespace {

std::wstring Number(int32_t value) { return std::to_wstring(value); }

std::wstring Why(const CsvProblem& problem) {
  const UINT id = IDS_CSV_REASON + static_cast<UINT>(problem.reason);
  switch (problem.reason) {
    case CsvProblemReason::UnknownColumn:
      return problem.column.empty() ? LoadText(IDS_CSV_HEADERLESS_COLUMN) : LoadText(id);
    case CsvProblemReason::CellCount: return FormatText(id, {Number(problem.other), Number(problem.max)});
    case CsvProblemReason::DuplicateRecord: return FormatText(id, {Number(problem.other)});
    case CsvProblemReason::TooLong: return FormatText(id, {Number(problem.max)});
    case CsvProblemReason::BadNumber: {
      const std::wstring step = problem.step > 0 ? FormatText(IDS_CSV_DIVISIBLE, {Number(problem.step)}) : L"";
      return FormatText(id, {Number(problem.min), Number(problem.max), step});
    }
    case CsvProblemReason::NoField: return FormatText(id, {Number(problem.min)});
    case CsvProblemReason::ShownOnly: {
      std::wstring columns;
      for (const std::string& header : problem.instead) columns += FormatText(IDS_CSV_IN_COLUMN, {WideFromUtf8(header)});
      return FormatText(id, {columns});
    }
    default: return LoadText(id);
  }
}

}  // namespace

std::wstring CsvProblemText(const CsvProblem& problem) {
  std::wstring where;
  if (problem.line > 0) where = FormatText(IDS_CSV_AT_LINE, {Number(problem.line)});
  if (!problem.column.empty()) where += FormatText(IDS_CSV_IN_COLUMN, {WideFromUtf8(problem.column)});
  if (!where.empty()) where += LoadText(IDS_CSV_WHERE_END);
  return where + Why(problem);
}

std::wstring CsvProblemsMessage(const CsvImportResult& result, size_t shown) {
  std::wstring message = LoadText(IDS_CSV_NOT_READ);
  const size_t count = std::min(shown, result.problems.size());
  for (size_t k = 0; k < count; ++k) message += L"\n" + CsvProblemText(result.problems[k]);
  const int32_t others = result.problem_count - static_cast<int32_t>(count);
  if (others > 0) message += FormatText(IDS_CSV_MORE_PROBLEMS, {Number(others)});
  return message;
}

std::wstring CsvChangesMessage(const CsvImportResult& result) {
  if (result.fields_changed == 0) return LoadText(IDS_CSV_NO_CHANGES);
  return FormatText(IDS_CSV_CHANGES, {Number(result.records_changed), Number(result.fields_changed)});
}
