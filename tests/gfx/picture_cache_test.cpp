#include "platform/gfx/picture_cache.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/gfx/picture.h"

namespace iv {
namespace {

namespace fs = std::filesystem;

class PictureCacheTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("iv_picture_cache_" + std::to_string(::getpid()));
    fs::create_directories(folder_);
  }
  void TearDown() override {
    fs::current_path(start_);
    fs::remove_all(folder_);
  }

  std::string PathOf(const std::string &name) const { return (folder_ / name).string(); }

  // A one-row, one-colour 24-bit bitmap file: its size depends on the width alone.
  static void WritePicture(const std::string &path, TColor color, int width = 4) {
    const std::uint32_t stride = std::uint32_t(width * 3 + 3) / 4 * 4, size = 54 + stride;
    std::vector<char> file(size, 0);
    auto put = [&file](std::size_t at, std::uint32_t value) {
      for (std::size_t i = 0; i < 4; ++i) file[at + i] = char(value >> (8 * i));
    };
    file[0] = 'B', file[1] = 'M', file[26] = 1, file[28] = 24;  // one plane, 24 bits
    put(2, size), put(10, 54), put(14, 40), put(18, std::uint32_t(width)), put(22, 1);
    for (int x = 0; x < width; ++x) {
      file[54 + 3 * x] = char(GetBValue(color));
      file[55 + 3 * x] = char(GetGValue(color));
      file[56 + 3 * x] = char(GetRValue(color));
    }
    std::ofstream(path, std::ios::binary).write(file.data(), std::streamsize(size));
  }

  const fs::path start_ = fs::current_path();
  fs::path folder_;
};

TEST_F(PictureCacheTest, AChangedFileIsReadAgain) {
  PictureCache cache(1 << 20, 8);
  const std::string path = PathOf("skin.bmp");
  WritePicture(path, clRed);
  const auto first = cache.Load(path);
  EXPECT_EQ(first->Pixel(0, 0), clRed);
  EXPECT_EQ(cache.Load(path), first) << "an unchanged file is decoded once";

  // Same size, new modification time.
  const fs::file_time_type written = fs::last_write_time(path);
  const std::uintmax_t size = fs::file_size(path);
  WritePicture(path, clBlue);
  fs::last_write_time(path, written + std::chrono::seconds(1));
  ASSERT_EQ(fs::file_size(path), size);
  const auto second = cache.Load(path);
  EXPECT_EQ(second->Pixel(0, 0), clBlue);

  // Another size with the modification time put back.
  WritePicture(path, clLime, 5);
  fs::last_write_time(path, written + std::chrono::seconds(1));
  const auto third = cache.Load(path);
  EXPECT_EQ(third->Width(), 5);
  EXPECT_EQ(third->Pixel(0, 0), clLime);

  fs::remove(path);
  EXPECT_THROW(cache.Load(path), PictureError) << "a removed file is no longer shown";
  EXPECT_EQ(first->Pixel(0, 0), clRed) << "pictures handed out stay as they were";
}

TEST_F(PictureCacheTest, ARelativeNameMeansTheFileOfTheCurrentFolder) {
  PictureCache cache(1 << 20, 8);
  for (const char *kiosk : {"a", "b"}) fs::create_directories(folder_ / kiosk);
  WritePicture(PathOf("a/skin.bmp"), clRed);
  WritePicture(PathOf("b/skin.bmp"), clBlue);
  fs::last_write_time(PathOf("b/skin.bmp"), fs::last_write_time(PathOf("a/skin.bmp")));

  fs::current_path(folder_ / "a");
  EXPECT_EQ(cache.Load("skin.bmp")->Pixel(0, 0), clRed);
  fs::current_path(folder_ / "b");
  EXPECT_EQ(cache.Load("skin.bmp")->Pixel(0, 0), clBlue);
}

TEST_F(PictureCacheTest, TheLeastRecentlyUsedGoPastEitherLimit) {
  for (const char *name : {"a.bmp", "b.bmp", "c.bmp"}) WritePicture(PathOf(name), clRed);
  const std::size_t pictureBytes = 12;  // one row of 4 pixels

  // Room for two pictures, by bytes and then by entries.
  for (PictureCache cache : {PictureCache(2 * pictureBytes, 8), PictureCache(1 << 20, 2)}) {
    const auto a = cache.Load(PathOf("a.bmp"));
    const auto b = cache.Load(PathOf("b.bmp"));
    cache.Load(PathOf("a.bmp"));
    cache.Load(PathOf("c.bmp"));
    EXPECT_EQ(cache.Load(PathOf("a.bmp")), a);
    EXPECT_NE(cache.Load(PathOf("b.bmp")), b);
  }

  PictureCache small(pictureBytes - 1, 8);
  const auto a = small.Load(PathOf("a.bmp"));
  EXPECT_EQ(a->Pixel(0, 0), clRed) << "a picture larger than the cache is still loaded";
  EXPECT_NE(small.Load(PathOf("a.bmp")), a);
}

}  // namespace
}  // namespace iv
