#pragma once
// The file dialogs and the load-options dialog frmLoadFileOptions, as the file commands see
// them. The Qt implementation lives in ui/; tests use a scripted fake.

#include <filesystem>
#include <optional>
#include <string>

namespace files {

struct FileDialogRequest {
  // Pairs of description and pattern joined by "|", e.g.
  // "All Files (*.*)|*.*|SecretSanta Files (*.hmr)|*.hmr".
  std::string filter;
  int filter_index = 1;  // 1-based, the preselected pair
  std::filesystem::path initial_dir;
  std::string file_name;          // proposed name (save dialogs)
  std::string default_extension;  // added to a typed name without one (save dialogs)
  bool overwrite_prompt = false;  // ask before an existing file is replaced
  bool path_must_exist = false;   // the chosen folder must exist
};

// The four check boxes of frmLoadFileOptions, and whether "Add New Exclusions based on
// results of previous drawing " may be checked at all.
struct LoadOptions {
  bool clear_list = false;          // chkClearList
  bool add_participants = false;    // chkAddParticipants
  bool include_exclusions = false;  // chkIncludeExclusions
  bool set_exclusions = false;      // chkSetExclusions
  bool set_exclusions_enabled = false;
};

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // The chosen path, or nothing when the dialog was cancelled.
  virtual std::optional<std::filesystem::path> ShowOpen(const FileDialogRequest& request) = 0;
  virtual std::optional<std::filesystem::path> ShowSave(const FileDialogRequest& request) = 0;
  // Shows frmLoadFileOptions modally, prepared as given. Returns the boxes as the user left
  // them with Continue; a dialog closed any other way reads as all unchecked.
  virtual LoadOptions ShowLoadOptions(const LoadOptions& prepared) = 0;
};

}  // namespace files
