#include "state/Module1.h"

#include <algorithm>

namespace Module1 {

std::shared_ptr<StringArray> gStringArray;
Int32 ginc = 0;
std::shared_ptr<StringArray> gSymbolParameters;
Int32 total = 0;
std::shared_ptr<StringArray> gNumbers;
Int32 gNumTotal = 0;

void Initialize() {
  gStringArray = std::make_shared<StringArray>(kOutputRecordBound);
  ginc = 0;
  gSymbolParameters = std::make_shared<StringArray>(kParameterLineBound);
  total = 0;
  gNumbers = std::make_shared<StringArray>(kDigitTableBound);
  gNumTotal = 0;
}

void Finalize() {
  for (auto* global : {&gStringArray, &gSymbolParameters, &gNumbers}) {
    auto held = std::move(*global);
    *global = nullptr;
    held.reset();
  }
}

void TakeBack(const std::shared_ptr<StringArray>& array, Int32& count, Int32 kept) {
  StringArray& target = framework::NotNil(array, "the array");
  const Int32 last = std::min(count, target.UpperBound());
  for (Int32 index = kept + 1; index <= last; ++index) target.Store(index, {});
  count = kept;
}

}  // namespace Module1
