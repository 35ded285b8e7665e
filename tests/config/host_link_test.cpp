// The way to the host: what each operation hands over, the one rule for a missing host, table
// or operation, and the handles through which the host posts to a form and fills a picture.
#include "config/host_link.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "config/host_handles.h"
#include "platform/display/display.h"
#include "platform/gfx/picture.h"
#include "platform/gfx/picture_limits.h"
#include "platform/gfx/png_writer.h"
#include "platform/ui/application.h"
#include "platform/ui/form.h"
#include "platform/ui/image.h"
#include "platform/ui/keyboard.h"
#include "tests/ui/ui_test_support.h"

namespace iv {
namespace {

// Records each call as "operation argument", a text with the count and length stored before it.
struct RecordingHost {
  RecordingHost() {
    vtbl.ReportError = [](THostServices *self, const char *text) IV_CALL { Of(self).Record("ReportError", text); };
    vtbl.LoadSkinImage = [](THostServices *self, IvControl *control, const char *name) IV_CALL {
      Of(self).controls.push_back(control);
      Of(self).Record("LoadSkinImage", name);
    };
    vtbl.FormActivated = [](THostServices *self, IvForm *form) IV_CALL {
      Of(self).forms.push_back(form);
      Of(self).calls.push_back("FormActivated");
    };
    vtbl.TextToValue = [](THostServices *self, const char *text, std::int32_t kind, IvVariant *out) IV_CALL {
      Of(self).Record("TextToValue " + std::to_string(kind), text);
      static char answer[] = "12.5";
      *out = {IV_VAR_STRING, 7, 2.5, answer};
    };
    vtbl.PrintText = [](THostServices *self, const char *text) IV_CALL { Of(self).Record("PrintText", text); };
    binding.services = {&vtbl, {}, 0, "WATER"};
    binding.host = this;
  }
  static RecordingHost &Of(THostServices *self) { return *reinterpret_cast<Binding *>(self)->host; }
  void Record(const std::string &operation, const char *text) {
    std::int32_t header[2];
    std::memcpy(header, text - sizeof header, sizeof header);
    calls.push_back(operation + " " + text + " (" + std::to_string(header[0]) + "," + std::to_string(header[1]) + ")");
  }

  struct Binding {
    THostServices services;
    RecordingHost *host;
  } binding;
  THostServicesVtbl vtbl{};
  std::vector<std::string> calls;
  std::vector<IvControl *> controls;
  std::vector<IvForm *> forms;
};

TEST(HostLinkTest, EachOperationReachesTheHostOnceWithItsArguments) {
  RecordingHost recording;
  const HostLink host(&recording.binding.services);
  IvControl control{};
  IvForm form{};
  EXPECT_EQ(host.BusinessKey(), "WATER");
  EXPECT_TRUE(host.ReportError("GetPrintFile ErrorCode=[2]"));
  EXPECT_TRUE(host.LoadSkinImage(&control, "MenuBack"));
  EXPECT_TRUE(host.FormActivated(&form));
  EXPECT_TRUE(host.PrintText("line\r\n"));
  const std::optional<HostValue> value = host.TextToValue(" 12 ", 2);
  ASSERT_TRUE(value.has_value());
  EXPECT_EQ(value->type, IV_VAR_STRING);
  EXPECT_EQ(value->i, 7);
  EXPECT_EQ(value->d, 2.5);
  EXPECT_EQ(value->s, "12.5") << "the host's string is copied";
  EXPECT_EQ(recording.calls, (std::vector<std::string>{"ReportError GetPrintFile ErrorCode=[2] (-1,26)",
                                                       "LoadSkinImage MenuBack (-1,8)", "FormActivated",
                                                       "PrintText line\r\n (-1,6)", "TextToValue 2  12  (-1,4)"}));
  EXPECT_EQ(recording.controls, std::vector<IvControl *>{&control});
  EXPECT_EQ(recording.forms, std::vector<IvForm *>{&form});
}

TEST(HostLinkTest, AMissingHostTableOrOperationIsNeverCalled) {
  RecordingHost recording;
  THostServices tableless{nullptr, {}, 0, nullptr};
  THostServicesVtbl empty{};
  THostServices operationless{&empty, {}, 0, "GAS"};
  IvControl control{};
  IvForm form{};
  for (THostServices *services : {static_cast<THostServices *>(nullptr), &tableless, &operationless}) {
    const HostLink host(services);
    EXPECT_FALSE(host.ReportError("error"));
    EXPECT_FALSE(host.LoadSkinImage(&control, "MenuBack"));
    EXPECT_FALSE(host.FormActivated(&form));
    EXPECT_FALSE(host.PrintText("text"));
    EXPECT_FALSE(host.TextToValue("1", 1).has_value());
  }
  EXPECT_EQ(HostLink(nullptr).BusinessKey(), "");
  EXPECT_EQ(HostLink(&tableless).BusinessKey(), "") << "a NULL key reads as empty";
  EXPECT_EQ(HostLink(&operationless).BusinessKey(), "GAS");
  EXPECT_TRUE(recording.calls.empty());
}

class HostHandlesTest : public ::testing::Test {
 protected:
  void SetUp() override { test::UseHeadlessDisplay(); }
  Application &app = Application::Instance();
};

TEST_F(HostHandlesTest, AFormHandlePostsBehindTheQueuedWorkAndRefusesNonsense) {
  const std::string path = ::testing::TempDir() + "host_handle_snapshot.png";
  std::vector<std::string> log;
  auto *form = app.CreateForm<Form>();
  form->SetBounds(10, 20, 64, 48);
  test::Probe probe(*form, "probe", log, Bounds(8, 8, 4, 4));
  form->OnKeyDown = [&log](Control &, std::uint16_t &key, TShiftState) { log.push_back("key " + std::to_string(key)); };
  HostFormHandle handle(*form);
  IvForm *host = handle.Get();
  EXPECT_EQ(host->ops->PostKey(host, VK_DOWN), 1);
  EXPECT_EQ(host->ops->PostClick(host, 9, 10), 1);
  EXPECT_EQ(host->ops->PostSnapshot(host, path.c_str()), 1);
  EXPECT_EQ(host->ops->PostSnapshot(host, nullptr), 0);
  EXPECT_EQ(host->ops->PostSnapshot(host, ""), 0);
  EXPECT_EQ(host->ops->PostKey(host, 0), 0);
  EXPECT_EQ(host->ops->PostKey(host, 0xFF), 0);
  EXPECT_EQ(host->ops->PostKey(nullptr, VK_DOWN), 0);
  app.ShowModal(*form);
  EXPECT_EQ(log, (std::vector<std::string>{"key 40", "probe enter", "probe down 1,2", "probe up 1,2", "probe click"}));
  EXPECT_EQ(LoadPicture(path).Width(), 64) << "the snapshot of the form";
  app.FreeForm(form);
  std::filesystem::remove(path);
}

TEST_F(HostHandlesTest, AnImageHandleLoadsFilesAndCopiesPixelRowsButRefusesNonsense) {
  Form form;
  Image image(form);
  image.SetPicture(Bitmap(4, 2));
  HostImageHandle host(image);
  IvControl *handle = host.Get();
  const std::string png = ::testing::TempDir() + "host_handle_picture.png";
  WritePng(Bitmap(7, 3), png);
  EXPECT_EQ(handle->ops->LoadPicture(handle, png.c_str()), 1);
  EXPECT_EQ(image.Picture().Width(), 7);
  std::filesystem::remove(png);
  EXPECT_EQ(handle->ops->LoadPicture(handle, png.c_str()), 0);  // gone
  EXPECT_EQ(handle->ops->LoadPicture(handle, "picture.txt"), 0);
  EXPECT_EQ(handle->ops->LoadPicture(handle, nullptr), 0);
  EXPECT_EQ(image.Picture().Width(), 7) << "a failed load keeps the picture";

  // Two rows of two pixels, each row padded to 8 bytes.
  const unsigned char bgr[] = {0, 0, 255, 255, 0, 0, 9, 9, 0, 255, 0, 255, 255, 255, 9, 9};
  EXPECT_EQ(handle->ops->SetPixels(handle, 2, 2, 8, nullptr), 0);
  EXPECT_EQ(handle->ops->SetPixels(handle, 0, 2, 8, bgr), 0);
  EXPECT_EQ(handle->ops->SetPixels(handle, 2, -1, 8, bgr), 0);
  EXPECT_EQ(handle->ops->SetPixels(handle, 2, 2, 5, bgr), 0);  // rows would overlap
  EXPECT_EQ(handle->ops->SetPixels(handle, kMaxPictureSide + 1, 1, 3 * (kMaxPictureSide + 1), bgr), 0);
  EXPECT_EQ(image.Picture().Width(), 7);
  ASSERT_EQ(handle->ops->SetPixels(handle, 2, 2, 8, bgr), 1);
  EXPECT_EQ(image.Picture().Pixel(0, 0), clRed);
  EXPECT_EQ(image.Picture().Pixel(1, 0), clBlue);
  EXPECT_EQ(image.Picture().Pixel(0, 1), clLime);
  EXPECT_EQ(image.Picture().Pixel(1, 1), clWhite);
}

}  // namespace
}  // namespace iv
