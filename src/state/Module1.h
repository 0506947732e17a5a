#pragma once

#include <limits>
#include <memory>
#include <utility>

#include "framework/Array.h"
#include "framework/Nil.h"

// The only data that outlive a button press. Each array is used from index 1 to its count.
namespace Module1 {

using framework::Int32;
using framework::StringArray;

constexpr Int32 kOutputRecordBound = 5000;
constexpr Int32 kParameterLineBound = 500;
constexpr Int32 kDigitTableBound = 500;
// The digit table's file, beside the program, read into gNumbers afresh at every build.
inline constexpr const char* kDigitTableName = "Numbers0_9v3.csv";

// In declaration order, which is also the order of Initialize.
extern std::shared_ptr<StringArray> gStringArray;
extern Int32 ginc;
extern std::shared_ptr<StringArray> gSymbolParameters;
extern Int32 total;
extern std::shared_ptr<StringArray> gNumbers;
extern Int32 gNumTotal;

// Creates the arrays at full size and sets the counts to 0.
void Initialize();
// Sets each array global to Nil, then lets its array go; the counts are left as they are.
void Finalize();

// The count is raised and written back before the text is made, so a failure in making or
// storing it leaves the count raised.
template <typename MakeText>
void Append(const std::shared_ptr<StringArray>& array, Int32& count, MakeText&& makeText) {
  StringArray& target = framework::NotNil(array, "the array");
  if (count == std::numeric_limits<Int32>::max()) throw framework::OutOfBoundsException(count, target.UpperBound());
  count += 1;
  framework::String text = std::forward<MakeText>(makeText)();
  target.Store(count, std::move(text));
}

// Empties the elements after kept and sets the count back to it.
void TakeBack(const std::shared_ptr<StringArray>& array, Int32& count, Int32 kept);

}  // namespace Module1
