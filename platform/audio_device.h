// The platform's sound device, as free functions. One implementation per OS.
#pragma once
