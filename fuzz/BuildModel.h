#pragma once

#include <optional>
#include <string>
#include <vector>

#include "framework/Types.h"

// What a build must do, worked out from the parameter lines and the digit table alone.
namespace fuzz {

using framework::Int32;

// An exception as the program must raise it: its class and, for an index, the index and bounds.
struct ExpectedFailure {
  std::string className;
  Int32 index = 0;
  Int32 upperBound = 0;

  bool operator==(const ExpectedFailure&) const = default;
};

// An output record as it must be stored: the whole text, or a vertex record's pen code with its
// two coordinates in the mask's style or in Str's.
struct ExpectedRecord {
  enum class Form { Exact, MaskedVertex, PlainVertex };
  Form form = Form::Exact;
  std::string text;
};

struct DigitTableOnDisk {
  enum class State { Missing, Unreadable, Present };
  State state = State::Missing;
  std::vector<std::string> lines;
};

struct ExpectedBuild {
  std::vector<ExpectedRecord> records;  // those stored, in order
  Int32 ginc = 0;
  std::optional<ExpectedFailure> failure;
  Int32 symbols = 0;                  // the closing message's number
  std::optional<std::string> label2;  // set when a line got as far as its labels
  Int32 gNumTotal = 0;
};

// parameterLines are the lines stored at indexes 1 to total (at most Module1's parameter-line bound of them).
ExpectedBuild PredictBuild(const std::vector<std::string>& parameterLines, Int32 total,
                           const DigitTableOnDisk& digitTable, Int32 gincBefore);

// Fails the run when the stored record is not the one expected.
void CheckRecord(const std::string& actual, const ExpectedRecord& expected);

}  // namespace fuzz
