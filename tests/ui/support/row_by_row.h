// What the selection commands of both editors are compared with: random cases drawn the same on
// every run, and the row-by-row message sequences that must leave a list box as the command does.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <vector>

#include "ui_driver.h"

// Draws of a fixed linear congruential generator.
class CaseDraws {
 public:
  explicit CaseDraws(uint32_t seed) : seed_(seed) {}
  uint32_t Next() { return (seed_ = seed_ * 1664525u + 1013904223u) >> 8; }
  // Selected rows of a list of `n` for trial `trial`: none in trial 0, all in trial 1, and from
  // trial 2 on each row with a drawn chance.
  std::vector<int> Rows(int trial, int n);

 private:
  uint32_t seed_;
};

// Each row's selection flipped with LB_SETSEL, row by row.
void InvertRowByRow(HWND list);
// Each of `rows` deleted and inserted again with its text in `after`, then each selected.
void RewriteRows(HWND list, const std::vector<int>& rows, const ListState& after);

// After `set_up`, `command` sent to `dialog`; after `set_up` again, `sequence(after_command)`: the
// list must end as the command left it. The state the command left.
template <typename SetUp, typename Sequence>
ListState ExpectCommandEndsAs(HWND dialog, HWND list, int command, SetUp set_up, Sequence sequence) {
  set_up();
  Command(dialog, command);
  const ListState after = ReadListState(list);
  set_up();
  sequence(after);
  EXPECT_EQ(after, ReadListState(list)) << "command " << command;
  return after;
}
