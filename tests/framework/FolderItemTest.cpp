#include <gtest/gtest.h>

#include "framework/Exceptions.h"
#include "framework/FolderItem.h"

namespace {

using framework::GetFolderItem;

TEST(FolderItemTest, ANameResolvesAgainstTheProgramFolderAndNeverAgainstTheWorkingFolder) {
  framework::SetProgramFolder({});
  EXPECT_THROW(GetFolderItem("Numbers0_9v3.csv", 0), framework::NilObjectException) << "no program folder is set";
  EXPECT_EQ(GetFolderItem("", 0), nullptr);

  framework::SetProgramFolder("/opt/plotter/bin");
  EXPECT_EQ(GetFolderItem("Numbers0_9v3.csv", 0)->Path(), "/opt/plotter/bin/Numbers0_9v3.csv");
  EXPECT_EQ(GetFolderItem("tables/digits.csv", 0)->Path(), "/opt/plotter/bin/tables/digits.csv");
  framework::SetProgramFolder({});
}

}  // namespace
