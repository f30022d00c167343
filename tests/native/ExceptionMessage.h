#pragma once

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "ime/dictionary/SQLiteTable3.h"

// The message of the ESQLiteException that action raises; a test failure when it raises none.
inline std::string ExceptionMessage(const std::function<void()>& action) {
  try {
    action();
  } catch (const ESQLiteException& e) {
    return e.what();
  }
  ADD_FAILURE() << "no ESQLiteException";
  return std::string();
}
