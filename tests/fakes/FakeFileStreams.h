#pragma once
// Files in memory for the shortcut copy: contents by path (compared without
// case), short aliases of long paths, the size of every read and write, and
// switches that make an open, a read or a write fail.
#include <map>
#include <set>

#include "platform/FileStreams.h"
#include "settings/ProfileText.h"

namespace corvella::testing {

class FakeFileStreams final : public FileStreams {
public:
    std::unique_ptr<InputFile> OpenForReading(const std::string& path) override {
        auto it = files.find(Resolve(path));
        if (it == files.end() || unreadable.count(Resolve(path))) return nullptr;
        return std::make_unique<Input>(*this, it->second);
    }
    std::unique_ptr<OutputFile> OpenForWriting(const std::string& path) override {
        if (unwritable.count(Resolve(path))) return nullptr;
        std::string& content = files[Resolve(path)];
        content.clear();
        return std::make_unique<Output>(*this, content);
    }
    std::string LongFullPath(const std::string& path) override {
        const std::string resolved = Resolve(path);
        return files.count(resolved) ? resolved : std::string();
    }
    void RemoveFile(const std::string& path) override {
        removed.push_back(path);
        files.erase(Resolve(path));
    }

    // Contents by lower-case long path.
    std::map<std::string, std::string> files;
    // Lower-case short path -> lower-case long path.
    std::map<std::string, std::string> aliases;
    std::set<std::string> unreadable, unwritable;
    bool readFails = false;
    std::size_t writeLimit = std::string::npos;  // bytes a copy may hold before a write fails
    std::vector<std::size_t> readSizes, writeSizes;
    std::vector<std::string> removed;

private:
    std::string Resolve(const std::string& path) const {
        const std::string lower = LowerCase(path);
        auto it = aliases.find(lower);
        return it == aliases.end() ? lower : it->second;
    }

    class Input final : public InputFile {
    public:
        Input(FakeFileStreams& owner, const std::string& content) : owner_(owner), content_(content) {}
        std::optional<std::size_t> Read(char* buffer, std::size_t size) override {
            owner_.readSizes.push_back(size);
            if (owner_.readFails) return std::nullopt;
            const std::size_t n = std::min(size, content_.size() - at_);
            std::copy_n(content_.data() + at_, n, buffer);
            at_ += n;
            return n;
        }

    private:
        FakeFileStreams& owner_;
        std::string content_;
        std::size_t at_ = 0;
    };

    class Output final : public OutputFile {
    public:
        Output(FakeFileStreams& owner, std::string& content) : owner_(owner), content_(content) {}
        bool Write(const char* data, std::size_t size) override {
            owner_.writeSizes.push_back(size);
            if (content_.size() + size > owner_.writeLimit) return false;
            content_.append(data, size);
            return true;
        }

    private:
        FakeFileStreams& owner_;
        std::string& content_;
    };
};

}  // namespace corvella::testing
