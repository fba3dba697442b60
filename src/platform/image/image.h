// Pictures: decode, scale to an exact size, encode, for the pictures records carry.
#pragma once
#include <QString>
#include <optional>

namespace image {

enum class Encoder { BMP, GIF, PNG, JPEG };
enum class Interpolation { NearestNeighbour, Linear, Cubic, Fant };

// The encoder a picture file's extension names (case-insensitive; "jpg" and "jpeg").
std::optional<Encoder> encoderFor(const QString& path);

// Scales the input picture to exactly width x height and writes it to the output file in
// the encoder's format. This platform has no GIF writer: GIF pictures are read, and
// written as PNG. Throws std::runtime_error naming the failing step.
void ResizeImage(const QString& input, const QString& output, unsigned width, unsigned height, Encoder encoder,
                 std::optional<Interpolation> mode = std::nullopt);

}  // namespace image
