#pragma once
// The program-wide values fixed at start-up: where the files live and which language the
// interface speaks. Owned by the application and passed by reference.
#include <filesystem>
#include <string>
#include <string_view>

#include "app/cached_profile.h"

namespace veltora {

class AppContext {
public:
    explicit AppContext(std::filesystem::path programFolder);

    const std::filesystem::path& ProgramFolder() const { return programFolder_; }
    // ProgramFolder / relative, resolved without regard to letter case ("sys/reg.cho").
    std::filesystem::path Path(std::string_view relative) const;

    std::filesystem::path LanguageFile() const;   // "Language.txt"
    std::filesystem::path RegFile() const;        // "sys/reg.cho"
    std::filesystem::path SysFile() const;        // "sys/sys.cho"
    std::filesystem::path HelpFile() const;       // "help/index.html"

    // Text of `key` in `section` of the language file, read when asked (again only after
    // the file has changed); "" when missing.
    std::string LangText(std::string_view section, std::string_view key) const;
    bool UiIsChinese() const { return uiIsChinese_; }
    // "Veltora" for the Chinese interface, "Karvex" otherwise.
    const std::string& ApplicationTitle() const { return applicationTitle_; }
    std::string MakerWebAddress() const;  // "https://veltora.example"

    const std::filesystem::path& LastImageFolder() const { return lastImageFolder_; }
    void SetLastImageFolder(std::filesystem::path folder) { lastImageFolder_ = std::move(folder); }

private:
    std::filesystem::path programFolder_;
    CachedProfile languageTable_;  // the language file, resolved once at start-up
    bool uiIsChinese_ = false;
    std::string applicationTitle_;
    std::filesystem::path lastImageFolder_;
};

}  // namespace veltora
