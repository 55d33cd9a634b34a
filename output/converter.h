// The image converter: loads a bitmap file and writes it out as GIF files.
#pragma once

#include <string>

#include "platform/file_system.h"

/// Turns a bitmap file into GIF files. It holds one loaded picture at a time.
class Converter {
 public:
  virtual ~Converter() = default;

  /// Loads the picture of the bitmap file `path`, read through `files`, in place of any picture
  /// held before. False, with the reason in `*err`, when the file cannot be read as a bitmap.
  virtual bool carica_bitmap(FileSystem& files, const std::string& path, std::string* err) = 0;

  /// Writes the loaded picture as the GIF file `path`, replacing a file of that name; the
  /// file is complete when the call returns. False, with the reason in `*err`, on failure.
  virtual bool salva_gif(FileSystem& files, const std::string& path, std::string* err) = 0;

  /// Lets go of the loaded picture; the bitmap file is no longer held.
  virtual void rilascia_immagine() = 0;
};
