#include "platform/fs/open_file.h"

#include <io.h>
#include <sys/stat.h>

#include <cerrno>
#include <string_view>

#include "platform/text/gbk.h"

namespace iv {

// The narrow fopen reads names in the system's code page, which need not be 936.
FilePtr OpenFile(const std::string &path, const char *mode) {
  const std::string_view modeText(mode);
  FilePtr file(_wfopen(GbkToWide(path).c_str(), std::wstring(modeText.begin(), modeText.end()).c_str()));
  if (!file || (!modeText.starts_with('r') && !modeText.starts_with('a'))) return file;
  // Device names (CON, NUL, COM1, ...) open as character devices.
  struct _stat64 st {};
  if (_fstat64(_fileno(file.get()), &st) != 0 || (st.st_mode & _S_IFMT) != _S_IFREG) {
    const int reason = (st.st_mode & _S_IFMT) == _S_IFDIR ? EISDIR : ENODEV;
    file.reset();
    errno = reason;
    return nullptr;
  }
  return file;
}

bool TruncateOpenFile(std::FILE *file, std::int64_t size) { return _chsize_s(_fileno(file), size) == 0; }

}  // namespace iv
