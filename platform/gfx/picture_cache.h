#pragma once
// Decoded pictures kept by file, so the skins a screen loads at every ShowForm are decoded
// once per process. An entry serves only while its file keeps the size and modification time
// it was decoded with; past the byte or entry limit the least recently used entries go.
#include <cstddef>
#include <cstdint>
#include <list>
#include <memory>
#include <string>

#include "platform/gfx/bitmap.h"

namespace iv {

class PictureCache {
 public:
  PictureCache(std::size_t maxBytes, std::size_t maxEntries);
  // The cache of the process's picture controls.
  static PictureCache &Instance();

  // The file's picture as LoadPicture decodes it, with the same errors.
  std::shared_ptr<const Bitmap> Load(const std::string &path);

 private:
  struct Entry {
    std::string key;  // current directory and path: a relative path names another file elsewhere
    std::int64_t size;
    std::int64_t modified;
    std::shared_ptr<const Bitmap> picture;
    std::size_t bytes;
  };
  void Keep(Entry entry);
  void Drop(std::list<Entry>::iterator entry);

  std::size_t max_bytes_;
  std::size_t max_entries_;
  std::size_t bytes_ = 0;
  std::list<Entry> entries_;  // most recently used first
};

}  // namespace iv
