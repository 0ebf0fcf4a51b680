// The window's one back buffer, statically allocated for the whole run.
#include "ui/display/back_buffer.h"

namespace corvane {

BackBuffer backBuffer{};

}  // namespace corvane
