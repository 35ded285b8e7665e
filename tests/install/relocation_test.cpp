// Programs and plug-in copied out of the build tree keep working: nothing points back into
// it, and the kiosk's Chinese font names still reach three different faces.
#include <gmock/gmock.h>

#include <map>
#include <sstream>

#include "platform/text/gbk.h"
#include "tests/install/scratch_folder.h"
#include "tests/support/command.h"

namespace iv::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

class CopiedPrograms : public ScratchFolder {
 protected:
  void SetUp() override {
    ScratchFolder::SetUp();
    fs::copy_file(IV_INVOICE_RENDER, root_ / "invoice-render");
    fs::copy_file(IV_KIOSK_HOST, root_ / "kiosk-host");
    // kiosk-host looks for the plug-in next to itself.
    fs::copy_file(IV_PLUGIN_PATH, root_ / "libinvoiceview.so");
    fs::copy(fs::path(IV_SOURCE_DIR) / "examples/kiosk", root_ / "kiosk", fs::copy_options::recursive);
    Write(root_ / "kiosk/INI/Fonts.txt",
          Gbk(u8"<NAME(FONTS)><SETFONT(宋体,0,0,0,16)>宋<SETFONT(黑体,0,0,0,16)>黑"
              u8"<SETFONT(楷体_GB2312,0,0,0,16)>楷<END()>"));
    Write(root_ / "kiosk/head.txt", "x\n");
  }

  // invoice-render --fonts on the three-font template: the face file of each font name.
  std::map<std::string, std::string> FaceFiles(const std::string &environment = "") const {
    const CommandResult run = RunCommand("cd '" + (root_ / "kiosk").string() + "' && " + environment +
                                         " ../invoice-render INI/Fonts.txt FONTS --head head.txt --fonts --out page");
    EXPECT_EQ(run.status, 0) << run.output;
    std::map<std::string, std::string> files;
    std::istringstream lines(run.output);
    for (std::string line; std::getline(lines, line);) {
      const std::size_t file = line.find("\" file=");
      if (line.starts_with("font=\"") && file != std::string::npos)
        files[line.substr(6, file - 6)] = line.substr(file + 7);
    }
    return files;
  }
};

TEST_F(CopiedPrograms, NameNeitherTheSourceNorTheBuildFolder) {
  for (const char *program : {"invoice-render", "kiosk-host", "libinvoiceview.so"}) {
    const fs::path stripped = root_ / (std::string(program) + ".stripped");
    ASSERT_EQ(RunCommand("objcopy --strip-debug '" + (root_ / program).string() + "' '" + stripped.string() + "'")
                  .status,
              0);
    const CommandResult strings = RunCommand("strings '" + stripped.string() + "'");
    ASSERT_EQ(strings.status, 0);
    std::istringstream lines(strings.output);
    for (std::string line; std::getline(lines, line);) {
      // Sanitizer builds name their source files in reports; a path to anything else would be
      // a file the program needs at run time.
      if (line.ends_with(".cpp") || line.ends_with(".h") || line.ends_with(".c")) continue;
      EXPECT_THAT(line, ::testing::Not(HasSubstr(IV_SOURCE_DIR))) << program;
      EXPECT_THAT(line, ::testing::Not(HasSubstr(IV_BINARY_DIR))) << program;
    }
  }
}

TEST_F(CopiedPrograms, KeepTheFontAliasesAndTheHostFindsThePluginBesideIt) {
  const std::map<std::string, std::string> files = FaceFiles();
  ASSERT_EQ(files.size(), 3u);
  const std::string song = files.at("宋体"), hei = files.at("黑体"), kai = files.at("楷体_GB2312");
  EXPECT_NE(song, hei);
  EXPECT_NE(song, kai);
  EXPECT_NE(hei, kai);

  const CommandResult host =
      RunCommand("cd '" + root_.string() + "' && ./kiosk-host --kiosk kiosk --headless --keys Escape");
  EXPECT_EQ(host.status, 0) << host.output;
  EXPECT_EQ(CountLines(host.output, "ShowForm returned 1"), 1) << host.output;
}

TEST_F(CopiedPrograms, AnIntegratorsFontsConfOverridesABuiltInAlias) {
  const std::map<std::string, std::string> builtIn = FaceFiles();
  Write(root_ / "fonts.conf", R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <match target="pattern">
    <test name="family"><string>宋体</string></test>
    <edit name="family" mode="prepend_first" binding="strong"><string>WenQuanYi Zen Hei</string></edit>
  </match>
</fontconfig>
)");
  const std::map<std::string, std::string> overridden =
      FaceFiles("INVOICEVIEW_FONTS_CONF='" + (root_ / "fonts.conf").string() + "'");
  ASSERT_EQ(overridden.size(), 3u);
  EXPECT_EQ(overridden.at("宋体"), builtIn.at("黑体"));
  EXPECT_EQ(overridden.at("楷体_GB2312"), builtIn.at("楷体_GB2312")) << "the other aliases stay";
}

TEST(Versions, ProgramsPrintItAndTheSonameCarriesTheMajorVersion) {
  EXPECT_EQ(RunCommand(std::string(IV_KIOSK_HOST) + " --version").output, "kiosk-host " IV_VERSION "\n");
  EXPECT_EQ(RunCommand(std::string(IV_INVOICE_RENDER) + " --version").output, "invoice-render " IV_VERSION "\n");
  EXPECT_THAT(RunCommand(std::string("objdump -p ") + IV_PLUGIN_PATH).output,
              ::testing::ContainsRegex("SONAME +libinvoiceview\\.so\\." IV_SOVERSION "\n"));
}

}  // namespace
}  // namespace iv::test
