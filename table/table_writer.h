// Buffered, checked writing of the table file.
#ifndef KALVERO_TABLE_TABLE_WRITER_H
#define KALVERO_TABLE_TABLE_WRITER_H

#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace table {

// Collects the bytes of the table file and writes them in large pieces. The
// first failure is remembered; the file is written only once finish() says so.
class TableWriter {
 public:
  TableWriter();

  bool create(const char* name);
  bool open_for_appending(const char* name);

  // Buffers the bytes. After a failure nothing more is written.
  void write(std::string_view bytes);
  bool failed() const { return failed_; }
  // Writes what is buffered and closes the file. False when any write, the
  // final one or the close failed.
  bool finish();

 private:
  void flush();

  platform::File file_;
  std::vector<char> buffer_;
  bool failed_ = false;
};

}  // namespace table

#endif  // KALVERO_TABLE_TABLE_WRITER_H
