// "Save": the picture as drawn, written through the save dialog in the format
// the file's extension names.

#include <filesystem>

#include "console/console.h"

namespace plotmere {

namespace {

// The pre-set name counts as no choice at all.
bool chosen(const std::string& fileName) {
    return !fileName.empty() && std::filesystem::path(fileName).stem() != "untitled";
}

}  // namespace

void Console::Saver_Click() {
    SaveDialog& dialog = s_.Dialog1;
    if (!ctx_.host.ShowSave(dialog) || !chosen(dialog.FileName)) {
        ctx_.SetStatus("Save cancelled.");
        return;
    }
    // A file that cannot be written changes nothing but the message.
    if (const SaveResult result = ctx_.picture.Save(dialog.FileName); result != SaveResult::Saved) {
        const std::string reason = SaveFailureReason(result);
        ctx_.MsgBox("The picture could not be saved as " + dialog.FileName + "." +
                    (reason.empty() ? "" : " " + reason + ".") + " No file was changed.");
        return;
    }
    ctx_.SetStatus(dialog.FileName);
}

}  // namespace plotmere
