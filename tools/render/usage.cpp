#include "tools/render/usage.h"

#include "synth/voices.h"

namespace corvane {

void printUsage(std::ostream& out) {
  out << "Usage: corvane-render [OPTION]...\n"
         "Writes Corvane sounds without a window. Each sound is made from a 32-bit generator state,\n"
         "and the same state always gives the same samples.\n"
         "\n"
         "  -s, --state=STATE    generator state before the first sound, decimal or 0x hex,\n"
         "                       0 to 4294967295 (default: taken from the clock)\n"
         "  -n, --count=COUNT    number of sounds to write (default 1); each next sound starts\n"
         "                       from the state the previous one left\n"
         "  -o, --output=PATH    the file for one sound, or the directory for several (created\n"
         "                       if missing); default: corvane-XXXXXXXX.wav in the current\n"
         "                       directory, XXXXXXXX being the state\n"
         "  -f, --format=FORMAT  pcm16   16-bit WAV, the file the desktop program saves (default)\n"
         "                       float32 32-bit float WAV\n"
         "                       f64     the 44,100 samples as little-endian doubles (.f64)\n"
         "      --voice=NAME     write only sounds of voice NAME; the states of the sounds in\n"
         "                       between are passed over as presses of Generate would pass them\n"
         "      --picture=PATH   also write a PNG picture of each sound as the window shows it:\n"
         "                       the file for one sound, or the directory for several\n"
         "      --force          replace existing files (they are kept otherwise)\n"
         "  -q, --quiet          print nothing but errors\n"
         "      --help           show this help and exit\n"
         "      --version        show the version and exit\n"
         "\n"
         "Voices:";
  for (int i = 0; i < kVoiceCount; ++i) out << (i % 4 == 0 ? "\n  " : " ") << voiceName(static_cast<VoiceId>(i));
  out << "\n\n"
         "Each sound written prints one line: 0xSTATE VoiceName path\n"
         "On a terminal, runs of several sounds show their progress on standard error.\n"
         "Exit status: 0 on success, 1 when a file cannot be written, 2 for bad usage,\n"
         "128 plus the signal when interrupted: 130 for Ctrl-C (every file written is complete).\n";
}

void printVersion(std::ostream& out) { out << "corvane-render " CORVANE_VERSION "\n"; }

}  // namespace corvane
