// The text of the candidate window's rows: a label digit, a space and the candidate's
// display text, long texts shortened around "...".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

constexpr std::size_t kRowTruncateAbove = 36;  // longer display texts are shortened
constexpr std::size_t kRowHeadBytes = 26;
constexpr std::size_t kRowTailBytes = 5;

// The display text of a record string (the record after its marker byte) as a row shows
// it: cut to its display length, then shortened to its head, "..." and its tail when
// longer than 36 bytes. Head and tail never split a double-byte character.
std::string RowDisplayText(std::string_view recordText);

// The row for position k (0-based) of the page: "1 text" ... "9 text", "0 text".
std::string CandidateRowText(int k, std::string_view recordText);
