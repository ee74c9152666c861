// Reading the images of an image list from the common-controls image-list stream, the form
// a form description keeps under an image list's "Bitmap".
#pragma once

#include <cstddef>
#include <cstdint>

namespace gfx {

class TImageList;

// Replaces the list's images and size by those of the stream: a 28-byte "IL" header (image
// count and size, flags), the images as a BMP four to a row and, when the header's mask flag
// is set, their mask as a second BMP (white: transparent). Raises EInvalidGraphic on a stream
// that is not an image list or whose bitmaps cannot be read.
void ReadImageListStream(TImageList& list, const std::uint8_t* data, std::size_t size);

}  // namespace gfx
