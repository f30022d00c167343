#pragma once

#include <string>

// English text of an SQLite primary result code.
std::string SQLiteResultText(int code);
