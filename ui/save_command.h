// Save: the save dialog, the WAV file and the one message the program ever shows.
#pragma once

namespace corvane {

inline constexpr const char* kSaveDialogTitle = "Save sample as...";
inline constexpr const char* kSaveFailureCaption = "Can't open file";
inline constexpr const char* kSaveFailureText =
    "Orvel DRUMKILN can't open this file.\nAccess denied or file is opened by another application.";

// Prepares the dialog once, after the window exists.
void setupSaveDialog();

// Asks for a path and writes the current sample there whole; a failure shows the message box.
// Cancel does nothing. Playback goes on untouched.
void saveSample();

}  // namespace corvane
