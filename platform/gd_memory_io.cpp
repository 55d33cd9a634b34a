// libgd input and output held in memory.
#include "platform/gd_memory_io.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

// The contexts live on their owners, so libgd must never free them.
void not_freed(gdIOCtx*) {}

}  // namespace

GdMemorySink::GdMemorySink() : context_{} {
  context_.putC = put_byte;
  context_.putBuf = put_bytes;
  context_.seek = seek;
  context_.tell = tell;
  context_.gd_free = not_freed;
  context_.data = this;
}

GdMemorySink& GdMemorySink::of(gdIOCtx* context) {
  return *static_cast<GdMemorySink*>(context->data);
}

void GdMemorySink::put_byte(gdIOCtx* context, int byte) {
  GdMemorySink& sink = of(context);
  const auto value = static_cast<unsigned char>(byte);
  if (sink.position_ < sink.bytes_.size()) {
    sink.bytes_[sink.position_] = value;
  } else {
    sink.bytes_.push_back(value);
  }
  ++sink.position_;
}

int GdMemorySink::put_bytes(gdIOCtx* context, const void* data, int size) {
  GdMemorySink& sink = of(context);
  if (size <= 0) return 0;
  const auto count = static_cast<std::size_t>(size);
  if (sink.bytes_.size() < sink.position_ + count) sink.bytes_.resize(sink.position_ + count);
  std::memcpy(sink.bytes_.data() + sink.position_, data, count);
  sink.position_ += count;
  return size;
}

int GdMemorySink::seek(gdIOCtx* context, int position) {
  if (position < 0) return 0;
  GdMemorySink& sink = of(context);
  sink.position_ = static_cast<std::size_t>(position);
  if (sink.bytes_.size() < sink.position_) sink.bytes_.resize(sink.position_);
  return 1;
}

long GdMemorySink::tell(gdIOCtx* context) { return static_cast<long>(of(context).position_); }

GdMemorySource::GdMemorySource(std::string_view bytes) : context_{}, bytes_(bytes) {
  context_.getC = get_byte;
  context_.getBuf = get_bytes;
  context_.seek = seek;
  context_.tell = tell;
  context_.gd_free = not_freed;
  context_.data = this;
}

GdMemorySource& GdMemorySource::of(gdIOCtx* context) {
  return *static_cast<GdMemorySource*>(context->data);
}

int GdMemorySource::get_byte(gdIOCtx* context) {
  GdMemorySource& source = of(context);
  if (source.position_ >= source.bytes_.size()) return EOF;
  return static_cast<unsigned char>(source.bytes_[source.position_++]);
}

int GdMemorySource::get_bytes(gdIOCtx* context, void* data, int size) {
  GdMemorySource& source = of(context);
  if (size <= 0 || source.position_ >= source.bytes_.size()) return 0;
  const std::size_t count =
      std::min(static_cast<std::size_t>(size), source.bytes_.size() - source.position_);
  std::memcpy(data, source.bytes_.data() + source.position_, count);
  source.position_ += count;
  return static_cast<int>(count);
}

int GdMemorySource::seek(gdIOCtx* context, int position) {
  GdMemorySource& source = of(context);
  if (position < 0 || static_cast<std::size_t>(position) > source.bytes_.size()) return 0;
  source.position_ = static_cast<std::size_t>(position);
  return 1;
}

long GdMemorySource::tell(gdIOCtx* context) { return static_cast<long>(of(context).position_); }
