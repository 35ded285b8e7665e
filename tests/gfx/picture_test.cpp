#include "platform/gfx/picture.h"

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

  // A 24-bit bitmap file as Windows writes one: rows bottom-up, each padded to 4 bytes.
  void WriteBmp(const std::string &path) const {
    const int w = sample_.Width(), h = sample_.Height();
    const std::uint32_t stride = std::uint32_t(w * 3 + 3) / 4 * 4, size = 54 + stride * std::uint32_t(h);
    std::vector<std::uint8_t> file(size, 0);
    auto put = [&file](std::size_t at, std::uint32_t value, int bytes) {
      for (int i = 0; i < bytes; ++i) file[at + std::size_t(i)] = std::uint8_t(value >> (8 * i));
    };
    file[0] = 'B', file[1] = 'M';
    put(2, size, 4), put(10, 54, 4), put(14, 40, 4), put(18, std::uint32_t(w), 4), put(22, std::uint32_t(h), 4);
    put(26, 1, 2), put(28, 24, 2);
    for (int y = 0; y < h; ++y) std::memcpy(&file[54 + stride * std::uint32_t(h - 1 - y)], sample_.Row(y), std::size_t(w) * 3);
    Save(path, file);
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
    } catch (const PictureError &error) {
      EXPECT_STREQ(error.what(), message);
    }
  }
}

TEST_F(PictureTest, BrokenFilesGiveACleanError) {
  EXPECT_THROW(LoadPicture(PathOf("missing.jpg")), PictureError);
  EXPECT_THROW(LoadPicture(std::string(IV_TEST_DATA) + "/gfx/corrupt.jpg"), PictureError);

  WritePng(sample_, PathOf("whole.png"));
  std::vector<std::uint8_t> png = Bytes(PathOf("whole.png"));
  Save(PathOf("cut.png"), {png.begin(), png.begin() + std::ptrdiff_t(png.size() / 2)});
  EXPECT_THROW(LoadPicture(PathOf("cut.png")), PictureError);

  WriteBmp(PathOf("whole.bmp"));
  std::vector<std::uint8_t> bmp = Bytes(PathOf("whole.bmp"));
  Save(PathOf("cut.bmp"), {bmp.begin(), bmp.begin() + 40});
  EXPECT_THROW(LoadPicture(PathOf("cut.bmp")), PictureError);
  Save(PathOf("empty.jpg"), {});
  EXPECT_THROW(LoadPicture(PathOf("empty.jpg")), PictureError);
}

TEST_F(PictureTest, AbsurdDimensionsAreRefusedBeforeDecoding) {
  WriteBmp(PathOf("whole.bmp"));
  std::vector<std::uint8_t> bmp = Bytes(PathOf("whole.bmp"));
  bmp[18] = 0x00, bmp[19] = 0x00, bmp[20] = 0x01, bmp[21] = 0x00;  // width 65536
  EXPECT_THROW(DecodeBmp(bmp), PictureError);

  WriteJpeg(PathOf("whole.jpg"));
  std::vector<std::uint8_t> jpeg = Bytes(PathOf("whole.jpg"));
  // The frame header (SOF0) holds height and width after its length and precision.
  for (std::size_t i = 0; i + 8 < jpeg.size(); ++i)
    if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {
      jpeg[i + 5] = 0xFF, jpeg[i + 6] = 0xFF, jpeg[i + 7] = 0xFF, jpeg[i + 8] = 0xFF;
      break;
    }
  EXPECT_THROW(DecodeJpeg(jpeg), PictureError);
}

// A bitmap file of the given header fields (40-byte header), extra bytes (masks or colour
// table) and pixel rows.
std::vector<std::uint8_t> BmpFile(std::int32_t width, std::int32_t height, int bits, std::uint32_t compression,
                                  const std::vector<std::uint8_t> &extra, const std::vector<std::uint8_t> &rows) {
  std::vector<std::uint8_t> file(54);
  auto put = [&file](std::size_t at, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) file[at + std::size_t(i)] = std::uint8_t(value >> (8 * i));
  };
  file[0] = 'B', file[1] = 'M';
  put(10, std::uint32_t(54 + extra.size()), 4), put(14, 40, 4), put(18, std::uint32_t(width), 4);
  put(22, std::uint32_t(height), 4), put(26, 1, 2), put(28, std::uint32_t(bits), 2), put(30, compression, 4);
  if (bits <= 8) put(46, std::uint32_t(extra.size() / 4), 4);  // colours in the table
  for (const auto *part : {&extra, &rows})
    for (std::uint8_t byte : *part) file.push_back(byte);
  return file;
}

TEST_F(PictureTest, BitmapFilesOfEveryDepthDecodeToTheirColours) {
  // 8 bits, top-down, a two-colour table (blue, green, red, unused each).
  const Bitmap indexed = DecodeBmp(BmpFile(3, -2, 8, 0, {255, 0, 0, 0, 0, 0, 255, 0}, {0, 1, 0, 0, 1, 1, 0, 0}));
  EXPECT_EQ(indexed.Pixel(0, 0), clBlue);
  EXPECT_EQ(indexed.Pixel(1, 0), clRed);
  EXPECT_EQ(indexed.Pixel(0, 1), clRed);
  EXPECT_EQ(indexed.Pixel(2, 1), clBlue);
  // 1 bit, bottom-up: the last stored row is the top one.
  const Bitmap mono = DecodeBmp(BmpFile(2, 2, 1, 0, {0, 0, 0, 0, 255, 255, 255, 0}, {0x80, 0, 0, 0, 0x40, 0, 0, 0}));
  EXPECT_EQ(mono.Pixel(0, 0), clBlack);
  EXPECT_EQ(mono.Pixel(1, 0), clWhite);
  EXPECT_EQ(mono.Pixel(0, 1), clWhite);
  // 16 bits with 5-6-5 masks: pure red, then full green.
  const Bitmap masked = DecodeBmp(BmpFile(2, 1, 16, 3, {0, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0},
                                          {0x00, 0xF8, 0xE0, 0x07}));
  EXPECT_EQ(masked.Pixel(0, 0), clRed);
  EXPECT_EQ(masked.Pixel(1, 0), clLime);
  // 32 bits with the default masks: the fourth byte is ignored.
  EXPECT_EQ(DecodeBmp(BmpFile(1, 1, 32, 0, {}, {0x10, 0x20, 0x30, 0xFF})).Pixel(0, 0), RGB(0x30, 0x20, 0x10));
  EXPECT_THROW(DecodeBmp(BmpFile(1, 1, 8, 1, {}, {0, 0, 0, 0})), PictureError) << "run-length compressed";
  EXPECT_THROW(DecodeBmp(BmpFile(4, 4, 24, 0, {}, {1, 2, 3})), PictureError) << "rows cut off";
}

TEST_F(PictureTest, WritingToAnImpossiblePathFails) {
  EXPECT_THROW(WritePng(sample_, PathOf("no/such/folder/x.png")), std::runtime_error);
}

}  // namespace
}  // namespace iv
