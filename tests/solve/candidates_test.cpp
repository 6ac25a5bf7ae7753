#include "solve/candidates.h"

#include <gtest/gtest.h>

namespace kalmotre {
namespace {

TEST(CandidateTable, InitGivesEmptyCellsAllDigitsAndFilledCellsTheirOwn) {
  FormState form;
  form.board.setText(0, "7");
  form.board.setText(1, "0");
  form.board.setText(2, "12");
  form.board.setText(3, " ");
  form.board.setText(4, "5a");
  form.state.candidates[5 * 10] = 3;  // column 0 is left alone
  initCandidates(form);
  EXPECT_EQ(getSingleCandidate(form, 0), 7);
  EXPECT_EQ(getSingleCandidate(form, 1), 0);
  EXPECT_EQ(getSingleCandidate(form, 4), 5);
  for (int d = 1; d <= 9; ++d) {
    EXPECT_EQ(form.state.candidates[1 * 10 + d], 0);
    EXPECT_EQ(form.state.candidates[2 * 10 + d], 0);
    EXPECT_EQ(form.state.candidates[3 * 10 + d], 0);
    EXPECT_EQ(form.state.candidates[5 * 10 + d], 1);
  }
  EXPECT_EQ(getSingleCandidate(form, 5), 0);
  EXPECT_EQ(form.state.candidates[5 * 10], 3);
}

TEST(CandidateTable, SetSingleOverridesWhateverWasThere) {
  FormState form;
  initCandidates(form);
  setSingleCandidate(form, 40, 5);
  EXPECT_EQ(getSingleCandidate(form, 40), 5);
  setSingleCandidate(form, 40, 2);
  EXPECT_EQ(getSingleCandidate(form, 40), 2);
  setSingleCandidate(form, 40, 11);  // outside 1..9: no candidate left
  EXPECT_EQ(getSingleCandidate(form, 40), 0);
  form.state.candidates[40 * 10 + 3] = -4;  // any non-zero entry counts
  EXPECT_EQ(getSingleCandidate(form, 40), 3);
}

}  // namespace
}  // namespace kalmotre
