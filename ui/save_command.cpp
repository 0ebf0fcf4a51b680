// Save: the save dialog, the WAV file and the one message the program ever shows.
#include "ui/save_command.h"

#include <array>

#include "export/wav_writer.h"
#include "platform/window.h"

namespace corvane {
namespace {

constexpr std::array<platform::FileFilter, 2> kSaveFilters{{
    {"Windows PCM Mono 16-bit (*.wav)", "*.wav"},
    {"All Files (*.*)", "*.*"},
}};

}  // namespace

void setupSaveDialog() {
  platform::prepareSaveDialog({kSaveDialogTitle, kSaveFilters, "wav"});
}

void saveSample() {
  const auto path = platform::runSaveDialog();
  if (!path) return;
  if (!writeWav(*path)) platform::showErrorMessage(kSaveFailureCaption, kSaveFailureText);
}

}  // namespace corvane
