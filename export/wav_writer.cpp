#include "export/wav_writer.h"

#include <vector>

#include "export/safe_file.h"
#include "export/sample_format.h"
#include "synth/sample_buffer.h"

namespace corvane {

bool writeWav(const std::filesystem::path& path) {
  std::error_code ignored;
  return writeWav(path, ignored);
}

bool writeWav(const std::filesystem::path& path, std::error_code& error) {
  std::vector<std::byte> bytes;
  encodeSound(SampleFormat::Pcm16, sampleBuffer, bytes);
  error = writeFileSafely(path, bytes, ExistingFile::Replace);
  return !error;
}

}  // namespace corvane
