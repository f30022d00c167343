// Chinese punctuation for the ASCII punctuation keys, with the paired quotes and the nested
// angle brackets whose state lives in the context's private record.
#pragma once

#include <string_view>

#include "ime/engine/PrivateRecord.h"

// The GBK output of key, updating the quote and angle state of record; empty when the key
// has no Chinese punctuation.
std::string_view ChinesePunctuation(char key, PrivateRecord& record);
