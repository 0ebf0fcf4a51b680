// The save dialog and the message boxes on GTK 3, run without blocking the SDL window.
#include <SDL.h>
#include <SDL_syswm.h>
#include <gtk/gtk.h>
#ifdef GDK_WINDOWING_X11
#include <gdk/gdkx.h>
#endif

#include <string>

#include "platform/linux/window/modal_loop.h"
#include "platform/linux/window/save_path.h"
#include "platform/linux/window/window_internal.h"

namespace corvane::platform {
namespace {

bool gtkTried = false;
bool gtkReady = false;
// Never shown: the nominal parent of every dialog, so GTK treats them as owned dialogs. The real
// owner, the SDL window, is set on the X side once a dialog exists.
GtkWidget* ownerProxy = nullptr;

GtkFileChooserNative* chooser = nullptr;
std::string defaultExtension;
std::filesystem::path lastChosenPath;  // offered again by the next dialog

bool ensureGtk() {
  if (gtkTried) return gtkReady;
  gtkTried = true;
  // GTK must talk to the same X server as SDL to place its dialogs over the main window.
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver != nullptr && std::string(driver) == "x11") gdk_set_allowed_backends("x11");
  g_set_prgname("corvane");
  g_set_application_name("Corvane");
  gtkReady = gtk_init_check(nullptr, nullptr) != FALSE;
  if (gtkReady) ownerProxy = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  return gtkReady;
}

// Keeps a realized GTK window above the main window, as the window manager treats owned dialogs.
void keepAboveMainWindow(GtkWidget* dialog) {
#ifdef GDK_WINDOWING_X11
  GdkDisplay* display = gtk_widget_get_display(dialog);
  SDL_Window* owner = detail::mainSdlWindow();
  if (owner == nullptr || !GDK_IS_X11_DISPLAY(display)) return;
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(owner, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) return;
  static GdkWindow* foreignOwner = nullptr;
  if (foreignOwner == nullptr) {
    foreignOwner = gdk_x11_window_foreign_new_for_display(display, info.info.x11.window);
  }
  gtk_widget_realize(dialog);
  GdkWindow* dialogWindow = gtk_widget_get_window(dialog);
  if (foreignOwner != nullptr && dialogWindow != nullptr) {
    gdk_window_set_transient_for(dialogWindow, foreignOwner);
  }
#else
  (void)dialog;
#endif
}

// Windows-style patterns to GTK globs: "*.*" means every file, and letters match either case.
std::string globFor(const char* pattern) {
  const std::string windowsPattern(pattern);
  if (windowsPattern == "*.*") return "*";
  std::string glob;
  for (const char c : windowsPattern) {
    if (g_ascii_isalpha(c)) {
      glob += '[';
      glob += g_ascii_tolower(c);
      glob += g_ascii_toupper(c);
      glob += ']';
    } else {
      glob += c;
    }
  }
  return glob;
}

// ---- message dialogs -------------------------------------------------------------------------

struct DialogRun {
  bool finished = false;
  int response = GTK_RESPONSE_NONE;
};

GtkWidget* openMessageDialog = nullptr;

void onDialogResponse(GtkDialog*, gint response, gpointer data) {
  auto* run = static_cast<DialogRun*>(data);
  run->response = response;
  run->finished = true;
}

void cancelMessageDialog() {
  if (openMessageDialog != nullptr) {
    gtk_dialog_response(GTK_DIALOG(openMessageDialog), GTK_RESPONSE_DELETE_EVENT);
  }
}

// Shows the dialog, waits for its answer while the main window keeps repainting, destroys it.
int runMessageDialog(GtkWidget* dialog) {
  DialogRun run;
  g_signal_connect(dialog, "response", G_CALLBACK(onDialogResponse), &run);
  gtk_window_set_modal(GTK_WINDOW(dialog), TRUE);
  gtk_window_set_position(GTK_WINDOW(dialog), GTK_WIN_POS_CENTER_ON_PARENT);
  keepAboveMainWindow(dialog);
  GtkWidget* outer = openMessageDialog;
  openMessageDialog = dialog;
  gtk_widget_show(dialog);
  gtk_window_present(GTK_WINDOW(dialog));
  detail::runModalLoop(run.finished, cancelMessageDialog);
  openMessageDialog = outer;
  gtk_widget_destroy(dialog);
  detail::pumpGtkEvents();  // let the dialog disappear at once
  return run.response;
}

GtkWidget* newMessageDialog(GtkMessageType type, GtkButtonsType buttons, const char* title,
                            const char* text) {
  GtkWidget* dialog = gtk_message_dialog_new(GTK_WINDOW(ownerProxy), GTK_DIALOG_MODAL, type, buttons,
                                             "%s", text);
  gtk_window_set_title(GTK_WINDOW(dialog), title);
  return dialog;
}

std::string displayName(const std::filesystem::path& path) {
  gchar* name = g_filename_display_basename(path.c_str());
  std::string result(name);
  g_free(name);
  return result;
}

bool askToReplace(const std::filesystem::path& path) {
  const std::string question =
      "A file named \u201c" + displayName(path) + "\u201d already exists. Do you want to replace it?";
  GtkWidget* dialog =
      newMessageDialog(GTK_MESSAGE_QUESTION, GTK_BUTTONS_NONE, "Confirm Save As", question.c_str());
  gtk_message_dialog_format_secondary_text(
      GTK_MESSAGE_DIALOG(dialog), "The file already exists in \u201c%s\u201d. Replacing it will "
                                  "overwrite its contents.", displayName(path.parent_path()).c_str());
  gtk_dialog_add_buttons(GTK_DIALOG(dialog), "_Cancel", GTK_RESPONSE_CANCEL, "_Replace",
                         GTK_RESPONSE_ACCEPT, nullptr);
  gtk_dialog_set_default_response(GTK_DIALOG(dialog), GTK_RESPONSE_CANCEL);
  return runMessageDialog(dialog) == GTK_RESPONSE_ACCEPT;
}

void warnReadOnly(const std::filesystem::path& path, const char* title) {
  const std::string text = "\u201c" + displayName(path) + "\u201d is read-only.";
  GtkWidget* dialog = newMessageDialog(GTK_MESSAGE_WARNING, GTK_BUTTONS_OK, title, text.c_str());
  gtk_message_dialog_format_secondary_text(GTK_MESSAGE_DIALOG(dialog),
                                           "Try again with a different file name.");
  runMessageDialog(dialog);
}

// ---- the file chooser ------------------------------------------------------------------------

DialogRun* chooserRun = nullptr;

void onChooserResponse(GtkNativeDialog*, gint response, gpointer) {
  if (chooserRun == nullptr) return;
  chooserRun->response = response;
  chooserRun->finished = true;
}

void cancelChooser() {
  gtk_native_dialog_hide(GTK_NATIVE_DIALOG(chooser));
  if (chooserRun != nullptr) {
    chooserRun->response = GTK_RESPONSE_CANCEL;
    chooserRun->finished = true;
  }
}

// The chooser's own window, when GTK shows one in this process (no desktop portal).
void keepChooserAboveMainWindow() {
  GList* toplevels = gtk_window_list_toplevels();
  for (GList* item = toplevels; item != nullptr; item = item->next) {
    GtkWindow* candidate = GTK_WINDOW(item->data);
    if (GTK_IS_FILE_CHOOSER(candidate) && gtk_window_get_transient_for(candidate) ==
                                              GTK_WINDOW(ownerProxy) &&
        gtk_widget_get_visible(GTK_WIDGET(candidate))) {
      keepAboveMainWindow(GTK_WIDGET(candidate));
    }
  }
  g_list_free(toplevels);
}

void offerLastPath() {
  if (lastChosenPath.empty()) return;
  GtkFileChooser* fileChooser = GTK_FILE_CHOOSER(chooser);
  gtk_file_chooser_set_current_folder(fileChooser, lastChosenPath.parent_path().c_str());
  gchar* name = g_filename_to_utf8(lastChosenPath.filename().c_str(), -1, nullptr, nullptr, nullptr);
  if (name != nullptr) gtk_file_chooser_set_current_name(fileChooser, name);
  g_free(name);
}

// One round of the chooser: the path confirmed, or nothing.
std::optional<std::filesystem::path> chooseOnce() {
  offerLastPath();
  DialogRun run;
  chooserRun = &run;
  gtk_native_dialog_show(GTK_NATIVE_DIALOG(chooser));
  keepChooserAboveMainWindow();
  detail::runModalLoop(run.finished, cancelChooser);
  chooserRun = nullptr;
  detail::pumpGtkEvents();
  if (run.response != GTK_RESPONSE_ACCEPT) return std::nullopt;
  gchar* filename = gtk_file_chooser_get_filename(GTK_FILE_CHOOSER(chooser));
  if (filename == nullptr) return std::nullopt;  // not a local file
  std::filesystem::path chosen(filename);
  g_free(filename);
  return chosen;
}

}  // namespace

void prepareSaveDialog(const SaveDialogSettings& settings) {
  if (chooser != nullptr || !ensureGtk()) return;
  chooser = gtk_file_chooser_native_new(settings.title, GTK_WINDOW(ownerProxy),
                                        GTK_FILE_CHOOSER_ACTION_SAVE, nullptr, nullptr);
  gtk_native_dialog_set_modal(GTK_NATIVE_DIALOG(chooser), TRUE);
  GtkFileChooser* fileChooser = GTK_FILE_CHOOSER(chooser);
  gtk_file_chooser_set_do_overwrite_confirmation(fileChooser, TRUE);
  GtkFileFilter* first = nullptr;
  for (const FileFilter& filter : settings.filters) {
    GtkFileFilter* gtkFilter = gtk_file_filter_new();
    gtk_file_filter_set_name(gtkFilter, filter.description);
    gtk_file_filter_add_pattern(gtkFilter, globFor(filter.pattern).c_str());
    gtk_file_chooser_add_filter(fileChooser, gtkFilter);
    if (first == nullptr) first = gtkFilter;
  }
  if (first != nullptr) gtk_file_chooser_set_filter(fileChooser, first);
  defaultExtension = settings.defaultExtension != nullptr ? settings.defaultExtension : "";
  g_signal_connect(chooser, "response", G_CALLBACK(onChooserResponse), nullptr);
}

std::optional<std::filesystem::path> runSaveDialog() {
  if (chooser == nullptr) return std::nullopt;
  detail::waitForButtonRelease();
  if (detail::quitDeferred()) return std::nullopt;
  const char* title = gtk_native_dialog_get_title(GTK_NATIVE_DIALOG(chooser));
  for (;;) {
    const std::optional<std::filesystem::path> chosen = chooseOnce();
    if (!chosen || detail::quitDeferred()) return std::nullopt;
    const std::filesystem::path path = withDefaultExtension(*chosen, defaultExtension);
    lastChosenPath = path;
    if (isReadOnlyFile(path)) {
      warnReadOnly(path, title);
    } else {
      // The chooser asked about the name as typed; the name with the extension is asked here.
      const bool extensionAdded = path != *chosen;
      if (!extensionAdded || !std::filesystem::exists(path) || askToReplace(path)) return path;
    }
    if (detail::quitDeferred()) return std::nullopt;
  }
}

void showErrorMessage(const char* caption, const char* text) {
  detail::waitForButtonRelease();
  if (!ensureGtk()) {
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption, text, detail::mainSdlWindow());
    return;
  }
  runMessageDialog(newMessageDialog(GTK_MESSAGE_ERROR, GTK_BUTTONS_OK, caption, text));
}

namespace detail {

bool pumpGtkEvents() {
  if (!gtkReady) return false;
  bool any = false;
  while (gtk_events_pending()) {
    gtk_main_iteration_do(FALSE);
    any = true;
  }
  return any;
}

}  // namespace detail
}  // namespace corvane::platform
