// cmake --install into a fresh prefix: the layout, pkg-config's answers, a C host built and
// run with them, and the installed kiosk-host on a copy of the installed example kiosk.
#include <gmock/gmock.h>

#include "platform/text/gbk.h"
#include "tests/install/scratch_folder.h"
#include "tests/support/command.h"

namespace iv::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

class InstalledPrefix : public ScratchFolder {
 protected:
  void SetUp() override {
    ScratchFolder::SetUp();
    prefix_ = root_ / "prefix";
    const CommandResult install =
        RunCommand("'" IV_CMAKE "' --install '" IV_BINARY_DIR "' --prefix '" + prefix_.string() + "'");
    ASSERT_EQ(install.status, 0) << install.output;
  }

  std::string PkgConfig(const std::string &arguments) const {
    const CommandResult run = RunCommand("PKG_CONFIG_PATH='" + (prefix_ / IV_LIBDIR / "pkgconfig").string() +
                                             "' pkg-config " + arguments + " invoiceview",
                                         false);
    EXPECT_EQ(run.status, 0) << arguments;
    return run.output.substr(0, run.output.find_last_not_of(" \n") + 1);
  }

  fs::path prefix_;
};

TEST_F(InstalledPrefix, LaysOutLibraryHeaderProgramsExampleAndDocs) {
  EXPECT_EQ(std::string(IV_LIBDIR), std::string("lib/") + IV_MULTIARCH) << "the library goes to the multiarch folder";
  const fs::path lib = prefix_ / IV_LIBDIR;
  const std::string real = "libinvoiceview.so." IV_VERSION;
  EXPECT_TRUE(fs::is_regular_file(lib / real));
  EXPECT_EQ(fs::read_symlink(lib / "libinvoiceview.so." IV_SOVERSION), real);
  EXPECT_EQ(fs::canonical(lib / "libinvoiceview.so"), fs::canonical(lib / real));
  EXPECT_EQ(Read(prefix_ / "include/invoiceview/host_services.h"),
            Read(fs::path(IV_SOURCE_DIR) / "include/invoiceview/host_services.h"));
  for (const char *program : {"bin/kiosk-host", "bin/invoice-render", "bin/kiosk-check"})
    EXPECT_EQ(fs::status(prefix_ / program).permissions() & fs::perms::owner_exec, fs::perms::owner_exec) << program;

  const fs::path kiosk = prefix_ / "share/invoiceview/examples/kiosk";
  EXPECT_TRUE(fs::exists(kiosk / "INI/Sys.xml"));
  EXPECT_TRUE(fs::exists(kiosk / "skins/Print.png"));
  for (const char *logs : {"Log", "ErrorLog"}) {
    EXPECT_TRUE(fs::is_directory(kiosk / logs)) << logs;
    EXPECT_TRUE(fs::is_empty(kiosk / logs)) << logs;
  }
  // The installed checker finds the installed sample kiosk whole.
  const CommandResult check = RunCommand((prefix_ / "bin/kiosk-check").string() + " " + kiosk.string() + " --skins " +
                                         (kiosk / "skins").string());
  EXPECT_EQ(check.status, 0) << check.output;
  EXPECT_THAT(check.output, ::testing::EndsWith("kiosk-check: 0 errors, 0 warnings\n"));
  const fs::path docs = prefix_ / "share/doc/invoiceview";
  for (const char *doc : {"README.md", "docs/host-integration.md", "docs/kiosk-settings.md",
                          "docs/template-language.md", "docs/images/screen-water-1.png"})
    EXPECT_TRUE(fs::exists(docs / doc)) << doc;
  for (const char *page : {"kiosk-host.1.gz", "invoice-render.1.gz", "kiosk-check.1.gz"})
    EXPECT_TRUE(fs::exists(prefix_ / "share/man/man1" / page)) << page;
  // The Linux kiosk guide shows the unit the package ships.
  const std::string unit = Read(prefix_ / "share/invoiceview/examples/linux-kiosk/invoiceview-kiosk.service");
  ASSERT_FALSE(unit.empty());
  EXPECT_THAT(Read(docs / "docs/linux-kiosk.md"), HasSubstr("```ini\n" + unit + "```\n"));
}

TEST_F(InstalledPrefix, PkgConfigGivesAHostTheHeaderThePluginFolderAndTheLibrary) {
  EXPECT_EQ(PkgConfig("--cflags"), "-I" + (prefix_ / "include").string());
  const std::string plugindir = PkgConfig("--variable=plugindir");
  EXPECT_EQ(plugindir, (prefix_ / IV_LIBDIR).string());

  Write(root_ / "host.c", R"(#include <dlfcn.h>
#include <stdio.h>
#include "invoiceview/host_services.h"
int main(int argc, char **argv) {
  void *plugin = dlopen(argv[argc - 1], RTLD_NOW);
  ShowFormFn showForm = plugin ? (ShowFormFn)dlsym(plugin, "ShowForm") : NULL;
  puts(showForm ? "ShowForm found" : dlerror());
  return showForm ? 0 : 1;
}
)");
  const std::string host = (root_ / "host").string();
  const CommandResult build = RunCommand("'" IV_C_COMPILER "' " IV_C_FLAGS " " + PkgConfig("--cflags") + " '" +
                                         (root_ / "host.c").string() + "' -o '" + host + "' -ldl");
  ASSERT_EQ(build.status, 0) << build.output;
  const CommandResult run = RunCommand("'" + host + "' '" + plugindir + "/libinvoiceview.so." IV_SOVERSION "'");
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(run.output, "ShowForm found\n");

  // A host may link the library instead (-linvoiceview) with what pkg-config gives.
  Write(root_ / "linked.c", R"(#include <stdio.h>
#include "invoiceview/host_services.h"
int main(void) {
  ShowFormFn showForm = ShowForm;
  puts(showForm != NULL ? "ShowForm linked" : "no ShowForm");
  return 0;
}
)");
  const std::string linked = (root_ / "linked").string();
  const CommandResult link = RunCommand("'" IV_C_COMPILER "' " IV_C_FLAGS " " + PkgConfig("--cflags") + " '" +
                                        (root_ / "linked.c").string() + "' -o '" + linked + "' " +
                                        PkgConfig("--libs"));
  ASSERT_EQ(link.status, 0) << link.output;
  EXPECT_EQ(RunCommand("LD_LIBRARY_PATH='" + plugindir + "' '" + linked + "'").output, "ShowForm linked\n");

  // Before installing, the build folder answers for invoiceview-uninstalled.
  const CommandResult uninstalled =
      RunCommand("PKG_CONFIG_PATH='" IV_BINARY_DIR "' pkg-config --cflags --libs invoiceview-uninstalled", false);
  ASSERT_EQ(uninstalled.status, 0);
  const std::string built = (root_ / "built").string();
  const CommandResult buildTree = RunCommand("'" IV_C_COMPILER "' " IV_C_FLAGS " '" + (root_ / "linked.c").string() +
                                             "' -o '" + built + "' " + uninstalled.output);
  ASSERT_EQ(buildTree.status, 0) << buildTree.output;
  EXPECT_THAT(uninstalled.output, HasSubstr("-I" IV_SOURCE_DIR "/include "));
  EXPECT_EQ(RunCommand("LD_LIBRARY_PATH='" IV_BINARY_DIR "/plugin' '" + built + "'").output, "ShowForm linked\n");
}

TEST_F(InstalledPrefix, FindPackageBuildsTheGuidesHostWhichShowsTheInstalledKiosk) {
  const fs::path example = prefix_ / "share/invoiceview/examples/host";
  EXPECT_THAT(Read(fs::path(IV_SOURCE_DIR) / "docs/host-integration.md"), HasSubstr(Read(example / "mini_host.c")))
      << "the guide shows the host the package ships";
  const fs::path build = root_ / "host-build";
  // Built as this build's own hosts are (a sanitizer build's plug-in needs its runtime loaded first).
  const CommandResult configure = RunCommand("'" IV_CMAKE "' -S '" + example.string() + "' -B '" + build.string() +
                                             "' -DCMAKE_PREFIX_PATH='" + prefix_.string() +
                                             "' -DCMAKE_C_COMPILER='" IV_C_COMPILER "' -DCMAKE_C_FLAGS='" IV_C_FLAGS "'");
  ASSERT_EQ(configure.status, 0) << configure.output;
  const CommandResult compile = RunCommand("'" IV_CMAKE "' --build '" + build.string() + "'");
  ASSERT_EQ(compile.status, 0) << compile.output;

  const fs::path kiosk = root_ / "kiosk";
  fs::copy(prefix_ / "share/invoiceview/examples/kiosk", kiosk, fs::copy_options::recursive);
  const CommandResult run = RunCommand("cd '" + kiosk.string() + "' && INVOICEVIEW_DISPLAY=headless '" +
                                       (build / "mini_host").string() + "'");
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_THAT(run.output, ::testing::EndsWith("ShowForm returned 1\n"));
  EXPECT_THAT(RunCommand("ldd '" + (build / "mini_host").string() + "'").output,
              ::testing::Not(HasSubstr("invoiceview")))
      << "the host loads the plug-in itself";
}

TEST_F(InstalledPrefix, InstalledHostRunsTheInstalledPluginOnTheExampleKiosk) {
  const fs::path kiosk = root_ / "kiosk";
  fs::copy(prefix_ / "share/invoiceview/examples/kiosk", kiosk, fs::copy_options::recursive);
  const CommandResult run = RunCommand(
      "'" + (prefix_ / "bin/kiosk-host").string() + "' --plugin '" + PkgConfig("--variable=plugindir") +
      "/libinvoiceview.so." IV_SOVERSION "' --kiosk '" + kiosk.string() + "' --business-key WATER --data '" +
      (kiosk / "transaction-water.txt").string() + "' --print-out '" + (root_ / "printed.txt").string() +
      "' --headless --keys Down,Enter,Escape");
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(CountLines(run.output, "ShowForm returned 1"), 1) << run.output;
  EXPECT_THAT(GbkToUtf8(Read(root_ / "printed.txt")), HasSubstr("自来水费缴费凭条\r\n户号:     0571203344\r\n"));
}

}  // namespace
}  // namespace iv::test
