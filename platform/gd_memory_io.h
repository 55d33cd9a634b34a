// libgd input and output held in memory, moved a byte at a time as cheaply as possible: the
// bitmap codec reads and writes every pixel as a separate byte, and libgd's own memory
// context copies each one through three calls.
#pragma once

#include <gd.h>

#include <cstddef>
#include <string_view>
#include <vector>

/// A gdIOCtx that collects what libgd writes.
class GdMemorySink {
 public:
  GdMemorySink();
  GdMemorySink(const GdMemorySink&) = delete;
  GdMemorySink& operator=(const GdMemorySink&) = delete;

  gdIOCtx* context() { return &context_; }
  const std::vector<unsigned char>& bytes() const { return bytes_; }

 private:
  static GdMemorySink& of(gdIOCtx* context);
  static void put_byte(gdIOCtx* context, int byte);
  static int put_bytes(gdIOCtx* context, const void* data, int size);
  static int seek(gdIOCtx* context, int position);
  static long tell(gdIOCtx* context);

  gdIOCtx context_;
  std::vector<unsigned char> bytes_;
  std::size_t position_ = 0;
};

/// A gdIOCtx from which libgd reads `bytes`, which must outlive it.
class GdMemorySource {
 public:
  explicit GdMemorySource(std::string_view bytes);
  GdMemorySource(const GdMemorySource&) = delete;
  GdMemorySource& operator=(const GdMemorySource&) = delete;

  gdIOCtx* context() { return &context_; }

 private:
  static GdMemorySource& of(gdIOCtx* context);
  static int get_byte(gdIOCtx* context);
  static int get_bytes(gdIOCtx* context, void* data, int size);
  static int seek(gdIOCtx* context, int position);
  static long tell(gdIOCtx* context);

  gdIOCtx context_;
  std::string_view bytes_;
  std::size_t position_ = 0;
};
