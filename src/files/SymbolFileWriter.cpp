#include "files/SymbolFileWriter.h"

#include <cerrno>

#include "files/FileFaults.h"
#include "framework/Nil.h"
#include "framework/Runtime.h"
#include "framework/TextOutputStream.h"
#include "state/Module1.h"

namespace files {
namespace {

void WriteRecords(const std::shared_ptr<framework::FolderItem>& file) {
  const auto stream = framework::TextOutputStream::Create(file);
  const framework::Int32 count = Module1::ginc;
  const auto& records = framework::NotNil(Module1::gStringArray, "gStringArray");
  for (framework::Int32 index = 1; index <= count; ++index) {
    framework::LoopYield();
    stream->Write(records(index));
  }
  stream->Commit();
}

// A save that stops never commits, so a file that was there is as it was, and none is made where
// none was.
framework::String SaveFault(const framework::FolderItem& file, bool existed, const framework::RuntimeException& error) {
  if (const auto* failure = dynamic_cast<const framework::IOException*>(&error)) {
    // The system's numbers for a folder and for a pipe, a device or a socket: no room would help.
    const bool notAFile = failure->ErrorNumber() == EISDIR || failure->ErrorNumber() == ENXIO;
    return "Symbol file " + Quoted(file) + " could not be saved: " + failure->Reason() + ". " +
           (existed ? "It is left as it was" : "No file was created") + ", and the symbols built are kept: " +
           (notAFile ? "choose a file to save to" : "make room or choose another place") + ", then save again.";
  }
  if (Module1::ginc <= Module1::kOutputRecordBound) return {};
  const framework::String fate = existed ? "symbol file " + Quoted(file) + " is left as it was"
                                         : "no symbol file " + Quoted(file) + " was created";
  return "A run holds at most " + std::to_string(Module1::kOutputRecordBound) +
         " output records, and this one went past them, so nothing can be saved in it: " + fate +
         ". Restart the program to start afresh, and build fewer symbols in a run.";
}

}  // namespace

void SaveSymbolFile(const std::shared_ptr<framework::FolderItem>& file) {
  // Before the save makes anything, so that what it made is never taken for what was there.
  const bool existed = file && file->Exists();
  try {
    WriteRecords(file);
  } catch (framework::RuntimeException& error) {
    if (file) error.Explain(SaveFault(*file, existed, error));
    throw;
  }
}

}  // namespace files
