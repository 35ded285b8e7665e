// The kiosk's files as the user it runs as may use them: a check run as root reads everything,
// the kiosk may not.
#include <cstdio>
#include <set>

#include "checks/access/access_checks.h"
#include "checks/template/template_elements.h"
#include "forms/Func_Lib.h"
#include "forms/skin_table.h"
#include "host/skin_file.h"
#include "invoice/kiosk_file.h"
#include "invoice/template_commands.h"
#include "invoice/template_element.h"
#include "invoice/template_tags.h"
#include "platform/fs/paths.h"
#include "platform/text/dbcs.h"
#include "platform/text/trim.h"

namespace iv::check {

using Severity = Problem::Severity;
namespace {

// The picture files the invoice `name` draws, found as the painter finds them.
std::vector<std::string> PicturesOf(const std::string &templatePath, const std::string &name) {
  std::vector<std::string> pictures;
  TemplateReader reader(templatePath);
  if (!reader.Opened() || !SkipToInvoice(reader, name)) return pictures;
  for (const TemplateElement &element : ReadInvoiceElements(reader)) {
    const std::optional<TagParts> tag = element.kind == TemplateElement::Kind::Tag ? SplitTag(element) : std::nullopt;
    const std::optional<TCommand> command = tag ? FindCommand(UpperCaseGbk(tag->name)) : std::nullopt;
    if (!command) continue;
    const std::span<const CommandArgument> arguments = CommandArguments(*command);
    const std::vector<std::string> values = CutCommandArguments(*command, tag->arguments).values;
    for (std::size_t i = 0; i < arguments.size(); ++i)
      if (arguments[i].form == ArgumentForm::Picture && !values[i].empty())
        pictures.push_back(KioskFile(*command == TCommand::Image ? Trim(values[i]) : values[i]));  // IMAGE trims it
  }
  return pictures;
}

std::string Octal(std::uint32_t mode) {
  char text[8];
  std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(mode));
  return text;
}

class AccessCheck {
 public:
  AccessCheck(ProblemList &problems, const UserAccount &user)
      : problems_(problems), user_(user), here_(JoinPath(CurrentDirectory(), "")) {}

  // Reports why the user cannot use `path` as `access` asks, `effect` saying what the kiosk then
  // lacks; true when refused. A place is told once: a folder refused stands for all below it.
  bool Require(const std::string &path, FileAccess access, const std::string &effect,
               Severity severity = Severity::Error, const std::string &key = "") {
    const std::optional<AccessRefusal> refusal = WhyUserCannot(user_, path, access);
    if (!refusal) return false;
    if (told_.insert(refusal->place).second)
      problems_.Add(severity, Shown(refusal->place), 0, Message(*refusal, path, effect), key);
    return true;
  }

 private:
  // Places within the kiosk folder are shown from it, as every other place of the problems.
  std::string Shown(const std::string &path) const {
    if (path.starts_with(here_)) return path.substr(here_.size());
    return path.starts_with("./") ? path.substr(2) : path;
  }

  std::string Message(const AccessRefusal &refusal, const std::string &path, const std::string &effect) const {
    const std::string who = "the kiosk's user " + user_.name;
    if (refusal.readOnlyFileSystem)
      return who + " cannot write to it, as it is on a read-only file system: " + effect + "; mount it read-write";
    const std::string place = Shown(refusal.place);
    const char *verb = refusal.access == FileAccess::Read    ? "read"
                       : refusal.access == FileAccess::Write ? "write"
                                                             : "search";
    std::string message = who + " cannot " + verb + (refusal.access == FileAccess::Write ? " to" : "") + " it (owner " +
                          refusal.owner + ", group " + refusal.group + ", mode " + Octal(refusal.mode) + ")";
    if (Shown(path) != place) message += ", so it cannot open " + Shown(path) + " or anything else in it";
    const std::string bits = "+" + refusal.permissions + " " + place;
    const std::string fix =
        refusal.userClass == AccessRefusal::UserClass::Owner ? "chmod u" + bits
        : refusal.userClass == AccessRefusal::UserClass::Group
            ? "chmod g" + bits
            : "chmod o" + bits + ", or chgrp " + user_.groupName + " " + place + " and chmod g" + bits;
    return message + ": " + effect + "; give " + user_.name + " " + verb + " access (" + fix + ")";
  }

  ProblemList &problems_;
  const UserAccount &user_;
  const std::string here_;
  std::set<std::string> told_;
};

}  // namespace

void CheckUserAccess(ProblemList &problems, const UserAccount &user, const IniFile &formatShow,
                     const std::vector<std::string> &keys, const std::string &skins) {
  AccessCheck check(problems, user);
  check.Require(ResolvePath("INI"), FileAccess::Search,
                "no settings file or template in it is read, so the screen stays empty");
  const struct {
    const char *file;
    const char *effect;
  } settings[] = {
      {"INI/Sys.xml", "the kiosk reads it as missing: every system parameter keeps its default"},
      {"INI/SCConf.xml", "the kiosk reads it as missing: the service configuration kept for the host is empty"},
      {"INI/FormatShow.ini", "the kiosk reads it as missing: every business key shows an empty panel"},
      {"INI/print.ini", "the kiosk reads it as missing: Enter prints nothing for any business key"},
  };
  // A file that is not there refuses nothing; the folders on the way to it still count.
  for (const auto &[file, effect] : settings) check.Require(ResolvePath(file), FileAccess::Read, effect);

  const std::string settingsFolder = SettingsFolder(nullptr);
  for (const std::string &key : keys) {
    const std::string path = SettingsFile(settingsFolder, formatShow.ReadString(key, "DisPlayIniFile", ""));
    check.Require(path, FileAccess::Read,
                  "the screen shows no invoice for " + key + ", and the invoice's log says the invoice does not exist",
                  Severity::Error, key);
    for (const std::string &picture : PicturesOf(path, formatShow.ReadString(key, "DisPlayName", "")))
      check.Require(picture, FileAccess::Read, "the picture is not drawn", Severity::Error, key);
  }

  if (!skins.empty() && FolderExists(skins)) {
    check.Require(skins, FileAccess::Search, "the host loads no skin and the screens stay black");
    bool menuBackLoads = false;
    for (const Skin *skin : kSkins) {
      const std::string name = skin->name;
      const std::optional<std::string> file = host::FindSkinFile(skins, name);
      if (!file) continue;  // told by the skins' check
      const bool refused =
          check.Require(*file, FileAccess::Read, "the host cannot load it: " + ScreenWithoutSkin(name, menuBackLoads));
      menuBackLoads = menuBackLoads || (skin == &kMenuBackSkin && !refused);
    }
  }

  // A log the kiosk cannot write loses its records, but the screen stays as it is. A log file is
  // appended to (or started afresh) in place; only one still to be made needs its folder's w.
  const struct {
    const char *folder;
    const char *file;
    const char *records;
  } logs[] = {{"Log", "Log/ErrorLog.txt", "the library's log records (Log/ErrorLog.txt) are dropped"},
              {"ErrorLog", "ErrorLog/Error.txt", "the invoice's log records (ErrorLog/Error.txt) are dropped"}};
  for (const auto &[folder, file, records] : logs) {
    if (const std::string path = ResolvePath(file); FileExists(path))
      check.Require(path, FileAccess::Write, records, Severity::Warning);
    else if (const std::string path = ResolvePath(folder); FolderExists(path))
      check.Require(path, FileAccess::Write, records, Severity::Warning);
  }
}

}  // namespace iv::check
