#include "platform/gfx/picture_cache.h"

#include <algorithm>
#include <optional>

#include "platform/fs/paths.h"
#include "platform/gfx/picture.h"

namespace iv {

namespace {

// Room for a dozen full-screen skins.
constexpr std::size_t kProcessCacheBytes = 16u << 20;
constexpr std::size_t kProcessCacheEntries = 64;

}  // namespace

PictureCache::PictureCache(std::size_t maxBytes, std::size_t maxEntries)
    : max_bytes_(maxBytes), max_entries_(maxEntries) {}

PictureCache &PictureCache::Instance() {
  static PictureCache cache(kProcessCacheBytes, kProcessCacheEntries);
  return cache;
}

std::shared_ptr<const Bitmap> PictureCache::Load(const std::string &path) {
  const std::string key = CurrentDirectory() + '\n' + path;
  // Taken before the file is read: a file changed meanwhile is read again next time.
  const std::optional<std::int64_t> size = FileSize(path);
  const std::optional<std::int64_t> modified = ModificationTime(path);
  const auto found = std::find_if(entries_.begin(), entries_.end(), [&key](const Entry &entry) { return entry.key == key; });
  if (found != entries_.end()) {
    if (found->size == size && found->modified == modified) {
      entries_.splice(entries_.begin(), entries_, found);
      return found->picture;
    }
    Drop(found);
  }
  auto picture = std::make_shared<const Bitmap>(LoadPicture(path));
  if (size && modified) {
    const std::size_t bytes = std::size_t(picture->Stride()) * std::size_t(picture->Height());
    Keep({key, *size, *modified, picture, bytes});
  }
  return picture;
}

void PictureCache::Keep(Entry entry) {
  if (entry.bytes > max_bytes_ || max_entries_ == 0) return;
  bytes_ += entry.bytes;
  entries_.push_front(std::move(entry));
  while (bytes_ > max_bytes_ || entries_.size() > max_entries_) Drop(std::prev(entries_.end()));
}

void PictureCache::Drop(std::list<Entry>::iterator entry) {
  bytes_ -= entry->bytes;
  entries_.erase(entry);
}

}  // namespace iv
