#include "platform/gfx/picture.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <jpeglib.h>

#include <cstdio>
#include <cstring>
#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/gfx/png_writer.h"

namespace iv {
namespace {

namespace fs = std::filesystem;

class PictureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("iv_picture_" + std::to_string(::getpid()));
    fs::create_directories(folder_);
    sample_ = Bitmap(8, 6);
    sample_.Fill(clRed);
    sample_.Fill({4, 0, 8, 6}, clBlue);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string PathOf(const std::string &name) const { return (folder_ / name).string(); }

  static std::vector<std::uint8_t> Bytes(const std::string &path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  }
  static void Save(const std::string &path, const std::vector<std::uint8_t> &bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char *>(bytes.data()),
                                                std::streamsize(bytes.size()));
  }

  void WriteJpeg(const std::string &path) const {
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    FILE *file = std::fopen(path.c_str(), "wb");
    jpeg_stdio_dest(&info, file);
    info.image_width = JDIMENSION(sample_.Width());
    info.image_height = JDIMENSION(sample_.Height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(std::size_t(sample_.Width()) * 3);
    while (info.next_scanline < info.image_height) {
      for (int x = 0; x < sample_.Width(); ++x) {
        const TColor c = sample_.Pixel(x, int(info.next_scanline));
        row[x * 3] = GetRValue(c), row[x * 3 + 1] = GetGValue(c), row[x * 3 + 2] = GetBValue(c);
      }
      JSAMPROW pointer = row.data();
      jpeg_write_scanlines(&info, &pointer, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::fclose(file);
  }

  void WriteBmp(const std::string &path) const {
    SDL_Surface *surface = SDL_CreateRGBSurfaceWithFormat(0, sample_.Width(), sample_.Height(), 24,
                                                          SDL_PIXELFORMAT_BGR24);
    for (int y = 0; y < sample_.Height(); ++y)
      std::memcpy(static_cast<std::uint8_t *>(surface->pixels) + y * surface->pitch, sample_.Row(y),
                  std::size_t(sample_.Width()) * 3);
    SDL_SaveBMP(surface, path.c_str());
    SDL_FreeSurface(surface);
  }

  static void ExpectNear(TColor actual, TColor expected, int tolerance) {
    EXPECT_NEAR(GetRValue(actual), GetRValue(expected), tolerance);
    EXPECT_NEAR(GetGValue(actual), GetGValue(expected), tolerance);
    EXPECT_NEAR(GetBValue(actual), GetBValue(expected), tolerance);
  }

  fs::path folder_;
  Bitmap sample_;
};

TEST_F(PictureTest, EachFormatLoadsByItsExtensionInAnyCase) {
  WritePng(sample_, PathOf("a.png"));
  WriteJpeg(PathOf("b.JPG"));
  WriteBmp(PathOf("c.Bmp"));
  fs::copy_file(PathOf("b.JPG"), PathOf("d.jpeg"));
  for (const char *name : {"a.png", "b.JPG", "c.Bmp", "d.jpeg"}) {
    SCOPED_TRACE(name);
    const Bitmap loaded = LoadPicture(PathOf(name));
    ASSERT_EQ(loaded.Width(), 8);
    ASSERT_EQ(loaded.Height(), 6);
    const int tolerance = std::string(name).find('j') != std::string::npos ||
                                  std::string(name).find('J') != std::string::npos
                              ? 40
                              : 0;
    ExpectNear(loaded.Pixel(0, 0), clRed, tolerance);
    ExpectNear(loaded.Pixel(7, 5), clBlue, tolerance);
  }
}

TEST_F(PictureTest, UnknownExtensionsAreNamedInTheError) {
  for (const auto &[name, message] :
       {std::pair{"returnq", "Unknown picture file extension (.)"},
        std::pair{"skin.gif", "Unknown picture file extension (.gif)"},
        std::pair{"dir.png/skin.TXT", "Unknown picture file extension (.TXT)"}}) {
    try {
      LoadPicture(PathOf(name));
      ADD_FAILURE() << name;
    } catch (const EInvalidGraphic &error) {
      EXPECT_STREQ(error.what(), message);
    }
  }
}

TEST_F(PictureTest, BrokenFilesGiveACleanError) {
  EXPECT_THROW(LoadPicture(PathOf("missing.jpg")), EInvalidGraphic);
  EXPECT_THROW(LoadPicture(std::string(IV_TEST_DATA) + "/gfx/corrupt.jpg"), EInvalidGraphic);

  WritePng(sample_, PathOf("whole.png"));
  std::vector<std::uint8_t> png = Bytes(PathOf("whole.png"));
  Save(PathOf("cut.png"), {png.begin(), png.begin() + std::ptrdiff_t(png.size() / 2)});
  EXPECT_THROW(LoadPicture(PathOf("cut.png")), EInvalidGraphic);

  WriteBmp(PathOf("whole.bmp"));
  std::vector<std::uint8_t> bmp = Bytes(PathOf("whole.bmp"));
  Save(PathOf("cut.bmp"), {bmp.begin(), bmp.begin() + 40});
  EXPECT_THROW(LoadPicture(PathOf("cut.bmp")), EInvalidGraphic);
  Save(PathOf("empty.jpg"), {});
  EXPECT_THROW(LoadPicture(PathOf("empty.jpg")), EInvalidGraphic);
}

TEST_F(PictureTest, AbsurdDimensionsAreRefusedBeforeDecoding) {
  WriteBmp(PathOf("whole.bmp"));
  std::vector<std::uint8_t> bmp = Bytes(PathOf("whole.bmp"));
  bmp[18] = 0x00, bmp[19] = 0x00, bmp[20] = 0x01, bmp[21] = 0x00;  // width 65536
  EXPECT_THROW(DecodeBmp(bmp), EInvalidGraphic);

  WriteJpeg(PathOf("whole.jpg"));
  std::vector<std::uint8_t> jpeg = Bytes(PathOf("whole.jpg"));
  // The frame header (SOF0) holds height and width after its length and precision.
  for (std::size_t i = 0; i + 8 < jpeg.size(); ++i)
    if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {
      jpeg[i + 5] = 0xFF, jpeg[i + 6] = 0xFF, jpeg[i + 7] = 0xFF, jpeg[i + 8] = 0xFF;
      break;
    }
  EXPECT_THROW(DecodeJpeg(jpeg), EInvalidGraphic);
}

TEST_F(PictureTest, WritingToAnImpossiblePathFails) {
  EXPECT_THROW(WritePng(sample_, PathOf("no/such/folder/x.png")), std::runtime_error);
}

}  // namespace
}  // namespace iv
