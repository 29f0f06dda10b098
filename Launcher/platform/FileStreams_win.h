#pragma once
// Byte streams over the platform's file handles.
#include "FileStreams.h"

namespace corvella {

class WinFileStreams final : public FileStreams {
public:
    std::unique_ptr<InputFile> OpenForReading(const std::string& path) override;
    std::unique_ptr<OutputFile> OpenForWriting(const std::string& path) override;
    std::string LongFullPath(const std::string& path) override;
    void RemoveFile(const std::string& path) override;
};

}  // namespace corvella
