#include "files/file_lists.h"

#include <optional>
#include <string>

#include "app/profile.h"
#include "app/rounding.h"
#include "app/text_to_number.h"
#include "files/file_names.h"

namespace veltora {

namespace {

constexpr std::string_view kUserSection = "USER";
constexpr std::string_view kPaperKey = "SHIJUAN";
constexpr std::string_view kRosterKey = "MINGCE";

FileList ListWithBlank(const AppContext& ctx, std::string_view folder, std::string_view extension) {
    FileList list;
    list.entries.emplace_back(kBlankDocument);
    for (auto& name : ListFiles(ctx.Path(folder), extension)) list.entries.push_back(std::move(name));
    return list;
}

FileList TemplateList(const AppContext& ctx) {
    FileList list;
    for (auto& name : ListFiles(ctx.Path(kTemplateFolder), kTemplateExtension)) {
        std::string base = BaseNameOf(name, kTemplateExtension);
        // A file named only ".DTK" keeps its whole name rather than an empty one.
        list.entries.push_back(base.empty() ? std::move(name) : std::move(base));
    }
    return list;
}

// The entry a remembered value names, or -1 when it names none.
int RememberedPosition(const std::string& value, const FileList& list) {
    const double number = TextToNumber(value);
    const auto position = NearestInt16(number);
    const int count = static_cast<int>(list.entries.size());
    if (!position || number >= count || *position < 0 || *position >= count) return -1;
    return *position;
}

}  // namespace

const std::string& FileList::SelectedEntry() const {
    static const std::string none;
    return HasSelection() ? entries[static_cast<std::size_t>(selected)] : none;
}

bool FileList::Select(int position) {
    if (position < 0 || position >= static_cast<int>(entries.size())) return false;
    selected = position;
    return true;
}

int FileList::Add(std::string entry) {
    entries.push_back(std::move(entry));
    return static_cast<int>(entries.size()) - 1;
}

bool FileList::RemoveAndSelectFirst(int position) {
    if (position < 0 || position >= static_cast<int>(entries.size())) return false;
    entries.erase(entries.begin() + position);
    selected = entries.empty() ? -1 : 0;
    return true;
}

FileLists FillFileLists(const AppContext& ctx) {
    FileLists lists;
    lists.papers = ListWithBlank(ctx, kPaperFolder, kPaperExtension);
    lists.rosters = ListWithBlank(ctx, kRosterFolder, kRosterExtension);
    lists.templates = TemplateList(ctx);

    // A user settings file without a paper position (first start) defers to the defaults.
    ProfileFile settings(ctx.RegFile());
    std::string paperValue = settings.Read(kUserSection, kPaperKey);
    if (TextToNumber(paperValue) == 0) {
        settings = ProfileFile(ctx.SysFile());
        paperValue = settings.Read(kUserSection, kPaperKey);
    }
    lists.papers.selected = RememberedPosition(paperValue, lists.papers);
    lists.rosters.selected = RememberedPosition(settings.Read(kUserSection, kRosterKey), lists.rosters);

    lists.scoreSets = ListWithBlank(ctx, kScoreFolder, kScoreSetExtension);
    lists.scoreSets.selected = 0;
    return lists;
}

bool SaveListPositions(const AppContext& ctx, const FileLists& lists) {
    // Both positions go into one rewrite of the file.
    const auto file = ctx.RegFile();
    std::optional<ProfileFile> settings = ProfileFile::Load(file);
    return settings && settings->Write(kUserSection, kPaperKey, std::to_string(lists.papers.selected)) &&
           settings->Write(kUserSection, kRosterKey, std::to_string(lists.rosters.selected)) && settings->Save(file);
}

}  // namespace veltora
