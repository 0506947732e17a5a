#include <gtest/gtest.h>

#include <string>

#include "builder/PlateId.h"
#include "builder/UnusableNumber.h"

namespace {

using builder::PlateIdOf;
using builder::UnusableNumberException;

// Readers take the attribute record by columns: whatever form a plate ID was typed in, it is
// written as three plain digits.
TEST(PlateIdTest, AWholeValueIsWrittenAsItsThreeDigitsAndOneOutsideTheRangeAs101) {
  const struct {
    const char* field;
    const char* written;
  } cases[] = {
      {"512", "512"},
      {"100", "100"},
      {"999", "999"},
      {"512.0", "512"},
      {" 300", "300"},
      {"300 ", "300"},
      {"+512", "512"},
      {"0512", "512"},
      {"5e2", "500"},
      {"512 km", "512"},
      {"1e2", "100"},
      {"999.0", "999"},
      {"42", "101"},
      {"1000", "101"},
      {"99.5", "101"},
      {"999.5", "101"},
      {"-512", "101"},
      {"", "101"},
      {"PLATE", "101"},
      {"1e309", "101"},
      {"-1e309", "101"},
      {"999.0000000000001", "101"},
      {"99.99999999999999999", "100"},
  };
  for (const auto& c : cases) EXPECT_EQ(PlateIdOf(c.field), c.written) << '"' << c.field << '"';
}

TEST(PlateIdTest, AValueWithinTheRangeThatIsNotWholeRaisesNamingItsText) {
  for (const char* field : {"512.7", "100.5", " 998.999", "512.7 Ma", "100.25"}) {
    try {
      PlateIdOf(field);
      ADD_FAILURE() << '"' << field << "\": written";
    } catch (const UnusableNumberException& error) {
      EXPECT_EQ(error.Why(), UnusableNumberException::Cause::PlateIdNotWhole);
      EXPECT_EQ(error.Text(), field);
      EXPECT_EQ(std::string(error.what()),
                "plate ID \"" + std::string(field) + "\" lies within 100 to 999 but is not a whole number");
    }
  }
}

}  // namespace
