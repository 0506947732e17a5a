#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "framework/Exceptions.h"
#include "framework/LineReader.h"
#include "framework/TextInputStream.h"
#include "support/TempFolder.h"

namespace {

using Lines = std::vector<std::string>;

// Hands out the bytes in chunks of at most chunkSize, to show that no line rule depends on
// where a read ends.
framework::LineReader::Source ChunkedSource(std::string bytes, std::size_t chunkSize) {
  return [bytes = std::move(bytes), chunkSize, offset = std::size_t{0}](char* buffer, std::size_t capacity) mutable {
    const std::size_t count = std::min({chunkSize, capacity, bytes.size() - offset});
    std::memcpy(buffer, bytes.data() + offset, count);
    offset += count;
    return count;
  };
}

Lines ReadAll(const std::string& bytes, std::size_t chunkSize) {
  framework::LineReader reader(ChunkedSource(bytes, chunkSize), 4);
  Lines lines;
  while (!reader.AtEnd()) lines.push_back(reader.ReadLine());
  return lines;
}

TEST(LineReaderTest, LineEndsAndByteOrderMark) {
  const struct {
    const char* name;
    std::string bytes;
    Lines lines;
  } cases[] = {
      {"empty", "", {}},
      {"LF", "a\nb\n", {"a", "b"}},
      {"CR LF", "a\r\nb\r\n", {"a", "b"}},
      {"lone CR", "a\rb\r", {"a", "b"}},
      {"mixed", "a\r\n\nb\rc", {"a", "", "b", "c"}},
      {"no final line end", "a\nb", {"a", "b"}},
      {"CR then LF is one end, LF then CR two", "a\n\rb", {"a", "", "b"}},
      {"blank lines kept", "\n\n", {"", ""}},
      {"byte-order mark dropped", "\xEF\xBB\xBFx,1\n", {"x,1"}},
      {"only a byte-order mark", "\xEF\xBB\xBF", {}},
      {"partial mark is data", "\xEF\xBBz\n", {"\xEF\xBBz"}},
      {"mark later in the file is data",
       "a\n\xEF\xBB\xBF"
       "b",
       {"a",
        "\xEF\xBB\xBF"
        "b"}},
      {"binary bytes pass through", std::string("\0\xFF\x01\n", 4), {std::string("\0\xFF\x01", 3)}},
  };
  for (const auto& c : cases) {
    for (std::size_t chunk : {1u, 2u, 3u, 64u})
      EXPECT_EQ(ReadAll(c.bytes, chunk), c.lines) << c.name << ", chunk " << chunk;
  }
}

TEST(LineReaderTest, AReadErrorIsRaisedByTheNextReadLine) {
  int calls = 0;
  framework::LineReader reader([&](char* buffer, std::size_t) -> std::size_t {
    if (++calls == 1) {
      std::memcpy(buffer, "ok\n", 3);
      return 3;
    }
    throw framework::IOException(EIO, "disk gone");
  });
  ASSERT_FALSE(reader.AtEnd());
  EXPECT_EQ(reader.ReadLine(), "ok");
  EXPECT_FALSE(reader.AtEnd());
  EXPECT_THROW(reader.ReadLine(), framework::IOException);
}

TEST(TextInputStreamTest, ReadsALongLineWhole) {
  TempFolder folder;
  const std::string longLine(10 * 1024 * 1024, 'x');
  const auto file = std::make_shared<framework::FolderItem>(folder.Write("long.txt", longLine + "\r\nend"));
  auto stream = framework::TextInputStream::Open(file);
  EXPECT_EQ(stream->ReadLine(), longLine);
  EXPECT_EQ(stream->ReadLine(), "end");
  EXPECT_TRUE(stream->Eof());
}

TEST(TextInputStreamTest, FilesThatCannotBeOpened) {
  TempFolder folder;
  const struct {
    const char* name;
    std::filesystem::path path;
    int error;
  } cases[] = {
      {"missing", folder.Path() / "absent.txt", ENOENT},
      {"a folder", folder.Path(), EISDIR},
      {"a pipe with no writer", folder.Path() / "pipe", ENXIO},
      {"a device", "/dev/zero", ENXIO},
  };
  ASSERT_EQ(::mkfifo((folder.Path() / "pipe").c_str(), 0600), 0);
  for (const auto& c : cases) {
    const auto file = std::make_shared<framework::FolderItem>(c.path);
    try {
      framework::TextInputStream::Open(file);
      ADD_FAILURE() << c.name;
    } catch (const framework::IOException& error) {
      EXPECT_EQ(error.ErrorNumber(), c.error) << c.name;
      EXPECT_EQ(file->LastErrorCode(), c.error) << c.name;
      EXPECT_NE(std::string(error.what()).find(c.path.string()), std::string::npos) << c.name;
    }
  }
  EXPECT_THROW(framework::TextInputStream::Open(nullptr), framework::NilObjectException);
}

}  // namespace
