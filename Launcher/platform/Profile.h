#pragma once
// The settings file as the launcher sees it: one key per call. Implemented by
// one parsed copy of the file that is replaced whole on disk (IniFileProfile.h,
// the launcher's own) and by the platform's profile functions (Profile_win.h,
// kept to check the first against).
#include <cstddef>
#include <string>
#include <string_view>

namespace corvella {

class Profile {
public:
    virtual ~Profile() = default;

    // The value of `key` in `section` as it arrives in a return buffer of
    // `bufferSize` characters: at most bufferSize - 1 characters, ending at the
    // first NUL. `defaultText` comes back when the key or the file is absent.
    virtual std::string Read(std::string_view section, std::string_view key,
                             std::string_view defaultText, std::size_t bufferSize) = 0;

    // Writes one key in place (appended to its section, the section appended to
    // the file, the file created, as needed). Failures are not reported.
    virtual void Write(std::string_view section, std::string_view key,
                       std::string_view value) = 0;

    // The writes between these two reach the file together, as one save, so
    // that the file never holds half of them. Pairs may nest; the outermost
    // pair decides. A write outside any pair is a save of its own.
    virtual void BeginSave() {}
    virtual void EndSave() {}
};

// One save for the lifetime of the object.
class ProfileSave {
public:
    explicit ProfileSave(Profile& profile) : profile_(profile) { profile_.BeginSave(); }
    ~ProfileSave() { profile_.EndSave(); }
    ProfileSave(const ProfileSave&) = delete;
    ProfileSave& operator=(const ProfileSave&) = delete;

private:
    Profile& profile_;
};

// Reads for the lifetime of the object come from one look at the file: a
// load of a thousand records asks the disk once, and sees one version of
// the file rather than a mix of an editor's save and what came before. It is
// a save: writes made meanwhile reach the file together when it ends.
class ProfileSnapshot {
public:
    explicit ProfileSnapshot(Profile& profile) : save_(profile) {}

private:
    ProfileSave save_;
};

}  // namespace corvella
