#include "image/image.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <stdexcept>

namespace image {

std::optional<Encoder> encoderFor(const QString& path) {
  const QString ext = QFileInfo(path).suffix().toLower();
  if (ext == QLatin1String("bmp")) return Encoder::BMP;
  if (ext == QLatin1String("gif")) return Encoder::GIF;
  if (ext == QLatin1String("png")) return Encoder::PNG;
  if (ext == QLatin1String("jpg") || ext == QLatin1String("jpeg")) return Encoder::JPEG;
  return std::nullopt;
}

void ResizeImage(const QString& input, const QString& output, unsigned width, unsigned height, Encoder encoder,
                 std::optional<Interpolation> mode) {
  QImageReader reader(input);
  reader.setAutoTransform(true);
  const QImage picture = reader.read();
  if (picture.isNull())
    throw std::runtime_error(QStringLiteral("%1 resim olarak okunamadı: %2").arg(input, reader.errorString()).toStdString());
  if (width == 0 || height == 0) throw std::runtime_error("Resim boyutu sıfır olamaz.");
  // Nearest neighbour keeps hard edges; every other mode smooths.
  const Qt::TransformationMode how =
      mode == Interpolation::NearestNeighbour ? Qt::FastTransformation : Qt::SmoothTransformation;
  QImage scaled = picture.scaled(int(width), int(height), Qt::IgnoreAspectRatio, how);
  const char* format = "png";
  switch (encoder) {
    case Encoder::BMP: format = "bmp"; break;
    case Encoder::JPEG:
      format = "jpeg";
      scaled = scaled.convertToFormat(QImage::Format_RGB32);  // no alpha in JPEG
      break;
    case Encoder::GIF:
    case Encoder::PNG: format = "png"; break;
  }
  QImageWriter writer(output, format);
  if (encoder == Encoder::JPEG) writer.setQuality(90);
  if (!writer.write(scaled))
    throw std::runtime_error(QStringLiteral("%1 yazılamadı: %2").arg(output, writer.errorString()).toStdString());
}

}  // namespace image
