// The candidate record: a marker byte ("1" user, "0" system), the display text and, when
// there is one, "\r" + the code still to type + "\r". Records live in the candidate pool's
// buffers of kCandidateRecordSize bytes, terminating zero included.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

constexpr std::size_t kCandidateRecordSize = 73;
// A lookup lists at most this many candidates.
constexpr std::size_t kMaxCandidateRecords = 1000;

// Converts a GBK text to traditional characters (or back); nullptr where none is wanted.
using TextConverter = std::string (*)(const std::string&);

// The record for a dictionary row's text and display code, at most kCandidateRecordSize - 1
// bytes. The text is cut to its display length (and at a "\r", which would end it inside a
// record); toTraditional, when set, converts it. A code that does not fit is shortened,
// never the text, and keeps its closing "\r".
std::string BuildCandidateRecord(std::string_view text, std::string_view displayCode, bool user,
                                 TextConverter toTraditional);
