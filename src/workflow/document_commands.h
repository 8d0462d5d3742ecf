#pragma once
// Save, save as and delete for the documents kept one file per list entry in a folder of
// the program (papers and rosters): one flow for both, with what differs passed in. Each
// command returns the language key (section "main") of the message to show, "" for none.
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "app/app_context.h"
#include "files/file_lists.h"
#include "workflow/host.h"

namespace veltora {

struct StoredDocument {
    std::string_view folder;           // below the program folder
    std::string_view listedExtension;  // ending of the listed files, matched by "Save as"
    std::string_view newExtension;     // ending "Save as" gives a new file
    std::function<bool(const std::filesystem::path&)> write;  // false: not written
    bool& changed;                     // cleared once the document is written
    std::function<bool(int position)> choose;  // selects and loads an entry of the list
};

// Writes to the selected file (Save as for "Blank document" or no selection); a selected
// name that is no plain file name is refused.
std::string SaveDocument(const StoredDocument& document, const AppContext& ctx, FileList& list, Host& host);

// Asks for a new name and writes name + newExtension; a new file is added to the list and
// chosen, which reads it back.
std::string SaveDocumentAs(const StoredDocument& document, const AppContext& ctx, FileList& list, Host& host);

// After a Yes, deletes the selected file, removes its entry and chooses "Blank document".
// The last entry stays; a file that cannot be deleted keeps its entry.
std::string DeleteDocument(const StoredDocument& document, const AppContext& ctx, FileList& list, Host& host);

}  // namespace veltora
