#include "PicturePng.h"

#include "OutputFile.h"

#include <cairo.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <unistd.h>

namespace
{
struct PngStream
{
  int descriptor;
  int error;  // errno of the first failed write
};

cairo_status_t WritePngBytes(void* closure, const unsigned char* bytes, unsigned int length)
{
  auto& stream = *static_cast<PngStream*>(closure);
  for (unsigned int written = 0; written < length && stream.error == 0;)
  {
    const ssize_t done = write(stream.descriptor, bytes + written, length - written);
    if (done < 0 && errno == EINTR)
      continue;
    if (done <= 0)
      stream.error = done < 0 ? errno : EIO;
    else
      written += static_cast<unsigned int>(done);
  }
  return stream.error ? CAIRO_STATUS_WRITE_ERROR : CAIRO_STATUS_SUCCESS;
}
}

bool WritePng(const std::string& path, const EditorPicture& picture, std::string& error)
{
  OutputFile file;
  if (!file.Create(path, error))
    return false;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, picture.width, picture.height);
  cairo_surface_flush(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < picture.height && data != nullptr; ++y)
    std::copy_n(picture.pixels.data() + static_cast<size_t>(y) * picture.width, picture.width,
                reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride));
  cairo_surface_mark_dirty(surface);
  PngStream stream{file.Descriptor(), 0};
  const cairo_status_t status = cairo_surface_write_to_png_stream(surface, WritePngBytes, &stream);
  cairo_surface_destroy(surface);
  if (stream.error)
  {
    error = CannotWrite(path, stream.error);
    return false;
  }
  if (status != CAIRO_STATUS_SUCCESS)
  {
    error = "cannot write '" + path + "': " + cairo_status_to_string(status);
    return false;
  }
  return file.Commit(error);
}
