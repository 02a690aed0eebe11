// Sorting and filtering the records of a table.
#include "formats/record_table.h"

#include <algorithm>
#include <climits>

#include "formats/csv.h"
#include "model/sjis.h"

bool CellChanged(RecordSource& source, int32_t record, size_t column) {
  return source.Value(record, column, false) != source.Value(record, column, true);
}

bool RecordChanged(RecordSource& source, int32_t record) {
  const size_t columns = source.Columns().size();
  for (size_t column = 0; column < columns; ++column) {
    if (CellChanged(source, record, column)) return true;
  }
  return false;
}

namespace {

// Bytewise unsigned, a text before every longer one it begins (the reading sort's order).
int CompareBytes(std::string_view a, std::string_view b) {
  const int order = a.compare(b);  // char_traits<char> compares as unsigned char
  return order < 0 ? -1 : order > 0 ? 1 : 0;
}

int CompareValues(CellKind kind, const CellValue& a, const CellValue& b) {
  if (a.absent != b.absent) return a.absent ? -1 : 1;
  switch (kind) {
    case CellKind::Number: return a.number < b.number ? -1 : a.number > b.number ? 1 : 0;
    case CellKind::Choice: {
      const int64_t ka = a.choice >= 0 ? a.choice : int64_t{INT_MAX} + a.number;
      const int64_t kb = b.choice >= 0 ? b.choice : int64_t{INT_MAX} + b.number;
      return ka < kb ? -1 : ka > kb ? 1 : 0;
    }
    case CellKind::Text:
      if ((a.choice >= 0) != (b.choice >= 0)) return a.choice >= 0 ? -1 : 1;
      return CompareBytes(a.text, b.text);
  }
  return 0;
}

// True when `word` stands in `text` from the start of one of its characters.
bool ContainsText(std::string_view text, std::string_view word) {
  if (word.empty()) return true;
  for (size_t at = 0; at + word.size() <= text.size();
       at += IsSjisLeadByte(static_cast<uint8_t>(text[at])) ? 2 : 1) {
    if (text.compare(at, word.size(), word) == 0) return true;
  }
  return false;
}

// Full-width operators and digits as their ASCII forms; every other character as it is.
std::string AsciiForms(std::string_view word) {
  std::string out;
  for (size_t at = 0; at < word.size();) {
    const auto lead = static_cast<uint8_t>(word[at]);
    if (!IsSjisLeadByte(lead) || at + 1 >= word.size()) {
      out += word[at++];
      continue;
    }
    const auto trail = static_cast<uint8_t>(word[at + 1]);
    if (lead == 0x81 && trail == 0x83) out += '<';
    else if (lead == 0x81 && trail == 0x84) out += '>';
    else if (lead == 0x81 && trail == 0x81) out += '=';
    else if (lead == 0x81 && trail == 0x49) out += '!';
    else if (lead == 0x81 && trail == 0x7C) out += '-';
    else if (lead == 0x82 && trail >= 0x4F && trail <= 0x58) out += static_cast<char>('0' + (trail - 0x4F));
    else out += word.substr(at, 2);
    at += 2;
  }
  return out;
}

// The words of `text`, split at ASCII spaces and ideographic spaces (81 40).
std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words(1);
  for (size_t at = 0; at < text.size();) {
    const auto byte = static_cast<uint8_t>(text[at]);
    const size_t width = IsSjisLeadByte(byte) && at + 1 < text.size() ? 2 : 1;
    const bool space = byte == ' ' || byte == '\t' || (width == 2 && byte == 0x81 && text[at + 1] == 0x40);
    if (space) {
      if (!words.back().empty()) words.emplace_back();
    } else {
      words.back() += text.substr(at, width);
    }
    at += width;
  }
  if (words.back().empty()) words.pop_back();
  return words;
}

bool ParseWholeNumber(std::string_view digits, int32_t& value) {
  const bool negative = !digits.empty() && digits[0] == '-';
  if (negative) digits.remove_prefix(1);
  if (digits.empty() || digits.size() > 9) return false;
  int32_t n = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return false;
    n = n * 10 + (c - '0');
  }
  value = negative ? -n : n;
  return true;
}

bool Holds(FilterOperator op, int32_t a, int32_t b) {
  switch (op) {
    case FilterOperator::Less: return a < b;
    case FilterOperator::LessEqual: return a <= b;
    case FilterOperator::Greater: return a > b;
    case FilterOperator::GreaterEqual: return a >= b;
    case FilterOperator::Equal: return a == b;
    case FilterOperator::NotEqual: return a != b;
  }
  return false;
}

// The bytes of 変更 in code page 932.
constexpr std::string_view CHANGED_WORD = "\x95\xCF\x8D\x58";

}  // namespace

void SortRecords(RecordSource& source, std::vector<int32_t>& rows, size_t column, bool descending) {
  const CellKind kind = source.Columns()[column].kind;
  struct Keyed {
    CellValue value;
    int32_t id;
    int32_t record;
  };
  std::vector<Keyed> keyed;
  keyed.reserve(rows.size());
  for (int32_t record : rows) keyed.push_back({source.Value(record, column, false), source.RecordId(record), record});
  std::sort(keyed.begin(), keyed.end(), [&](const Keyed& a, const Keyed& b) {
    const int order = CompareValues(kind, a.value, b.value);
    if (order != 0) return descending ? order > 0 : order < 0;
    return a.id < b.id;
  });
  for (size_t k = 0; k < rows.size(); ++k) rows[k] = keyed[k].record;
}

RecordFilter ParseFilter(std::string_view text, std::span<const CellColumn> columns, Cp932Codec& codec) {
  RecordFilter filter;
  for (const std::string& typed : Words(text)) {
    const std::string word = AsciiForms(typed);
    const size_t op_at = word.find_first_of("<>=!");  // below 0x40: never the second byte of a character
    if (op_at == std::string::npos) {
      if (word == CHANGED_WORD) filter.changed_only = true;
      else filter.words.push_back(typed);
      continue;
    }
    const std::string_view name = std::string_view(word).substr(0, op_at);
    std::string_view rest = std::string_view(word).substr(op_at);
    FilterOperator op = FilterOperator::Equal;
    size_t op_size = 1;
    if (rest.starts_with("<=")) op = FilterOperator::LessEqual, op_size = 2;
    else if (rest.starts_with(">=")) op = FilterOperator::GreaterEqual, op_size = 2;
    else if (rest.starts_with("!=")) op = FilterOperator::NotEqual, op_size = 2;
    else if (rest.starts_with("==")) op_size = 2;
    else if (rest[0] == '<') op = FilterOperator::Less;
    else if (rest[0] == '>') op = FilterOperator::Greater;
    else if (rest[0] != '=') op_size = 0;  // a lone "!"
    rest.remove_prefix(op_size);
    FilterProblem problem = FilterProblem::UnknownColumn;
    FilterCondition condition{0, op, 0};
    std::string header;
    for (size_t k = 0; k < columns.size(); ++k) {
      if (!codec.FromUtf8(Utf8Text(columns[k].header), header) || header != name) continue;
      condition.column = k;
      problem = columns[k].kind != CellKind::Number ? FilterProblem::NotNumeric
                : op_size == 0 || !ParseWholeNumber(rest, condition.value) ? FilterProblem::BadNumber
                                                                          : FilterProblem::None;
      break;
    }
    if (problem == FilterProblem::None) {
      filter.conditions.push_back(condition);
    } else if (filter.problem == FilterProblem::None) {
      filter.problem = problem;
      filter.problem_word = typed;
    }
  }
  return filter;
}

bool RecordMatches(const RecordFilter& filter, RecordSource& source, int32_t record) {
  for (const FilterCondition& condition : filter.conditions) {
    const CellValue value = source.Value(record, condition.column, false);
    if (value.absent || !Holds(condition.op, value.number, condition.value)) return false;
  }
  if (!filter.words.empty()) {
    const std::span<const CellColumn> columns = source.Columns();
    std::vector<std::string> texts;
    for (size_t k = 0; k < columns.size(); ++k) {
      if (columns[k].searched) texts.push_back(source.Value(record, k, false).text);
    }
    for (const std::string& word : filter.words) {
      if (std::none_of(texts.begin(), texts.end(), [&](const std::string& t) { return ContainsText(t, word); })) {
        return false;
      }
    }
  }
  return !filter.changed_only || RecordChanged(source, record);
}

std::vector<int32_t> FilterRecords(const RecordFilter& filter, RecordSource& source) {
  std::vector<int32_t> rows;
  const int32_t count = source.RecordCount();
  rows.reserve(static_cast<size_t>(count));
  for (int32_t record = 0; record < count; ++record) {
    if (RecordMatches(filter, source, record)) rows.push_back(record);
  }
  return rows;
}
