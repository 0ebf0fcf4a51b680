// The platform's window, events and dialogs, as free functions. One implementation per OS.
#pragma once
