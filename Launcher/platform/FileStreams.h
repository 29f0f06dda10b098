#pragma once
// Whole files read and written as byte streams, for the launcher's own copy
// of a dropped shortcut. Closing happens when a stream is destroyed.
#include <cstddef>
#include <memory>
#include <optional>
#include <string>

namespace corvella {

class InputFile {
public:
    virtual ~InputFile() = default;
    // Up to `size` bytes into `buffer`: the count read, 0 at the end of the
    // file, nothing on a read error.
    virtual std::optional<std::size_t> Read(char* buffer, std::size_t size) = 0;
};

class OutputFile {
public:
    virtual ~OutputFile() = default;
    // False when not every byte could be written.
    virtual bool Write(const char* data, std::size_t size) = 0;
};

class FileStreams {
public:
    virtual ~FileStreams() = default;
    // Opened for reading while others may read and write it; null on failure.
    virtual std::unique_ptr<InputFile> OpenForReading(const std::string& path) = 0;
    // Created, or emptied when it exists; null on failure.
    virtual std::unique_ptr<OutputFile> OpenForWriting(const std::string& path) = 0;
    // The full path of an existing file with every short (8.3) name in its
    // long form; empty when the file does not exist.
    virtual std::string LongFullPath(const std::string& path) = 0;
    // Deletes one file; failures are not reported.
    virtual void RemoveFile(const std::string& path) = 0;
};

}  // namespace corvella
