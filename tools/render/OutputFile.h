#pragma once

#include <string>

// A file written under a temporary name in its target's folder and renamed
// over the target only once it is complete, flushed and closed: a write that
// fails or is interrupted leaves whatever was at the target as it was. A
// target that exists and is not a regular file (/dev/null, a device) is
// written in place. Main thread only.
class OutputFile
{
public:
  OutputFile() = default;
  // Abandons a file not committed.
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // False with `error` naming the target and the reason.
  bool Create(const std::string& target, std::string& error);
  int Descriptor() const { return mDescriptor; }
  const std::string& Target() const { return mTarget; }

  // The written file becomes the target; on failure it is abandoned.
  bool Commit(std::string& error);
  // Removes what was written.
  void Abandon();

private:
  std::string mTarget;
  std::string mPath;       // where the target really is, through symbolic links
  std::string mTemporary;  // empty when writing in place
  int mDescriptor = -1;
};

// "cannot write 'x': " and the system's reason for `errorNumber`.
std::string CannotWrite(const std::string& target, int errorNumber);
