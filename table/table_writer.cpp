#include "table/table_writer.h"

namespace table {

namespace {
constexpr std::size_t kBufferSize = std::size_t{64} * 1024;
}

TableWriter::TableWriter() { buffer_.reserve(kBufferSize); }

bool TableWriter::create(const char* name) {
  failed_ = false;
  buffer_.clear();
  return file_.create_for_writing(name);
}

bool TableWriter::open_for_appending(const char* name) {
  failed_ = false;
  buffer_.clear();
  return file_.open_for_appending(name);
}

void TableWriter::write(std::string_view bytes) {
  if (failed_) return;
  if (buffer_.size() + bytes.size() > kBufferSize) flush();
  if (bytes.size() >= kBufferSize) {
    if (!failed_ && !file_.write(bytes.data(), bytes.size())) failed_ = true;
    return;
  }
  buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
}

void TableWriter::flush() {
  if (!failed_ && !buffer_.empty() && !file_.write(buffer_.data(), buffer_.size())) failed_ = true;
  buffer_.clear();
}

bool TableWriter::finish() {
  flush();
  bool closed = file_.close();
  return !failed_ && closed;
}

}  // namespace table
