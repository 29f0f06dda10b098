#include "TempFiles.h"

#include "../platform/IniDocument.h"

namespace corvella {

bool IsTempFileName(std::string_view name) {
    constexpr std::string_view kSuffix = ".tmp";
    return name.size() >= kSuffix.size() &&
           EqualsNoCase(name.substr(name.size() - kSuffix.size()), kSuffix);
}

void DeleteTempFiles(FileSystem& files) {
    std::optional<std::string> temp = files.Environment("TEMP");
    if (!temp || temp->empty()) return;
    std::string folder = *temp;
    if (folder.back() != '\\') folder += '\\';
    for (const std::string& name : files.FilesIn(*temp))
        if (IsTempFileName(name)) files.RemoveFile(folder + name);
}

}  // namespace corvella
