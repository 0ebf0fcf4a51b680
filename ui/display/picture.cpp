// Display pictures: a composition on a private image, with the generator put back afterwards.
#include "ui/display/picture.h"

#include <memory>
#include <span>

#include "export/png_writer.h"
#include "synth/random_source.h"
#include "ui/display/display.h"

namespace corvane {

std::error_code writeDisplayPicture(const std::filesystem::path& path, ExistingFile existing) {
  setupDisplay();
  const auto image = std::make_unique<BackBuffer>();
  const RandomSource saved = randomSource;
  composeDisplay(*image);
  randomSource = saved;
  const std::span<const std::uint8_t> skinArea(image->rgb.data(),
                                               std::size_t{SkinImage::width} * SkinImage::height * 3);
  return writePng(path, SkinImage::width, SkinImage::height, skinArea, existing);
}

}  // namespace corvane
