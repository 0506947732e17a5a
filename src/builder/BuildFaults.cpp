#include "builder/BuildFaults.h"

#include "builder/UnusableNumber.h"
#include "framework/Text.h"
#include "state/Module1.h"

namespace builder {
namespace {

using framework::Str;

constexpr Int32 kParameterFields = 8;
constexpr Int32 kDigitTableFields = 4;

// Mending the line and building again would add the symbols above it a second time.
constexpr const char* kMendAndRestart =
    " The symbols above it are built; to build the whole file, mend the line and restart the program first, as each "
    "build adds to the records of this run.";

using Cause = UnusableNumberException::Cause;

String HasTheField(const UnusableNumberException& error) {
  return " has the " + error.Field() + " \"" + error.Text() + "\"";
}

String Unusable(const UnusableNumberException& error) {
  switch (error.Why()) {
    case Cause::BeyondRange:
      return HasTheField(error) + ", a number past the largest that a symbol can be built with (about 1.8e308).";
    case Cause::VertexOverflow:
      return " describes a symbol whose outline cannot be computed: its latitude, longitude, size or bearing, or for "
             "a number label the coordinates of its glyphs, are so large that a vertex comes out past the largest "
             "number there is.";
    case Cause::PlateIdNotWhole:
      return HasTheField(error) +
             ", which is not a whole number; a plate ID is a whole number from 100 to 999, which a symbol file holds "
             "as its three digits.";
  }
  return {};
}

String Holds(bool blank, Int32 fields) {
  if (blank) return " is blank";
  return " has " + Str(fields) + (fields == 1 ? " field" : " fields");
}

}  // namespace

String ParameterLineFault(const BuildContext& context, Int32 line, const framework::RuntimeException& error) {
  const String named = "Parameter line " + Str(line);
  const String bound = Str(Module1::kParameterLineBound);
  if (line > Module1::kParameterLineBound)
    return named + " was not read: only the first " + bound + " lines of a parameter file are, so lines 2 to " + bound +
           " are built. Put the lines after " + bound +
           " in a second file, under a heading line, and open and build it too; a save writes the symbols of both.";
  // The read splits the line before it takes a field, so the split held is this line's.
  const Int32 fields = context.fields.UpperBound() + 1;
  if (fields < kParameterFields)
    return named + Holds(fields == 1 && context.fields(0).empty(), fields) + "; a symbol needs " +
           Str(kParameterFields) + " fields: number, description, plate ID, latitude, longitude, kind, size, bearing." +
           kMendAndRestart;
  if (Module1::ginc > Module1::kOutputRecordBound)
    return "A run holds at most " + Str(Module1::kOutputRecordBound) + " output records, and parameter line " +
           Str(line) +
           " did not fit. Nothing more can be built or saved in this run; restart the program to start afresh, "
           "and build fewer symbols in a run.";
  if (const auto* unusable = dynamic_cast<const UnusableNumberException*>(&error))
    return named + Unusable(*unusable) + kMendAndRestart;
  return {};
}

String DigitTableLineFault(const framework::StringArray& table, Int32 line, const framework::RuntimeException& error) {
  if (line > table.UpperBound()) return {};
  String fault;
  const auto* unusable = dynamic_cast<const UnusableNumberException*>(&error);
  if (unusable != nullptr && unusable->Why() == Cause::BeyondRange) {
    fault = Unusable(*unusable);
  } else {
    const String& text = table(line);
    const Int32 fields = framework::Split(text, ",").UpperBound() + 1;
    if (fields >= kDigitTableFields) return {};
    fault = Holds(text.empty(), fields) + "; each line needs " + Str(kDigitTableFields) +
            " fields: digit, north-south, east-west, pen code.";
  }
  return "Line " + Str(line) + " of the digit table " + Module1::kDigitTableName + fault +
         " The build stopped at a number label, with the symbols above it built; mend the table, then restart the "
         "program and build again.";
}

}  // namespace builder
