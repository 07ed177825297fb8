#include "OutputFile.h"

#include "InterruptCleanup.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace
{
mode_t NewFileMode()
{
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

std::string Quoted(const std::string& path)
{
  return "'" + path + "'";
}
}

std::string CannotWrite(const std::string& target, int errorNumber)
{
  return "cannot write " + Quoted(target) + ": " + std::strerror(errorNumber);
}

OutputFile::~OutputFile()
{
  Abandon();
}

bool OutputFile::Create(const std::string& target, std::string& error)
{
  Abandon();
  mTarget = target;
  if (target.empty())
  {
    error = "cannot write '': the file name is empty";
    return false;
  }
  std::error_code ignored;
  mPath = fs::is_symlink(target, ignored) ? fs::weakly_canonical(target, ignored).string() : target;

  struct stat existing{};
  mode_t mode = NewFileMode();
  if (stat(mPath.c_str(), &existing) == 0)
  {
    if (S_ISDIR(existing.st_mode))
    {
      error = "cannot write " + Quoted(target) + ": it is a folder";
      return false;
    }
    if (!S_ISREG(existing.st_mode))
    {
      mDescriptor = open(mPath.c_str(), O_WRONLY | O_CLOEXEC);
      if (mDescriptor < 0)
        error = CannotWrite(target, errno);
      return mDescriptor >= 0;
    }
    mode = existing.st_mode & 07777;
  }

  const fs::path folder = fs::path(mPath).has_parent_path() ? fs::path(mPath).parent_path() : fs::path(".");
  struct stat folderStatus{};
  if (stat(folder.c_str(), &folderStatus) != 0)
  {
    error = errno == ENOENT ? "cannot write " + Quoted(target) + ": there is no folder " + Quoted(folder.string())
                            : CannotWrite(target, errno);
    return false;
  }
  if (!S_ISDIR(folderStatus.st_mode))
  {
    error = "cannot write " + Quoted(target) + ": " + Quoted(folder.string()) + " is not a folder";
    return false;
  }
  const std::string pattern = (folder / ("." + fs::path(mPath).filename().string() + ".XXXXXX")).string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  {
    InterruptCleanup::Hold hold;
    mDescriptor = mkostemp(name.data(), O_CLOEXEC);
    if (mDescriptor >= 0)
    {
      mTemporary = name.data();
      InterruptCleanup::SetUnfinishedFile(mTemporary);
    }
  }
  if (mDescriptor < 0)
  {
    error = CannotWrite(target, errno);
    return false;
  }
  fchmod(mDescriptor, mode);
  return true;
}

bool OutputFile::Commit(std::string& error)
{
  // Flushed before the rename, so the name never points at a file whose data
  // is still on its way; devices may not flush.
  if (fsync(mDescriptor) != 0 && errno != EINVAL && errno != EROFS)
  {
    error = CannotWrite(mTarget, errno);
    Abandon();
    return false;
  }
  const int closed = close(mDescriptor);
  const int closeError = errno;
  mDescriptor = -1;
  if (closed != 0)
  {
    error = CannotWrite(mTarget, closeError);
    Abandon();
    return false;
  }
  if (mTemporary.empty())
    return true;
  InterruptCleanup::Hold hold;
  if (rename(mTemporary.c_str(), mPath.c_str()) != 0)
  {
    error = CannotWrite(mTarget, errno);
    Abandon();
    return false;
  }
  mTemporary.clear();
  InterruptCleanup::SetUnfinishedFile("");
  return true;
}

void OutputFile::Abandon()
{
  InterruptCleanup::Hold hold;
  if (mDescriptor >= 0)
    close(mDescriptor);
  mDescriptor = -1;
  if (!mTemporary.empty())
  {
    unlink(mTemporary.c_str());
    InterruptCleanup::SetUnfinishedFile("");
  }
  mTemporary.clear();
}
